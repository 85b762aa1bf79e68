// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

qint64 monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

qint64 cpuNs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000000
         + (qint64(usage.ru_utime.tv_usec) + usage.ru_stime.tv_usec) * 1000;
}

int envSeconds(const char* name, int fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toInt();
}

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuPercentOver(int seconds)
{
    const qint64 cpu0 = cpuNs(), wall0 = monotonicNs();
    runEventLoopFor(seconds * 1000);
    return 100.0 * double(cpuNs() - cpu0) / double(monotonicNs() - wall0);
}

class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// The median time of `action` and the painting it causes (all of the window where `whole`),
// `prepare` untimed before each.
double medianUs(int passes, QWidget* window, bool whole, const std::function<void()>& prepare,
                const std::function<void()>& action)
{
    std::vector<qint64> times;
    for (int i = 0; i < passes; ++i) {
        prepare();
        QCoreApplication::processEvents();
        const qint64 t0 = monotonicNs();
        action();
        if (whole)
            window->repaint();
        QCoreApplication::processEvents();  // what the action posted is laid out and painted
        times.push_back(monotonicNs() - t0);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return double(times[times.size() / 2]) / 1000.0;
}

} // namespace

QSize sizeArgument(const QString& name, QSize fallback)
{
    const QStringList args = QCoreApplication::arguments();
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return fallback;
    const QStringList wh = args[at + 1].split(QLatin1Char('x'));
    return QSize(wh.value(0).toInt(), wh.value(1).toInt());
}

int runProbe(const ProbeSteps& steps)
{
    FirstPaint paint;
    steps.window->installEventFilter(&paint);
    while (!paint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    steps.window->removeEventFilter(&paint);
    std::printf("size %dx%d\n", steps.window->width(), steps.window->height());
    std::fflush(stdout);

    runEventLoopFor(500);
    std::printf("cpu_idle_pct %.3f\n", cpuPercentOver(envSeconds("BENCH_IDLE_SECONDS", 3)));
    steps.startGame();
    std::printf("cpu_game_pct %.3f\n", cpuPercentOver(envSeconds("BENCH_GAME_SECONDS", 3)));
    std::printf("click_us %.1f\n", medianUs(60, steps.window, false, steps.prepareClick, steps.click));
    std::printf("relayout_us %.1f\n", medianUs(30, steps.window, true, [] {}, steps.relayout));
    std::printf("zoom_pct %d\n", steps.zoomBig());
    QCoreApplication::processEvents();
    runEventLoopFor(200);  // the window manager has placed the grown window
    std::printf("big_size %dx%d\n", steps.window->width(), steps.window->height());
    std::printf("relayout_big_us %.1f\n", medianUs(30, steps.window, true, [] {}, steps.relayoutBig));
    std::printf("click_big_us %.1f\n", medianUs(60, steps.window, false, steps.prepareClick, steps.click));
    std::fflush(stdout);
    return 0;
}
