// SPDX-License-Identifier: GPL-3.0-or-later
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
        {"two entries, names whole", {"  Mary-Lou, 3rd  ", "-12 ", "", " 0 "}, 2, ReadStop::EndOfFile},
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


TEST(HighScores, ScoreLineFormat)
{
    EXPECT_EQ(highscores::scoreLine(2345), QStringLiteral(" 2345 "));
    EXPECT_EQ(highscores::scoreLine(0), QStringLiteral(" 0 "));
    EXPECT_EQ(highscores::scoreLine(-5), QStringLiteral("-5 "));
    EXPECT_EQ(highscores::scoreLine(40000), QStringLiteral(" 40000 "));
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


