// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapes.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace symbolgen {
namespace {

QPainterPath polygon(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath stroke(const QPainterPath& line, qreal width)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line);
}

// Mirrors a right half (drawn from bottom to top) about the y axis and closes the outline.
QPainterPath mirrored(const QPainterPath& rightHalf)
{
    QPainterPath out = rightHalf;
    out.connectPath(QTransform(-1, 0, 0, 1, 0, 0).map(rightHalf).toReversed());
    out.closeSubpath();
    return out;
}

} // namespace

QPainterPath place(const QPainterPath& unit, QPointF at, qreal scale, qreal angleDeg, bool mirror)
{
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(angleDeg);
    t.scale(mirror ? -scale : scale, scale);
    return t.map(unit);
}

QPainterPath star(int points, qreal outer, qreal inner, qreal angleDeg)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = (angleDeg + 180.0 * i / points) * M_PI / 180.0;
        poly << QPointF(r * std::sin(a), -r * std::cos(a));
    }
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

QPainterPath mapleLeaf()
{
    // Right half, from the foot of the stem up to the top point.
    const QPointF half[] = {
        {0.04, 0.80}, {0.05, 0.22}, {0.50, 0.30}, {0.44, 0.15}, {0.88, -0.18}, {0.76, -0.26},
        {0.86, -0.52}, {0.62, -0.47}, {0.58, -0.60}, {0.34, -0.32}, {0.42, -0.80},
        {0.24, -0.72}, {0.00, -1.02}};
    QPainterPath right;
    right.moveTo(half[0]);
    for (size_t i = 1; i < std::size(half); ++i)
        right.lineTo(half[i]);
    return mirrored(right);
}

QPainterPath fleurDeLis()
{
    QPainterPath centre;
    centre.moveTo(0.13, 0.16);
    centre.cubicTo(0.34, -0.25, 0.26, -0.72, 0, -1.0);
    centre.cubicTo(-0.26, -0.72, -0.34, -0.25, -0.13, 0.16);
    centre.closeSubpath();

    QPainterPath side;
    side.moveTo(0.10, 0.16);
    side.cubicTo(0.20, -0.30, 0.62, -0.58, 0.88, -0.30);
    side.cubicTo(1.02, -0.12, 0.92, 0.12, 0.74, 0.10);
    side.cubicTo(0.62, 0.08, 0.62, -0.06, 0.70, -0.10);
    side.cubicTo(0.56, -0.20, 0.36, -0.06, 0.32, 0.20);
    side.closeSubpath();

    QPainterPath foot;
    foot.moveTo(0.08, 0.30);
    foot.cubicTo(0.20, 0.44, 0.40, 0.46, 0.50, 0.70);
    foot.cubicTo(0.32, 0.66, 0.12, 0.60, 0.0, 0.72);
    foot.cubicTo(-0.12, 0.60, -0.32, 0.66, -0.50, 0.70);
    foot.cubicTo(-0.40, 0.46, -0.20, 0.44, -0.08, 0.30);
    foot.closeSubpath();

    QPainterPath band;
    band.addRoundedRect(QRectF(-0.44, 0.14, 0.88, 0.18), 0.05, 0.05);

    QPainterPath all = centre.united(side).united(QTransform(-1, 0, 0, 1, 0, 0).map(side));
    return all.united(band).united(foot).simplified();
}

QPainterPath lionPassant()
{
    QPainterPath body;
    body.addRoundedRect(QRectF(-0.50, -0.30, 1.08, 0.42), 0.18, 0.18);
    QPainterPath p = body;
    p = p.united(ellipse(-0.48, -0.20, 0.24, 0.27));  // chest
    p = p.united(QTransform::fromTranslate(-0.62, -0.42).map(star(11, 0.38, 0.29)));  // shaggy mane
    p = p.united(ellipse(-0.88, -0.40, 0.13, 0.10));  // muzzle
    p = p.united(polygon({{-0.66, -0.62}, {-0.50, -0.64}, {-0.58, -0.80}}));  // ear
    // Standing foreleg, raised foreleg, two hind legs.
    p = p.united(polygon({{-0.62, -0.05}, {-0.46, -0.05}, {-0.48, 0.44}, {-0.74, 0.50}, {-0.76, 0.42}, {-0.62, 0.38}}));
    p = p.united(polygon({{-0.40, -0.02}, {-0.26, 0.02}, {-0.46, 0.22}, {-0.72, 0.22}, {-0.72, 0.12}, {-0.52, 0.12}}));
    p = p.united(polygon({{0.34, 0.0}, {0.54, -0.02}, {0.52, 0.44}, {0.28, 0.50}, {0.26, 0.42}, {0.38, 0.38}}));
    p = p.united(polygon({{0.10, 0.0}, {0.28, 0.0}, {0.24, 0.44}, {0.02, 0.48}, {0.00, 0.40}, {0.12, 0.36}}));
    QPainterPath tail;
    tail.moveTo(0.54, -0.16);
    tail.cubicTo(0.80, -0.20, 0.70, -0.55, 0.88, -0.62);
    p = p.united(stroke(tail, 0.08));
    p = p.united(ellipse(0.90, -0.66, 0.09, 0.11));  // tuft
    return p.simplified();
}

