// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/regions.h"

#include "game/state.h"

#include <QCoreApplication>

namespace regions {

namespace {

// The names again, marked so the translation tools collect them; the table keeps the game's
// keys, which never change with the language.
[[maybe_unused]] const char* const kShownNames[] = {
    QT_TRANSLATE_NOOP("Regions", "British Columbia"), QT_TRANSLATE_NOOP("Regions", "Alberta"),
    QT_TRANSLATE_NOOP("Regions", "Saskatchewan"), QT_TRANSLATE_NOOP("Regions", "Manitoba"),
    QT_TRANSLATE_NOOP("Regions", "Ontario"), QT_TRANSLATE_NOOP("Regions", "Quebec"),
    QT_TRANSLATE_NOOP("Regions", "New Brunswick"), QT_TRANSLATE_NOOP("Regions", "Nova Scotia"),
    QT_TRANSLATE_NOOP("Regions", "Prince Edward Island"), QT_TRANSLATE_NOOP("Regions", "Newfoundland"),
    QT_TRANSLATE_NOOP("Regions", "Yukon"), QT_TRANSLATE_NOOP("Regions", "Northwest Territories"),
    QT_TRANSLATE_NOOP("Regions", "Nunavut"),
};

} // namespace

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
    return QCoreApplication::translate("Regions", modValdra::RegionTable[index].name);
}

QString displayName(const QString& gameName)
{
    for (int i = 0; i < int(modValdra::RegionTable.size()); ++i)
        if (gameName == QLatin1String(modValdra::RegionTable[i].name))
            return displayName(i);
    return gameName;
}

} // namespace regions
