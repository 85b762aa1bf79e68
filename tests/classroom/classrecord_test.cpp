// SPDX-License-Identifier: GPL-3.0-or-later
// The class record's file: quoting that survives a round trip, rows that are not whole skipped,
// appends that keep what is there, and two games ending at once both recorded.
#include "classroom/classrecord.h"
#include "classroom/classresults.h"
#include "support/testfolder.h"

#include <QFile>
#include <array>
#include <vector>
#include <thread>
#include <gtest/gtest.h>

using namespace classroom;

namespace {

RecordRow row(const QString& name, qint64 score, QList<int> missed = {}, QList<int> asked = {})
{
    RecordRow r;
    r.when = QStringLiteral("2026-03-02T10:15:00");
    r.name = name;
    r.questionFile = QStringLiteral("Valdra.qtn");
    r.minutes = 3;
    r.symbols = 12;
    r.score = score;
    r.bonus = 250;
    r.asked = int(asked.size());
    r.missed = missed;
    r.askedNumbers = asked;
    return r;
}

TEST(ClassRecord, FieldsThatNeedQuotingComeBackAsWritten)
{
    const QStringList names{"Émilie Côté", "O'Brien, Sam", "Say \"hi\"", " padded ", "two\r\nlines", "", "=1+2", "'=x"};
    for (const QString& name : names) {
        const QString line = csvLine(rowFields(row(name, 1875, {3, 17}, {3, 5, 17})));
        const QList<QStringList> records = parseCsv(line + "\r\n");
        ASSERT_EQ(records.size(), 1) << name.toStdString();
        RecordRow back;
        ASSERT_TRUE(parseRow(records[0], back)) << line.toStdString();
        EXPECT_EQ(back.name, name);
        EXPECT_EQ(back.missed, QList<int>({3, 17}));
        EXPECT_EQ(back.askedNumbers, QList<int>({3, 5, 17}));
        EXPECT_EQ(back.score, 1875);
    }
    // A name that a spreadsheet would run as a formula is not written as one.
    EXPECT_TRUE(csvLine(rowFields(row("=HYPERLINK(\"x\")", 1))).contains(",\"'=HYPERLINK("));
}

TEST(ClassRecord, RowsThatCannotBeReadAreSkippedAndCounted)
{
    const QString good = csvLine(rowFields(row("Ana", 900)));
    const struct {
        const char* what;
        QByteArray text;
        int rows;
        int skipped;
    } cases[] = {
        {"header and two rows", (csvLine(headerFields()) + "\r\n" + good + "\r\n" + good + "\r\n").toUtf8(), 2, 0},
        {"too few fields", (good + "\r\nA,B,C\r\n").toUtf8(), 1, 1},
        {"too many fields", (good + "," + "\r\n" + good).toUtf8(), 1, 1},
        {"a number that is none", QString(good).replace(",900,", ",lots,").toUtf8(), 0, 1},
        {"cut short inside quotes", (good + "\r\n\"2026-03-02,Bo").toUtf8(), 1, 1},
        {"not CSV at all", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 0, 4},
        {"blank lines and LF only", ("\n\n" + good + "\n\n").toUtf8(), 1, 0},
    };
    for (const auto& c : cases) {
        const RecordFile f = readRecordText(c.text);
        EXPECT_EQ(f.rows.size(), c.rows) << c.what;
        EXPECT_EQ(f.skipped, c.skipped) << c.what;
    }
}

TEST(ClassRecord, NewFileGetsMarkAndHeaderAndAppendsKeepWhatIsThere)
{
    TestFolder folder;
    files::SleepingWaiter clock;
    ASSERT_TRUE(appendRecordRow("classresults.csv", row("Ana", 900), clock).ok);
    const QByteArray first = folder.read("classresults.csv");
    EXPECT_TRUE(first.startsWith("\xEF\xBB\xBF" "Date and time,Name,"));
    EXPECT_TRUE(first.endsWith("\r\n"));
    ASSERT_TRUE(appendRecordRow("classresults.csv", row("Bo", 700), clock).ok);
    const QByteArray both = folder.read("classresults.csv");
    EXPECT_TRUE(both.startsWith(first));
    EXPECT_EQ(both.count("Date and time"), 1);
    EXPECT_EQ(readRecordFile("classresults.csv").rows.size(), 2);

    // A file cut off mid-row: the damaged row stays as it was, the new one stands on its own line.
    folder.write("cut.csv", "not,a,row");
    ASSERT_TRUE(appendRecordRow("cut.csv", row("Cy", 500), clock).ok);
    EXPECT_TRUE(folder.read("cut.csv").startsWith("not,a,row\r\n"));
    const RecordFile cut = readRecordFile("cut.csv");
    EXPECT_EQ(cut.rows.size(), 1);
    EXPECT_EQ(cut.skipped, 1);
}

TEST(ClassRecord, AFileThatCannotBeWrittenSaysWhy)
{
    TestFolder folder;
    files::SleepingWaiter clock;
    QDir(folder.path()).mkdir("adir.csv");
    AppendResult r = appendRecordRow("adir.csv", row("Ana", 900), clock);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    r = appendRecordRow("nofolder/classresults.csv", row("Ana", 900), clock);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_FALSE(recordNotWritable("nofolder/classresults.csv").isEmpty());
    EXPECT_TRUE(recordNotWritable("classresults.csv").isEmpty());
}

// Twenty games ending at the same moment in one folder leave twenty rows.
TEST(ClassRecord, GamesEndingAtOnceAllKeepTheirRow)
{
    TestFolder folder;
    const QString path = folder.file("classresults.csv");
    std::array<bool, 20> ok{};
    std::vector<std::thread> games;
    for (int i = 0; i < 20; ++i)
        games.emplace_back([&path, &ok, i] {
            files::SleepingWaiter clock;
            ok[i] = appendRecordRow(path, row(QStringLiteral("Pupil %1").arg(i), 100 * i), clock, {4000, 400, 5}).ok;
        });
    for (std::thread& g : games)
        g.join();
    for (bool written : ok)
        EXPECT_TRUE(written);
    const RecordFile f = readRecordFile(path);
    EXPECT_EQ(f.rows.size(), 20);
    EXPECT_EQ(f.skipped, 0);
}

TEST(ClassResults, PupilsAndMostMissedAddUp)
{
    const QList<RecordRow> rows{row("Ana", 900, {2}, {1, 2, 3}), row(" ana", 1500, {2, 3}, {2, 3, 4}),
                                row("Bo", 600, {3}, {3}), row("Cy", 100, {1}, {1})};
    QList<RecordRow> other{row("Ana", 5000, {2}, {2})};
    other[0].questionFile = "C:\\Quizzes\\Rivers.qtn";

    const QList<PupilSummary> pupils = pupilSummaries(rows);
    ASSERT_EQ(pupils.size(), 3);
    EXPECT_EQ(pupils[0].games, 2);
    EXPECT_EQ(pupils[0].best, 1500);
    EXPECT_DOUBLE_EQ(pupils[0].mean, 1200);

    const QList<QuestionTally> missed = mostMissed(rows + other, "valdra.QTN", {"One?", "Two?", "Three?", "Four?"});
    ASSERT_EQ(missed.size(), 4);
    EXPECT_EQ(missed[0].number, 3);  // missed twice, asked three times
    EXPECT_EQ(missed[0].missed, 2);
    EXPECT_EQ(missed[0].asked, 3);
    EXPECT_EQ(missed[1].number, 2);  // missed twice, asked twice
    EXPECT_EQ(missed[1].text, "Two?");
    EXPECT_EQ(missed.last().missed, 0);

    EXPECT_EQ(filterRows(rows + other, "AN", "").size(), 3);
    EXPECT_EQ(filterRows(rows + other, "", "rivers.qtn").size(), 1);
}

} // namespace
