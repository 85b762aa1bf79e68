// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game tells when it loads a teacher's file whose findings include problems (the
// checker's errors; warnings and notes alone load quietly). Widget-free.
#include "checker/report.h"

#include <QString>
#include <optional>

namespace files {

struct LoadMessage {
    QString text;     // the file's name, how many problems, the first few as "line N: problem"
    QString details;  // the whole report, one finding a line, capped with "and N more"
};

// How many problems the box itself shows, and how many findings its details hold at most.
inline constexpr int ShownProblems = 3;
inline constexpr int MostDetails = 100;

// Nothing when the report holds no problem. kind names the file for the player ("The question
// file", "The symbol list", "The settings file").
// questionFile: lines are named with the question they belong to ("question 9 (line 42)"), as
// a teacher counts them.
std::optional<LoadMessage> loadMessage(const QString& kind, const checker::FileReport& report, bool questionFile = false);

// What tells one state of a file from another: its full path, size and time of change. The game
// says nothing twice for the same unchanged file in a run.
QString fileIdentity(const QString& fileName);

} // namespace files
