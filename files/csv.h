// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CSV as spreadsheets write it (RFC 4180): cells quoted where they hold the separator, a
// quotation mark (doubled inside) or a line break; CR LF, LF or CR ends a record. The one reader
// and writer of the question import and export and of the class record. Widget-free.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace files::csv {

// One record from pos; false when pos is at the end. pos moves past the record's line end. An
// empty line is one empty cell. *unclosed is set when a quotation mark opened in the record
// never closes (the rest of the text went into its cell).
bool readRecord(QStringView text, qsizetype& pos, QChar separator, QStringList& cells, bool* unclosed = nullptr);
// The same on raw bytes, for files whose rows may differ in encoding (decode each cell afterwards).
bool readRecord(QByteArrayView bytes, qsizetype& pos, char separator, QList<QByteArray>& cells,
                bool* unclosed = nullptr);

QList<QStringList> readAll(QStringView text, QChar separator);

// The separator (',' ';' tab '|') that splits the first rows most consistently, whatever their
// width; ',' when none splits them.
QChar guessSeparator(QStringView text);

// One record, quoting the cells that need it; no line end.
QString writeRecord(const QStringList& cells, QChar separator = u',');

} // namespace files::csv
