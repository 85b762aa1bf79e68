// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lockwaiter.h"
#include "classroom/classroom.h"

#include "classroom/classlist.h"
#include "classroom/classrecord.h"
#include "classroom/classresultswindow.h"
#include "classroom/gamereview.h"
#include "classroom/practice.h"
#include "game/form1.h"
#include "game/form6.h"
#include "game/state.h"
#include "ui/platform.h"
#include "files/textfile.h"

#include <QApplication>
#include <QScopeGuard>

using namespace modValdra;

namespace classroom {

namespace {

QStringList answersAt(int p)
{
    return {AnswerText[p][1], AnswerText[p][2], AnswerText[p][3], AnswerText[p][4]};
}

} // namespace

Classroom::Classroom(Form1* form) : QObject(form), m_form(form) {}

void Classroom::questionFileLoaded()
{
    m_texts.clear();
    m_answers.clear();
    for (int p = 1; p <= QuestionCount && p < QuestionSlots; ++p) {
        m_texts << QuestionText[p];
        m_answers << answersAt(p);
    }
}

int Classroom::numberOf(const QString& question, const QStringList& answers) const
{
    for (int i = 0; i < m_texts.size(); ++i)
        if (m_texts[i] == question && m_answers[i] == answers)
            return i + 1;
    return 0;
}

void Classroom::gameStarting()
{
    GameSetup setup;
    setup.questionFile = QuizFile;
    setup.minutes = GameSeconds / 60;
    setup.symbols = SymbolCount;
    setup.difficulty = DifficultyLevel;
    setup.practice = m_practising;
    m_log.startGame(setup);
    m_highScorePrompted = false;
    if (m_practising) {
        m_practiceTurns = arrangePracticeDeck(QuestionText, AnswerText, QuestionCount, m_practice);
        QuestionsLeft = m_practiceTurns;
        m_symbolsToAsk = m_practiceSymbols;
    }
}

void Classroom::questionShown()
{
    const QStringList answers{CurrentAnswers[1], CurrentAnswers[2], CurrentAnswers[3], CurrentAnswers[4]};
    m_log.questionAsked(numberOf(CurrentQuestion, answers), CurrentQuestion, answers);
}

void Classroom::answerGiven(const QString& answer, bool right, int points) { m_log.answered(answer, right, points); }

void Classroom::symbolDrawn(const QImage& picture, const QString& region) { m_log.symbolDrawn(picture, region); }

void Classroom::symbolPlaced(const QString& region, bool found, int points) { m_log.placed(region, found, points); }

void Classroom::gameEnded(bool natural, qint32 finalScore, qint32 bonus)
{
    GameEnd how = GameEnd::BrokenOff;
    if (natural)
        how = QuestionsAnswered >= m_form->turnLimit() ? GameEnd::AllTurns : GameEnd::TimeUp;
    m_log.ended(how, finalScore, bonus);
}

void Classroom::highScoreStep(bool entered, qint32 lastEntry, const QString& name)
{
    m_highScorePrompted = m_highScorePrompted || entered;
    m_log.highScoreStep(entered, lastEntry, name);
}

void Classroom::gameFinished()
{
    if (!m_log.naturalEnd())
        return;
    if (!m_log.setup().practice && !ResultsFile.isEmpty())
        recordGame();
    showReview();
}

void Classroom::recordGame()
{
    // The class list, read again for each game so a teacher's edit counts at once. Nothing is
    // offered beforehand: a pupil who only presses Enter is filed under no one else's name.
    const QStringList pupils = PupilsFile.isEmpty() ? QStringList() : readClassList(PupilsFile).names;
    QString name;
    if (m_highScorePrompted) {
        name = m_log.highScoreName();
    } else {
        const QString prompt = tr("Your game goes into the class record.\rEnter your name:");
        name = pupils.isEmpty() ? ui::platform().inputBox(m_form, prompt, tr("Class Record"))
                                : ui::platform().inputBoxWithChoices(m_form, tr("Your game goes into the class record.\r"
                                                                                "Pick or type your name:"),
                                                                     tr("Class Record"), pupils);
    }
    name = matchListedName(name, pupils);

    RecordRow row;
    row.when = ui::platform().currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    row.name = name.isEmpty() ? noName() : name;
    row.questionFile = m_log.setup().questionFile;
    row.minutes = m_log.setup().minutes;
    row.symbols = m_log.setup().symbols;
    row.difficulty = m_log.setup().difficulty;
    row.score = m_log.finalScore();
    row.bonus = m_log.bonus();
    row.asked = m_log.questionsAnswered();
    row.rightFirstTime = m_log.rightFirstTime();
    row.placed = m_log.symbolsPlaced();
    row.tries = m_log.triesOnMap();
    row.missedQuestions = m_log.missedTexts();
    row.askedQuestions = m_log.askedTexts();

    AppendResult result;
    {
        // The hourglass, in case another game holds the folder's lock for a moment.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        ui::WindowLockWaiter waiter;
        result = appendRecordRow(ResultsFile, row, waiter);
    }
    if (!result.ok)
        ui::platform().messageBox(m_form, ui::saveFailedMessage(tr("The class record"), ResultsFile, result.error),
                                  ProgramTitle);
    else if (!result.sharingError.isEmpty())
        ui::platform().messageBox(m_form,
                                  tr("Your game was added to the class record %1 without its lock: other games may be "
                                     "saving into it at the same moment.\n\n%2")
                                      .arg(ResultsFile, result.sharingError),
                                  ProgramTitle);
    if (m_results)
        m_results->reload();
}

void Classroom::showReview()
{
    // One review at a time: the last game's.
    if (m_review)
        m_review->close();
    // The high scores first: the review waits for their window to close, so neither covers
    // the other (and a game begun meanwhile has a review of its own to come).
    if (Form6* scores = m_form->existingForm6(); scores && scores->isVisible()) {
        // Queued: while `destroyed` is emitted the window is half taken down, and when the
        // whole game window is closing, the review must not come at all.
        connect(scores, &QObject::destroyed, this, [this] {
            if (ClockRunning == 0 && m_log.naturalEnd())
                showReview();
        }, Qt::QueuedConnection);
        return;
    }
    m_review = new GameReview(m_log, m_form);
    connect(m_review, &GameReview::practiseRequested, this, [this] {
        if (!m_review)
            return;
        const GameLog& log = m_review->log();
        if (startPractice(log.practiceQuestions(), log.missedPlacements()) && m_review)
            m_review->close();
    });
    m_review->show();
    m_review->raise();
    m_review->activateWindow();
}

QString Classroom::takePracticeSymbol()
{
    if (!m_practising || m_symbolsToAsk.isEmpty())
        return QString();
    return m_symbolsToAsk.takeFirst();
}

bool Classroom::startPractice(const QList<AskedQuestion>& questions, const QStringList& symbols)
{
    // Only what the bank still holds can be asked: a new question file may have come since.
    deck::Questions texts = QuestionText;
    deck::Answers answers = AnswerText;
    const int found = arrangePracticeDeck(texts, answers, QuestionCount, questions);
    if (found == 0) {
        ui::platform().messageBox(m_form, tr("The missed questions are not in the question file now in use."),
                                  ProgramTitle);
        return false;
    }
    // Never under the high scores, where its clock would run unseen.
    if (Form6* scores = m_form->existingForm6())
        scores->close();
    m_practice = questions;
    m_practiceSymbols = symbols;
    m_practising = true;
    m_form->btnBegin->hide();
    m_form->NewGame();
    return true;
}

void Classroom::showClassResults()
{
    if (!m_results)
        m_results = new ClassResults(this, m_form);
    else
        m_results->reload();
    m_results->show();
    m_results->raise();
    m_results->activateWindow();
}

} // namespace classroom
