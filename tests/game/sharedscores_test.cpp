// Several games saving into one high-score file: the lock beside it and the merge under it.
#include "game/scorelock.h"
#include "game/sharedscores.h"
#include "support/testfolder.h"
#include "files/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using highscores::LockTiming;
using highscores::Names;
using highscores::SaveResult;
using highscores::TypedName;
using highscores::Values;
using Outcome = SaveResult::Outcome;

namespace {

// Time that only moves when a lock waits.
class FakeWaiter : public files::LockWaiter {
public:
    double seconds() override { return elapsed; }
    void wait(int milliseconds) override { elapsed += milliseconds / 1000.0; }
    double elapsed = 0;
};

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
SaveResult playerSaves(const QString& file, qint32 score, const QString& name, files::LockWaiter& clock,
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
        return {Outcome::NoLongerEnters, {}, {}, {}, {}};
    return highscores::saveScore(file, names, values, score, 5, typed, clock, timing);
}

} // namespace

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

    FakeWaiter clock;
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

    FakeWaiter clock;
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
            files::SleepingWaiter clock;
            return playerSaves(file, score, QString::fromLatin1(name), clock, LockTiming{60000, 400, 1}, &names, &values)
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
            files::SleepingWaiter clock;
            bool ok = true;
            for (int s = 0; s < SavesEach; ++s) {
                ::usleep(useconds_t(rand_r(&seed) % 20000));
                const qint32 score = 100 + 10 * (s * Games + g);
                ok = merged(playerSaves(file, score, QStringLiteral("Game %1 save %2").arg(g).arg(s), clock,
                                        LockTiming{60000, 400, 1})) && ok;
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

TEST(SharedScores, ADamagedListIsKeptBesideAndItsReadableEntriesCarryOn)
{
    TestFolder folder;
    const QString file = QStringLiteral("Valdra.scr");
    struct Case {
        const char* what;
        QStringList lines;
        QStringList kept;  // names in the list after "New" (score 450) is saved
        const char* damage;
    } cases[] = {
        {"a score typed with a letter",
         {"Ann", " 900 ", "Bob", " 800 ", "Cy", " 13O ", "Dee", " 400 ", "Eve", " 300 "},
         {"Ann", "Bob", "New", "Dee", "Eve"}, "line 6 is not a score: \" 13O \""},
        {"a score line lost from the middle",
         {"Ann", " 900 ", "Bob", "Cy", " 500 ", "Dee", " 400 "}, {"Ann", "Cy", "New", "Dee"}, "line 4 is not a score"},
        {"cut after a name", {"Ann", " 900 ", "Bob"}, {"Ann", "New"}, "line 3 is a name without its score"},
    };
    for (const Case& c : cases) {
        folder.writeLines(file, c.lines);
        const QByteArray original = folder.read(file);
        // An earlier copy stays as it is.
        folder.write(file + QStringLiteral(".damaged"), "earlier");
        FakeWaiter clock;
        const SaveResult saved = playerSaves(file, 450, QStringLiteral("New"), clock);
        EXPECT_EQ(saved.outcome, Outcome::Saved) << c.what;
        EXPECT_TRUE(saved.damage.startsWith(QString::fromLatin1(c.damage))) << c.what << ": " << saved.damage.toStdString();
        EXPECT_EQ(saved.damagedCopy, file + QStringLiteral(".damaged-2")) << c.what;
        EXPECT_EQ(folder.read(file + QStringLiteral(".damaged-2")), original) << c.what;
        EXPECT_EQ(folder.read(file + QStringLiteral(".damaged")), QByteArray("earlier")) << c.what;
        QStringList names;
        for (const auto& [name, score] : fileRows(file))
            names << name;
        EXPECT_EQ(names, c.kept) << c.what;
        QFile::remove(folder.file(file + QStringLiteral(".damaged-2")));
    }
}

TEST(SharedScores, AListThatCannotBeReadIsLeftAsItIs)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    TestFolder folder;
    const QString file = QStringLiteral("Valdra.scr");
    writeList(file, {{"Ann", 500}});
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::WriteOwner));
    FakeWaiter clock;
    const SaveResult saved = playerSaves(file, 450, QStringLiteral("New"), clock);
    EXPECT_EQ(saved.outcome, Outcome::Failed);
    EXPECT_TRUE(saved.writeError.contains(QStringLiteral("could not be read"))) << saved.writeError.toStdString();
    QFile::setPermissions(file, QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    EXPECT_EQ(fileRows(file).size(), 1u);
}
