// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The region rules that need no window: which region a map colour stands for, and how a region
// is named to the player. The game's placement check and Explore the Map both find regions here.
#include <QString>
#include <array>

namespace regions {

// The index of the first region whose colour is `colour`, or -1 when none has it. The lower
// index wins where two regions share a colour.
int indexOfColour(const std::array<qint64, 13>& colours, qint64 colour);

// The name of region `index` as the player reads it, in the player's language; empty for an
// index outside the table.
QString displayName(int index);
// The same for a region given by the game's own name; a name that is no region (a custom
// symbol's tag) is shown as it is.
QString displayName(const QString& gameName);

} // namespace regions
