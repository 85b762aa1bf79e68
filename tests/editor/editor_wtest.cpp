// SPDX-License-Identifier: GPL-3.0-or-later
// The question editor as a teacher uses it: opening the file in play, live findings and marks,
// undo over every change, files and spreadsheets, playing the questions, and never losing
// unsaved changes.
#include "support/gamefixture.h"
#include "support/languagecheck.h"

#include "editor/csv.h"
#include "editor/questioneditor.h"
#include "game/form6.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>
#include <QtTest/QTest>

using namespace modValdra;
using editor::Mark;
using editor::QuestionEditor;
using editor::UnsavedChoice;

namespace {

class QuestionEditorTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        m_savedPrompt = editor::unsavedPrompt();
        editor::unsavedPrompt() = [this](QWidget*, const QString& text) {
            prompts << text;
            const UnsavedChoice choice = choices.empty() ? UnsavedChoice::Cancel : choices.front();
            if (!choices.empty())
                choices.pop_front();
            return choice;
        };
    }
    void TearDown() override
    {
        editor::unsavedPrompt() = m_savedPrompt;
        GameFixture::TearDown();
    }

    QuestionEditor* open(int questions = 5)
    {
        writeQuestions(questions);
        start();
        form->mnuEditQuestions->trigger();
        QuestionEditor* e = form->existingQuestionEditor();
        if (e) {
            QApplication::setActiveWindow(e);
            e->activateWindow();
        }
        return e;
    }

    static void type(QuestionEditor* e, int field, const QString& text)
    {
        QLineEdit* box = e->fields[size_t(field)];
        box->setFocus();
        box->selectAll();
        // As typed or pasted: the change the field reports as the teacher's own.
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            box->insert(text);
    }

    QStringList findings(QuestionEditor* e) const
    {
        QStringList texts;
        for (int i = 0; i < e->findingsList->count(); ++i)
            texts << e->findingsList->item(i)->text();
        return texts.join(QLatin1Char('\n')).split(QLatin1Char('\n'));
    }

    std::deque<UnsavedChoice> choices;
    QStringList prompts;

private:
    editor::UnsavedPrompt m_savedPrompt;
};

TEST_F(QuestionEditorTest, TheFilesMenuOpensTheEditorOnTheQuestionFileInPlay)
{
    QuestionEditor* e = open(5);
    ASSERT_NE(e, nullptr);
    // After "New Symbols", and every access key of the menu is its own.
    const QList<QAction*> actions = form->menuBar->actions().first()->menu()->actions();
    const int at = int(actions.indexOf(form->mnuTreasures));
    ASSERT_GE(at, 0);
    EXPECT_EQ(actions[at + 1], form->mnuEditQuestions);
    EXPECT_EQ(form->mnuEditQuestions->text(), QStringLiteral("E&dit Questions"));
    QSet<QChar> keys;
    for (QAction* a : actions) {
        const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
        if (amp < 0)
            continue;
        const QChar key = a->text()[amp + 1].toLower();
        EXPECT_FALSE(keys.contains(key)) << a->text().toStdString();
        keys.insert(key);
    }

    EXPECT_EQ(e->windowTitle(), QStringLiteral("Quillora--Question Editor"));
    EXPECT_FALSE(e->isModal());
    EXPECT_EQ(e->questions().size(), 5);
    EXPECT_EQ(e->fields[0]->text(), QStringLiteral("Question number 1?"));
    EXPECT_EQ(e->countLabel->text(), QStringLiteral("5 questions (the game reads the first 100)"));
    EXPECT_FALSE(e->isModified());
    // A second command brings the same window.
    form->mnuEditQuestions->trigger();
    EXPECT_EQ(form->existingQuestionEditor(), e);
}

