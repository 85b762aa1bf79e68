// SPDX-License-Identifier: GPL-3.0-or-later
// Records as spreadsheets write them, read back cell for cell, on text and on bytes; the
// separator guessed from rows of any width.
#include "files/csv.h"

#include <gtest/gtest.h>

namespace {

using files::csv::readAll;

TEST(CsvRecords, QuotedCellsHoldSeparatorsQuotesAndLineBreaks)
{
    struct Case {
        const char* name;
        const char* text;
        QList<QStringList> records;
    } cases[] = {
        {"plain, CR LF", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"LF and CR end records too, last needs none", "a\nb\rc", {{"a"}, {"b"}, {"c"}}},
        {"quoted separator and doubled quote", "\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}},
        {"quoted line breaks stay in the cell", "\"one\r\ntwo\",x\r\ny\n", {{"one\r\ntwo", "x"}, {"y"}}},
        {"empty cells and an empty line", "a,,\n\n,b\n", {{"a", "", ""}, {""}, {"", "b"}}},
        {"blanks before an opening quote, text after a closing one", " \"a,b\"c,d\n", {{"a,bc", "d"}}},
        {"a quote inside an unquoted cell is text", "5\" wide,x\n", {{"5\" wide", "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readAll(QString::fromUtf8(c.text), u','), c.records);

        // The byte reader splits the same way.
        const QByteArray bytes(c.text);
        QList<QByteArray> cells;
        qsizetype pos = 0;
        QList<QStringList> fromBytes;
        while (files::csv::readRecord(bytes, pos, ',', cells)) {
            QStringList decoded;
            for (const QByteArray& cell : cells)
                decoded << QString::fromUtf8(cell);
            fromBytes << decoded;
        }
        EXPECT_EQ(fromBytes, c.records);
    }
}

TEST(CsvRecords, PositionMovesRecordByRecordAndAnUnclosedQuoteIsTold)
{
    const QString text = QStringLiteral("a;\"b\nc\"\r\nd;e\n\"never closed;f\ng");
    qsizetype pos = 0;
    QStringList cells;
    bool unclosed = true;
    ASSERT_TRUE(files::csv::readRecord(text, pos, u';', cells, &unclosed));
    EXPECT_EQ(cells, QStringList({"a", "b\nc"}));
    EXPECT_FALSE(unclosed);
    EXPECT_EQ(pos, 9);
    ASSERT_TRUE(files::csv::readRecord(text, pos, u';', cells, &unclosed));
    EXPECT_EQ(cells, QStringList({"d", "e"}));
    ASSERT_TRUE(files::csv::readRecord(text, pos, u';', cells, &unclosed));
    EXPECT_EQ(cells, QStringList({"never closed;f\ng"}));
    EXPECT_TRUE(unclosed);
    EXPECT_EQ(pos, text.size());
    EXPECT_FALSE(files::csv::readRecord(text, pos, u';', cells));
}

TEST(CsvRecords, WritesWhatReadsBack)
{
    const QStringList cells = {"plain", "a,b", "say \"hi\"", "two\r\nlines", " padded ", "", "a;b"};
    const QString comma = files::csv::writeRecord(cells);
    EXPECT_EQ(comma, QStringLiteral("plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\" padded \",,a;b"));
    EXPECT_EQ(readAll(comma, u','), QList<QStringList>({cells}));
    const QString semicolon = files::csv::writeRecord(cells, u';');
    EXPECT_TRUE(semicolon.endsWith(QStringLiteral(";\"a;b\"")));
    EXPECT_EQ(readAll(semicolon, u';'), QList<QStringList>({cells}));
}

TEST(CsvRecords, GuessesTheSeparatorWhateverTheRowsWidth)
{
    struct Case {
        const char* name;
        const char* text;
        char16_t separator;
    } cases[] = {
        {"seven commas a row, a title row", "No.,Question,Right,W1,W2,W3,Notes\n1,Q?,A,B,C,D,n\n2,R?,A,B,C,D,\n", u','},
        {"semicolons, commas in the text", "Where, then?;A;B\nWhy, then, and how?;A;B\nOne;A;B\n", u';'},
        {"tabs, one comma in each row", "Toronto, ON\tA\tB\tC\nOttawa, ON\tA\tB\tC\n", u'\t'},
        {"bars", "a|b|c|d|e|f|g|h\ni|j|k|l|m|n|o|p\n", u'|'},
        {"quoted separators do not count", "\"a;b;c\",x\n\"d;e\",y\n", u','},
        {"nothing splits", "one\ntwo\n", u','},
    };
    for (const Case& c : cases)
        EXPECT_EQ(files::csv::guessSeparator(QString::fromUtf8(c.text)), QChar(c.separator)) << c.name;
}

} // namespace
