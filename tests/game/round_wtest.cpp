// SPDX-License-Identifier: GPL-3.0-or-later
// The question round and the new game: draws, shuffles, judging, turns.
#include "support/gamefixture.h"

#include "game/state.h"

#include <QFile>
#include <QPushButton>
#include <set>

using namespace modValdra;

namespace {

// The uniform number that draws p from 1..m.
float pick(int p, int m) { return (float(p) - 0.5f) / float(m); }

} // namespace

class RoundTest : public GameFixture {
protected:
    // Starts a game on a file of `count` questions; the first question is drawn with `draws`.
    void begin(int count, std::deque<float> draws = {})
    {
        writeQuestions(count);
        start();
        script.randoms = std::move(draws);
        form->btnBegin_Click();
    }

    QStringList shownAnswers() const
    {
        QStringList shown;
        for (int i = 1; i <= 4; ++i)
            shown << (form->btnAnswer[i]->isVisibleTo(form.get()) ? form->btnAnswer[i]->text() : QString());
        return shown;
    }

    int buttonWith(const QString& answer) const
    {
        for (int i = 1; i <= 4; ++i)
            if (form->btnAnswer[i]->isVisibleTo(form.get()) && form->btnAnswer[i]->text() == answer)
                return i;
        return 0;
    }

    int rightButton() const { return buttonWith(CorrectAnswer); }
    int wrongButton() const
    {
        for (int i = 1; i <= 4; ++i)
            if (form->btnAnswer[i]->isVisibleTo(form.get()) && form->btnAnswer[i]->text() != CorrectAnswer)
                return i;
        return 0;
    }

    bool questionOnShow() const { return form->Frame2->isVisibleTo(form.get()); }

    // What the map's check does once a symbol is placed.
    void placeSymbol()
    {
        AwaitingLocation = 0;
        form->NextQuestion();
    }
};

TEST_F(RoundTest, NewGameResetsTheCountersAndShowsTheFirstQuestion)
{
    writeQuestions(7);
    start();
    Score = 900;
    CorrectCount = 3;
    QuestionsAnswered = 4;
    ChooserMode = 2;
    form->Crest[2]->show();
    form->CrestImage->show();
    form->Text2->show();
    script.randoms = {pick(7, 7)};
    form->btnBegin_Click();

    EXPECT_EQ(Score, 0);
    EXPECT_EQ(CorrectCount, 0);
    EXPECT_EQ(QuestionsAnswered, 0);
    EXPECT_EQ(ChooserMode, 0);
    EXPECT_FALSE(form->Crest[2]->isVisibleTo(form.get()));
    EXPECT_FALSE(form->CrestImage->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Text2->isVisibleTo(form.get()));
    EXPECT_FALSE(form->btnBegin->isVisibleTo(form.get()));
    EXPECT_EQ(ClockRunning, 1);
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(EndTime, 36180);
    EXPECT_EQ(SecondsLeft, 180);
    // The whole bank of 7 is open: the last one can come first.
    EXPECT_EQ(CurrentQuestion, QStringLiteral("Question number 7?"));
    EXPECT_EQ(QuestionsLeft, 6);
    EXPECT_EQ(form->lblQuestion->caption(), QStringLiteral("\rQuestion number 7?"));
    EXPECT_TRUE(questionOnShow());
    EXPECT_EQ(form->lblMessage->text(), QStringLiteral("Select the best answer."));
    // The labels wait for the first tick.
    EXPECT_EQ(form->lblmin->text(), QStringLiteral("0"));
    EXPECT_EQ(form->lblTurnsLeft->text(), QStringLiteral("0"));
}

TEST_F(RoundTest, ACorrectFirstAnswerScoresAndArmsTheMap)
{
    struct Case { qint16 symbols; qint32 points; } cases[] = {{12, 125}, {6, 250}};
    for (const Case& c : cases) {
        begin(5);
        SymbolCount = c.symbols;
        form->btnAnswer_Click(rightButton());
        EXPECT_EQ(Score, c.points);
        EXPECT_EQ(form->lblScore->text(), QString::number(c.points));
        EXPECT_EQ(CorrectCount, 1);
        EXPECT_EQ(QuestionsAnswered, 1);
        EXPECT_EQ(AwaitingLocation, 1);
        EXPECT_EQ(form->Picture1->cursor().shape(), Qt::BitmapCursor);
        EXPECT_FALSE(questionOnShow());
        EXPECT_TRUE(script.messages.isEmpty());
        AwaitingLocation = 0;
    }
}

