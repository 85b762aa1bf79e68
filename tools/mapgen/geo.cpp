// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180.0;

// The svg paths use only relative "m" (with implicit line-tos) and "z".
Shape parsePathData(const QString& d, bool* ok)
{
    static const QRegularExpression token(QStringLiteral("[MmLlZz]|-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
    Shape shape;
    QPointF pen, subpathStart;
    QChar command;
    QList<double> numbers;
    auto flushNumbers = [&]() {
        for (qsizetype i = 0; i + 1 < numbers.size(); i += 2) {
            QPointF p(numbers[i], numbers[i + 1]);
            const bool relative = command.isLower();
            pen = relative ? pen + p : p;
            if ((command == u'm' || command == u'M') && i == 0) {
                subpathStart = pen;
                shape.append(Ring{});
            }
            if (shape.isEmpty())
                shape.append(Ring{});
            shape.last().append(pen);
        }
        *ok = *ok && numbers.size() % 2 == 0;
        numbers.clear();
    };
    *ok = true;
    auto it = token.globalMatch(d);
    while (it.hasNext()) {
        const QString t = it.next().captured();
        if (t[0].isLetter()) {
            flushNumbers();
            command = t[0];
            if (command == u'z' || command == u'Z')
                pen = subpathStart; // a following "m" is relative to the closed subpath's start
        } else {
            numbers.append(t.toDouble());
        }
    }
    flushNumbers();
    return shape;
}

} // namespace

QPointF svgMapsToDegrees(QPointF svg)
{
    // Spherical Mercator, fitted on the picture's straight borders (49, 60 and 70 degrees
    // north; 102, 110, 120 and 141 degrees west): residuals under 0.05 of a source pixel.
    const double lon = (svg.x() - 1264.124) / 8.96355;
    const double lat = 2.0 * std::atan(std::exp((1442.770 - svg.y()) / 513.013)) / degree - 90.0;
    return {lon, lat};
}

QPointF Lens::apply(QPointF p) const
{
    const QPointF d = p - centre;
    const double r2 = QPointF::dotProduct(d, d) / (radius * radius);
    const double weight = std::exp(-r2);
    return p + weight * ((magnification - 1.0) * d + shift);
}

QPointF Projection::project(QPointF lonLat) const
{
    const double lat = lonLat.y() * degree;
    const double lon = (lonLat.x() + rotation) * degree;
    QPointF p(centreX + radius * std::cos(lat) * std::sin(lon),
              centreY + radius * std::cos(lat) * std::cos(lon));
    for (const Lens& lens : lenses)
        p = lens.apply(p);
    return p;
}

QMap<QString, Shape> readRegionOutlines(const QString& svgFile, QString* error)
{
    QFile f(svgFile);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(svgFile);
        return {};
    }
    const QString text = QString::fromUtf8(f.readAll());
    static const QRegularExpression pathRe(QStringLiteral("<path[^>]*?\\bid=\"(\\w+)\"[^>]*?\\bd=\"([^\"]*)\""));
    QMap<QString, Shape> regions;
    auto it = pathRe.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        bool ok = false;
        Shape shape = parsePathData(m.captured(2), &ok);
        if (!ok || shape.isEmpty()) {
            *error = QStringLiteral("cannot parse the outline of %1").arg(m.captured(1));
            return {};
        }
        for (Ring& ring : shape)
            for (QPointF& p : ring)
                p = svgMapsToDegrees(p);
        regions.insert(m.captured(1), shape);
    }
    return regions;
}

QMap<QString, Shape> readCountries(const QString& topoJsonFile, QString* error)
{
    QFile f(topoJsonFile);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(topoJsonFile);
        return {};
    }
    const QJsonObject topo = QJsonDocument::fromJson(f.readAll()).object();
    const QJsonObject transform = topo[u"transform"].toObject();
    const QJsonArray scale = transform[u"scale"].toArray();
    const QJsonArray translate = transform[u"translate"].toArray();
    if (scale.size() != 2 || translate.size() != 2) {
        *error = QStringLiteral("%1 is not a quantised TopoJSON file").arg(topoJsonFile);
        return {};
    }

    // Arcs are quantised and delta-encoded.
    QList<Ring> arcs;
    for (const QJsonValue& arcValue : topo[u"arcs"].toArray()) {
        Ring arc;
        double x = 0, y = 0;
        for (const QJsonValue& step : arcValue.toArray()) {
            x += step[0].toDouble();
            y += step[1].toDouble();
            arc.append({x * scale[0].toDouble() + translate[0].toDouble(),
                        y * scale[1].toDouble() + translate[1].toDouble()});
        }
        arcs.append(arc);
    }
    auto ringOf = [&](const QJsonArray& arcIndices) {
        Ring ring;
        for (const QJsonValue& v : arcIndices) {
            const int i = v.toInt();
            Ring arc = arcs.value(i >= 0 ? i : ~i);
            if (i < 0)
                std::reverse(arc.begin(), arc.end());
            if (!ring.isEmpty() && !arc.isEmpty())
                arc.removeFirst(); // shared with the previous arc's last point
            ring.append(arc);
        }
        return ring;
    };

    QMap<QString, Shape> countries;
    const QJsonArray geometries = topo[u"objects"][u"countries"][u"geometries"].toArray();
    for (const QJsonValue& g : geometries) {
        const QString type = g[u"type"].toString();
        QJsonArray polygons;
        if (type == u"Polygon")
            polygons.append(g[u"arcs"]);
        else if (type == u"MultiPolygon")
            polygons = g[u"arcs"].toArray();
        Shape shape;
        for (const QJsonValue& polygon : polygons)
            for (const QJsonValue& ring : polygon.toArray())
                shape.append(ringOf(ring.toArray()));
        countries[g[u"properties"][u"name"].toString()].append(shape);
    }
    if (countries.isEmpty())
        *error = QStringLiteral("%1 holds no countries").arg(topoJsonFile);
    return countries;
}
