// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// Colour counts sorted by colour, so the palette never depends on hash order.
using Histogram = std::vector<std::pair<QRgb, int>>;

Histogram histogramOf(const QImage& rgb)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[rgb.pixel(x, y) | 0xff000000];
    return {counts.begin(), counts.end()};
}

int channel(QRgb c, int i)
{
    return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c);
}

// Median cut: split the box with the widest channel range, weighted by pixel count, at its
// weighted median until there are enough boxes; each box gives its mean colour.
QList<QRgb> medianCut(Histogram colours, int wanted)
{
    struct Box { qsizetype begin, end; };
    std::vector<Box> boxes{{0, qsizetype(colours.size())}};
    auto widest = [&](const Box& b, int* which) {
        int best = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (qsizetype i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, channel(colours[i].first, ch));
                hi = std::max(hi, channel(colours[i].first, ch));
            }
            if (hi - lo > best) {
                best = hi - lo;
                *which = ch;
            }
        }
        return best;
    };
    while (int(boxes.size()) < wanted) {
        qsizetype pick = -1;
        long long pickScore = 0;
        int pickChannel = 0;
        for (qsizetype i = 0; i < qsizetype(boxes.size()); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int ch = 0;
            long long pixels = 0;
            for (qsizetype k = boxes[i].begin; k < boxes[i].end; ++k)
                pixels += colours[k].second;
            const long long score = widest(boxes[i], &ch) * pixels;
            if (score > pickScore) {
                pick = i;
                pickScore = score;
                pickChannel = ch;
            }
        }
        if (pick < 0)
            break;
        Box b = boxes[pick];
        std::stable_sort(colours.begin() + b.begin, colours.begin() + b.end,
                         [&](const auto& l, const auto& r) { return channel(l.first, pickChannel) < channel(r.first, pickChannel); });
        long long total = 0, run = 0;
        for (qsizetype k = b.begin; k < b.end; ++k)
            total += colours[k].second;
        qsizetype split = b.begin + 1;
        for (qsizetype k = b.begin; k < b.end - 1; ++k) {
            run += colours[k].second;
            split = k + 1;
            if (2 * run >= total)
                break;
        }
        boxes[pick] = {b.begin, split};
        boxes.push_back({split, b.end});
    }
    QList<QRgb> palette;
    for (const Box& b : boxes) {
        long long r = 0, g = 0, bl = 0, n = 0;
        for (qsizetype k = b.begin; k < b.end; ++k) {
            const auto [c, count] = colours[k];
            r += qRed(c) * count;
            g += qGreen(c) * count;
            bl += qBlue(c) * count;
            n += count;
        }
        palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((bl + n / 2) / n)));
    }
    return palette;
}

QImage toIndexed(const QImage& rgb)
{
    const Histogram colours = histogramOf(rgb);
    QList<QRgb> palette;
    if (colours.size() <= 256)
        for (const auto& [c, n] : colours)
            palette.append(c);
    else
        palette = medianCut(colours, 256);

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    std::map<QRgb, int> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        uchar* line = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000;
            auto it = nearest.find(c);
            if (it == nearest.end()) {
                int best = 0, bestDistance = INT_MAX;
                for (int i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                              db = qBlue(c) - qBlue(palette[i]);
                    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                it = nearest.emplace(c, best).first;
            }
            line[x] = uchar(it->second);
        }
    }
    return indexed;
}

const char* flagFileOf(const QString& code)
{
    static const std::map<QString, const char*> files = {
        {QStringLiteral("bc"), "british_columbia.svg"},
        {QStringLiteral("ab"), "alberta.svg"},
        {QStringLiteral("sk"), "saskatchewan.svg"},
        {QStringLiteral("mb"), "manitoba.svg"},
        {QStringLiteral("on"), "ontario.svg"},
        {QStringLiteral("qc"), "qu\xc3\xa9" "bec.svg"},
        {QStringLiteral("nb"), "new_brunswick.svg"},
        {QStringLiteral("ns"), "nova_scotia.svg"},
        {QStringLiteral("pe"), "prince_edward_island.svg"},
        {QStringLiteral("nl"), "newfoundland_and_labrador.svg"},
        {QStringLiteral("yt"), "yukon.svg"},
        {QStringLiteral("nt"), "northwest_territories.svg"},
        {QStringLiteral("nu"), "nunavut.svg"},
    };
    const auto it = files.find(code);
    return it == files.end() ? nullptr : it->second;
}

} // namespace

