#include "game/highscores.h"

#include <gtest/gtest.h>

using highscores::Names;
using highscores::Values;

namespace {

// A list whose top entries are given and whose other entries are blank with 0.
void fill(Names& names, Values& values, std::initializer_list<std::pair<const char*, qint32>> top)
{
    highscores::clearList(names, values);
    int k = 0;
    for (const auto& [name, value] : top) {
        names[k] = QString::fromLatin1(name);
        values[k] = value;
        ++k;
    }
}

QStringList pairs(int count)
{
    QStringList lines;
    for (int k = 0; k < count; ++k)
        lines << QStringLiteral("P%1").arg(k) << QStringLiteral(" %1 ").arg(1000 - k);
    return lines;
}

} // namespace

TEST(HighScores, ClearListBlanksTheFifteenEntries)
{
    Names names;
    Values values;
    names[15] = QStringLiteral("sixteenth");
    values[15] = 7;
    highscores::clearList(names, values);
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(names[k], QString(20, QLatin1Char(' ')));
        EXPECT_EQ(values[k], 0);
    }
}

TEST(HighScores, ScoreField)
{
    struct Case { const char* line; std::optional<qint32> value; } cases[] = {
        {" 2345 ", 2345}, {"2345", 2345}, {"   17", 17}, {"-5 ", -5}, {" 0 ", 0},
        {" 40000 ", 40000},      // wider than the old 16-bit list
        {"12,34", 12}, {"12 junk", 12},
        {"abc", std::nullopt}, {"", std::nullopt}, {"   ", std::nullopt}, {"12abc", std::nullopt},
        {"-", std::nullopt}, {"99999999999", std::nullopt}, {"1.5", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(highscores::readScoreField(QString::fromLatin1(c.line)), c.value) << '"' << c.line << '"';
}

TEST(HighScores, ReadingStopsAtTheFirstFaultAndKeepsWholeEntries)
{
    using highscores::ReadStop;
    struct Case {
        const char* what;
        QStringList lines;
        int entries;
        ReadStop stop;
    } cases[] = {
        {"two entries", {"Ann", " 900 ", "", " 0 "}, 2, ReadStop::EndOfFile},
        {"bad score", {"Ann", " 900 ", "Bob", "lots", "Cy", " 100 "}, 1, ReadStop::BadScore},
        {"name without score", {"Ann", " 900 ", "Bob"}, 1, ReadStop::MissingScore},
        {"sixteen entries fill slot 15", pairs(16), 16, ReadStop::EndOfFile},
        {"seventeen are too many", pairs(17), 16, ReadStop::TooMany},
        {"empty file", {}, 0, ReadStop::EndOfFile},
    };
    for (const Case& c : cases) {
        Names names;
        Values values;
        highscores::clearList(names, values);
        const highscores::ReadResult r = highscores::readScoreLines(c.lines, names, values);
        EXPECT_EQ(r.entries, c.entries) << c.what;
        EXPECT_EQ(r.stop, c.stop) << c.what;
        if (c.entries > 0) {
            EXPECT_EQ(names[0], c.lines[0]) << c.what;
        }
        if (c.entries < 15) {
            EXPECT_EQ(names[c.entries], QString(20, QLatin1Char(' '))) << c.what;
            EXPECT_EQ(values[c.entries], 0) << c.what;
        }
    }
}

TEST(HighScores, ReadKeepsTheNameLineWhole)
{
    Names names;
    Values values;
    highscores::clearList(names, values);
    highscores::readScoreLines({QStringLiteral("  Mary-Lou, 3rd class  "), QStringLiteral("-12 ")}, names, values);
    EXPECT_EQ(names[0], QStringLiteral("  Mary-Lou, 3rd class  "));
    EXPECT_EQ(values[0], -12);
}

TEST(HighScores, ScoreLineFormat)
{
    EXPECT_EQ(highscores::scoreLine(2345), QStringLiteral(" 2345 "));
    EXPECT_EQ(highscores::scoreLine(0), QStringLiteral(" 0 "));
    EXPECT_EQ(highscores::scoreLine(-5), QStringLiteral("-5 "));
    EXPECT_EQ(highscores::scoreLine(40000), QStringLiteral(" 40000 "));
}

TEST(HighScores, FileLinesRoundTrip)
{
    Names names;
    Values values;
    fill(names, values, {{"Ann", 40000}, {"", 300}, {"***", -5}});
    const QStringList lines = highscores::scoreFileLines(names, values);
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines[0], QStringLiteral("Ann"));
    EXPECT_EQ(lines[1], QStringLiteral(" 40000 "));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(lines[5], QStringLiteral("-5 "));

    Names readNames;
    Values readValues;
    highscores::clearList(readNames, readValues);
    EXPECT_EQ(highscores::readScoreLines(lines, readNames, readValues).entries, 15);
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(readNames[k], names[k]) << k;
        EXPECT_EQ(readValues[k], values[k]) << k;
    }
}

TEST(HighScores, TwoConditionsToEnter)
{
    Values values{};
    values[14] = 100;
    struct Case { qint32 score; int correct; bool enters; } cases[] = {
        {101, 5, true}, {100, 5, false}, {99999, 4, false}, {101, 12, true}, {50, 12, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(highscores::qualifies(c.score, c.correct, values), c.enters) << c.score << "/" << c.correct;
}

TEST(HighScores, InsertionOrderAndTies)
{
    struct Case {
        const char* what;
        std::initializer_list<std::pair<const char*, qint32>> before;
        qint32 score;
        std::vector<std::pair<QString, qint32>> top;  // the first entries afterwards
    } cases[] = {
        {"the 400 case", {{"A", 500}, {"B", 300}, {"C", 300}, {"D", 200}}, 400,
         {{"A", 500}, {"***", 400}, {"C", 300}, {"B", 300}, {"D", 200}}},
        {"equal goes below", {{"A", 500}, {"B", 300}}, 300,
         {{"A", 500}, {"B", 300}, {"***", 300}}},
        {"best of all", {{"A", 500}}, 900, {{"***", 900}, {"A", 500}}},
    };
    for (const Case& c : cases) {
        Names names;
        Values values;
        fill(names, values, c.before);
        highscores::insertScore(names, values, c.score);
        for (size_t k = 0; k < c.top.size(); ++k) {
            EXPECT_EQ(names[k], c.top[k].first) << c.what << " row " << k;
            EXPECT_EQ(values[k], c.top[k].second) << c.what << " row " << k;
        }
    }
}

TEST(HighScores, TheOldLastEntryDropsOut)
{
    Names names;
    Values values;
    for (int k = 0; k < 15; ++k) {
        names[k] = QStringLiteral("P%1").arg(k);
        values[k] = 1500 - 100 * k;  // P14 has 100
    }
    names[15] = QStringLiteral("untouched");
    values[15] = 0;
    highscores::insertScore(names, values, 101);
    EXPECT_EQ(names[14], QStringLiteral("***"));
    EXPECT_EQ(values[14], 101);
    EXPECT_EQ(names[13], QStringLiteral("P13"));
    EXPECT_EQ(names[15], QStringLiteral("untouched"));
    EXPECT_EQ(std::count(names.begin(), names.end(), QStringLiteral("P14")), 0);
}

TEST(HighScores, NamePrompt)
{
    EXPECT_EQ(highscores::namePrompt(2345),
              QStringLiteral("Your score of  2345 adds your name to the high score list\rEnter your name:"));
    EXPECT_EQ(highscores::namePrompt(-5),
              QStringLiteral("Your score of -5 adds your name to the high score list\rEnter your name:"));
}
