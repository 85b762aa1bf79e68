// SPDX-License-Identifier: GPL-3.0-or-later
// "New Questions" and "New Symbols" through the file chooser, with the scripted platform
// playing the person at the chooser.
#include "support/gamefixture.h"

#include "symbols/form5.h"

#include <QImage>

using namespace modValdra;

namespace {

QStringList entries(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

} // namespace

class Chooser : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(5);
        start();
    }

    // What the person does while the modal chooser is open: opens a folder and clicks a file.
    void whileOpen(const QString& subfolder, const QString& file, std::function<void(Form5*)> more = {})
    {
        script.whileModalOpen = [this, subfolder, file, more](QDialog* dialog) {
            auto* chooserWindow = qobject_cast<Form5*>(dialog);
            ASSERT_TRUE(chooserWindow && chooserWindow->isModal());
            if (!subfolder.isEmpty())
                chooserWindow->Dir1->setPath(folder.file(subfolder));
            if (!file.isEmpty()) {
                const auto found = chooserWindow->File1->findItems(file, Qt::MatchExactly);
                ASSERT_EQ(found.size(), 1) << entries(chooserWindow->File1).join(' ').toStdString();
                chooserWindow->File1->setCurrentItem(found.front());
            }
            if (more)
                more(chooserWindow);
        };
    }

    // A game in progress whose score would enter the list if it ended naturally.
    void playAGoodGame()
    {
        form->btnBegin_Click();
        Score = 5000;
        CorrectCount = 9;
    }

    bool gameIsOver() const
    {
        return ClockRunning == 0 && form->btnBegin->isVisibleTo(form.get()) && !form->Frame2->isVisibleTo(form.get());
    }
};

TEST_F(Chooser, AClickedQuestionFileIsLoadedWithItsOwnHighScoreList)
{
    folder.writeLines(QStringLiteral("Valdra.scr"), {QStringLiteral("Old"), QStringLiteral(" 900 ")});
    form->ReadHighScores();
    form->mnuScores_Click();
    writeQuestions(8, QStringLiteral("quiz/Birds.hard.qtn"));
    for (const char* other : {"quiz/Rivers.DAT", "quiz/Notes.txt", "quiz/birds.lst"})
        folder.writeLines(QString::fromLatin1(other), {QStringLiteral("x")});
    const QString chosen = folder.file(QStringLiteral("quiz/Birds.hard.qtn"));
    whileOpen(QStringLiteral("quiz"), QStringLiteral("Birds.hard.qtn"), [&](Form5* c) {
        // Question files only, whatever the case of their extension.
        EXPECT_EQ(entries(c->File1), QStringList({"Birds.hard.qtn", "Rivers.DAT"}));
        EXPECT_EQ(c->Label1->text(), QStringLiteral("quiz: ") + chosen);
    });
    form->mnuQuiz_Click();

    EXPECT_EQ(script.modalTitles, QStringList({"Quillora--Load New Questions"}));
    EXPECT_EQ(form->existingForm5(), nullptr);
    EXPECT_EQ(QuizFile, chosen);
    EXPECT_EQ(ScoreFile, QStringLiteral("Birds.scr"));
    EXPECT_EQ(QuestionCount, 8);
    // The new file's own list, created empty in the current folder, also in the open window;
    // the old list stays in its own file.
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("Birds.scr"))));
    EXPECT_EQ(HighScoreValues[0], 0);
    EXPECT_EQ(form->existingForm6()->windowTitle(), QStringLiteral("Quillora--Birds.scr"));
    EXPECT_EQ(form->existingForm6()->lblScores[0]->text(), QString());
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr")), QByteArray("Old\r\n 900 \r\n"));
}

