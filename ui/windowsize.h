// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game measures its windows from the outside: frame, title and menu bar included. Where
// the window system reports a frame we use it; otherwise (offscreen, no window manager) the
// client size plus the designed allowance for frame, title and menu.
#include <QSize>

class QWidget;

namespace ui {

constexpr int OuterAllowanceWidthTw = 120;
constexpr int OuterAllowanceHeightTw = 690;

// `inner` is what the window itself stacks around its client area (a menu bar), in pixels.
QSize outerSizeTw(const QWidget* window, QSize inner);
// Resizes `window` so that its outer size becomes the given twips.
void setOuterSizeTw(QWidget* window, QSize inner, int widthTw, int heightTw);

} // namespace ui
