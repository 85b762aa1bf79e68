// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

namespace symbolgen {

inline constexpr int kFineHeight = 512;

// Region codes in the order of the game's region table.
inline const QStringList kRegionCodes = {"bc", "ab", "sk", "mb", "on", "qc", "nb",
                                         "ns", "pe", "nl", "yt", "nt", "nu"};

struct CrestPicture {
    QImage image;           // final size, full colour
    QList<QRgb> tinctures;  // the colours the design is drawn in; the 16-colour palette starts with them
};

// `scale` times the built-in size: 1 for the built-in picture, more for the fine copy the game
// draws from when it shows the symbol larger.
CrestPicture drawCrest(const QString& code, int scale = 1);
QImage drawFloral(const QString& code, int scale = 1);

// The whole factor that makes a picture `height` pixels high at least as high as the game can
// show it (about 0.31 of a 1600-pixel screen's height, in device pixels).
constexpr int fineScale(int height) { return (kFineHeight + height - 1) / height; }
QImage drawQuiz();

} // namespace symbolgen
