// SPDX-License-Identifier: GPL-3.0-or-later
// The class record's file: quoting that survives a round trip, rows that are not whole skipped
// and named, appends that keep what is there and the file's encoding, two games ending at once
// both recorded; questions counted by their text; the class list's names.
#include "classroom/classlist.h"
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

RecordRow byText(const QString& name, qint64 score, QStringList missed, QStringList asked)
{
    RecordRow r = row(name, score);
    r.asked = int(asked.size());
    r.rightFirstTime = r.asked - int(missed.size());
    r.missedQuestions = missed;
    r.askedQuestions = asked;
    return r;
}

TEST(ClassRecord, FieldsThatNeedQuotingComeBackAsWritten)
{
    const QStringList names{"Émilie Côté", "O'Brien, Sam", "Say \"hi\"", " padded ", "two\r\nlines", "", "=1+2", "'=x"};
    const QStringList asked{"What is the capital of Alberta?", "Which ocean, \"north\", lies there?", "-40 is how cold?"};
    for (const QString& name : names) {
        const QString line = csvLine(rowFields(byText(name, 1875, {asked[2]}, asked)));
        const RecordFile f = readRecordText((line + "\r\n").toUtf8());
        ASSERT_EQ(f.rows.size(), 1) << line.toStdString();
        const RecordRow& back = f.rows[0];
        EXPECT_EQ(back.name, name);
        EXPECT_FALSE(back.byNumber());
        EXPECT_EQ(back.missedQuestions, QStringList{asked[2]});
        EXPECT_EQ(back.askedQuestions, asked);
        EXPECT_EQ(back.score, 1875);
    }
    // Rows of the older form, by number, still read as numbers.
    const RecordFile old = readRecordText("2026-03-02T10:00:00,Ana,Valdra.qtn,3,6,regular,900,0,6,5,5,5,4,1 2 3 4 5 6\r\n");
    ASSERT_EQ(old.rows.size(), 1);
    EXPECT_TRUE(old.rows[0].byNumber());
    EXPECT_EQ(old.rows[0].missed, QList<int>({4}));
    EXPECT_EQ(old.rows[0].askedNumbers, QList<int>({1, 2, 3, 4, 5, 6}));
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
    // Named by their row as a spreadsheet numbers it, the header being row 1.
    const RecordFile f = readRecordText((csvLine(headerFields()) + "\r\n" + good + "\r\nA,B\r\n" + good + "\r\n\"x,\"y\"\r\n").toUtf8());
    EXPECT_EQ(f.skippedLines, QList<int>({3, 5}));
    EXPECT_EQ(f.rows.value(1).line, 4);
}

TEST(ClassRecord, RowsAreReadEachInItsOwnEncodingAndAppendedInTheFiles)
{
    TestFolder folder;
    files::SleepingWaiter clock;
    const QByteArray header = csvLine(headerFields()).toLatin1() + "\r\n";
    const QByteArray jose1252 = csvLine(rowFields(row("José Gagnon", 900))).toLatin1() + "\r\n";
    const QByteArray zoeUtf8 = csvLine(rowFields(row("Zoé Tremblay", 800))).toUtf8() + "\r\n";

    // A spreadsheet saved the file as Windows-1252; UTF-8 rows were appended after it.
    const RecordFile mixed = readRecordText(header + jose1252 + zoeUtf8 + jose1252);
    ASSERT_EQ(mixed.rows.size(), 3);
    EXPECT_EQ(mixed.rows[0].name, "José Gagnon");
    EXPECT_EQ(mixed.rows[1].name, "Zoé Tremblay");
    EXPECT_EQ(mixed.rows[2].name, "José Gagnon");
    EXPECT_TRUE(mixed.mixedEncodings());
    EXPECT_EQ(mixed.firstUtf8Line, 3);
    EXPECT_EQ(mixed.firstWindows1252Line, 2);

    const struct {
        const char* what;
        QByteArray before;
        QString name;
        QByteArray added;  // what the row's name is written as
        bool outside;
    } cases[] = {
        {"Windows-1252 file, name fits", header + jose1252, "Chloé", "Chlo\xE9", false},
        {"all-ASCII file, name fits", header, "Chloé", "Chlo\xE9", false},
        {"Windows-1252 file, name does not fit", header + jose1252, "Łucja", "\xC5\x81ucja", true},
        {"UTF-8 file with its mark", "\xEF\xBB\xBF" + header + zoeUtf8, "Chloé", "Chlo\xC3\xA9", false},
        {"UTF-8 file without a mark", header + zoeUtf8, "Chloé", "Chlo\xC3\xA9", false},
    };
    for (const auto& c : cases) {
        folder.write("r.csv", c.before);
        const AppendResult r = appendRecordRow("r.csv", row(c.name, 100), clock);
        ASSERT_TRUE(r.ok) << c.what;
        EXPECT_EQ(r.outsideFileEncoding, c.outside) << c.what;
        const QByteArray after = folder.read("r.csv");
        EXPECT_TRUE(after.startsWith(c.before)) << c.what;
        EXPECT_TRUE(after.mid(c.before.size()).contains("," + c.added + ",")) << c.what;
        EXPECT_EQ(readRecordFile("r.csv").rows.last().name, c.name) << c.what;
    }
}

