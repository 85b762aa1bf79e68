// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One typeface for the whole game: menus, dialogs and message boxes take the family of the
// game's own texts.

namespace ui {

// Makes the game's family the application font, at its designed size and regular weight. Call it
// before the first window is built.
void useGameTypeface();

} // namespace ui
