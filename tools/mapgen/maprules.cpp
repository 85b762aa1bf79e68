// SPDX-License-Identifier: GPL-3.0-or-later
#include "maprules.h"

#include <QSet>

const QList<MapRegion>& mapRegions()
{
    static const QList<MapRegion> regions = {
        {"bc", "British Columbia", 35, 209, qRgb(255, 255, 102), 1},
        {"ab", "Alberta", 77, 216, qRgb(102, 255, 102), 1},
        {"sk", "Saskatchewan", 113, 235, qRgb(153, 0, 153), 1},
        {"mb", "Manitoba", 166, 207, qRgb(0, 255, 255), 1},
        {"on", "Ontario", 221, 234, qRgb(0, 153, 0), 1},
        {"qc", "Quebec", 277, 212, qRgb(0, 0, 153), 1},
        {"nb", "New Brunswick", 336, 244, qRgb(153, 0, 0), 1},
        {"ns", "Nova Scotia", 355, 249, qRgb(255, 102, 255), 1},
        {"pe", "Prince Edward Island", 350, 240, qRgb(153, 153, 0), 1},
        {"nl", "Newfoundland", 337, 199, qRgb(255, 255, 153), 1},
        {"yt", "Yukon", 39, 141, qRgb(255, 102, 102), 1},
        {"nt", "Northwest Territories", 77, 154, qRgb(153, 153, 153), 1},
        {"nu", "Nunavut", 155, 154, qRgb(255, 204, 153), 1},
    };
    return regions;
}

QList<QRgb> mapPalette()
{
    QList<QRgb> palette;
    for (const MapRegion& r : mapRegions())
        palette.append(r.colour);
    palette << seaColour << foreignLandColour << borderColour;
    return palette;
}

int clearMargin(const QImage& map, const MapRegion& region)
{
    for (int m = 0;; ++m)
        for (int dy = -m; dy <= m; ++dy)
            for (int dx = -m; dx <= m; ++dx)
                if (!map.valid(region.x + dx, region.y + dy)
                    || map.pixel(region.x + dx, region.y + dy) != region.colour)
                    return m - 1;
}

QStringList mapRuleViolations(const QImage& map)
{
    QStringList faults;
    if (map.width() != mapWidth || map.height() != mapHeight) {
        faults << QStringLiteral("size is %1 x %2").arg(map.width()).arg(map.height());
        return faults;
    }
    if (map.format() != QImage::Format_Indexed8 || map.colorCount() != 16)
        faults << QStringLiteral("not an 8-bit picture with a sixteen-colour palette");
    const QImage rgb = map.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> used;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            used.insert(rgb.pixel(x, y));
    const QList<QRgb> palette = mapPalette();
    const QSet<QRgb> allowed(palette.begin(), palette.end());
    if (allowed.size() != 16)
        faults << QStringLiteral("the palette does not hold sixteen distinct colours");
    for (QRgb c : used)
        if (!allowed.contains(c))
            faults << QStringLiteral("stray colour #%1").arg(c & 0xffffff, 6, 16, QLatin1Char('0'));
    for (QRgb c : palette)
        if (!used.contains(c))
            faults << QStringLiteral("colour #%1 is missing").arg(c & 0xffffff, 6, 16, QLatin1Char('0'));

    for (const MapRegion& r : mapRegions())
        for (int dy = -r.margin; dy <= r.margin; ++dy)
            for (int dx = -r.margin; dx <= r.margin; ++dx)
                if (rgb.pixel(r.x + dx, r.y + dy) != r.colour)
                    faults << QStringLiteral("%1: pixel (%2, %3) is not its colour")
                                  .arg(QLatin1String(r.name)).arg(r.x + dx).arg(r.y + dy);

    // A click on the frame must never count as a find.
    QSet<QRgb> regionColours;
    for (const MapRegion& r : mapRegions())
        regionColours.insert(r.colour);
    auto frameCheck = [&](int x, int y) {
        if (regionColours.contains(rgb.pixel(x, y)))
            faults << QStringLiteral("frame pixel (%1, %2) has a region's colour").arg(x).arg(y);
    };
    for (int x = 0; x < mapWidth; ++x) {
        frameCheck(x, 0);
        frameCheck(x, mapHeight - 1);
    }
    for (int y = 1; y < mapHeight - 1; ++y) {
        frameCheck(0, y);
        frameCheck(mapWidth - 1, y);
    }
    return faults;
}