TEST_F(QuestionEditorTest, FindingsAndMarksFollowTheTypingInTheCheckersWords)
{
    QuestionEditor* e = open(3);
    EXPECT_EQ(e->checked().marks, QList<Mark>({Mark::Fine, Mark::Fine, Mark::Fine}));

    type(e, 0, QStringLiteral("Hi?"));
    EXPECT_EQ(e->checked().marks[0], Mark::Problem);
    EXPECT_TRUE(findings(e).join(QLatin1Char(' ')).contains(QStringLiteral("fewer than 5 characters: the game never asks it")));
    type(e, 0, QStringLiteral("Question number 2?"));
    // The later of the two carries the finding.
    ASSERT_EQ(e->checked().perQuestion[1].size(), 1);
    EXPECT_EQ(e->checked().perQuestion[1][0].text, QStringLiteral("the same question as question 1 (line 1)"));
    EXPECT_EQ(e->checked().marks[1], Mark::Problem);
    type(e, 0, QStringLiteral("Which province ").repeated(20) + QLatin1Char('?'));
    EXPECT_TRUE(findings(e).join(QLatin1Char(' ')).contains(QStringLiteral("too long for the question box")));
    type(e, 0, QStringLiteral("Capital of Yukon?"));
    type(e, 3, QStringLiteral("right 1"));
    EXPECT_TRUE(findings(e).join(QLatin1Char(' ')).contains(QStringLiteral("the same answer as line 2")));
    type(e, 3, QStringLiteral("Dawson"));
    type(e, 1, QString());
    EXPECT_TRUE(findings(e).join(QLatin1Char(' ')).contains(QStringLiteral("the correct answer is empty")));
    type(e, 1, QStringLiteral("Whitehorse"));
    EXPECT_EQ(e->checked().marks[0], Mark::Fine);
    // The list tells the states apart by more than colour.
    const QModelIndex first = e->list->model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::ToolTipRole).toString(), QStringLiteral("fine"));
    EXPECT_EQ(first.data(Qt::DisplayRole).toString(), QStringLiteral("1. Capital of Yukon?"));
}

TEST_F(QuestionEditorTest, UndoWalksBackEveryChangeAndRedoWalksForward)
{
    QuestionEditor* e = open(3);
    const editor::Questions original = e->questions();

    type(e, 0, QStringLiteral("Capital of Yukon?"));
    e->fields[1]->setFocus();  // leaving a field ends its typing step
    type(e, 1, QStringLiteral("Whitehorse"));
    e->addQuestion();
    type(e, 0, QStringLiteral("A new question?"));
    e->duplicateQuestion();
    e->moveUp();
    e->setCurrentRow(0);
    e->deleteQuestion();
    e->pasteCells(QStringLiteral("Pasted one?\tYes\tNo\r\nPasted two?\tNo\tYes\r\n"));
    const editor::Questions changed = e->questions();
    EXPECT_EQ(changed.size(), 6);
    EXPECT_TRUE(e->isModified());

    int steps = 0;
    while (e->undoStack->canUndo()) {
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
        ++steps;
        ASSERT_LE(steps, 20);
    }
    EXPECT_EQ(steps, 8);
    EXPECT_EQ(e->questions(), original);
    EXPECT_EQ(e->fields[0]->text(), QStringLiteral("Question number 1?"));
    EXPECT_FALSE(e->isModified());

    while (e->undoStack->canRedo())
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e->questions(), changed);
}

TEST_F(QuestionEditorTest, SavesTheGamesFormatThatTheGameAndTheEditorReadBack)
{
    QuestionEditor* e = open(2);
    type(e, 1, QStringLiteral("Iqaluit ᐃᖃᓗᐃᑦ"));
    ASSERT_TRUE(e->save());
    EXPECT_FALSE(e->isModified());
    const QByteArray bytes = folder.read(QStringLiteral("Valdra.qtn"));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF" "Question number 1?\r\nIqaluit "));
    EXPECT_EQ(editor::readQuestionFile(QStringLiteral("Valdra.qtn")).questions, e->questions());
}

TEST_F(QuestionEditorTest, SaveAsAsksBeforeReplacingAFileWhoseNameDiffersOnlyInCase)
{
    QuestionEditor* e = open(2);
    folder.write(QStringLiteral("Birds.QTN"), "old\r\n");
    script.fileNames = {folder.file(QStringLiteral("birds.qtn"))};
    script.yesNoAnswers = {false};
    EXPECT_FALSE(e->saveAs());
    EXPECT_EQ(folder.read(QStringLiteral("Birds.QTN")), QByteArray("old\r\n"));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("birds.qtn"))));

    script.fileNames = {folder.file(QStringLiteral("birds.qtn"))};
    script.yesNoAnswers = {true};
    EXPECT_TRUE(e->saveAs());
    EXPECT_TRUE(folder.read(QStringLiteral("Birds.QTN")).startsWith("Question number 1?\r\n"));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("birds.qtn"))));
    EXPECT_EQ(script.questions.size(), 2);
}

