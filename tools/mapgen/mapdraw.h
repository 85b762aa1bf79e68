#pragma once

#include "geo.h"

#include <QImage>
#include <QMap>
#include <QString>

struct MapSources {
    QMap<QString, Shape> regions;   // svg-maps outlines by region code
    QMap<QString, Shape> countries; // world-atlas countries by name
};

// Draws the map as an 8-bit picture with the sixteen-colour palette of mapPalette(), `scale`
// times the game's size in each direction (1: the map the game reads; more: the master it shows
// when zoomed).
QImage drawMap(const MapSources& sources, const Projection& projection, int scale = 1);

// The view of the built-in map.
Projection mapProjection();
