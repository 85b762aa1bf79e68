// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classresults.h"

#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <algorithm>

namespace classroom {

namespace {

QString fileNameOnly(const QString& name)
{
    QString n = name.trimmed();
    n.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return n.mid(n.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

bool sameQuestionFile(const QString& a, const QString& b)
{
    return fileNameOnly(a).compare(fileNameOnly(b), Qt::CaseInsensitive) == 0;
}

QList<RecordRow> filterRows(const QList<RecordRow>& rows, const QString& nameFilter, const QString& questionFile)
{
    const QString name = nameFilter.trimmed();
    QList<RecordRow> kept;
    for (const RecordRow& row : rows) {
        if (!name.isEmpty() && !row.name.contains(name, Qt::CaseInsensitive))
            continue;
        if (!questionFile.isEmpty() && !sameQuestionFile(row.questionFile, questionFile))
            continue;
        kept << row;
    }
    return kept;
}

QList<PupilSummary> pupilSummaries(const QList<RecordRow>& rows)
{
    struct Sum {
        PupilSummary summary;
        qint64 total = 0;
    };
    QMap<QString, Sum> sums;  // keyed by the folded name, so the list comes out sorted
    for (const RecordRow& row : rows) {
        const QString key = row.name.trimmed().toCaseFolded();
        Sum& s = sums[key];
        if (s.summary.games == 0) {
            s.summary.name = row.name.trimmed();
            s.summary.best = row.score;
        }
        ++s.summary.games;
        s.summary.best = std::max(s.summary.best, row.score);
        s.total += row.score;
    }
    QList<PupilSummary> list;
    for (Sum& s : sums) {
        s.summary.mean = double(s.total) / s.summary.games;
        list << s.summary;
    }
    return list;
}

QList<QuestionTally> mostMissed(const QList<RecordRow>& rows, const QString& questionFile, const QStringList& texts)
{
    QHash<int, QuestionTally> tallies;
    for (const RecordRow& row : rows) {
        if (!sameQuestionFile(row.questionFile, questionFile))
            continue;
        for (int n : row.askedNumbers)
            ++tallies[n].asked;
        for (int n : row.missed) {
            QuestionTally& t = tallies[n];
            ++t.missed;
            // A row from before its question numbers were asked numbers still counts the miss.
            if (!row.askedNumbers.contains(n))
                ++t.asked;
        }
    }
    QList<QuestionTally> list;
    for (auto it = tallies.begin(); it != tallies.end(); ++it) {
        it->number = it.key();
        it->text = texts.value(it.key() - 1);
        list << *it;
    }
    std::sort(list.begin(), list.end(), [](const QuestionTally& a, const QuestionTally& b) {
        if (a.missed != b.missed)
            return a.missed > b.missed;
        if (a.asked != b.asked)
            return a.asked > b.asked;
        return a.number < b.number;
    });
    return list;
}

} // namespace classroom
