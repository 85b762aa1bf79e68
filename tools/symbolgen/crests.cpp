// SPDX-License-Identifier: GPL-3.0-or-later
// The thirteen crests: small shields in a few flat heraldic colours, each built from its
// region's colours and emblems (our own designs, not the official arms).
#include "pictures.h"
#include "imagefiles.h"
#include "shapes.h"

#include <QPainterPath>

#include <cmath>
#include <functional>

namespace symbolgen {
namespace {

constexpr int kWidth = 65;
constexpr int kHeight = 80;
constexpr int kSupersample = 4;

// Tinctures shared by all crests.
const QColor kWhite(255, 255, 255);
const QColor kOutline(36, 28, 28);
const QColor kGold(242, 190, 36);
const QColor kGoldDark(160, 110, 20);
const QColor kRed(204, 32, 44);
const QColor kBlue(28, 78, 168);
const QColor kSky(132, 186, 234);
const QColor kGreen(28, 128, 62);
const QColor kBrown(112, 70, 38);
const QColor kGrey(150, 152, 160);

QPainterPath shield()
{
    QPainterPath s;
    s.moveTo(3, 3);
    s.lineTo(62, 3);
    s.lineTo(62, 44);
    s.cubicTo(62, 62, 46, 70, 32.5, 77);
    s.cubicTo(19, 70, 3, 62, 3, 44);
    s.closeSubpath();
    return s;
}

void fill(QPainter& p, const QPainterPath& path, const QColor& c, const QColor& edge = kOutline, qreal w = 0.7)
{
    p.setBrush(c);
    if (w > 0)
        p.setPen(QPen(edge, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void rect(QPainter& p, qreal x, qreal y, qreal w, qreal h, const QColor& c)
{
    p.fillRect(QRectF(x, y, w, h), c);
}

// A chief (top band) with a line under it.
void chief(QPainter& p, qreal bottom, const QColor& c)
{
    rect(p, 0, 0, kWidth, bottom, c);
    p.setPen(QPen(kOutline, 0.7));
    p.drawLine(QPointF(0, bottom), QPointF(kWidth, bottom));
}

void stGeorgeChief(QPainter& p, qreal bottom)
{
    chief(p, bottom, kWhite);
    rect(p, 27.5, 0, 10, bottom, kRed);
    rect(p, 0, (bottom + 3) / 2 - 3.5, kWidth, 7, kRed);
    p.setPen(QPen(kOutline, 0.7));
    p.drawLine(QPointF(0, bottom), QPointF(kWidth, bottom));
}

void lionChief(QPainter& p, qreal bottom, const QColor& field, const QColor& lion)
{
    chief(p, bottom, field);
    fill(p, place(lionPassant(), QPointF(33.5, (bottom + 3) / 2 + 1.5), 13), lion);
}

void mapleLeaves(QPainter& p, std::initializer_list<QPointF> at, qreal size, const QColor& c)
{
    for (const QPointF& pt : at)
        fill(p, place(mapleLeaf(), pt, size), c);
}

// The Union Flag as a chief: blue field, the saltires white and red, the cross of St George
// edged white.
void unionChief(QPainter& p, qreal bottom)
{
    chief(p, bottom, QColor(20, 40, 110));
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, bottom), Qt::IntersectClip);
    const QPointF tl(0, 0), br(kWidth, bottom), tr(kWidth, 0), bl(0, bottom);
    p.setPen(QPen(kWhite, 5.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tl, br);
    p.drawLine(tr, bl);
    p.setPen(QPen(kRed, 1.7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tl, br);
    p.drawLine(tr, bl);
    rect(p, 0, bottom / 2 - 4, kWidth, 8, kWhite);
    rect(p, kWidth / 2 - 4.5, 0, 9, bottom, kWhite);
    rect(p, 0, bottom / 2 - 2.4, kWidth, 4.8, kRed);
    rect(p, kWidth / 2 - 2.7, 0, 5.4, bottom, kRed);
    p.restore();
    p.setPen(QPen(kOutline, 0.7));
    p.drawLine(QPointF(0, bottom), QPointF(kWidth, bottom));
}

void britishColumbia(QPainter& p)
{
    // Argent, three bars wavy azure, issuant from the base a demi-sun Or; a chief of the Union
    // Flag with an antique crown at its centre.
    rect(p, 0, 0, kWidth, kHeight, kWhite);
    const QPointF sun(32.5, 52);
    QPainterPath rays;
    for (int i = 0; i <= 10; ++i) {
        const qreal a = (-90 - 80 + 16.0 * i) * M_PI / 180, da = 5 * M_PI / 180;
        QPolygonF ray;
        ray << sun + QPointF(std::cos(a - da), std::sin(a - da)) * 12
            << sun + QPointF(std::cos(a), std::sin(a)) * 22
            << sun + QPointF(std::cos(a + da), std::sin(a + da)) * 12;
        rays.addPolygon(ray);
        rays.closeSubpath();
    }
    fill(p, rays, kGold, kOutline, 0.5);
    QPainterPath disc;
    disc.addEllipse(sun, 11, 11);
    fill(p, disc, kGold);
    rect(p, 0, 52, kWidth, 40, kWhite);
    for (int i = 0; i < 3; ++i)
        fill(p, wavyBand(-2, 67, 55.5 + 7.5 * i, 3.6, 1.5, 3), kBlue, kOutline, 0.4);
    p.setPen(QPen(kOutline, 0.7));
    p.drawLine(QPointF(0, 52), QPointF(kWidth, 52));
    unionChief(p, 24);
    // The antique crown: a gold band with points, where the crosses meet.
    QPainterPath crown;
    crown.addPolygon(QPolygonF({QPointF(27.5, 16), QPointF(27.5, 9.5), QPointF(29.2, 12.5), QPointF(30.8, 8.5),
                                QPointF(32.5, 12), QPointF(34.2, 8.5), QPointF(35.8, 12.5), QPointF(37.5, 9.5),
                                QPointF(37.5, 16)}));
    crown.closeSubpath();
    fill(p, crown, kGold, kOutline, 0.5);
}

void alberta(QPainter& p)
{
    stGeorgeChief(p, 16);
    rect(p, 0, 16, kWidth, 30, kSky);
    QPolygonF hills;
    hills << QPointF(-2, 44) << QPointF(8, 30) << QPointF(15, 36) << QPointF(26, 21) << QPointF(36, 34)
          << QPointF(46, 25) << QPointF(58, 38) << QPointF(67, 32) << QPointF(67, 46) << QPointF(-2, 46);
    QPainterPath m;
    m.addPolygon(hills);
    m.closeSubpath();
    fill(p, m, kGrey);
    QPolygonF snow1, snow2, snow3;
    snow1 << QPointF(26, 21) << QPointF(30, 26.5) << QPointF(27.5, 25.5) << QPointF(25.5, 27.5) << QPointF(22.5, 25.8);
    snow2 << QPointF(46, 25) << QPointF(50, 30) << QPointF(47.5, 29.5) << QPointF(45.5, 31) << QPointF(42.5, 29.2);
    snow3 << QPointF(8, 30) << QPointF(11, 34) << QPointF(8.5, 33) << QPointF(6, 34.6) << QPointF(5.5, 33.4);
    for (const QPolygonF& s : {snow1, snow2, snow3}) {
        QPainterPath sp;
        sp.addPolygon(s);
        sp.closeSubpath();
        fill(p, sp, kWhite, kOutline, 0.4);
    }
    fill(p, wavyBand(-2, 67, 41, 8, 1.5, 1.5), kGreen);
    rect(p, 0, 50, kWidth, 40, kGold);
    fill(p, wavyBand(-2, 67, 47, 4, 1.5, 1.5), kGreen, kGreen, 0);
    p.setPen(QPen(kOutline, 0.7));
    p.drawLine(QPointF(0, 50.5), QPointF(kWidth, 50.5));
    for (qreal x : {20.0, 32.5, 45.0}) {
        QPainterPath stalk;
        stalk.moveTo(x, 74);
        stalk.lineTo(x, 60);
        p.setPen(QPen(kBrown, 1.2));
        p.drawPath(stalk);
        QPainterPath ear;
        for (int g = 0; g < 4; ++g) {
            ear.addEllipse(QPointF(x - 1.4, 59 - g * 2.6), 1.5, 1.9);
            ear.addEllipse(QPointF(x + 1.4, 59 - g * 2.6), 1.5, 1.9);
        }
        ear.addEllipse(QPointF(x, 48.8), 1.1, 2.0);
        ear.setFillRule(Qt::WindingFill);
        fill(p, ear, kBrown, kBrown, 0);
    }
}

void saskatchewan(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kGreen);
    lionChief(p, 26, kGold, kRed);
    for (QPointF at : {QPointF(17.5, 45), QPointF(47.5, 45), QPointF(32.5, 62)}) {
        fill(p, place(wheatSheaf(), at, 11), kGold, kGoldDark, 0.5);
        fill(p, place(wheatEars(), at, 11), kGold, kGoldDark, 0.5);
    }
}

void manitoba(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kGreen);
    stGeorgeChief(p, 22);
    QPainterPath rock;
    rock.moveTo(6, 72);
    rock.cubicTo(10, 58, 20, 56, 32, 56);
    rock.cubicTo(46, 56, 56, 60, 60, 72);
    rock.closeSubpath();
    fill(p, rock, kGrey);
    fill(p, place(bison(), QPointF(33, 45), 17), kBrown);
    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(33 - 0.78 * 17, 45 + 0.04 * 17), 0.9, 0.9);
}

void ontario(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kGreen);
    stGeorgeChief(p, 21);
    mapleLeaves(p, {QPointF(19.5, 36), QPointF(45.5, 36), QPointF(32.5, 57.5)}, 10.5, kGold);
}

void quebec(QPainter& p)
{
    // Tierced in fess: azure, three fleurs-de-lis Or; gules, a lion passant guardant Or; Or, a
    // sprig of sugar maple of three leaves vert.
    rect(p, 0, 0, kWidth, 25, kBlue);
    for (QPointF at : {QPointF(14, 13), QPointF(32.5, 13), QPointF(51, 13)})
        fill(p, place(fleurDeLis(), at, 8.2), kGold);
    rect(p, 0, 25, kWidth, 22, kRed);
    fill(p, place(lionPassant(), QPointF(33.5, 36.5), 12.5), kGold);
    rect(p, 0, 47, kWidth, 40, kGold);
    p.setPen(QPen(kOutline, 0.7));
    p.drawLine(QPointF(0, 25), QPointF(kWidth, 25));
    p.drawLine(QPointF(0, 47), QPointF(kWidth, 47));
    p.setPen(QPen(kGreen.darker(130), 1.1));
    p.drawLine(QPointF(32.5, 73), QPointF(32.5, 58));
    fill(p, place(mapleLeaf(), QPointF(32.5, 57), 7.5), kGreen);
    fill(p, place(mapleLeaf(), QPointF(22, 63), 6, -50), kGreen);
    fill(p, place(mapleLeaf(), QPointF(43, 63), 6, 50), kGreen);
}

void ship(QPainter& p, QPointF at, qreal s, const QColor& sail)
{
    auto pt = [&](qreal x, qreal y) { return at + QPointF(x, y) * s; };
    QPainterPath hull;
    hull.moveTo(pt(-1.0, -0.25));
    hull.quadTo(pt(-0.8, 0.25), pt(-0.55, 0.25));
    hull.lineTo(pt(0.55, 0.25));
    hull.quadTo(pt(0.8, 0.25), pt(1.0, -0.25));
    hull.lineTo(pt(0.7, -0.05));
    hull.lineTo(pt(-0.7, -0.05));
    hull.closeSubpath();
    p.setPen(QPen(kOutline, 1.0));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(pt(i * 0.2, 0.15), pt(i * 0.2 - 0.18, 0.6));
    fill(p, hull, kOutline);
    p.setPen(QPen(kOutline, 1.1));
    p.drawLine(pt(0, -0.05), pt(0, -1.35));
    QPainterPath sl;
    sl.moveTo(pt(-0.55, -1.15));
    sl.lineTo(pt(0.55, -1.15));
    sl.quadTo(pt(0.62, -0.7), pt(0.55, -0.3));
    sl.lineTo(pt(-0.55, -0.3));
    sl.quadTo(pt(-0.48, -0.7), pt(-0.55, -1.15));
    fill(p, sl, sail, kOutline, 0.6);
    QPainterPath flag;
    flag.moveTo(pt(0, -1.35));
    flag.lineTo(pt(0.4, -1.27));
    flag.lineTo(pt(0, -1.18));
    fill(p, flag, kRed, kOutline, 0.4);
}

void newBrunswick(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kGold);
    lionChief(p, 24, kRed, kGold);
    rect(p, 0, 62, kWidth, 20, kBlue);
    ship(p, QPointF(32.5, 58), 16, kWhite);
    fill(p, wavyBand(-2, 67, 63, 2.6, 1.2, 4), kWhite, kOutline, 0.4);
    fill(p, wavyBand(-2, 67, 70, 2.6, 1.2, 4), kWhite, kOutline, 0.4);
}

