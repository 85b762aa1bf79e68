// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the settings file "valdra.ini", kept apart from the window that applies them.
// Widget-free.
#include <QString>
#include <QtGlobal>
#include <optional>

namespace settingsfile {

// The decimal number at the start of a text: optional sign, digits, optional point and digits,
// optional exponent. Spaces, tabs and line feeds anywhere in it are skipped ("12 000" is 12000),
// the point is always the decimal separator, and reading stops at the first character that
// cannot continue the number. No number gives 0; a number too large for a double gives an
// infinity, which every later conversion treats as out of range.
double leadingNumber(const QString& text);

// Nearest whole number, an exact half going to the even neighbour (6.5 -> 6, 11.5 -> 12).
double roundHalfEven(double value);

// The value rounded half to even, or nothing when it does not fit a 16-bit signed integer.
std::optional<qint16> toInt16(double value);

enum class Key { None, Quiz, PicList, QuizPic, GameWidth, GameHeight, QuizTop, QuizLeft, TimeOption, DoorOption, Results, Pupils };

struct SettingLine {
    Key key = Key::None;
    QString value;
};

// Which setting a line sets (the first key found anywhere in it, without regard to case) and
// its value: the text after the line's first colon, leading spaces dropped, all else kept.
SettingLine classifyLine(const QString& line);

// What a game length or symbol count line does: stop the reading (it does not fit 16 bits),
// leave the setting as it is (not an accepted value), or set it.
struct Choice {
    bool error = false;
    std::optional<qint16> value;
};

// Minutes in, seconds out; only 1, 3, 5 and 10 minutes are games we offer.
Choice gameSeconds(const QString& value);
// Only 6 or 12 symbols make a game.
Choice symbolCount(const QString& value);

// Window sizes and the question box's place, in twips: the leading number in single
// precision, rounded to whole twips. Nothing when the window system would refuse the value:
// a negative size, or anything beyond the 16-bit pixel coordinates X11 gives a window
// (32767 pixels, 491505 twips, either way from the origin).
inline constexpr int LargestTwips = 32767 * 15;
std::optional<int> windowSize(const QString& value);
std::optional<int> windowPosition(const QString& value);

} // namespace settingsfile
