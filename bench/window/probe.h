// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One run of a window under measurement. The probe programs build their window as a real
// start would, then hand it here; this prints "key value" lines for bench/window/driver.cpp:
//   size             the window's size once shown
//   cpu_idle_pct     CPU time per wall time while the window sits idle
//   cpu_game_pct     the same while a game runs (the bare window: a one-second ticking label)
//   click_us         median time from a click to the next question painted
//   relayout_us      median time of a relayout and repaint of the window at 1920 x 1080
//   zoom_pct         the zoom `zoomBig` put on, big_size the window's size then
//   relayout_big_us  relayout_us at that zoom, the window filling the screen
//   click_big_us     click_us at that zoom
#include <QWidget>
#include <functional>

struct ProbeSteps {
    QWidget* window = nullptr;
    std::function<void()> startGame;
    std::function<void()> prepareClick;  // untimed: gets the window ready for the timed click
    std::function<void()> click;         // timed: the click that brings the next question
    std::function<void()> relayout;      // timed: lays the window out again at 1920 x 1080
    std::function<int()> zoomBig;        // untimed: the largest zoom the screen has room for
    std::function<void()> relayoutBig;   // timed: lays the window out again at that zoom
};

// Call right after show(); returns the exit code.
int runProbe(const ProbeSteps& steps);

// "--name WxH" among the arguments, or `fallback`.
QSize sizeArgument(const QString& name, QSize fallback);
