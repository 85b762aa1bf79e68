// Every line of any settings file sets at most one setting, the first key found in it, with
// the value cut after the line's first colon; the numbers it gives stay in their ranges.
#include "config/settingsfile.h"
#include "fuzzsupport.h"
#include "files/textfile.h"

#include <cmath>

namespace {

const char* const Keys[] = {"QUIZ:", "PICLIST:", "QUIZPIC:", "GAMEWIDTH:", "GAMEHEIGHT:",
                            "QUIZTOP:", "QUIZLEFT:", "TIMEOPTION:", "DOOROPTION:"};

QString upperAscii(QString text)
{
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return text;
}

void checkNumbers(const QString& value)
{
    const double number = settingsfile::leadingNumber(value);
    FUZZ_REQUIRE(!std::isnan(number));
    // Whatever follows the number cannot change it.
    FUZZ_REQUIRE(settingsfile::leadingNumber(value + QLatin1Char('x')) == number);
    if (std::isfinite(number)) {
        const double whole = settingsfile::roundHalfEven(number);
        FUZZ_REQUIRE(whole == std::floor(whole));
        FUZZ_REQUIRE(std::fabs(whole - number) <= 0.5);
        if (std::fabs(whole - number) == 0.5)
            FUZZ_REQUIRE(std::fmod(whole, 2.0) == 0);
    }
    if (const auto small = settingsfile::toInt16(number))
        FUZZ_REQUIRE(std::fabs(double(*small) - number) <= 0.5);

    const settingsfile::Choice seconds = settingsfile::gameSeconds(value);
    if (seconds.value)
        FUZZ_REQUIRE(!seconds.error && (*seconds.value == 60 || *seconds.value == 180 || *seconds.value == 300 || *seconds.value == 600));
    const settingsfile::Choice count = settingsfile::symbolCount(value);
    if (count.value)
        FUZZ_REQUIRE(!count.error && (*count.value == 6 || *count.value == 12));
    if (const auto size = settingsfile::windowSize(value))
        FUZZ_REQUIRE(*size >= 0 && *size <= settingsfile::LargestTwips);
    if (const auto place = settingsfile::windowPosition(value))
        FUZZ_REQUIRE(*place >= -settingsfile::LargestTwips && *place <= settingsfile::LargestTwips);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeRawFile(QStringLiteral("valdra.ini"), fuzzBytes(data, size));
    const ui::TextFile file = ui::readTextFile(QStringLiteral("valdra.ini"));
    FUZZ_REQUIRE(file.opened);
    for (const QString& line : file.lines) {
        FUZZ_REQUIRE(!hasLineBreak(line));
        const settingsfile::SettingLine setting = settingsfile::classifyLine(line);
        const QString upper = upperAscii(line);
        int first = -1;
        for (int k = 0; k < 9 && first < 0; ++k)
            if (upper.contains(QLatin1String(Keys[k])))
                first = k;
        FUZZ_REQUIRE(int(setting.key) == first + 1);
        if (first < 0) {
            FUZZ_REQUIRE(setting.value.isEmpty());
            continue;
        }
        QString expected = line.mid(line.indexOf(QLatin1Char(':')) + 1);
        while (expected.startsWith(QLatin1Char(' ')))
            expected.remove(0, 1);
        FUZZ_REQUIRE(setting.value == expected);
        checkNumbers(setting.value);
    }
    return 0;
}
