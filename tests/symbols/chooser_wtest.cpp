// "New Questions" and "New Symbols" through the file chooser, with the scripted platform
// playing the person at the chooser.
#include "support/gamefixture.h"

#include "symbols/form5.h"
#include "ui/twips.h"

#include <QImage>
#include <QListWidget>
#include <QTest>

using namespace modValdra;

namespace {

// The file list's entries, in order.
QStringList entries(const QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// The next control that the Tab key gives the keyboard to.
QWidget* nextTabStop(QWidget* from)
{
    QWidget* w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(from->window())))
        w = w->nextInFocusChain();
    return w;
}

// Selects a file of the chooser's list as a click does.
void clickFile(Form5* chooserWindow, const QString& name)
{
    const auto found = chooserWindow->File1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    chooserWindow->File1->setCurrentItem(found.front());
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

    // What the person does while the chooser is open.
    void whileOpen(std::function<void(Form5*)> act)
    {
        script.whileModalOpen = [act](QDialog* dialog) {
            auto* chooserWindow = qobject_cast<Form5*>(dialog);
            ASSERT_NE(chooserWindow, nullptr);
            EXPECT_TRUE(chooserWindow->isModal());
            act(chooserWindow);
        };
    }

    // A game in progress whose score would enter the list if it ended naturally.
    void playAGoodGame()
    {
        form->btnBegin_Click();
        Score = 5000;
        CorrectCount = 9;
        ASSERT_EQ(ClockRunning, 1);
    }

    bool gameIsOver() const
    {
        return ClockRunning == 0 && form->btnBegin->isVisibleTo(form.get()) && !form->Frame2->isVisibleTo(form.get());
    }

    void writePicture(const QString& name)
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(folder.file(name), "BMP");
    }
};

TEST_F(Chooser, AClickedQuestionFileIsLoadedWithItsOwnHighScoreList)
{
    folder.writeLines(QStringLiteral("Valdra.scr"), {QStringLiteral("Old"), QStringLiteral(" 900 ")});
    form->ReadHighScores();
    writeQuestions(8, QStringLiteral("quiz/Birds.hard.qtn"));
    folder.writeLines(QStringLiteral("quiz/Notes.txt"), {QStringLiteral("x")});
    folder.writeLines(QStringLiteral("quiz/Rivers.DAT"), {QStringLiteral("x")});
    folder.writeLines(QStringLiteral("quiz/birds.lst"), {QStringLiteral("x")});
    const QString chosen = folder.file(QStringLiteral("quiz/Birds.hard.qtn"));
    whileOpen([&](Form5* chooserWindow) {
        EXPECT_EQ(chooserWindow->Label1->text(), QStringLiteral(" filename"));
        EXPECT_EQ(chooserWindow->Dir1->path(), QDir::currentPath());
        chooserWindow->Dir1->setPath(folder.file(QStringLiteral("quiz")));
        // Question files only, whatever the case of their extension.
        EXPECT_EQ(entries(chooserWindow->File1), QStringList({"Birds.hard.qtn", "Rivers.DAT"}));
        clickFile(chooserWindow, QStringLiteral("Birds.hard.qtn"));
        EXPECT_EQ(QuizFile, chosen);
        EXPECT_EQ(ScoreFile, QStringLiteral("Birds.scr"));
        EXPECT_EQ(chooserWindow->Label1->text(), QStringLiteral("quiz: ") + chosen);
    });
    form->mnuQuiz_Click();

    EXPECT_EQ(script.modalTitles, QStringList({"Quillora--Load New Questions"}));
    EXPECT_EQ(form->existingForm5(), nullptr);  // unloaded when it closed
    EXPECT_EQ(QuestionCount, 8);
    // The list is the new file's own, created empty in the current folder; the old list stays
    // in its own file.
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("Birds.scr"))));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("quiz/Birds.scr"))));
    EXPECT_EQ(HighScoreValues[0], 0);
    EXPECT_EQ(HighScoreNames[0], QString(20, QLatin1Char(' ')));
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.scr")), QByteArray("Old\r\n 900 \r\n"));
}

