// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <deque>

namespace {

// A draw that hands out the given whole numbers in turn and records the ranges asked for.
struct ScriptedDraw {
    std::deque<int> picks;
    std::vector<int> ranges;
    deck::DrawWhole fn()
    {
        return [this](int m) {
            ranges.push_back(m);
            const int p = picks.empty() ? 1 : picks.front();
            if (!picks.empty())
                picks.pop_front();
            return p;
        };
    }
};

struct Bank {
    deck::Questions texts;
    deck::Answers answers;
    void set(int q, const QString& text, const QString& answer1 = QStringLiteral("Right"))
    {
        texts[q] = text;
        answers[q] = {QString(), answer1, text + QStringLiteral(" b"), text + QStringLiteral(" c"), QString()};
    }
};

} // namespace

TEST(Deck, WholeNumberDraw)
{
    struct Case { double r; int m; int expected; } cases[] = {
        {0.0, 4, 1}, {0.2499, 4, 1}, {0.25, 4, 2}, {0.74, 4, 3}, {0.9999, 4, 4},
        {0.5, 1, 1}, {0.0, 7, 1}, {0.99, 7, 7},
        {1.0, 4, 4}, {-0.1, 4, 1},  // strays stay in range
    };
    for (const Case& c : cases)
        EXPECT_EQ(deck::wholeFromUniform(c.r, c.m), c.expected) << c.r << " of " << c.m;
}




TEST(Deck, DrawPassesOverUnusableQuestionsAndDrawsAgainFromTheWholeOpenPart)
{
    Bank bank;
    bank.set(1, QStringLiteral("Good question?"));
    bank.set(2, QStringLiteral("Abcd"));
    bank.set(3, QStringLiteral("Unanswerable?"), QString());
    bank.set(4, QStringLiteral("Later one?"));
    // 3 (no answer), then 2 (short), then 1: the passed-over ones stay in the open part.
    ScriptedDraw draw{{3, 2, 1}, {}};
    deck::drawQuestion(bank.texts, bank.answers, 3, draw.fn());
    EXPECT_EQ(bank.texts[3], QStringLiteral("Good question?"));
    EXPECT_EQ(draw.ranges, std::vector<int>({3, 3, 3}));
    QStringList open{bank.texts[1], bank.texts[2]};
    open.sort();
    EXPECT_EQ(open, QStringList({QStringLiteral("Abcd"), QStringLiteral("Unanswerable?")}));
    EXPECT_EQ(bank.texts[4], QStringLiteral("Later one?"));  // above the open part: untouched
}


TEST(Deck, ShuffleSwapsFromTheLastAnswerDown)
{
    struct Case {
        deck::AnswerList before;
        std::deque<int> picks;
        deck::AnswerList after;
        std::vector<int> ranges;
    } cases[] = {
        // j = 1 each time: 4<->1, 3<->1, 2<->1.
        {{"", "R", "A", "B", "C"}, {1, 1, 1, 1}, {"", "A", "B", "C", "R"}, {4, 3, 2, 1}},
        // Two answers: only positions 1 and 2 take part.
        {{"", "True", "False", "", ""}, {1, 1}, {"", "False", "True", "", ""}, {2, 1}},
        // An empty answer below the last one is shuffled with the rest.
        {{"", "R", "", "C", ""}, {2, 1, 1}, {"", "C", "R", "", ""}, {3, 2, 1}},
        // Nothing to shuffle, nothing drawn.
        {{"", "", "", "", ""}, {}, {"", "", "", "", ""}, {}},
    };
    for (Case& c : cases) {
        ScriptedDraw draw{c.picks, {}};
        deck::AnswerList list = c.before;
        deck::shuffleAnswers(list, draw.fn());
        EXPECT_EQ(list, c.after) << c.before[1].toStdString();
        EXPECT_EQ(draw.ranges, c.ranges) << c.before[1].toStdString();
    }
}
