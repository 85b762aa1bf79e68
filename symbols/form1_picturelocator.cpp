// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "symbols/form2.h"

void Form1::mnuNewPictures_Click()
{
    // One Picture Locator at a time: a second call shows the open one, list and all.
    Form2* locator = Form2::instance();
    if (!locator)
        locator = new Form2;
    locator->show();
    locator->raise();
    locator->activateWindow();
}