TEST_F(RoundTest, AWrongAnswerBringsTheSameQuestionBackAndTheRightOneThenEarnsNothing)
{
    begin(5, {pick(2, 5), pick(1, 4), pick(1, 3), pick(1, 2), pick(1, 1)});
    const QString question = CurrentQuestion;
    const QStringList before = shownAnswers();
    EXPECT_EQ(before, QStringList({"Wrong A2", "Wrong B2", "Wrong C2", "Right 2"}));

    // This time no answer moves.
    script.randoms = {pick(4, 4), pick(3, 3), pick(2, 2), pick(1, 1)};
    form->btnAnswer_Click(buttonWith(QStringLiteral("Wrong B2")));
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_EQ(script.messages[0].title, QStringLiteral("WRONG!  The correct answer is:"));
    EXPECT_EQ(script.messages[0].text, QStringLiteral("Right 2"));
    EXPECT_EQ(AwaitingAnswer, 0);
    EXPECT_EQ(QuestionsAnswered, 1);
    EXPECT_EQ(CurrentQuestion, question);
    EXPECT_TRUE(questionOnShow());
    EXPECT_EQ(shownAnswers(), QStringList({"Right 2", "Wrong A2", "Wrong B2", "Wrong C2"}));

    // Another wrong answer costs no second turn.
    form->btnAnswer_Click(buttonWith(QStringLiteral("Wrong C2")));
    EXPECT_EQ(QuestionsAnswered, 1);

    form->btnAnswer_Click(rightButton());
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(CorrectCount, 0);
    EXPECT_EQ(QuestionsAnswered, 1);
    EXPECT_EQ(AwaitingAnswer, 1);
    EXPECT_EQ(AwaitingLocation, 0);
    EXPECT_NE(CurrentQuestion, question);  // the next question follows at once
    EXPECT_TRUE(questionOnShow());
}

TEST_F(RoundTest, BehindTheWrongBoxThePickIsMarkedWrongAndTheRightAnswerRightUntilItIsPicked)
{
    begin(5, {pick(2, 5), pick(1, 4), pick(1, 3), pick(1, 2), pick(1, 1)});
    using Mark = ui::PictureButton::Mark;
    auto marks = [&] {
        QList<Mark> m;
        for (int i = 1; i <= 4; ++i)
            m << form->btnAnswer[i]->mark();
        return m;
    };
    EXPECT_EQ(marks(), QList<Mark>(4, Mark::None));
    // Seen while the box is open, on the buttons as they stood.
    QList<Mark> whileOpen;
    QString rightName;
    script.whileMessageOpen = [&](const auto&) {
        whileOpen = marks();
        rightName = form->btnAnswer[buttonWith(QStringLiteral("Right 2"))]->accessibleName();
    };
    script.randoms = {pick(4, 4), pick(3, 3), pick(2, 2), pick(1, 1)};
    form->btnAnswer_Click(buttonWith(QStringLiteral("Wrong B2")));
    EXPECT_EQ(whileOpen, QList<Mark>({Mark::None, Mark::Wrong, Mark::None, Mark::Right}));
    EXPECT_EQ(rightName, QStringLiteral("\u2714 Right 2 (the correct answer)"));
    // The question back, its answers shuffled anew: the marks follow the answers.
    EXPECT_EQ(shownAnswers(), QStringList({"Right 2", "Wrong A2", "Wrong B2", "Wrong C2"}));
    EXPECT_EQ(marks(), QList<Mark>({Mark::Right, Mark::None, Mark::Wrong, Mark::None}));
    EXPECT_EQ(form->btnAnswer[3]->accessibleName(), QStringLiteral("\u2718 Wrong B2 (wrong)"));
    // The captions stay the answers: the marks never change what a button says it is.
    EXPECT_EQ(form->btnAnswer[3]->text(), QStringLiteral("Wrong B2"));

    script.whileMessageOpen = nullptr;
    form->btnAnswer_Click(buttonWith(QStringLiteral("Wrong C2")));
    EXPECT_EQ(marks().count(Mark::Wrong), 2);

    // The right one picked: the next question comes unmarked.
    form->btnAnswer_Click(rightButton());
    EXPECT_EQ(marks(), QList<Mark>(4, Mark::None));
    EXPECT_TRUE(form->btnAnswer[1]->accessibleName().isEmpty());
}

TEST_F(RoundTest, ThreeQuestionsAreAllAskedBeforeAnyComesBack)
{
    for (float r : {0.0f, 0.5f, 0.99f}) {
        begin(3, {r});
        std::set<QString> asked{CurrentQuestion};
        for (int turn = 2; turn <= 3; ++turn) {
            form->btnAnswer_Click(wrongButton());
            script.randoms = {r};
            form->btnAnswer_Click(rightButton());
            asked.insert(CurrentQuestion);
        }
        EXPECT_EQ(asked.size(), 3u) << r;
        EXPECT_EQ(QuestionsLeft, 3) << r;  // the deck has refilled
    }
}

