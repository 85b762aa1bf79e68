// SPDX-License-Identifier: GPL-3.0-or-later
// After the game: the review built from what the game recorded, practice of the missed
// questions, the class record's row and prompt, the Class Results window, and the settings
// editor and the checker knowing the record's line.
#include "checker/findings.h"
#include "support/gamefixture.h"
#include "support/languagecheck.h"
#include "game/form6.h"

#include "checker/settingscheck.h"
#include "classroom/classrecord.h"
#include "classroom/classroom.h"
#include "config/form7.h"
#include "ui/zoom.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace modValdra;

namespace {

class ClassroomTest : public GameFixture {
protected:
    // Six questions "Question number N?", six symbols a game.
    void startSix(const QStringList& settings = {})
    {
        writeQuestions(6);
        folder.writeLines(QStringLiteral("valdra.ini"), QStringList{QStringLiteral("Dooroption: 6")} + settings);
        start();
    }

    ui::PictureButton* buttonWith(const QString& caption, bool wanted)
    {
        for (int i = 1; i <= 4; ++i)
            if (form->btnAnswer[i]->isVisible() && (form->btnAnswer[i]->text() == caption) == wanted)
                return form->btnAnswer[i];
        return nullptr;
    }

    void click(QWidget* w, QPoint at = QPoint(-1, -1))
    {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, Qt::KeyboardModifiers(), at.x() < 0 ? w->rect().center() : at);
    }

    void placeOn(const QString& region)
    {
        for (const Region& r : RegionTable)
            if (region == QLatin1String(r.name))
                return click(form->Picture1, QPoint(r.x + 14, r.y - 14));
    }

    // Plays turns until the game ends: 'w' a wrong answer (then the right one), 'r' a right
    // answer placed on its region, 'o' a right answer placed outside the map. Returns the
    // questions answered wrongly.
    QStringList play(const char* turns)
    {
        QStringList missed;
        for (const char* t = turns; *t && ClockRunning == 1; ++t) {
            if (*t == 'w') {
                missed << CurrentQuestion;
                click(buttonWith(CorrectAnswer, false));
                // A wrong answer in the last turn ends the game at once.
                if (ClockRunning == 1)
                    click(buttonWith(CorrectAnswer, true));
                continue;
            }
            click(buttonWith(CorrectAnswer, true));
            if (*t == 'o')
                click(form->Picture1, QPoint(20, 20));
            else
                placeOn(TargetName);
        }
        return missed;
    }

    GameReview* review() const { return form->classroom()->review(); }

    // Two games missed question 4, one question 2; row 4 is damaged.
    void writeRecord()
    {
        const QString header = classroom::csvLine(classroom::headerFields());
        folder.writeLines(QStringLiteral("classresults.csv"),
                          {header, "2026-03-02T10:00:00,Ana,Valdra.qtn,3,6,regular,900,0,6,5,5,5,4,1 2 3 4 5 6",
                           "2026-03-02T10:05:00,Bo,valdra.qtn,3,6,regular,800,0,6,4,4,4,2 4,1 2 3 4 5 6",
                           "2026-03-02T10:09:00,Cy,Valdra.qtn,3,6"});
        ResultsFile = QStringLiteral("classresults.csv");
    }

    QStringList column(QTableWidget* table, int c) const
    {
        QStringList texts;
        for (int r = 0; r < table->rowCount(); ++r)
            texts << table->item(r, c)->text();
        return texts;
    }
};

