// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/regions.h"
#include "game/state.h"
#include "ui/announce.h"
#include "ui/keyboard.h"

using namespace modValdra;

namespace {

// The region under the pointer's tip, where a press would read the map, as the press itself does.
int regionUnderTip(const ui::MapPicture* map)
{
    const QPoint p = map->keyPoint();
    return regions::indexOfColour(RegionColours, map->point(p.x() - 14.0, p.y() + 14.0));
}

} // namespace

void Form1::nameControls()
{
    Text2->setAccessibleName(tr("Hint"));
    CrestImage->setAccessibleName(tr("Symbol"));
    for (int i = 1; i <= 4; ++i)
        btnAnswer[i]->setAccessibleDescription(tr("Answer %1 of the question").arg(i));
    Picture1->setAccessibleDescription(tr("While a symbol waits, the arrow keys move the pointer (Shift: "
                                          "ten steps) and Enter places the symbol where it stands."));
    // Renamed only when the tip crosses into another region, so a screen reader is not made to
    // read the map again at every step.
    connect(Picture1, &ui::MapPicture::keyPointMoved, this, [this] {
        if (regionUnderTip(Picture1) != m_mapPointerRegion)
            nameMap();
    });
    nameMap();
    nameCounters();
}

void Form1::nameCounters()
{
    lblScore->setAccessibleName(tr("Score: %1").arg(lblScore->text()));
    lblBonus->setAccessibleName(tr("Bonus: %1").arg(lblBonus->text()));
    lblTurnsLeft->setAccessibleName(tr("Turns Left: %1").arg(lblTurnsLeft->text()));
    lblmin->setAccessibleName(tr("Time Left: %1 min. %2 sec.").arg(lblmin->text(), lblsec->text()));
    lblsec->setAccessibleName(tr("%1 sec.").arg(lblsec->text()));
    if (ClockRunning == 1 && !m_minuteAnnounced && SecondsLeft <= 60 && SecondsLeft > 0) {
        m_minuteAnnounced = true;
        // A one-minute game starts with its last minute: nothing to warn of.
        if (GameSeconds > 60)
            ui::announce(this, tr("One minute left."));
    }
}

void Form1::nameMap()
{
    QString name = tr("Map of Canada.");
    if (AwaitingLocation == 1) {
        name += QLatin1Char(' ')
            + (DifficultyLevel == 0 ? tr("Place the symbol of %1.").arg(regions::shownOf(TargetName))
                                    : tr("Place the symbol on its province or territory."));
        // Not said while the keyboard's pointer is not drawn: -2, so its first step says it.
        m_mapPointerRegion = Picture1->keyPointerShown() ? regionUnderTip(Picture1) : -2;
        if (Picture1->keyPointerShown())
            name += QLatin1Char(' ')
                + (m_mapPointerRegion >= 0 ? tr("The pointer is over %1.").arg(regions::displayName(m_mapPointerRegion))
                                           : tr("The pointer is over no province or territory."));
    }
    Picture1->setAccessibleName(name);
}

void Form1::announceQuestion()
{
    QStringList answers;
    for (int i = 1; i <= 4; ++i)
        if (!m_answerList[i].isEmpty())
            answers << m_answerList[i];
    ui::announce(this, tr("Question: %1 Answers: %2.").arg(CurrentQuestion.trimmed(), answers.join(QStringLiteral("; "))));
}
