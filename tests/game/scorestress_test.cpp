// SPDX-License-Identifier: GPL-3.0-or-later
// Games saving into one high-score file and one class record through the game's own saves, in
// the unhappy ways a classroom meets: a lock left behind of every kind (empty, cut short, junk,
// from a game gone on this computer, from another computer, stamped in the future, one whose
// holder still beats for a while as it is judged), holders killed in the middle of a save, the
// file server's time stamps far off. Every save that returned saying its entry was kept must
// find it in the file, whether it had the lock or not.
//   QUILLORA_STRESS_ROUNDS   rounds to run (tools/stress-shared-folder.sh runs many)
//   QUILLORA_STRESS_TIMING   "short" (the default) or "game": the lock's own timing
#include "classroom/classrecord.h"
#include "game/sharedscores.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using highscores::Names;
using highscores::SaveResult;
using highscores::Values;

namespace {

files::LockTiming timing()
{
    if (qEnvironmentVariable("QUILLORA_STRESS_TIMING") == QLatin1String("game"))
        return {};
    return {300, 30, 5};
}

constexpr int Games = 7;      // and the one that dies holding the lock: eight at once
constexpr int SavesEach = 2;  // 14 entries at most: every saved score fits in the list

enum class Planted { Nothing, Empty, CutShort, Junk, GoneHere, OtherComputer, Future, ChangesWhileJudged, Kinds };

const char* nameOf(Planted kind)
{
    static const char* const names[] = {"no lock",         "an empty lock",         "a lock cut short",
                                        "a junk lock",     "a lock of a game gone", "a lock from another computer",
                                        "a lock from the future", "a lock that changes while judged"};
    return names[int(kind)];
}

int rounds()
{
    const int n = qEnvironmentVariableIntValue("QUILLORA_STRESS_ROUNDS");
    return n > 0 ? n : int(Planted::Kinds);
}

qint32 scoreOf(int round, int game, int save) { return 100 + (round % 50) * 100 + game * SavesEach + save; }
QString nameOf(int game, int save) { return QStringLiteral("Game %1 save %2").arg(game).arg(save); }

// What a game tells about each of its saves.
struct Told {
    qint32 score;
    qint32 what;  // Told::Kept... below
};
enum : qint32 { ScoreKept, ScoreKeptWithoutLock, ScoreNotKept, RowKept, RowKeptWithoutLock, RowNotKept };

[[noreturn]] void playGame(const QString& file, const QString& record, int round, int game, int report)
{
    files::SleepingWaiter waiter;
    unsigned seed = unsigned(getpid());
    const auto tell = [&](qint32 score, qint32 what) {
        const Told told{score, what};
        if (::write(report, &told, sizeof told) != sizeof told)
            ::_exit(6);
    };
    for (int s = 0; s < SavesEach; ++s) {
        ::usleep(useconds_t(rand_r(&seed) % 15000));
        const qint32 score = scoreOf(round, game, s);
        Names names;
        Values values;
        highscores::readScoreFile(file, names, values);
        const QList<highscores::TypedName> typed{{score, nameOf(game, s)}};
        if (!highscores::enterScore(names, values, score, 5, typed))
            ::_exit(4);
        const SaveResult r = highscores::saveScore(file, names, values, score, 5, typed, waiter, timing());
        tell(score, r.outcome == SaveResult::Outcome::Saved           ? ScoreKept
                    : r.outcome == SaveResult::Outcome::SavedUnshared ? ScoreKeptWithoutLock
                                                                      : ScoreNotKept);
        classroom::RecordRow row;
        row.when = QStringLiteral("2026-01-01T00:00:00");
        row.name = nameOf(game, s);
        row.score = score;
        const classroom::AppendResult a = classroom::appendRecordRow(record, row, waiter, timing());
        tell(score, !a.ok ? RowNotKept : a.sharingError.isEmpty() ? RowKept : RowKeptWithoutLock);
    }
    ::_exit(0);
}

// A game that dies holding the lock, in the middle of its save.
[[noreturn]] void dieHoldingTheLock(const QString& file)
{
    files::SleepingWaiter waiter;
    files::runLocked(file, [] { ::raise(SIGKILL); }, waiter, timing());
    ::_exit(7);
}

QByteArray otherComputersRecord(int round, int beat)
{
    return "Quillora lock\nhost classroom-pc-" + QByteArray::number(round) + "\npid 4242\ntoken "
         + QByteArray::number(round + 1, 16) + "\nbeat " + QByteArray::number(beat).rightJustified(12, '0') + '\n';
}

// The lock file stamped as a file server whose clock is far off would stamp it.
void stamp(const QString& path, qint64 offset)
{
    struct timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec += offset;
    times[1] = times[0];
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

// Leaves a lock of the given kind; a lock that changes while judged is a child that rewrites
// its beat for a while (a game on another computer, still alive) and then stops: its pid.
pid_t plant(const QString& lockFile, Planted kind, int round)
{
    const QByteArray path = QFile::encodeName(lockFile);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return 0;
    QByteArray bytes;
    switch (kind) {
    case Planted::Nothing:
        ::close(fd);
        ::unlink(path.constData());
        return 0;
    case Planted::Empty: break;
    case Planted::CutShort: bytes = otherComputersRecord(round, 3).left(20 + round % 20); break;
    case Planted::Junk:
        for (int i = 0; i < 64; ++i)
            bytes += char(QRandomGenerator::global()->bounded(256));
        break;
    case Planted::GoneHere: {
        const pid_t gone = fork();
        if (gone == 0)
            ::_exit(0);
        waitpid(gone, nullptr, 0);
        bytes = "Quillora lock\nhost " + QSysInfo::machineHostName().toUtf8() + "\npid " + QByteArray::number(gone)
              + "\ntoken " + QByteArray::number(round + 0x1000, 16) + "\nbeat 000000000002\n";
        break;
    }
    case Planted::OtherComputer:
    case Planted::ChangesWhileJudged: bytes = otherComputersRecord(round, 7); break;
    case Planted::Future: bytes = otherComputersRecord(round, 7); break;
    case Planted::Kinds: break;
    }
    if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        ADD_FAILURE() << "could not plant " << nameOf(kind);
    if (kind == Planted::Future)
        stamp(lockFile, 86400 * 400);
    if (kind != Planted::ChangesWhileJudged) {
        ::close(fd);
        return 0;
    }
    const pid_t beating = fork();
    if (beating == 0) {
        const int stale = timing().staleMilliseconds;
        for (int beat = 8; beat < 8 + 8; ++beat) {
            ::usleep(useconds_t(stale * 1000 / 4));
            const QByteArray next = otherComputersRecord(round, beat);
            if (::pwrite(fd, next.constData(), size_t(next.size()), 0) != next.size())
                ::_exit(1);
        }
        ::_exit(0);
    }
    ::close(fd);
    return beating;
}

} // namespace

TEST(SharedFolderStress, NoKeptSaveIsLostWhateverLockWasLeftBehind)
{
    const int total = rounds();
    int saves = 0, unlocked = 0, lost = 0, notKept = 0;
    for (int round = 0; round < total; ++round) {
        const Planted kind = Planted(round % int(Planted::Kinds));
        TestFolder folder;
        const QString file = folder.file(QStringLiteral("Valdra.scr"));
        const QString record = folder.file(QStringLiteral("Class.csv"));
        const QString lockFile = files::lockFileNameFor(file);
        const pid_t beating = plant(lockFile, kind, round);
        plant(files::lockFileNameFor(record), kind == Planted::ChangesWhileJudged ? Planted::OtherComputer : kind,
              round);

        int report[2];
        ASSERT_EQ(pipe(report), 0);
        std::set<pid_t> running;
        for (int g = 0; g < Games; ++g) {
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(report[0]);
                playGame(file, record, round, g, report[1]);
            }
            running.insert(child);
        }
        ::close(report[1]);
        std::set<pid_t> doomed;  // killed at some moment of their saves
        const pid_t victim = fork();
        if (victim == 0)
            dieHoldingTheLock(file);

        std::set<qint32> keptScores, keptRows;
        const auto collect = [&](int timeout) {
            pollfd in{report[0], POLLIN, 0};
            while (::poll(&in, 1, timeout) > 0) {
                Told told{};
                if (::read(report[0], &told, sizeof told) != sizeof told)
                    return false;
                switch (told.what) {
                case ScoreKeptWithoutLock: ++unlocked; [[fallthrough]];
                case ScoreKept: keptScores.insert(told.score); ++saves; break;
                case RowKeptWithoutLock: ++unlocked; [[fallthrough]];
                case RowKept: keptRows.insert(told.score); ++saves; break;
                default: ++notKept; ++saves; break;
                }
                timeout = 0;
            }
            return true;
        };
        // Meanwhile: time stamps skewed, and one game killed at a random moment.
        auto rng = QRandomGenerator(quint32(round) * 2654435761u + 1u);
        const pid_t target = *std::next(running.begin(), rng.bounded(Games));
        const int killAfter = rng.bounded(40);
        // A killed game is reaped at once, as its machine's kernel would: it is gone, not a zombie.
        bool victimReaped = false;
        for (int tick = 0; collect(1); ++tick) {
            if (kind != Planted::Future)
                stamp(lockFile, QRandomGenerator::global()->bounded(-86400, 86400));
            if (!victimReaped)
                victimReaped = waitpid(victim, nullptr, WNOHANG) == victim;
            if (tick == killAfter && ::kill(target, SIGKILL) == 0) {
                doomed.insert(target);
                waitpid(target, nullptr, 0);
                running.erase(target);
            }
        }
        ::close(report[0]);
        if (!victimReaped)
            waitpid(victim, nullptr, 0);
        if (beating > 0)
            waitpid(beating, nullptr, 0);
        for (pid_t child : running) {
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            if (!doomed.count(child)) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                    << "round " << round << ": a game ended with exit " << WEXITSTATUS(status);
            }
        }

