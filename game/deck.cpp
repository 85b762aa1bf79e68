// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace deck {

int wholeFromUniform(double r, int m)
{
    const int p = int(std::floor(r * m)) + 1;
    return std::clamp(p, 1, std::max(m, 1));
}

bool isUsable(const QString& text, const QString& answer1)
{
    return text.size() >= 5 && !answer1.isEmpty();
}

bool holdsUsable(const Questions& texts, const Answers& answers, int last)
{
    last = std::min(last, int(texts.size()) - 1);
    for (int q = 1; q <= last; ++q)
        if (isUsable(texts[q], answers[q][1]))
            return true;
    return false;
}

void drawQuestion(Questions& texts, Answers& answers, int left, const DrawWhole& draw)
{
    const int m = left;
    do {
        const int p = draw(m);
        if (p != m) {
            std::swap(texts[m], texts[p]);
            for (int a = 1; a <= 4; ++a)
                std::swap(answers[m][a], answers[p][a]);
        }
    } while (!isUsable(texts[m], answers[m][1]));
}

int lastAnswer(const AnswerList& list)
{
    for (int i = 4; i >= 1; --i)
        if (!list[i].isEmpty())
            return i;
    return 0;
}

void shuffleAnswers(AnswerList& list, const DrawWhole& draw)
{
    for (int i = lastAnswer(list); i >= 1; --i) {
        const int j = draw(i);
        std::swap(list[i], list[j]);
    }
}

} // namespace deck
