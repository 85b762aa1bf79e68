// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facts Explore the Map tells about each province and territory, read from the game's one
// embedded facts file. Widget-free, so the tests read the file exactly as the window does.
#include <QByteArray>
#include <QString>
#include <vector>

namespace explore {

struct RegionFacts {
    QString region;        // the game's name of the region, as in its region table
    QString officialName;  // where it differs from the game's name ("Newfoundland and Labrador")
    QString capital;
    QString flower;        // the floral emblem's flower
    QString capitalFr;     // the same two in French ("Québec", "Iris versicolore")
    QString flowerFr;
    int joined = 0;        // the year it joined Confederation
    qint64 areaKm2 = 0;    // total area, land and fresh water
    qint64 population = 0; // at the census of `FactsBook::censusYear`

    // The capital and the flower in the language in use.
    QString shownCapital() const;
    QString shownFlower() const;
};

// A count or an area as the language in use writes it: "1,542,056" in English,
// "1 542 056" in French, whatever the desktop's own locale.
QString shownNumber(qint64 value);

struct FactsBook {
    int censusYear = 0;
    // In the order of the region table; empty when the file could not be read.
    std::vector<RegionFacts> regions;
    // Why the file could not be read, for the player; empty when it was.
    QString error;

    // The facts of the region with the game's name `region`, or nullptr.
    const RegionFacts* find(const QString& region) const;
};

// Reads a facts file. It must hold every region of the table exactly once with every field; a
// file that does not gives no facts and says why.
FactsBook readFacts(const QByteArray& json);
// The facts built into the game.
FactsBook builtInFacts();

} // namespace explore
