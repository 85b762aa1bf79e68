// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// An uncompressed 8-bit BMP of an indexed picture, with a colour table of exactly its
// colours. (Qt's own writer drops to 4 bits per pixel for sixteen colours.)
bool writeBmp8(const QImage& picture, const QString& file);

// A 32 x 32 icon file with a 4-bit colour table and a transparency (AND) mask. The picture
// holds at most 15 opaque colours; every pixel is fully opaque or fully transparent.
bool writeIco(const QImage& picture, const QString& file);

// A GIF87a file of an 8-bit indexed picture, LZW-compressed.
bool writeGif(const QImage& picture, const QString& file);
