// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of the game clock. Widget-free.
#include <QtGlobal>

namespace gameclock {

// Points per second left for a game of `gameSeconds`: 60 -> 500, 180 -> 50, 300 -> 15,
// 600 -> 5; 0 for any other length.
int bonusPerSecond(int gameSeconds);

// The time of day, in whole seconds, at which a game started at `now` ends.
qint32 endTime(double now, int gameSeconds);

// Whole seconds left, rounded to the nearest. A late tick past the end sees 0, never less,
// so the bonus of the last tick can never take points away.
int secondsLeft(qint32 endTime, double now);

} // namespace gameclock
