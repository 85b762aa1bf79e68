// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The map as Explore the Map reads it: which region stands at a pixel, through the game's own
// colour lookup, and the outline of a region to draw over the picture. Widget-free.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <array>
#include <vector>

namespace explore {

class RegionMap {
public:
    explicit RegionMap(const QImage& map);

    const QImage& picture() const { return m_picture; }
    // The region at pixel `p` of the picture, or -1 for sea, borders, land outside the country,
    // the picture's frame and points outside the picture.
    int regionAt(QPoint p) const;
    // A picture-sized overlay: the region's pixels in `fill`, its edge (two pixels wide) in
    // `edge`, the rest transparent.
    QImage highlight(int region, QColor edge, QColor fill) const;
    // The same with diagonal stripes of `hatch` over the fill, so the region stands out by its
    // pattern as well as by its colour.
    QImage highlight(int region, QColor edge, QColor fill, QColor hatch) const;
    // Where a missed region is: the one look the game, its review and the drill all use.
    QImage missHighlight(int region) const;
    // The picture with the miss highlight drawn over it, scaled to `size` (small maps).
    QImage missMap(int region, QSize size) const;
    // The region at `p`, or else the nearest one within `radius` pixels of it, where `p` lies
    // on no region (sea, border, frame): small islands can be hit. -1 when none is that near.
    int regionNear(QPoint p, int radius) const;
    // A point inside the region, where its name is best shown.
    static QPoint anchor(int region);
    // The regions from west to east, the order the keyboard walks them in.
    static const std::array<int, 13>& westToEast();

private:
    QImage m_picture;
    std::array<qint64, 13> m_colours{};
    // The region of each pixel (-1: none), worked out once: outlines ask it of every pixel
    // several times. The frame around the picture, though drawn in two regions' colours, is no land.
    std::vector<qint8> m_regionOf;
};

} // namespace explore
