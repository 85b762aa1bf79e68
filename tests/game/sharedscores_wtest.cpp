// SPDX-License-Identifier: GPL-3.0-or-later
// Two games in one folder: the end of a game enters its score into the high-score file as the
// other game left it, and the window shows what the file holds.
#include "support/gamefixture.h"

#include "game/state.h"
#include "files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace modValdra;

namespace {

QStringList entries(std::initializer_list<std::pair<const char*, int>> list)
{
    QStringList lines;
    for (const auto& [name, score] : list)
        lines << QString::fromLatin1(name) << QStringLiteral(" %1 ").arg(score);
    return lines;
}

// What another game does to the file: replaces it whole.
void otherGameSaves(const QStringList& lines) { ASSERT_TRUE(ui::writeTextFile(QStringLiteral("Valdra.scr"), lines)); }

} // namespace

class SharedScoreTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        folder.writeLines(QStringLiteral("Valdra.scr"), entries({{"Ann", 900}, {"Bob", 100}}));
        writeQuestions(5);
        start();
    }

    void finish(qint32 score)
    {
        Score = score;
        CorrectCount = 5;
        Bonus = 0;
        GameFinished = 1;
        form->EndGame();
    }

    QStringList fileTop(int count) const
    {
        return ui::readTextFile(QStringLiteral("Valdra.scr")).lines.mid(0, 2 * count);
    }

    QStringList windowTop(int count) const
    {
        QStringList rows;
        for (int k = 0; k < count; ++k)
            rows << form->existingForm6()->lblHighScores[k]->text() << form->existingForm6()->lblScores[k]->text();
        return rows;
    }

    // A live game on another machine holds the lock from now on: its record beats while this
    // game waits.
    void lockHeld()
    {
        auto beat = [this, n = 0]() mutable {
            folder.write(QStringLiteral("Valdra.scr.lock"),
                         "host pc-12\npid 4711\ntoken 77\nbeat " + QByteArray::number(++n) + "\n");
        };
        beat();
        script.onProcessEvents = beat;
    }
};

TEST_F(SharedScoreTest, AScoreSavedByAnotherGameSinceStartUpIsKept)
{
    otherGameSaves(entries({{"Ann", 900}, {"Cy", 500}, {"Bob", 100}}));
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    const QStringList expected = entries({{"Ann", 900}, {"Cy", 500}, {"Dee", 300}, {"Bob", 100}});
    EXPECT_EQ(fileTop(4), expected);
    EXPECT_EQ(windowTop(4), QStringList({"Ann", "900", "Cy", "500", "Dee", "300", "Bob", "100"}));
    EXPECT_EQ(HighScoreNames[1], QStringLiteral("Cy"));
    EXPECT_TRUE(script.messages.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("Valdra.scr.lock"))));
}

TEST_F(SharedScoreTest, AScorePushedOutBeforeTheGameEndsIsNotAskedFor)
{
    QStringList full;
    for (int k = 0; k < 15; ++k)
        full << QStringLiteral("P%1").arg(k) << QStringLiteral(" %1 ").arg(2000 - 100 * k);
    otherGameSaves(full);
    finish(300);  // would have made the list read at start-up
    EXPECT_TRUE(script.prompts.isEmpty());
    EXPECT_TRUE(script.messages.isEmpty());
    EXPECT_EQ(Score, 300);
    EXPECT_EQ(form->existingForm6(), nullptr);
}

TEST_F(SharedScoreTest, AScorePushedOutWhileThePlayerTypesIsToldAndNotAskedAgain)
{
    QStringList full;
    for (int k = 0; k < 15; ++k)
        full << QStringLiteral("P%1").arg(k) << QStringLiteral(" %1 ").arg(2000 - 100 * k);
    script.whileInputOpen = [&](const QString&) { otherGameSaves(full); };
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    EXPECT_EQ(script.prompts.size(), 1);
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("300 no longer makes the high score list")));
    EXPECT_EQ(script.messages[0].title, QStringLiteral("Quillora"));
    EXPECT_EQ(ui::readTextFile(QStringLiteral("Valdra.scr")).lines, full);
    ASSERT_NE(form->existingForm6(), nullptr);
    EXPECT_EQ(windowTop(1), QStringList({"P0", "2000"}));
    EXPECT_EQ(HighScoreNames[14], QStringLiteral("P14"));
}

