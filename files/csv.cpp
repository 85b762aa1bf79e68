// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv.h"

#include <QHash>

namespace files::csv {

namespace {

constexpr int SampleRecords = 20;  // records that decide the separator

// The parser, the same for characters and bytes.
template <typename Text, typename Char, typename Cell, typename Cells>
bool readOne(const Text& text, qsizetype& pos, Char separator, Cells& cells, bool* unclosed)
{
    cells.clear();
    if (unclosed)
        *unclosed = false;
    const qsizetype n = text.size();
    if (pos >= n)
        return false;
    const auto is = [](Char c, char ascii) { return c == Char(char16_t(ascii)); };
    Cell cell;
    bool quoted = false, wasQuoted = false;
    qsizetype i = pos;
    for (; i < n; ++i) {
        const Char c = text[i];
        if (quoted) {
            if (is(c, '"')) {
                if (i + 1 < n && is(text[i + 1], '"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == separator) {
            cells << cell;
            cell.clear();
            wasQuoted = false;
        } else if (is(c, '\r') || is(c, '\n')) {
            if (is(c, '\r') && i + 1 < n && is(text[i + 1], '\n'))
                ++i;
            ++i;
            break;
        } else if (is(c, '"') && !wasQuoted && Cell(cell).trimmed().isEmpty()) {
            // A quoted cell; blanks before its opening mark are no part of it.
            cell.clear();
            quoted = wasQuoted = true;
        } else {
            // Text after a closing mark (a "b"c) is kept, as spreadsheets keep it.
            cell += c;
        }
    }
    if (quoted && unclosed)
        *unclosed = true;
    cells << cell;
    pos = i;
    return true;
}

} // namespace

bool readRecord(QStringView text, qsizetype& pos, QChar separator, QStringList& cells, bool* unclosed)
{
    return readOne<QStringView, QChar, QString>(text, pos, separator, cells, unclosed);
}

bool readRecord(QByteArrayView bytes, qsizetype& pos, char separator, QList<QByteArray>& cells, bool* unclosed)
{
    return readOne<QByteArrayView, char, QByteArray>(bytes, pos, separator, cells, unclosed);
}

QList<QStringList> readAll(QStringView text, QChar separator)
{
    QList<QStringList> records;
    QStringList cells;
    qsizetype pos = 0;
    while (readRecord(text, pos, separator, cells))
        records << cells;
    return records;
}

QChar guessSeparator(QStringView text)
{
    // The separator whose most common width (two cells or more) the most records share; among
    // equals the one that splits them into more cells. Only the first records: enough to tell.
    QChar best = u',';
    int bestShared = 0, bestWidth = 0;
    for (QChar candidate : {u',', u';', u'\t', u'|'}) {
        QHash<int, int> widths;
        QStringList cells;
        qsizetype pos = 0;
        for (int records = 0; records < SampleRecords && readRecord(text, pos, candidate, cells);) {
            if (cells.size() == 1 && cells[0].trimmed().isEmpty())
                continue;  // an empty line tells nothing
            ++records;
            if (cells.size() >= 2)
                ++widths[int(cells.size())];
        }
        for (auto it = widths.cbegin(); it != widths.cend(); ++it)
            if (it.value() > bestShared || (it.value() == bestShared && it.key() > bestWidth)) {
                bestShared = it.value();
                bestWidth = it.key();
                best = candidate;
            }
    }
    return best;
}

QString writeRecord(const QStringList& cells, QChar separator)
{
    QStringList written;
    written.reserve(cells.size());
    for (const QString& cell : cells) {
        const bool needsQuotes = cell.contains(separator) || cell.contains(u'"') || cell.contains(u'\n')
                              || cell.contains(u'\r') || cell.startsWith(u' ') || cell.endsWith(u' ');
        if (!needsQuotes) {
            written << cell;
            continue;
        }
        QString quoted = cell;
        quoted.replace(u'"', QStringLiteral("\"\""));
        written << QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return written.join(separator);
}

} // namespace files::csv
