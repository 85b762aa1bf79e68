// How long the game's file work takes: loading a full question file and decoding text.
#include "game/questionbank.h"
#include "game/state.h"
#include "files/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QStringList fullQuestionFile()
{
    QStringList lines;
    for (int i = 1; i <= 100; ++i)
        lines << QStringLiteral("Which river flows through Trois-Rivières, question %1?").arg(i)
              << QStringLiteral("St. Lawrence") << QStringLiteral("Fraser") << QStringLiteral("Mackenzie")
              << QStringLiteral("Nelson");
    return lines;
}

void LoadFullQuestionFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Valdra.qtn"));
    ui::writeTextFile(file, fullQuestionFile());
    for (auto _ : state) {
        questionbank::loadQuestionBank(file);
        benchmark::DoNotOptimize(modValdra::QuestionCount);
    }
}
BENCHMARK(LoadFullQuestionFile);

void DecodeWindows1252(benchmark::State& state)
{
    const QByteArray bytes = ui::encodeText(fullQuestionFile().join(QStringLiteral("\r\n")));
    for (auto _ : state)
        benchmark::DoNotOptimize(ui::decodeText(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(DecodeWindows1252);

} // namespace