TEST(ClassList, ANameTypedOtherwiseIsFiledUnderTheListsSpelling)
{
    TestFolder folder;
    folder.write("class.txt", "Zoé Tremblay\r\n\r\n  José  Gagnon \r\nZOE TREMBLAY\r\nAnaïs\r\n");
    const ClassList list = readClassList("class.txt");
    ASSERT_TRUE(list.opened);
    EXPECT_EQ(list.names, QStringList({"Zoé Tremblay", "José Gagnon", "Anaïs"}));
    EXPECT_EQ(list.firstDuplicate, 4);
    const struct {
        const char* typed;
        const char* filed;
    } cases[] = {
        {"zoe tremblay", "Zoé Tremblay"}, {" JOSE   GAGNON ", "José Gagnon"}, {"anais", "Anaïs"},
        {"Zoe", "Zoe"},                   {"  Noor ", "Noor"},                {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchListedName(QString::fromUtf8(c.typed), list.names), QString::fromUtf8(c.filed)) << c.typed;
    EXPECT_FALSE(readClassList("none.txt").opened);
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

// Questions pasted at the top of the file move every number: rows by text still count the
// right questions, and older rows by number are matched against the file as it is now.
TEST(ClassResults, QuestionsAreCountedByTheirTextAcrossAnEditedFile)
{
    const QStringList before{"Capital of Alberta?", "Capital of Yukon?", "Ocean north of Canada?"};
    const QStringList after = QStringList{"New one?", "New two?"} + before;
    const QList<RecordRow> rows{byText("Ana", 900, {"Capital of Alberta?"}, {"Capital of Alberta?", "Capital of Yukon?"}),
                                byText("Bo", 800, {"Capital of Alberta?"}, {"Capital of Alberta?"}),
                                row("Cy", 700, {1}, {1, 2})};
    const QList<QuestionTally> tallies = mostMissed(rows, "Valdra.qtn", after);
    // Cy's numbers 1 and 2 are now the two new questions: counted so, and marked.
    ASSERT_EQ(tallies.size(), 4);
    EXPECT_EQ(tallies[0].text, "Capital of Alberta?");
    EXPECT_EQ(tallies[0].number, 3);
    EXPECT_EQ(tallies[0].missed, 2);
    EXPECT_EQ(tallies[0].asked, 2);
    EXPECT_FALSE(tallies[0].byNumber);
    EXPECT_EQ(tallies[1].text, "New one?");
    EXPECT_TRUE(tallies[1].byNumber);
    EXPECT_EQ(gamesByNumber(rows, "valdra.qtn"), 1);
    const QList<QuestionTally> yukon = mostMissed(rows.mid(0, 2), "Valdra.qtn", after);
    EXPECT_EQ(yukon[1].text, "Capital of Yukon?");
    EXPECT_EQ(yukon[1].missed, 0);
    EXPECT_DOUBLE_EQ(yukon[1].shareRight(), 1.0);
    EXPECT_EQ(hardestFirst(yukon).last().text, "Capital of Yukon?");

    // The grid: each pupil's last game that asked a question decides its mark.
    QList<RecordRow> games = rows.mid(0, 2);
    games << byText("ana", 950, {}, {"Capital of Alberta?"});
    games.last().when = "2026-03-09T10:00:00";
    const QuestionGrid grid = questionGrid(games, "Valdra.qtn", after);
    ASSERT_EQ(grid.pupils, QStringList({"Ana", "Bo"}));
    ASSERT_EQ(grid.questions, QStringList({"Capital of Alberta?", "Capital of Yukon?"}));
    EXPECT_EQ(grid.marks[0], QList<Mark>({Mark::Right, Mark::Right}));
    EXPECT_EQ(grid.marks[1], QList<Mark>({Mark::Wrong, Mark::NotAsked}));

    // Dates: both bounds included.
    const RowFilter march9{"", "", QDate(2026, 3, 9), QDate(2026, 3, 9)};
    EXPECT_EQ(filterRows(games, march9).size(), 1);
    EXPECT_EQ(filterRows(games, RowFilter{"", "", {}, QDate(2026, 3, 8)}).size(), 2);
    const QList<ProgressPoint> progress = progressOf(games, "ANA");
    ASSERT_EQ(progress.size(), 2);
    EXPECT_EQ(progress[1].score, 950);
    EXPECT_DOUBLE_EQ(progress[0].shareRight, 0.5);
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