void novaScotia(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kWhite);
    QPainterPath saltire;
    QPainterPath a, b;
    a.moveTo(3, 3);
    a.lineTo(62, 77);
    b.moveTo(62, 3);
    b.lineTo(3, 77);
    QPainterPathStroker st;
    st.setWidth(11);
    st.setCapStyle(Qt::SquareCap);
    saltire = st.createStroke(a).united(st.createStroke(b));
    fill(p, saltire, kBlue, kOutline, 0.5);
    QPainterPath inner;
    inner.moveTo(21, 27);
    inner.lineTo(44, 27);
    inner.lineTo(44, 42);
    inner.cubicTo(44, 49, 38, 52, 32.5, 55);
    inner.cubicTo(27, 52, 21, 49, 21, 42);
    inner.closeSubpath();
    fill(p, inner, kGold, kOutline, 0.7);
    p.setPen(QPen(kRed, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(QTransform().translate(32.5, 40).scale(0.82, 0.82).translate(-32.5, -40).map(inner));
    fill(p, place(lionPassant(), QPointF(32.5, 40), 7.5, 0, true), kRed, kRed, 0.3);
}

void oak(QPainter& p, QPointF foot, qreal s)
{
    auto pt = [&](qreal x, qreal y) { return foot + QPointF(x, y) * s; };
    QPainterPath trunk;
    trunk.moveTo(pt(-0.12, 0));
    trunk.lineTo(pt(-0.07, -0.5));
    trunk.lineTo(pt(0.07, -0.5));
    trunk.lineTo(pt(0.12, 0));
    trunk.closeSubpath();
    fill(p, trunk, kBrown, kOutline, 0.5);
    QPainterPath crown;
    const qreal blobs[][3] = {{0, -0.95, 0.36}, {-0.3, -0.72, 0.28}, {0.3, -0.72, 0.28},
                              {-0.18, -0.52, 0.24}, {0.18, -0.52, 0.24}, {0, -0.66, 0.3}};
    for (const auto& c : blobs)
        crown = crown.united([&] { QPainterPath e; e.addEllipse(pt(c[0], c[1]), c[2] * s, c[2] * s); return e; }());
    fill(p, crown, kGreen, kOutline, 0.6);
}

void princeEdwardIsland(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kWhite);
    lionChief(p, 22, kRed, kGold);
    QPainterPath ground;
    ground.moveTo(-2, 66);
    ground.quadTo(32.5, 56, 67, 66);
    ground.lineTo(67, 90);
    ground.lineTo(-2, 90);
    ground.closeSubpath();
    fill(p, ground, kGreen);
    fill(p, wavyBand(-2, 67, 68, 20, 1.0, 2), QColor(176, 72, 40), kOutline, 0.5);
    oak(p, QPointF(41, 63), 30);
    for (QPointF at : {QPointF(10.5, 65), QPointF(17, 64), QPointF(23.5, 63.5)})
        oak(p, at, 13);
}