TEST_F(ClassroomTest, AGameToItsEndOpensTheReviewWithEveryQuestionAndSymbol)
{
    startSix();
    form->btnBegin_Click();
    const QStringList missed = play("rwroww");
    ASSERT_EQ(ClockRunning, 0);
    ASSERT_NE(review(), nullptr);
    EXPECT_TRUE(review()->isVisible());
    EXPECT_EQ(review()->windowTitle(), ProgramTitle + QStringLiteral("--Game Review"));

    const QString summary = review()->lblSummary->text();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("All turns played."))) << summary.toStdString();
    // 3 right answers at 250, 2 symbols found at 100, and the bonus of the minutes left.
    EXPECT_TRUE(summary.contains(QStringLiteral("= 750 for answers + 200 for placed symbols + ")));
    EXPECT_TRUE(summary.contains(QStringLiteral("did not enter the high score list: its 15th entry holds 0")));

    EXPECT_EQ(review()->tblQuestions->rowCount(), 6);
    const QStringList marks = column(review()->tblQuestions, 4);
    EXPECT_EQ(marks.filter(QStringLiteral("wrong")).size(), 3);
    EXPECT_EQ(marks.filter(QStringLiteral("right")).size(), 3);
    for (int r = 0; r < 6; ++r) {
        // The right answer of "Question number N?" is "Right N", whatever the deck's order.
        const QString question = review()->tblQuestions->item(r, 1)->text();
        const QString n = question.section(QLatin1Char(' '), 2).chopped(1);
        EXPECT_EQ(review()->tblQuestions->item(r, 3)->text(), QStringLiteral("Right ") + n);
        EXPECT_EQ(missed.contains(question), marks[r].contains(QStringLiteral("wrong")));
    }
    EXPECT_EQ(column(review()->tblSymbols, 3), QStringList({"1", "1", "1"}));
    EXPECT_TRUE(column(review()->tblSymbols, 2)[2].contains(QStringLiteral("outside the map")));
    EXPECT_TRUE(review()->cmdPractise->isEnabled());
    EXPECT_EQ(form->classroom()->log().missedNumbers().size(), 3);

    // Esc closes it; a game broken off opens none.
    QTest::keyClick(review(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(review(), nullptr);
    form->btnBegin_Click();
    form->mnuEndGame_Click();
    EXPECT_EQ(review(), nullptr);
}

TEST_F(ClassroomTest, TheReviewsSymbolIconsGrowWithTheZoomFromFinePictures)
{
    startSix();
    ui::setApplicationZoom(2.0);
    form->btnBegin_Click();
    play("rwroww");
    ui::setApplicationZoom(1.0);
    ASSERT_NE(review(), nullptr);
    EXPECT_EQ(review()->tblSymbols->iconSize(), QSize(64, 64));
    const QList<QSize> sizes = review()->tblSymbols->item(0, 0)->icon().availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_EQ(std::max(sizes[0].width(), sizes[0].height()), 64);
    // Drawn down from a picture larger than the icon, never blown up from the small one.
    EXPECT_GE(form->classroom()->log().symbols()[0].picture.height(), 128);
}

TEST_F(ClassroomTest, AnOpenReviewSwitchesLanguageWithTheGameAndKeepsItsRows)
{
    startSix();
    form->btnBegin_Click();
    play("rwroww");
    GameReview* shown = review();
    ASSERT_NE(shown, nullptr);
    const QString summary = shown->lblSummary->text();
    const QStringList questions = column(shown->tblQuestions, 1);
    shown->tblQuestions->setCurrentCell(3, 1);
    // The symbol placed outside the map has its region hatched on a small map.
    auto* map = qobject_cast<QLabel*>(shown->tblSymbols->cellWidget(2, 4));
    ASSERT_NE(map, nullptr);
    {
        InFrench french;
        EXPECT_EQ(shown->windowTitle(), ProgramTitle + QStringLiteral("--Bilan de la partie"));
        EXPECT_TRUE(shown->lblSummary->text().startsWith(QString::fromUtf8("Tous les tours sont joués.")))
            << shown->lblSummary->text().toStdString();
        EXPECT_EQ(shown->tblQuestions->horizontalHeaderItem(4)->text(), QStringLiteral("Note"));
        EXPECT_EQ(column(shown->tblQuestions, 4).filter(QString::fromUtf8("\u2714 juste")).size(), 3);
        EXPECT_EQ(shown->cmdClose->text(), QStringLiteral("&Fermer"));
        EXPECT_TRUE(map->accessibleName().startsWith(QString::fromUtf8("Carte\u00a0: "))) << map->accessibleName().toStdString();
        EXPECT_EQ(column(shown->tblQuestions, 1), questions);
        EXPECT_EQ(shown->tblQuestions->currentRow(), 3);
        EXPECT_EQ(shown->tblSymbols->cellWidget(2, 4), map);
    }
    EXPECT_EQ(shown->lblSummary->text(), summary);
    EXPECT_EQ(column(shown->tblQuestions, 4).filter(QStringLiteral("right")).size(), 3);
    EXPECT_EQ(shown->tblQuestions->horizontalHeaderItem(4)->text(), QStringLiteral("Mark"));
}

TEST_F(ClassroomTest, AHighScoreShowsFirstWithTheKeyboardThenTheReviewAndPracticeNeverStartsUnderIt)
{
    startSix();
    script.inputs = {QStringLiteral("Ada")};
    form->btnBegin_Click();
    play("rrrrrw");  // a high score with one question missed
    ASSERT_EQ(ClockRunning, 0);
    Form6* scores = form->existingForm6();
    ASSERT_NE(scores, nullptr);
    EXPECT_TRUE(scores->isVisible());
    EXPECT_GE(scores->markedEntry(), 0);
    EXPECT_EQ(scores->focusWidget(), scores->Command1);
    EXPECT_EQ(review(), nullptr) << "the review waits for the high scores";

    // Esc closes the scores; then the review comes.
    QTest::keyClick(scores->Command1, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form->existingForm6(), nullptr);
    ASSERT_NE(review(), nullptr);
    EXPECT_TRUE(review()->isVisible());

    // The scores opened from the menu over the review are closed when practice starts.
    form->mnuScores_Click();
    ASSERT_NE(form->existingForm6(), nullptr);
    review()->cmdPractise->click();
    ASSERT_EQ(ClockRunning, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->existingForm6(), nullptr);
}

TEST_F(ClassroomTest, PracticeAsksOnlyTheMissedQuestionsAndEntersNothing)
{
    startSix({QStringLiteral("Results: classresults.csv")});
    script.inputs = {QStringLiteral("Noor")};
    form->btnBegin_Click();
    const QStringList missed = play("wrrrrw");
    ASSERT_NE(review(), nullptr);
    ASSERT_EQ(missed.size(), 2);
    const QStringList promptsBefore = script.prompts;

    review()->cmdPractise->click();
    ASSERT_EQ(ClockRunning, 1);
    EXPECT_EQ(form->lblMessage->text(), QStringLiteral("Practice"));
    QStringList asked{CurrentQuestion};
    play("w");
    asked << CurrentQuestion;
    play("r");
    EXPECT_EQ(ClockRunning, 0) << "a practice round ends when its questions are used";
    asked.sort();
    QStringList wanted = missed;
    wanted.sort();
    EXPECT_EQ(asked, wanted);

    // No name asked, no row added, no high score: only the first game is in the record.
    EXPECT_EQ(script.prompts, promptsBefore);
    EXPECT_EQ(classroom::readRecordFile(QStringLiteral("classresults.csv")).rows.size(), 1);
    ASSERT_NE(review(), nullptr);
    EXPECT_TRUE(review()->lblSummary->text().contains(QStringLiteral("practice")));
    // Its own review offers another round for the one missed again.
    EXPECT_TRUE(review()->cmdPractise->isEnabled());

    // A new game is a whole game again.
    form->btnBegin_Click();
    EXPECT_EQ(form->lblMessage->text(), QStringLiteral("Select the best answer."));
    EXPECT_EQ(form->turnLimit(), 6);
}

TEST_F(ClassroomTest, PracticeAlsoAsksAgainForEverySymbolPlacedWrongAndShowsNoScore)
{
    startSix();
    form->btnBegin_Click();
    // One question missed, one symbol placed outside the map.
    QString misplacedQuestion, misplacedRegion;
    const char* turns = "rwrorr";
    for (int t = 0; turns[t] && ClockRunning == 1; ++t) {
        if (turns[t] == 'o') {
            misplacedQuestion = CurrentQuestion;
            click(buttonWith(CorrectAnswer, true));
            misplacedRegion = TargetName;
            click(form->Picture1, QPoint(20, 20));
        } else {
            play(turns[t] == 'w' ? "w" : "r");
        }
    }
    // The review comes once the high scores are closed.
    if (Form6* scores = form->existingForm6()) {
        QTest::keyClick(scores->Command1, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
    }
    ASSERT_NE(review(), nullptr);
    ASSERT_FALSE(misplacedRegion.isEmpty());
    // The review shows where the misplaced symbol belonged, as a small map.
    int mapped = 0;
    for (int r = 0; r < review()->tblSymbols->rowCount(); ++r)
        if (auto* map = qobject_cast<QLabel*>(review()->tblSymbols->cellWidget(r, 4))) {
            ++mapped;
            EXPECT_EQ(map->accessibleName(), QStringLiteral("Map: %1 hatched").arg(misplacedRegion));
        }
    EXPECT_EQ(mapped, 1);
    const classroom::GameLog& log = form->classroom()->log();
    ASSERT_EQ(log.practiceQuestions().size(), 2);
    EXPECT_EQ(log.missedPlacements(), QStringList({misplacedRegion}));

    review()->cmdPractise->click();
    ASSERT_EQ(ClockRunning, 1);
    EXPECT_EQ(form->turnLimit(), 2);
    QStringList asked;
    QStringList drawn;
    for (int turn = 0; turn < 2 && ClockRunning == 1; ++turn) {
        asked << CurrentQuestion;
        click(buttonWith(CorrectAnswer, true));
        drawn << TargetName;
        placeOn(TargetName);
    }
    EXPECT_TRUE(asked.contains(misplacedQuestion));
    // The symbol placed wrong is the first to place again.
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_EQ(drawn.first(), misplacedRegion);
    ASSERT_EQ(ClockRunning, 0);
    ASSERT_NE(review(), nullptr);
    const QString summary = review()->lblSummary->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("2 of 2 right the first time."))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Symbols found: ") + misplacedRegion));
    EXPECT_FALSE(summary.contains(QStringLiteral("bonus"))) << summary.toStdString();
    EXPECT_EQ(log.bonus(), 0);
}

TEST_F(ClassroomTest, TheRecordAsksForANameOncePerGameAndAppendsARow)
{
    startSix({QStringLiteral("results: classresults.csv")});
    script.inputs = {QStringLiteral("Émilie Côté")};
    form->btnBegin_Click();
    play("wwrrrr");  // four right: no high score, so the record asks
    ASSERT_EQ(script.promptTitles, QStringList({"Class Record"}));
    EXPECT_EQ(script.promptDefaults, QStringList({""}));

    form->btnBegin_Click();
    play("wwrrrr");  // cancelled; the box never offers the name typed before
    ASSERT_EQ(script.promptTitles.size(), 2);
    EXPECT_EQ(script.promptDefaults[1], QString());

    script.inputs = {QStringLiteral("Ada")};
    form->btnBegin_Click();
    play("rrrrrr");  // a high score: its name is the record's, with no second prompt
    EXPECT_EQ(script.promptTitles.last(), QStringLiteral("High Score"));
    EXPECT_EQ(script.promptTitles.size(), 3);

    const QByteArray bytes = folder.read(QStringLiteral("classresults.csv"));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const classroom::RecordFile record = classroom::readRecordFile(QStringLiteral("classresults.csv"));
    ASSERT_EQ(record.rows.size(), 3);
    EXPECT_EQ(record.rows[0].name, QStringLiteral("Émilie Côté"));
    // The questions by their text, those of the question file.
    EXPECT_EQ(record.rows[0].missedQuestions.size(), 2);
    EXPECT_EQ(record.rows[0].askedQuestions.size(), 6);
    EXPECT_TRUE(record.rows[0].askedQuestions.contains(QStringLiteral("Question number 3?")));
    EXPECT_FALSE(record.rows[0].byNumber());
    EXPECT_EQ(record.rows[0].asked, 6);
    EXPECT_EQ(record.rows[0].rightFirstTime, 4);
    EXPECT_EQ(record.rows[0].symbols, 6);
    EXPECT_EQ(record.rows[1].name, QStringLiteral("(no name)"));
    EXPECT_EQ(record.rows[2].name, QStringLiteral("Ada"));
    EXPECT_EQ(record.rows[2].placed, 6);
    EXPECT_GT(record.rows[2].score, 0);
}

TEST_F(ClassroomTest, TheClassListIsOfferedAndATypedNameTakesItsSpelling)
{
    folder.write(QStringLiteral("class.txt"), QStringLiteral("Zoé Tremblay\r\nJosé Gagnon\r\n").toLatin1());
    startSix({QStringLiteral("Results: classresults.csv"), QStringLiteral("Pupils: class.txt")});
    EXPECT_TRUE(script.messages.isEmpty());
    script.inputs = {QStringLiteral("zoe TREMBLAY"), QStringLiteral("Noor")};
    for (int game = 0; game < 3; ++game) {
        form->btnBegin_Click();
        play("wwrrrr");
    }
    ASSERT_EQ(script.promptChoices.size(), 3);
    EXPECT_EQ(script.promptChoices[0], QStringList({"Zoé Tremblay", "José Gagnon"}));
    EXPECT_EQ(script.promptDefaults, QStringList({"", "", ""}));
    const classroom::RecordFile record = classroom::readRecordFile(QStringLiteral("classresults.csv"));
    ASSERT_EQ(record.rows.size(), 3);
    EXPECT_EQ(record.rows[0].name, QStringLiteral("Zoé Tremblay"));
    EXPECT_EQ(record.rows[1].name, QStringLiteral("Noor"));
    EXPECT_EQ(record.rows[2].name, QStringLiteral("(no name)"));
}

// A damaged record is the teacher's business: the pupils' start-up says nothing of it.
TEST_F(ClassroomTest, ADamagedRecordIsNotToldAtStartUp)
{
    folder.writeLines(QStringLiteral("classresults.csv"), {classroom::csvLine(classroom::headerFields()), QStringLiteral("half,a,row")});
    startSix({QStringLiteral("Results: classresults.csv")});
    EXPECT_TRUE(script.messages.isEmpty()) << script.messages.value(0).text.toStdString();
    EXPECT_EQ(ResultsFile, QStringLiteral("classresults.csv"));
}

TEST_F(ClassroomTest, ARecordThatCannotBeWrittenIsToldAndTheGameGoesOn)
{
    startSix({QStringLiteral("Results: adir.csv")});
    QDir(folder.path()).mkdir(QStringLiteral("adir.csv"));
    script.inputs = {QStringLiteral("Bo")};
    form->btnBegin_Click();
    play("wwrrrr");
    ASSERT_FALSE(script.messages.isEmpty());
    EXPECT_TRUE(script.messages.last().text.contains(QStringLiteral("adir.csv"))) << script.messages.last().text.toStdString();
    EXPECT_NE(review(), nullptr);
    form->btnBegin_Click();
    EXPECT_EQ(ClockRunning, 1);
}

TEST_F(ClassroomTest, ARowAddedWithoutTheLockIsToldAndKept)
{
    startSix({QStringLiteral("Results: shared.csv")});
    // Another computer's live game holds the record's lock all the wait.
    auto beat = [this, n = 0]() mutable {
        folder.write(QStringLiteral("shared.csv.lock"), "host pc-12\npid 4711\ntoken 77\nbeat " + QByteArray::number(++n) + "\n");
    };
    beat();
    script.onProcessEvents = beat;
    script.inputs = {QStringLiteral("Bo")};
    form->btnBegin_Click();
    play("wwrrrr");
    script.onProcessEvents = nullptr;
    ASSERT_FALSE(script.messages.isEmpty());
    const QString text = script.messages.last().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Your game was added to the class record shared.csv without its lock")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pc-12, process 4711"))) << text.toStdString();
    const classroom::RecordFile record = classroom::readRecordFile(QStringLiteral("shared.csv"));
    ASSERT_EQ(record.rows.size(), 1);
    EXPECT_EQ(record.rows[0].name, QStringLiteral("Bo"));
}

