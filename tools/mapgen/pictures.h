#pragma once

#include <QImage>
#include <QString>

// The map pointer: a small flag on a pole whose tip is the pixel (2, 30); 16 colours with
// transparent pixels (alpha 0 or 255 only).
QImage drawPointer();

// The window icon, 64 x 64.
QImage drawIcon();

// The flag of a region (svg-maps code), rendered whole on a neutral background:
// 75 x 80, Nunavut 380 x 216. At most 256 colours, as an 8-bit indexed picture.
QImage drawFlag(const QString& flagFolder, const QString& code, QString* error);
