// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions to and from a spreadsheet: columns question, right answer, wrong answers 1 to 3; a
// header row when present; comma, semicolon or tab between cells; cells quoted as spreadsheets
// quote them (RFC 4180). Widget-free.
#include "editor/questionfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace editor {

struct CsvProblem {
    int row = 0;  // as the spreadsheet numbers its rows, the header row included
    QString text;
};

struct CsvImport {
    Questions questions;
    QList<CsvProblem> problems;  // every row that did not go in exactly as it stood
    bool header = false;
    QChar separator = QLatin1Char(',');
    QString encoding;  // as read: "UTF-8", "UTF-8 with a byte order mark", "UTF-16", "Windows-1252"
};

// Rows of cells; rowOfRecord gets, for each row, the row number it starts on (a quoted cell
// may hold line breaks, and spreadsheets count it as one row). *unclosed is the row whose
// quotation mark never closes, or 0.
QList<QStringList> parseCells(const QString& text, QChar separator, int* unclosed = nullptr);

// The separator the text is written with: the one that splits its first rows most like rows of
// five cells.
QChar detectSeparator(const QString& text);

// Whether a row is the column titles rather than a question.
bool looksLikeHeader(const QStringList& cells);

// A CSV file's bytes: UTF-8 with or without a byte order mark, UTF-16 with one, or
// Windows-1252.
CsvImport importCsv(const QByteArray& bytes);
// Cells copied from a spreadsheet: tab-separated text.
CsvImport importCells(const QString& text, QChar separator = QLatin1Char('\t'));

// UTF-8 with a byte order mark (so spreadsheets take the accents right), comma-separated, CR LF,
// with a header row.
QByteArray exportCsv(const Questions& questions);

} // namespace editor