TEST_F(Chooser, AClickRecordsTheFullPathWithOneSeparator)
{
    const struct { int mode; QString path; QString label; QString scores; } cases[] = {
        {1, QStringLiteral("D:\\Quiz\\Birds.qtn"), QStringLiteral("quiz: D:\\Quiz\\Birds.qtn"), QStringLiteral("Birds.scr")},
        {1, ui::joinPath(QStringLiteral("/"), QStringLiteral(".qtn")), QStringLiteral("quiz: /.qtn"), QStringLiteral(".qtn.scr")},
        {2, ui::joinPath(QStringLiteral("/"), QStringLiteral("birds.lst")), QStringLiteral("piclist: /birds.lst"), QStringLiteral("Valdra.scr")},
        {2, QStringLiteral("A:\\birds.lst"), QStringLiteral("piclist: A:\\birds.lst"), QStringLiteral("Valdra.scr")},
    };
    for (const auto& c : cases) {
        QuizFile = QStringLiteral("Valdra.qtn");
        ScoreFile = QStringLiteral("Valdra.scr");
        SymbolListPending = 0;
        PicListFile.clear();
        ChooserMode = qint16(c.mode);
        Form5 chooserWindow(form.get());
        chooserWindow.ChooseFile(c.path);
        EXPECT_EQ(chooserWindow.Label1->text(), c.label);
        EXPECT_EQ(QuizFile, c.mode == 1 ? c.path : QStringLiteral("Valdra.qtn"));
        EXPECT_EQ(ScoreFile, c.scores);
        EXPECT_EQ(SymbolListPending, c.mode == 2 ? 1 : 0);
        EXPECT_EQ(PicListFile, c.mode == 2 ? c.path : QString());
    }
}

TEST_F(Chooser, AFaultyListIsToldWhenTheChooserClosesAndNeverWhileTheClockRuns)
{
    QImage loon(4, 4, QImage::Format_RGB32);
    loon.fill(Qt::red);
    loon.save(folder.file(QStringLiteral("lists/loon.bmp")), "BMP");
    const QStringList faulty = {QStringLiteral("Ontario; loon.bmp"), QStringLiteral("Quebec loon.bmp")};
    folder.writeLines(QStringLiteral("lists/birds.lst"), faulty);
    QList<int> clockAtBox;
    script.whileMessageOpen = [&clockAtBox](const ui::ScriptedPlatform::Message&) { clockAtBox << ClockRunning; };
    whileOpen(QStringLiteral("lists"), QStringLiteral("birds.lst"), [](Form5* c) { c->File1_DblClick(); });
    form->mnuTreasures_Click();
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("birds.lst")));
    EXPECT_EQ(SymbolListPending, 1);  // read for its findings, loaded by the next game

    // The game loads the list it was told about without a word, and the clock runs untouched.
    form->btnBegin_Click();
    EXPECT_EQ(SymbolListPending, 0);
    EXPECT_EQ(script.messages.size(), 1);
    form->mnuEndGame_Click();

    // Changed since (still faulty): what the next game's start finds waits for that game's end.
    folder.writeLines(QStringLiteral("lists/birds.lst"), faulty + QStringList{QStringLiteral("Yukon loon.bmp")});
    SymbolListPending = 1;
    form->btnBegin_Click();
    EXPECT_EQ(ClockRunning, 1);
    EXPECT_EQ(script.messages.size(), 1);
    script.clock += 20;
    form->Timer1_Timer();
    EXPECT_EQ(script.messages.size(), 1);
    form->mnuEndGame_Click();
    ASSERT_EQ(script.messages.size(), 2);
    EXPECT_EQ(clockAtBox, QList<int>({0, 0}));
}

TEST_F(Chooser, ClosingWithoutAClickChangesNoNameAndReloadsTheQuestions)
{
    writeQuestions(7);  // the current file changed on disk since start-up
    form->mnuQuiz_Click();  // the close box at once
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_EQ(ScoreFile, QStringLiteral("Valdra.scr"));
    EXPECT_EQ(QuestionCount, 7);
    form->mnuTreasures_Click();
    EXPECT_EQ(script.modalTitles.last(), QStringLiteral("Quillora--Load New Treasures"));
    EXPECT_EQ(PicListFile, QString());
    EXPECT_EQ(SymbolListPending, 0);
}

