// Several games saving into one high-score file: the lock beside it and the merge under it.
#include "game/scorelock.h"
#include "game/sharedscores.h"
#include "support/testfolder.h"
#include "files/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using highscores::LockTiming;
using highscores::Names;
using highscores::SaveResult;
using highscores::ScoreFileLock;
using highscores::TypedName;
using highscores::Values;
using Outcome = SaveResult::Outcome;

namespace {

const QDateTime Epoch(QDate(2026, 3, 2), QTime(9, 0), QTimeZone::utc());

// A clock the test moves: a sleep only moves it on.
class FakeClock : public highscores::LockClock {
public:
    QDateTime now() override { return Epoch.addMSecs(qint64(elapsed * 1000)); }
    double seconds() override { return elapsed; }
    void sleep(int milliseconds) override { elapsed += milliseconds / 1000.0; }
    double elapsed = 0;
};

// For child processes racing for real: a sleep really sleeps, and every lock looks newer than
// the clock's date, so none is ever judged abandoned.
class SleepingClock : public highscores::LockClock {
public:
    QDateTime now() override { return QDateTime(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::utc()); }
    double seconds() override { return slept; }
    void sleep(int milliseconds) override
    {
        ::usleep(useconds_t(milliseconds) * 1000);
        slept += milliseconds / 1000.0;
    }
    double slept = 0;
};

void setModified(const QString& path, const QDateTime& when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

// (name, score) rows of a list, down to the first blank one.
std::vector<std::pair<QString, qint32>> rows(const Names& names, const Values& values)
{
    std::vector<std::pair<QString, qint32>> out;
    for (int k = 0; k < highscores::ListSize && values[k] != 0; ++k)
        out.emplace_back(names[k], values[k]);
    return out;
}

std::vector<std::pair<QString, qint32>> fileRows(const QString& name)
{
    Names names;
    Values values;
    EXPECT_TRUE(highscores::readScoreFile(name, names, values));
    return rows(names, values);
}

void writeList(const QString& name, const std::vector<std::pair<QString, qint32>>& entries)
{
    Names names;
    Values values;
    highscores::clearList(names, values);
    for (size_t k = 0; k < entries.size(); ++k) {
        names[k] = entries[k].first;
        values[k] = entries[k].second;
    }
    ASSERT_TRUE(ui::writeTextFile(name, highscores::scoreFileLines(names, values)));
}

// What a game does at its end: read the file now, and when the score makes it, enter it under
// the typed name into that list and save.
SaveResult playerSaves(const QString& file, qint32 score, const QString& name, highscores::LockClock& clock,
                       const LockTiming& timing = {}, Names* startNames = nullptr, Values* startValues = nullptr)
{
    Names names;
    Values values;
    if (startNames) {
        names = *startNames;
        values = *startValues;
    } else {
        highscores::readScoreFile(file, names, values);
    }
    const QList<TypedName> typed{{score, name}};
    if (!highscores::enterScore(names, values, score, 5, typed))
        return {Outcome::NoLongerEnters, {}, {}};
    return highscores::saveScore(file, names, values, score, 5, typed, clock, timing);
}

} // namespace

TEST(ScoreLock, ALockIsTakenOverOnlyOnceItIsOlderThanTheStaleAge)
{
    // Waits 5 s; a lock older than 10 s is abandoned.
    struct Case {
        const char* what;
        int ageSeconds;  // of the lock when the wait starts
        ScoreFileLock::Result result;
        double waitedFrom, waitedTo;
    } cases[] = {
        {"long abandoned", 30, ScoreFileLock::Result::Locked, 0, 0},
        {"abandoned during the wait", 7, ScoreFileLock::Result::Locked, 3.0, 3.2},
        {"held through the wait", 3, ScoreFileLock::Result::Busy, 5.0, 5.1},
        {"from the future (clocks apart)", -60, ScoreFileLock::Result::Busy, 5.0, 5.1},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        folder.write(QStringLiteral("Valdra.scr.lock"), "host elsewhere\npid 1\n");
        setModified(folder.file(QStringLiteral("Valdra.scr.lock")), Epoch.addSecs(-c.ageSeconds));
        FakeClock clock;
        ScoreFileLock lock(QStringLiteral("Valdra.scr"));
        EXPECT_EQ(lock.acquire(clock), c.result) << c.what;
        EXPECT_GE(clock.elapsed, c.waitedFrom) << c.what;
        EXPECT_LE(clock.elapsed, c.waitedTo) << c.what;
        EXPECT_EQ(lock.tookOverStale(), c.result == ScoreFileLock::Result::Locked) << c.what;
        if (c.result == ScoreFileLock::Result::Busy) {
            EXPECT_TRUE(lock.error().contains(QStringLiteral("elsewhere, process 1"))) << c.what;
            EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.lock")), QByteArray("host elsewhere\npid 1\n"));
        }
        lock.release();
        EXPECT_EQ(QFileInfo::exists(folder.file(QStringLiteral("Valdra.scr.lock"))),
                  c.result == ScoreFileLock::Result::Busy) << c.what;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), c.result == ScoreFileLock::Result::Busy ? 1 : 0)
            << c.what << ": nothing else left behind";
    }
}

