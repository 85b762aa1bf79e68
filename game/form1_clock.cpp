// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "classroom/classroom.h"

#include "game/gameclock.h"
#include "game/regions.h"
#include "game/state.h"
#include "ui/announce.h"
#include "ui/platform.h"

using namespace modValdra;

void Form1::Timer1_Timer()
{
    if (ClockRunning != 1)
        return;
    SecondsLeft = gameclock::secondsLeft(EndTime, ui::platform().timeOfDay());
    lblmin->setText(QString::number(SecondsLeft / 60));
    lblsec->setText(QString::number(SecondsLeft % 60));
    lblScore->setText(QString::number(Score));
    lblTurnsLeft->setText(QString::number(turnLimit() - QuestionsAnswered));
    // Practice earns no time bonus: it is about what was learnt.
    Bonus = m_classroom->practising() ? 0 : SecondsLeft * gameclock::bonusPerSecond(GameSeconds);
    lblBonus->setText(m_classroom->practising() ? QString() : QString::number(Bonus));
    nameCounters();
    if (SecondsLeft < 1) {
        GameFinished = 1;
        EndGame();
    }
}

void Form1::EndGame()
{
    const bool wasRunning = ClockRunning == 1;
    // The time ran out on a symbol still waiting: the pupil is shown where it belonged.
    const bool symbolWaiting = AwaitingLocation == 1 && GameFinished == 1;
    if (m_classroom->practising())
        Bonus = 0;
    const qint32 bonusPaid = Bonus;
    Score = Score + Bonus;
    // The bonus is paid once: a second "End Game", or a new game ended before its first tick,
    // must not pay it again.
    Bonus = 0;
    lblScore->setText(QString::number(Score));
    lblBonus->setText(QString());
    ClockRunning = 0;
    AwaitingAnswer = 0;
    // A symbol still waiting for the map must not bring a question back after the end.
    cancelPendingPlacement();
    Frame2->hide();
    btnBegin->show();
    btnBegin->setFocus(Qt::OtherFocusReason);
    Command1->setEnabled(true);
    lblmin->setText(QString());
    lblsec->setText(QString());
    lblTurnsLeft->setText(QString());
    showMessage({});
    Text2->hide();
    const bool showWhere = symbolWaiting && regions::indexOfName(TargetName) >= 0;
    if (showWhere)
        showMissHighlight(TargetName, true);
    nameCounters();
    if (wasRunning)
        ui::announce(this, (m_classroom->practising()
                                ? tr("Practice over: %1 of %2 right the first time.").arg(CorrectCount).arg(QuestionsAnswered)
                                : tr("Game over. Score: %1.").arg(Score))
            + (showWhere ? QLatin1Char(' ') + tr("The hatching on the map shows %1.").arg(regions::shownObject(TargetName)) : QString()));
    m_classroom->gameEnded(GameFinished == 1, Score, bonusPaid);
    if (GameFinished == 1) {
        // Practice never enters the high-score list.
        if (!m_classroom->practising())
            CheckHighScore();
        GameFinished = 0;
        m_classroom->gameFinished();
    }
    // What was found about a teacher's file while the clock ran.
    tellPendingFindings();
}

void Form1::mnuEndGame_Click()
{
    Frame2->hide();
    GameFinished = 0;
    EndGame();
    for (auto* crest : Crest)
        crest->hide();
    Text2->hide();
    CrestImage->hide();
    clearMissHighlight();
    ui::platform().processEvents();
}
