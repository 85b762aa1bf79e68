#include "ui/picture.h"

#include "files/textfile.h"

#include <QImageReader>

namespace ui {

LoadedPicture loadPicture(const QString& name) { return loadPicture(name, QString()); }

LoadedPicture loadPicture(const QString& name, const QString& besideFile)
{
    if (name.isEmpty())
        return {true, QPixmap()};
    QImageReader reader(resolveFileName(name, besideFile));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return {true, QPixmap::fromImage(image)};
}

} // namespace ui
