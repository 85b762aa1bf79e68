// SPDX-License-Identifier: GPL-3.0-or-later
// The class record at the size of a school year of ten classes, 100,000 games: how long Class
// Results takes to read the first slice it shows (well under a second) and the whole file, how
// long a checker's pass that keeps no rows takes, and how long a 30-pupil PDF report takes
// (under two seconds). bench/run.sh prints the figures the README gives.
#include "classroom/classrecord.h"
#include "classroom/classreport.h"
#include "classroom/classresults.h"

#include "support/application.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QStringList questionTexts()
{
    QStringList texts;
    for (int q = 1; q <= 100; ++q)
        texts << QStringLiteral("Which province or territory has the place numbered %1 on the map?").arg(q);
    return texts;
}

classroom::RecordRow game(int i, const QStringList& texts)
{
    classroom::RecordRow row;
    row.when = QStringLiteral("2026-%1-%2T10:%3:00")
                   .arg(1 + i % 10, 2, 10, QLatin1Char('0'))
                   .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                   .arg(i % 60, 2, 10, QLatin1Char('0'));
    row.name = QStringLiteral("Élève, numéro %1").arg(i % 300);
    row.questionFile = QStringLiteral("Valdra.qtn");
    row.minutes = 3;
    row.symbols = 12;
    row.score = 1000 + i % 2000;
    row.bonus = 150;
    row.asked = 12;
    row.rightFirstTime = 9;
    row.placed = 8;
    row.tries = 9;
    for (int q = 0; q < 12; ++q)
        row.askedQuestions << texts[(i * 3 + q * 11) % 100];
    row.missedQuestions = row.askedQuestions.mid(i % 9, 3);
    return row;
}

// A record of `games` rows in a folder that lasts the whole run.
QString recordOf(int games)
{
    static QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/games%1.csv").arg(games);
    if (QFile::exists(file))
        return file;
    const QStringList texts = questionTexts();
    QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + classroom::csvLine(classroom::headerFields()).toUtf8() + "\r\n";
    for (int i = 0; i < games; ++i)
        bytes += classroom::csvLine(classroom::rowFields(game(i, texts))).toUtf8() + "\r\n";
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return file;
}

void ReadWholeRecord(benchmark::State& state)
{
    const QString file = recordOf(int(state.range(0)));
    const QStringList texts = questionTexts();
    for (auto _ : state) {
        const classroom::RecordFile record = classroom::readRecordFile(file);
        benchmark::DoNotOptimize(classroom::pupilSummaries(record.rows));
        benchmark::DoNotOptimize(classroom::mostMissed(record.rows, QStringLiteral("Valdra.qtn"), texts));
    }
}
BENCHMARK(ReadWholeRecord)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What Class Results shows first: the first 20,000 games read and added up.
void FirstViewOfBigRecord(benchmark::State& state)
{
    const QString file = recordOf(100000);
    const QStringList texts = questionTexts();
    for (auto _ : state) {
        classroom::RecordReader reader(file);
        classroom::RecordFile record;
        for (int slice = 0; slice < 10 && reader.read(record, 2000); ++slice) {
        }
        benchmark::DoNotOptimize(classroom::pupilSummaries(record.rows));
        benchmark::DoNotOptimize(classroom::mostMissed(record.rows, QStringLiteral("Valdra.qtn"), texts));
    }
}
BENCHMARK(FirstViewOfBigRecord)->Unit(benchmark::kMillisecond);

// quillora-check's pass: every row read, none kept.
void CheckBigRecord(benchmark::State& state)
{
    const QString file = recordOf(100000);
    for (auto _ : state) {
        classroom::RecordReader reader(file);
        classroom::RecordFile record;
        while (reader.read(record, 10000, false)) {
        }
        benchmark::DoNotOptimize(record.skipped);
    }
}
BENCHMARK(CheckBigRecord)->Unit(benchmark::kMillisecond);

void ThirtyPupilReport(benchmark::State& state)
{
    benchApplication();
    const QStringList texts = questionTexts();
    classroom::ReportInput in;
    in.recordFile = QStringLiteral("classresults.csv");
    in.filters = QStringLiteral("every pupil");
    in.questionFile = QStringLiteral("Valdra.qtn");
    in.questionTexts = texts;
    // A month of one class: 30 pupils, 10 games each.
    for (int i = 0; i < 300; ++i) {
        classroom::RecordRow row = game(i, texts);
        row.name = QStringLiteral("Pupil %1").arg(i % 30);
        in.rows << row;
    }
    QTemporaryDir dir;
    for (auto _ : state) {
        QString error;
        benchmark::DoNotOptimize(classroom::writeReportPdf(in, dir.path() + QStringLiteral("/report.pdf"), &error));
    }
}
BENCHMARK(ThirtyPupilReport)->Unit(benchmark::kMillisecond);

} // namespace