void newfoundland(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kRed);
    const QPointF c(32.5, 36);
    QPainterPath cross;
    cross.addRect(QRectF(c.x() - 5, -2, 10, 90));
    cross = cross.united([&] { QPainterPath h; h.addRect(QRectF(-2, c.y() - 5, 70, 10)); return h; }());
    QPainterPathStroker st;
    st.setWidth(3.2);
    fill(p, st.createStroke(cross).united(cross), kGold, kOutline, 0.5);
    fill(p, cross, kWhite, kOutline, 0);
    // Gules, a cross argent; lions passant guardant Or in the first and fourth quarters,
    // unicorns passant argent in the second and third.
    fill(p, place(lionPassant(), QPointF(16.5, 20), 7.8), kGold, kOutline, 0.4);
    fill(p, place(lionPassant(), QPointF(48.5, 54), 7.8), kGold, kOutline, 0.4);
    fill(p, place(unicornPassant(), QPointF(48.5, 21), 7.6), kWhite, kOutline, 0.45);
    fill(p, place(unicornPassant(), QPointF(17, 55), 7.6), kWhite, kOutline, 0.45);
}

void yukon(QPainter& p)
{
    // Azure, a pallet wavy argent charged with a like pallet azure (the Yukon River), two piles
    // reversed gules edged argent (the mountains), each with two bezants (gold); a chief argent
    // with the cross of St George, a roundel of vair at its centre.
    rect(p, 0, 0, kWidth, kHeight, kBlue);
    auto pallet = [&](qreal half, const QColor& c) {
        QPainterPath river;
        const int n = 24;
        for (int i = 0; i <= n; ++i) {
            const qreal y = 18 + i * 64.0 / n;
            const QPointF at(32.5 + half + 1.6 * std::sin(y / 4.0), y);
            if (i == 0)
                river.moveTo(at);
            else
                river.lineTo(at);
        }
        for (int i = n; i >= 0; --i) {
            const qreal y = 18 + i * 64.0 / n;
            river.lineTo(32.5 - half + 1.6 * std::sin(y / 4.0), y);
        }
        river.closeSubpath();
        fill(p, river, c, c, 0);
    };
    pallet(5.5, kWhite);
    pallet(2.2, kBlue);
    for (const bool left : {true, false}) {
        const qreal foot0 = left ? -3 : 36.5, foot1 = left ? 28.5 : 68, peak = left ? 13 : 52;
        QPainterPath pile;
        pile.addPolygon(QPolygonF({QPointF(foot0, 82), QPointF(peak, 30), QPointF(foot1, 82)}));
        pile.closeSubpath();
        QPainterPathStroker edge;
        edge.setWidth(3.0);
        fill(p, edge.createStroke(pile).united(pile), kWhite, kOutline, 0.4);
        fill(p, pile, kRed, kOutline, 0);
        for (const qreal y : {50.0, 62.0}) {
            QPainterPath bezant;
            bezant.addEllipse(QPointF(peak, y), 3.0, 3.0);
            fill(p, bezant, kGold, kOutline, 0.5);
        }
    }
    stGeorgeChief(p, 20);
    // The roundel of vair: rows of blue bells on white.
    const QPointF c(32.5, 11.5);
    QPainterPath roundel;
    roundel.addEllipse(c, 6.2, 6.2);
    fill(p, roundel, kWhite, kOutline, 0);
    p.save();
    p.setClipPath(roundel);
    for (int row = 0; row < 4; ++row)
        for (int col = -1; col < 4; ++col) {
            const qreal x = c.x() - 6.2 + col * 4.2 + (row % 2 ? 2.1 : 0), y = c.y() - 6.2 + row * 3.1;
            QPainterPath bell;
            bell.addPolygon(QPolygonF({QPointF(x, y + 3.1), QPointF(x + 0.7, y + 1.2), QPointF(x + 2.1, y),
                                       QPointF(x + 3.5, y + 1.2), QPointF(x + 4.2, y + 3.1)}));
            bell.closeSubpath();
            fill(p, bell, kBlue, kBlue, 0);
        }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 0.6));
    p.drawEllipse(c, 6.2, 6.2);
}

