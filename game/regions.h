// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The provinces and territories as the player reads them. The English names of RegionTable stay
// the game's keys (a find compares them); these functions only dress a key for the screen in the
// language in use, with the forms French sentences need, and find which region a map colour
// stands for. Widget-free.
#include <QString>
#include <QStringList>
#include <array>

namespace regions {

// The key for a name written in English or in French ("Québec", "Terre-Neuve-et-Labrador"):
// the English name of RegionTable. Any other text comes back unchanged.
QString key(const QString& name);

// The official French name of a region key; other text unchanged.
QString french(const QString& regionKey);

// The name shown in the language in use. Text that is no region is shown as it stands.
QString shown(const QString& regionKey);
// The name as the object of a sentence ("Locate %1"): French takes its article, "l'Ontario",
// "la Saskatchewan", "les Territoires du Nord-Ouest"; English the bare name.
QString shownObject(const QString& regionKey);
// The name as a place one goes to or is in: French "en Ontario", "au Québec",
// "à l'Île-du-Prince-Édouard", "aux Territoires du Nord-Ouest"; English the bare name. An empty
// name (the sea, a border) stays empty in English and reads "outside every province and
// territory" in French.
QString shownPlace(const QString& regionKey);
// The name after "of" ("Place the symbol of %1"): French contracts the article with "de",
// "du Manitoba", "de l'Ontario", "des Territoires du Nord-Ouest"; English the bare name.
QString shownOf(const QString& regionKey);

// The thirteen names in the language in use, in the order of RegionTable.
QStringList shownNames();

// The index in RegionTable of the region with the game's name `regionKey`, or -1.
int indexOfName(const QString& regionKey);

// The index of the first region whose colour is `colour`, or -1 when none has it. The lower
// index wins where two regions share a colour.
int indexOfColour(const std::array<qint64, 13>& colours, qint64 colour);

// The name of region `index` as the player reads it, in the player's language; empty for an
// index outside the table.
QString displayName(int index);
// The same for a region given by the game's own name; a name that is no region (a custom
// symbol's tag) is shown as it is.
QString displayName(const QString& gameName);

} // namespace regions