        Names names;
        Values values;
        QString damage;
        ASSERT_TRUE(highscores::readScoreFile(file, names, values, nullptr, &damage));
        EXPECT_TRUE(damage.isEmpty()) << "round " << round << ": " << damage.toStdString();
        std::map<qint32, QString> inFile;
        for (int k = 0; k < highscores::ListSize; ++k)
            if (values[k] != 0)
                inFile[values[k]] = names[k];
        for (qint32 score : keptScores) {
            const int game = (score - scoreOf(round, 0, 0)) / SavesEach;
            const int save = (score - scoreOf(round, 0, 0)) % SavesEach;
            if (inFile[score] != nameOf(game, save)) {
                ++lost;
                ADD_FAILURE() << "round " << round << " (" << nameOf(kind) << "): score " << score << " lost";
            }
        }
        std::set<qint32> rowsInFile;
        const classroom::RecordFile rows = classroom::readRecordFile(record);
        for (const classroom::RecordRow& row : rows.rows)
            rowsInFile.insert(qint32(row.score));
        EXPECT_EQ(rows.skipped, 0) << "round " << round;
        for (qint32 score : keptRows) {
            if (!rowsInFile.count(score)) {
                ++lost;
                ADD_FAILURE() << "round " << round << " (" << nameOf(kind) << "): class-record row " << score
                              << " lost";
            }
        }
        EXPECT_GE(keptScores.size(), size_t((Games - 1) * SavesEach)) << "round " << round << " (" << nameOf(kind) << ")";
        const QStringList damagedCopies = QDir(folder.path()).entryList({QStringLiteral("*.damaged*")}, QDir::Files);
        EXPECT_TRUE(damagedCopies.isEmpty()) << "round " << round;
    }
    RecordProperty("saves", saves);
    RecordProperty("saves_without_the_lock", unlocked);
    RecordProperty("lost", lost);
    std::printf("%d rounds, %d saves told kept or not: %d lost, %d without the lock, %d told not kept\n", total,
                saves, lost, unlocked, notKept);
    EXPECT_EQ(notKept, 0) << "saves told not kept";
}
