// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/gameclock.h"

#include <cmath>

namespace gameclock {

int bonusPerSecond(int gameSeconds)
{
    switch (gameSeconds) {
    case 60: return 500;
    case 180: return 50;
    case 300: return 15;
    case 600: return 5;
    default: return 0;
    }
}

qint32 endTime(double now, int gameSeconds) { return qint32(std::lround(now + gameSeconds)); }

int secondsLeft(qint32 endTime, double now)
{
    const long left = std::lround(endTime - now);
    return left < 0 ? 0 : int(left);
}

} // namespace gameclock
