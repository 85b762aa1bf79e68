// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wait for another game's lock on a shared file: counted on the platform's monotonic clock
// (tests move it) and spent in an event loop, so the window keeps painting.
#include "files/folderlock.h"
#include "ui/platform.h"

namespace ui {

class WindowLockWaiter final : public files::LockWaiter {
public:
    double seconds() override { return platform().timeOfDay(); }
    void wait(int milliseconds) override
    {
        const double start = platform().timeOfDay();
        platform().waitForEvents(milliseconds);
        // An event loop that returns at once (the game is ending) must not make the wait spin.
        const int left = milliseconds - int((platform().timeOfDay() - start) * 1000.0);
        if (left > 1)
            platform().sleep(left);
    }
};

} // namespace ui
