// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The high-score list and its file. Widget-free.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "game/state.h"

namespace highscores {

using Names = std::array<QString, modValdra::HighScoreSlots>;
using Values = std::array<qint32, modValdra::HighScoreSlots>;

inline constexpr int ListSize = 15;  // entries 0..14; 15 only takes a sixteenth file entry
inline const QString NewEntryMark = QStringLiteral("***");

// Every row of the list blank: a name of 20 spaces and a score of 0.
void clearList(Names& names, Values& values);

// A score line read as a number: leading spaces skipped, the number ends at a space, a comma or
// the end of the line. Nothing when the line does not start with a whole number.
std::optional<qint32> readScoreField(const QString& line);

enum class ReadStop {
    EndOfFile,     // every line read
    BadScore,      // a score line that is not a number
    MissingScore,  // a name line without its score line
    TooMany,       // more than 16 entries
};

struct ReadResult {
    int entries = 0;
    ReadStop stop = ReadStop::EndOfFile;
};

// Reads name/score line pairs into the list from entry 0 on. Reading stops at the first
// fault; the whole entries read before it stay, the rest keep what they held.
ReadResult readScoreLines(const QStringList& lines, Names& names, Values& values);

// The 30 lines of the file: for each of the 15 entries its name, then its score.
QStringList scoreFileLines(const Names& names, const Values& values);
// " 2345 " for 0 or more, "-5 " for a negative score.
QString scoreLine(qint32 value);

// A score enters the list when it beats the last entry and came with enough correct answers.
inline constexpr int CorrectAnswersNeeded = 5;
bool qualifies(qint32 score, int correctCount, const Values& values);

// Carries (score, name) down the list, swapping it with every entry it beats; what is carried
// past the last entry drops out. So a new score stands below every equal one, and an entry
// pushed down passes the entries equal to it.
void insertScore(Names& names, Values& values, qint32 score, const QString& name = NewEntryMark);

// The name prompt for a new entry of `value`.
QString namePrompt(qint32 value);

} // namespace highscores