TEST_F(Chooser, AClickRecordsTheFullPathWithOneSeparator)
{
    const struct { int mode; QString path; QString label; QString scores; } cases[] = {
        {1, QStringLiteral("D:\\Quiz\\Birds.qtn"), QStringLiteral("quiz: D:\\Quiz\\Birds.qtn"), QStringLiteral("Birds.scr")},
        {1, QStringLiteral("/home/ann/Birds.hard.qtn"), QStringLiteral("quiz: /home/ann/Birds.hard.qtn"), QStringLiteral("Birds.scr")},
        {1, ui::joinPath(QStringLiteral("/"), QStringLiteral(".qtn")), QStringLiteral("quiz: /.qtn"), QStringLiteral(".qtn.scr")},
        {2, ui::joinPath(QStringLiteral("/"), QStringLiteral("birds.lst")), QStringLiteral("piclist: /birds.lst"), QString()},
        {2, QStringLiteral("A:\\birds.lst"), QStringLiteral("piclist: A:\\birds.lst"), QString()},
    };
    for (const auto& c : cases) {
        QuizFile = QStringLiteral("Valdra.qtn");
        ScoreFile = QStringLiteral("Valdra.scr");
        PicListFile.clear();
        SymbolListPending = 0;
        ChooserMode = qint16(c.mode);
        Form5 chooserWindow(form.get());
        chooserWindow.ChooseFile(c.path);
        EXPECT_EQ(chooserWindow.Label1->text(), c.label);
        if (c.mode == 1) {
            EXPECT_EQ(QuizFile, c.path);
            EXPECT_EQ(ScoreFile, c.scores);
            EXPECT_EQ(SymbolListPending, 0);
        } else {
            EXPECT_EQ(PicListFile, c.path);
            EXPECT_EQ(SymbolListPending, 1);
            EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
            EXPECT_EQ(ScoreFile, QStringLiteral("Valdra.scr"));
        }
    }
    EXPECT_EQ(ui::joinPath(QStringLiteral("/"), QStringLiteral("birds.lst")), QStringLiteral("/birds.lst"));
}

TEST_F(Chooser, ClosingWithoutAClickChangesNoNameAndReloadsTheQuestions)
{
    writeQuestions(7);  // the current file changed on disk since start-up
    folder.writeLines(QStringLiteral("Valdra.scr"), {QStringLiteral("Ann"), QStringLiteral(" 700 ")});
    form->mnuQuiz_Click();  // the close box at once
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_EQ(ScoreFile, QStringLiteral("Valdra.scr"));
    EXPECT_EQ(QuestionCount, 7);
    EXPECT_EQ(HighScoreNames[0], QStringLiteral("Ann"));

    form->mnuTreasures_Click();
    EXPECT_EQ(script.modalTitles, QStringList({"Quillora--Load New Questions", "Quillora--Load New Treasures"}));
    EXPECT_EQ(PicListFile, QString());
    EXPECT_EQ(SymbolListPending, 0);
    EXPECT_TRUE(script.messages.isEmpty());
}

TEST_F(Chooser, BothCommandsEndAGameWithoutAHighScoreOffer)
{
    for (int command = 0; command < 2; ++command) {
        playAGoodGame();
        if (command == 0)
            form->mnuQuiz_Click();
        else
            form->mnuTreasures_Click();
        EXPECT_TRUE(gameIsOver()) << command;
        EXPECT_TRUE(script.prompts.isEmpty()) << command;
        EXPECT_EQ(form->existingForm6(), nullptr) << command;
        EXPECT_GE(Score, 5000) << command;  // the score stays on show, with its bonus
    }
}

TEST_F(Chooser, ANewSymbolListIsPlayedFromTheNextNewGameOn)
{
    writePicture(QStringLiteral("loon.bmp"));
    folder.writeLines(QStringLiteral("lists/birds.lst"),
                      {QStringLiteral("Ontario; ") + folder.file(QStringLiteral("loon.bmp"))});
    folder.writeLines(QStringLiteral("lists/Valdra.qtn"), {QStringLiteral("x")});
    whileOpen([&](Form5* chooserWindow) {
        chooserWindow->Dir1->setPath(folder.file(QStringLiteral("lists")));
        EXPECT_EQ(entries(chooserWindow->File1), QStringList({"birds.lst"}));
        clickFile(chooserWindow, QStringLiteral("birds.lst"));
        EXPECT_EQ(chooserWindow->Label1->text(), QStringLiteral("piclist: ") + PicListFile);
        chooserWindow->File1_DblClick();  // a double click chooses and closes
        EXPECT_FALSE(chooserWindow->isVisible());
    });
    playAGoodGame();
    form->mnuTreasures_Click();
    EXPECT_EQ(PicListFile, folder.file(QStringLiteral("lists/birds.lst")));
    EXPECT_EQ(SymbolListPending, 1);
    EXPECT_EQ(SymbolSetChoice, 0);
    EXPECT_EQ(form->form3()->Image1[26]->tag(), QStringLiteral("British Columbia"));

    form->btnBegin_Click();
    EXPECT_EQ(SymbolListPending, 0);
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
        EXPECT_EQ(script.clock, 36000.0);
        form->btnBegin_Click();
    };
    form->mnuTreasures_Click();
    EXPECT_EQ(passes, 1);  // one sleep, no spinning
    EXPECT_EQ(script.waits, QList<int>({1000}));
    EXPECT_EQ(script.clock, 36001.0);
    EXPECT_TRUE(gameIsOver());
    EXPECT_TRUE(script.prompts.isEmpty());

    // Started between two whole seconds, the wait ends on a whole second.
    script.onProcessEvents = nullptr;
    script.waits.clear();
    script.clock = 36010.7;
    form->WaitSeconds(1);
    EXPECT_NEAR(script.clock, 36012.0, 0.002);
    script.clock = 36020.2;
    form->WaitSeconds(0);
    EXPECT_NEAR(script.clock, 36021.0, 0.002);
    EXPECT_EQ(script.waits.size(), 2);
}