TEST(ScoreLock, ALockLeftByAKilledGameIsTakenOverAfterItsTimeout)
{
    TestFolder folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FakeClock clock;
        ScoreFileLock lock(QStringLiteral("Valdra.scr"));
        if (lock.acquire(clock) == ScoreFileLock::Result::Locked)
            ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child should have died holding the lock";
    const QString lockFile = folder.file(QStringLiteral("Valdra.scr.lock"));
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr.lock")).contains(QByteArray("pid ") + QByteArray::number(child)));

    // The lock was made 2 s before this game comes to save.
    setModified(lockFile, Epoch.addSecs(-2));
    FakeClock clock;
    ScoreFileLock lock(QStringLiteral("Valdra.scr"));
    ASSERT_EQ(lock.acquire(clock, LockTiming{20000, 10, 50}), ScoreFileLock::Result::Locked);
    EXPECT_TRUE(lock.tookOverStale());
    EXPECT_GE(clock.elapsed, 8.0);
    EXPECT_LE(clock.elapsed, 8.2);
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr.lock")).contains(QByteArray("pid ") + QByteArray::number(getpid())));
}

TEST(ScoreLock, AGameWhoseLockWasTakenOverLeavesTheNewOneInPlace)
{
    TestFolder folder;
    FakeClock slowClock;
    ScoreFileLock slow(QStringLiteral("Valdra.scr"));
    ASSERT_EQ(slow.acquire(slowClock), ScoreFileLock::Result::Locked);
    setModified(folder.file(QStringLiteral("Valdra.scr.lock")), Epoch.addSecs(-60));

    FakeClock clock;
    ScoreFileLock next(QStringLiteral("Valdra.scr"));
    ASSERT_EQ(next.acquire(clock), ScoreFileLock::Result::Locked);
    const QByteArray nextLock = folder.read(QStringLiteral("Valdra.scr.lock"));
    slow.release();
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.lock")), nextLock);
    next.release();
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("Valdra.scr.lock"))));

    // A lock that cannot be made at all fails at once, with the system's reason.
    ScoreFileLock nowhere(QStringLiteral("no/such/folder/Valdra.scr"));
    EXPECT_EQ(nowhere.acquire(clock), ScoreFileLock::Result::Failed);
    EXPECT_FALSE(nowhere.error().isEmpty());
}

TEST(SharedScores, TwoGamesSavingInTurnKeepBothScoresInOrder)
{
    TestFolder folder;
    const QString file = QStringLiteral("Valdra.scr");
    writeList(file, {{"Ann", 500}, {"Bob", 300}});
    // Both games read the list at start-up, before either saved.
    Names first, second;
    Values firstValues, secondValues;
    highscores::readScoreFile(file, first, firstValues);
    second = first;
    secondValues = firstValues;

    FakeClock clock;
    EXPECT_EQ(playerSaves(file, 400, QStringLiteral("One"), clock, {}, &first, &firstValues).outcome, Outcome::Saved);
    EXPECT_EQ(playerSaves(file, 350, QStringLiteral("Two"), clock, {}, &second, &secondValues).outcome, Outcome::Saved);
    const std::vector<std::pair<QString, qint32>> expected{{"Ann", 500}, {"One", 400}, {"Two", 350}, {"Bob", 300}};
    EXPECT_EQ(fileRows(file), expected);
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("Valdra.scr.lock"))));
}

TEST(SharedScores, TheFifteenEntryCutIsMadeAgainstTheFileAsItIsNow)
{
    TestFolder folder;
    const QString file = QStringLiteral("Valdra.scr");
    // At start-up the list was empty; meanwhile other games filled it down to 300.
    Names names;
    Values values;
    highscores::clearList(names, values);
    std::vector<std::pair<QString, qint32>> full;
    for (int k = 0; k < 15; ++k)
        full.emplace_back(QStringLiteral("P%1").arg(k), 1700 - 100 * k);
    writeList(file, full);
    const QByteArray before = folder.read(file);

    FakeClock clock;
    for (qint32 score : {200, 300}) {
        Names n = names;
        Values v = values;
        ASSERT_TRUE(highscores::enterScore(n, v, score, 5, {{score, QStringLiteral("Late")}}));
        EXPECT_EQ(highscores::saveScore(file, n, v, score, 5, {{score, QStringLiteral("Late")}}, clock).outcome,
                  Outcome::NoLongerEnters) << score;
        EXPECT_EQ(folder.read(file), before) << score;
        EXPECT_EQ(rows(n, v), full) << "the list becomes the file as it is";
    }

    Names n = names;
    Values v = values;
    highscores::enterScore(n, v, 301, 5, {{301, QStringLiteral("Just")}});
    EXPECT_EQ(highscores::saveScore(file, n, v, 301, 5, {{301, QStringLiteral("Just")}}, clock).outcome, Outcome::Saved);
    const auto after = fileRows(file);
    ASSERT_EQ(after.size(), 15u);
    EXPECT_EQ(after[13], full[13]);
    EXPECT_EQ(after[14], std::make_pair(QStringLiteral("Just"), qint32(301)));
    EXPECT_EQ(ui::readTextFile(file).lines.size(), 30);
}

