// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen floral emblems, drawn as small botanical cards: each flower with its own petal
// count, shape and colour, on a stem with its own leaves, so that a child can tell them apart.
#include "pictures.h"
#include "imagefiles.h"
#include "shapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <functional>

namespace symbolgen {
namespace {

constexpr int kSupersample = 3;

const QColor kLeaf(74, 142, 62);
const QColor kLeafDark(30, 78, 34);
const QColor kStem(88, 140, 62);

class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : s_(seed) {}
    double unit()
    {
        s_ = s_ * 1664525u + 1013904223u;
        return ((s_ >> 8) & 0xffff) / 65535.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint32_t s_;
};

QTransform at(QPointF where, qreal angleDeg)
{
    QTransform t;
    t.translate(where.x(), where.y());
    t.rotate(angleDeg);
    return t;
}

QPointF polar(QPointF c, qreal angleDeg, qreal r)
{
    const qreal a = angleDeg * M_PI / 180;
    return c + QPointF(std::sin(a) * r, -std::cos(a) * r);
}

// One petal on a flower: gradient from its base colour at the centre to its tip colour.
void petalAt(QPainter& p, QPointF centre, qreal angleDeg, const QPainterPath& shape, qreal len,
             const QColor& base, const QColor& tip, const QColor& edge, qreal edgeWidth = 0.7)
{
    const QTransform t = at(centre, angleDeg);
    fillAlong(p, t.map(shape), centre, t.map(QPointF(0, -len)), base, tip, edge, edgeWidth);
}

// Fine lines from the base of a petal towards its tip.
void petalVeins(QPainter& p, QPointF centre, qreal angleDeg, qreal len, qreal width, const QColor& c,
                int count, qreal reach = 0.8, qreal lineWidth = 0.5)
{
    const QTransform t = at(centre, angleDeg);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, lineWidth, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal s = count == 1 ? 0 : (2.0 * i / (count - 1) - 1);
        QPainterPath v;
        v.moveTo(t.map(QPointF(s * width * 0.05, -len * 0.08)));
        v.quadTo(t.map(QPointF(s * width * 0.30, -len * reach * 0.5)), t.map(QPointF(s * width * 0.32, -len * reach)));
        p.drawPath(v);
    }
}

// Short soft hairs along an outline (the crocus and the avens stems are silky).
void fuzz(QPainter& p, const QPainterPath& outline, const QColor& c, qreal length, int count)
{
    p.setPen(QPen(c, 0.45, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal t = (i + 0.5) / count;
        const QPointF pt = outline.pointAtPercent(t);
        const qreal a = -outline.angleAtPercent(t) * M_PI / 180;  // tangent, y down
        const QPointF normal(-std::sin(a), std::cos(a));
        const qreal l = length * (0.6 + 0.4 * ((i * 7) % 5) / 4.0);
        p.drawLine(pt, pt + normal * l + QPointF(std::cos(a), std::sin(a)) * l * 0.3);
    }
}

void dot(QPainter& p, QPointF c, qreal r, const QColor& fill, const QColor& edge = Qt::transparent)
{
    p.setBrush(fill);
    p.setPen(edge.alpha() ? QPen(edge, 0.4) : QPen(Qt::NoPen));
    p.drawEllipse(c, r, r);
}

// Ring of stamens: filaments from the centre with a small anther at each end.
void stamens(QPainter& p, QPointF c, int n, qreal r0, qreal r1, const QColor& filament, const QColor& anther,
             qreal antherR, qreal turn = 0)
{
    p.setPen(QPen(filament, 0.5));
    for (int i = 0; i < n; ++i) {
        const qreal a = turn + 360.0 * i / n;
        const qreal r = r1 * (i % 2 ? 0.86 : 1.0);
        p.drawLine(polar(c, a, r0), polar(c, a, r));
    }
    for (int i = 0; i < n; ++i) {
        const qreal a = turn + 360.0 * i / n;
        const qreal r = r1 * (i % 2 ? 0.86 : 1.0);
        dot(p, polar(c, a, r), antherR, anther, anther.darker(140));
    }
}

void background(QPainter& p, QSizeF s)
{
    QLinearGradient g(0, 0, 0, s.height());
    g.setColorAt(0, QColor(252, 252, 247));
    g.setColorAt(0.7, QColor(246, 248, 238));
    g.setColorAt(1, QColor(232, 240, 222));
    p.fillRect(QRectF(QPointF(0, 0), s), g);
    // A soft shadow where the plant meets the ground.
    QRadialGradient sh(QPointF(s.width() / 2, s.height() - 4), s.width() * 0.4);
    sh.setColorAt(0, QColor(120, 140, 90, 60));
    sh.setColorAt(1, QColor(120, 140, 90, 0));
    p.save();
    p.translate(0, s.height() - 4);
    p.scale(1, 0.18);
    p.translate(0, -(s.height() - 4));
    p.fillRect(QRectF(QPointF(0, s.height() - 4 - s.width() * 0.4), QSizeF(s.width(), s.width() * 0.8)), sh);
    p.restore();
}

// ---------------------------------------------------------------- British Columbia
void dogwood(QPainter& p)
{
    drawStem(p, {34, 165}, {52, 118}, {82, 74}, 3.2, QColor(110, 100, 60));
    drawStem(p, {50, 132}, {40, 118}, {30, 112}, 2.0, QColor(110, 100, 60));
    drawLeaf(p, {30, 112}, -60, 36, 20, kLeaf, kLeafDark);
    drawLeaf(p, {30, 112}, -150, 32, 18, kLeaf, kLeafDark);
    drawLeaf(p, {82, 78}, -128, 44, 24, kLeaf, kLeafDark);
    drawLeaf(p, {82, 78}, 138, 46, 25, kLeaf, kLeafDark);
    const QPointF c(82, 70);
    const QPainterPath bract = petal(40, 34, 0.62, 4.5, true, 5);
    for (int i = 0; i < 4; ++i) {
        const qreal a = 12 + 90 * i + (i % 2 ? 4 : -3);
        petalAt(p, c, a, bract, 40, QColor(214, 226, 190), QColor(255, 255, 251), QColor(168, 172, 150), 0.8);
        petalVeins(p, c, a, 40, 34, QColor(196, 204, 182), 5, 0.82, 0.45);
        // The small rosy-brown notch at each bract tip.
        dot(p, polar(c, a, 36.5), 2.0, QColor(176, 110, 104, 200));
    }
    dot(p, c, 9, QColor(150, 168, 70), QColor(100, 120, 40));
    Lcg rng(11);
    for (int i = 0; i < 26; ++i) {
        const qreal a = rng.range(0, 360), r = std::sqrt(rng.unit()) * 7.2;
        const QPointF k = polar(c, a, r);
        dot(p, k, 1.7, QColor(178, 196, 84), QColor(98, 118, 40));
        dot(p, k + QPointF(-0.4, -0.5), 0.6, QColor(236, 226, 120));
    }
}

// ---------------------------------------------------------------- Alberta
void pinnateLeaf(QPainter& p, QPointF base, qreal angleDeg, qreal len, int pairs, qreal size)
{
    const QTransform t = at(base, angleDeg);
    p.setPen(QPen(kLeafDark, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(t.map(QPointF(0, 0)), t.map(QPointF(0, -len)));
    for (int i = 0; i < pairs; ++i) {
        const qreal y = -len * (0.35 + 0.3 * i / std::max(1, pairs - 1));
        drawLeaf(p, t.map(QPointF(0, y)), angleDeg - 62, size, size * 0.62, kLeaf, kLeafDark, true, 0.5);
        drawLeaf(p, t.map(QPointF(0, y)), angleDeg + 62, size, size * 0.62, kLeaf, kLeafDark, true, 0.5);
    }
    drawLeaf(p, t.map(QPointF(0, -len * 0.92)), angleDeg, size * 1.05, size * 0.65, kLeaf, kLeafDark, true, 0.5);
}

void wildRose(QPainter& p)
{
    const QColor woody(122, 96, 58);
    drawStem(p, {86, 165}, {78, 120}, {74, 66}, 3.0, woody);
    drawStem(p, {80, 110}, {110, 84}, {128, 46}, 2.0, woody);
    p.setBrush(QColor(150, 60, 60));
    p.setPen(Qt::NoPen);
    for (QPointF t : {QPointF(83, 150), QPointF(79, 132), QPointF(80, 100), QPointF(106, 85)}) {
        QPolygonF thorn;
        thorn << t << t + QPointF(4, -1.5) << t + QPointF(0, -2.8);
        p.drawPolygon(thorn);
    }
    pinnateLeaf(p, {83, 142}, -62, 46, 2, 15);
    pinnateLeaf(p, {80, 124}, 58, 48, 2, 15);
    // A bud on the side shoot.
    drawLeaf(p, {128, 48}, -30, 12, 5, kLeaf, kLeafDark, false);
    drawLeaf(p, {128, 48}, 35, 12, 5, kLeaf, kLeafDark, false);
    fillAlong(p, place(petal(16, 11, 0.4, 0, false), {128, 48}, 1, 5), {128, 48}, {130, 32},
              QColor(214, 70, 120), QColor(240, 130, 170), QColor(170, 50, 90), 0.6);
    const QPointF c(70, 60);
    const QPainterPath pet = petal(34, 38, 0.62, 5, true, 6);
    for (int i = 0; i < 5; ++i) {
        const qreal a = 8 + 72 * i;
        petalAt(p, c, a, pet, 34, QColor(255, 238, 242), QColor(232, 92, 146), QColor(190, 62, 112), 0.8);
        petalVeins(p, c, a, 34, 38, QColor(214, 96, 140, 90), 5, 0.75, 0.4);
    }
    QRadialGradient glow(c, 16);
    glow.setColorAt(0, QColor(255, 246, 230, 230));
    glow.setColorAt(1, QColor(255, 246, 230, 0));
    p.setBrush(glow);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 16, 16);
    stamens(p, c, 30, 4, 11, QColor(200, 160, 60), QColor(246, 196, 36), 1.1);
    dot(p, c, 4.5, QColor(196, 200, 90), QColor(140, 140, 50));
}

// ---------------------------------------------------------------- Saskatchewan
void redLily(QPainter& p)
{
    drawStem(p, {81, 165}, {79, 120}, {81, 70}, 3.2, kStem);
    int side = -1;
    for (qreal y : {156.0, 142.0, 128.0, 114.0, 100.0, 88.0}) {
        drawLeaf(p, {80.5, y}, side * (48 + (156 - y) * 0.2), 36 - (156 - y) * 0.12, 8, kLeaf, kLeafDark, false, 0.4);
        side = -side;
    }
    const QPointF c(81, 58);
    const QPainterPath tepal = petal(42, 24, 0.66, 0, false, 4);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = pass; i < 6; i += 2) {
            const qreal a = 30 + 60 * i + (i % 3 - 1) * 4;
            petalAt(p, c, a, tepal, 42, QColor(250, 196, 40), QColor(222, 44, 22), QColor(160, 30, 18), 0.8);
            const QTransform t = at(c, a);
            // Dark spots on the yellow throat.
            for (int s = 0; s < 6; ++s) {
                const QPointF sp(((s * 5) % 3 - 1) * 2.6, -8 - s * 2.6);
                dot(p, t.map(sp), 0.85 + 0.12 * (s % 2), QColor(72, 22, 34));
            }
        }
    }
    for (int i = 0; i < 6; ++i) {
        const qreal a = 60 * i + 2;
        p.setPen(QPen(QColor(230, 120, 40), 0.8));
        p.drawLine(c, polar(c, a, 17));
        const QTransform t = at(polar(c, a, 18), a + 90);
        p.setBrush(QColor(110, 40, 24));
        p.setPen(Qt::NoPen);
        p.drawEllipse(t.map(QPointF(0, 0)), 1.3, 1.3);
        p.drawPath(t.map([] { QPainterPath e; e.addEllipse(QPointF(0, 0), 3.2, 1.1); return e; }()));
    }
    dot(p, c, 2.2, QColor(190, 150, 60), QColor(120, 90, 30));
}

// ---------------------------------------------------------------- Manitoba
void prairieCrocus(QPainter& p)
{
    const QColor silver(196, 196, 214, 190);
    // Feathery basal leaves: thin, finely divided.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const qreal a = -66 + i * 22;
        const QTransform t = at({81, 163}, a);
        p.setPen(QPen(QColor(96, 132, 86), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(t.map(QPointF(0, 0)), t.map(QPointF(0, -40)));
        p.setPen(QPen(QColor(112, 150, 98), 0.9, Qt::SolidLine, Qt::RoundCap));
        for (int k = 1; k <= 4; ++k) {
            const qreal y = -8.0 * k;
            p.drawLine(t.map(QPointF(0, y)), t.map(QPointF(-6, y - 7)));
            p.drawLine(t.map(QPointF(0, y)), t.map(QPointF(6, y - 7)));
        }
    }
    QPainterPath stem;
    stem.moveTo(81, 163);
    stem.quadTo(79, 130, 81, 98);
    drawStem(p, {81, 163}, {79, 130}, {81, 98}, 3.0, QColor(112, 140, 90));
    fuzz(p, stem, silver, 3.5, 50);
    // Ring of hairy bracts under the flower.
    for (int i = -3; i <= 3; ++i) {
        const QTransform t = at({81, 104}, 180 + i * 22);
        p.setPen(QPen(QColor(112, 146, 96), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(t.map(QPointF(0, 0)), t.map(QPointF(0, -12)));
    }
    const QPointF base(81, 100);
    const QColor in0(176, 146, 214), in1(222, 212, 242), edge(122, 92, 162);
    struct Sepal { qreal angle, len, width; bool front; };
    const Sepal sepals[] = {{-40, 50, 26, false}, {40, 50, 26, false}, {-12, 58, 26, false},
                            {12, 58, 26, false},  {-26, 54, 28, true}, {26, 54, 28, true}};
    for (const Sepal& s : sepals) {
        if (s.front)
            continue;
        const QPainterPath sh = at(base, s.angle).map(petal(s.len, s.width, 0.6, 0, false, 8));
        fillAlong(p, sh, base, polar(base, s.angle, s.len), in0.darker(112), in1.darker(106), edge, 0.8);
        fuzz(p, sh, silver, 2.2, 60);
    }
    // Golden stamens in the cup.
    Lcg rng(5);
    for (int i = 0; i < 34; ++i) {
        const QPointF s(81 + rng.range(-9, 9), 58 + rng.range(-5, 8));
        p.setPen(QPen(QColor(200, 170, 60), 0.5));
        p.drawLine(QPointF(81, 70), s);
        dot(p, s, 1.3, QColor(250, 204, 40), QColor(190, 140, 20));
    }
    for (const Sepal& s : sepals) {
        if (!s.front)
            continue;
        const QPainterPath sh = at(base, s.angle).map(petal(s.len, s.width, 0.6, 0, false, 8));
        fillAlong(p, sh, base, polar(base, s.angle, s.len), in0, in1, edge, 0.8);
        petalVeins(p, base, s.angle, s.len, s.width, QColor(140, 110, 190, 120), 5, 0.85, 0.45);
        fuzz(p, sh, silver, 2.2, 70);
    }
}

// ---------------------------------------------------------------- Ontario
void trillium(QPainter& p)
{
    drawStem(p, {81, 165}, {80, 138}, {81, 108}, 3.4, kStem);
    for (qreal a : {-104.0, 104.0, 180.0})
        drawLeaf(p, {81, 108}, a, a == 180.0 ? 40 : 52, a == 180.0 ? 36 : 40, QColor(64, 140, 60), kLeafDark, true, 0.5);
    drawStem(p, {81, 108}, {82, 88}, {81, 70}, 2.4, kStem);
    const QPointF c(81, 62);
    for (qreal a : {60.0, 180.0, 300.0})
        petalAt(p, c, a, petal(30, 10, 0.5, 0, false, 3), 30, QColor(90, 150, 70), QColor(120, 170, 90), kLeafDark, 0.6);
    const QPainterPath pet = petal(44, 36, 0.6, 0, false, 8);
    for (qreal a : {0.0, 120.0, 240.0}) {
        petalAt(p, c, a, pet, 44, QColor(232, 238, 216), QColor(255, 255, 252), QColor(160, 164, 150), 0.9);
        petalVeins(p, c, a, 44, 36, QColor(200, 206, 190), 7, 0.86, 0.45);
    }
    for (int i = 0; i < 6; ++i) {
        const qreal a = 30 + 60 * i;
        p.setPen(QPen(QColor(220, 214, 150), 0.8));
        p.drawLine(c, polar(c, a, 8));
        const QTransform t = at(polar(c, a, 9.5), a);
        p.setBrush(QColor(238, 196, 40));
        p.setPen(QPen(QColor(180, 140, 20), 0.4));
        p.drawPath(t.map([] { QPainterPath e; e.addEllipse(QPointF(0, 0), 1.2, 3.0); return e; }()));
    }
    dot(p, c, 3.2, QColor(214, 226, 170), QColor(150, 170, 110));
}

// ---------------------------------------------------------------- Quebec
void blueFlag(QPainter& p)
{
    const QColor sword(84, 142, 118), swordDark(36, 84, 66);
    drawLeaf(p, {66, 165}, -14, 118, 13, sword, swordDark, false, 0.4);
    drawLeaf(p, {98, 165}, 12, 104, 12, sword, swordDark, false, 0.4);
    drawLeaf(p, {78, 165}, -4, 76, 11, sword, swordDark, false, 0.4);
    drawStem(p, {86, 165}, {88, 120}, {86, 74}, 3.0, kStem);
    // A bud on a side stalk.
    drawStem(p, {87, 118}, {112, 104}, {122, 80}, 2.0, kStem);
    fillAlong(p, place(petal(24, 8, 0.45, 0, false), {122, 80}, 1, 12), {122, 80}, {127, 57},
              QColor(70, 56, 150), QColor(110, 96, 196), QColor(44, 30, 100), 0.6);
    drawLeaf(p, {122, 82}, 4, 12, 5, kLeaf, kLeafDark, false);

    const QPointF c(86, 62);
    const QColor violet(112, 96, 206), deep(72, 50, 150), pale(236, 232, 250);
    // Standards: three narrow upright petals.
    for (qreal a : {-26.0, 0.0, 26.0})
        petalAt(p, c, a, petal(34, 14, 0.62, 0, true, 3), 34, QColor(140, 126, 220), deep, QColor(50, 34, 110), 0.7);
    // Falls: three broad petals curving down, veined, with a yellow-white signal.
    const QPainterPath fall = petal(46, 30, 0.66, 0, true, 5);
    for (qreal a : {118.0, -118.0, 180.0}) {
        petalAt(p, c, a, fall, 46, pale, violet, QColor(50, 34, 110), 0.8);
        const QTransform t = at(c, a);
        p.setBrush(QColor(244, 214, 90, 220));
        p.setPen(Qt::NoPen);
        p.drawPath(t.map([] { QPainterPath e; e.addEllipse(QPointF(0, -13), 3.0, 6.0); return e; }()));
        petalVeins(p, c, a, 46, 30, QColor(60, 36, 130, 170), 7, 0.78, 0.55);
    }
    // Style arms, pale and arched over the falls.
    for (qreal a : {118.0, -118.0, 180.0})
        petalAt(p, c, a, petal(22, 9, 0.6, 2, true, 3), 22, QColor(200, 200, 240), QColor(160, 160, 226), QColor(90, 80, 150), 0.6);
    dot(p, c, 2.6, QColor(140, 200, 110), QColor(70, 120, 60));
}

// ---------------------------------------------------------------- New Brunswick
QPainterPath heartLeaf(qreal size)
{
    QPainterPath h;
    h.moveTo(0, 0);
    h.cubicTo(-0.25 * size, 0.2 * size, -0.62 * size, -0.05 * size, -0.55 * size, -0.45 * size);
    h.cubicTo(-0.48 * size, -0.8 * size, -0.15 * size, -0.95 * size, 0, -1.12 * size);
    h.cubicTo(0.15 * size, -0.95 * size, 0.48 * size, -0.8 * size, 0.55 * size, -0.45 * size);
    h.cubicTo(0.62 * size, -0.05 * size, 0.25 * size, 0.2 * size, 0, 0);
    h.closeSubpath();
    return h;
}

void violet(QPainter& p)
{
    for (auto [base, ctrl, tip, angle, size] :
         {std::tuple{QPointF(81, 165), QPointF(60, 150), QPointF(44, 122), -38.0, 40.0},
          std::tuple{QPointF(81, 165), QPointF(104, 150), QPointF(118, 124), 34.0, 42.0},
          std::tuple{QPointF(81, 165), QPointF(70, 150), QPointF(66, 138), -10.0, 30.0}}) {
        drawStem(p, base, ctrl, tip, 2.2, kStem);
        const QPainterPath leaf = at(tip, angle).map(heartLeaf(size));
        fillAlong(p, leaf, tip, polar(tip, angle, size), QColor(54, 120, 52), QColor(94, 164, 80), kLeafDark, 0.9);
        p.setPen(QPen(QColor(30, 78, 34, 140), 0.8));
        p.drawLine(tip, polar(tip, angle, size * 1.0));
        for (int s : {-1, 1})
            for (qreal k : {0.3, 0.6}) {
                QPainterPath v;
                v.moveTo(polar(tip, angle, size * k * 0.7));
                v.quadTo(polar(tip, angle + s * 30, size * (k + 0.15)), polar(tip, angle + s * 45, size * (k + 0.25)));
                p.drawPath(v);
            }
    }
    drawStem(p, {81, 165}, {90, 100}, {84, 72}, 2.6, kStem);
    const QPointF c(82, 58);
    const QColor light(176, 132, 230), deep(92, 36, 162), edge(60, 20, 110);
    petalAt(p, c, -34, petal(38, 30, 0.6, 0, true, 6), 38, light, deep, edge, 0.9);
    petalAt(p, c, 34, petal(38, 30, 0.6, 0, true, 6), 38, light, deep, edge, 0.9);
    for (qreal a : {-104.0, 104.0}) {
        petalAt(p, c, a, petal(34, 28, 0.6, 0, true, 6), 34, QColor(236, 226, 248), deep, edge, 0.9);
        // The white beard at the throat of the side petals.
        p.setPen(QPen(QColor(255, 255, 255, 230), 0.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = -2; i <= 2; ++i)
            p.drawLine(polar(c, a + i * 6, 5), polar(c, a + i * 7, 11));
    }
    petalAt(p, c, 180, petal(40, 36, 0.62, 0, true, 8), 40, QColor(246, 240, 250), deep, edge, 0.9);
    petalVeins(p, c, 180, 40, 36, QColor(40, 10, 80, 200), 7, 0.62, 0.7);
    dot(p, c, 4.2, QColor(255, 255, 255), QColor(200, 190, 220));
    dot(p, c + QPointF(0, 1), 2.0, QColor(240, 200, 60), QColor(190, 150, 30));
}

// ---------------------------------------------------------------- Nova Scotia
void mayflowerBloom(QPainter& p, QPointF c, qreal r, qreal turn)
{
    const QPainterPath lobe = petal(r, r * 0.95, 0.6, 0, true, r * 0.3);
    for (int i = 0; i < 5; ++i)
        petalAt(p, c, turn + 72 * i, lobe, r, QColor(252, 232, 238), QColor(240, 160, 186), QColor(206, 120, 150), 0.55);
    dot(p, c, r * 0.28, QColor(238, 228, 170), QColor(200, 170, 120));
}

void mayflower(QPainter& p)
{
    const QColor woody(128, 96, 70);
    QPainterPath runner;
    runner.moveTo(4, 146);
    runner.cubicTo(40, 128, 90, 150, 158, 118);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(woody.darker(140), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(runner);
    p.setPen(QPen(woody, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(runner);
    fuzz(p, runner, QColor(150, 110, 80, 200), 2.5, 70);
    // Leathery, rounded evergreen leaves along the runner.
    const QColor leathery(62, 112, 54);
    struct L { qreal t, angle, len, width; };
    for (const L& l : {L{0.12, -150, 34, 24}, L{0.22, -30, 38, 26}, L{0.45, 160, 32, 24}, L{0.62, 40, 40, 28},
                       L{0.8, -150, 30, 22}, L{0.9, 60, 32, 24}}) {
        const QPointF b = runner.pointAtPercent(l.t);
        drawLeaf(p, b, l.angle, l.len, l.width, leathery, QColor(28, 64, 28), true, 0.5);
    }
    // Two clusters of small five-lobed flowers at the ends of short stalks.
    struct C { qreal t; QPointF centre; };
    Lcg rng(3);
    for (const C& cl : {C{0.3, {56, 72}}, C{0.7, {114, 64}}}) {
        const QPointF b = runner.pointAtPercent(cl.t);
        drawStem(p, b, (b + cl.centre) / 2 + QPointF(6, 0), cl.centre + QPointF(0, 14), 1.8, woody);
        const QPointF offsets[] = {{0, 12}, {-14, 4}, {14, 6}, {-6, -8}, {9, -9}, {-18, -10}, {20, -6}};
        for (const QPointF& o : offsets) {
            p.setPen(QPen(QColor(224, 170, 176), 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(cl.centre + QPointF(0, 14), cl.centre + o * 0.9);
        }
        for (const QPointF& o : offsets)
            mayflowerBloom(p, cl.centre + o, 8.2 + rng.range(-0.8, 0.8), rng.range(0, 72));
        // Pink buds peeking out.
        for (QPointF o : {QPointF(-22, 8), QPointF(4, -20)})
            fillAlong(p, place(petal(7, 5, 0.45, 0, true), cl.centre + o, 1, o.x() < 0 ? -40 : 10),
                      cl.centre + o, cl.centre + o + QPointF(0, -7), QColor(226, 120, 150), QColor(246, 176, 196),
                      QColor(190, 90, 120), 0.5);
    }
}

// ---------------------------------------------------------------- Prince Edward Island
void ladysSlipper(QPainter& p)
{
    const QColor leaf(80, 142, 66);
    for (qreal a : {-40.0, 42.0}) {
        const QPointF b(81, 162);
        const QTransform t = at(b, a);
        const QPainterPath shape = t.map(petal(74, 42, 0.5, 0, false, 8));
        fillAlong(p, shape, t.map(QPointF(-21, 0)), t.map(QPointF(21, -74)), leaf.darker(118), leaf.lighter(115), kLeafDark, 1.0);
        // Parallel veins, the mark of an orchid leaf.
        p.setPen(QPen(QColor(40, 90, 40, 120), 0.6));
        p.setBrush(Qt::NoBrush);
        for (int i = -3; i <= 3; ++i) {
            QPainterPath v;
            v.moveTo(t.map(QPointF(i * 0.8, -3)));
            v.quadTo(t.map(QPointF(i * 5.2, -37)), t.map(QPointF(i * 0.6, -70)));
            p.drawPath(v);
        }
    }
    drawStem(p, {81, 162}, {76, 100}, {90, 50}, 2.4, QColor(104, 130, 70));
    // A small green bract arching over the flower.
    drawLeaf(p, {90, 52}, -62, 20, 8, leaf, kLeafDark, false);
    // Twisted side petals and the top sepal, brownish.
    const QColor brown0(120, 96, 60), brown1(150, 96, 90);
    const QPointF top(92, 62);
    for (qreal a : {-128.0, 126.0}) {
        petalAt(p, top, a, petal(40, 8, 0.45, 0, false, 3), 40, brown0, brown1, QColor(80, 50, 40), 0.6);
        p.setPen(QPen(QColor(90, 60, 40, 160), 0.5));
        p.drawLine(polar(top, a, 6), polar(top, a + 2, 36));
    }
    petalAt(p, top, -8, petal(30, 13, 0.5, 0, false, 4), 30, brown0, QColor(140, 120, 80), QColor(80, 50, 40), 0.6);
    // The pouch: an inflated pink lip with a seam down the front.
    QPainterPath pouch;
    pouch.moveTo(92, 62);
    pouch.cubicTo(114, 62, 118, 92, 112, 108);
    pouch.cubicTo(106, 122, 78, 122, 72, 108);
    pouch.cubicTo(66, 92, 70, 62, 92, 62);
    pouch.closeSubpath();
    QRadialGradient g(QPointF(86, 84), 30);
    g.setColorAt(0, QColor(255, 206, 226));
    g.setColorAt(0.55, QColor(238, 132, 176));
    g.setColorAt(1, QColor(196, 70, 124));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 44, 90), 1.0));
    p.drawPath(pouch);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(176, 56, 108, 150), 0.6));
    for (int i = -3; i <= 3; ++i) {
        QPainterPath v;
        v.moveTo(92 + i * 3, 64);
        v.cubicTo(92 + i * 6.5, 80, 92 + i * 6.5, 100, 92 + i * 4, 116);
        p.drawPath(v);
    }
    QPainterPath seam;
    seam.moveTo(91, 70);
    seam.cubicTo(89, 84, 93, 98, 91, 112);
    p.setPen(QPen(QColor(150, 40, 90), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(seam);
}

// ---------------------------------------------------------------- Newfoundland and Labrador
QPointF direction(qreal angleDeg)
{
    return polar({0, 0}, angleDeg, 1);
}

// One pitcher: a tube rising from the rosette, curving up towards the sky, widening to a
// round mouth with an upright, veined hood at its back.
void pitcher(QPainter& p, QPointF base, qreal angleDeg, qreal len, qreal width)
{
    const QPointF ctrl = base + direction(angleDeg) * len * 0.55;
    const QPointF end = ctrl + direction(angleDeg * 0.25) * len * 0.5;
    auto centre = [&](qreal t) { return base * (1 - t) * (1 - t) + ctrl * 2 * t * (1 - t) + end * t * t; };
    auto tangent = [&](qreal t) {
        const QPointF d = (ctrl - base) * 2 * (1 - t) + (end - ctrl) * 2 * t;
        return d / std::hypot(d.x(), d.y());
    };
    auto half = [&](qreal t) { return 1.2 + (width / 2 - 1.2) * std::pow(t, 1.4); };
    QPolygonF left, right;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF c = centre(t), d = tangent(t), n(-d.y(), d.x());
        // The wing: a frill along the inner side that fades out near the top.
        const qreal wing = 2.4 * std::sin(t * M_PI) * (0.8 + 0.2 * std::sin(t * 40));
        left << c + n * half(t);
        right << c - n * (half(t) + wing);
    }
    QPainterPath tube;
    tube.addPolygon(left);
    for (int i = right.size() - 1; i >= 0; --i)
        tube.lineTo(right[i]);
    tube.closeSubpath();

    const QPointF top = centre(1.0), d = tangent(1.0), n(-d.y(), d.x());
    const qreal rimAngle = std::atan2(d.y(), d.x()) * 180 / M_PI + 90;  // axis of the mouth
    // The hood stands up behind the mouth.
    QPainterPath hood;
    hood.moveTo(-width * 0.5, 0);
    hood.cubicTo(-width * 0.62, -width * 0.75, width * 0.62, -width * 0.75, width * 0.5, 0);
    hood.closeSubpath();
    const QPainterPath hoodShape = at(top, rimAngle).map(hood);
    fillAlong(p, hoodShape, top, top + d * width * 0.7, QColor(190, 86, 70), QColor(150, 40, 50), QColor(96, 20, 30), 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 16, 36, 170), 0.55));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(at(top, rimAngle).map(QPointF(i * width * 0.08, -1)),
                   at(top, rimAngle).map(QPointF(i * width * 0.2, -width * 0.5)));

    fillAlong(p, tube, base, top, QColor(132, 160, 74), QColor(178, 64, 56), QColor(90, 24, 30), 0.9);
    // Red veins up the tube.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 20, 34, 150), 0.55));
    for (int k = -2; k <= 2; ++k) {
        QPainterPath v;
        for (int i = 6; i <= steps; ++i) {
            const qreal t = qreal(i) / steps;
            const QPointF c = centre(t), dd = tangent(t), nn(-dd.y(), dd.x());
            const QPointF q = c + nn * half(t) * k * 0.36;
            if (i == 6)
                v.moveTo(q);
            else
                v.lineTo(q);
        }
        p.drawPath(v);
    }
    // The open mouth with its rolled rim.
    const QPainterPath mouth = at(top, rimAngle).map([&] {
        QPainterPath e;
        e.addEllipse(QPointF(0, 0), width * 0.5, width * 0.22);
        return e;
    }());
    p.setBrush(QColor(200, 92, 74));
    p.setPen(QPen(QColor(110, 24, 30), 0.8));
    p.drawPath(mouth);
    p.setBrush(QColor(70, 14, 24));
    p.setPen(Qt::NoPen);
    p.drawPath(at(top + n * 0 - d * 0.4, rimAngle).map([&] {
        QPainterPath e;
        e.addEllipse(QPointF(0, 0), width * 0.36, width * 0.13);
        return e;
    }()));
}

void pitcherPlant(QPainter& p)
{
    const QPointF base(93, 176);
    drawStem(p, base, {92, 100}, {112, 30}, 2.8, QColor(128, 70, 60));
    // The nodding flower: red petals hanging over the umbrella of the style.
    QPainterPath crook;
    crook.moveTo(112, 30);
    crook.quadTo(118, 20, 124, 30);
    p.setPen(QPen(QColor(128, 70, 60), 2.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crook);
    const QPointF f(125, 38);
    for (qreal a : {150.0, 166.0, 194.0, 210.0, 180.0})
        petalAt(p, f, a, petal(36, 15, 0.7, 0, true, 4), 36, QColor(140, 24, 40), QColor(200, 52, 64),
                QColor(90, 14, 26), 0.8);
    QPainterPath dome;
    dome.moveTo(104, 40);
    dome.cubicTo(108, 24, 142, 24, 146, 40);
    dome.quadTo(125, 46, 104, 40);
    fillAlong(p, dome, {125, 28}, {125, 44}, QColor(110, 30, 40), QColor(176, 60, 60), QColor(80, 14, 24), 0.8);
    QPainterPath umbrella;
    umbrella.moveTo(101, 76);
    umbrella.quadTo(125, 60, 149, 76);
    umbrella.quadTo(125, 82, 101, 76);
    fillAlong(p, umbrella, {125, 66}, {125, 80}, QColor(196, 184, 96), QColor(150, 120, 60), QColor(90, 60, 30), 0.8);
    // The rosette of pitchers, back ones first.
    pitcher(p, base, -70, 66, 24);
    pitcher(p, base, 66, 66, 24);
    pitcher(p, base, -40, 74, 26);
    pitcher(p, base, 36, 76, 26);
    pitcher(p, base, -10, 60, 24);
    pitcher(p, base, 14, 52, 22);
}

// ---------------------------------------------------------------- Yukon
void fireweedFlower(QPainter& p, QPointF c, qreal r, qreal turn)
{
    for (int i = 0; i < 4; ++i)
        petalAt(p, c, turn + 45 + 90 * i, petal(r * 0.9, r * 0.34, 0.5, 0, false), r * 0.9, QColor(150, 30, 90),
                QColor(170, 40, 100), QColor(100, 20, 60), 0.4);
    const QPainterPath pet = petal(r, r * 0.95, 0.66, 0, true, r * 0.2);
    for (int i = 0; i < 4; ++i)
        petalAt(p, c, turn + 90 * i, pet, r, QColor(196, 40, 134), QColor(238, 96, 176), QColor(140, 20, 90), 0.6);
    p.setPen(QPen(QColor(250, 230, 240), 0.6));
    for (int i = 0; i < 4; ++i)
        p.drawLine(c, polar(c, turn + 45 + 90 * i, r * 0.35));
    dot(p, c, r * 0.14, QColor(250, 240, 246));
}

void fireweed(QPainter& p)
{
    const QColor stem(120, 100, 70);
    drawStem(p, {81, 172}, {78, 100}, {84, 14}, 3.0, stem);
    int side = -1;
    for (int i = 0; i < 8; ++i) {
        const qreal y = 166 - i * 9.5;
        drawLeaf(p, {80.5 - 0.02 * (166 - y), y}, side * (62 - i * 3), 40 - i * 2.2, 8.5 - i * 0.3, kLeaf, kLeafDark,
                 false, 0.4);
        // The pale midrib of a fireweed leaf.
        p.setPen(QPen(QColor(220, 230, 200, 180), 0.6));
        p.drawLine(QPointF(80.5, y), polar({80.5, y}, side * (62 - i * 3), 30 - i * 2));
        side = -side;
    }
    // Slender seed pods below the open flowers.
    for (int i = 0; i < 3; ++i) {
        const qreal y = 96 - i * 6;
        const int s = i % 2 ? 1 : -1;
        p.setPen(QPen(QColor(150, 60, 90), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(81, y), polar({81, y}, s * 28, 18));
    }
    struct F { qreal y, dx, r, turn; };
    const F flowers[] = {{82, -15, 11.5, 10}, {80, 16, 11, -8}, {68, -13, 10.5, 20}, {64, 14, 10.5, 5},
                         {54, -9, 10, -12},   {49, 11, 9.5, 15}, {40, -6, 9, 0},      {34, 8, 8, 25}};
    for (const F& f : flowers) {
        p.setPen(QPen(QColor(150, 50, 90), 1.2));
        p.drawLine(QPointF(82, f.y + 6), QPointF(82 + f.dx, f.y));
    }
    for (const F& f : flowers)
        fireweedFlower(p, {82 + f.dx, f.y}, f.r, f.turn);
    // Nodding buds at the tip of the spike.
    for (int i = 0; i < 5; ++i) {
        const qreal y = 29 - i * 3.6;
        const int s = i % 2 ? 1 : -1;
        const QPointF b(83 + s * (4 - i * 0.5), y);
        p.setPen(QPen(QColor(150, 60, 90), 0.9));
        p.drawLine(QPointF(83.5 - i * 0.15, y + 2), b);
        fillAlong(p, place(petal(6.5 - i * 0.6, 3.4 - i * 0.3, 0.45, 0, false), b, 1, 180 + s * 30), b,
                  polar(b, 180 + s * 30, 6), QColor(140, 40, 90), QColor(190, 70, 130), QColor(90, 20, 60), 0.4);
    }
}

// ---------------------------------------------------------------- Northwest Territories
QPainterPath scallopedLeaf(qreal len, qreal width, int teeth)
{
    const QPainterPath plain = petal(len, width, 0.5, 0, true, width * 0.2);
    QPainterPath out;
    const int steps = 160;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const QPointF pt = plain.pointAtPercent(t);
        const qreal a = -plain.angleAtPercent(t) * M_PI / 180;
        const QPointF normal(std::sin(a), -std::cos(a));
        const qreal bump = 1.2 * std::pow(std::abs(std::sin(t * teeth * M_PI)), 0.6);
        const QPointF q = pt - normal * bump * (pt.y() < -len * 0.08 ? 1.0 : 0.0);
        if (i == 0)
            out.moveTo(q);
        else
            out.lineTo(q);
    }
    out.closeSubpath();
    return out;
}

void mountainAvens(QPainter& p)
{
    // Small crinkled leaves with rounded teeth, dark above.
    for (auto [a, len] : {std::pair{-70.0, 30.0}, std::pair{-40.0, 34.0}, std::pair{40.0, 34.0},
                          std::pair{70.0, 30.0}, std::pair{-12.0, 26.0}, std::pair{14.0, 26.0}}) {
        const QTransform t = at({81, 160}, a);
        fillAlong(p, t.map(scallopedLeaf(len, 12, 12)), {81, 160}, polar({81, 160}, a, len), QColor(40, 96, 46),
                  QColor(70, 128, 64), QColor(24, 60, 28), 0.7);
        p.setPen(QPen(QColor(180, 200, 170, 170), 0.6));
        p.drawLine(polar({81, 160}, a, 2), polar({81, 160}, a, len - 3));
    }
    QPainterPath stem;
    stem.moveTo(81, 158);
    stem.quadTo(76, 110, 81, 72);
    drawStem(p, {81, 158}, {76, 110}, {81, 72}, 2.4, QColor(110, 110, 70));
    fuzz(p, stem, QColor(250, 250, 250, 150), 2.5, 40);
    // A silky seed head beside the flower, twisted like a feather duster.
    drawStem(p, {80, 150}, {108, 120}, {122, 78}, 1.8, QColor(110, 110, 70));
    const QPointF seed(122, 72);
    for (int i = 0; i < 16; ++i) {
        const qreal a = -30 + i * 7;
        QPainterPath plume;
        plume.moveTo(seed);
        plume.cubicTo(polar(seed, a, 8), polar(seed, a + 20, 14), polar(seed, a + 32, 20));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 190, 170), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(plume);
        p.setPen(QPen(QColor(255, 252, 244), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(plume);
    }
    dot(p, seed, 2.4, QColor(170, 140, 90));

    const QPointF c(78, 60);
    const QPainterPath pet = petal(32, 18, 0.62, 0, true, 4);
    for (int i = 0; i < 8; ++i) {
        const qreal a = 360.0 * i / 8 + (i % 2 ? 4 : -2);
        petalAt(p, c, a, pet, 32, QColor(238, 240, 226), QColor(255, 255, 250), QColor(170, 172, 156), 0.8);
        petalVeins(p, c, a, 32, 18, QColor(206, 210, 196), 3, 0.8, 0.45);
    }
    dot(p, c, 11, QColor(246, 206, 40), QColor(200, 150, 20));
    Lcg rng(8);
    for (int i = 0; i < 40; ++i) {
        const qreal a = rng.range(0, 360), r = 4.5 + rng.unit() * 5.5;
        dot(p, polar(c, a, r), 0.95, QColor(255, 226, 80), QColor(200, 150, 20));
    }
    dot(p, c, 4, QColor(200, 190, 80), QColor(150, 130, 40));
}

// ---------------------------------------------------------------- Nunavut
void saxifrageFlower(QPainter& p, QPointF c, qreal r, qreal turn)
{
    const QPainterPath pet = petal(r, r * 0.82, 0.62, 0, true, r * 0.2);
    for (int i = 0; i < 5; ++i)
        petalAt(p, c, turn + 72 * i, pet, r, QColor(120, 30, 110), QColor(200, 80, 190), QColor(90, 20, 80), 0.55);
    stamens(p, c, 10, 1, r * 0.45, QColor(240, 220, 240), QColor(230, 140, 50), 0.7, turn);
    dot(p, c, r * 0.16, QColor(250, 230, 250));
}

void purpleSaxifrage(QPainter& p)
{
    // Grey stones of the tundra around the cushion.
    struct Stone { QPointF c; qreal rx, ry, tilt; };
    for (const Stone& st : {Stone{{22, 150}, 20, 11, -8}, Stone{{140, 148}, 18, 12, 10}, Stone{{62, 158}, 16, 7, 3},
                            Stone{{112, 159}, 22, 7, -4}}) {
        const QPainterPath sp = at(st.c, st.tilt).map([&] {
            QPainterPath e;
            e.addRoundedRect(QRectF(-st.rx, -st.ry, 2 * st.rx, 2 * st.ry), st.ry * 0.8, st.ry * 0.8);
            return e;
        }());
        fillAlong(p, sp, st.c - QPointF(0, st.ry), st.c + QPointF(0, st.ry), QColor(184, 182, 176),
                  QColor(122, 120, 114), QColor(84, 82, 76), 0.8);
        // Pale lichen spots.
        dot(p, st.c + QPointF(-st.rx * 0.3, -st.ry * 0.3), 1.8, QColor(214, 210, 170));
        dot(p, st.c + QPointF(st.rx * 0.4, -st.ry * 0.1), 1.3, QColor(214, 200, 150));
    }
    // The cushion: a low mound with a bulge under every flower.
    struct F { qreal x, y, r; };
    const F flowers[] = {{40, 80, 11}, {64, 66, 12}, {92, 68, 12}, {120, 84, 11}, {28, 112, 10}, {54, 100, 12},
                         {80, 96, 12.5}, {106, 108, 11}, {134, 120, 9.5}, {70, 128, 10}, {98, 136, 9},
                         {42, 136, 8.5}, {118, 58, 9}, {44, 56, 9}, {80, 46, 9}};
    QPainterPath cushion;
    cushion.addEllipse(QPointF(82, 130), 68, 26);
    cushion = cushion.united([] { QPainterPath e; e.addEllipse(QPointF(82, 96), 56, 44); return e; }());
    for (const F& f : flowers) {
        QPainterPath bulge;
        bulge.addEllipse(QPointF(f.x, f.y + 2), f.r + 8, f.r + 6);
        cushion = cushion.united(bulge);
    }
    QPainterPath ground;
    ground.addRect(QRectF(0, 0, 162, 151));
    cushion = cushion.intersected(ground).simplified();
    fillAlong(p, cushion, {82, 40}, {82, 150}, QColor(80, 120, 60), QColor(36, 70, 34), QColor(24, 50, 24), 0.9);
    // Tiny paired leaves packed into the cushion.
    Lcg rng(42);
    p.save();
    p.setClipPath(cushion);
    for (int i = 0; i < 520; ++i) {
        const QPointF q(rng.range(10, 154), rng.range(30, 152));
        const qreal a = rng.range(0, 180);
        const QColor g = (i % 3 == 0) ? QColor(110, 150, 80) : (i % 3 == 1 ? QColor(74, 118, 58) : QColor(54, 96, 46));
        p.setBrush(g);
        p.setPen(QPen(QColor(30, 60, 30, 160), 0.3));
        p.drawPath(at(q, a).map([] { QPainterPath e; e.addEllipse(QPointF(0, 0), 1.2, 2.2); return e; }()));
    }
    p.restore();
    int k = 0;
    for (const F& f : flowers)
        saxifrageFlower(p, {f.x, f.y}, f.r, 13.0 * k++);
}

struct Emblem {
    const char* code;
    QSize size;
    QSizeF design;  // the drawing's own coordinates, scaled to `size`
    std::function<void(QPainter&)> paint;
};

const Emblem kEmblems[] = {
    {"bc", {162, 165}, {162, 165}, dogwood},
    {"ab", {162, 165}, {162, 165}, wildRose},
    {"sk", {162, 165}, {162, 165}, redLily},
    {"mb", {162, 165}, {162, 165}, prairieCrocus},
    {"on", {162, 165}, {162, 165}, trillium},
    {"qc", {162, 165}, {162, 165}, blueFlag},
    {"nb", {89, 91}, {162, 165}, violet},
    {"ns", {162, 165}, {162, 165}, mayflower},
    {"pe", {162, 165}, {162, 165}, ladysSlipper},
    {"nl", {187, 184}, {187, 184}, pitcherPlant},
    {"yt", {162, 172}, {162, 172}, fireweed},
    {"nt", {162, 165}, {162, 165}, mountainAvens},
    {"nu", {162, 165}, {162, 165}, purpleSaxifrage},
};

} // namespace

QImage drawFloral(const QString& code, int scale)
{
    for (const Emblem& e : kEmblems) {
        if (code != QLatin1String(e.code))
            continue;
        const int factor = scale * kSupersample;
        QImage big(e.size * factor, QImage::Format_ARGB32_Premultiplied);
        big.fill(Qt::white);
        {
            QPainter p(&big);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(factor * e.size.width() / e.design.width(), factor * e.size.height() / e.design.height());
            background(p, e.design);
            e.paint(p);
        }
        return boxDownsample(big, kSupersample);
    }
    return {};
}

} // namespace symbolgen
