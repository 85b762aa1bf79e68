// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheet rows to questions and back: separators, quoting, header rows, encodings, and every
// row that did not go in as it stood named by its number.
#include "editor/csv.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace editor;

namespace {

Question q(const char* text, const char* right, const char* w1 = "", const char* w2 = "", const char* w3 = "")
{
    return Question{QString::fromUtf8(text), {QString::fromUtf8(right), QString::fromUtf8(w1), QString::fromUtf8(w2), QString::fromUtf8(w3)}};
}

TEST(Csv, DetectsTheSeparatorAndReadsQuotedCellsAsSpreadsheetsWriteThem)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        char separator;
    } cases[] = {
        {"comma, quoted commas and quotes",
         "\"Which is larger, Ontario or Quebec?\",Quebec,Ontario,\"Both \"\"equal\"\"\",\r\n"
         "Capital of Manitoba?,Winnipeg,Regina,Brandon,Calgary\r\n",
         ','},
        {"semicolon with commas unquoted in the text",
         "Which is larger, Ontario or Quebec?;Quebec;Ontario;Both \"equal\";\nCapital of Manitoba?;Winnipeg;Regina;Brandon;Calgary\n",
         ';'},
        {"tab", "Which is larger, Ontario or Quebec?\tQuebec\tOntario\tBoth \"equal\"\t\nCapital of Manitoba?\tWinnipeg\tRegina\tBrandon\tCalgary",
         '\t'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport imported = importCsv(c.bytes);
        EXPECT_EQ(imported.separator, QLatin1Char(c.separator));
        ASSERT_EQ(imported.questions.size(), 2);
        EXPECT_EQ(imported.questions[0], q("Which is larger, Ontario or Quebec?", "Quebec", "Ontario", "Both \"equal\""));
        EXPECT_EQ(imported.questions[1], q("Capital of Manitoba?", "Winnipeg", "Regina", "Brandon", "Calgary"));
        EXPECT_TRUE(imported.problems.isEmpty());
    }
}

TEST(Csv, TakesAHeaderRowOnlyWhenItIsOne)
{
    const CsvImport titled = importCsv("Question,Right answer,Wrong answer 1,Wrong answer 2,Wrong answer 3\r\nCapital of Yukon?,Whitehorse,Dawson\r\n");
    EXPECT_TRUE(titled.header);
    ASSERT_EQ(titled.questions.size(), 1);
    EXPECT_EQ(titled.questions[0].text, QStringLiteral("Capital of Yukon?"));

    const CsvImport french = importCsv("Question;Bonne réponse;Mauvaise réponse\nCapitale du Yukon?;Whitehorse;Dawson\n");
    EXPECT_TRUE(french.header);
    EXPECT_EQ(french.questions.size(), 1);

    // A first question that merely speaks of answers is a question.
    const CsvImport untitled = importCsv("Which answer names the capital of Yukon?,Whitehorse,Dawson\r\n");
    EXPECT_FALSE(untitled.header);
    EXPECT_EQ(untitled.questions.size(), 1);
}

