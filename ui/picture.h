// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a picture file named in a data file (BMP, GIF, JPEG, ICO, PNG).
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace ui {

struct LoadedPicture {
    bool ok = false;  // false: missing, or not a picture we can read
    QPixmap picture;  // empty for an empty name, which is not a failure
};

LoadedPicture loadPicture(const QString& name);
// A name from a list or settings file: from the current folder first, then beside that file.
LoadedPicture loadPicture(const QString& name, const QString& besideFile);

// A picture built into the game (":/map.bmp"), read by the reader of the format its name gives.
// Left to guess, Qt asks every image plugin in turn, and so loads them all, for the formats it
// reads itself (BMP, PNG): a cost at start-up for nothing.
QImage builtInImage(const QString& resource);
// The game's icon, for every window's title bar.
QIcon gameIcon();

} // namespace ui
