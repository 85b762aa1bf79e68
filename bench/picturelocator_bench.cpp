// SPDX-License-Identifier: GPL-3.0-or-later
// Load List in the Picture Locator with long symbol lists: the time should grow with the length
// of the list, not its square.
#include "symbols/form2.h"
#include "symbols/symbollist.h"
#include "files/textfile.h"

#include "support/application.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

QApplication& application()
{
    return benchApplication();
}

QString listFile(const QTemporaryDir& dir, int lines)
{
    QStringList items;
    for (int i = 0; i < lines; ++i)
        // Out of order, with repeats, as a teacher's merged lists are.
        items << QStringLiteral("Region %1; C:\\Pictures\\picture%2.gif").arg((i * 7919) % 13).arg((i * 104729) % lines);
    const QString file = dir.filePath(QStringLiteral("long.lst"));
    ui::writeTextFile(file, items);
    return file;
}

void LoadListInPictureLocator(benchmark::State& state)
{
    application();
    QTemporaryDir dir;
    QString file = listFile(dir, int(state.range(0)));
    for (auto _ : state) {
        auto locator = std::make_unique<Form2>();
        locator->LoadSymbolList(file);
        benchmark::DoNotOptimize(locator->List1->count());
        state.PauseTiming();
        locator.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(LoadListInPictureLocator)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void MergeIntoSortedList(benchmark::State& state)
{
    QTemporaryDir dir;
    const symbollist::ListFile list = symbollist::readListFile(listFile(dir, int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(symbollist::mergeSorted({}, list.items));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(MergeIntoSortedList)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);

} // namespace
