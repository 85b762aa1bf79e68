// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture.h"

#include "files/textfile.h"

#include <QFileInfo>
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

QImage builtInImage(const QString& resource)
{
    QImageReader reader(resource, QFileInfo(resource).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon gameIcon()
{
    static const QIcon icon(QPixmap::fromImage(builtInImage(QStringLiteral(":/icon.png"))));
    return icon;
}

} // namespace ui