TEST_F(Chooser, BothCommandsEndAGameWithoutAHighScoreOffer)
{
    for (int command = 0; command < 2; ++command) {
        playAGoodGame();
        command == 0 ? form->mnuQuiz_Click() : form->mnuTreasures_Click();
        EXPECT_TRUE(gameIsOver()) << command;
        EXPECT_TRUE(script.prompts.isEmpty()) << command;
        EXPECT_GE(Score, 5000) << command;  // the score stays on show
    }
}

TEST_F(Chooser, ANewSymbolListIsPlayedFromTheNextNewGameOn)
{
    QImage loon(4, 4, QImage::Format_RGB32);
    loon.fill(Qt::red);
    loon.save(folder.file(QStringLiteral("loon.bmp")), "BMP");
    folder.writeLines(QStringLiteral("lists/birds.lst"), {QStringLiteral("Ontario; ") + folder.file(QStringLiteral("loon.bmp"))});
    folder.writeLines(QStringLiteral("lists/Valdra.qtn"), {QStringLiteral("x")});
    whileOpen(QStringLiteral("lists"), QStringLiteral("birds.lst"), [](Form5* c) {
        EXPECT_EQ(entries(c->File1), QStringList({"birds.lst"}));
        c->File1_DblClick();  // a double click chooses and closes
        EXPECT_FALSE(c->isVisible());
    });
    playAGoodGame();
    form->mnuTreasures_Click();
    EXPECT_EQ(PicListFile, folder.file(QStringLiteral("lists/birds.lst")));
    EXPECT_EQ(SymbolListPending, 1);
    EXPECT_EQ(SymbolSetChoice, 0);
    EXPECT_EQ(form->form3()->Image1[26]->tag(), QStringLiteral("British Columbia"));

    form->btnBegin_Click();
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_EQ(CustomSetName, QStringLiteral("birds"));
    EXPECT_EQ(form->form3()->Image1[26]->tag(), QStringLiteral("Ontario"));
}

TEST_F(Chooser, NewSymbolsWaitsASecondWithTheWindowsLiveThenEndsEvenAGameStartedMeanwhile)
{
    script.clock = 36000.0;
    playAGoodGame();
    int passes = 0;
    script.onProcessEvents = [&] {
        // The events of the wait: the game still runs, and the player starts another one.
        ++passes;
        EXPECT_EQ(ClockRunning, 1);
        form->btnBegin_Click();
    };
    form->mnuTreasures_Click();
    EXPECT_EQ(passes, 1);  // one sleep, no spinning
    EXPECT_EQ(script.waits, QList<int>({1000}));
    EXPECT_EQ(script.clock, 36001.0);
    EXPECT_TRUE(gameIsOver());
    EXPECT_TRUE(script.prompts.isEmpty());
}

TEST_F(Chooser, AChosenFileThatCannotBeReadIsNamedAndTheOldFilePlaysOn)
{
    const QString gone = folder.file(QStringLiteral("gone/Lakes.qtn"));
    whileOpen(QString(), QString(), [&](Form5* c) { c->ChooseFile(gone); });
    form->mnuQuiz_Click();
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(gone));
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_EQ(ScoreFile, QStringLiteral("Valdra.scr"));
    EXPECT_EQ(QuestionCount, 5);
}

TEST_F(Chooser, TheKeyboardStartsAtTheDriveList)
{
    QWidget* focused = nullptr;
    QWidget* drive = nullptr;
    script.whileModalOpen = [&](QDialog* dialog) {
        auto* chooserWindow = qobject_cast<Form5*>(dialog);
        ASSERT_NE(chooserWindow, nullptr);
        focused = chooserWindow->focusWidget();
        drive = chooserWindow->Drive1;
    };
    form->mnuQuiz_Click();
    EXPECT_EQ(focused, drive);
}
