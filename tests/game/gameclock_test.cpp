// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gameclock.h"

#include <gtest/gtest.h>

TEST(GameClock, BonusRateAndSecondsLeft)
{
    struct Rate { int gameSeconds; int rate; } rates[] = {{60, 500}, {180, 50}, {300, 15}, {600, 5}, {120, 0}};
    for (const Rate& c : rates)
        EXPECT_EQ(gameclock::bonusPerSecond(c.gameSeconds), c.rate) << c.gameSeconds;

    EXPECT_EQ(gameclock::endTime(36000.6, 180), 36181);
    struct Left { qint32 end; double now; int left; } lefts[] = {
        {36180, 36000.4, 180}, {36180, 36000.6, 179}, {36180, 36179.6, 0},
        {36180, 36183.0, 0},  // a late tick never sees less than nothing
    };
    for (const Left& c : lefts)
        EXPECT_EQ(gameclock::secondsLeft(c.end, c.now), c.left) << c.end << " at " << c.now;
}
