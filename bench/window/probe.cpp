#include "probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
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

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace

int runProbe(const ProbeSteps& steps)
{
    FirstPaint paint;
    steps.window->installEventFilter(&paint);
    while (!paint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();  // the paint finishes and reaches the screen
    std::printf("shown_ns %lld\n", static_cast<long long>(monotonicNs()));
    std::printf("size %dx%d\n", steps.window->width(), steps.window->height());
    std::fflush(stdout);
    steps.window->removeEventFilter(&paint);

    runEventLoopFor(500);
    std::printf("rss_kb %ld\n", residentKb());
    std::printf("cpu_idle_pct %.3f\n", cpuPercentOver(envSeconds("BENCH_IDLE_SECONDS", 3)));
    steps.startGame();
    std::printf("cpu_game_pct %.3f\n", cpuPercentOver(envSeconds("BENCH_GAME_SECONDS", 3)));

    std::vector<qint64> clicks;
    for (int i = 0; i < 60; ++i) {
        steps.prepareClick();
        QCoreApplication::processEvents();
        const qint64 t0 = monotonicNs();
        steps.click();
        QCoreApplication::processEvents();  // the new question is laid out and painted
        clicks.push_back(monotonicNs() - t0);
    }
    std::nth_element(clicks.begin(), clicks.begin() + clicks.size() / 2, clicks.end());
    std::printf("click_us %.1f\n", double(clicks[clicks.size() / 2]) / 1000.0);
    std::fflush(stdout);

    auto median = [](std::vector<qint64> v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return double(v[v.size() / 2]) / 1000.0;
    };
    if (steps.relayout) {
        std::vector<qint64> times;
        for (int i = 0; i < 30; ++i) {
            const qint64 t0 = monotonicNs();
            steps.relayout();
            steps.window->repaint();
            QCoreApplication::processEvents();
            times.push_back(monotonicNs() - t0);
        }
        std::printf("relayout_us %.1f\n", median(times));
    }
    if (steps.zoom300) {
        steps.zoom300();
        QCoreApplication::processEvents();
        std::vector<qint64> times;
        for (int i = 0; i < 60; ++i) {
            steps.prepareClick();
            QCoreApplication::processEvents();
            const qint64 t0 = monotonicNs();
            steps.click();
            QCoreApplication::processEvents();
            times.push_back(monotonicNs() - t0);
        }
        std::printf("click300_us %.1f\n", median(times));
    }
    std::fflush(stdout);
    return 0;
}
