// SPDX-License-Identifier: GPL-3.0-or-later
#include "explore/explorewindow.h"
#include "explore/findmapwindow.h"
#include "game/form1.h"

explore::ExploreWindow* Form1::existingExplore() const { return m_explore; }

void Form1::mnuExplore_Click()
{
    // One window at a time; a second command brings it to the front. It is a window of its own,
    // so it can stand beside the game, and it goes with the main window.
    if (!m_explore) {
        auto* window = new explore::ExploreWindow;
        connect(this, &QObject::destroyed, window, [window] { delete window; });
        m_explore = window;
        ui::centreOver(window, this);
    }
    m_explore->show();
    m_explore->raise();
    m_explore->activateWindow();
}

explore::FindMapWindow* Form1::existingFindMap() const { return m_findMap; }

void Form1::mnuFindMap_Click()
{
    // As Explore the Map: one window, beside the game, gone with the main window. It keeps its
    // own round and time, so a game in progress goes on untouched.
    if (!m_findMap) {
        auto* window = new explore::FindMapWindow;
        connect(this, &QObject::destroyed, window, [window] { delete window; });
        m_findMap = window;
        ui::centreOver(window, this);
    }
    m_findMap->show();
    m_findMap->raise();
    m_findMap->activateWindow();
}
