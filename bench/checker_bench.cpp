// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the checker (and so the game's reading of a teacher's file) goes: bytes a second on an
// ordinary question file and on a symbol list, and the time on a 50 MB file of one line, which
// must stay under a second because the reader stops where the game stops.
#include "checker/questioncheck.h"
#include "checker/symbolcheck.h"
#include "files/textfile.h"

#include "support/application.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Fonts and pictures need a GUI application; the benchmarks' own main makes none.
void needGui()
{
    benchApplication();
}

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

void CheckOrdinaryQuestionFile(benchmark::State& state)
{
    needGui();
    QTemporaryDir dir;
    QStringList lines;
    for (int i = 1; i <= 100; ++i)
        lines << QStringLiteral("Which river flows through Trois-Rivières, question %1?").arg(i)
              << QStringLiteral("St. Lawrence") << QStringLiteral("Fraser") << QStringLiteral("Mackenzie")
              << QStringLiteral("Nelson");
    const QString file = dir.filePath(QStringLiteral("rivers.qtn"));
    ui::writeTextFile(file, lines);
    const qint64 size = QFile(file).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(checker::checkQuestionFile(file));
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(CheckOrdinaryQuestionFile)->Unit(benchmark::kMillisecond);

// A large ordinary file: 100 questions and some 20 MB of more (which the game never reads).
void CheckLargeQuestionFile(benchmark::State& state)
{
    needGui();
    QTemporaryDir dir;
    QByteArray block;
    for (int i = 1; i <= 5; ++i)
        block += "Which river flows through Trois-Rivieres, question " + QByteArray::number(i) + "?\r\nSt. Lawrence\r\n"
                 "Fraser\r\nMackenzie\r\nNelson\r\n";
    QByteArray bytes;
    while (bytes.size() < (20 << 20))
        bytes += block;
    const QString file = writeBytes(dir, QStringLiteral("large.qtn"), bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(checker::checkQuestionFile(file));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(CheckLargeQuestionFile)->Unit(benchmark::kMillisecond);

void CheckSymbolList(benchmark::State& state)
{
    needGui();
    QTemporaryDir dir;
    QImage picture(80, 80, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(dir.filePath(QStringLiteral("p.bmp")), "BMP");
    QStringList lines;
    for (int i = 0; i < 13; ++i)
        lines << QStringLiteral("Alberta; p.bmp");
    const QString file = dir.filePath(QStringLiteral("list.lst"));
    ui::writeTextFile(file, lines);
    const qint64 size = QFile(file).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(checker::checkSymbolList(file));
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(CheckSymbolList)->Unit(benchmark::kMillisecond);

// A file of 50 MB with no line break: the reader takes the first MiB, the text fit is judged
// without laying out the line.
void CheckHugeSingleLine(benchmark::State& state)
{
    needGui();
    QTemporaryDir dir;
    QByteArray bytes(50 << 20, 'a');
    for (qsizetype i = 7; i < bytes.size(); i += 8)
        bytes[i] = ' ';
    const QString file = writeBytes(dir, QStringLiteral("huge.qtn"), bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(checker::checkQuestionFile(file));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(CheckHugeSingleLine)->Unit(benchmark::kMillisecond);

} // namespace
