// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/typeface.h"

#include "ui/zoom.h"

namespace ui {

void useGameTypeface()
{
    // At 100 %: the main window puts its zoom on as it restores it.
    setApplicationZoom(1.0);
}

} // namespace ui
