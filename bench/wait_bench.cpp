// SPDX-License-Identifier: GPL-3.0-or-later
// What the load commands' one-second wait costs: it must leave the processor to others while
// the windows stay live. "Time" is the wall-clock length of one WaitSeconds(1) (0.5 to 1.5 s),
// "CPU" the processor time the whole program spent in it, every thread counted.
#include "game/form1.h"
#include "game/state.h"

#include "support/application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

// The widgets need an application; the benchmarks run without a display.
void ensureApplication()
{
    benchApplication();
}

void WaitSecondsOne(benchmark::State& state)
{
    ensureApplication();
    modValdra::resetState();
    Form1 form;
    form.show();
    QApplication::processEvents();
    for (auto _ : state)
        form.WaitSeconds(1);
}
BENCHMARK(WaitSecondsOne)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// For comparison: the same second spent handing pending events to the window system in a loop,
// the way a wait without an event loop would.
void SpinningSecond(benchmark::State& state)
{
    ensureApplication();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 1000)
            QCoreApplication::processEvents();
    }
}
BENCHMARK(SpinningSecond)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

} // namespace
