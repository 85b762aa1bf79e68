// SPDX-License-Identifier: GPL-3.0-or-later
// The game tells what a teacher's file holds as it loads it, in the checker's words, once; and
// the checker predicts what the game does, pictures beside their list included.
#include "support/gamefixture.h"

#include "checker/symbolcheck.h"
#include "files/loadmessage.h"
#include "files/questionfile.h"

#include <QImage>

using namespace modValdra;

namespace {

// Questions "Question N?" with four answers; `skip` drops that 1-based line of the file.
QStringList questionLines(int count, int skip = 0)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Question %1?").arg(i) << QStringLiteral("Right %1").arg(i) << QStringLiteral("Wrong A%1").arg(i)
              << QStringLiteral("Wrong B%1").arg(i) << QStringLiteral("Wrong C%1").arg(i);
    if (skip > 0)
        lines.removeAt(skip - 1);
    return lines;
}

class Tell : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        writeQuestions(3);
    }

    QString writePicture(const QString& name, QColor colour)
    {
        QDir().mkpath(QFileInfo(folder.file(name)).absolutePath());
        QImage image(6, 6, QImage::Format_RGB32);
        image.fill(colour);
        image.save(folder.file(name), "BMP");
        return name;
    }
};

TEST_F(Tell, AQuestionFileWithAMissingLineBringsOneBoxNamingItsFirstShiftedLine)
{
    start();
    ASSERT_TRUE(script.messages.isEmpty());
    folder.writeLines(QStringLiteral("gap.qtn"), questionLines(4, 10));
    QuizFile = QStringLiteral("gap.qtn");
    form->LoadData();

    ASSERT_EQ(script.messages.size(), 1);
    const auto& box = script.messages[0];
    EXPECT_TRUE(box.text.contains(QStringLiteral("\"gap.qtn\""))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QStringLiteral("\nquestion 2 (line 10): this question stands where"))) << box.text.toStdString();
    EXPECT_TRUE(box.details.contains(QStringLiteral("question 2 (line 10):")));
    // The game informs; it plays the file as it reads it.
    EXPECT_EQ(QuestionCount, 4);
    EXPECT_EQ(QuestionText[3], QStringLiteral("Right 3"));

    // The same unchanged file again: nothing more. Changed (still faulty): told anew.
    form->LoadData();
    EXPECT_EQ(script.messages.size(), 1);
    folder.writeLines(QStringLiteral("gap.qtn"), questionLines(5, 10));
    form->LoadData();
    EXPECT_EQ(script.messages.size(), 2);
}

TEST_F(Tell, AtStartUpTheBoxWaitsForTheWindowAndWarningsAloneSayNothing)
{
    folder.writeLines(QStringLiteral("valdra.ini"), {QStringLiteral("Timeoption: 2"), QStringLiteral("Quiz: blank.qtn")});
    // A blank last line is only a warning.
    folder.writeLines(QStringLiteral("blank.qtn"), questionLines(2) << QString());
    form->Form_Load();
    EXPECT_TRUE(script.messages.isEmpty());
    form->show();
    QApplication::processEvents();
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("valdra.ini")));
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("line 1: \"2\" is not a game length")));
    EXPECT_EQ(QuizFile, QStringLiteral("blank.qtn"));
}

TEST_F(Tell, AtStartUpTheQuestionFileIsToldOnceShownInTheOrderTheFilesWereRead)
{
    // The question file's findings are worked out after the window is shown; its box still
    // comes between the settings file's and the high score list's, and only once.
    folder.writeLines(QStringLiteral("valdra.ini"), {QStringLiteral("Timeoption: 2")});
    folder.writeLines(QStringLiteral("Valdra.qtn"), questionLines(4, 10));
    folder.writeLines(QStringLiteral("Valdra.scr"), {QStringLiteral("Ann"), QStringLiteral("lots")});
    form->Form_Load();
    EXPECT_TRUE(script.messages.isEmpty());
    EXPECT_EQ(QuestionCount, 4);
    form->show();
    QApplication::processEvents();
    ASSERT_EQ(script.messages.size(), 3);
    EXPECT_TRUE(script.messages[0].text.contains(QStringLiteral("valdra.ini"))) << script.messages[0].text.toStdString();
    EXPECT_TRUE(script.messages[1].text.contains(QStringLiteral("question 2 (line 10)"))) << script.messages[1].text.toStdString();
    EXPECT_TRUE(script.messages[2].text.contains(QStringLiteral("Valdra.scr"))) << script.messages[2].text.toStdString();
    form->hide();
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(script.messages.size(), 3);
}

