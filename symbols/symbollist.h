// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of a symbol list file as the game reads them: "Region; picture path". Widget-free.
#include <QString>
#include <QStringList>
#include <optional>

namespace symbollist {

struct SymbolLine {
    QString tag;      // everything before the first ";", exactly as it stands; a French region
                      // name becomes the region's English name, the game's key
    QString picture;  // what follows it, leading blanks dropped
};

// nullopt for a line without ";" (an empty line included).
std::optional<SymbolLine> splitSymbolLine(const QString& line);

// The custom set's name from the list file's own name (after its last folder separator): the
// text before its first ".". nullopt when the file's name holds no ".".
std::optional<QString> customSetName(const QString& listFile);

// --- The list the Picture Locator edits ---

// How the edited list orders its items: alphabetically, without regard to case.
bool itemLess(const QString& a, const QString& b);
// Puts an item at its sorted place, after any equal ones, and returns that place.
int insertSorted(QStringList& items, const QString& item);
// The sorted list with every added item at its sorted place, as if each were put there in turn by
// insertSorted, but in one pass (a list of tens of thousands of items loads at once).
QStringList mergeSorted(const QStringList& items, QStringList added);
// The item for a picture of a region: "Ontario; /home/ann/loon.gif".
QString makeItem(const QString& region, const QString& picture);

struct ListFile {
    bool opened = false;  // false: missing or unreadable; nothing was read
    QStringList items;    // its non-empty lines, in file order
};
// Reads a list file for editing: each non-empty line whole is one item.
ListFile readListFile(const QString& fileName);
// The lines a list is saved as: its non-empty items, in order.
QStringList listFileLines(const QStringList& items);

// What putting a list into the game would write to the custom slots. Items are taken in order,
// at most 13, up to the first empty one.
struct SlotPlan {
    QList<SymbolLine> lines;  // line i goes to custom slot i
    int badItem = -1;         // the first item taken that holds no ";", or -1
};
SlotPlan planCustomSlots(const QStringList& items);

} // namespace symbollist
