// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock that games sharing one folder (often a school's network folder) take turns under
// before they read, merge and rewrite a file there. Widget-free.
//
// Why this design
// ---------------
// The lock is the file "<file>.lock", made with an exclusive create. Every file system a
// classroom uses (local disks, NFSv3/v4, SMB) makes an exclusive create atomic, so every game in
// the folder agrees on it, whichever machine and mount it runs from. Its content is a holder
// record: host, process, a random token, and a beat counter that the holder rewrites every
// heartbeat while it holds the lock.
//
// A waiter never compares clocks. It gives a lock up as abandoned when
//  - the holder ran on this host and its process is gone (judged at once), or
//  - the record has not changed while the waiter watched it for the stale limit, counted on
//    the waiter's own monotonic clock. A live holder rewrites its beat far more often, so it is
//    never overtaken, however far the machines' clocks (or the server's time stamps) disagree.
// Where the file system carries them, the holder also takes an open-file-description lock
// (F_OFD_SETLK) on its lock file. The kernel (or the NFSv4/SMB server) drops it when the
// holder's process dies, so a lock seen held that way is certainly alive and is never given up,
// even when its heartbeat stalls (a holder stopped in a debugger, a slow disk). It is only extra
// evidence, not the lock itself: a game on a mount without lock support would not see it, and a
// lock is only as good as what every game in the folder agrees on.
//
// Takeover has one winner: an abandoned lock whose record carries token T is removed only by
// the holder of the lock "<file>.lock.break-T" (the same protocol, one level down), which reads
// the lock again and removes it only if it still carries T. Every other game that judged T
// abandoned waits on that guard, then finds T gone and simply competes for the free lock by
// exclusive create. A breaker that dies leaves a guard that is itself abandoned in the same way.
//
// Where QLockFile falls short: across hosts it judges staleness by the age of the lock file's
// modification time against this machine's clock (so skewed clocks take over live locks or
// never free dead ones); a holder does not refresh its lock, so one held past the stale time is
// taken over alive; and its waiting tryLock() sleeps on the caller's thread.
#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace files {

// What a waiter counts and waits with. seconds() must be monotonic (never the time of day a
// user can set); wait() is where a window keeps painting (an event loop), or a plain sleep.
class LockWaiter {
public:
    virtual ~LockWaiter() = default;
    virtual double seconds() = 0;
    virtual void wait(int milliseconds) = 0;
};

// A steady clock and a plain sleep: for programs without a window, and for tests.
class SleepingWaiter final : public LockWaiter {
public:
    double seconds() override;
    void wait(int milliseconds) override;
};

struct LockTiming {
    // A record not rewritten for this long, watched by the waiter, was left by a game that died.
    // It is also the longest a save waits for one live holder (twice it in all, when games take
    // turns meanwhile or an abandoned lock is given up).
    int staleMilliseconds = 4000;
    int heartbeatMilliseconds = 400;
    int pollMilliseconds = 40;
};

// "Valdra.scr" is locked by "Valdra.scr.lock".
QString lockFileNameFor(const QString& path);

class FolderLock {
public:
    enum class Result {
        Locked,
        Busy,    // a live game held it for the whole wait
        Failed,  // the lock file could not be made at all (e.g. a read-only folder)
    };

    // `lockPath` is the lock file itself.
    explicit FolderLock(const QString& lockPath);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Result acquire(LockWaiter& waiter, const LockTiming& timing = {});
    // Removes the lock file, but only while it still carries this lock's record.
    void release();

    bool locked() const { return m_locked; }
    bool tookOverAbandoned() const { return m_tookOver; }
    QString lockFileName() const { return m_path; }
    // Why the lock was not had: the system's reason, or who holds it.
    QString error() const { return m_error; }

private:
    struct Heart;
    Result acquire(LockWaiter& waiter, const LockTiming& timing, double deadline, int depth);
    bool breakAbandoned(const QByteArray& record, LockWaiter& waiter, const LockTiming& timing, double deadline,
                        int depth);

    QString m_path;
    QByteArray m_token;
    QString m_error;
    std::unique_ptr<Heart> m_heart;
    bool m_locked = false;
    bool m_tookOver = false;
};

// The outcome of runLocked.
struct LockedRun {
    bool locked = false;  // false: `update` ran without the lock
    QString problem;      // why it ran without: who held the lock, or the system's reason
};

// The one way to change a file that other games in the folder change too: runs `update`, a
// read-modify-write of `path`, under the folder lock "<path>.lock". `update` must read the file
// as it is now, merge its change into that, and write it atomically (ui::writeTextFile). It runs
// exactly once in every case: when the lock cannot be had within the stale limit it runs
// without it, because a merge with a small chance of a race beats a certain loss; the result
// then says why, for the player.
LockedRun runLocked(const QString& path, const std::function<void()>& update, LockWaiter& waiter,
                    const LockTiming& timing = {});

// Keeps the file as it is now beside itself, as "<path>.damaged", or "<path>.damaged-2", -3 ...
// when earlier copies are there: an earlier copy is never replaced. The copy's name, or an
// empty name with the system's reason in *error.
QString keepDamagedCopy(const QString& path, QString* error = nullptr);

} // namespace files
