// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Find on the Map: a round asks for every region it holds, in a random order; a region missed
// comes back later in the round until it is found. What the pupil is asked, in words, also
// lives here. Widget-free, so the rules are tested without a window.
#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "explore/regionfacts.h"

namespace explore {

// What the pupil is shown to find a region by.
enum class FindMode { Name, Capital, Flag, Crest, Floral };

class FindDrill {
public:
    enum class Outcome { Right, Wrong, Over };

    // The thirteen regions, in the order of the region table.
    static QList<int> allRegions();

    // Starts a round over `regions` (each once), shuffled with `draw` (uniform in [0, 1)), at
    // `now` seconds on the platform's clock.
    void start(const QList<int>& regions, const std::function<float()>& draw, double now);

    bool finished() const { return m_queue.empty(); }
    // The region asked for now; -1 once the round is over.
    int current() const { return m_queue.empty() ? -1 : m_queue.front(); }
    // The pupil chose `region` (-1: no region). A miss asks the region again later: after the
    // next two still to find, or at once when none is left.
    Outcome answer(int region, double now);

    int total() const { return m_total; }
    int foundCount() const { return int(m_found.size()); }
    // Found at the first try, of total().
    int rightFirstTime() const;
    // The regions missed at least once, each once, in the order of their first miss.
    const QList<int>& missed() const { return m_missed; }
    const QList<int>& found() const { return m_found; }
    // Seconds from the start to the last find (to `now` while the round goes on).
    double seconds(double now) const;

private:
    std::deque<int> m_queue;
    QList<int> m_found;
    QList<int> m_missed;
    int m_total = 0;
    double m_start = 0;
    double m_end = -1;
};

// A territory, not a province: the right word in a question.
bool isTerritory(int region);
// The question for `region` in `mode`, in the language in use ("Where is Saskatchewan?").
QString findQuestion(FindMode mode, int region, const FactsBook& facts);
// "1 min 05 s" and the like, for how long a round took.
QString durationText(double seconds);

} // namespace explore