QPainterPath unicornPassant()
{
    // A horse's body and legs, the neck raised, a long straight horn and a tufted tail.
    QPainterPath body;
    body.addRoundedRect(QRectF(-0.48, -0.28, 1.06, 0.40), 0.18, 0.18);
    QPainterPath p = body;
    p = p.united(polygon({{-0.50, -0.20}, {-0.30, -0.26}, {-0.58, -0.70}, {-0.74, -0.62}}));  // neck
    p = p.united(polygon({{-0.58, -0.74}, {-0.46, -0.64}, {-0.86, -0.44}, {-0.96, -0.52}}));  // head
    p = p.united(polygon({{-0.58, -0.72}, {-0.52, -0.78}, {-0.92, -1.02}}));                  // horn
    p = p.united(polygon({{-0.54, -0.74}, {-0.46, -0.90}, {-0.44, -0.70}}));                  // ear
    // Standing foreleg, raised foreleg, two hind legs, with hooves.
    p = p.united(polygon({{-0.44, 0.0}, {-0.32, 0.0}, {-0.34, 0.50}, {-0.48, 0.50}}));
    p = p.united(polygon({{-0.30, 0.02}, {-0.18, 0.04}, {-0.40, 0.24}, {-0.62, 0.26}, {-0.62, 0.16}, {-0.44, 0.14}}));
    p = p.united(polygon({{0.38, 0.0}, {0.52, 0.0}, {0.50, 0.50}, {0.36, 0.50}}));
    p = p.united(polygon({{0.14, 0.0}, {0.28, 0.0}, {0.24, 0.50}, {0.10, 0.50}}));
    QPainterPath tail;
    tail.moveTo(0.56, -0.18);
    tail.cubicTo(0.84, -0.12, 0.80, 0.20, 0.92, 0.30);
    p = p.united(stroke(tail, 0.08));
    p = p.united(ellipse(0.92, 0.32, 0.08, 0.12));  // tuft
    return p.simplified();
}

QPainterPath bison()
{
    QPainterPath p = ellipse(-0.22, -0.16, 0.46, 0.44);  // hump and forequarters
    p = p.united(ellipse(0.36, -0.02, 0.46, 0.30));       // hindquarters
    p = p.united(ellipse(-0.70, 0.10, 0.21, 0.25));       // head, carried low
    p = p.united(polygon({{-0.84, 0.22}, {-0.58, 0.24}, {-0.72, 0.48}}));  // beard
    const qreal legs[][2] = {{-0.46, 0.16}, {-0.22, 0.18}, {0.28, 0.12}, {0.56, 0.10}};
    for (const auto& l : legs) {
        QPainterPath leg;
        leg.addRoundedRect(QRectF(l[0], l[1], 0.14, 0.64 - l[1]), 0.04, 0.04);
        p = p.united(leg);
    }
    QPainterPath tail;
    tail.moveTo(0.80, -0.14);
    tail.quadTo(0.92, 0.0, 0.90, 0.26);
    p = p.united(stroke(tail, 0.06));
    QPainterPath horn;
    horn.moveTo(-0.62, -0.06);
    horn.quadTo(-0.50, -0.16, -0.58, -0.28);
    p = p.united(stroke(horn, 0.07));
    return p.simplified();
}

QPainterPath foxMask()
{
    QPainterPath p;
    p.moveTo(0, 0.82);
    p.lineTo(-0.40, 0.36);
    p.lineTo(-0.78, 0.04);
    p.lineTo(-0.62, -0.36);
    p.lineTo(-0.68, -0.96);
    p.lineTo(-0.24, -0.52);
    p.quadTo(0, -0.60, 0.24, -0.52);
    p.lineTo(0.68, -0.96);
    p.lineTo(0.62, -0.36);
    p.lineTo(0.78, 0.04);
    p.lineTo(0.40, 0.36);
    p.closeSubpath();
    return p;
}

QPainterPath wheatSheaf()
{
    QPainterPath lines;
    for (int i = -2; i <= 2; ++i) {
        lines.moveTo(i * 0.22, -0.40);
        lines.quadTo(i * 0.02, 0.1, i * 0.10, 0.92);
    }
    QPainterPath band;
    band.addRoundedRect(QRectF(-0.20, 0.10, 0.40, 0.16), 0.04, 0.04);
    return stroke(lines, 0.11).united(band).simplified();
}

