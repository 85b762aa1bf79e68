// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells assistive technology of a change a sighted player takes in at a glance (a new question,
// an outcome, the clock running low). This Qt has no announcement event: the window keeps one
// small label with the notification role whose text is the latest announcement; it is shown
// anew with each, which screen readers speak.
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace ui {

void announce(QWidget* window, const QString& text);
// The window's live label, or nullptr before its first announcement. What one action announces
// reaches it together, once the action is over (when the event loop next runs).
QLabel* announcer(const QWidget* window);
// Hands each announcement of `window` to `reader` too, as it is made (reading aloud).
void readAnnouncementsWith(QWidget* window, std::function<void(const QString&)> reader);

} // namespace ui
