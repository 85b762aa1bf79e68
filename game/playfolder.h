// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play folder: the one folder that holds the question file, the high scores, the settings
// file and the teacher's files, because the game reads every file relative to the current
// folder. Widget-free.
#include <QString>

namespace playfolder {

// The name of the default question file, and the embedded copy a new play folder is given.
inline constexpr char DefaultQuestionFile[] = "Valdra.qtn";
inline constexpr char EmbeddedQuestionFile[] = ":/data/Valdra.qtn";
inline constexpr char EmbeddedFrenchQuestionFile[] = ":/data/fr/Valdra.qtn";
// The embedded file a new play folder receives: the French one while the game speaks French.
QString embeddedQuestionFile();

// The player's own play folder: $XDG_DATA_HOME/quillora, or HOME/.local/share/quillora when
// XDG_DATA_HOME is unset, empty or not absolute (such a value is to be ignored).
QString userFolder(const QString& xdgDataHome, const QString& home);
QString userFolder(); // from this process's environment

// Makes the folder and its parents when missing, and gives it the default question file when
// it has none (in any letter case). Never replaces a file. False, with the reason in *error,
// when the folder cannot be made or the file cannot be written.
bool prepare(const QString& folder, QString* error);

// prepare(), then makes the folder the current one.
bool enter(const QString& folder, QString* error);

} // namespace playfolder
