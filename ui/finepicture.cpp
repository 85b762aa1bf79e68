// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/finepicture.h"
#include "ui/picture.h"

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

// Costs in kibibytes. Reading a fine copy takes 10 to 25 ms, so the copies of a set's symbols
// are kept once read (about 13 to 22 MiB): a zoom step then only scales them. Renderings: a
// screenful of symbols at 300 % is a few mebibytes.
QCache<QString, QImage>& sources()
{
    static QCache<QString, QImage> cache(24 * 1024);
    return cache;
}

QCache<QString, QPixmap>& renderings()
{
    static QCache<QString, QPixmap> cache(12 * 1024);
    return cache;
}

qsizetype kibibytes(QSize size) { return std::max<qsizetype>(1, qsizetype(size.width()) * size.height() * 4 / 1024); }

QImage fineSource(const QString& name)
{
    if (const QImage* kept = sources().object(name))
        return *kept;
    auto* source = new QImage(builtInImage(name));
    const QImage result = *source;
    if (!result.isNull())
        sources().insert(name, source, kibibytes(result.size()));
    else
        delete source;
    return result;
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
        it = builtIns().insert(name, QPixmap::fromImage(builtInImage(name)));
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
    const QImage source = fineSource(fine);
    if (source.isNull())
        return QPixmap();
    auto* shown = new QPixmap(QPixmap::fromImage(
        source.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    const QPixmap result = *shown;
    renderings().insert(key, shown, kibibytes(devicePixels));
    return result;
}

} // namespace ui
