// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settingsfile.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace settingsfile;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct NumberCase {
    const char* text;
    double expected;
};

class LeadingNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(leadingNumber(QString::fromLatin1(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(NumberCase{"12 000", 12000}, NumberCase{"-3.5e2", -350},
                                           NumberCase{"  7x", 7}, NumberCase{"", 0}, NumberCase{".5", 0.5},
                                           NumberCase{"1e999", Inf}, NumberCase{"-1e999", -Inf},
                                           NumberCase{"1e-999", 0}, NumberCase{"+4", 4},
                                           NumberCase{"1\t2\n3", 123}, NumberCase{"- 3", -3},
                                           NumberCase{"1 e 2", 100}, NumberCase{"2.5E-1", 0.25},
                                           NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"1e5.3", 1e5},
                                           NumberCase{"1.2.3", 1.2}, NumberCase{"3-4", 3}, NumberCase{"1,5", 1},
                                           NumberCase{"abc", 0}, NumberCase{"-", 0}, NumberCase{".", 0},
                                           NumberCase{"x12", 0}, NumberCase{"5.", 5}));

TEST(LeadingNumberLocale, PointIsTheSeparatorWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(leadingNumber(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("2,5")), 2);
    QLocale::setDefault(previous);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const struct { double in, out; } cases[] = {
        {6.5, 6}, {11.5, 12}, {12.5, 12}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {2.5001, 3}, {179.994, 180}, {0.5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(ToInt16, RoundsThenChecksTheRange)
{
    EXPECT_EQ(toInt16(32767.4), qint16(32767));
    EXPECT_EQ(toInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), qint16(-32768));
    EXPECT_EQ(toInt16(-32769), std::nullopt);
    EXPECT_EQ(toInt16(Inf), std::nullopt);
    EXPECT_EQ(toInt16(std::nan("")), std::nullopt);
}

struct LineCase {
    const char* line;
    Key key;
    const char* value;
};

class ClassifyLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ClassifyLine, FindsTheFirstKeyAndCutsTheValue)
{
    const SettingLine s = classifyLine(QString::fromLatin1(GetParam().line));
    EXPECT_EQ(s.key, GetParam().key) << GetParam().line;
    EXPECT_EQ(s.value, QString::fromLatin1(GetParam().value)) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ClassifyLine,
    ::testing::Values(
        LineCase{"Quiz: Valdra.qtn", Key::Quiz, "Valdra.qtn"}, LineCase{"quiz:x", Key::Quiz, "x"},
        LineCase{"PicList: mine.lst", Key::PicList, "mine.lst"}, LineCase{"PicList:", Key::PicList, ""},
        LineCase{"QuizPic: back.bmp", Key::QuizPic, "back.bmp"},
        LineCase{"Gamewidth: 12000", Key::GameWidth, "12000"},
        LineCase{"Gameheight: 9000", Key::GameHeight, "9000"}, LineCase{"Quiztop: 5100", Key::QuizTop, "5100"},
        LineCase{"Quizleft: 90", Key::QuizLeft, "90"}, LineCase{"Timeoption: 5", Key::TimeOption, "5"},
        LineCase{"DoorOption: 6", Key::DoorOption, "6"},
        // Later keys lose to earlier ones, and the first colon of the line cuts the value.
        LineCase{"PicList: quiz: odd.lst", Key::Quiz, "quiz: odd.lst"},
        LineCase{"QuizPic: C:\\quiz:x.bmp", Key::Quiz, "C:\\quiz:x.bmp"},
        LineCase{"Quiz: C:\\Games\\Canada.qtn", Key::Quiz, "C:\\Games\\Canada.qtn"},
        LineCase{"my own Quiz: here", Key::Quiz, "here"}, LineCase{"note: quiz: here", Key::Quiz, "quiz: here"},
        // Only spaces are dropped, and only at the front.
        LineCase{"Quiz:   two.qtn  ", Key::Quiz, "two.qtn  "}, LineCase{"Quiz:\t tab.qtn", Key::Quiz, "\t tab.qtn"},
        LineCase{"MyQuiz.qtn", Key::None, ""}, LineCase{"Quiz Valdra.qtn", Key::None, ""},
        LineCase{"", Key::None, ""}, LineCase{"Gamewidth 12000", Key::None, ""}));

TEST(ClassifyLine, KeepsTheCaseOfTheValue)
{
    EXPECT_EQ(classifyLine(QStringLiteral("QUIZ: MixedCase.Qtn")).value, QStringLiteral("MixedCase.Qtn"));
    EXPECT_EQ(classifyLine(QStringLiteral("Quiz: Québec.qtn")).value, QStringLiteral("Québec.qtn"));
}

struct ChoiceCase {
    const char* text;
    bool error;
    int value;  // -1: the setting stays as it is
};

void expectChoice(const Choice& choice, const ChoiceCase& c)
{
    EXPECT_EQ(choice.error, c.error) << c.text;
    if (c.value < 0)
        EXPECT_EQ(choice.value, std::nullopt) << c.text;
    else
        EXPECT_EQ(choice.value, std::optional<qint16>(c.value)) << c.text;
}

TEST(GameSeconds, TakesOnlyTheGameLengthsWeOffer)
{
    const ChoiceCase cases[] = {
        {"1", false, 60},      {"3", false, 180},     {"5", false, 300},     {"10", false, 600},
        {"2", false, -1},      {"2.9999", false, 180}, {"0", false, -1},      {"nothing", false, -1},
        {"546.1", false, -1},  // 32766 seconds fits
        {"546.2", true, -1},   // 32772 does not
        {"1000", true, -1},    {"-1000", true, -1},   {"1e999", true, -1},
    };
    for (const ChoiceCase& c : cases)
        expectChoice(gameSeconds(QString::fromLatin1(c.text)), c);
}

TEST(SymbolCount, TakesOnlySixOrTwelve)
{
    const ChoiceCase cases[] = {
        {"6", false, 6},    {"12", false, 12},   {"11.5", false, 12}, {"6.5", false, 6}, {"12.5", false, 12},
        {"5.5", false, 6},  {"7", false, -1},    {"", false, -1},     {"32767", false, -1},
        {"32768", true, -1}, {"1e999", true, -1},
    };
    for (const ChoiceCase& c : cases)
        expectChoice(symbolCount(QString::fromLatin1(c.text)), c);
}

TEST(WindowGeometry, RoundsSinglePrecisionToWholeTwipsAndRefusesWhatTheWindowCannotTake)
{
    EXPECT_EQ(windowSize(QStringLiteral("12000")), 12000);
    EXPECT_EQ(windowSize(QStringLiteral("12 000 twips")), 12000);
    EXPECT_EQ(windowSize(QStringLiteral("9600.5")), 9600);
    EXPECT_EQ(windowSize(QStringLiteral("9601.5")), 9602);
    // In double precision this is above the half; as a single it is exactly 2.5.
    EXPECT_EQ(windowSize(QStringLiteral("2.50000001")), 2);
    EXPECT_EQ(windowSize(QStringLiteral("wide")), 0);
    EXPECT_EQ(windowSize(QStringLiteral("491505")), 491505);
    EXPECT_EQ(windowSize(QStringLiteral("491506")), std::nullopt);
    EXPECT_EQ(windowSize(QStringLiteral("-1")), std::nullopt);
    EXPECT_EQ(windowSize(QStringLiteral("1e39")), std::nullopt);  // finite double, infinite single

    EXPECT_EQ(windowPosition(QStringLiteral("-1")), -1);
    EXPECT_EQ(windowPosition(QStringLiteral("-491505")), -491505);
    EXPECT_EQ(windowPosition(QStringLiteral("-491506")), std::nullopt);
    EXPECT_EQ(windowPosition(QStringLiteral("1e999")), std::nullopt);
}

} // namespace
