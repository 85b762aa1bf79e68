// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces for playing from the keyboard, shared by every window.
class QWidget;

namespace ui {

// Lets Esc close the window, as a player expects of a secondary window. Call it once, from the
// window's constructor; a child that wants Esc for itself (an open list) still gets it first.
void closeOnEscape(QWidget* window);

// Whether the player is working the window of `widget` from the keyboard. Focus marks show only
// then, so a mouse player never takes a focused answer for a suggested one. Tab sets it (Qt
// does), a key that plays sets it, a mouse press on a game control clears it.
bool keyboardInUse(const QWidget* widget);
// One press, one action: a held key's repeats, and a second press of a key not let go since
// (as assistive technology may send), never press a button, answer or place again. Covers Enter,
// Return, Space and the keys 1 to 4 outside text fields, in every window. Idempotent.
void requireReleaseBetweenPresses();
void noteKeyboardUse(QWidget* widget, bool inUse);

} // namespace ui
