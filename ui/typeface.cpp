// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/typeface.h"

#include "ui/widgets.h"

#include <QApplication>

namespace ui {

void useGameTypeface()
{
    QApplication::setFont(gameFont(9.75, false));
    // Windows that exist already hear of the change by a posted event; let them hear it now, so
    // the controls they build next are measured in the new font.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
}

} // namespace ui