TEST(Csv, ImportsTheShapesTeachersSpreadsheetsHave)
{
    const Question yukon = q("Capital of Yukon?", "Whitehorse", "Dawson", "Faro", "Haines");
    const Question alberta = q("Capital of Alberta?", "Edmonton", "Calgary", "Banff", "Jasper");
    struct Case {
        const char* name;
        QByteArray bytes;
        bool header;
        QStringList leftOut;
    } cases[] = {
        {"notes column after",
         "Question,Right answer,Wrong answer 1,Wrong answer 2,Wrong answer 3,Notes\r\n"
         "Capital of Yukon?,Whitehorse,Dawson,Faro,Haines,easy\r\nCapital of Alberta?,Edmonton,Calgary,Banff,Jasper,\r\n",
         true, {"\"Notes\""}},
        {"number column before, French titles in another order",
         "No.;Question;Mauvaise réponse 1;Bonne réponse;Mauvaise réponse 2;Mauvaise réponse 3\n"
         "1;Capital of Yukon?;Dawson;Whitehorse;Faro;Haines\n2;Capital of Alberta?;Calgary;Edmonton;Banff;Jasper\n",
         true, {"\"No.\""}},
        {"one title over all the wrong answers, with an untitled empty column",
         "Énoncé\tRéponse\tFausses réponses\t\t\t\n"
         "Capital of Yukon?\tWhitehorse\tDawson\tFaro\tHaines\t\nCapital of Alberta?\tEdmonton\tCalgary\tBanff\tJasper\t\n",
         true, {}},
        {"no header, numbered rows",
         "1,Capital of Yukon?,Whitehorse,Dawson,Faro,Haines\n2.,Capital of Alberta?,Edmonton,Calgary,Banff,Jasper\n",
         false, {"column A (numbers)"}},
        {"no header, semicolons, a quoted line break",
         "\"Capital of\r\nYukon?\";Whitehorse;Dawson;Faro;Haines\r\nCapital of Alberta?;Edmonton;Calgary;Banff;Jasper\r\n",
         false, {}},
        {"title row with a Notes column in front and its comma-laden notes",
         "Notes,Question,Correct answer,Incorrect 1,Incorrect 2,Incorrect 3\n"
         "\"hard, check\",Capital of Yukon?,Whitehorse,Dawson,Faro,Haines\n,Capital of Alberta?,Edmonton,Calgary,Banff,Jasper\n",
         true, {"\"Notes\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport imported = importCsv(c.bytes);
        EXPECT_EQ(imported.header, c.header);
        EXPECT_EQ(imported.leftOut, c.leftOut);
        EXPECT_EQ(imported.questions, Questions({yukon, alberta}));
        // Only the quoted line break is worth a word.
        for (const CsvProblem& p : imported.problems)
            EXPECT_TRUE(p.text.contains(QStringLiteral("line break"))) << p.row << ": " << p.text.toStdString();
    }
}

TEST(Csv, TellsColumnRolesByTheirTitles)
{
    struct Case {
        const char* title;
        int role;
    } cases[] = {{"Question", 0}, {"Énoncé", 0}, {"QUESTIONS", 0}, {"Question no.", -1}, {"Right answer", 1},
                 {"Bonne réponse", 1}, {"Réponse", 1}, {"Incorrect answer", 2}, {"Wrong answer 3", 2},
                 {"Mauvaise réponse", 2}, {"Fausse réponse 2", 2}, {"Notes", -1}, {"No.", -1}, {"", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(columnRole(QString::fromUtf8(c.title)), c.role) << c.title;
}

TEST(Csv, ReadsEachEncodingATeachersSpreadsheetSaves)
{
    const QString expected = QStringLiteral("Où est Trois-Rivières?");
    const QByteArray utf8 = expected.toUtf8() + ",Québec,Ontario\r\n";
    const QByteArray utf16 = QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>((expected + QStringLiteral("\tQuébec\tOntario\r\n")).utf16()),
                                                                  (expected.size() + 17) * 2);
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* encoding;
    } cases[] = {
        {"UTF-8", utf8, "UTF-8"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + utf8, "UTF-8 with a byte order mark"},
        {"Windows-1252", "O\xF9 est Trois-Rivi\xE8res?,Qu\xE9" "bec,Ontario\r\n", "Windows-1252"},
        {"UTF-16", utf16, "UTF-16"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvImport imported = importCsv(c.bytes);
        EXPECT_EQ(imported.encoding, QString::fromLatin1(c.encoding));
        ASSERT_EQ(imported.questions.size(), 1);
        EXPECT_EQ(imported.questions[0].text, expected);
        EXPECT_EQ(imported.questions[0].answers[0], QStringLiteral("Québec"));
    }
}

TEST(Csv, NamesEveryRowThatDidNotGoInAsItStoodByItsRowNumber)
{
    const CsvImport imported = importCsv("Question,Right,Wrong\r\n"                            // 1 header
                                         "Capital of Yukon?,Whitehorse,Dawson\r\n"              // 2 fine
                                         ",Regina,Saskatoon\r\n"                                // 3 no question
                                         "\r\n"                                                 // 4 blank: nothing lost
                                         "Capital of Nunavut?\r\n"                              // 5 no right answer
                                         "\"Capital of\nAlberta?\",Edmonton,Calgary\r\n"        // 6 line break
                                         "Capital of Ontario?,Toronto,Ottawa,Kingston,London,Hamilton\r\n"  // 7 six cells
                                         "Capital of Quebec?,\"Quebec City,Montreal\r\n");      // 8 never closed
    QList<int> rows;
    for (const CsvProblem& p : imported.problems)
        rows << p.row;
    EXPECT_EQ(rows, QList<int>({3, 5, 6, 7, 8}));
    // Nothing dropped: every row with text became a question.
    ASSERT_EQ(imported.questions.size(), 6);
    EXPECT_EQ(imported.questions[3].text, QStringLiteral("Capital of Alberta?"));
    EXPECT_EQ(imported.questions[4].answers[3], QStringLiteral("London"));
    EXPECT_TRUE(imported.problems[3].text.contains(QStringLiteral("6 cells")));
    EXPECT_TRUE(imported.problems[4].text.contains(QStringLiteral("never closed")));
}

TEST(Csv, ExportReadsBackAsTheSameQuestions)
{
    const Questions questions = {q("Which is larger, Ontario or Quebec?", "Quebec", "Ontario", "Both \"equal\"", " spaced "),
                                 q("Où est Iqaluit?", "Nunavut ᓄᓇᕗᑦ", "", "", ""), q("", "", "", "", "")};
    const QByteArray bytes = exportCsv(questions);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.contains("\r\n"));
    const CsvImport back = importCsv(bytes);
    EXPECT_TRUE(back.header);
    // The blank question is a blank row, which holds nothing; cells come back trimmed.
    Questions expected = questions.mid(0, 2);
    expected[0].answers[3] = QStringLiteral("spaced");
    EXPECT_EQ(back.questions, expected);
}

} // namespace
