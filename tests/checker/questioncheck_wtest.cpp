// SPDX-License-Identifier: GPL-3.0-or-later
// The question file checker, each case on a small file written here, and one verdict held
// against the game's own deck.
#include "checker/questioncheck.h"
#include "findings.h"
#include "game/deck.h"
#include "game/questionbank.h"
#include "game/state.h"

#include <QSet>
#include <random>

namespace {

using namespace checkertest;
using checker::checkQuestionFile;

QStringList block(const QString& question, const QString& right = QStringLiteral("The right one"),
    const QString& wrong1 = QStringLiteral("A wrong one"), const QString& wrong2 = QStringLiteral("Another wrong one"),
    const QString& wrong3 = QStringLiteral("The last wrong one"))
{
    return {question, right, wrong1, wrong2, wrong3};
}

// Three whole questions, which the checker finds nothing in.
QStringList cleanBlocks()
{
    return block(QStringLiteral("What is the capital of Alberta?"), QStringLiteral("Edmonton"), QStringLiteral("Calgary"),
               QStringLiteral("Red Deer"), QStringLiteral("Lethbridge"))
         + block(QStringLiteral("What is the capital of Manitoba?"), QStringLiteral("Winnipeg"),
               QStringLiteral("Brandon"), QStringLiteral("Thompson"), QStringLiteral("Churchill"))
         + block(QStringLiteral("Is Yukon a territory?"), QStringLiteral("True"), QStringLiteral("False"), QString(), QString());
}

class QuestionCheck : public ::testing::Test {
protected:
    void SetUp() override { modValdra::resetState(); }
    void TearDown() override { modValdra::resetState(); }
    TestFolder folder;
};

TEST_F(QuestionCheck, AFileThatIsASpreadsheetIsToldToGoThroughImportCsv)
{
    struct Case {
        const char* name;
        QStringList lines;
        bool sheet;
    } cases[] = {
        {"commas", {"Question,Right answer,Wrong answer 1", "Capital of Yukon?,Whitehorse,Dawson", "Capital of Nunavut?,Iqaluit,Alert"}, true},
        {"semicolons, quoted", {"\"Où, donc?\";Ici;Là;Ailleurs", "Quoi?;Ceci;Cela;Rien"}, true},
        {"a question file with a comma here and there", cleanBlocks() << "Toronto, Ottawa, or Kingston?", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.writeLines(QStringLiteral("lesson.qtn"), c.lines);
        const QStringList all = complaints(checkQuestionFile(QStringLiteral("lesson.qtn")));
        EXPECT_EQ(!all.filter(QStringLiteral("File > Import CSV")).isEmpty(), c.sheet) << all.join('\n').toStdString();
    }
}

TEST_F(QuestionCheck, ACleanFileGetsNoComplaintAndSaysWhatTheGameReads)
{
    folder.writeLines(QStringLiteral("clean.qtn"), cleanBlocks());
    const FileReport report = checkQuestionFile(QStringLiteral("clean.qtn"));
    EXPECT_TRUE(report.readable);
    EXPECT_TRUE(complaints(report).isEmpty()) << complaints(report).join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(report.count(Severity::Note), 1);
    EXPECT_TRUE(report.findings[0].text.contains(QStringLiteral("ASCII, CR LF line endings; 3 questions, 3 of which")))
        << report.findings[0].text.toStdString();
}

class QuestionCheckLines : public QuestionCheck, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(QuestionCheckLines, NamesTheProblemOnItsLine)
{
    const LinesCase& c = GetParam();
    folder.writeLines(QStringLiteral("test.qtn"), c.lines);
    EXPECT_TRUE(onlyComplaint(checkQuestionFile(QStringLiteral("test.qtn")), c.line, c.severity, QString::fromUtf8(c.words)));
}

const QStringList Clean = cleanBlocks();
const QStringList First = Clean.mid(0, 5), Second = Clean.mid(5, 5), Third = Clean.mid(10, 5);
const QString LongText = QStringLiteral("Which of these, counting every island and every stretch of mainland and measured "
                                        "along the lines of latitude on the map of the whole country, lies furthest north "
                                        "of all the provinces and territories?");
const QString LongAnswer = QStringLiteral("Into the Beaufort Sea, after it has left Great Slave Lake and passed Fort Simpson, "
                                          "Fort Good Hope and Inuvik on its long way north through the territories");

INSTANTIATE_TEST_SUITE_P(Problems, QuestionCheckLines, ::testing::Values(
    LinesCase{"ShortQuestion", block(QStringLiteral("Why?")) + Clean, 1, Severity::Problem, "fewer than 5 characters"},
    LinesCase{"EmptyCorrectAnswer", Clean + block(QStringLiteral("Which one is right?"), QString()), 17, Severity::Problem,
        "correct answer is empty"},
    LinesCase{"BlankLineBetweenBlocks", First + QStringList{QString()} + Second + Third, 6, Severity::Problem,
        "shifts the question on line 7 and every later question by 1 line"},
    LinesCase{"MissingLine", First.mid(0, 4) + Second + Third, 5, Severity::Problem,
        "where the question on line 1 expects its fourth answer: that question is missing 1 line"},
    LinesCase{"ExtraLine", First + QStringList{QStringLiteral("Medicine Hat")} + Second + Third, 6, Severity::Problem,
        "looks like an answer: the question before it has 1 line too many"},
    LinesCase{"TitleAtTheTop", QStringList{QStringLiteral("Geography of Canada")} + Clean, 1, Severity::Problem,
        "the file has 1 line too many at its top (a title?)"},
    LinesCase{"SameAnswerTwice", block(QStringLiteral("What is the capital of Yukon?"), QStringLiteral("Whitehorse"),
        QStringLiteral("Dawson"), QStringLiteral("Whitehorse"), QStringLiteral("Faro")) + Second, 4, Severity::Problem,
        "same answer as line 2 (\"Whitehorse\"): picking either counts as correct"},
    LinesCase{"SameQuestionTwice", First + Second + First, 11, Severity::Problem, "same question as question 1 (line 1)"},
    LinesCase{"QuestionTooLongForTheBox", block(LongText) + Second, 1, Severity::Problem, "too long for the question box"},
    LinesCase{"AnswerTooLongForItsButton", block(QStringLiteral("Where does the Mackenzie River flow?"),
        LongAnswer) + Second, 2, Severity::Problem, "too long for an answer button"},
    LinesCase{"WordWiderThanAButton", block(QStringLiteral("Which is the longest name?"),
        QStringLiteral("Taumatawhakatangihangakoauauotamateaturipukakapikimaungahoronukupokaiwhenuakitanatahu")) + Second,
        2, Severity::Problem, "a word in it is wider"},
    LinesCase{"LastQuestionCutShortToOneAnswer", Clean + QStringList{QStringLiteral("Is this the end?"), QStringLiteral("Yes")},
        16, Severity::Problem, "cut short: it has 1 of its 4 answer lines"},
    LinesCase{"LastQuestionCutShortToTwoAnswers", Clean + QStringList{QStringLiteral("Is this the end?"), QStringLiteral("Yes"),
        QStringLiteral("No")}, 16, Severity::Warning, "cut short: it has 2 of its 4"},
    LinesCase{"ShiftWithoutQuestionMarks", {QStringLiteral("Capital of Alberta"), QStringLiteral("Edmonton"),
        QStringLiteral("Calgary"), QStringLiteral("Banff"), QStringLiteral("Capital of Yukon"), QStringLiteral("Whitehorse"),
        QStringLiteral("Dawson"), QStringLiteral("Faro"), QStringLiteral("Mayo")}, 6, Severity::Problem,
        "a line is missing or one too many further up"},
    LinesCase{"BlankLineAtTheEnd", Clean + QStringList{QString()}, 16, Severity::Warning, "blank line at the end"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BytesCase {
    const char* name;
    QByteArray bytes;
    int line;
    Severity severity;
    const char* words;
};

class QuestionCheckBytes : public QuestionCheck, public ::testing::WithParamInterface<BytesCase> {};

TEST_P(QuestionCheckBytes, NamesTheProblemOnItsLine)
{
    const BytesCase& c = GetParam();
    folder.write(QStringLiteral("test.qtn"), c.bytes);
    EXPECT_TRUE(onlyComplaint(checkQuestionFile(QStringLiteral("test.qtn")), c.line, c.severity, QString::fromUtf8(c.words)));
}

QByteArray crlf(const QStringList& lines) { return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8(); }

QByteArray hundredAndOneQuestions()
{
    QStringList lines;
    for (int i = 1; i <= 101; ++i)
        lines += block(QStringLiteral("What is question number %1?").arg(i));
    return crlf(lines);
}

INSTANTIATE_TEST_SUITE_P(Problems, QuestionCheckBytes, ::testing::Values(
    // One Windows-1252 letter in a UTF-8 file makes the game read all of it as Windows-1252.
    BytesCase{"NotQuiteUtf8", crlf(First) + "What is the capital of Qu\xC3\xA9" "bec?\r\nQu\xE9" "bec City\r\nA\r\nB\r\nC\r\n",
        7, Severity::Problem, "byte 0xE9 is not UTF-8, so the game reads the whole file as Windows-1252"},
    BytesCase{"UnusedWindows1252Byte", crlf(First) + "What is \x81 here?\r\nA\r\nB\r\nC\r\nD\r\n", 6, Severity::Problem,
        "byte 0x81 is no character in Windows-1252"},
    BytesCase{"ControlCharacter", crlf(First) + "What is\x1A this?\r\nA\r\nB\r\nC\r\nD\r\n", 6, Severity::Problem,
        "control character 0x1A"},
    BytesCase{"Utf16", QByteArray("\xFF\xFEW\0h\0a\0t\0?\0", 12), 0, Severity::Problem, "UTF-16"},
    BytesCase{"EmptyFile", QByteArray(), 0, Severity::Problem, "the file is empty"},
    BytesCase{"MixedLineEndings", crlf(First) + Second.join(QLatin1Char('\n')).toUtf8() + "\n", 0, Severity::Warning,
        "mixed line endings (5 CR LF, 5 LF, 0 CR)"},
    BytesCase{"MoreThanAHundredQuestions", hundredAndOneQuestions(), 501, Severity::Problem,
        "lines 501 to 505 (from here to the end, question 101) are never read"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuestionCheck, PlacesAShiftByTheLengthOfTheLinesWhereNoQuestionHasAMark)
{
    QStringList lines;
    for (int i = 1; i <= 6; ++i)
        lines += block(QStringLiteral("The capital of province %1").arg(i), QStringLiteral("Right %1").arg(i),
            QStringLiteral("Wrong %1").arg(i), QStringLiteral("Wrong too %1").arg(i), QStringLiteral("Wrong also %1").arg(i));
    lines.removeAt(13);  // the third question's last answer
    folder.writeLines(QStringLiteral("test.qtn"), lines);
    const FileReport report = checkQuestionFile(QStringLiteral("test.qtn"));
    const QList<checker::Finding> problems = report.of(Severity::Problem);
    ASSERT_EQ(problems.size(), 2) << complaints(report).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(problems[1].line, 6);
    EXPECT_TRUE(problems[1].text.contains(QStringLiteral("between line 6 and line 15"))) << problems[1].text.toStdString();
}

TEST_F(QuestionCheck, SaysWhichEncodingAndLineEndingsTheGameReads)
{
    struct Case {
        QByteArray bytes;
        const char* summary;
    } cases[] = {
        {"Quelle ville?\r\nMontr\xE9" "al\r\nA\r\nB\r\nC\r\n", "Windows-1252, CR LF line endings"},
        {"Quelle ville?\nMontr\xC3\xA9" "al\nA\nB\nC\n", "UTF-8, LF line endings"},
        {"\xEF\xBB\xBFQuelle ville?\r\nMontr\xC3\xA9" "al\r\nA\r\nB\r\nC\r\n", "UTF-8 with a byte order mark"},
    };
    for (const Case& c : cases) {
        folder.write(QStringLiteral("enc.qtn"), c.bytes);
        const FileReport report = checkQuestionFile(QStringLiteral("enc.qtn"));
        EXPECT_TRUE(complaints(report).isEmpty()) << c.summary;
        ASSERT_FALSE(report.findings.isEmpty());
        EXPECT_TRUE(report.findings[0].text.contains(QLatin1String(c.summary))) << report.findings[0].text.toStdString();
    }
}

TEST_F(QuestionCheck, AFileThatCannotBeReadIsNotReadable)
{
    EXPECT_FALSE(checkQuestionFile(QStringLiteral("missing.qtn")).readable);
}

// The verdict "never asked" is the game's: play the deck of the game over the same file for
// many turns, and a question the checker calls never asked never comes up, while every other
// one does.
TEST_F(QuestionCheck, AQuestionCalledNeverAskedIsNeverDrawnByTheDeck)
{
    const QStringList lines = First + block(QStringLiteral("Why?")) + Second
                            + block(QStringLiteral("Which one is right?"), QString()) + Third + block(QString());
    folder.writeLines(QStringLiteral("deck.qtn"), lines);
    const FileReport report = checkQuestionFile(QStringLiteral("deck.qtn"));
    QSet<QString> neverAsked;
    for (const checker::Finding& f : report.of(Severity::Problem))
        if (f.text.contains(QStringLiteral("never asks")))
            neverAsked << lines[(f.line - 1) / 5 * 5];
    EXPECT_EQ(neverAsked.size(), 3) << complaints(report).join(QLatin1Char('\n')).toStdString();

    using namespace modValdra;
    ASSERT_EQ(questionbank::loadQuestionBank(QStringLiteral("deck.qtn")), questionbank::LoadOutcome::Loaded);
    std::mt19937 chance(14);
    const deck::DrawWhole draw = [&](int m) { return deck::wholeFromUniform(std::uniform_real_distribution<double>(0, 1)(chance), m); };
    QSet<QString> drawn;
    int left = QuestionCount;
    for (int turn = 0; turn < 300; ++turn) {
        if (!deck::holdsUsable(QuestionText, AnswerText, left))
            left = QuestionCount;
        deck::drawQuestion(QuestionText, AnswerText, left, draw);
        drawn << QuestionText[left];
        if (--left < 1)
            left = QuestionCount;
    }
    EXPECT_FALSE(drawn.intersects(neverAsked));
    EXPECT_EQ(drawn.size() + neverAsked.size(), QuestionCount);
}

} // namespace
