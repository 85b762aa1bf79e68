// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at any moment leaves the old file or the new one, never a mix, an empty file or
// none, and the next save clears away what the killed one left.
#include "config/settingswriter.h"
#include "game/highscores.h"
#include "support/testfolder.h"  // QString in failure messages
#include "files/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <functional>
#include <random>
#include <chrono>
#include <algorithm>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Saver {
    const char* file;
    std::function<bool(int version)> save;  // writes version 0 or 1 the game's way
    std::function<int()> readBack;          // which version the file holds, or -1
};

highscores::Names names(int version)
{
    highscores::Names n;
    highscores::Values v;
    highscores::clearList(n, v);
    for (int k = 0; k < highscores::ListSize; ++k)
        n[k] = version ? QString::fromUtf8("Élève %1").arg(k) : QStringLiteral("Player %1").arg(k);
    return n;
}

highscores::Values values(int version)
{
    highscores::Values v{};
    for (int k = 0; k < highscores::ListSize; ++k)
        v[k] = version ? 3000 - 7 * k : 1500 - 100 * k;
    return v;
}

Saver highScores()
{
    return {"Valdra.scr",
            [](int version) {
                return ui::writeTextFile(QStringLiteral("Valdra.scr"),
                                         highscores::scoreFileLines(names(version), values(version)));
            },
            [] {
                const ui::TextFile file = ui::readTextFile(QStringLiteral("Valdra.scr"));
                highscores::Names n;
                highscores::Values v;
                highscores::clearList(n, v);
                const highscores::ReadResult read = highscores::readScoreLines(file.lines, n, v);
                if (!file.opened || read.stop != highscores::ReadStop::EndOfFile || read.entries != highscores::ListSize)
                    return -1;
                for (int version : {0, 1})
                    if (std::equal(n.begin(), n.begin() + highscores::ListSize, names(version).begin())
                        && std::equal(v.begin(), v.begin() + highscores::ListSize, values(version).begin()))
                        return version;
                return -1;
            }};
}

// The settings lines as the settings editor writes them, through its own writer.
QStringList settingsLines(int version)
{
    settingsfile::GameSettings s;
    s.QuizFile = QStringLiteral("Valdra.qtn");
    s.GameWidth = QStringLiteral("9600");
    s.GameHeight = QStringLiteral("7200");
    s.DoorOption = QStringLiteral("12");
    s.TimeOption = QStringLiteral("3");
    if (version == 1) {
        s = {QString::fromUtf8("Géographie.qtn"), QStringLiteral("birds.lst"), QStringLiteral("parchment.jpg"),
             QStringLiteral("12000"), QStringLiteral("9000"), QStringLiteral("5100"), QStringLiteral("90"),
             QStringLiteral("5"), QStringLiteral("6")};
    }
    return settingsfile::settingsLines(s);
}

Saver settings()
{
    return {"Valdra.ini",
            [](int version) { return ui::writeTextFile(QStringLiteral("Valdra.ini"), settingsLines(version)); },
            [] {
                const ui::TextFile file = ui::readTextFile(QStringLiteral("valdra.ini"));
                for (int version : {0, 1})
                    if (file.opened && file.lines == settingsLines(version))
                        return version;
                return -1;
            }};
}

class KilledSave : public ::testing::TestWithParam<Saver (*)()> {};

TEST_P(KilledSave, LeavesTheOldFileOrTheNewOneAndNoLitter)
{
    const Saver saver = GetParam()();
    // In memory where the system offers it: a kill cannot land inside a sync to the disk,
    // which would take most of the kills and most of the time.
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir folder(base + QStringLiteral("/quillora-test-XXXXXX"));
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const auto back = qScopeGuard([&] { QDir::setCurrent(previous); });
    // The kills must land anywhere among several saves, however long one takes on this machine
    // (a sanitizer build on a busy machine is many times slower).
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(saver.save(0));
    const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started).count() / 4;
    std::mt19937 random(12);  // fixed: the same moments on every run
    std::uniform_int_distribution<int> pause(0, int(std::max<long long>(1500, 4 * oneSave)));
    int seen[2] = {0, 0};
    for (int round = 0; round < 250; ++round) {
        // The child says when its first save is done: a forked child's first save can take far
        // longer than the others (its memory is copied as it is touched), and kills that all land
        // in it would test one version only.
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            for (int version = 1;; version ^= 1) {
                saver.save(version);
                if (ready[1] >= 0) {
                    (void)!write(ready[1], "r", 1);
                    close(ready[1]);
                    ready[1] = -1;
                }
            }
        }
        close(ready[1]);
        char byte = 0;
        (void)!read(ready[0], &byte, 1);
        close(ready[0]);
        usleep(useconds_t(pause(random)));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const int version = saver.readBack();
        ASSERT_NE(version, -1) << "after kill " << round;
        ++seen[version];
    }
    // The kills landed between saves of both versions, or the test proved nothing.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);

    ASSERT_TRUE(saver.save(1));
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    EXPECT_EQ(left.size(), 1) << left.join(QStringLiteral(", ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, KilledSave, ::testing::Values(&highScores, &settings),
                         [](const auto& info) { return std::string(info.index == 0 ? "HighScores" : "Settings"); });

} // namespace