TEST_F(ClassroomTest, ClassResultsExplainsTheLineOrShowsTheMostMissedFirst)
{
    startSix();
    form->mnuClassResults_Click();
    ClassResults* results = form->classroom()->classResults();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->windowTitle(), ProgramTitle + QStringLiteral("--Class Results"));
    EXPECT_TRUE(results->lblStatus->text().contains(QStringLiteral("Results: classresults.csv")));
    results->close();

    writeRecord();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form->mnuClassResults_Click();
    results = form->classroom()->classResults();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->lblStatus->text().contains(QStringLiteral("2 games"))) << results->lblStatus->text().toStdString();
    EXPECT_TRUE(results->lblStatus->text().contains(QStringLiteral("Row 4 could not be read"))) << results->lblStatus->text().toStdString();
    EXPECT_EQ(results->tblGames->model()->rowCount(), 2);
    ASSERT_GE(results->tblMissed->rowCount(), 2);
    EXPECT_EQ(results->tblMissed->item(0, 1)->text(), QStringLiteral("Question number 4? *"));
    EXPECT_EQ(results->tblMissed->item(0, 2)->text(), QStringLiteral("asked 2 times, missed 2"));
    EXPECT_EQ(results->tblPupils->rowCount(), 2);
    // Older rows name questions by number: said so.
    EXPECT_TRUE(results->lblMissed->text().contains(QStringLiteral("2 games were recorded by question number")));
    // The grid marks by sign: Ana's question 4 wrong, 1 right.
    ASSERT_EQ(results->tblGrid->rowCount(), 2);
    EXPECT_EQ(results->tblGrid->item(0, 0)->text(), QStringLiteral("\u2718"));
    EXPECT_EQ(results->tblGrid->horizontalHeaderItem(0)->toolTip(), QStringLiteral("Question number 4?"));

    results->txtName->setText(QStringLiteral("bo"));
    EXPECT_EQ(results->tblGames->model()->rowCount(), 1);
    EXPECT_EQ(results->tblPupils->rowCount(), 1);
    results->txtName->clear();
    results->dtFrom->setDate(QDate(2026, 3, 3));
    EXPECT_EQ(results->tblGames->model()->rowCount(), 0);
}

