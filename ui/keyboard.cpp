// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
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

// Sits on the application, so it sees a press whichever window has it and a release wherever
// the focus has gone meanwhile (a message box opened by the press).
class ReleaseBetweenPresses : public QObject {
public:
    explicit ReleaseBetweenPresses(QObject* parent) : QObject(parent) { m_clock.start(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A key let go in another program, or in a window that closed on its press (whose
        // release a screen reader's round trip then drops), is never seen here: start afresh.
        if (event->type() == QEvent::ApplicationDeactivate || event->type() == QEvent::WindowActivate)
            m_down.clear();
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        // The window sees each key before its widgets do; the widgets decide.
        if (!watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!acts(key->key()))
            return false;
        // Wherever it lands (a text field too), a release frees its key.
        if (event->type() == QEvent::KeyRelease) {
            m_passing = nullptr;
            if (!key->isAutoRepeat()) {
                m_down.removeAll(key->key());
                m_releasedAt[key->key()] = m_clock.elapsed();
            }
            return false;
        }
        if (isTextField(watched))
            return false;
        if (key->isAutoRepeat())
            return true;
        // A press travels up from the focused widget to its parents: let it go on.
        if (key == m_passing && m_passingFrom && watched != m_passingFrom
            && static_cast<QWidget*>(watched)->isAncestorOf(m_passingFrom))
            return false;
        // With a screen reader, Qt hands each key to it first and posts a copy back after (not
        // spontaneous), and a held key's repeats (a release and a press at once) may lose their
        // mark on the way: such a press hard on a release is a repeat too.
        const auto released = m_releasedAt.constFind(key->key());
        const bool hardOnRelease = !event->spontaneous() && released != m_releasedAt.cend()
            && m_clock.elapsed() - *released < RepeatGapMs;
        if (m_down.contains(key->key()) || hardOnRelease) {
            if (!m_down.contains(key->key()))
                m_down << key->key();
            return true;
        }
        m_down << key->key();
        m_passing = key;
        m_passingFrom = static_cast<QWidget*>(watched);
        return false;
    }

private:
    // Faster than any hand presses a key again; slower than a held key repeats.
    static constexpr qint64 RepeatGapMs = 30;

    static bool acts(int key)
    {
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space
            || (key >= Qt::Key_1 && key <= Qt::Key_4);
    }
    static bool isTextField(QObject* o)
    {
        return o->inherits("QLineEdit") || o->inherits("QTextEdit") || o->inherits("QPlainTextEdit")
            || o->inherits("QAbstractSpinBox");
    }

    QList<int> m_down;
    QHash<int, qint64> m_releasedAt;
    QElapsedTimer m_clock;
    const QKeyEvent* m_passing = nullptr;
    QPointer<QWidget> m_passingFrom;
};

} // namespace

void requireReleaseBetweenPresses()
{
    static QPointer<QObject> installed;
    if (!qApp || installed)
        return;
    installed = new ReleaseBetweenPresses(qApp);
    qApp->installEventFilter(installed);
}

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
