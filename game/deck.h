// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The question deck and the answer shuffle. Widget-free: the chance comes in as a function, so
// the window passes the platform's draw and tests pass their own.
#include <QString>
#include <array>
#include <functional>

#include "game/state.h"

namespace deck {

using Questions = std::array<QString, modValdra::QuestionSlots>;
using Answers = std::array<std::array<QString, 5>, modValdra::QuestionSlots>;
using AnswerList = std::array<QString, 5>;  // 1..4, 0 unused
// Draws a whole number from 1..m.
using DrawWhole = std::function<int(int m)>;

// floor(r * m) + 1 for r in [0, 1), kept inside 1..m even for a stray r.
int wholeFromUniform(double r, int m);

// A question can be asked when its text has at least 5 characters and it has an answer 1;
// anything else could never be shown, or never be answered correctly.
bool isUsable(const QString& text, const QString& answer1);
// Whether positions 1..last of the bank hold a usable question.
bool holdsUsable(const Questions& texts, const Answers& answers, int last);

// Draws from the open part 1..left: the drawn question is swapped to position `left`, and the
// draw repeats over all of 1..left until it lands on a usable question. The caller makes sure
// the open part holds one (holdsUsable), or the draw would never end.
void drawQuestion(Questions& texts, Answers& answers, int left, const DrawWhole& draw);

// Highest position 1..4 whose answer is not empty; 0 when all are empty.
int lastAnswer(const AnswerList& list);
// Shuffles positions 1..lastAnswer(list): for i from the top down, swap i with a draw from 1..i.
// Empty answers below the last one take part.
void shuffleAnswers(AnswerList& list, const DrawWhole& draw);

} // namespace deck
