// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

// A closed outline in longitude/latitude degrees (x = longitude, west negative; y = latitude).
using Ring = QList<QPointF>;
using Shape = QList<Ring>; // one or more rings filled together with the winding rule

// Reads the thirteen region outlines of the svg-maps Canada picture, keyed by its path ids
// (ab, bc, ...), converted from its Mercator pixels back to degrees.
QMap<QString, Shape> readRegionOutlines(const QString& svgFile, QString* error);

// Reads the countries of a world-atlas TopoJSON file, keyed by country name.
QMap<QString, Shape> readCountries(const QString& topoJsonFile, QString* error);

// Inverse of the Mercator mapping that the svg-maps picture uses.
QPointF svgMapsToDegrees(QPointF svg);

// A smooth local magnifier on the projected picture, to give the narrow Maritimes a few more
// pixels: points near the centre move away from it by up to (magnification - 1) times their
// distance, then by the shift; the effect fades out as a Gaussian of the given radius.
struct Lens {
    QPointF centre;
    double radius = 1.0;
    double magnification = 1.0;
    QPointF shift;
    QPointF apply(QPointF p) const;
};

// Polar orthographic view of the northern hemisphere onto the map's pixels.
struct Projection {
    double centreX = 182.34;
    double centreY = -45.83;   // where the pole falls, above the picture
    double radius = 482.94;    // pixels per earth radius
    double rotation = 94.419;  // degrees added to the longitude; -94.419 points straight down
    QList<Lens> lenses;
    QPointF project(QPointF lonLat) const;
    bool visible(QPointF lonLat) const { return lonLat.y() > 0.0; }
};
