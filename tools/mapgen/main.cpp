// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the game's built-in map, map pointer, flags and window icon from open data.
// Usage: quillora_mapgen SOURCES_DIR ASSETS_DIR [ICONS_DIR]
//   SOURCES_DIR holds the npm packages that fetch-sources.sh unpacks; ASSETS_DIR is the
//   repository's assets/ folder; ICONS_DIR, when given, receives the desktop icons in the
//   icon theme's layout (hicolor/48x48/apps/quillora.png). Nothing is written when the map
//   breaks one of its rules.
#include "mapdraw.h"
#include "maprules.h"
#include "pictures.h"
#include "writers.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool sameLook(const QImage& a, const QImage& b)
{
    return a.size() == b.size()
        && a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

// Writes with our own encoders, then reads the file back with Qt's reader, as the game will.
bool writeOrComplain(bool written, const QString& file, const QImage& picture)
{
    if (!written)
        err() << "cannot write " << file << Qt::endl;
    else if (!sameLook(QImage(file), picture))
        err() << file << " does not read back as drawn" << Qt::endl;
    else
        return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        err() << "usage: quillora_mapgen SOURCES_DIR ASSETS_DIR [ICONS_DIR]" << Qt::endl;
        return 2;
    }
    const QDir sources(args[1]);
    const QDir assets(args[2]);
    if (!assets.mkpath(QStringLiteral("flags"))) {
        err() << "cannot make " << assets.filePath(QStringLiteral("flags")) << Qt::endl;
        return 1;
    }

    QString error;
    MapSources mapSources;
    mapSources.regions = readRegionOutlines(sources.filePath(QStringLiteral("svg-maps-canada/canada.svg")), &error);
    if (error.isEmpty())
        mapSources.countries = readCountries(sources.filePath(QStringLiteral("world-atlas/countries-50m.json")), &error);
    for (const MapRegion& r : mapRegions())
        if (error.isEmpty() && !mapSources.regions.contains(QLatin1String(r.code)))
            error = QStringLiteral("the outlines lack region %1").arg(QLatin1String(r.code));
    if (!error.isEmpty()) {
        err() << error << Qt::endl;
        return 1;
    }

    const QImage map = drawMap(mapSources, mapProjection());
    if (qEnvironmentVariableIsSet("QUILLORA_MAPGEN_DEBUG"))
        map.save(qEnvironmentVariable("QUILLORA_MAPGEN_DEBUG"));
    for (const MapRegion& r : mapRegions())
        err() << "margin around the point of " << r.name << ": " << clearMargin(map, r) << Qt::endl;
    const QStringList faults = mapRuleViolations(map);
    if (!faults.isEmpty()) {
        err() << "refusing to write a map that breaks its rules:" << Qt::endl;
        for (const QString& f : faults)
            err() << "  " << f << Qt::endl;
        return 1;
    }

    const QString mapFile = assets.filePath(QStringLiteral("map.bmp"));
    bool ok = writeOrComplain(writeBmp8(map, mapFile), mapFile, map);
    // The master the game shows when zoomed: three times as fine, for zooms up to 300 %.
    const QImage master = drawMap(mapSources, mapProjection(), 3);
    const QString masterFile = assets.filePath(QStringLiteral("map-master.png"));
    ok = writeOrComplain(master.save(masterFile, "PNG", 9), masterFile, master) && ok;
    const QImage pointer = drawPointer();
    const QString pointerFile = assets.filePath(QStringLiteral("pointer.ico"));
    ok = writeOrComplain(writeIco(pointer, pointerFile), pointerFile, pointer) && ok;
    const QImage icon = drawIcon(64);
    const QString iconFile = assets.filePath(QStringLiteral("icon.png"));
    ok = writeOrComplain(icon.save(iconFile, "PNG"), iconFile, icon) && ok;
    if (args.size() == 4) {
        const QDir icons(args[3]);
        for (int size : IconSizes) {
            const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
            const QString file = icons.filePath(folder + QStringLiteral("/quillora.png"));
            const QImage picture = drawIcon(size);
            ok = writeOrComplain(icons.mkpath(folder) && picture.save(file, "PNG"), file, picture) && ok;
        }
    }
    for (const MapRegion& r : mapRegions()) {
        const QString code = QLatin1String(r.code);
        const QImage flag = drawFlag(sources.filePath(QStringLiteral("flag-icon/svg/ca")), code, &error);
        if (flag.isNull()) {
            err() << error << Qt::endl;
            return 1;
        }
        const QString file = assets.filePath(QStringLiteral("flags/%1.gif").arg(code));
        ok = writeOrComplain(writeGif(flag, file), file, flag) && ok;
        const QImage fine = drawFlag(sources.filePath(QStringLiteral("flag-icon/svg/ca")), code, &error,
                                     fineFlagScale(code));
        const QString fineFile = assets.filePath(QStringLiteral("fine/flags/%1.png").arg(code));
        ok = writeOrComplain(assets.mkpath(QStringLiteral("fine/flags")) && fine.save(fineFile, "PNG", 0),
                             fineFile, fine) && ok;
    }
    return ok ? 0 : 1;
}
