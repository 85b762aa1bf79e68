#include "ui/picture.h"

#include "files/textfile.h"

#include <QImageReader>

namespace ui {

LoadedPicture loadPicture(const QString& name)
{
    if (name.isEmpty())
        return {true, QPixmap()};
    QImageReader reader(resolveFileName(name));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return {true, QPixmap::fromImage(image)};
}

} // namespace ui
