// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/regions.h"

#include "game/state.h"
#include "ui/language.h"

#include <QCoreApplication>

namespace regions {

namespace {

// French names with the article and the prepositions each takes, in the order of RegionTable.
struct French {
    const char* name;
    const char* object;
    const char* place;
    const char* of;
};

constexpr French kFrench[13] = {
    {"Colombie-Britannique", "la Colombie-Britannique", "en Colombie-Britannique", "de la Colombie-Britannique"},
    {"Alberta", "l'Alberta", "en Alberta", "de l'Alberta"},
    {"Saskatchewan", "la Saskatchewan", "en Saskatchewan", "de la Saskatchewan"},
    {"Manitoba", "le Manitoba", "au Manitoba", "du Manitoba"},
    {"Ontario", "l'Ontario", "en Ontario", "de l'Ontario"},
    {"Québec", "le Québec", "au Québec", "du Québec"},
    {"Nouveau-Brunswick", "le Nouveau-Brunswick", "au Nouveau-Brunswick", "du Nouveau-Brunswick"},
    {"Nouvelle-Écosse", "la Nouvelle-Écosse", "en Nouvelle-Écosse", "de la Nouvelle-Écosse"},
    {"Île-du-Prince-Édouard", "l'Île-du-Prince-Édouard", "à l'Île-du-Prince-Édouard", "de l'Île-du-Prince-Édouard"},
    {"Terre-Neuve-et-Labrador", "Terre-Neuve-et-Labrador", "à Terre-Neuve-et-Labrador", "de Terre-Neuve-et-Labrador"},
    {"Yukon", "le Yukon", "au Yukon", "du Yukon"},
    {"Territoires du Nord-Ouest", "les Territoires du Nord-Ouest", "aux Territoires du Nord-Ouest", "des Territoires du Nord-Ouest"},
    {"Nunavut", "le Nunavut", "au Nunavut", "du Nunavut"},
};

int indexOf(const QString& regionKey)
{
    for (int i = 0; i < 13; ++i)
        if (regionKey == QLatin1String(modValdra::RegionTable[i].name))
            return i;
    return -1;
}

} // namespace

QString key(const QString& name)
{
    for (int i = 0; i < 13; ++i)
        if (name == QString::fromUtf8(kFrench[i].name))
            return QString::fromLatin1(modValdra::RegionTable[i].name);
    return name;
}

QString french(const QString& regionKey)
{
    const int i = indexOf(regionKey);
    return i < 0 ? regionKey : QString::fromUtf8(kFrench[i].name);
}

QString shown(const QString& regionKey)
{
    return language::isFrench() ? french(regionKey) : regionKey;
}

QString shownObject(const QString& regionKey)
{
    const int i = indexOf(regionKey);
    if (!language::isFrench() || i < 0)
        return regionKey;
    return QString::fromUtf8(kFrench[i].object);
}

QString shownPlace(const QString& regionKey)
{
    if (!language::isFrench())
        return regionKey;
    const int i = indexOf(regionKey);
    if (i >= 0)
        return QString::fromUtf8(kFrench[i].place);
    if (regionKey.isEmpty())
        return QStringLiteral("hors de toute province et de tout territoire");
    return QStringLiteral("à ") + regionKey;
}

QString shownOf(const QString& regionKey)
{
    const int i = indexOf(regionKey);
    if (!language::isFrench() || i < 0)
        return regionKey;
    return QString::fromUtf8(kFrench[i].of);
}

QStringList shownNames()
{
    QStringList names;
    for (const auto& region : modValdra::RegionTable)
        names << shown(QString::fromLatin1(region.name));
    return names;
}

int indexOfName(const QString& regionKey) { return indexOf(regionKey); }

int indexOfColour(const std::array<qint64, 13>& colours, qint64 colour)
{
    for (int i = 0; i < int(colours.size()); ++i)
        if (colours[i] == colour)
            return i;
    return -1;
}

QString displayName(int index)
{
    if (index < 0 || index >= int(modValdra::RegionTable.size()))
        return QString();
    return shown(QString::fromLatin1(modValdra::RegionTable[index].name));
}

QString displayName(const QString& gameName)
{
    return shown(gameName);
}

} // namespace regions
