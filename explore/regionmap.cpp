// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/regionmap.h"

#include "game/regions.h"
#include "game/state.h"

#include <QPainter>

namespace explore {

namespace {

qint64 colourOf(const QImage& image, int x, int y) { return qint64(image.pixel(x, y) & 0xFFFFFF); }

} // namespace

RegionMap::RegionMap(const QImage& map) : m_picture(map.convertToFormat(QImage::Format_RGB32))
{
    const int w = m_picture.width(), h = m_picture.height();
    // Sampled as a new game samples them, at the same points.
    for (int i = 0; i < 13; ++i) {
        const auto& r = modValdra::RegionTable[i];
        m_colours[i] = m_picture.valid(r.x, r.y) ? colourOf(m_picture, r.x, r.y) : -1;
    }
    // The frame is what of a region's colour reaches the picture's edge: no region does, as
    // every one lies inside its borders. Flood it from the edge through equal colours.
    std::vector<bool> frame(size_t(w) * size_t(h), false);
    std::vector<QPoint> todo;
    auto push = [&](int x, int y, qint64 colour) {
        if (x < 0 || y < 0 || x >= w || y >= h || frame[size_t(y) * w + x])
            return;
        if (colourOf(m_picture, x, y) != colour || regions::indexOfColour(m_colours, colour) < 0)
            return;
        frame[size_t(y) * w + x] = true;
        todo.push_back(QPoint(x, y));
    };
    for (int x = 0; x < w; ++x) {
        push(x, 0, colourOf(m_picture, x, 0));
        push(x, h - 1, colourOf(m_picture, x, h - 1));
    }
    for (int y = 0; y < h; ++y) {
        push(0, y, colourOf(m_picture, 0, y));
        push(w - 1, y, colourOf(m_picture, w - 1, y));
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        const qint64 c = colourOf(m_picture, p.x(), p.y());
        push(p.x() + 1, p.y(), c);
        push(p.x() - 1, p.y(), c);
        push(p.x(), p.y() + 1, c);
        push(p.x(), p.y() - 1, c);
    }
    m_regionOf.assign(frame.size(), -1);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(m_picture.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (!frame[size_t(y) * w + x])
                m_regionOf[size_t(y) * w + x] = qint8(regions::indexOfColour(m_colours, qint64(line[x] & 0xFFFFFF)));
    }
}

int RegionMap::regionAt(QPoint p) const
{
    if (!m_picture.valid(p))
        return -1;
    return m_regionOf[size_t(p.y()) * m_picture.width() + p.x()];
}

QImage RegionMap::highlight(int region, QColor edge, QColor fill) const { return highlight(region, edge, fill, fill); }

QImage RegionMap::highlight(int region, QColor edge, QColor fill, QColor hatch) const
{
    QImage overlay(m_picture.size(), QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    if (region < 0 || region >= 13)
        return overlay;
    const QRgb edgeRgb = edge.rgba(), fillRgb = fill.rgba();
    const QRgb edgeP = qPremultiply(edgeRgb), fillP = qPremultiply(fillRgb), hatchP = qPremultiply(hatch.rgba());
    for (int y = 0; y < m_picture.height(); ++y)
        for (int x = 0; x < m_picture.width(); ++x) {
            if (regionAt(QPoint(x, y)) != region)
                continue;
            // Two pixels wide, so the outline still reads on a small map.
            bool inner = true;
            for (int d = 1; d <= 2 && inner; ++d)
                inner = regionAt(QPoint(x + d, y)) == region && regionAt(QPoint(x - d, y)) == region
                    && regionAt(QPoint(x, y + d)) == region && regionAt(QPoint(x, y - d)) == region;
            overlay.setPixel(x, y, !inner ? edgeP : (x + y) % 4 == 0 ? hatchP : fillP);
        }
    return overlay;
}

QImage RegionMap::missHighlight(int region) const
{
    // A dark edge and dark stripes over a lightened fill read on the darkest and the lightest
    // region colours alike.
    QImage overlay = highlight(region, QColor(200, 0, 0), QColor(255, 255, 255, 120), QColor(0, 0, 0, 200));
    // A region of a few pixels (Prince Edward Island) is all edge: a ring round it shows where.
    QRect box;
    for (int y = 0; y < m_picture.height(); ++y)
        for (int x = 0; x < m_picture.width(); ++x)
            if (regionAt(QPoint(x, y)) == region)
                box |= QRect(x, y, 1, 1);
    if (!box.isEmpty() && std::max(box.width(), box.height()) < 30) {
        QPainter p(&overlay);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        const double r = std::max(box.width(), box.height()) / 2.0 + 7;
        const QPointF c = QRectF(box).center();
        p.setPen(QPen(QColor(255, 255, 255, 230), 4));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawEllipse(c, r, r);
    }
    return overlay;
}

QImage RegionMap::missMap(int region, QSize size) const
{
    QImage image = m_picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&image);
        p.drawImage(0, 0, missHighlight(region));
    }
    return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

int RegionMap::regionNear(QPoint p, int radius) const
{
    const int here = regionAt(p);
    if (here >= 0 || radius <= 0)
        return here;
    // A point on another region never gets this far: only the sea, a border or the frame does.
    int best = -1;
    int bestDistance = radius * radius + 1;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int d = dx * dx + dy * dy;
            if (d >= bestDistance)
                continue;
            const int region = regionAt(p + QPoint(dx, dy));
            if (region >= 0) {
                best = region;
                bestDistance = d;
            }
        }
    return best;
}

QPoint RegionMap::anchor(int region)
{
    if (region < 0 || region >= 13)
        return QPoint();
    return QPoint(modValdra::RegionTable[region].x, modValdra::RegionTable[region].y);
}

const std::array<int, 13>& RegionMap::westToEast()
{
    // By where each lies from west to east, the territories beside the provinces south of them.
    static constexpr std::array<int, 13> order{10, 0, 11, 1, 2, 12, 3, 4, 5, 6, 8, 7, 9};
    return order;
}

} // namespace explore
