#pragma once

#include "geo.h"

#include <QImage>
#include <QMap>
#include <QString>

struct MapSources {
    QMap<QString, Shape> regions;   // svg-maps outlines by region code
    QMap<QString, Shape> countries; // world-atlas countries by name
};

// Draws the map as an 8-bit picture with the sixteen-colour palette of mapPalette().
QImage drawMap(const MapSources& sources, const Projection& projection);

// The view of the built-in map.
Projection mapProjection();
