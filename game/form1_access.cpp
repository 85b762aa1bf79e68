// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"
#include "game/regions.h"
#include "game/state.h"
#include "ui/announce.h"
#include "ui/keyboard.h"

using namespace modValdra;

namespace {

// The region under the pointer's tip, where a press would read the map, as the press itself does.
qint64 colourUnderTip(const ui::MapPicture* map)
{
    const QPoint p = map->keyPoint();
    return map->point(p.x() - 14.0, p.y() + 14.0);
}

int regionUnderTip(const ui::MapPicture* map)
{
    return regions::indexOfColour(RegionColours, colourUnderTip(map));
}

// The map's water and its borders, as drawn.
constexpr qint64 SeaColour = 0x6666FF;
constexpr qint64 BorderColour = 0x000000;

} // namespace

void Form1::nameControls()
{
    Text2->setAccessibleName(tr("Hint"));
    CrestImage->setAccessibleName(tr("Symbol"));
    for (int i = 1; i <= 4; ++i)
        btnAnswer[i]->setAccessibleDescription(tr("Answer %1 of the question").arg(i));
    Picture1->setAccessibleDescription(tr("While a symbol waits, the arrow keys move the pointer (Shift: "
                                          "ten steps) and Enter places the symbol where it stands."));
    // Each step says where the tip stands, as a sighted pupil sees it; the map's own name, read
    // when it takes the focus, follows the region.
    connect(Picture1, &ui::MapPicture::keyPointMoved, this, [this] {
        if (regionUnderTip(Picture1) != m_mapPointerRegion)
            nameMap();
        if (AwaitingLocation == 1 && Picture1->keyPointerShown())
            ui::announce(this, placeUnderPointer());
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

QString Form1::placeUnderPointer() const
{
    const qint64 colour = colourUnderTip(Picture1);
    const int region = regions::indexOfColour(RegionColours, colour);
    if (region >= 0)
        return regions::displayName(region);
    if (colour == SeaColour)
        return tr("Sea");
    if (colour == BorderColour)
        return tr("Border");
    return tr("Outside Canada");
}

QString Form1::spokenQuestion() const
{
    // Numbered as the keys 1 to 4 pick them.
    QStringList answers;
    for (int i = 1; i <= 4; ++i)
        if (!m_answerList[i].isEmpty())
            answers << QStringLiteral("%1. %2").arg(i).arg(m_answerList[i]);
    return tr("Question: %1 Answers: %2.").arg(CurrentQuestion.trimmed(), answers.join(QStringLiteral("; ")));
}

void Form1::announceQuestion()
{
    ui::announce(this, spokenQuestion());
}
