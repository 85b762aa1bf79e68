// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classresults.h"

#include <QDateTime>
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

QString pupilKey(const QString& name) { return name.trimmed().toCaseFolded(); }

// The questions a row asked and missed, by text; older rows' numbers through the current file.
struct RowQuestions {
    QStringList asked, missed;
};

QString numberedText(int n, const QStringList& texts) { return n >= 1 && n <= texts.size() ? texts[n - 1] : QString(); }

RowQuestions questionsOf(const RecordRow& row, const QStringList& texts)
{
    if (!row.byNumber())
        return {row.askedQuestions, row.missedQuestions};
    RowQuestions q;
    // A key of its own for a number the file no longer reaches, so it is still counted.
    const auto key = [&](int n) {
        const QString t = numberedText(n, texts);
        return t.isEmpty() ? QStringLiteral("\x01%1").arg(n) : t;
    };
    for (int n : row.askedNumbers)
        q.asked << key(n);
    for (int n : row.missed) {
        q.missed << key(n);
        // A row from before its question numbers were asked numbers still counts the miss.
        if (!row.askedNumbers.contains(n))
            q.asked << key(n);
    }
    return q;
}

} // namespace

bool sameQuestionFile(const QString& a, const QString& b)
{
    return fileNameOnly(a).compare(fileNameOnly(b), Qt::CaseInsensitive) == 0;
}

QDate dayOf(const RecordRow& row) { return QDate::fromString(row.when.left(10), Qt::ISODate); }

bool keeps(const RowFilter& filter, const RecordRow& row)
{
    const QString name = filter.name.trimmed();
    if (!name.isEmpty() && !row.name.contains(name, Qt::CaseInsensitive))
        return false;
    if (!filter.questionFile.isEmpty() && !sameQuestionFile(row.questionFile, filter.questionFile))
        return false;
    if (filter.from.isValid() || filter.to.isValid()) {
        const QDate day = dayOf(row);
        if (!day.isValid() || (filter.from.isValid() && day < filter.from) || (filter.to.isValid() && day > filter.to))
            return false;
    }
    return true;
}

QList<RecordRow> filterRows(const QList<RecordRow>& rows, const RowFilter& filter)
{
    QList<RecordRow> kept;
    for (const RecordRow& row : rows)
        if (keeps(filter, row))
            kept << row;
    return kept;
}

QList<RecordRow> filterRows(const QList<RecordRow>& rows, const QString& nameFilter, const QString& questionFile)
{
    return filterRows(rows, RowFilter{nameFilter, questionFile, {}, {}});
}

QList<PupilSummary> pupilSummaries(const QList<RecordRow>& rows)
{
    struct Sum {
        PupilSummary summary;
        qint64 total = 0;
    };
    QMap<QString, Sum> sums;  // keyed by the folded name, so the list comes out sorted
    for (const RecordRow& row : rows) {
        Sum& s = sums[pupilKey(row.name)];
        if (s.summary.games == 0) {
            s.summary.name = row.name.trimmed();
            s.summary.best = row.score;
        }
        ++s.summary.games;
        s.summary.best = std::max(s.summary.best, row.score);
        s.summary.asked += row.asked;
        s.summary.rightFirstTime += row.rightFirstTime;
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
    QHash<QString, QuestionTally> tallies;
    for (const RecordRow& row : rows) {
        if (!sameQuestionFile(row.questionFile, questionFile))
            continue;
        const RowQuestions q = questionsOf(row, texts);
        for (const QString& t : q.asked) {
            QuestionTally& tally = tallies[t];
            ++tally.asked;
            tally.byNumber = tally.byNumber || row.byNumber();
        }
        for (const QString& t : q.missed)
            ++tallies[t].missed;
    }
    QHash<QString, int> numbers;
    for (int i = texts.size() - 1; i >= 0; --i)
        numbers.insert(texts[i], i + 1);
    QList<QuestionTally> list;
    for (auto it = tallies.begin(); it != tallies.end(); ++it) {
        if (it.key().startsWith(QChar(1))) {
            it->number = 0;
            it->text.clear();
        } else {
            it->text = it.key();
            it->number = numbers.value(it.key());
        }
        list << *it;
    }
    // Questions the file no longer has go after those it has, by text.
    const auto place = [](const QuestionTally& t) { return t.number > 0 ? t.number : INT_MAX; };
    std::sort(list.begin(), list.end(), [&](const QuestionTally& a, const QuestionTally& b) {
        if (a.missed != b.missed)
            return a.missed > b.missed;
        if (a.asked != b.asked)
            return a.asked > b.asked;
        if (place(a) != place(b))
            return place(a) < place(b);
        return a.text < b.text;
    });
    return list;
}

QList<QuestionTally> hardestFirst(QList<QuestionTally> tallies)
{
    std::stable_sort(tallies.begin(), tallies.end(), [](const QuestionTally& a, const QuestionTally& b) {
        if (a.shareRight() != b.shareRight())
            return a.shareRight() < b.shareRight();
        return a.asked > b.asked;
    });
    return tallies;
}

int gamesByNumber(const QList<RecordRow>& rows, const QString& questionFile)
{
    int n = 0;
    for (const RecordRow& row : rows)
        n += row.byNumber() && sameQuestionFile(row.questionFile, questionFile) ? 1 : 0;
    return n;
}

QuestionGrid questionGrid(const QList<RecordRow>& rows, const QString& questionFile, const QStringList& texts)
{
    QuestionGrid grid;
    for (const QuestionTally& t : mostMissed(rows, questionFile, texts))
        if (!t.text.isEmpty())
            grid.questions << t.text;
    QHash<QString, int> column;
    for (int i = 0; i < grid.questions.size(); ++i)
        column.insert(grid.questions[i], i);
    QHash<QString, int> line;
    for (const PupilSummary& p : pupilSummaries(rows)) {
        line.insert(pupilKey(p.name), int(grid.pupils.size()));
        grid.pupils << p.name;
        grid.marks << QList<Mark>(grid.questions.size(), Mark::NotAsked);
    }
    // In the order played, so a later game's mark replaces an earlier one's.
    QList<const RecordRow*> played;
    for (const RecordRow& row : rows)
        if (sameQuestionFile(row.questionFile, questionFile))
            played << &row;
    std::stable_sort(played.begin(), played.end(), [](const RecordRow* a, const RecordRow* b) { return a->when < b->when; });
    for (const RecordRow* row : played) {
        QList<Mark>& marks = grid.marks[line.value(pupilKey(row->name))];
        const RowQuestions q = questionsOf(*row, texts);
        for (const QString& t : q.asked)
            if (const auto c = column.constFind(t); c != column.cend())
                marks[*c] = q.missed.contains(t) ? Mark::Wrong : Mark::Right;
    }
    return grid;
}

QList<ProgressPoint> progressOf(const QList<RecordRow>& rows, const QString& pupil)
{
    QList<ProgressPoint> points;
    const QString key = pupilKey(pupil);
    for (const RecordRow& row : rows)
        if (pupilKey(row.name) == key)
            points << ProgressPoint{row.when, row.score, row.asked > 0 ? double(row.rightFirstTime) / row.asked : 0.0};
    std::stable_sort(points.begin(), points.end(), [](const ProgressPoint& a, const ProgressPoint& b) { return a.when < b.when; });
    return points;
}

} // namespace classroom
