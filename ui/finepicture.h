// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in symbols are small pictures, but the game shows them up to several times their
// size. Each has a fine copy (at least 512 pixels high, about the largest a symbol is shown on a
// 1600-pixel screen) that they are drawn from at the size shown, so they stay crisp at any zoom.
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// The fine copy of a built-in picture (":/crests/qc.bmp" -> ":/fine/crests/qc.png"); empty
// for any other name, a teacher's picture included.
QString fineSourceOf(const QString& builtInName);

// A built-in picture by its resource name, read once. The pixmap (and every copy of it) is
// drawn from its fine copy wherever a PictureImage shows it.
QPixmap builtInPixmap(const QString& name);

// `picture` drawn over `devicePixels` from its fine copy, or a null pixmap when it has none or
// is shown at exactly its own size. The last few sizes are kept; no fine copy is read before a
// picture is shown larger.
QPixmap fineRendering(const QPixmap& picture, QSize devicePixels);

} // namespace ui
