// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

namespace symbolgen {

// Region codes in the order of the game's region table.
inline const QStringList kRegionCodes = {"bc", "ab", "sk", "mb", "on", "qc", "nb",
                                         "ns", "pe", "nl", "yt", "nt", "nu"};

struct CrestPicture {
    QImage image;           // final size, full colour
    QList<QRgb> tinctures;  // the colours the design is drawn in; the 16-colour palette starts with them
};

CrestPicture drawCrest(const QString& code);
QImage drawFloral(const QString& code);
QImage drawQuiz();

} // namespace symbolgen
