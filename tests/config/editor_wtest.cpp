// The settings file editor: what it shows, what it writes, and where.
#include "support/filesizelimit.h"
#include "support/gamefixture.h"

#include "config/form7.h"
#include "game/state.h"
#include "ui/twips.h"

#include <QImage>

using namespace modValdra;

namespace {

class EditorTest : public GameFixture {
protected:
    form7* open()
    {
        form->mnuSaveOptions_Click();
        return form->existingSettingsEditor();
    }

    QStringList boxes(form7* editor) const
    {
        QStringList texts;
        for (QLineEdit* box : editor->Text1)
            texts << box->text();
        return texts;
    }

    // Answers the confirmation and saves.
    void save(form7* editor, bool yes = true)
    {
        script.yesNoAnswers = {yes};
        editor->cmdSave->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList fileLines(const QString& name = QStringLiteral("Valdra.ini")) const
    {
        QStringList lines = QString::fromLatin1(folder.read(name)).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.back().isEmpty())
            lines.removeLast();
        return lines;
    }
};

TEST_F(EditorTest, AFileLessStartShowsTheRunningSettingsAndSavesSevenLines)
{
    writeQuestions(5);
    start();
    form7* editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Quillora--Iniatialization File Options"));
    EXPECT_EQ(editor->size(), QSize(ui::px(6960), ui::px(5550)));
    const QString width = QString::number(form->widthTw());
    const QString height = QString::number(form->heightTw());
    EXPECT_EQ(boxes(editor), QStringList({"Valdra.qtn", "", "", "3", "12", width, height, "90", "5100", folder.path()}));
    EXPECT_EQ(editor->Text1[3]->geometry(), ui::rectTw(2415, 1530, 4230, 300));
    EXPECT_EQ(editor->labels[4]->text(), QStringLiteral("Symbols to Locate (6, 12):"));
    EXPECT_EQ(editor->cmdSave->geometry(), ui::rectTw(1890, 4920, 2445, 390));
    EXPECT_EQ(editor->cmdCancel->text(), QStringLiteral("&Cancel"));
    const qint64 key = form->imgQuiz->picture().cacheKey();
    EXPECT_EQ(editor->imgBackGround->picture().cacheKey(), key);
    EXPECT_EQ(editor->imgBackGround->geometry(), editor->rect());
    EXPECT_EQ(editor->cmdSave->picture().cacheKey(), key);

    // The editor leaves the game alone, and a second command brings back the same editor.
    editor->Text1[0]->setText(QStringLiteral("typed.qtn"));
    EXPECT_EQ(open(), editor);
    EXPECT_EQ(editor->Text1[0]->text(), QStringLiteral("typed.qtn"));
    editor->Text1[0]->setText(QStringLiteral("Valdra.qtn"));

    save(editor);
    ASSERT_EQ(script.questions.size(), 1);
    EXPECT_EQ(script.questions[0].text,
              QStringLiteral(" Are you certain this should become the default Quillora game settings?"));
    EXPECT_EQ(script.questions[0].title, QStringLiteral("MsgBox Demonstration"));
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.ini")),
              QStringLiteral("Quiz: Valdra.qtn\r\nGamewidth: %1\r\nGameheight: %2\r\nQuiztop: 5100\r\n"
                             "Quizleft: 90\r\nDooroption: 12\r\nTimeoption: 3\r\n")
                  .arg(width, height)
                  .toLatin1());
    EXPECT_EQ(form->existingSettingsEditor(), nullptr);
    EXPECT_TRUE(script.messages.isEmpty());
}

TEST_F(EditorTest, AnEmptiedBoxLeavesItsLineOutAndEveryTextIsSavedAsTyped)
{
    writeQuestions(5);
    start();
    form7* editor = open();
    editor->Text1[1]->setText(QStringLiteral("Birds.lst"));
    editor->Text1[2]->setText(QStringLiteral("lake.bmp"));
    editor->Text1[3]->setText(QStringLiteral("7"));  // not a length the reader takes: written anyway
    editor->Text1[5]->clear();
    editor->Text1[6]->clear();
    editor->Text1[9]->setText(QStringLiteral("/nowhere"));  // shown only
    save(editor);
    EXPECT_EQ(fileLines(), QStringList({"Quiz: Valdra.qtn", "PicList: Birds.lst", "QuizPic: lake.bmp",
                                        "Quiztop: 5100", "Quizleft: 90", "Dooroption: 12", "Timeoption: 7"}));
    // The shared names change at once; nothing is loaded again.
    EXPECT_EQ(PicListFile, QStringLiteral("Birds.lst"));
    EXPECT_EQ(QuizPicFile, QStringLiteral("lake.bmp"));
    EXPECT_EQ(TimeOption, QStringLiteral("7"));
    EXPECT_EQ(GameSeconds, 180);
    EXPECT_EQ(SymbolSetChoice, 0);
}

