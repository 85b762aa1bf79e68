// SPDX-License-Identifier: GPL-3.0-or-later
// How long the Class Results window takes to read a class record of 10,000 games and add it up
// (it should stay well under 200 ms).
#include "classroom/classrecord.h"
#include "classroom/classresults.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString tenThousandGames(const QString& folder)
{
    const QString file = folder + QStringLiteral("/classresults.csv");
    QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + classroom::csvLine(classroom::headerFields()).toUtf8() + "\r\n";
    for (int i = 0; i < 10000; ++i) {
        classroom::RecordRow row;
        row.when = QStringLiteral("2026-03-02T10:%1:00").arg(i % 60, 2, 10, QLatin1Char('0'));
        row.name = QStringLiteral("Élève, numéro %1").arg(i % 30);
        row.questionFile = QStringLiteral("Valdra.qtn");
        row.minutes = 3;
        row.symbols = 12;
        row.score = 1000 + i % 2000;
        row.bonus = 150;
        row.asked = 12;
        row.rightFirstTime = 9;
        row.placed = 8;
        row.tries = 9;
        row.missed = {i % 100 + 1, (i * 7) % 100 + 1, (i * 13) % 100 + 1};
        for (int q = 0; q < 12; ++q)
            row.askedNumbers << (i * 3 + q * 11) % 100 + 1;
        bytes += classroom::csvLine(classroom::rowFields(row)).toUtf8() + "\r\n";
    }
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return file;
}

void ReadTenThousandGameRecord(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = tenThousandGames(dir.path());
    QStringList texts;
    for (int q = 1; q <= 100; ++q)
        texts << QStringLiteral("Question %1?").arg(q);
    for (auto _ : state) {
        const classroom::RecordFile record = classroom::readRecordFile(file);
        benchmark::DoNotOptimize(classroom::pupilSummaries(record.rows));
        benchmark::DoNotOptimize(classroom::mostMissed(record.rows, QStringLiteral("Valdra.qtn"), texts));
    }
}
BENCHMARK(ReadTenThousandGameRecord)->Unit(benchmark::kMillisecond);

} // namespace
