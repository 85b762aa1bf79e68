// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/practice.h"

#include <algorithm>
#include <utility>

namespace classroom {

namespace {

bool sameQuestion(const deck::Questions& texts, const deck::Answers& answers, int p, const AskedQuestion& q)
{
    if (texts[p] != q.question)
        return false;
    for (int a = 1; a <= 4; ++a)
        if (answers[p][a] != q.answers.value(a - 1))
            return false;
    return true;
}

} // namespace

int arrangePracticeDeck(deck::Questions& texts, deck::Answers& answers, int count, const QList<AskedQuestion>& wanted)
{
    count = std::min(count, modValdra::QuestionSlots - 1);
    int placed = 0;
    for (const AskedQuestion& q : wanted) {
        // Searched from past the ones already placed, so a question twice in the list (or in
        // the bank) takes a place of its own.
        for (int p = placed + 1; p <= count; ++p) {
            if (!sameQuestion(texts, answers, p, q))
                continue;
            ++placed;
            std::swap(texts[placed], texts[p]);
            std::swap(answers[placed], answers[p]);
            break;
        }
    }
    return placed;
}

} // namespace classroom
