// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window geometry is designed in twips. Qt works in logical pixels, which it scales on
// high-DPI screens, so one conversion at 15 twips per logical pixel is all we need.
#include <QRect>
#include <cmath>

namespace ui {

constexpr int TwipsPerPixel = 15;

constexpr int px(double twips) { return int(twips >= 0 ? twips / TwipsPerPixel + 0.5 : twips / TwipsPerPixel - 0.5); }
constexpr int twips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect rectTw(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace ui