void northwestTerritories(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kRed);
    // Green above a wavy diagonal (the tree line), red below it.
    QPainterPath green;
    green.moveTo(-2, 24);
    green.lineTo(67, 24);
    for (int i = 0; i <= 40; ++i) {
        const qreal t = i / 40.0;
        const qreal x = 67 - 69 * t;
        const qreal y = 26 + 48 * t + 2.2 * std::sin(t * 5 * M_PI);
        green.lineTo(x, y);
    }
    green.closeSubpath();
    fill(p, green, kGreen);
    chief(p, 24, kWhite);
    fill(p, wavyBand(-2, 67, 11, 4.5, 1.8, 2.5), kBlue, kOutline, 0.5);
    for (QPointF at : {QPointF(9, 30), QPointF(20, 30), QPointF(9, 42)}) {
        QPainterPath bar;
        bar.addRect(QRectF(at.x() - 2, at.y() - 4.5, 4, 9));
        fill(p, bar, kGold, kOutline, 0.5);
    }
    const QPointF fox(42, 55);
    fill(p, place(foxMask(), fox, 11), kWhite, kOutline, 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(fox + QPointF(-3.2, -1.2), 1.1, 1.3);
    p.drawEllipse(fox + QPointF(3.2, -1.2), 1.1, 1.3);
    p.drawEllipse(fox + QPointF(0, 7.6), 1.5, 1.2);
}

