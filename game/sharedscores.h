#pragma once
// Saving a new score into a high-score file that other games in the same folder may be saving
// into too: under the file's lock, the score is entered into the list as the file holds it now,
// so no game writes back a list that has gone stale. Widget-free.
#include <QList>
#include <QString>

#include "game/highscores.h"
#include "game/scorelock.h"

namespace highscores {

// Reads the high-score file as it is now into the list, which is cleared first. A missing file
// is an empty list. False, with the system's reason, when the file is there but cannot be read.
bool readScoreFile(const QString& fileName, Names& names, Values& values, QString* error = nullptr);

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
        SavedUnshared,   // no lock or an unreadable file: the list in memory was written as it is
        Failed,          // nothing could be written
    };
    Outcome outcome = Outcome::Saved;
    QString sharingError;  // why the list could not be merged with the file (SavedUnshared, Failed)
    QString writeError;    // why the file could not be written (Failed)
};

// Saves a new score. `names` and `values` come in as the list in memory with the score already
// entered and named (written as it is when the file cannot be locked or read), and go out as what
// the file holds afterwards (or was meant to hold, when the write failed).
SaveResult saveScore(const QString& fileName, Names& names, Values& values, qint32 score, int correctCount,
                     const QList<TypedName>& typed, LockClock& clock, const LockTiming& timing = {});

} // namespace highscores
