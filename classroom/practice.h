// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A practice deck: the missed questions moved to the front of the question bank, so the usual
// draw over positions 1..k asks each of them once. Widget-free.
#include <QList>

#include "classroom/gamelog.h"
#include "game/deck.h"

namespace classroom {

// Moves each question of `wanted` found among positions 1..count (same text and answers) to
// positions 1, 2, ...; returns how many were found. The rest of the bank keeps its questions.
int arrangePracticeDeck(deck::Questions& texts, deck::Answers& answers, int count,
                        const QList<AskedQuestion>& wanted);

} // namespace classroom
