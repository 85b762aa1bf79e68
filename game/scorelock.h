#pragma once
// The high-score file's lock: the folder lock every shared file uses (files/folderlock.h), by
// the names the high-score code knows it by. Widget-free.
#include "files/folderlock.h"

namespace highscores {

using files::LockTiming;
using files::LockWaiter;
using ScoreFileLock = files::FolderLock;

// "Valdra.scr" is locked by "Valdra.scr.lock".
inline QString lockFileNameFor(const QString& scoreFilePath) { return files::lockFileNameFor(scoreFilePath); }

} // namespace highscores
