// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock that games sharing one folder (often a school's network folder) take turns under
// before they read, merge and rewrite a file there. Widget-free.
//
// Why this design
// ---------------
// The lock is the file "<file>.lock". Its content is a holder record: host, process, a random
// token no other lock ever carries, and a beat counter that the holder rewrites in place every
// heartbeat while it holds the lock (same length each time).
//
// Taking it. The record is written whole into a file of the game's own ("<lock>.new-<token>")
// and then hard-linked to the lock's name. The link is atomic and fails when the name exists,
// on local disks, NFS and SMB alike, so exactly one game gets a free lock, and a lock never
// exists empty or half written. (NFS may answer a link that was done as failed; the link count
// of the game's own file says the truth.) Where the file system has no hard links the lock is
// made by an exclusive create and written at once, as games have always done.
//
// Judging it. A waiter opens the lock once and judges that one file: its record and, where the
// file system keeps them, the kernel's lock (F_OFD_SETLK) its holder takes on it before it is
// linked into place. A waiter never compares clocks. It gives the lock up as abandoned when
//  - no kernel lock is held on it (a held one is a live process's, whatever its beat does), and
//  - the holder ran on this host and its process is gone (judged at once), or the record, byte
//    for byte, has not changed while the waiter watched it for the stale limit, counted on the
//    waiter's own monotonic clock. A live holder beats ten times as often, so it is never taken
//    over, however far the machines' clocks, or the server's time stamps, disagree.
// An empty, cut-short or junk record is judged the same way: it never changes, so it is given
// up after the stale limit; a record that changes meanwhile starts the watch again.
//
// Taking an abandoned lock over. Invariant: a lock whose record is R leaves the lock's name only
// by its own holder's release, or by the game that holds the guard "<lock>.break-<id of R>" (a
// lock of the same kind, one level down; its id is R's token, or a digest of a record without
// one). A waiter that judged R abandoned takes that guard, opens the lock again and, only if it
// still holds R unchanged and no kernel lock, renames it to a name of its own, reads what it
// renamed, and removes it only if that is R itself. So of all the waiters that judged R, one
// removes it: the others get the guard after it and find R gone. By the invariant, R cannot be
// replaced between that last look and the rename, so no newer lock is removed; should the
// renamed file still not be R (R's holder, stalled for the whole stale limit, let go in that
// moment), it is linked back into place. The freed name is then competed for by the link above.
// A breaker that dies leaves a guard that is itself abandoned, judged and taken over alike.
//
// Why no interleaving loses an entry. Every change to a shared file is a read, merge and atomic
// rename of the whole file (or one append for the class record), done by a holder. Two holders
// at once would need a live holder's lock taken over, which needs it to stand still for the
// stale limit: its beat comes from a thread of its own, so only a process frozen that long (a
// laptop put to sleep, a debugger) can be taken over alive. Such a holder asks stillHeld() just
// before it replaces the file (the lock's name still holds its own lock file) and, when it was
// taken over, does not write but starts again. Beyond the lock (game/sharedscores.cpp), a save
// compares the file with what it read just before replacing it, so a save that could not have
// the lock still merges with the file as it is at that moment; where the file system can swap
// two names in one step (local disks) the save swaps the old file out instead of writing over
// it, gets back exactly what it replaced, and merges in whatever another game wrote in between,
// so even two saves without the lock drop nothing. Last, a save reads the file back: an entry
// not there is merged and written again, or the player is told it was not kept. What is left,
// on a network folder, is a save without the lock whose check and rename straddle another's,
// or a process frozen for the stale limit in the microseconds between its check and its rename.
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
    // The lock's name still holds this game's lock: asked just before a holder replaces the
    // file, since a holder frozen past the stale limit may have been taken over.
    bool stillHeld() const;

    bool locked() const { return m_locked; }
    bool tookOverAbandoned() const { return m_tookOver; }
    QString lockFileName() const { return m_path; }
    // Why the lock was not had: the system's reason, or who holds it.
    QString error() const { return m_error; }

private:
    struct Heart;
    Result acquire(LockWaiter& waiter, const LockTiming& timing, double deadline, int depth);
    enum class Made { Made, Exists, Failed };
    Made make(const QByteArray& head, int heartbeatMilliseconds);
    bool breakAbandoned(const QByteArray& record, LockWaiter& waiter, const LockTiming& timing, double deadline,
                        int depth);

    QString m_path;
    QByteArray m_token;
    QString m_error;
    std::unique_ptr<Heart> m_heart;
    bool m_locked = false;
    bool m_tookOver = false;
    bool m_noLinks = false;  // the file system has no hard links: an exclusive create instead
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
// then says why, for the player. `update` is handed `stillHeld`, to ask just before it replaces
// the file: false only when it had the lock and was taken over meanwhile (it then must not
// write what it read).
using StillHeld = std::function<bool()>;
LockedRun runLocked(const QString& path, const std::function<void(const StillHeld& stillHeld)>& update,
                    LockWaiter& waiter, const LockTiming& timing = {});
LockedRun runLocked(const QString& path, const std::function<void()>& update, LockWaiter& waiter,
                    const LockTiming& timing = {});

// Keeps the file as it is now beside itself, as "<path>.damaged", or "<path>.damaged-2", -3 ...
// when earlier copies are there: an earlier copy is never replaced. The copy's name, or an
// empty name with the system's reason in *error.
QString keepDamagedCopy(const QString& path, QString* error = nullptr);

} // namespace files
