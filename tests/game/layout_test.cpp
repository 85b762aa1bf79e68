// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/layout.h"

#include <gtest/gtest.h>

namespace {

TEST(RightColumn, AtTheMinimumSize)
{
    const layout::RightColumn c = layout::rightColumn(9600, 7200);
    EXPECT_EQ(c.Text2, QRect(6728, 3648, 2745, 612));
    EXPECT_EQ(c.CrestImage, QRect(7376, 4320, 1737, 2220));
    const int lefts[4] = {6556, 7276, 7996, 8716};
    const int tops[3] = {384, 1488, 2592};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(c.Crest[k], QRect(lefts[k % 4], tops[k / 4], 657, 972)) << "slot " << k;
}

TEST(RightColumn, AtTheDesignedSize)
{
    const layout::RightColumn c = layout::rightColumn(12000, 9000);
    EXPECT_EQ(c.Text2, QRect(7080, 4560, 4575, 765));
    EXPECT_EQ(c.CrestImage, QRect(8160, 5400, 2895, 2775));
    const int lefts[4] = {6860, 8060, 9260, 10460};
    const int tops[3] = {480, 1860, 3240};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(c.Crest[k], QRect(lefts[k % 4], tops[k / 4], 1095, 1215)) << "slot " << k;
}

TEST(RightColumn, StartsAtTheSamePlaceAndStretchesRight)
{
    // Wider windows only stretch the column: its left edge stays 6100 to 6200 in, plus the
    // gap that grows with it.
    const layout::RightColumn narrow = layout::rightColumn(9600, 9000);
    const layout::RightColumn wide = layout::rightColumn(18000, 9000);
    EXPECT_EQ(wide.Crest[0], QRect(7620, 480, 2190, 1215));
    EXPECT_EQ(wide.Crest[3].right() + 1, 7620 + 3 * 2400 + 2190);
    EXPECT_EQ(wide.Text2.top(), narrow.Text2.top());
    EXPECT_GT(wide.Text2.width(), narrow.Text2.width());
}

struct MoveCase {
    const char* what;
    int index;
    QPoint from;
    QPoint to;
};

class MoveQuestionBox : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveQuestionBox, StepsTwoHundredWithinTheLimits)
{
    // The designed box in the designed window.
    const MoveCase& c = GetParam();
    EXPECT_EQ(layout::moveQuestionBox(c.index, c.from, QSize(6915, 3165), QSize(12000, 9000)), c.to) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, MoveQuestionBox,
    ::testing::Values(MoveCase{"up from 401", 0, {90, 401}, {90, 201}},
                      MoveCase{"up from 201 no further", 0, {90, 201}, {90, 201}},
                      MoveCase{"up from 400 no further", 0, {90, 400}, {90, 400}},
                      MoveCase{"up from the designed place", 0, {90, 5100}, {90, 4900}},
                      MoveCase{"left from 201", 2, {201, 5100}, {1, 5100}},
                      MoveCase{"left from 200 no further", 2, {200, 5100}, {200, 5100}},
                      MoveCase{"left from 1 no further", 2, {1, 5100}, {1, 5100}},
                      // 9000 - 3165 = 5835: the bottom can end up to 199 past the window.
                      MoveCase{"down just inside", 1, {90, 5834}, {90, 6034}},
                      MoveCase{"down at the limit", 1, {90, 5835}, {90, 5835}},
                      // 12000 - 6915 = 5085.
                      MoveCase{"right just inside", 3, {5084, 5100}, {5284, 5100}},
                      MoveCase{"right at the limit", 3, {5085, 5100}, {5085, 5100}},
                      MoveCase{"no such arrow", 4, {90, 5100}, {90, 5100}}));

TEST(MoveQuestionBoxWide, TheRightArrowStillStopsInAWindowWiderThanSixteenBits)
{
    const QSize box(6915, 3165);
    const QSize window(40000, 9000);
    // The width counts as 32767, the widest a 16-bit number holds.
    EXPECT_EQ(layout::moveQuestionBox(3, {25851, 0}, box, window), QPoint(26051, 0));
    EXPECT_EQ(layout::moveQuestionBox(3, {25852, 0}, box, window), QPoint(25852, 0));
}

} // namespace
