#pragma once
// Loading a picture file named in a data file (BMP, GIF, JPEG, ICO, PNG).
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

} // namespace ui