void nunavut(QPainter& p)
{
    rect(p, 0, 0, kWidth, kHeight, kBlue);
    chief(p, 23, kGold);
    fill(p, place(star(5, 1.0, 0.42), QPointF(32.5, 13.5), 8.5), kBlue, kOutline, 0.5);
    QPainterPath snow;
    snow.moveTo(-2, 68);
    snow.quadTo(32.5, 58, 67, 68);
    snow.lineTo(67, 90);
    snow.lineTo(-2, 90);
    snow.closeSubpath();
    fill(p, snow, kWhite);
    const QColor stone(188, 182, 170);
    const QRectF blocks[] = {{25, 48, 5, 15}, {35, 48, 5, 15}, {23, 43, 19, 5.5}, {27.5, 35.5, 10, 7.5},
                             {15, 30.5, 35, 5}, {28.5, 24.5, 8, 6}};
    for (const QRectF& r : blocks) {
        QPainterPath b;
        b.addRoundedRect(r, 1.2, 1.2);
        fill(p, b, stone, kOutline, 0.7);
    }
}

struct Design {
    const char* code;
    std::function<void(QPainter&)> paint;
    QList<QColor> tinctures;
};

const Design kDesigns[] = {
    {"bc", britishColumbia, {kGold, kBlue, kRed, QColor(20, 40, 110)}},
    {"ab", alberta, {kRed, kSky, kGrey, kGreen, kGold, kBrown}},
    {"sk", saskatchewan, {kGreen, kGold, kRed, kGoldDark}},
    {"mb", manitoba, {kGreen, kRed, kGrey, kBrown}},
    {"on", ontario, {kGreen, kRed, kGold}},
    {"qc", quebec, {kBlue, kGold, kGreen, kRed}},
    {"nb", newBrunswick, {kGold, kRed, kBlue}},
    {"ns", novaScotia, {kBlue, kGold, kRed}},
    {"pe", princeEdwardIsland, {kRed, kGold, kGreen, kBrown, QColor(176, 72, 40)}},
    {"nl", newfoundland, {kRed, kGold}},
    {"yt", yukon, {kBlue, kRed, kGold}},
    {"nt", northwestTerritories, {kRed, kGreen, kBlue, kGold}},
    {"nu", nunavut, {kBlue, kGold, QColor(188, 182, 170)}},
};

} // namespace

CrestPicture drawCrest(const QString& code, int scale)
{
    for (const Design& d : kDesigns) {
        if (code != QLatin1String(d.code))
            continue;
        const int factor = scale * kSupersample;
        QImage big(kWidth * factor, kHeight * factor, QImage::Format_ARGB32_Premultiplied);
        big.fill(kWhite);
        {
            QPainter p(&big);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(factor, factor);
            const QPainterPath s = shield();
            p.save();
            p.setClipPath(s);
            d.paint(p);
            p.restore();
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(s);
        }
        CrestPicture out;
        out.image = boxDownsample(big, kSupersample);
        out.tinctures = {kWhite.rgb(), kOutline.rgb()};
        for (const QColor& c : d.tinctures)
            out.tinctures.append(c.rgb());
        return out;
    }
    return {};
}

} // namespace symbolgen
