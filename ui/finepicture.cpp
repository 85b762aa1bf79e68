// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/finepicture.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QRegularExpression>

namespace ui {

namespace {

// The built-in pictures read so far, and the fine copy of each by the pixmap's cache key (which
// its copies share).
QHash<QString, QPixmap>& builtIns()
{
    static QHash<QString, QPixmap> pictures;
    return pictures;
}

QHash<qint64, QString>& fineByKey()
{
    static QHash<qint64, QString> fine;
    return fine;
}

// Renderings in kibibytes: a screenful of symbols at 300 % is a few mebibytes.
QCache<QString, QPixmap>& renderings()
{
    static QCache<QString, QPixmap> cache(12 * 1024);
    return cache;
}

} // namespace

QString fineSourceOf(const QString& builtInName)
{
    static const QRegularExpression name(QStringLiteral("^:/(crests|floral|flags)/([a-z]{2})\\.(bmp|jpg|gif)$"));
    const QRegularExpressionMatch m = name.match(builtInName);
    if (!m.hasMatch())
        return QString();
    return QStringLiteral(":/fine/%1/%2.png").arg(m.captured(1), m.captured(2));
}

QPixmap builtInPixmap(const QString& name)
{
    auto it = builtIns().find(name);
    if (it == builtIns().end()) {
        it = builtIns().insert(name, QPixmap(name));
        const QString fine = fineSourceOf(name);
        if (!it->isNull() && !fine.isEmpty())
            fineByKey().insert(it->cacheKey(), fine);
    }
    return *it;
}

QPixmap fineRendering(const QPixmap& picture, QSize devicePixels)
{
    if (picture.isNull() || devicePixels.isEmpty() || devicePixels == picture.size())
        return QPixmap();
    const QString fine = fineByKey().value(picture.cacheKey());
    if (fine.isEmpty())
        return QPixmap();
    const QString key = QStringLiteral("%1@%2x%3").arg(fine).arg(devicePixels.width()).arg(devicePixels.height());
    if (const QPixmap* kept = renderings().object(key))
        return *kept;
    const QImage source(fine);
    if (source.isNull())
        return QPixmap();
    auto* shown = new QPixmap(QPixmap::fromImage(
        source.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    const QPixmap result = *shown;
    renderings().insert(key, shown, std::max<qsizetype>(1, devicePixels.width() * devicePixels.height() * 4 / 1024));
    return result;
}

} // namespace ui
