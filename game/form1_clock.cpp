// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "classroom/classroom.h"

#include "game/gameclock.h"
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
    Bonus = SecondsLeft * gameclock::bonusPerSecond(GameSeconds);
    lblBonus->setText(QString::number(Bonus));
    nameCounters();
    if (SecondsLeft < 1) {
        GameFinished = 1;
        EndGame();
    }
}

void Form1::EndGame()
{
    const bool wasRunning = ClockRunning == 1;
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
    nameCounters();
    if (wasRunning)
        ui::announce(this, tr("Game over. Score: %1.").arg(Score));
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
    ui::platform().processEvents();
}
