// SPDX-License-Identifier: GPL-3.0-or-later
// The game clock, the bonus and the ways a game ends.
#include "support/gamefixture.h"

#include "game/state.h"

using namespace modValdra;

class ClockTest : public GameFixture {
protected:
    // A game of `gameSeconds` started at the scripted clock's 36000.
    void begin(qint16 gameSeconds)
    {
        writeQuestions(20);
        start();
        GameSeconds = gameSeconds;
        script.clock = 36000.0;
        form->btnBegin_Click();
    }

    void tickAt(double elapsed)
    {
        script.clock = 36000.0 + elapsed;
        form->Timer1_Timer();
    }

    bool formIsOver() const
    {
        return ClockRunning == 0 && form->btnBegin->isVisibleTo(form.get())
            && !form->Frame2->isVisibleTo(form.get()) && form->Command1->isEnabled()
            && !form->Text2->isVisibleTo(form.get()) && form->lblmin->text().isEmpty()
            && form->lblsec->text().isEmpty() && form->lblTurnsLeft->text().isEmpty()
            && form->lblMessage->text().isEmpty() && form->lblBonus->text().isEmpty();
    }
};

TEST_F(ClockTest, TicksShowTheTimeLeftTheScoreTheTurnsAndTheBonus)
{
    struct Case { qint16 gameSeconds; double elapsed; const char* min; const char* sec; qint32 bonus; } cases[] = {
        {180, 0.4, "3", "0", 9000},
        {180, 1.0, "2", "59", 8950},
        {180, 55.0, "2", "5", 6250},   // 125 s
        {60, 40.0, "0", "20", 10000},
        {300, 0.0, "5", "0", 4500},
        {600, 0.0, "10", "0", 3000},
        {600, 540.0, "1", "0", 300},
    };
    for (const Case& c : cases) {
        begin(c.gameSeconds);
        Score = 375;
        QuestionsAnswered = 3;
        tickAt(c.elapsed);
        EXPECT_EQ(form->lblmin->text(), QString::fromLatin1(c.min)) << c.gameSeconds << "+" << c.elapsed;
        EXPECT_EQ(form->lblsec->text(), QString::fromLatin1(c.sec)) << c.gameSeconds << "+" << c.elapsed;
        EXPECT_EQ(Bonus, c.bonus) << c.gameSeconds << "+" << c.elapsed;
        EXPECT_EQ(form->lblBonus->text(), QString::number(c.bonus));
        EXPECT_EQ(form->lblScore->text(), QStringLiteral("375"));
        EXPECT_EQ(form->lblTurnsLeft->text(), QStringLiteral("9"));
        EXPECT_EQ(ClockRunning, 1);
        form->mnuEndGame_Click();
    }
}

TEST_F(ClockTest, TicksDoNothingWhileNoGameIsOn)
{
    writeQuestions(5);
    start();
    form->Timer1_Timer();
    EXPECT_EQ(form->lblmin->text(), QStringLiteral("0"));
    EXPECT_EQ(form->lblTurnsLeft->text(), QStringLiteral("0"));
    EXPECT_EQ(ClockRunning, 0);
}

TEST_F(ClockTest, TimeUpEndsTheGameWithTheHighScoreCheck)
{
    // A tick exactly at the end, and one that comes late: neither pays a bonus.
    for (double late : {0.0, 4.0}) {
        begin(180);
        Score = 1000;
        CorrectCount = 5;
        tickAt(100);
        tickAt(180 + late);
        EXPECT_TRUE(formIsOver()) << late;
        EXPECT_EQ(SecondsLeft, 0) << late;
        EXPECT_EQ(GameFinished, 0) << late;
        ASSERT_FALSE(script.prompts.isEmpty()) << late;
        EXPECT_EQ(HighScoreValues[0], 1000) << late;  // the score of the last tick, no bonus
    }
}

TEST_F(ClockTest, EndGameCommandAddsTheBonusWithoutTheCheck)
{
    begin(60);
    Score = 1000;
    CorrectCount = 6;
    form->Crest[0]->show();
    form->CrestImage->show();
    tickAt(20);  // 40 s left
    form->mnuEndGame_Click();
    EXPECT_EQ(Score, 21000);
    EXPECT_EQ(form->lblScore->text(), QStringLiteral("21000"));
    EXPECT_TRUE(formIsOver());
    EXPECT_TRUE(script.prompts.isEmpty());
    EXPECT_EQ(form->existingForm6(), nullptr);
    EXPECT_FALSE(form->Crest[0]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->CrestImage->isVisibleTo(form.get()));
    EXPECT_EQ(script.eventPasses, 1);

    // The bonus is paid once, however often the command is chosen.
    form->mnuEndGame_Click();
    EXPECT_EQ(Score, 21000);
}

TEST_F(ClockTest, FinishingAllTurnsEarlyPaysTheBonus)
{
    begin(60);
    Score = 1500;
    tickAt(40);  // 20 s left: 20 x 500
    QuestionsAnswered = SymbolCount;
    AwaitingLocation = 0;
    form->NextQuestion();
    EXPECT_TRUE(formIsOver());
    EXPECT_EQ(Score, 11500);
    EXPECT_EQ(form->lblScore->text(), QStringLiteral("11500"));
}

TEST_F(ClockTest, AGameAcrossMidnightKeepsItsTrueTimeLeft)
{
    writeQuestions(5);
    start();
    script.clock = 86390.0;
    form->btnBegin_Click();
    script.clock = 86400.0 + 5.0;  // the monotonic time of day counts on past midnight
    form->Timer1_Timer();
    EXPECT_EQ(SecondsLeft, 165);
    EXPECT_EQ(form->lblmin->text(), QStringLiteral("2"));
    EXPECT_EQ(form->lblsec->text(), QStringLiteral("45"));
    EXPECT_EQ(ClockRunning, 1);
}

TEST_F(ClockTest, RestartingDuringAGameStartsAfreshWithoutTheCheck)
{
    begin(180);
    Score = 9000;
    CorrectCount = 8;
    tickAt(150);
    form->mnuBegin_Click();
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(CorrectCount, 0);
    EXPECT_EQ(EndTime, 36150 + 180);
    EXPECT_TRUE(script.prompts.isEmpty());
    EXPECT_EQ(ClockRunning, 1);
    tickAt(150);
    EXPECT_EQ(form->lblmin->text(), QStringLiteral("3"));
    EXPECT_EQ(form->lblsec->text(), QStringLiteral("0"));
}

TEST_F(ClockTest, AGameRestartedAndEndedBeforeItsFirstTickPaysNoOldBonus)
{
    begin(180);
    tickAt(30);  // 150 s left: a bonus of 7500 stands
    ASSERT_GT(Bonus, 0);
    form->mnuBegin_Click();
    EXPECT_EQ(Bonus, 0);
    form->mnuEndGame_Click();
    EXPECT_EQ(Score, 0);
}
