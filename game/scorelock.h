#pragma once
// A lock on the high-score file, so that games sharing one folder (often a school's network
// folder) take turns at reading, merging and writing the list. The lock is a file beside the
// score file, made with an exclusive create: that holds on network file systems, where advisory
// locks may not. A lock older than the stale age was left by a game that died, and is taken
// over. Widget-free.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace highscores {

// What the lock waits and judges ages with: the game passes the platform's, tests a clock they
// move by hand.
class LockClock {
public:
    virtual ~LockClock() = default;
    // Compared with the lock file's time to tell its age.
    virtual QDateTime now() = 0;
    // A steady count of seconds, for the wait.
    virtual double seconds() = 0;
    virtual void sleep(int milliseconds) = 0;
};

struct LockTiming {
    int waitMilliseconds = 5000;  // a save waits this long for another game to finish
    int staleSeconds = 10;        // a save takes milliseconds: a lock this old is abandoned
    int pollMilliseconds = 50;
};

// "Valdra.scr" is locked by "Valdra.scr.lock".
QString lockFileNameFor(const QString& scoreFilePath);

class ScoreFileLock {
public:
    enum class Result {
        Locked,
        Busy,    // another game held it for the whole wait
        Failed,  // the lock file could not be made at all (e.g. a read-only folder)
    };

    explicit ScoreFileLock(const QString& scoreFilePath);
    ~ScoreFileLock();
    ScoreFileLock(const ScoreFileLock&) = delete;
    ScoreFileLock& operator=(const ScoreFileLock&) = delete;

    Result acquire(LockClock& clock, const LockTiming& timing = {});
    // Removes the lock file, but only while it is still this one's (not taken over as stale).
    void release();

    bool locked() const { return m_locked; }
    bool tookOverStale() const { return m_tookOverStale; }
    QString lockFileName() const { return m_lockPath; }
    // Why the lock was not had: the system's reason, or who holds it.
    QString error() const { return m_error; }

private:
    QString m_lockPath;
    QByteArray m_content;  // what this lock wrote into its file, to know it again
    QString m_error;
    bool m_locked = false;
    bool m_tookOverStale = false;
};

} // namespace highscores
