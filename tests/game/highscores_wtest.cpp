// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list at the end of a game, its file and its window.
#include "support/gamefixture.h"

#include "game/state.h"
#include "ui/twips.h"

#include <QFile>
#include <unistd.h>

using namespace modValdra;

namespace {

const QString Blank(20, QLatin1Char(' '));

// The lines of a score file whose entries are (name, score) pairs.
QStringList scoreFile(std::initializer_list<std::pair<const char*, const char*>> entries)
{
    QStringList lines;
    for (const auto& [name, score] : entries)
        lines << QString::fromLatin1(name) << QString::fromLatin1(score);
    return lines;
}

// A full list P0..P14 with scores 1500 down to 100.
QStringList fullList()
{
    QStringList lines;
    for (int k = 0; k < 15; ++k)
        lines << QStringLiteral("P%1").arg(k) << QStringLiteral(" %1 ").arg(1500 - 100 * k);
    return lines;
}

} // namespace

class HighScoreTest : public GameFixture {
protected:
    void startWith(const QStringList& scoreLines)
    {
        folder.writeLines(QStringLiteral("Valdra.scr"), scoreLines);
        writeQuestions(5);
        start();
    }

    // A game that comes to its natural end with this score and these correct first answers.
    void finish(qint32 score, int correct)
    {
        Score = score;
        CorrectCount = correct;
        Bonus = 0;
        GameFinished = 1;
        form->EndGame();
    }

    QStringList fileLines() const
    {
        return QString::fromLatin1(folder.read(QStringLiteral("Valdra.scr"))).split(QStringLiteral("\r\n"));
    }
};

TEST_F(HighScoreTest, AScoreEntersOnlyWithFiveCorrectAnswersAndWhenItBeatsTheLastEntry)
{
    struct Case { qint32 score; int correct; bool enters; } cases[] = {
        {30000, 4, false},
        {101, 5, true},
        {100, 5, false},  // equal to entry 14
        {99, 12, false},
    };
    for (const Case& c : cases) {
        startWith(fullList());
        script.prompts.clear();
        finish(c.score, c.correct);
        EXPECT_EQ(!script.prompts.isEmpty(), c.enters) << c.score << "/" << c.correct;
        EXPECT_EQ(HighScoreValues[14], c.enters ? c.score : 100) << c.score;
        EXPECT_EQ(HighScoreNames[14], c.enters ? QString() : QStringLiteral("P14")) << c.score;
        // A score that stays out stays on show; one that went in is cleared.
        EXPECT_EQ(Score, c.enters ? 0 : c.score) << c.score;
        EXPECT_EQ(form->existingForm6() != nullptr, c.enters) << c.score;
        delete form->existingForm6();
    }
}

TEST_F(HighScoreTest, ANewScoreIsPlacedBelowEqualOnesAndAskedForAName)
{
    startWith(scoreFile({{"Ann", " 500 "}, {"Bob", " 300 "}, {"Cy", " 300 "}, {"Di", " 200 "}}));
    script.inputs = {QStringLiteral("Eve")};
    finish(400, 5);
    const QStringList names{HighScoreNames[0], HighScoreNames[1], HighScoreNames[2], HighScoreNames[3], HighScoreNames[4]};
    EXPECT_EQ(names, QStringList({"Ann", "Eve", "Cy", "Bob", "Di"}));
    EXPECT_EQ(HighScoreValues[1], 400);
    EXPECT_EQ(HighScoreValues[3], 300);
    ASSERT_EQ(script.prompts.size(), 1);
    EXPECT_EQ(script.prompts[0], QStringLiteral("Your score of 400 adds your name to the high score list.\rEnter your name:"));
    EXPECT_EQ(script.promptTitles[0], QStringLiteral("High Score"));
    EXPECT_EQ(Bonus, 0);
    EXPECT_EQ(GameFinished, 0);
    const QStringList lines = fileLines();
    EXPECT_EQ(lines.mid(0, 10), QStringList({"Ann", " 500 ", "Eve", " 400 ", "Cy", " 300 ", "Bob", " 300 ", "Di", " 200 "}));
    EXPECT_EQ(lines.size(), 31);  // 30 lines, each ended
}

