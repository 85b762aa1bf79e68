// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settingsfile.h"

#include <array>
#include <cmath>

namespace settingsfile {

namespace {

bool skipped(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }
bool digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Reads the characters of the number out of the text, dropping the skipped ones, so that the
// conversion sees a plain C-locale number.
class NumberScanner {
public:
    explicit NumberScanner(const QString& text) : m_text(text) {}

    QString scan()
    {
        QString number;
        if (peek() == QLatin1Char('+') || peek() == QLatin1Char('-'))
            number += take();
        bool digits = false;
        while (digit(peek())) {
            number += take();
            digits = true;
        }
        if (peek() == QLatin1Char('.')) {
            number += take();
            while (digit(peek())) {
                number += take();
                digits = true;
            }
        }
        if (!digits)
            return QString();
        // An exponent counts only with at least one digit; "1e" and "1e+" read as 1.
        if (peek() == QLatin1Char('e') || peek() == QLatin1Char('E')) {
            const qsizetype mark = m_pos;
            QString exponent = take();
            if (peek() == QLatin1Char('+') || peek() == QLatin1Char('-'))
                exponent += take();
            if (digit(peek())) {
                while (digit(peek()))
                    exponent += take();
                number += exponent;
            } else {
                m_pos = mark;
            }
        }
        return number;
    }

private:
    QChar peek()
    {
        while (m_pos < m_text.size() && skipped(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : QChar();
    }
    QChar take() { return m_text[m_pos++]; }

    const QString& m_text;
    qsizetype m_pos = 0;
};

// Keys are plain ASCII, so only ASCII letters need upper-casing to find them; this keeps the
// match the same whatever the user's locale or the file's accented letters.
QString upperAscii(const QString& line)
{
    QString upper = line;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

struct KeyName {
    Key key;
    const char* name;
};

// Tried in this order; the first found decides, so "QUIZ:" wins over "PICLIST:" in one line.
// The class record's keys come last, so every line the nine keys read reads as before.
constexpr std::array<KeyName, 11> Keys{{
    {Key::Quiz, "QUIZ:"},
    {Key::PicList, "PICLIST:"},
    {Key::QuizPic, "QUIZPIC:"},
    {Key::GameWidth, "GAMEWIDTH:"},
    {Key::GameHeight, "GAMEHEIGHT:"},
    {Key::QuizTop, "QUIZTOP:"},
    {Key::QuizLeft, "QUIZLEFT:"},
    {Key::TimeOption, "TIMEOPTION:"},
    {Key::DoorOption, "DOOROPTION:"},
    {Key::Results, "RESULTS:"},
    {Key::Pupils, "PUPILS:"},
}};

std::optional<int> wholeTwips(const QString& value, bool negativeAllowed)
{
    // Window geometry is held in single precision.
    const float number = float(leadingNumber(value));
    if (!std::isfinite(number))
        return std::nullopt;
    const double twips = roundHalfEven(number);
    if (twips > LargestTwips || twips < (negativeAllowed ? -LargestTwips : 0))
        return std::nullopt;
    return int(twips);
}

} // namespace

double leadingNumber(const QString& text)
{
    const QString number = NumberScanner(text).scan();
    if (number.isEmpty())
        return 0;
    // Out of range gives an infinity (or 0 for an underflow) with ok false; both are what we
    // want, so the flag is not needed.
    return number.toDouble();
}

double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5)
        return down + 1;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::optional<qint16> toInt16(double value)
{
    const double whole = roundHalfEven(value);
    if (!(whole >= -32768 && whole <= 32767))
        return std::nullopt;
    return qint16(whole);
}

SettingLine classifyLine(const QString& line)
{
    const QString upper = upperAscii(line);
    for (const KeyName& k : Keys) {
        if (!upper.contains(QLatin1String(k.name)))
            continue;
        QString value = line.mid(line.indexOf(QLatin1Char(':')) + 1);
        qsizetype spaces = 0;
        while (spaces < value.size() && value[spaces] == QLatin1Char(' '))
            ++spaces;
        return {k.key, value.mid(spaces)};
    }
    return {};
}

Choice gameSeconds(const QString& value)
{
    const std::optional<qint16> seconds = toInt16(leadingNumber(value) * 60);
    if (!seconds)
        return {true, std::nullopt};
    if (*seconds == 60 || *seconds == 180 || *seconds == 300 || *seconds == 600)
        return {false, seconds};
    return {};
}

Choice symbolCount(const QString& value)
{
    const std::optional<qint16> count = toInt16(leadingNumber(value));
    if (!count)
        return {true, std::nullopt};
    if (*count == 6 || *count == 12)
        return {false, count};
    return {};
}

std::optional<int> windowSize(const QString& value) { return wholeTwips(value, false); }
std::optional<int> windowPosition(const QString& value) { return wholeTwips(value, true); }

} // namespace settingsfile
