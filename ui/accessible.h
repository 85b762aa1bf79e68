// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape a screen reader is given of the game's windows. Orca takes the nearest ancestor with
// the frame role for the window a focused control lives in and ignores focus in a frame that is
// not active; Qt gives a plain QFrame that role, and a top-level plain QWidget none. So every
// window is made one frame, named by its title, and the boxes inside it are panels.
#include <QFrame>

namespace ui {

// A box inside a window (the top bar, the question box, a group of options): a panel to
// assistive technology, a QFrame to everything else.
class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr) : QFrame(parent) {}
};

// Installs the roles above; once, before the first window is shown (the game and the tests do).
void installAccessibleRoles();

} // namespace ui