TEST_F(HighScoreTest, CancelGivesAnEmptyNameAndOldMarksAreAskedAgain)
{
    startWith(scoreFile({{"Ann", " 900 "}, {"***", " 50 "}}));
    script.inputs = {QString(), QStringLiteral("Zoe")};  // the first prompt is cancelled
    finish(600, 5);
    ASSERT_EQ(script.prompts.size(), 2);
    EXPECT_TRUE(script.prompts[0].contains(QStringLiteral(" 600 ")));
    EXPECT_TRUE(script.prompts[1].contains(QStringLiteral(" 50 ")));
    EXPECT_EQ(HighScoreNames[1], QString());
    EXPECT_EQ(HighScoreNames[2], QStringLiteral("Zoe"));
    EXPECT_EQ(fileLines().mid(2, 4), QStringList({"", " 600 ", "Zoe", " 50 "}));
}

TEST_F(HighScoreTest, TheWindowShowsTheScoreWithoutTheFileSpaces)
{
    startWith({});
    script.inputs = {QStringLiteral("Ann")};
    finish(2345, 6);
    EXPECT_EQ(fileLines().mid(0, 2), QStringList({"Ann", " 2345 "}));
    Form6* window = form->existingForm6();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillora Scores--Valdra.scr"));
    EXPECT_EQ(window->lblHighScores[0]->text(), QStringLiteral("Ann"));
    EXPECT_EQ(window->lblScores[0]->text(), QStringLiteral("2345"));
    // Ranked, the new entry marked, and the entries never filled left blank.
    EXPECT_EQ(window->lblRanks[0]->text(), QStringLiteral("1."));
    EXPECT_EQ(window->lblRanks[14]->text(), QStringLiteral("15."));
    EXPECT_EQ(window->markedEntry(), 0);
    EXPECT_EQ(window->lblScores[1]->text(), QString());
}

TEST_F(HighScoreTest, TheEntryJustMadeIsMarkedWhereverItLands)
{
    startWith(scoreFile({{"Ann", " 900 "}, {"Bob", " 500 "}}));
    script.inputs = {QStringLiteral("Cy")};
    finish(700, 6);
    Form6* window = form->existingForm6();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->lblHighScores[1]->text(), QStringLiteral("Cy"));
    EXPECT_EQ(window->markedEntry(), 1);
    // The rows below keep their numbers, the blank ones stay blank; the scores command marks
    // nothing.
    EXPECT_EQ(window->lblScores[2]->text(), QStringLiteral("500"));
    EXPECT_EQ(window->lblScores[3]->text(), QString());
    form->mnuScores_Click();
    EXPECT_EQ(window->markedEntry(), -1);
}

TEST_F(HighScoreTest, ScoresAboveThe16BitRangeAreKeptWhole)
{
    startWith({});
    script.inputs = {QStringLiteral("Max")};
    finish(40000, 12);
    EXPECT_EQ(HighScoreValues[0], 40000);
    EXPECT_EQ(fileLines()[1], QStringLiteral(" 40000 "));
    form->ReadHighScores();
    EXPECT_EQ(HighScoreValues[0], 40000);
    EXPECT_EQ(HighScoreNames[0], QStringLiteral("Max"));
}

TEST_F(HighScoreTest, AMissingFileIsCreatedEmpty)
{
    writeQuestions(5);
    start();
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("Valdra.scr"))));
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.scr")).isEmpty());
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(HighScoreNames[k], Blank);
        EXPECT_EQ(HighScoreValues[k], 0);
    }
}

TEST_F(HighScoreTest, ReadingStopsAtABadScoreLineAndKeepsWhatWasRead)
{
    startWith(scoreFile({{"Ann", " 900 "}, {"Bob", "lots"}, {"Cy", " 100 "}}));
    EXPECT_EQ(HighScoreNames[0], QStringLiteral("Ann"));
    EXPECT_EQ(HighScoreValues[0], 900);
    EXPECT_EQ(HighScoreNames[1], Blank);
    EXPECT_EQ(HighScoreValues[1], 0);
    EXPECT_EQ(HighScoreNames[2], Blank);
    // Told at start-up, once, not only at the next save.
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("Valdra.scr did not read whole: line 4 is not a score")))
        << script.messages[0].text.toStdString();
    form->ReadHighScores();
    EXPECT_EQ(script.messages.size(), 1);
}

