// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a new score into a high-score file that other games in the same folder may be saving
// into too: under the file's lock, the score is entered into the list as the file holds it now,
// so no game writes back a list that has gone stale. Widget-free.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "game/highscores.h"
#include "game/scorelock.h"

namespace highscores {

// Reads the high-score file as it is now into the list, which is cleared first. A missing file
// is an empty list. False, with the system's reason, when the file is there but cannot be read.
// A file that does not read whole (a damaged score line, a name without its score, too many
// entries) still gives every entry that can be read, past the damage too; *damage then says
// what is wrong with it.
bool readScoreFile(const QString& fileName, Names& names, Values& values, QString* error = nullptr,
                   QString* damage = nullptr);

// The file's bytes as they are now: nothing when there is no file. False, with the system's
// reason, when it is there but cannot be read.
bool readFileNow(const QString& path, std::optional<QByteArray>& bytes, QString* error = nullptr);

// A name the player typed for a row marked "***", with the score that row held.
struct TypedName {
    qint32 score = 0;
    QString name;
};

// Enters the score into the list by the usual rules; then each row marked "***" takes the first
// name typed for a marked row of the same score. False, and the list untouched, when the score
// does not make the list (any more).
bool enterScore(Names& names, Values& values, qint32 score, int correctCount, const QList<TypedName>& typed);

struct SaveResult {
    enum class Outcome {
        Saved,           // entered into the file as it is now
        NoLongerEnters,  // other games saved better scores since the player was asked
        SavedUnshared,   // merged with the file as it is now, but without the lock in time
        Failed,          // nothing could be written, or the file read back never held the entry
    };
    Outcome outcome = Outcome::Saved;
    QString sharingError;  // why the lock could not be had (SavedUnshared, or Failed after it)
    QString writeError;    // why the file could not be written or read (Failed)
    // The file did not read whole: what was wrong, and where the whole of it was kept.
    QString damage;
    QString damagedCopy;
};

// Saves a new score into the file as it is now, under the folder lock. It never writes a list
// read earlier: when the lock cannot be had in time it still reads, merges and writes (and says
// so). It is Saved (or SavedUnshared) only once the file, read back, holds the entry; a file
// that lost it is merged and written again, a few times at most. A file that did not read whole is kept beside itself first; one that cannot be read at
// all is left alone. `names` and `values` come in as the list in memory with the score already
// entered and named, and go out as what the file holds afterwards (or was meant to hold, when
// the write failed).
SaveResult saveScore(const QString& fileName, Names& names, Values& values, qint32 score, int correctCount,
                     const QList<TypedName>& typed, LockWaiter& waiter, const LockTiming& timing = {});

} // namespace highscores
