#pragma once
// One run of a window under measurement. The probe programs build their window as a real
// start would, then hand it here; this prints "key value" lines for bench/window/driver.cpp:
//   shown_ns      monotonic time when the first paint of the shown window is done
//   rss_kb        resident memory once the window has settled
//   cpu_idle_pct  CPU time per wall time while the window sits idle
//   cpu_game_pct  the same while a game runs (the bare window: a one-second ticking label)
//   click_us      median time from a click to the next question painted
//   relayout_us   median time of a relayout and repaint of the window at 1920 x 1080 (where
//                 the window gives `relayout`)
//   click300_us   click_us with the window zoomed to 300 % (where it gives `zoom300`)
#include <QWidget>
#include <functional>

struct ProbeSteps {
    QWidget* window = nullptr;
    std::function<void()> startGame;
    std::function<void()> prepareClick;  // untimed: gets the window ready for the timed click
    std::function<void()> click;         // timed: the click that brings the next question
    std::function<void()> relayout;      // timed: lays the window out again at 1920 x 1080
    std::function<void()> zoom300;       // untimed: zooms the window to 300 %
};

// Call right after show(); returns the exit code.
int runProbe(const ProbeSteps& steps);