QPainterPath wheatEars()
{
    QPainterPath ears;
    for (int i = -2; i <= 2; ++i) {
        const qreal tilt = i * 14.0;
        QTransform t;
        t.translate(i * 0.24, -0.40);
        t.rotate(tilt);
        QPainterPath ear;
        for (int g = 0; g < 4; ++g) {
            ear.addEllipse(QPointF(-0.05, -0.08 - g * 0.12), 0.06, 0.08);
            ear.addEllipse(QPointF(0.05, -0.08 - g * 0.12), 0.06, 0.08);
        }
        ear.addEllipse(QPointF(0, -0.58), 0.05, 0.08);
        ear.setFillRule(Qt::WindingFill);
        ears.addPath(t.map(ear));
    }
    ears.setFillRule(Qt::WindingFill);
    return ears;
}

QPainterPath wavyBand(qreal x0, qreal x1, qreal y, qreal thickness, qreal amplitude, qreal waves)
{
    QPainterPath p;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = x0 + (x1 - x0) * i / steps;
        const qreal yy = y + amplitude * std::sin(2 * M_PI * waves * i / steps);
        if (i == 0)
            p.moveTo(x, yy);
        else
            p.lineTo(x, yy);
    }
    for (int i = steps; i >= 0; --i) {
        const qreal x = x0 + (x1 - x0) * i / steps;
        p.lineTo(x, y + thickness + amplitude * std::sin(2 * M_PI * waves * i / steps));
    }
    p.closeSubpath();
    return p;
}

QPainterPath petal(qreal len, qreal width, qreal widestAt, qreal notch, bool round, qreal baseWidth)
{
    const qreal w = width / 2, b = baseWidth / 2, wy = -widestAt * len;
    QPainterPath right;
    right.moveTo(b, 0);
    right.cubicTo(b + w * 0.55, -0.05 * len, w, wy * 0.55, w, wy);
    if (notch > 0) {
        right.cubicTo(w, wy - (len + wy) * 0.7, w * 0.55, -len, w * 0.25, -len);
        right.quadTo(w * 0.06, -len, 0, -len + notch);
    } else if (round) {
        right.cubicTo(w, wy - (len + wy) * 0.75, w * 0.45, -len, 0, -len);
    } else {
        right.cubicTo(w, wy - (len + wy) * 0.5, w * 0.2, -len * 0.93, 0, -len);
    }
    return mirrored(right);
}

void fillAlong(QPainter& p, const QPainterPath& path, QPointF from, QPointF to, const QColor& c0,
               const QColor& c1, const QColor& edge, qreal edgeWidth)
{
    QLinearGradient g(from, to);
    g.setColorAt(0, c0);
    g.setColorAt(1, c1);
    p.setBrush(g);
    if (edgeWidth > 0)
        p.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void drawLeaf(QPainter& p, QPointF base, qreal angleDeg, qreal len, qreal width, const QColor& fill,
              const QColor& dark, bool veins, qreal widestAt)
{
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angleDeg);
    const QPainterPath shape = t.map(petal(len, width, widestAt, 0, false, width * 0.08));
    fillAlong(p, shape, t.map(QPointF(-width / 2, 0)), t.map(QPointF(width / 2, -len)),
              fill.darker(115), fill.lighter(118), dark, std::max(0.6, width * 0.05));
    if (!veins)
        return;
    QColor vein = dark;
    vein.setAlpha(150);
    p.setPen(QPen(vein, std::max(0.5, width * 0.04), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(t.map(QPointF(0, 0)), t.map(QPointF(0, -len * 0.92)));
    vein.setAlpha(95);
    p.setPen(QPen(vein, std::max(0.4, width * 0.03), Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = -len * (0.12 + 0.17 * i);
        const qreal reach = width * 0.36 * (i <= 2 ? 1.0 : 1.0 - 0.2 * (i - 2));
        for (int s : {-1, 1}) {
            QPainterPath v;
            v.moveTo(t.map(QPointF(0, y)));
            v.quadTo(t.map(QPointF(s * reach * 0.5, y - len * 0.06)), t.map(QPointF(s * reach, y - len * 0.14)));
            p.drawPath(v);
        }
    }
}

void drawStem(QPainter& p, QPointF from, QPointF ctrl, QPointF to, qreal width, const QColor& c)
{
    QPainterPath s;
    s.moveTo(from);
    s.quadTo(ctrl, to);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.darker(150), width + 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(s);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(s);
    p.setPen(QPen(c.lighter(135), width * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(QTransform::fromTranslate(-width * 0.2, 0).map(s));
}

} // namespace symbolgen
