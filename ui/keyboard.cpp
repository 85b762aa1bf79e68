// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

namespace {

// Sees the keys that the window's children leave alone: they travel up to the window.
class EscapeCloser : public QObject {
public:
    explicit EscapeCloser(QWidget* window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                m_window->close();
                return true;
            }
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void closeOnEscape(QWidget* window)
{
    if (window)
        window->installEventFilter(new EscapeCloser(window));
}

bool keyboardInUse(const QWidget* widget)
{
    return widget && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void noteKeyboardUse(QWidget* widget, bool inUse)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    if (window->testAttribute(Qt::WA_KeyboardFocusChange) == inUse)
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange, inUse);
    // The focused control changes its look with it.
    if (QWidget* focused = window->focusWidget())
        focused->update();
}

} // namespace ui
