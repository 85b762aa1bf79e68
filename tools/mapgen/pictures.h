// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The map pointer: a small flag on a pole whose tip is the pixel (2, 30); 16 colours with
// transparent pixels (alpha 0 or 255 only).
QImage drawPointer();

// The game's icon, drawn for each size rather than scaled: the window icon is the 64 px one,
// and the desktop's icon theme gets 16, 32, 48, 64, 128 and 256 px.
QImage drawIcon(int size);
inline constexpr int IconSizes[] = {16, 32, 48, 64, 128, 256};

// The flag of a region (svg-maps code), rendered whole on a neutral background:
// 75 x 80, Nunavut 380 x 216. At most 256 colours, as an 8-bit indexed picture. A `scale`
// above 1 gives the fine copy the game draws from when it shows the flag larger: that many
// times as large, in full colour.
QImage drawFlag(const QString& flagFolder, const QString& code, QString* error, int scale = 1);
// The scale of a flag's fine copy: at least 512 pixels high, about the largest the game shows
// a symbol on a 1600-pixel screen.
inline int fineFlagScale(const QString& code) { return code == u"nu" ? 3 : 7; }
