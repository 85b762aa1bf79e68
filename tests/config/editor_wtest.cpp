// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file editor: what it shows, what it writes, and where.
#include "support/filesizelimit.h"
#include "support/gamefixture.h"

#include "config/form7.h"
#include "ui/twips.h"

#include <QFileInfo>
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

    static QStringList boxes(form7* editor)
    {
        QStringList texts;
        for (QLineEdit* box : editor->Text1)
            texts << box->text();
        return texts;
    }

    void save(form7* editor, bool yes = true)
    {
        script.yesNoAnswers = {yes};
        editor->cmdSave->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList fileLines(const QString& name = QStringLiteral("Valdra.ini")) const
    {
        return QString::fromLatin1(folder.read(name)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
};

TEST_F(EditorTest, ResizesAndZoomsKeepTheTeachersBoxPlaceWhichSaveOptionsWrites)
{
    writeQuestions(5);
    folder.writeLines(QStringLiteral("Valdra.ini"), {QStringLiteral("Quiz: Valdra.qtn"), QStringLiteral("Quiztop: 6000"),
                                                     QStringLiteral("Quizleft: 400")});
    start();
    // Drawn inside the window, kept where the teacher set it.
    EXPECT_EQ(form->quizBoxTw(), QPoint(400, 6000));
    EXPECT_TRUE(form->client->rect().contains(form->Frame2->geometry()));
    EXPECT_LT(form->quizBoxShownTw().y(), 6000);
    EXPECT_EQ(form->Frame2->y(), ui::px(form->quizBoxShownTw().y()));

    const QSize sizes[] = {{9600, 7200}, {30000, 20000}, {12000, 9000}, {9600, 7200}, {18000, 12000}};
    for (const QSize& s : sizes) {
        SCOPED_TRACE(testing::Message() << s.width() << " x " << s.height());
        form->setWidthTw(s.width());
        form->setHeightTw(s.height());
        QApplication::processEvents();
        EXPECT_EQ(form->quizBoxTw(), QPoint(400, 6000));
        EXPECT_TRUE(form->client->rect().contains(form->Frame2->geometry()));
        if (s.height() >= 12000) {
            EXPECT_EQ(form->Frame2->pos(), QPoint(ui::px(400), ui::px(6000)));  // room enough: where it was set
        }
    }
    for (int zoom : {150, 200, 100}) {
        if (!form->setZoomStep(zoom))
            continue;  // the offscreen screen may be too small for the step
        SCOPED_TRACE(zoom);
        EXPECT_EQ(form->quizBoxTw(), QPoint(400, 6000));
        EXPECT_TRUE(form->client->rect().contains(form->Frame2->geometry()));
    }
    save(open());
    EXPECT_TRUE(fileLines().contains(QStringLiteral("Quiztop: 6000")));
    EXPECT_TRUE(fileLines().contains(QStringLiteral("Quizleft: 400")));

    // The arrows move it from where it is seen, and that is what is saved then.
    form->setWidthTw(9600);
    form->setHeightTw(7200);
    QApplication::processEvents();
    const QPoint seen = form->quizBoxShownTw();
    form->cmdMove_Click(0);
    EXPECT_EQ(form->quizBoxTw(), seen - QPoint(0, 200));
    save(open());
    EXPECT_TRUE(fileLines().contains(QStringLiteral("Quiztop: %1").arg(seen.y() - 200)));
}

TEST_F(EditorTest, AFileLessStartShowsTheRunningSettingsAndSavesSevenLines)
{
    writeQuestions(5);
    start();
    form7* editor = open();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Quillora--Iniatialization File Options"));
    EXPECT_EQ(editor->size(), QSize(ui::px(6960), ui::px(5550)));
    EXPECT_EQ(editor->imgBackGround->picture().cacheKey(), form->imgQuiz->picture().cacheKey());
    const QString width = QString::number(form->widthTw());
    const QString height = QString::number(form->heightTw());
    EXPECT_EQ(boxes(editor), QStringList({"Valdra.qtn", "", "", "3", "12", width, height, "90", "5100", folder.path()}));

    // Saved into the start folder, whatever folder was browsed since or typed in the last box.
    QDir(folder.path()).mkdir(QStringLiteral("elsewhere"));
    QDir::setCurrent(folder.file(QStringLiteral("elsewhere")));
    editor->Text1[9]->setText(QStringLiteral("/tmp"));
    save(editor);
    QDir::setCurrent(folder.path());
    EXPECT_TRUE(QDir(folder.file(QStringLiteral("elsewhere"))).isEmpty());
    ASSERT_EQ(script.questions.size(), 1);
    EXPECT_EQ(script.questions[0].text, QStringLiteral(" Are you certain this should become the default Quillora game settings?"));
    EXPECT_EQ(script.questions[0].title, QStringLiteral("MsgBox Demonstration"));
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.ini")),
              QStringLiteral("Quiz: Valdra.qtn\r\nGamewidth: %1\r\nGameheight: %2\r\nQuiztop: 5100\r\n"
                             "Quizleft: 90\r\nDooroption: 12\r\nTimeoption: 3\r\n").arg(width, height).toLatin1());
    EXPECT_EQ(form->existingSettingsEditor(), nullptr);
}

TEST_F(EditorTest, NoWritesNothingAndAnEmptiedBoxLeavesItsLineOut)
{
    writeQuestions(5);
    start();
    form7* editor = open();
    editor->Text1[1]->setText(QStringLiteral("Birds.lst"));
    editor->Text1[5]->clear();
    editor->Text1[6]->clear();
    save(editor, false);
    EXPECT_EQ(form->existingSettingsEditor(), editor);
    EXPECT_EQ(editor->Text1[1]->text(), QStringLiteral("Birds.lst"));
    EXPECT_EQ(PicListFile, QString());
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Valdra.ini"))));

    save(editor);
    EXPECT_EQ(fileLines(), QStringList({"Quiz: Valdra.qtn", "PicList: Birds.lst", "Quiztop: 5100", "Quizleft: 90",
                                        "Dooroption: 12", "Timeoption: 3"}));
    EXPECT_EQ(PicListFile, QStringLiteral("Birds.lst"));  // shared at once, loaded at no time
    EXPECT_EQ(SymbolSetChoice, 0);
}

TEST_F(EditorTest, AQuizPictureStartLeavesThePictureOutAndTheFileKeepsItsName)
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
    save(editor);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Valdra.ini"))));
    const QStringList lines = fileLines(QStringLiteral("valdra.ini"));
    EXPECT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.last(), QStringLiteral("Timeoption: 10"));
}

