// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the file chooser and the load commands. Widget-free.
#include <QString>

namespace chooser {

// What the chooser is choosing (the shared ChooserMode).
inline constexpr int QuestionFile = 1;
inline constexpr int SymbolList = 2;

inline const QString QuestionPattern = QStringLiteral("*.qtn;*.dat");
inline const QString SymbolListPattern = QStringLiteral("*.lst");

// The name after the path's last folder separator; "\" and "/" both separate.
QString fileNameOf(const QString& path);

// The high-score file of a question file: its name without the folder, cut before its first
// "." when that stands at the second character or later, then ".scr". It has no folder, so it
// lies in the current folder whatever folder the question file came from.
QString scoreFileFor(const QString& quizFile);

// When a wait of n seconds that starts at `timeOfDay` ends: the start rounded to a whole
// second, plus n (1 when n is not positive). So the wait lasts n - 0.5 to n + 0.5 seconds.
double waitEnd(double timeOfDay, int n);

} // namespace chooser
