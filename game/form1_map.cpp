// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "game/regions.h"
#include "classroom/classroom.h"

#include "game/state.h"
#include "ui/announce.h"
#include "ui/finepicture.h"
#include "ui/platform.h"

#include <cmath>

using namespace modValdra;

void Form1::DrawTargetSymbol()
{
    // A game never asks for more than 13 draws between two resets of the pool.
    if (SymbolPoolTop < 0)
        return;
    const float r = ui::platform().random();
    // j never reaches the top of the pool, so the symbol standing there is not drawn this time.
    int j = int(std::floor(double(r) * SymbolPoolTop));
    j = std::clamp(j, 0, std::max(SymbolPoolTop - 1, 0));
    // A practice asks first for the symbols placed wrong in the game it practises.
    const QString wanted = m_classroom->takePracticeSymbol();
    for (int p = 0; !wanted.isEmpty() && p <= SymbolPoolTop; ++p)
        if (m_form3->Image1[std::clamp(SymbolOrder[p] + SymbolSetChoice, 0, Form3::StoreSize - 1)]->tag() == wanted) {
            j = p;
            break;
        }
    const int k = SymbolOrder[j];
    SymbolOrder[j] = SymbolOrder[SymbolPoolTop];
    SymbolOrder[SymbolPoolTop] = k;

    // The map now waits for this symbol: the last miss's highlight would mislead.
    clearMissHighlight();
    const int i = std::clamp(k + SymbolSetChoice, 0, Form3::StoreSize - 1);
    m_targetPicture = m_form3->Image1[i]->picture();
    CrestImage->setPicture(m_targetPicture);
    CrestImage->setTag(m_form3->Image1[i]->tag());
    CrestImage->show();
    TargetName = CrestImage->tag();
    // The review shows it up to three times an icon's size: from the fine copy where there is one.
    const QPixmap fine = ui::fineRendering(m_targetPicture, m_targetPicture.size() * 2);
    m_classroom->symbolDrawn((fine.isNull() ? m_targetPicture : fine).toImage(), TargetName);
    Text2->show();
    if (DifficultyLevel == 0) {
        const QString target = TargetName;
        showHint([target] { return tr("Hint:  Locate %1").arg(regions::shownObject(target)); });
        showMessage([target] { return tr("Locate %1").arg(regions::shownObject(target)); });
    } else {
        showHint([] { return tr("Locate the province/territory"); });
        showMessage({});
    }
    --SymbolPoolTop;
}

void Form1::SampleRegionColours()
{
    for (int i = 0; i < 13; ++i)
        RegionColours[i] = Picture1->point(RegionTable[i].x, RegionTable[i].y);
    // Outlines come from the same picture, sampled at the same points.
    m_regionMap = std::make_unique<explore::RegionMap>(Picture1->picture());
}

void Form1::Picture1_MouseDown(int, int, float X, float Y)
{
    // The pointer's hot spot is its centre; the tip of its pole, where the player aims, stands
    // 14 pixels left of and 14 below it.
    const qint64 c = Picture1->point(double(X) - 14, double(Y) + 14);
    if (AwaitingLocation == 1) {
        cancelPendingPlacement();
        CheckLocation(c);
    }
}

void Form1::CheckLocation(qint64 colour)
{
    const int hit = regions::indexOfColour(RegionColours, colour);
    const QString clicked = hit >= 0 ? QString::fromLatin1(RegionTable[hit].name) : QString();
    Text2->show();
    m_classroom->symbolPlaced(clicked, clicked == TargetName, DifficultyLevel == 1 ? 200 : 100);
    if (clicked == TargetName) {
        Score += DifficultyLevel == 1 ? 200 : 100;
        if (FoundCount >= 0 && FoundCount < 12) {
            ui::PictureImage* slot = Crest[FoundCount];
            slot->setPicture(m_targetPicture);
            slot->setTag(clicked);
            const QString shown = regions::displayName(clicked);
            slot->setAccessibleName(SymbolSetChoice == 0 ? tr("Crest of %1").arg(shown)
                                    : SymbolSetChoice == 13 ? tr("Floral emblem of %1").arg(shown)
                                                            : tr("%1: %2").arg(CustomSetName, shown));
            slot->show();
        }
        CrestImage->hide();
        ++FoundCount;
        const QString target = TargetName;
        showHint([target] { return tr("You found %1.").arg(regions::shownObject(target)); });
        ui::announce(this, tr("Found: %1").arg(regions::displayName(TargetName)));
    } else {
        const QString target = TargetName;
        const bool shownOnMap = regions::indexOfName(target) >= 0;
        showHint([clicked, target, shownOnMap] {
            QString hint = tr("You went to %1 instead of %2").arg(regions::shownPlace(clicked), regions::shownPlace(target));
            if (shownOnMap)
                hint += QLatin1Char('\n') + tr("See it hatched on the map.");
            return hint;
        });
        QString said = hit >= 0 ? tr("You went to %1 instead of %2").arg(regions::shownPlace(clicked), regions::shownPlace(TargetName))
                                : tr("You went to no province or territory instead of %1").arg(regions::shownPlace(TargetName));
        if (shownOnMap)
            said += QStringLiteral(". ") + tr("The hatching on the map shows %1.").arg(regions::shownObject(target));
        ui::announce(this, said);
        showMissHighlight(target, false);
    }
    NextQuestion();
}

void Form1::Crest_Click(int Index)
{
    CrestImage->setPicture(Crest[Index]->picture());
    CrestImage->show();
    const QString tag = Crest[Index]->tag();
    showHint([tag] { return regions::shown(tag); });
    Text2->show();
}

// The pointer picture only serves the map; clicking it does nothing.
void Form1::Image1_Click() {}

void Form1::showMissHighlight(const QString& target, bool untilNextGame)
{
    const int region = regions::indexOfName(target);
    if (region < 0) {
        clearMissHighlight();
        return;
    }
    if (!m_regionMap)
        m_regionMap = std::make_unique<explore::RegionMap>(Picture1->picture());
    m_missRegion = region;
    m_missUntil = untilNextGame ? -1 : ui::platform().timeOfDay() + MissHighlightSeconds;
    Picture1->setOverlay(m_regionMap->missHighlight(region));
    if (!m_missTimer) {
        m_missTimer = new QTimer(this);
        m_missTimer->setInterval(250);
        connect(m_missTimer, &QTimer::timeout, this, &Form1::missHighlightTick);
    }
    if (untilNextGame)
        m_missTimer->stop();
    else
        m_missTimer->start();
}

void Form1::clearMissHighlight()
{
    m_missRegion = -1;
    if (m_missTimer)
        m_missTimer->stop();
    Picture1->setOverlay(QImage());
}

void Form1::missHighlightTick()
{
    if (m_missRegion >= 0 && m_missUntil >= 0 && ui::platform().timeOfDay() >= m_missUntil)
        clearMissHighlight();
}

void Form1::cancelPendingPlacement()
{
    AwaitingLocation = 0;
    Picture1->clearPointer();
    m_mapPointerRegion = -1;
    nameMap();
}