TEST_F(ClassroomTest, ClassResultsSwitchesLanguageAndKeepsItsFiltersTabAndPupil)
{
    startSix();
    writeRecord();
    form->mnuClassResults_Click();
    ClassResults* results = form->classroom()->classResults();
    ASSERT_NE(results, nullptr);
    results->dtFrom->setDate(QDate(2026, 3, 2));
    results->tabs->setCurrentIndex(4);
    results->cboPupil->setCurrentIndex(results->cboPupil->findText(QStringLiteral("Bo")));
    ASSERT_EQ(results->cboPupil->currentText(), QStringLiteral("Bo"));
    const QString status = results->lblStatus->text();
    const QString missed = results->tblMissed->item(0, 2)->text();
    const int difficulty = 5;
    const int englishDateWidth = results->dtFrom->minimumWidth();
    // Every heading of the games table is shown whole, in either language.
    const auto cutHeadings = [results] {
        QStringList cut;
        const QHeaderView* header = results->tblGames->horizontalHeader();
        const QFontMetrics fm(header->font());
        for (int c = 0; c < header->count(); ++c) {
            const QString heading = results->tblGames->model()->headerData(c, Qt::Horizontal).toString();
            if (header->sectionSize(c) < fm.horizontalAdvance(heading))
                cut << heading;
        }
        return cut.join(QStringLiteral(", ")).toStdString();
    };
    EXPECT_EQ(cutHeadings(), "");
    {
        InFrench french;
        EXPECT_EQ(cutHeadings(), "");
        EXPECT_EQ(results->windowTitle(), ProgramTitle + QString::fromUtf8("--Résultats de la classe"));
        EXPECT_EQ(results->tabs->tabText(1), QString::fromUtf8("É&lèves"));
        EXPECT_TRUE(results->lblStatus->text().startsWith(QStringLiteral("Le registre de classe classresults.csv contient 2 parties.")))
            << results->lblStatus->text().toStdString();
        EXPECT_TRUE(results->lblStatus->text().contains(QStringLiteral("La ligne 4 n'a pas pu")));
        EXPECT_EQ(results->tblGames->model()->headerData(difficulty, Qt::Horizontal).toString(), QString::fromUtf8("Difficulté"));
        EXPECT_EQ(results->tblGames->model()->index(0, difficulty).data().toString(), QStringLiteral("normal"));
        EXPECT_EQ(results->tblMissed->item(0, 2)->text(), QString::fromUtf8("posée 2 fois, manquée 2 fois"));
        EXPECT_EQ(results->cboQuestionFile->itemText(0), QStringLiteral("tous les fichiers de questions"));
        EXPECT_TRUE(results->chartShare->chart()->title().startsWith(QString::fromUtf8("Taux de réussite")));
        EXPECT_TRUE(results->chartProgress->chart()->title().startsWith(QStringLiteral("Pointage et taux")));
        // "n'importe quel jour" is longer than "any day": the date boxes make room for it.
        EXPECT_GT(results->dtFrom->minimumWidth(), englishDateWidth);
        // What the teacher chose stays chosen, and the rows read stay read.
        EXPECT_EQ(results->dtFrom->date(), QDate(2026, 3, 2));
        EXPECT_EQ(results->tabs->currentIndex(), 4);
        EXPECT_EQ(results->cboPupil->currentText(), QStringLiteral("Bo"));
        EXPECT_EQ(results->tblGames->model()->rowCount(), 2);
    }
    EXPECT_EQ(results->lblStatus->text(), status);
    EXPECT_EQ(results->tblMissed->item(0, 2)->text(), missed);
    EXPECT_EQ(results->tblGames->model()->index(0, difficulty).data().toString(), QStringLiteral("regular"));
    results->close();
}

