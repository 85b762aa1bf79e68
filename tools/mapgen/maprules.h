// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

// The game learns which colour stands for which region by sampling one fixed point per region,
// and a click that reads a colour of no region is a miss. These are the rules a map must keep
// for that to work.
struct MapRegion {
    const char* code; // svg-maps path id and flag file name
    const char* name;
    int x, y;         // sampling point
    QRgb colour;
    int margin;       // half-width of the square around the point that must be this colour
};

inline constexpr int mapWidth = 415;
inline constexpr int mapHeight = 308;
inline constexpr QRgb seaColour = 0xff6666ff;
inline constexpr QRgb foreignLandColour = 0xffffffff;
inline constexpr QRgb borderColour = 0xff000000;

const QList<MapRegion>& mapRegions(); // in the game's region order
QList<QRgb> mapPalette();            // the sixteen colours, regions first

// The half-width of the largest square around the region's sampling point that holds only the
// region's colour; -1 when the point itself has another colour.
int clearMargin(const QImage& map, const MapRegion& region);

// Every broken rule, in words; empty when the map is fit to ship.
QStringList mapRuleViolations(const QImage& map);
