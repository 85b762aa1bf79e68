// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/finddrill.h"

#include "game/deck.h"
#include "game/regions.h"
#include "game/state.h"

#include <QCoreApplication>
#include <algorithm>

namespace explore {

QList<int> FindDrill::allRegions()
{
    QList<int> all;
    for (int i = 0; i < 13; ++i)
        all << i;
    return all;
}

void FindDrill::start(const QList<int>& regions, const std::function<float()>& draw, double now)
{
    std::vector<int> order(regions.begin(), regions.end());
    // Fisher-Yates from the top, each draw of 1..i as the game draws its whole numbers.
    for (int i = int(order.size()); i > 1; --i) {
        const int j = deck::wholeFromUniform(draw(), i);
        std::swap(order[size_t(i - 1)], order[size_t(std::clamp(j, 1, i) - 1)]);
    }
    m_queue.assign(order.begin(), order.end());
    m_found.clear();
    m_missed.clear();
    m_total = int(order.size());
    m_start = now;
    m_end = -1;
}

FindDrill::Outcome FindDrill::answer(int region, double now)
{
    if (m_queue.empty())
        return Outcome::Over;
    const int asked = m_queue.front();
    m_queue.pop_front();
    if (region == asked) {
        m_found << asked;
        if (m_queue.empty())
            m_end = now;
        return Outcome::Right;
    }
    if (!m_missed.contains(asked))
        m_missed << asked;
    m_queue.insert(m_queue.begin() + std::min<ptrdiff_t>(2, ptrdiff_t(m_queue.size())), asked);
    return Outcome::Wrong;
}

int FindDrill::rightFirstTime() const
{
    int n = 0;
    for (int r : m_found)
        if (!m_missed.contains(r))
            ++n;
    return n;
}

double FindDrill::seconds(double now) const { return std::max(0.0, (m_end >= 0 ? m_end : now) - m_start); }

bool isTerritory(int region) { return region >= 10 && region <= 12; }

QString findQuestion(FindMode mode, int region, const FactsBook& facts)
{
    if (region < 0 || region >= 13)
        return QString();
    const QString key = QString::fromLatin1(modValdra::RegionTable[region].name);
    switch (mode) {
    case FindMode::Name:
        return QCoreApplication::translate("explore::FindDrill", "Where is %1?").arg(regions::shownObject(key));
    case FindMode::Capital: {
        const RegionFacts* f = facts.find(key);
        if (!f)
            return QCoreApplication::translate("explore::FindDrill", "Where is %1?").arg(regions::shownObject(key));
        return (isTerritory(region) ? QCoreApplication::translate("explore::FindDrill", "Which territory has %1 as its capital?")
                                    : QCoreApplication::translate("explore::FindDrill", "Which province has %1 as its capital?")).arg(f->shownCapital());
    }
    case FindMode::Flag:
        return QCoreApplication::translate("explore::FindDrill", "Whose flag is this? Click its province or territory.");
    case FindMode::Crest:
        return QCoreApplication::translate("explore::FindDrill", "Whose crest is this? Click its province or territory.");
    case FindMode::Floral:
        return QCoreApplication::translate("explore::FindDrill", "Whose floral emblem is this? Click its province or territory.");
    }
    return QString();
}

QString durationText(double seconds)
{
    const int s = int(seconds + 0.5);
    if (s < 60)
        return QCoreApplication::translate("explore::FindDrill", "%1 s").arg(s);
    return QCoreApplication::translate("explore::FindDrill", "%1 min %2 s").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

} // namespace explore
