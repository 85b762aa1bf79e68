// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols/symbollist.h"

#include "game/regions.h"
#include "files/textfile.h"

#include <algorithm>
#include <iterator>

namespace symbollist {

std::optional<SymbolLine> splitSymbolLine(const QString& line)
{
    const qsizetype p = line.indexOf(QLatin1Char(';'));
    if (p < 0)
        return std::nullopt;
    // A region written in French stands for the same region as its English name.
    SymbolLine result{regions::key(line.left(p)), line.mid(p + 1)};
    qsizetype blanks = 0;
    while (blanks < result.picture.size() && result.picture[blanks] == QLatin1Char(' '))
        ++blanks;
    result.picture.remove(0, blanks);
    return result;
}

std::optional<QString> customSetName(const QString& listFile)
{
    // The file's own name: a dot in a folder's name ("~/.local/share") is no part of it. Both
    // Windows and local folder separators end a folder.
    const qsizetype cut = std::max(listFile.lastIndexOf(QLatin1Char('\\')), listFile.lastIndexOf(QLatin1Char('/')));
    const QString name = listFile.mid(cut + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return std::nullopt;
    return name.left(dot);
}

bool itemLess(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; }

int insertSorted(QStringList& items, const QString& item)
{
    const auto at = std::upper_bound(items.begin(), items.end(), item, itemLess);
    const int index = int(at - items.begin());
    items.insert(index, item);
    return index;
}

QStringList mergeSorted(const QStringList& items, QStringList added)
{
    // A stable sort keeps equal added items in their order, and the merge puts them after the
    // equal ones already there: the places insertSorted would give one by one.
    std::stable_sort(added.begin(), added.end(), itemLess);
    QStringList merged;
    merged.reserve(items.size() + added.size());
    std::merge(items.begin(), items.end(), added.begin(), added.end(), std::back_inserter(merged), itemLess);
    return merged;
}

QString makeItem(const QString& region, const QString& picture) { return region + QStringLiteral("; ") + picture; }

ListFile readListFile(const QString& fileName)
{
    const ui::TextFile file = ui::readTextFile(fileName);
    ListFile result;
    result.opened = file.opened;
    for (const QString& line : file.lines)
        if (!line.isEmpty())
            result.items << line;
    return result;
}

QStringList listFileLines(const QStringList& items)
{
    QStringList lines;
    for (const QString& item : items)
        if (!item.isEmpty())
            lines << item;
    return lines;
}

SlotPlan planCustomSlots(const QStringList& items)
{
    SlotPlan plan;
    for (int i = 0; i < 13 && i < items.size() && !items[i].isEmpty(); ++i) {
        const auto line = splitSymbolLine(items[i]);
        if (!line) {
            plan.badItem = i;
            break;
        }
        plan.lines << *line;
    }
    return plan;
}

} // namespace symbollist