TEST_F(HighScoreTest, AFailedSaveKeepsTheOldFileAndTheListInMemory)
{
    // The score file's name is taken by a folder: nothing can be written in its place.
    startWith({});
    folder.write(QStringLiteral("Taken.scr/inside.txt"), QByteArray("kept"));
    ScoreFile = QStringLiteral("Taken.scr");
    script.inputs = {QStringLiteral("Ann")};
    finish(700, 5);
    EXPECT_EQ(folder.read(QStringLiteral("Taken.scr/inside.txt")), QByteArray("kept"));
    EXPECT_EQ(HighScoreNames[0], QStringLiteral("Ann"));
    EXPECT_EQ(HighScoreValues[0], 700);
    ASSERT_NE(form->existingForm6(), nullptr);
    EXPECT_EQ(form->existingForm6()->lblScores[0]->text(), QStringLiteral("700"));
}

TEST_F(HighScoreTest, AFailedSaveInAReadOnlyFolderLeavesTheOldFileWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    startWith(scoreFile({{"Old", " 10 "}}));
    const QByteArray before = folder.read(QStringLiteral("Valdra.scr"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    finish(700, 5);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr")), before);
    EXPECT_EQ(HighScoreValues[0], 700);
}

TEST_F(HighScoreTest, TheScoresCommandShowsTheListReadAtStartUp)
{
    startWith(scoreFile({{"Ann", " 900 "}, {"<b>Bob</b>", "-5 "}}));
    form->mnuScores_Click();
    Form6* window = form->existingForm6();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillora--Valdra.scr"));
    EXPECT_EQ(window->size(), QSize(ui::px(6795), ui::px(4305)));
    EXPECT_EQ(window->lblHighScores[1]->text(), QStringLiteral("<b>Bob</b>"));
    EXPECT_EQ(window->lblHighScores[1]->textFormat(), Qt::PlainText);
    EXPECT_EQ(window->lblScores[1]->text(), QStringLiteral("-5"));
    EXPECT_EQ(window->lblHighScores[14]->text(), Blank);
    for (int k : {0, 7, 14}) {
        EXPECT_EQ(window->lblHighScores[k]->geometry(), ui::rectTw(720, 120 + 240 * k, 4215, 255)) << k;
        EXPECT_EQ(window->lblScores[k]->geometry(), ui::rectTw(5040, 120 + 240 * k, 1095, 255)) << k;
    }
    EXPECT_EQ(window->imgBackGround->geometry(), window->rect());
    EXPECT_EQ(window->imgBackGround->picture().cacheKey(), form->imgQuiz->picture().cacheKey());
    EXPECT_EQ(window->Command1->text(), QStringLiteral("OK"));

    // The same window is brought back, not a second one.
    form->mnuScores_Click();
    EXPECT_EQ(form->existingForm6(), window);

    // OK closes and unloads it.
    window->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingForm6(), nullptr);
}

TEST_F(HighScoreTest, AWindowLeftOpenShowsTheNewEntry)
{
    startWith(scoreFile({{"Ann", " 900 "}}));
    form->mnuScores_Click();
    script.inputs = {QStringLiteral("Bea")};
    finish(1000, 5);
    Form6* window = form->existingForm6();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->lblHighScores[0]->text(), QStringLiteral("Bea"));
    EXPECT_EQ(window->lblHighScores[1]->text(), QStringLiteral("Ann"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillora Scores--Valdra.scr"));
}

TEST_F(HighScoreTest, ClosingTheListGivesTheKeyboardBackToBegin)
{
    form->Command1->setFocus();
    form->mnuScores_Click();
    ASSERT_NE(form->existingForm6(), nullptr);
    form->existingForm6()->Command1_Click();
    // Tab then Enter must not quit: the keyboard is on Begin, not on Exit.
    EXPECT_EQ(form->focusWidget(), form->btnBegin);
}