TEST_F(RoundTest, ATwoAnswerQuestionShowsTwoButtonsInEitherOrder)
{
    folder.writeLines(QStringLiteral("Valdra.qtn"), {"Ottawa is the capital.", "True", "False", "", ""});
    start();
    struct Case { float first; QStringList shown; } cases[] = {
        {pick(1, 2), {"False", "True", "", ""}},
        {pick(2, 2), {"True", "False", "", ""}},
    };
    for (const Case& c : cases) {
        script.randoms = {0.0f, c.first, 0.0f};
        form->btnBegin_Click();
        EXPECT_EQ(shownAnswers(), c.shown);
        EXPECT_FALSE(form->btnAnswer[3]->isVisibleTo(form.get()));
        EXPECT_FALSE(form->btnAnswer[4]->isVisibleTo(form.get()));
    }
}

TEST_F(RoundTest, TheAnswerIsJudgedByItsTextNotItsButton)
{
    // A wrong answer with the text of answer 1 counts as correct; an "&" shows as typed.
    folder.writeLines(QStringLiteral("Valdra.qtn"), {"Which one is right?", "Salt & Pepper", "Salt & Pepper", "Sugar", ""});
    start();
    script.messages.clear();  // what the file holds was told at start
    for (int i : {1, 2}) {
        script.randoms = {0.0f, pick(3, 3), pick(2, 2), pick(1, 1)};
        form->btnBegin_Click();
        EXPECT_EQ(form->btnAnswer[i]->text(), QStringLiteral("Salt && Pepper"));
        form->btnAnswer_Click(i);
        EXPECT_EQ(CorrectCount, 1) << i;
        EXPECT_TRUE(script.messages.isEmpty()) << i;
        AwaitingLocation = 0;
    }
}

TEST_F(RoundTest, UnaskableQuestionsAreNeverShown)
{
    // Position 2 is too short, position 3 has no answer 1: only the first can ever be asked,
    // however the draws fall and however often the deck turns over.
    folder.writeLines(QStringLiteral("Valdra.qtn"),
                      {"Abcde", "Right", "Wrong", "", "", "Abcd", "Right", "Wrong", "", "",
                       "Which river?", "", "Fraser", "Yukon", ""});
    start();
    script.randoms = {pick(3, 3), pick(2, 3), pick(3, 3), pick(1, 3)};
    form->btnBegin_Click();
    EXPECT_EQ(CurrentQuestion, QStringLiteral("Abcde"));
    for (int turn = 2; turn <= 6; ++turn) {
        form->btnAnswer_Click(wrongButton());
        script.randoms = {pick(turn % 2 + 1, 2), 0.9f, 0.0f, 0.5f};
        form->btnAnswer_Click(rightButton());
        EXPECT_EQ(CurrentQuestion, QStringLiteral("Abcde")) << turn;
        EXPECT_TRUE(questionOnShow()) << turn;
    }
}

TEST_F(RoundTest, TheExitButtonIsOffOnlyWhileAQuestionIsOnShow)
{
    begin(5);
    EXPECT_FALSE(form->Command1->isEnabled());
    bool offWhileBoxOpen = false;
    script.whileMessageOpen = [&](const auto&) { offWhileBoxOpen = !form->Command1->isEnabled(); };
    form->btnAnswer_Click(wrongButton());
    EXPECT_TRUE(offWhileBoxOpen);
    EXPECT_FALSE(form->Command1->isEnabled());  // the same question again
    form->btnAnswer_Click(rightButton());
    EXPECT_FALSE(form->Command1->isEnabled());  // the next question
    form->btnAnswer_Click(rightButton());
    EXPECT_TRUE(form->Command1->isEnabled());   // the map waits
    placeSymbol();
    EXPECT_FALSE(form->Command1->isEnabled());
    form->mnuEndGame_Click();
    EXPECT_TRUE(form->Command1->isEnabled());
}

TEST_F(RoundTest, TheGameEndsAfterTheLastTurn)
{
    // Each turn: answered right at once and placed, or answered wrongly and then rightly.
    for (bool wrongFirst : {false, true}) {
        begin(20);
        SymbolCount = 6;
        for (int turn = 1; turn < 6; ++turn) {
            if (wrongFirst) {
                form->btnAnswer_Click(wrongButton());
                form->btnAnswer_Click(rightButton());
            } else {
                form->btnAnswer_Click(rightButton());
                placeSymbol();
            }
            ASSERT_EQ(ClockRunning, 1) << turn;
            ASSERT_TRUE(questionOnShow()) << turn;
        }
        if (wrongFirst) {
            // A wrong answer in the last turn ends the game as soon as the box closes.
            form->btnAnswer_Click(wrongButton());
        } else {
            form->btnAnswer_Click(rightButton());
            EXPECT_EQ(ClockRunning, 1);
            placeSymbol();
        }
        EXPECT_EQ(QuestionsAnswered, 6) << wrongFirst;
        EXPECT_EQ(ClockRunning, 0) << wrongFirst;
        EXPECT_FALSE(questionOnShow()) << wrongFirst;
        EXPECT_TRUE(form->btnBegin->isVisibleTo(form.get())) << wrongFirst;
        EXPECT_TRUE(form->Command1->isEnabled()) << wrongFirst;
        EXPECT_EQ(GameFinished, 0) << wrongFirst;
    }
    // Only the game of right answers earned a place in the list.
    EXPECT_EQ(script.prompts.size(), 1);
}

