#include "game/gameclock.h"

#include <gtest/gtest.h>

TEST(GameClock, BonusPerSecondLeft)
{
    struct Case { int gameSeconds; int rate; } cases[] = {{60, 500}, {180, 50}, {300, 15}, {600, 5}, {0, 0}, {120, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(gameclock::bonusPerSecond(c.gameSeconds), c.rate) << c.gameSeconds;
    // The largest bonus of each length.
    EXPECT_EQ(60 * gameclock::bonusPerSecond(60), 30000);
    EXPECT_EQ(600 * gameclock::bonusPerSecond(600), 3000);
}

TEST(GameClock, EndTimeAndSecondsLeftRoundToTheNearestSecond)
{
    EXPECT_EQ(gameclock::endTime(36000.4, 180), 36180);
    EXPECT_EQ(gameclock::endTime(36000.6, 180), 36181);
    EXPECT_EQ(gameclock::endTime(86390.0, 180), 86570);  // past midnight, no wrap

    struct Case { qint32 end; double now; int left; } cases[] = {
        {36180, 36000.0, 180}, {36180, 36000.4, 180}, {36180, 36000.6, 179},
        {36180, 36055.0, 125}, {36180, 36179.6, 0},
        {36180, 36183.0, 0},   // a late tick never sees less than nothing
        {86570, 86405.0, 165}, // across midnight the clock simply counts on
    };
    for (const Case& c : cases)
        EXPECT_EQ(gameclock::secondsLeft(c.end, c.now), c.left) << c.end << " at " << c.now;
}
