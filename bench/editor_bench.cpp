// SPDX-License-Identifier: GPL-3.0-or-later
// How long the question editor's work takes: importing a spreadsheet of 10,000 rows (the whole
// of it, with the findings on what it gives), and re-checking a full file as the teacher types.
#include "editor/csv.h"
#include "editor/findings.h"

#include "support/application.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// The checker measures texts with the game's font, which needs a GUI application.
void ensureApplication()
{
    benchApplication();
}

QByteArray spreadsheet(int rows)
{
    QString text = QStringLiteral("Question;Right answer;Wrong answer 1;Wrong answer 2;Wrong answer 3\r\n");
    for (int i = 1; i <= rows; ++i)
        text += QStringLiteral("\"Which river flows through Trois-Rivières, question %1?\";St. Lawrence;Fraser;\"Mackenzie; \"\"the long one\"\"\";Nelson\r\n")
                    .arg(i);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

void ImportTenThousandRows(benchmark::State& state)
{
    ensureApplication();
    const QByteArray bytes = spreadsheet(10000);
    for (auto _ : state) {
        const editor::CsvImport imported = editor::importCsv(bytes);
        const editor::Checked checked = editor::checkQuestions(imported.questions);
        benchmark::DoNotOptimize(checked.marks.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(ImportTenThousandRows)->Unit(benchmark::kMillisecond);

void RecheckAFullFileAfterAKeystroke(benchmark::State& state)
{
    ensureApplication();
    const editor::Questions questions = editor::importCsv(spreadsheet(100)).questions;
    for (auto _ : state)
        benchmark::DoNotOptimize(editor::checkQuestions(questions).marks.size());
}
BENCHMARK(RecheckAFullFileAfterAKeystroke)->Unit(benchmark::kMillisecond);

} // namespace