QImage drawFlag(const QString& flagFolder, const QString& code, QString* error, int scale)
{
    const char* name = flagFileOf(code);
    const QString file = name ? flagFolder + u'/' + QString::fromUtf8(name) : QString();
    QSvgRenderer svg(file);
    if (!name || !svg.isValid()) {
        *error = QStringLiteral("cannot read the flag of %1 (%2)").arg(code, file);
        return {};
    }
    const QSize size = (code == u"nu" ? QSize(380, 216) : QSize(75, 80)) * scale;
    const int edge = scale;
    // Letterbox the whole flag, undistorted, on a neutral grey with a thin darker edge so that
    // a flag with white at its border still shows where it ends.
    QSizeF flagSize = svg.viewBoxF().size();
    flagSize.scale(QSizeF(size.width() - 2 * edge, size.height() - 2 * edge), Qt::KeepAspectRatio);
    const QRectF target((size.width() - flagSize.width()) / 2.0, (size.height() - flagSize.height()) / 2.0,
                        flagSize.width(), flagSize.height());
    const QRect snapped = target.toAlignedRect() & QRect(QPoint(edge, edge), size - QSize(2 * edge, 2 * edge));

    QImage rgb(size, QImage::Format_RGB32);
    rgb.fill(QColor(216, 216, 216));
    QPainter painter(&rgb);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.fillRect(snapped.adjusted(-edge, -edge, edge, edge), QColor(96, 96, 96));
    painter.fillRect(snapped, Qt::white);
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    painter.setClipRect(snapped); // some flags draw past their own edges
    svg.render(&painter, QRectF(snapped));
    painter.end();
    return scale == 1 ? toIndexed(rgb) : rgb;
}

QImage drawPointer()
{
    // Drawn pixel by pixel: a grey pole with a gold knob, ending in a single-pixel tip at
    // (2, 30); a red and white pennant waving to the right from the top of the pole.
    QImage p(32, 32, QImage::Format_ARGB32);
    p.fill(Qt::transparent);
    const QRgb outline = qRgb(0, 0, 0), pole = qRgb(112, 112, 112), poleLight = qRgb(192, 192, 192),
               gold = qRgb(255, 204, 0), red = qRgb(214, 0, 0), white = qRgb(255, 255, 255);
    for (int y = 3; y <= 28; ++y) {
        p.setPixel(1, y, outline);
        p.setPixel(2, y, poleLight);
        p.setPixel(3, y, pole);
        p.setPixel(4, y, outline);
    }
    p.setPixel(2, 29, pole);
    p.setPixel(3, 29, outline);
    p.setPixel(1, 29, outline);
    p.setPixel(2, 30, outline); // the tip: the pixel the click lands on
    for (int y = 0; y <= 3; ++y)
        for (int x = 1; x <= 4; ++x)
            p.setPixel(x, y, (x == 1 || x == 4 || y == 0 || y == 3) && !((x == 1 || x == 4) && (y == 0 || y == 3))
                                 ? outline : gold);
    p.setPixel(1, 0, qRgba(0, 0, 0, 0));
    // Pennant from x 5 to 29, rows 4..17, each column lifted a little to make a wave.
    auto wave = [](int x) { static const int lift[] = {0, 0, 1, 1, 1, 1, 0, 0, -1, -1, -1, -1}; return lift[(x / 2) % 12]; };
    for (int x = 5; x <= 29; ++x) {
        const int top = 4 + wave(x), bottom = 17 + wave(x);
        for (int y = top; y <= bottom; ++y) {
            const bool edge = y == top || y == bottom || x == 29;
            const bool band = x < 11 || x > 23; // red bands at both ends, white in the middle
            p.setPixel(x, y, edge ? outline : band ? red : white);
        }
    }
    // A small red leaf in the white band.
    static const char* leaf[] = {
        "...#...",
        ".#.#.#.",
        "#######",
        ".#####.",
        "..###..",
        "...#...",
        "...#...",
    };
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 7; ++col)
            if (leaf[row][col] == '#')
                p.setPixel(14 + col, 7 + row + wave(14 + col), red);
    return p;
}