TEST_F(RoundTest, AnswerButtonsDoNothingWhenNoGameIsOn)
{
    writeQuestions(5);
    start();
    for (int i = 1; i <= 4; ++i)
        form->btnAnswer_Click(i);
    EXPECT_EQ(QuestionsAnswered, 0);
    EXPECT_EQ(Score, 0);
    EXPECT_TRUE(script.messages.isEmpty());
    EXPECT_TRUE(questionOnShow());  // the designed box stays as it was
}

TEST_F(RoundTest, AFileWithoutAUsableQuestionEndsTheGameAtOnce)
{
    struct Case { const char* what; QByteArray file; bool write; const char* message; } cases[] = {
        {"missing file", {}, false, "The question file Valdra.qtn could not be read."},
        {"empty file", {}, true, "The question file Valdra.qtn holds no usable question."},
        {"only short lines", "abc\r\nx\r\ny\r\nz\r\nw\r\nab\r\n", true, "The question file Valdra.qtn holds no usable question."},
        {"no answer 1", "What is the capital?\r\n\r\nRegina\r\nOttawa\r\n\r\n", true, "The question file Valdra.qtn holds no usable question."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        script = ui::ScriptedPlatform();
        SetUp();
        QFile::remove(folder.file(QStringLiteral("Valdra.qtn")));
        if (c.write)
            folder.write(QStringLiteral("Valdra.qtn"), c.file);
        start();
        script.messages.clear();  // what the file holds was told at start
        // The game is over before the message shows, so no tick behind it can pay a bonus.
        bool endedFirst = false;
        script.whileMessageOpen = [&](const auto&) {
            endedFirst = ClockRunning == 0;
            script.clock += 30;
            form->Timer1_Timer();
        };
        form->btnBegin_Click();  // must return
        EXPECT_TRUE(endedFirst);
        EXPECT_EQ(Score, 0);
        ASSERT_EQ(script.messages.size(), 1);
        EXPECT_EQ(script.messages[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(script.messages[0].title, QStringLiteral("Quillora"));
        EXPECT_EQ(ClockRunning, 0);
        EXPECT_EQ(GameFinished, 0);
        EXPECT_EQ(QuestionsAnswered, 0);
        EXPECT_FALSE(questionOnShow());
        EXPECT_TRUE(form->btnBegin->isVisibleTo(form.get()));
        EXPECT_EQ(script.randomDraws, 0);
    }
}

TEST_F(RoundTest, TheClockRunningOutWhileTheWrongAnswerBoxIsOpenEndsTheGameForGood)
{
    begin(5);
    CorrectCount = 5;
    Score = 1000;
    script.whileMessageOpen = [&](const auto&) {
        script.clock = EndTime + 1;
        form->Timer1_Timer();
    };
    form->btnAnswer_Click(wrongButton());
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(AwaitingAnswer, 0);
    EXPECT_FALSE(questionOnShow());
    EXPECT_TRUE(form->Command1->isEnabled());
    EXPECT_TRUE(form->btnBegin->isVisibleTo(form.get()));
    EXPECT_EQ(script.prompts.size(), 1);  // time up: the score was offered to the list

    // Nor may a new game started meanwhile be touched by the old box.
    script.whileMessageOpen = nullptr;
    begin(5);
    script.whileMessageOpen = [&](const auto&) { form->mnuBegin_Click(); };
    form->btnAnswer_Click(wrongButton());
    EXPECT_EQ(QuestionsAnswered, 0);
    EXPECT_EQ(AwaitingAnswer, 1);
    EXPECT_TRUE(questionOnShow());
}

TEST_F(RoundTest, APendingPlacementIsCancelledByTheEndOrANewGame)
{
    begin(5);
    form->btnAnswer_Click(rightButton());
    ASSERT_EQ(AwaitingLocation, 1);
    form->mnuEndGame_Click();
    EXPECT_EQ(AwaitingLocation, 0);
    EXPECT_NE(form->Picture1->cursor().shape(), Qt::BitmapCursor);

    form->btnBegin_Click();
    form->btnAnswer_Click(rightButton());
    ASSERT_EQ(AwaitingLocation, 1);
    form->mnuBegin_Click();
    EXPECT_EQ(AwaitingLocation, 0);
    EXPECT_NE(form->Picture1->cursor().shape(), Qt::BitmapCursor);
}
