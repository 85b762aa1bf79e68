// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// Shapes shared by the crests and the flowers. Unless a function says otherwise, a shape is
// built around the origin in a unit box (about -1..1) and placed with place().
namespace symbolgen {

QPainterPath place(const QPainterPath& unit, QPointF at, qreal scale, qreal angleDeg = 0,
                   bool mirror = false);

QPainterPath star(int points, qreal outer, qreal inner, qreal angleDeg = 0);
QPainterPath mapleLeaf();
QPainterPath fleurDeLis();
QPainterPath lionPassant();   // faces left, about 2 wide and 1.4 high
QPainterPath bison();         // faces left, about 2 wide and 1.3 high
QPainterPath unicornPassant();  // faces left, about 2 wide and 1.7 high, horn included
QPainterPath foxMask();
QPainterPath wheatSheaf();    // stalks and band; the grains come from wheatEars()
QPainterPath wheatEars();
QPainterPath wavyBand(qreal x0, qreal x1, qreal y, qreal thickness, qreal amplitude, qreal waves);

// A petal or leaf from the origin pointing up (to -y): `len` long, widest at `widestAt`
// (fraction of the length), `notch` deep at the tip (0 = pointed or round, see `round`).
QPainterPath petal(qreal len, qreal width, qreal widestAt = 0.55, qreal notch = 0,
                   bool round = true, qreal baseWidth = 0);

// Fills `path` with a gradient along its axis from `from` to `to`, then outlines it.
void fillAlong(QPainter& p, const QPainterPath& path, QPointF from, QPointF to, const QColor& c0,
               const QColor& c1, const QColor& edge, qreal edgeWidth);

// A leaf with a midrib and a few side veins, base at `base`, pointing at `angleDeg` (0 = up).
void drawLeaf(QPainter& p, QPointF base, qreal angleDeg, qreal len, qreal width,
              const QColor& fill, const QColor& dark, bool veins = true, qreal widestAt = 0.45);

// A stem stroked as a tapered green line along a quadratic curve.
void drawStem(QPainter& p, QPointF from, QPointF ctrl, QPointF to, qreal width, const QColor& c);

} // namespace symbolgen