namespace {

// A stylised maple leaf around (0, 0), about 1.9 wide and 1.85 high; y grows downwards.
QPolygonF mapleLeaf()
{
    // The right half, mirrored for the left.
    static const QPointF half[] = {
        {0.00, -0.98}, {0.15, -0.66}, {0.30, -0.74}, {0.24, -0.18}, {0.55, -0.50}, {0.62, -0.36},
        {0.95, -0.44}, {0.83, -0.16}, {0.93, -0.09}, {0.56, 0.20}, {0.66, 0.34}, {0.07, 0.30},
        {0.05, 0.86},
    };
    QPolygonF leaf;
    for (const QPointF& p : half)
        leaf << p;
    for (int i = int(std::size(half)) - 1; i >= 0; --i)
        leaf << QPointF(-half[i].x(), half[i].y());
    return leaf;
}

const QColor iconBorder(40, 40, 120), iconTile(102, 102, 255), iconLeaf(214, 0, 0);

// At 16 px a smooth outline only blurs, so the icon is set pixel by pixel: the tile's border
// on whole pixels with cut corners, and a leaf with its three lobes and stem shaped by hand.
QImage drawSmallIcon()
{
    static const char* rows[] = {
        " BBBBBBBBBBBBBB ",
        "BB............BB",
        "B......RR......B",
        "B..R..RRRR..R..B",
        "B..RR.RRRR.RR..B",
        "B.RRRRRRRRRRRR.B",
        "B..RRRRRRRRRR..B",
        "B....RRRRRR....B",
        "B..RRRRRRRRRR..B",
        "B...RRRRRRRR...B",
        "B.....RRRR.....B",
        "B......RR......B",
        "B......RR......B",
        "B..............B",
        "BB............BB",
        " BBBBBBBBBBBBBB ",
    };
    QImage icon(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const char c = rows[y][x];
            icon.setPixel(x, y, c == 'B' ? iconBorder.rgb() : c == '.' ? iconTile.rgb()
                              : c == 'R' ? iconLeaf.rgb() : qRgba(0, 0, 0, 0));
        }
    return icon;
}

} // namespace

QImage drawIcon(int size)
{
    if (size <= 16)
        return drawSmallIcon();
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Line widths in whole pixels, and the tile's border centred on a pixel row when it is
    // odd, so the border stays sharp at every size.
    const double unit = size / 64.0;
    const double border = std::max(1.0, std::round(2 * unit));
    const double inset = std::round(2 * unit) + (int(border) % 2 ? 0.5 : 0);
    painter.setPen(QPen(iconBorder, border));
    if (size >= 128) {
        // Large sizes are looked at closely: a gentle light from above gives the tile depth.
        QLinearGradient light(0, 0, 0, size);
        light.setColorAt(0, iconTile.lighter(118));
        light.setColorAt(1, iconTile.darker(108));
        painter.setBrush(light);
    } else {
        painter.setBrush(iconTile);
    }
    painter.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), 10 * unit, 10 * unit);

    QTransform toIcon;
    toIcon.translate(size / 2.0, size * 31.0 / 64);
    toIcon.scale(27 * unit, 27 * unit);
    // The white ring keeps the leaf apart from the tile; it thins slower than the picture.
    const double ring = size <= 32 ? 1.5 : 2.5 * std::sqrt(unit);
    painter.setPen(QPen(Qt::white, ring, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(iconLeaf);
    painter.drawPolygon(toIcon.map(mapleLeaf()));
    painter.end();
    return icon;
}