// What a teacher saves is what the next start plays.
TEST_F(EditorTest, TheNextStartPlaysTheSavedSettings)
{
    writeQuestions(20);
    start();
    form7* editor = open();
    const QStringList typed = {"5", "6", "13500", "9900", "300", "4200"};
    for (int i = 0; i < typed.size(); ++i)
        editor->Text1[3 + i]->setText(typed[i]);
    save(editor);

    form.reset();
    resetState();
    form = std::make_unique<Form1>();
    start();
    EXPECT_EQ(form->widthTw(), 13500);
    EXPECT_EQ(form->heightTw(), 9900);
    EXPECT_EQ(form->quizBoxTw(), QPoint(300, 4200));
    script.clock = 36000;
    form->btnBegin_Click();
    EXPECT_EQ(EndTime, 36300);
    form->Timer1_Timer();
    EXPECT_EQ(form->lblTurnsLeft->text(), QStringLiteral("6"));
    form->mnuEndGame_Click();
    EXPECT_EQ(boxes(open()).mid(3, 6), typed);
}

// A full disk: the old file stays whole, the teacher is told which file and why, and the
// editor stays open with what was typed.
TEST_F(EditorTest, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {"Timeoption: 10"});
    writeQuestions(5);
    start();
    const QByteArray before = folder.read(QStringLiteral("valdra.ini"));
    form7* editor = open();
    {
        const FileSizeLimit diskFull(8);
        save(editor);
    }
    EXPECT_EQ(folder.read(QStringLiteral("valdra.ini")), before);
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.startsWith(
        QStringLiteral("The settings could not be saved to %1.\n\n").arg(folder.file(QStringLiteral("valdra.ini")))))
        << script.messages[0].text.toStdString();
    EXPECT_EQ(form->existingSettingsEditor(), editor);

    save(editor);  // room again
    EXPECT_EQ(fileLines(QStringLiteral("valdra.ini")).size(), 7);
}

TEST_F(EditorTest, AFileWithLinesTheGameDoesNotReadIsKeptBesideBeforeItIsReplaced)
{
    // A refused setting is replaced by the editor's own line, so the file as it was is kept
    // beside; a line without a setting stays in the new file.
    folder.writeLines(QStringLiteral("valdra.ini"), {"Timeoption: 10", "Gamewidth: -5", "Class 5b, autumn term"});
    folder.write(QStringLiteral("valdra.ini.damaged"), "earlier");
    writeQuestions(5);
    start();
    script.messages.clear();  // what the start told of the refused line
    const QByteArray before = folder.read(QStringLiteral("valdra.ini"));
    save(open());
    EXPECT_EQ(folder.read(QStringLiteral("valdra.ini.damaged-2")), before);
    EXPECT_EQ(folder.read(QStringLiteral("valdra.ini.damaged")), QByteArray("earlier"));
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("line 2: \"Gamewidth: -5\"")))
        << script.messages[0].text.toStdString();
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("valdra.ini.damaged-2")));
    const QStringList saved = fileLines(QStringLiteral("valdra.ini"));
    EXPECT_EQ(saved.size(), 8);
    EXPECT_EQ(saved.last(), QStringLiteral("Class 5b, autumn term"));
    save(open());  // read whole now: no copy
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("valdra.ini.damaged-3"))));
}

} // namespace