TEST_F(QuestionEditorTest, ClosingWithChangesAsksSaveDiscardOrCancel)
{
    QuestionEditor* e = open(2);
    type(e, 0, QStringLiteral("Capital of Yukon?"));

    choices = {UnsavedChoice::Cancel};
    EXPECT_FALSE(e->close());
    EXPECT_TRUE(e->isVisible());

    choices = {UnsavedChoice::Save};
    const QPointer<QuestionEditor> alive(e);
    EXPECT_TRUE(e->close());
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.qtn")).startsWith("Capital of Yukon?\r\n"));
    EXPECT_EQ(prompts.size(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(QuestionEditorTest, QuittingTheGameAsksForTheEditorsChanges)
{
    QuestionEditor* e = open(2);
    type(e, 0, QStringLiteral("Capital of Yukon?"));
    choices = {UnsavedChoice::Cancel};
    form->mnuExit->trigger();
    EXPECT_FALSE(form->shutDownRequested);
    EXPECT_TRUE(form->close() == false);
    EXPECT_FALSE(form->shutDownRequested);

    choices = {UnsavedChoice::Discard};
    form->mnuExit->trigger();
    EXPECT_TRUE(form->shutDownRequested);
    EXPECT_TRUE(folder.read(QStringLiteral("Valdra.qtn")).startsWith("Question number 1?"));
}

TEST_F(QuestionEditorTest, PlayTheseQuestionsSavesFirstThenLoadsThemAsNewQuestionsDoes)
{
    QuestionEditor* e = open(3);
    form->btnBegin_Click();
    ASSERT_EQ(ClockRunning, 1);
    e->importCsvFile(QString());  // a file that cannot be read is named, nothing changes
    ASSERT_EQ(script.messages.size(), 1);
    folder.write(QStringLiteral("Birds.csv"), "Question,Right answer\r\nWhich bird is Quebec's emblem?,Snowy owl,Loon\r\n"
                                              "Which bird is Manitoba's emblem?,Great grey owl,Raven\r\n");
    ASSERT_TRUE(e->importCsvFile(folder.file(QStringLiteral("Birds.csv"))));
    EXPECT_EQ(e->questions().size(), 2);
    EXPECT_TRUE(e->fileName().isEmpty());

    // Not saved yet: declining the question plays nothing.
    script.yesNoAnswers = {false};
    e->btnPlay->click();
    EXPECT_EQ(QuizFile, QStringLiteral("Valdra.qtn"));

    script.yesNoAnswers = {true};
    script.fileNames = {folder.file(QStringLiteral("Birds.qtn"))};
    e->btnPlay->click();
    EXPECT_EQ(QuizFile, folder.file(QStringLiteral("Birds.qtn")));
    EXPECT_EQ(ScoreFile, QStringLiteral("Birds.scr"));
    EXPECT_EQ(QuestionCount, 2);
    EXPECT_EQ(QuestionText[1], QStringLiteral("Which bird is Quebec's emblem?"));
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_FALSE(e->isModified());
}

TEST_F(QuestionEditorTest, SeveralChosenQuestionsAreDeletedMovedDuplicatedAndExportedTogether)
{
    QuestionEditor* e = open(6);
    const editor::Questions before = e->questions();
    const auto texts = [e] {
        QStringList t;
        for (const editor::Question& q : e->questions())
            t << q.text.section(QLatin1Char(' '), 2);
        return t.join(QLatin1Char(' '));
    };
    e->selectRows({1, 3});
    EXPECT_EQ(e->selectedRows(), QList<int>({1, 3}));
    e->moveUp();
    EXPECT_EQ(texts(), QStringLiteral("2? 1? 4? 3? 5? 6?"));
    EXPECT_EQ(e->selectedRows(), QList<int>({0, 2}));
    e->moveUp();  // the first is at the top: nothing moves
    EXPECT_EQ(texts(), QStringLiteral("2? 1? 4? 3? 5? 6?"));
    e->moveDown();
    EXPECT_EQ(texts(), QStringLiteral("1? 2? 3? 4? 5? 6?"));
    e->duplicateQuestion();
    EXPECT_EQ(texts(), QStringLiteral("1? 2? 3? 4? 2? 4? 5? 6?"));
    EXPECT_EQ(e->selectedRows(), QList<int>({4, 5}));

    ASSERT_TRUE(e->exportCsvFile(folder.file(QStringLiteral("two.csv"))));
    EXPECT_EQ(editor::importCsv(folder.read(QStringLiteral("two.csv"))).questions.size(), 2);

    e->selectRows({0, 4, 5, 7});
    e->deleteQuestion();
    EXPECT_EQ(texts(), QStringLiteral("2? 3? 4? 5?"));
    for (int i = 0; i < 5; ++i)
        e->actUndo->trigger();
    EXPECT_EQ(e->questions(), before);
}

TEST_F(QuestionEditorTest, FileNewStartsAnEmptyFileAfterAskingAboutChanges)
{
    QuestionEditor* e = open(3);
    e->deleteQuestion();
    choices = {UnsavedChoice::Cancel};
    e->actNew->trigger();
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_EQ(e->questions().size(), 2);
    choices = {UnsavedChoice::Discard};
    e->actNew->trigger();
    EXPECT_TRUE(e->questions().isEmpty());
    EXPECT_TRUE(e->fileName().isEmpty());
    EXPECT_FALSE(e->isModified());
    EXPECT_EQ(folder.read(QStringLiteral("Valdra.qtn")).count("\r\n"), 15);  // the file itself untouched
}

TEST_F(QuestionEditorTest, ImportAddsAfterTheSelectionAndAnEmptySheetChangesNothing)
{
    QuestionEditor* e = open(3);
    const editor::Questions before = e->questions();
    folder.write(QStringLiteral("empty.csv"), "Question,Right answer,Notes\r\n\r\n");
    EXPECT_FALSE(e->importCsvFile(folder.file(QStringLiteral("empty.csv"))));
    EXPECT_EQ(e->questions(), before);
    EXPECT_FALSE(e->isModified());
    ASSERT_FALSE(script.messages.isEmpty());
    EXPECT_TRUE(script.messages.last().text.contains(QStringLiteral("holds no question")));

    folder.write(QStringLiteral("two.csv"), "No.,Question,Right answer,Notes\r\n1,Capital of Yukon?,Whitehorse,\r\n"
                                            "2,Capital of Nunavut?,Iqaluit,hard\r\n");
    e->setCurrentRow(0);
    ASSERT_TRUE(e->importCsvFile(folder.file(QStringLiteral("two.csv")), QuestionEditor::ImportPlace::AfterSelection));
    ASSERT_EQ(e->questions().size(), 5);
    EXPECT_EQ(e->questions()[0], before[0]);
    EXPECT_EQ(e->questions()[1].text, QStringLiteral("Capital of Yukon?"));
    EXPECT_EQ(e->questions()[2].answers[0], QStringLiteral("Iqaluit"));
    EXPECT_EQ(e->questions()[3], before[1]);
    EXPECT_FALSE(e->fileName().isEmpty());  // added to the open file, which stays the one to save
    e->actUndo->trigger();
    EXPECT_EQ(e->questions(), before);
}

TEST_F(QuestionEditorTest, ImportNamesItsProblemRowsAndOpeningJunkKeepsTheQuestions)
{
    QuestionEditor* e = open(2);
    folder.write(QStringLiteral("bad.csv"), "Capital of Yukon?;Whitehorse\n;Regina\nCapital of Nunavut?\n");
    QStringList listed;
    script.whileModalOpen = [&listed](QDialog* dialog) {
        for (QListWidget* rows : dialog->findChildren<QListWidget*>())
            for (int i = 0; i < rows->count(); ++i)
                listed << rows->item(i)->text();
    };
    ASSERT_TRUE(e->importCsvFile(folder.file(QStringLiteral("bad.csv"))));
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed[0].startsWith(QStringLiteral("Row 2: ")));
    EXPECT_TRUE(listed[1].startsWith(QStringLiteral("Row 3: ")));
    EXPECT_EQ(e->questions().size(), 3);

    const editor::Questions before = e->questions();
    folder.write(QStringLiteral("junk.qtn"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    EXPECT_FALSE(e->openFile(folder.file(QStringLiteral("junk.qtn"))));
    ASSERT_FALSE(script.messages.isEmpty());
    EXPECT_TRUE(script.messages.last().text.contains(QStringLiteral("junk.qtn")));
    EXPECT_EQ(e->questions(), before);
}

TEST_F(QuestionEditorTest, FindGoesToTheNextQuestionHoldingTheTextAndTheCountWarnsPastOneHundred)
{
    QuestionEditor* e = open(120);
    QTest::keyClick(e, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(e->findBar->isVisible());
    EXPECT_TRUE(e->findNext(QStringLiteral("wrong b7")));
    EXPECT_EQ(e->currentRow(), 6);
    EXPECT_TRUE(e->findNext(QStringLiteral("wrong b7")));
    EXPECT_EQ(e->currentRow(), 69);
    EXPECT_FALSE(e->findNext(QStringLiteral("Atlantis")));
    EXPECT_TRUE(e->countLabel->text().contains(QStringLiteral("120 questions (the game reads the first 100)")));
    EXPECT_TRUE(e->countLabel->text().contains(QStringLiteral("101 to 120")));
    // The question the game never reads is marked.
    EXPECT_EQ(e->checked().marks[100], Mark::Problem);
}

TEST_F(QuestionEditorTest, PreviewShowsTheQuestionAsTheGamesBoxDoes)
{
    QuestionEditor* e = open(2);
    type(e, 3, QString());
    e->btnPreview->click();
    editor::QuestionPreview* preview = e->preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->box->size(), form->Frame2->size());
    EXPECT_EQ(preview->question->caption(), QStringLiteral("\rQuestion number 1?"));
    EXPECT_FALSE(preview->answers[2]->isVisible());
    EXPECT_EQ(preview->answers[3]->text(), QStringLiteral("Wrong C1"));
    type(e, 0, QStringLiteral("Capital of Yukon?"));
    EXPECT_EQ(preview->question->caption(), QStringLiteral("\rCapital of Yukon?"));
}

} // namespace

namespace {

// The checker's findings land on the question and the field they are about.
TEST_F(QuestionEditorTest, SwitchingLanguageKeepsTheQuestionsTheEditsAndTheirUndo)
{
    QuestionEditor* e = open(3);
    const QString file = e->fileName();
    e->setCurrentRow(1);
    type(e, 0, QStringLiteral("Capital of Yukon?"));
    e->fields[1]->setFocus();
    e->pasteCells(QStringLiteral("Pasted one?\tYes\tNo\r\nPasted two?\tNo\tYes\r\n"));
    const editor::Questions edited = e->questions();
    e->showPreview();
    {
        InFrench french;
        EXPECT_EQ(e->menuBar()->actions().value(0)->text(), QStringLiteral("&Fichier"));
        EXPECT_EQ(e->actUndo->text(), QStringLiteral("&Annuler collage"));
        EXPECT_TRUE(e->fileLabel->text().endsWith(QString::fromUtf8("(modifié)"))) << e->fileLabel->text().toStdString();
        EXPECT_EQ(e->countLabel->text(), QString::fromUtf8("5 questions (le jeu lit les 100 premières)"));
        EXPECT_EQ(e->statusBar()->currentMessage(), QString::fromUtf8("2 questions ajoutées à partir des cellules collées."));
        EXPECT_EQ(e->preview()->windowTitle(), ProgramTitle + QString::fromUtf8("--Aperçu"));
        for (QAction* bar : e->menuBar()->actions())
            EXPECT_TRUE(clashes(menuCaptions(bar->menu()->actions())).isEmpty())
                << clashes(menuCaptions(bar->menu()->actions())).join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(e->questions(), edited);
        EXPECT_EQ(e->fileName(), file);
        EXPECT_EQ(e->currentRow(), 2);
        // The undo stack is the same one: the paste goes, then the typing, named in French.
        e->actUndo->trigger();
        EXPECT_EQ(e->questions().size(), 3);
        EXPECT_EQ(e->questions()[1].text, QStringLiteral("Capital of Yukon?"));
        EXPECT_EQ(e->actUndo->text(), QStringLiteral("&Annuler saisie"));
    }
    EXPECT_EQ(e->actUndo->text(), QStringLiteral("&Undo typing"));
    EXPECT_EQ(e->actRedo->text(), QStringLiteral("&Redo paste"));
    e->actUndo->trigger();
    EXPECT_FALSE(e->isModified());
}

TEST(QuestionFindings, EachFindingLandsOnItsQuestionAndField)
{
    editor::Questions questions(3);
    for (int i = 0; i < 3; ++i)
        questions[i] = {QStringLiteral("Question number %1?").arg(i + 1), {QStringLiteral("Right"), QStringLiteral("Wrong A"), QStringLiteral("Wrong B"), QStringLiteral("Wrong C")}};
    questions[1].answers[3] = QStringLiteral("Wrong\x01C");
    questions[2].answers[2] = QStringLiteral("right");
    const editor::Checked checked = editor::checkQuestions(questions);
    EXPECT_EQ(checked.marks, QList<Mark>({Mark::Fine, Mark::Problem, Mark::Problem}));
    ASSERT_EQ(checked.perQuestion[1].size(), 1);
    EXPECT_EQ(editor::fieldOfLine(checked.perQuestion[1][0].line), 4);
    EXPECT_TRUE(checked.perQuestion[1][0].text.contains(QStringLiteral("control character")));
    ASSERT_EQ(checked.perQuestion[2].size(), 1);
    EXPECT_EQ(editor::fieldOfLine(checked.perQuestion[2][0].line), 3);
}

} // namespace
