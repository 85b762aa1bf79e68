// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowsize.h"

#include "ui/twips.h"

#include <QWidget>

namespace ui {

namespace {

// Pixels between the client area and the outside of the window.
QSize decoration(const QWidget* window, QSize inner)
{
    const QSize frame = window->frameGeometry().size();
    const QSize size = window->size();
    if (window->isVisible() && frame != size)
        return frame - size + inner;
    return QSize(px(OuterAllowanceWidthTw), px(OuterAllowanceHeightTw));
}

} // namespace

QSize outerSizeTw(const QWidget* window, QSize inner)
{
    const QSize outer = window->size() - inner + decoration(window, inner);
    return QSize(twips(outer.width()), twips(outer.height()));
}

void setOuterSizeTw(QWidget* window, QSize inner, int widthTw, int heightTw)
{
    const QSize client = QSize(px(widthTw), px(heightTw)) - decoration(window, inner);
    window->resize((client + inner).expandedTo(QSize(1, 1)));
}

} // namespace ui