TEST_F(Tell, TheBoxShowsAFewProblemsAndTheDetailsAreCapped)
{
    checker::FileReport report(QStringLiteral("/home/ann/many.qtn"));
    for (int i = 1; i <= 150; ++i)
        report.problem(i, QStringLiteral("problem %1").arg(i));
    report.warn(0, QStringLiteral("a warning"));
    const auto message = files::loadMessage(QStringLiteral("The question file"), report);
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->text.startsWith(QStringLiteral("The question file \"many.qtn\" has 150 problems")));
    EXPECT_TRUE(message->text.contains(QStringLiteral("line 3: problem 3\nand 147 more.")));
    EXPECT_FALSE(message->text.contains(QStringLiteral("problem 4\n")));
    const QStringList details = message->details.split(QLatin1Char('\n'));
    EXPECT_EQ(details.size(), 1 + files::MostDetails + 1);
    EXPECT_EQ(details[1], QStringLiteral("warning: a warning"));
    EXPECT_EQ(details.last(), QStringLiteral("and 51 more."));

    checker::FileReport quiet(QStringLiteral("ok.qtn"));
    quiet.warn(3, QStringLiteral("only a warning"));
    EXPECT_FALSE(files::loadMessage(QStringLiteral("The question file"), quiet).has_value());
}

TEST_F(Tell, AListKeptWithItsPicturesPlaysThemAndTheCheckerAgrees)
{
    start();
    writePicture(QStringLiteral("teacher/pics/bluenose.png"), Qt::blue);
    folder.writeLines(QStringLiteral("teacher/atlantic.lst"), {QStringLiteral("Nova Scotia; pics/bluenose.png")});
    PicListFile = folder.file(QStringLiteral("teacher/atlantic.lst"));
    form->LoadCustomSymbols();
    EXPECT_EQ(SymbolSetChoice, 26);
    EXPECT_EQ(CustomSetName, QStringLiteral("atlantic"));
    EXPECT_EQ(form->form3()->Image1[26]->tag(), QStringLiteral("Nova Scotia"));
    EXPECT_EQ(form->form3()->Image1[26]->picture().toImage().pixel(0, 0), QColor(Qt::blue).rgb());
    EXPECT_TRUE(script.messages.isEmpty());
    EXPECT_EQ(checker::checkSymbolList(PicListFile).count(checker::Severity::Problem), 0);

    // A picture of that name in the play folder comes first, for the game and the checker alike.
    writePicture(QStringLiteral("pics/bluenose.png"), Qt::green);
    form->LoadCustomSymbols();
    EXPECT_EQ(form->form3()->Image1[26]->picture().toImage().pixel(0, 0), QColor(Qt::green).rgb());
}

// The game and the checker side by side on a corpus of files: what the checker says the game
// loads is what the game loads, and the game tells exactly the checker's problems.
TEST_F(Tell, TheGameAndTheCheckerAgreeOnEveryFileOfTheCorpus)
{
    start();
    writePicture(QStringLiteral("lists/p.bmp"), Qt::red);
    struct ListCase {
        const char* name;
        QStringList lines;
        bool completed;
    };
    const ListCase lists[] = {
        {"lists/clean.lst", {"Alberta; p.bmp", "Yukon; p.bmp"}, true},
        {"lists/empty-picture.lst", {"Alberta; ", "Yukon; p.bmp"}, true},
        {"lists/no-semicolon.lst", {"Alberta; p.bmp", "Yukon p.bmp", "Nunavut; p.bmp"}, false},
        {"lists/missing.lst", {"Alberta; gone.bmp"}, false},
        {"lists/misspelt.lst", {"PEI; p.bmp"}, true},
    };
    for (const ListCase& c : lists) {
        folder.writeLines(QString::fromLatin1(c.name), c.lines);
        SymbolSetChoice = 0;
        script.messages.clear();
        PicListFile = folder.file(QString::fromLatin1(c.name));
        form->LoadCustomSymbols();
        const checker::FileReport report = checker::checkSymbolList(PicListFile);
        bool checkerSaysStop = false;
        for (const checker::Finding& f : report.of(checker::Severity::Problem))
            checkerSaysStop = checkerSaysStop || f.text.contains(QStringLiteral("stops reading"));
        EXPECT_EQ(SymbolSetChoice == 26, c.completed) << c.name;
        EXPECT_EQ(checkerSaysStop, !c.completed) << c.name;
        EXPECT_EQ(script.messages.size(), report.count(checker::Severity::Problem) > 0 ? 1 : 0) << c.name;
        for (const checker::Finding& f : report.of(checker::Severity::Problem))
            EXPECT_TRUE(!script.messages.isEmpty()
                        && script.messages[0].details.contains(QStringLiteral("line %1: %2").arg(f.line).arg(f.text)))
                << c.name;
    }

    const QList<QStringList> questionFiles = {questionLines(3), questionLines(3, 7), questionLines(2) << QStringLiteral("Tail?"),
                                              QStringList{QStringLiteral("x")}, questionLines(101)};
    for (int i = 0; i < questionFiles.size(); ++i) {
        const QString name = QStringLiteral("corpus%1.qtn").arg(i);
        folder.writeLines(name, questionFiles[i]);
        const questionfile::Reading reading = questionfile::readQuestionFile(name);
        QuizFile = name;
        form->LoadData();
        EXPECT_EQ(QuestionCount, reading.questionCount) << i;
        EXPECT_TRUE(reading.report.findings.value(0).text.contains(QStringLiteral("; %1 question").arg(QuestionCount))) << i;
    }
}

} // namespace
