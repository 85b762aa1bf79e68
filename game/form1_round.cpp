// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "classroom/classroom.h"
#include "game/deck.h"
#include "game/gameclock.h"
#include "game/regions.h"
#include "game/state.h"
#include "ui/announce.h"
#include "ui/platform.h"

using namespace modValdra;

namespace {

// Every draw takes a fresh number from the platform.
int drawWhole(int m) { return deck::wholeFromUniform(ui::platform().random(), m); }

// An answer as a button caption: "&" would otherwise turn into an access key and vanish.
QString asCaption(const QString& answer)
{
    QString caption = answer;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void Form1::btnBegin_Click()
{
    btnBegin->hide();
    m_classroom->stopPractice();
    NewGame();
}

void Form1::mnuBegin_Click() { btnBegin_Click(); }

void Form1::NewGame()
{
    // A symbol still waiting to be placed belongs to the game being replaced.
    cancelPendingPlacement();
    clearMissHighlight();
    ++m_gameSerial;

    CorrectCount = 0;
    ChooserMode = 0;
    for (auto* crest : Crest)
        crest->hide();
    CrestImage->hide();
    Text2->hide();
    QuestionsLeft = QuestionCount;
    // A practice round narrows the deck to the missed questions.
    m_classroom->gameStarting();
    Score = 0;
    // A game replaced before its end never paid its bonus; it must not be paid to this one.
    Bonus = 0;
    SymbolPoolTop = 12;
    for (int i = 0; i <= 12; ++i)
        SymbolOrder[i] = i;
    QuestionsAnswered = 0;
    m_minuteAnnounced = false;
    Timer1->start();
    EndTime = gameclock::endTime(ui::platform().timeOfDay(), GameSeconds);
    ClockRunning = 1;
    setCursor(Qt::ArrowCursor);
    NextQuestion();
    SecondsLeft = gameclock::secondsLeft(EndTime, ui::platform().timeOfDay());
    FoundCount = 0;
    if (SymbolListPending == 1) {
        SymbolListPending = 0;
        LoadCustomSymbols();
    }
    SampleRegionColours();
}

void Form1::NextQuestion()
{
    if (!deck::holdsUsable(QuestionText, AnswerText, QuestionsLeft)) {
        if (!deck::holdsUsable(QuestionText, AnswerText, QuestionCount)) {
            // Nothing could ever be asked: end at once instead of drawing for ever, before the
            // message, so that no tick can run on behind it.
            GameFinished = 0;
            EndGame();
            ui::platform().messageBox(this,
                m_questionFileUnread ? tr("The question file %1 could not be read.").arg(QuizFile)
                                     : tr("The question file %1 holds no usable question.").arg(QuizFile),
                ProgramTitle);
            return;
        }
        // Only the questions already asked in this pass are usable: start the next pass now.
        QuestionsLeft = QuestionCount;
    }

    const int m = QuestionsLeft;
    deck::drawQuestion(QuestionText, AnswerText, m, drawWhole);
    CurrentQuestion = QuestionText[m];
    for (int a = 1; a <= 4; ++a)
        CurrentAnswers[a] = AnswerText[m][a];
    QuestionsLeft = QuestionsLeft - 1;
    AwaitingAnswer = 1;
    DisplayQuestion();
    if (QuestionsLeft < 1)
        QuestionsLeft = QuestionCount;
    if (QuestionsLeft > QuestionCount)
        QuestionsLeft = QuestionCount;
}

void Form1::DisplayQuestion()
{
    Command1->setEnabled(false);
    if (QuestionsAnswered >= turnLimit()) {
        GameFinished = 1;
        EndGame();
        return;
    }
    m_answerList = CurrentAnswers;
    deck::shuffleAnswers(m_answerList, drawWhole);
    m_questionShown = true;
    lblQuestion->setCaption(QString(QChar(13)) + CurrentQuestion);
    lblQuestion->show();
    Frame2->show();
    Frame2->raise();
    for (int i = 1; i <= 4; ++i) {
        if (!m_answerList[i].isEmpty()) {
            btnAnswer[i]->setText(asCaption(m_answerList[i]));
            btnAnswer[i]->show();
        } else {
            btnAnswer[i]->hide();
        }
    }
    CorrectAnswer = CurrentAnswers[1];
    if (AwaitingAnswer == 1)
        m_wrongPicks.clear();
    markAnswers();
    if (m_classroom->practising())
        showMessage([] { return tr("Practice"); });
    else
        showMessage([] { return tr("Select the best answer."); });
    if (AwaitingAnswer == 1)
        m_classroom->questionShown();
    announceQuestion();
    placeKeyboardFocus();
}

void Form1::markAnswers()
{
    for (int i = 1; i <= 4; ++i) {
        ui::PictureButton* button = btnAnswer[i];
        const QString& answer = m_answerList[i];
        using Mark = ui::PictureButton::Mark;
        // Decided from the state: the answer each button stands for, never its caption.
        const Mark mark = m_wrongPicks.isEmpty() || answer.isEmpty() ? Mark::None
            : answer == CorrectAnswer                                 ? Mark::Right
            : m_wrongPicks.contains(answer)                           ? Mark::Wrong
                                                                      : Mark::None;
        button->setMark(mark);
        button->setAccessibleName(mark == Mark::Right   ? tr("\u2714 %1 (the correct answer)").arg(answer)
                                  : mark == Mark::Wrong ? tr("\u2718 %1 (wrong)").arg(answer)
                                                        : QString());
    }
}

void Form1::btnAnswer_Click(int Index)
{
    // The designed "Answer 1".."Answer 4" buttons stand there before the first game.
    if (ClockRunning != 1 || Index < 1 || Index > 4)
        return;

    if (AwaitingAnswer == 1)
        QuestionsAnswered = QuestionsAnswered + 1;
    const bool correct = m_answerList[Index] == CorrectAnswer;
    if (AwaitingAnswer == 1)
        m_classroom->answerGiven(m_answerList[Index], correct, SymbolCount > 0 ? 1500 / SymbolCount : 0);

    if (correct && AwaitingAnswer == 1) {
        CorrectCount = CorrectCount + 1;
        Score = Score + (SymbolCount > 0 ? 1500 / SymbolCount : 0);
        lblScore->setText(QString::number(Score));
        nameCounters();
        AwaitingLocation = 1;
        Picture1->setPointer(Image1->picture(), QPoint(16, 16));
        DrawTargetSymbol();
        nameMap();
        ui::announce(this, DifficultyLevel == 0
            ? tr("Right. Place the symbol of %1 on the map.").arg(regions::shownOf(TargetName))
            : tr("Right. Place the symbol on the map."));
    } else if (correct) {
        AwaitingAnswer = 1;
    } else {
        // Seen behind the box: the pick marked wrong, the right answer marked right.
        if (!m_wrongPicks.contains(m_answerList[Index]))
            m_wrongPicks << m_answerList[Index];
        markAnswers();
        // The clock keeps ticking while the box is open and may end this game (or, in
        // principle, anything may start another): then there is nothing left to go on with.
        const int serial = m_gameSerial;
        ui::announce(this, tr("Wrong. The correct answer is: %1").arg(CorrectAnswer));
        ui::platform().messageBox(this, CorrectAnswer, tr("WRONG!  The correct answer is:"));
        if (serial != m_gameSerial || ClockRunning != 1)
            return;
        AwaitingAnswer = 0;
    }

    if (correct) {
        m_wrongPicks.clear();
        markAnswers();
    }
    Frame2->hide();
    for (int i = 1; i <= 4; ++i)
        btnAnswer[i]->hide();
    lblQuestion->hide();
    Command1->setEnabled(true);
    if (AwaitingAnswer == 0)
        DisplayQuestion();
    else if (AwaitingLocation == 0)
        NextQuestion();
    placeKeyboardFocus();
}
