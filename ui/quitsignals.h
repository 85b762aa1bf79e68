// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in a terminal) as a request to end the game the
// orderly way. The handler only writes the signal's number into a pipe, which is all a signal
// handler may safely do; the event loop reads it and calls back, so the game ends from its own
// code with no save, lock or temporary file cut off in the middle.
#include <QObject>

#include <functional>

class QSocketNotifier;

namespace ui {

class QuitSignals final : public QObject {
public:
    // One at a time. `quit` is called from the event loop with the signal's number.
    explicit QuitSignals(std::function<void(int signal)> quit, QObject* parent = nullptr);
    // Puts the default actions back.
    ~QuitSignals() override;

    bool installed() const { return m_notifier != nullptr; }

private:
    void readSignal();

    std::function<void(int)> m_quit;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ui
