// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

// Writers for the picture formats the game embeds. Qt writes neither 4-bit BMP nor GIF, and
// writing BMP ourselves keeps the header fields fixed, so reruns give the same bytes.
namespace symbolgen {

// Averages each factor x factor block: the drawings are painted large and shrunk, which
// gives smoother edges than painting at the final size.
QImage boxDownsample(const QImage& big, int factor);

// Maps every pixel to the nearest palette entry (no dithering: at this size it only adds
// noise). Returns an Indexed8 image that carries the palette as its colour table.
QImage mapToPalette(const QImage& img, const QList<QRgb>& palette);

// Extends `fixed` to `size` entries with the colours the image needs most that the fixed
// entries represent badly (typically the soft edges between two heraldic tinctures).
QList<QRgb> completePalette(const QImage& img, QList<QRgb> fixed, int size);

// Median-cut palette of at most `size` colours; the exact colours when there are few enough.
QList<QRgb> medianCutPalette(const QImage& img, int size);

bool writeBmp24(const QImage& img, const QString& path);
// `indexed` must be Indexed8 with at most 16 colours in its colour table.
bool writeBmp4(const QImage& indexed, const QString& path);
// `indexed` must be Indexed8 with at most 256 colours.
bool writeGif(const QImage& indexed, const QString& path);
// Opaque, at the strongest compression; the same pixels give the same bytes.
bool writePng(const QImage& img, const QString& path);
bool writeJpeg(const QImage& img, const QString& path, int quality);

} // namespace symbolgen