TEST(SharedScores, NamesTypedForMarkedRowsFollowTheirScores)
{
    Names names;
    Values values;
    highscores::clearList(names, values);
    // The file as it is now: another game added Max; an old row still waits for its name.
    names[0] = QStringLiteral("Max"), values[0] = 700;
    names[1] = QStringLiteral("***"), values[1] = 600;
    names[2] = QStringLiteral("Ann"), values[2] = 500;
    names[3] = QStringLiteral("***"), values[3] = 50;
    ASSERT_TRUE(highscores::enterScore(names, values, 600, 5,
                                       {{600, QStringLiteral("Eve")}, {600, QStringLiteral("Old")}, {50, QStringLiteral("Zoe")}}));
    const std::vector<std::pair<QString, qint32>> expected{
        {"Max", 700}, {"Eve", 600}, {"Old", 600}, {"Ann", 500}, {"Zoe", 50}};
    EXPECT_EQ(rows(names, values), expected);
    EXPECT_FALSE(highscores::enterScore(names, values, 600, 4, {}));  // too few correct answers
}

namespace {

// Runs `save` in a child process; returns its pid. The child exits 0 when every save was
// merged into the file (or no longer made the list).
template <typename Save>
pid_t inChild(Save save)
{
    const pid_t child = fork();
    if (child == 0)
        ::_exit(save() ? 0 : 1);
    return child;
}

bool merged(const SaveResult& r) { return r.outcome == Outcome::Saved || r.outcome == Outcome::NoLongerEnters; }

void expectChildrenSucceed(const std::vector<pid_t>& children)
{
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child " << child;
    }
}

} // namespace

TEST(SharedScores, TwoGamesSavingAtOnceKeepBothScoresInOrder)
{
    TestFolder folder;
    const QString file = QStringLiteral("Valdra.scr");
    writeList(file, {{"Ann", 500}, {"Bob", 300}});
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<pid_t> children;
    for (const auto& [score, name] : {std::pair{450, "One"}, std::pair{400, "Two"}})
        children.push_back(inChild([&, score = score, name = name] {
            Names names;
            Values values;
            highscores::readScoreFile(file, names, values);
            char go;
            if (::read(gate[0], &go, 1) != 1)
                return false;
            SleepingClock clock;
            return playerSaves(file, score, QString::fromLatin1(name), clock, LockTiming{60000, 10, 1}, &names, &values)
                       .outcome == Outcome::Saved;
        }));
    ASSERT_EQ(::write(gate[1], "gg", 2), 2);
    expectChildrenSucceed(children);
    ::close(gate[0]);
    ::close(gate[1]);
    const std::vector<std::pair<QString, qint32>> expected{{"Ann", 500}, {"One", 450}, {"Two", 400}, {"Bob", 300}};
    EXPECT_EQ(fileRows(file), expected);
}

TEST(SharedScores, ManyGamesSavingAtRandomMomentsLoseNoScoreAndDoubleNone)
{
    TestFolder folder;
    const QString file = QStringLiteral("Valdra.scr");
    constexpr int Games = 6;
    constexpr int SavesEach = 5;
    std::vector<std::pair<QString, qint32>> everyone;
    for (int k = 0; k < 15; ++k)
        everyone.emplace_back(QStringLiteral("Seed %1").arg(k), 385 - 20 * k);
    writeList(file, everyone);

    std::vector<pid_t> children;
    for (int g = 0; g < Games; ++g) {
        for (int s = 0; s < SavesEach; ++s)
            everyone.emplace_back(QStringLiteral("Game %1 save %2").arg(g).arg(s), 100 + 10 * (s * Games + g));
        children.push_back(inChild([&, g] {
            unsigned seed = unsigned(g) * 7919u + 1u;
            SleepingClock clock;
            bool ok = true;
            for (int s = 0; s < SavesEach; ++s) {
                ::usleep(useconds_t(rand_r(&seed) % 20000));
                const qint32 score = 100 + 10 * (s * Games + g);
                ok = merged(playerSaves(file, score, QStringLiteral("Game %1 save %2").arg(g).arg(s), clock,
                                        LockTiming{60000, 10, 1})) && ok;
            }
            return ok;
        }));
    }
    expectChildrenSucceed(children);

    std::sort(everyone.begin(), everyone.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    everyone.resize(15);
    EXPECT_EQ(fileRows(file), everyone);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{file}) << "no lock or temporary file left";
}