TEST_F(EditorTest, NoLeavesTheEditorOpenAndWritesNothing)
{
    writeQuestions(5);
    start();
    form7* editor = open();
    editor->Text1[0]->setText(QStringLiteral("other.qtn"));
    save(editor, false);
    EXPECT_EQ(form->existingSettingsEditor(), editor);
    EXPECT_EQ(editor->Text1[0]->text(), QStringLiteral("other.qtn"));
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Valdra.ini"))));

    // Cancel discards the editor; the next one is filled afresh.
    editor->cmdCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingSettingsEditor(), nullptr);
    EXPECT_EQ(open()->Text1[0]->text(), QStringLiteral("Valdra.qtn"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Valdra.ini"))));
}

TEST_F(EditorTest, AQuizPictureFromTheSettingsFileIsNotWrittenBack)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.save(folder.file(QStringLiteral("back.bmp")), "BMP");
    folder.writeLines(QStringLiteral("valdra.ini"), {"QuizPic: back.bmp", "Timeoption: 10"});
    writeQuestions(5);
    start();
    form7* editor = open();
    EXPECT_EQ(editor->Text1[2]->text(), QString());
    EXPECT_EQ(editor->Text1[3]->text(), QStringLiteral("10"));
    // The editor wears the picture the settings file gave.
    EXPECT_EQ(editor->imgBackGround->picture().toImage().pixelColor(2, 2), QColor(Qt::blue));
    save(editor);
    // The existing file is replaced under its own name, and loses its picture line.
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Valdra.ini"))));
    const QStringList lines = fileLines(QStringLiteral("valdra.ini"));
    EXPECT_EQ(lines.first(), QStringLiteral("Quiz: Valdra.qtn"));
    EXPECT_EQ(lines.last(), QStringLiteral("Timeoption: 10"));
    EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("QuizPic")));
}

TEST_F(EditorTest, TheFileGoesToTheStartFolderWhateverFolderWasBrowsed)
{
    writeQuestions(5);
    start();
    QDir(folder.path()).mkdir(QStringLiteral("elsewhere"));
    QDir::setCurrent(folder.file(QStringLiteral("elsewhere")));
    form7* editor = open();
    save(editor);
    QDir::setCurrent(folder.path());
    EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("Valdra.ini"))));
    EXPECT_TRUE(QDir(folder.file(QStringLiteral("elsewhere"))).isEmpty());
}

// What a teacher saves is what the next start plays.
TEST_F(EditorTest, TheNextStartReadsTheSavedSettingsBack)
{
    writeQuestions(20);
    start();
    form7* editor = open();
    editor->Text1[0]->setText(QStringLiteral("Valdra.qtn"));
    editor->Text1[3]->setText(QStringLiteral("5"));
    editor->Text1[4]->setText(QStringLiteral("6"));
    editor->Text1[5]->setText(QStringLiteral("13500"));
    editor->Text1[6]->setText(QStringLiteral("9900"));
    editor->Text1[7]->setText(QStringLiteral("300"));
    editor->Text1[8]->setText(QStringLiteral("4200"));
    save(editor);

    // A restart: fresh state, a fresh main window, the same folder.
    form.reset();
    resetState();
    form = std::make_unique<Form1>();
    start();
    EXPECT_EQ(GameSeconds, 300);
    EXPECT_EQ(SymbolCount, 6);
    EXPECT_EQ(form->widthTw(), 13500);
    EXPECT_EQ(form->heightTw(), 9900);
    EXPECT_EQ(form->quizBoxTw(), QPoint(300, 4200));

    // The game played then lasts five minutes and has six turns.
    script.clock = 36000;
    form->btnBegin_Click();
    EXPECT_EQ(EndTime, 36300);
    script.clock = 36001;
    form->Timer1_Timer();
    EXPECT_EQ(form->lblTurnsLeft->text(), QStringLiteral("6"));

    // And an editor opened now shows the same values again.
    form->mnuEndGame_Click();
    form7* again = open();
    EXPECT_EQ(boxes(again).mid(3, 6), QStringList({"5", "6", "13500", "9900", "300", "4200"}));
}

// Saving fails when the disk is full: the old file stays whole, the teacher is told which file
// and why, and the editor stays open with what was typed.
TEST_F(EditorTest, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {"Timeoption: 10"});
    writeQuestions(5);
    start();
    const QByteArray before = folder.read(QStringLiteral("valdra.ini"));
    form7* editor = open();
    editor->Text1[0]->setText(QStringLiteral("a-much-longer-question-file-name.qtn"));

    {
        const FileSizeLimit diskFull(8);
        save(editor);
    }

    EXPECT_EQ(folder.read(QStringLiteral("valdra.ini")), before);
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.ini*")}, QDir::Files), QStringList({"valdra.ini"}));
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.startsWith(
        QStringLiteral("The settings could not be saved to %1.").arg(folder.file(QStringLiteral("valdra.ini")))))
        << script.messages[0].text.toStdString();
    EXPECT_EQ(script.messages[0].title, QStringLiteral("Quillora"));
    EXPECT_EQ(form->existingSettingsEditor(), editor);
    EXPECT_EQ(editor->Text1[0]->text(), QStringLiteral("a-much-longer-question-file-name.qtn"));

    // Once there is room again, the same editor saves.
    save(editor);
    EXPECT_EQ(fileLines(QStringLiteral("valdra.ini")).first(), QStringLiteral("Quiz: a-much-longer-question-file-name.qtn"));
    EXPECT_EQ(form->existingSettingsEditor(), nullptr);
}

} // namespace