TEST_F(SharedScoreTest, ALockHeldThroughTheWaitStillMergesWithTheFileAsItIsAndSaysSo)
{
    lockHeld();
    otherGameSaves(entries({{"Ann", 900}, {"Cy", 500}, {"Bob", 100}}));  // after the check read it
    script.whileInputOpen = [&](const QString&) {
        otherGameSaves(entries({{"Ann", 900}, {"Zed", 800}, {"Cy", 500}, {"Bob", 100}}));
    };
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    int waited = 0;
    for (int w : script.waits)
        waited += w;
    EXPECT_GE(waited, 4000) << "the wait is spent in the event loop";
    EXPECT_LE(waited, 8000);
    ASSERT_EQ(script.messages.size(), 1);
    const QString text = script.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The high scores were saved to Valdra.scr without its lock"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pc-12, process 4711"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Valdra.scr.lock"))) << text.toStdString();
    // Never the list read before: Zed's save is kept.
    EXPECT_EQ(fileTop(5), entries({{"Ann", 900}, {"Zed", 800}, {"Cy", 500}, {"Dee", 300}, {"Bob", 100}}));
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr.lock")).startsWith("host pc-12\npid 4711\n"));
}

TEST_F(SharedScoreTest, ADamagedListIsKeptBesideAndThePlayerIsToldWhere)
{
    otherGameSaves({QStringLiteral("Ann"), QStringLiteral(" 900 "), QStringLiteral("Cy"), QStringLiteral(" 13O "),
                    QStringLiteral("Bob"), QStringLiteral(" 100 ")});
    const QByteArray damaged = folder.read(QStringLiteral("Valdra.scr"));
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    ASSERT_EQ(script.messages.size(), 1);
    const QString text = script.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Valdra.scr did not read whole: line 4"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Valdra.scr.damaged"))) << text.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.damaged")), damaged);
    EXPECT_EQ(fileTop(3), entries({{"Ann", 900}, {"Dee", 300}, {"Bob", 100}}));
}

TEST_F(SharedScoreTest, ARequestToEndDuringASaveEndsTheGameOnceTheSaveIsDone)
{
    lockHeld();
    const auto beat = script.onProcessEvents;
    script.onProcessEvents = [&] {
        beat();
        form->QuitOnSignal();  // as the signal's notifier does in the wait's event loop
        EXPECT_FALSE(form->shutDownRequested) << "not in the middle of the save";
    };
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    EXPECT_TRUE(form->shutDownRequested);
    EXPECT_TRUE(script.messages.isEmpty()) << "no message box in the way of a logout";
    EXPECT_EQ(fileTop(3), entries({{"Ann", 900}, {"Dee", 300}, {"Bob", 100}}));
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("Valdra.scr*"), QStringLiteral(".Valdra*")},
                                            QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("Valdra.scr"), QStringLiteral("Valdra.scr.lock")}))
        << "only the other game's lock stays";
}

TEST_F(SharedScoreTest, AFailedSaveNamesTheFileAndTheReasonAndKeepsTheList)
{
    folder.write(QStringLiteral("Taken.scr/inside.txt"), QByteArray("kept"));
    ScoreFile = QStringLiteral("Taken.scr");
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    ASSERT_EQ(script.messages.size(), 1);
    const QString text = script.messages[0].text;
    // The list on screen shows the entry, so the player is told plainly that the file has it not.
    const QString failed = QStringLiteral("Your score of 300 was not kept.\n\nThe high scores could not be saved to Taken.scr.\n\n");
    EXPECT_TRUE(text.startsWith(failed)) << text.toStdString();
    EXPECT_GT(text.size(), failed.size());
    EXPECT_EQ(script.messages[0].title, QStringLiteral("Quillora"));
    EXPECT_EQ(windowTop(3), QStringList({"Ann", "900", "Dee", "300", "Bob", "100"}));
    EXPECT_EQ(folder.read(QStringLiteral("Taken.scr/inside.txt")), QByteArray("kept"));
}

TEST_F(SharedScoreTest, TheScoresCommandShowsTheFileAsItIsNow)
{
    form->mnuScores_Click();
    EXPECT_EQ(windowTop(2), QStringList({"Ann", "900", "Bob", "100"}));
    otherGameSaves(entries({{"Ann", 900}, {"Cy", 500}, {"Bob", 100}}));
    form->mnuScores_Click();  // the open window is filled anew
    EXPECT_EQ(windowTop(3), QStringList({"Ann", "900", "Cy", "500", "Bob", "100"}));
    EXPECT_EQ(form->existingForm6()->windowTitle(), QStringLiteral("Quillora--Valdra.scr"));
}
