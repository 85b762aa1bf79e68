// SPDX-License-Identifier: GPL-3.0-or-later
// The folder lock: when a lock is given up, that a live one never is, one winner of a takeover,
// and the copy kept of a damaged file.
#include "files/folderlock.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using files::FolderLock;
using files::LockTiming;
using Result = FolderLock::Result;

namespace {

// Time that only moves when the lock waits; `onWait` is the world going on meanwhile.
class FakeWaiter : public files::LockWaiter {
public:
    double seconds() override { return elapsed; }
    void wait(int milliseconds) override
    {
        elapsed += milliseconds / 1000.0;
        if (onWait)
            onWait();
    }
    double elapsed = 0;
    std::function<void()> onWait;
};

const LockTiming Timing{4000, 400, 40};

QByteArray record(const QByteArray& host, qint64 pid, int beat)
{
    return "Quillora lock\nhost " + host + "\npid " + QByteArray::number(pid) + "\ntoken 5eed\nbeat "
         + QByteArray::number(beat) + "\n";
}

// The lock file's time stamp, as a server whose clock is `offset` seconds off would set it.
void skewStamp(const QString& path, qint64 offset)
{
    struct timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec += offset;
    times[1] = times[0];
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

pid_t deadPid()
{
    const pid_t child = fork();
    if (child == 0)
        ::_exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(FolderLock, ALockIsGivenUpByItsHolderBeingGoneOrItsRecordStandingStillNeverByItsAge)
{
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    struct Case {
        const char* what;
        QByteArray record;
        qint64 stampOffset;  // seconds the server's clock is off
        bool beating;        // the holder rewrites its record meanwhile
        Result result;
        double waitedFrom, waitedTo;
    } cases[] = {
        {"this host, process gone", record(here, deadPid(), 3), 0, false, Result::Locked, 0, 0},
        {"this host, process gone, stamped a day ahead", record(here, deadPid(), 3), 86400, false, Result::Locked, 0, 0},
        {"other host, standing still", record("far-pc", 4711, 3), 0, false, Result::Locked, 4.0, 4.05},
        {"other host, standing still, stamped an hour ahead", record("far-pc", 4711, 3), 3600, false, Result::Locked, 4.0,
         4.05},
        {"other host, standing still, stamped a day behind", record("far-pc", 4711, 3), -86400, false, Result::Locked,
         4.0, 4.05},
        {"other host, beating, stamped a day behind", record("far-pc", 4711, 3), -86400, true, Result::Busy, 4.0, 4.05},
        {"this host, alive, beating", record(here, getpid(), 3), -3600, true, Result::Busy, 4.0, 4.05},
        {"a half-made record standing still", QByteArray(), 0, false, Result::Locked, 4.0, 4.05},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        const QString lockFile = folder.file(QStringLiteral("Valdra.scr.lock"));
        folder.write(QStringLiteral("Valdra.scr.lock"), c.record);
        skewStamp(lockFile, c.stampOffset);
        FakeWaiter waiter;
        int beat = 3;
        if (c.beating)
            waiter.onWait = [&] {
                QByteArray next = c.record;
                next.replace("beat 3", "beat " + QByteArray::number(++beat));
                folder.write(QStringLiteral("Valdra.scr.lock"), next);
                skewStamp(lockFile, c.stampOffset);
            };
        FolderLock lock(lockFile);
        EXPECT_EQ(lock.acquire(waiter, Timing), c.result) << c.what;
        EXPECT_GE(waiter.elapsed, c.waitedFrom) << c.what;
        EXPECT_LE(waiter.elapsed, c.waitedTo) << c.what;
        EXPECT_EQ(lock.tookOverAbandoned(), c.result == Result::Locked) << c.what;
        if (c.result == Result::Busy)
            EXPECT_TRUE(lock.error().contains(QStringLiteral(", process "))) << c.what;
        else
            EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr.lock")).contains("pid " + QByteArray::number(getpid())))
                << c.what;
        lock.release();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), c.result == Result::Busy ? 1 : 0)
            << c.what << ": nothing of this lock left behind";
    }
}

TEST(FolderLock, AHolderKilledMidSaveIsGivenUpAtOnceAndALiveOneNeverIs)
{
    TestFolder folder;
    const QString lockFile = folder.file(QStringLiteral("Valdra.scr.lock"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        files::SleepingWaiter waiter;
        files::runLocked(folder.file(QStringLiteral("Valdra.scr")), [] { ::raise(SIGKILL); }, waiter);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child should have died holding the lock";
    FakeWaiter waiter;
    FolderLock next(lockFile);
    ASSERT_EQ(next.acquire(waiter, Timing), Result::Locked);
    EXPECT_EQ(waiter.elapsed, 0.0);

    // A live holder whose beat stalls (here: slower than the whole wait) still holds the
    // kernel's lock on its file, and is not taken over.
    next.release();
    FolderLock stalled(lockFile);
    FakeWaiter own;
    ASSERT_EQ(stalled.acquire(own, LockTiming{4000, 600000, 40}), Result::Locked);
    FolderLock other(lockFile);
    EXPECT_EQ(other.acquire(waiter, Timing), Result::Busy);
    EXPECT_TRUE(stalled.locked());
    stalled.release();
    EXPECT_FALSE(QFileInfo::exists(lockFile));

    // A lock that cannot be made at all fails at once, with the system's reason.
    FolderLock nowhere(folder.file(QStringLiteral("no/such/folder/Valdra.scr.lock")));
    EXPECT_EQ(nowhere.acquire(waiter, Timing), Result::Failed);
    EXPECT_FALSE(nowhere.error().isEmpty());
}

TEST(FolderLock, ManyGamesTakingOverOneAbandonedLockHaveOneHolderAtATime)
{
    TestFolder folder;
    const QString lockFile = folder.file(QStringLiteral("Valdra.scr.lock"));
    const QByteArray inside = QFile::encodeName(folder.file(QStringLiteral("inside")));
    constexpr int Games = 8;
    for (int round = 0; round < 4; ++round) {
        // Abandoned on another machine: every game judges it so at about the same moment.
        folder.write(QStringLiteral("Valdra.scr.lock"), record("far-pc", 100 + round, round));
        std::vector<pid_t> children;
        for (int g = 0; g < Games; ++g) {
            const pid_t child = fork();
            if (child == 0) {
                files::SleepingWaiter waiter;
                FolderLock lock(lockFile);
                if (lock.acquire(waiter, LockTiming{500, 20, 1}) != Result::Locked)
                    ::_exit(2);
                // Only one game may be here: a second one finds the mark in place.
                const int mark = ::open(inside.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                if (mark < 0)
                    ::_exit(3);
                ::usleep(2000);
                ::close(mark);
                ::unlink(inside.constData());
                lock.release();
                ::_exit(0);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "round " << round << ": exit " << WEXITSTATUS(status) << " (3: two holders at once)";
        }
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList())
            << "no lock or guard left";
    }
}

TEST(FolderLock, RunLockedRunsTheUpdateOnceEvenWithoutTheLock)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Class.csv"));
    folder.write(QStringLiteral("Class.csv.lock"), record("far-pc", 1, 0));
    FakeWaiter waiter;
    int beat = 0;
    waiter.onWait = [&] { folder.write(QStringLiteral("Class.csv.lock"), record("far-pc", 1, ++beat)); };
    int runs = 0;
    const files::LockedRun busy = files::runLocked(path, [&] { ++runs; }, waiter, Timing);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(busy.locked);
    EXPECT_TRUE(busy.problem.contains(QStringLiteral("far-pc, process 1"))) << busy.problem.toStdString();

    ::unlink(QFile::encodeName(folder.file(QStringLiteral("Class.csv.lock"))).constData());
    bool lockedInside = false;
    const files::LockedRun free = files::runLocked(
        path, [&] { lockedInside = QFileInfo::exists(files::lockFileNameFor(path)); }, waiter, Timing);
    EXPECT_TRUE(free.locked);
    EXPECT_TRUE(lockedInside);
    EXPECT_FALSE(QFileInfo::exists(files::lockFileNameFor(path)));
}

TEST(FolderLock, ADamagedFileIsKeptBesideItselfWithoutReplacingAnEarlierCopy)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Valdra.scr"));
    folder.write(QStringLiteral("Valdra.scr"), "Ann\r\n 13O \r\n");
    EXPECT_EQ(files::keepDamagedCopy(path), path + QStringLiteral(".damaged"));
    folder.write(QStringLiteral("Valdra.scr"), "Bob\r\n");
    EXPECT_EQ(files::keepDamagedCopy(path), path + QStringLiteral(".damaged-2"));
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.damaged")), QByteArray("Ann\r\n 13O \r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.damaged-2")), QByteArray("Bob\r\n"));
    QString error;
    EXPECT_TRUE(files::keepDamagedCopy(folder.file(QStringLiteral("missing.scr")), &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(FolderLock, AWaiterThatJudgedALockAbandonedNeverRemovesTheLiveOneThatReplacedIt)
{
    // The waiter judges the lock abandoned, then waits for its breaking guard; meanwhile the
    // abandoned lock goes and a live game takes the lock anew.
    struct Case {
        const char* what;
        QByteArray record;
        QString guard;
    } cases[] = {
        {"another computer's lock", record("far-pc", 4711, 3), QStringLiteral("Valdra.scr.lock.break-5eed")},
        {"an empty lock", QByteArray(), QStringLiteral("Valdra.scr.lock.break-da39a3ee5e6b4b0d")},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        const QString lockFile = folder.file(QStringLiteral("Valdra.scr.lock"));
        folder.write(QStringLiteral("Valdra.scr.lock"), c.record);
        FakeWaiter guardTime;
        FolderLock guard(folder.file(c.guard));
        ASSERT_EQ(guard.acquire(guardTime, Timing), Result::Locked) << c.what;
        FolderLock live(lockFile);
        FakeWaiter waiter;
        waiter.onWait = [&] {
            if (waiter.elapsed < 4.5 || live.locked())
                return;
            ASSERT_EQ(::unlink(QFile::encodeName(lockFile).constData()), 0);
            FakeWaiter liveTime;
            ASSERT_EQ(live.acquire(liveTime, Timing), Result::Locked);
            guard.release();
        };
        FolderLock late(lockFile);
        EXPECT_EQ(late.acquire(waiter, Timing), Result::Busy) << c.what;
        EXPECT_FALSE(late.tookOverAbandoned()) << c.what;
        EXPECT_TRUE(live.stillHeld()) << c.what;
        EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr.lock")).contains("pid " + QByteArray::number(getpid())));
        live.release();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList()) << c.what;
    }
}

TEST(FolderLock, AHolderWhoseLockWasTakenAwayKnowsItAndRemovesNoOtherLock)
{
    struct Case {
        const char* what;
        std::function<void(const QString& lockFile, TestFolder& folder)> meanwhile;
        bool held;
        bool lockLeft;  // a lock file is there after the release
    } cases[] = {
        {"left in place", [](const QString&, TestFolder&) {}, true, false},
        {"taken over: moved away and another game's lock made",
         [](const QString& lockFile, TestFolder& folder) {
             ASSERT_EQ(::rename(QFile::encodeName(lockFile).constData(),
                                QFile::encodeName(folder.file(QStringLiteral("gone"))).constData()),
                       0);
             folder.write(QStringLiteral("Valdra.scr.lock"), record("far-pc", 1, 1));
         },
         false, true},
        {"taken over and removed",
         [](const QString& lockFile, TestFolder&) { ASSERT_EQ(::unlink(QFile::encodeName(lockFile).constData()), 0); },
         false, false},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        const QString lockFile = folder.file(QStringLiteral("Valdra.scr.lock"));
        FakeWaiter waiter;
        FolderLock lock(lockFile);
        ASSERT_EQ(lock.acquire(waiter, Timing), Result::Locked);
        EXPECT_TRUE(lock.stillHeld()) << c.what;
        c.meanwhile(lockFile, folder);
        EXPECT_EQ(lock.stillHeld(), c.held) << c.what;
        lock.release();
        EXPECT_EQ(QFileInfo::exists(lockFile), c.lockLeft) << c.what;
        if (c.lockLeft)
            EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.lock")), record("far-pc", 1, 1)) << c.what;
    }
}
