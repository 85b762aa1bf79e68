// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/regionfacts.h"

#include "game/state.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace explore {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("explore::RegionFacts", text); }

FactsBook failed(const QString& why)
{
    FactsBook book;
    book.error = why;
    return book;
}

} // namespace

QString RegionFacts::shownCapital() const { return language::isFrench() ? capitalFr : capital; }

QString RegionFacts::shownFlower() const { return language::isFrench() ? flowerFr : flower; }

QString shownNumber(qint64 value) { return language::locale().toString(value); }

const RegionFacts* FactsBook::find(const QString& region) const
{
    for (const RegionFacts& facts : regions)
        if (facts.region == region)
            return &facts;
    return nullptr;
}

FactsBook readFacts(const QByteArray& json)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject())
        return failed(tr("the facts file is not valid JSON (%1)").arg(parseError.errorString()));
    const QJsonObject top = doc.object();
    FactsBook book;
    book.censusYear = top.value(QStringLiteral("census_year")).toInt();
    if (book.censusYear <= 0)
        return failed(tr("the facts file names no census year"));
    const QJsonArray list = top.value(QStringLiteral("regions")).toArray();
    std::vector<RegionFacts> byTable(modValdra::RegionTable.size());
    std::vector<bool> seen(modValdra::RegionTable.size(), false);
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        RegionFacts f;
        f.region = o.value(QStringLiteral("region")).toString();
        f.officialName = o.value(QStringLiteral("official_name")).toString();
        f.capital = o.value(QStringLiteral("capital")).toString();
        f.flower = o.value(QStringLiteral("flower")).toString();
        f.capitalFr = o.value(QStringLiteral("capital_fr")).toString();
        f.flowerFr = o.value(QStringLiteral("flower_fr")).toString();
        f.joined = o.value(QStringLiteral("joined")).toInt();
        f.areaKm2 = qint64(o.value(QStringLiteral("area_km2")).toDouble());
        f.population = qint64(o.value(QStringLiteral("population")).toDouble());
        int index = -1;
        for (int i = 0; i < int(modValdra::RegionTable.size()); ++i)
            if (f.region == QLatin1String(modValdra::RegionTable[i].name))
                index = i;
        if (index < 0)
            return failed(tr("the facts file names an unknown region \"%1\"").arg(f.region));
        if (seen[index])
            return failed(tr("the facts file names %1 twice").arg(f.region));
        if (f.officialName.isEmpty() || f.capital.isEmpty() || f.flower.isEmpty() || f.capitalFr.isEmpty()
            || f.flowerFr.isEmpty() || f.joined <= 0
            || f.areaKm2 <= 0 || f.population <= 0)
            return failed(tr("the facts of %1 are incomplete").arg(f.region));
        seen[index] = true;
        byTable[index] = f;
    }
    for (int i = 0; i < int(seen.size()); ++i)
        if (!seen[i])
            return failed(tr("the facts file lacks %1").arg(QLatin1String(modValdra::RegionTable[i].name)));
    book.regions = std::move(byTable);
    return book;
}

FactsBook builtInFacts()
{
    QFile file(QStringLiteral(":/data/regions.json"));
    if (!file.open(QIODevice::ReadOnly))
        return failed(tr("the built-in facts file cannot be read (%1)").arg(file.errorString()));
    return readFacts(file.readAll());
}

} // namespace explore
