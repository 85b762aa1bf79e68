// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions to and from a spreadsheet. A header row's titles (English or French, any order)
// choose the columns: question, right answer, wrong answers; other columns are left out. Without
// one, a leading column of numbers is left out and the next five are question, right answer and
// three wrong answers. Comma, semicolon, tab or bar between cells, quoted as spreadsheets quote
// them (files/csv). Widget-free.
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
    bool numbered = false;  // a first column of numbers, without a header, was left out
    QStringList leftOut;    // the columns not taken, by title (or "column F" where untitled)
};

// What a header cell titles: a question field (FieldQuestion.. as Question::field numbers them,
// wrong answers all as 2) or -1 for a column the game has no use for.
int columnRole(const QString& title);

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
