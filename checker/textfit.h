// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a question or an answer fits its place in the question box at the designed size,
// measured with the game's own font. Needs a QGuiApplication (fonts), but no widgets.
#include <QString>

namespace checker {

struct TextFit {
    bool fits = true;
    int linesNeeded = 1;  // lines the text wraps to at the place's width
    int linesRoom = 1;    // whole lines the place shows
    bool wordTooWide = false;  // a single word wider than the place
};

// The question label: its caption is a carriage return (a half-line gap) and the question.
TextFit questionFit(const QString& question);
// An answer button's caption.
TextFit answerFit(const QString& answer);

} // namespace checker
