// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells assistive technology of a change a sighted player takes in at a glance (a new question,
// an outcome, the clock running low). This Qt has no announcement event: the window keeps one
// small live label whose text is the latest announcement, and its change is reported as a name
// change and an alert, which screen readers speak.
#include <QString>

class QLabel;
class QWidget;

namespace ui {

void announce(QWidget* window, const QString& text);
// The window's live label, or nullptr before its first announcement. What one action announces
// reaches it together, once the action is over (when the event loop next runs).
QLabel* announcer(const QWidget* window);

} // namespace ui