// The report, read back as a reader of the PDF sees it.
TEST_F(ClassroomTest, TheReportIsAPdfWithTheSummaryThePupilsAndTheMostMissed)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    startSix({QStringLiteral("Results: classresults.csv")});
    const QString header = classroom::csvLine(classroom::headerFields());
    QStringList lines{header};
    for (int pupil = 0; pupil < 30; ++pupil) {
        classroom::RecordRow row;
        row.when = QStringLiteral("2026-03-%1T10:00:00").arg(2 + pupil % 5, 2, 10, QLatin1Char('0'));
        row.name = QStringLiteral("Pupil %1").arg(pupil + 1, 2, 10, QLatin1Char('0'));
        row.questionFile = QStringLiteral("Valdra.qtn");
        row.score = 1000 + pupil;
        row.asked = 2;
        row.rightFirstTime = 1;
        row.askedQuestions = {QStringLiteral("Question number 5?"), QStringLiteral("Question number 2?")};
        row.missedQuestions = {QStringLiteral("Question number 5?")};
        lines << classroom::csvLine(classroom::rowFields(row));
    }
    folder.writeLines(QStringLiteral("classresults.csv"), lines);
    form->mnuClassResults_Click();
    ClassResults* results = form->classroom()->classResults();
    ASSERT_NE(results, nullptr);
    QString error;
    ASSERT_TRUE(results->savePdf(folder.file(QStringLiteral("report.pdf")), &error)) << error.toStdString();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), folder.file(QStringLiteral("report.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* words : {"Class report", "Class summary", "Games", "30", "The most missed questions of Valdra.qtn",
                              "Question number 5?", "0 %", "Question number 2?", "100 %", "Each pupil's games", "Pupil 01",
                              "Pupil 30", "2026-03-06 10:00:00", "Page 1 of", "classresults.csv"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words;
    // Pages numbered to the last, of the locale's paper.
    const int pages = int(text.count(QChar(u'\f')));
    EXPECT_GT(pages, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));

    // A file that cannot be written is named with the reason, and nothing is left behind.
    QDir(folder.path()).mkdir(QStringLiteral("locked"));
    QFile::setPermissions(folder.file(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(folder.file(QStringLiteral("locked"))).isWritable()) {
        error.clear();
        EXPECT_FALSE(results->savePdf(folder.file(QStringLiteral("locked/report.pdf")), &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST_F(ClassroomTest, TheSettingsEditorKeepsTheLinesItDoesNotWrite)
{
    startSix({QStringLiteral("Results: classresults.csv"), QStringLiteral("Pupils: class.txt"), QStringLiteral("; Room 12, Mr Tremblay")});
    EXPECT_EQ(ResultsFile, QStringLiteral("classresults.csv"));
    form->mnuSaveOptions_Click();
    form7* editor = form->existingSettingsEditor();
    ASSERT_NE(editor, nullptr);
    editor->Text1[3]->setText(QStringLiteral("5"));
    script.yesNoAnswers = {true};
    editor->cmdSave->click();
    const QStringList lines =
        QString::fromLatin1(folder.read(QStringLiteral("valdra.ini"))).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral("Timeoption: 5")));
    EXPECT_EQ(lines.filter(QStringLiteral("Dooroption")).size(), 1);
    EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({"Results: classresults.csv", "Pupils: class.txt", "; Room 12, Mr Tremblay"}));
}

TEST_F(ClassroomTest, TheCheckerKnowsTheRecordLine)
{
    folder.writeLines(QStringLiteral("classresults.csv"),
                      {classroom::csvLine(classroom::headerFields()), QStringLiteral("half,a,row")});
    const struct {
        const char* line;
        const char* words;
    } cases[] = {
        {"Results: classresults.csv", "has a row that cannot be read, row 2"},
        {"Results: nofolder/classresults.csv", "cannot be written"},
    };
    for (const auto& c : cases) {
        folder.writeLines(QStringLiteral("valdra.ini"), {QString::fromUtf8(c.line)});
        EXPECT_TRUE(checkertest::onlyComplaint(checker::checkSettingsFile(QStringLiteral("valdra.ini")), 1,
                                               checker::Severity::Problem, QString::fromUtf8(c.words)))
            << c.line;
    }
    folder.writeLines(QStringLiteral("valdra.ini"), {QStringLiteral("Results: new.csv")});
    EXPECT_TRUE(checkertest::complaints(checker::checkSettingsFile(QStringLiteral("valdra.ini"))).isEmpty());
}

} // namespace
