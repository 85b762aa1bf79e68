// SPDX-License-Identifier: GPL-3.0-or-later
// A logout or Ctrl+C reaches the game's event loop as a request to end.
#include "ui/quitsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <csignal>

TEST(QuitSignals, EachEndingSignalReachesTheEventLoopOnce)
{
    QList<int> received;
    {
        ui::QuitSignals quit([&](int signal) { received << signal; });
        ASSERT_TRUE(quit.installed());
        ui::QuitSignals second([](int) {});
        EXPECT_FALSE(second.installed()) << "one at a time";
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            ASSERT_EQ(::raise(signal), 0);
            QElapsedTimer waited;
            waited.start();
            while (received.size() < 1 && waited.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            EXPECT_EQ(received, QList<int>{signal});
            received.clear();
        }
    }
    // Gone with the object: the default action is back.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}