TEST_F(Chooser, AChosenFileThatCannotBeReadIsNamedAndTheOldFilePlaysOn)
{
    whileOpen([&](Form5* chooserWindow) {
        chooserWindow->ChooseFile(folder.file(QStringLiteral("gone/Lakes.qtn")));
    });
    form->mnuQuiz_Click();
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(folder.file(QStringLiteral("gone/Lakes.qtn"))));
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("Valdra.qtn")));
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_EQ(ScoreFile, QStringLiteral("Valdra.scr"));
    EXPECT_EQ(QuestionCount, 5);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Lakes.scr"))));
}

TEST_F(Chooser, AnOpenHighScoreWindowShowsTheNewFilesList)
{
    writeQuestions(6, QStringLiteral("Birds.qtn"));
    folder.writeLines(QStringLiteral("Birds.scr"), {QStringLiteral("Wren"), QStringLiteral(" 321 ")});
    form->mnuScores_Click();
    whileOpen([&](Form5* chooserWindow) { clickFile(chooserWindow, QStringLiteral("Birds.qtn")); });
    form->mnuQuiz_Click();
    Form6* scores = form->existingForm6();
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(scores->windowTitle(), QStringLiteral("Quillora--Birds.scr"));
    EXPECT_EQ(scores->lblHighScores[0]->text(), QStringLiteral("Wren"));
    EXPECT_EQ(scores->lblScores[0]->text(), QStringLiteral("321"));
}

TEST_F(Chooser, StandsAtItsDesignedPlacesInItsKeyboardOrderDressedInTheQuizPicture)
{
    QPixmap picture(8, 8);
    picture.fill(Qt::darkCyan);
    form->setQuizPicture(picture);
    whileOpen([&](Form5* c) {
        EXPECT_EQ(c->size(), ui::rectTw(0, 0, 5175, 3540).size());
        EXPECT_EQ(c->File1->geometry(), ui::rectTw(240, 120, 2295, 2430));
        EXPECT_EQ(c->Drive1->geometry(), ui::rectTw(2760, 120, 2295, 315));
        EXPECT_EQ(c->Dir1->geometry(), ui::rectTw(2760, 480, 2295, 2340));
        EXPECT_EQ(c->Label1->geometry(), ui::rectTw(240, 2880, 3135, 375));
        EXPECT_EQ(c->Command1->geometry(), ui::rectTw(3720, 3000, 1095, 375));
        EXPECT_EQ(c->imgBackGround->geometry(), c->rect());
        EXPECT_EQ(c->imgBackGround->picture().cacheKey(), picture.cacheKey());
        EXPECT_EQ(c->Command1->picture().cacheKey(), picture.cacheKey());
        EXPECT_EQ(nextTabStop(c->Drive1), c->Dir1);
        EXPECT_EQ(nextTabStop(c->Dir1), c->File1);
        EXPECT_EQ(nextTabStop(c->File1), c->Command1);
        EXPECT_EQ(nextTabStop(c->Command1), c->Drive1);
        // A larger window gives the lists the room and keeps OK in the corner.
        c->resize(c->size() + QSize(200, 100));
        EXPECT_EQ(c->File1->height(), ui::px(2430) + 100);
        EXPECT_EQ(c->Command1->geometry().bottomRight(), ui::rectTw(3720, 3000, 1095, 375).bottomRight() + QPoint(200, 100));
        c->Command1->click();  // OK
        EXPECT_FALSE(c->isVisible());
    });
    form->mnuTreasures_Click();
}
