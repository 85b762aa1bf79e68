// Two games in one folder: the end of a game enters its score into the high-score file as the
// other game left it, and the window shows what the file holds.
#include "support/gamefixture.h"

#include "game/state.h"
#include "files/textfile.h"

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

    // Another game holds the lock from now on.
    void lockHeld()
    {
        const QString lock = folder.file(QStringLiteral("Valdra.scr.lock"));
        folder.write(QStringLiteral("Valdra.scr.lock"), "host pc-12\npid 4711\n");
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(script.currentDateTime(), QFileDevice::FileModificationTime));
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

TEST_F(SharedScoreTest, ALockHeldThroughTheWaitFallsBackToTheListInMemoryAndSaysSo)
{
    lockHeld();
    otherGameSaves(entries({{"Ann", 900}, {"Cy", 500}, {"Bob", 100}}));  // after the check read it
    script.whileInputOpen = [&](const QString&) { otherGameSaves(entries({{"Zed", 800}})); };
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    EXPECT_GE(script.sleptMilliseconds, 5000);
    EXPECT_LT(script.sleptMilliseconds, 5200);
    ASSERT_EQ(script.messages.size(), 1);
    const QString text = script.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The high scores were saved to Valdra.scr without"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pc-12, process 4711"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Valdra.scr.lock"))) << text.toStdString();
    // As a game alone would: its own list, which Zed's save did not reach.
    EXPECT_EQ(fileTop(4), entries({{"Ann", 900}, {"Cy", 500}, {"Dee", 300}, {"Bob", 100}}));
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr.lock")), QByteArray("host pc-12\npid 4711\n"));
}

TEST_F(SharedScoreTest, AFailedSaveNamesTheFileAndTheReasonAndKeepsTheList)
{
    folder.write(QStringLiteral("Taken.scr/inside.txt"), QByteArray("kept"));
    ScoreFile = QStringLiteral("Taken.scr");
    script.inputs = {QStringLiteral("Dee")};
    finish(300);
    ASSERT_EQ(script.messages.size(), 1);
    const QString text = script.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("The high scores could not be saved to Taken.scr."))) << text.toStdString();
    EXPECT_GT(text.size(), QStringLiteral("The high scores could not be saved to Taken.scr.\n\n").size());
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
