// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the class record adds up to: the rows a teacher picks, each pupil's games, the
// questions the class misses most, each pupil against each question, and a pupil's progress.
// Widget-free.
#include <QDate>
#include <QList>
#include <QString>

#include "classroom/classrecord.h"

namespace classroom {

struct RowFilter {
    QString name;          // part of the name, without regard to case; empty: every pupil
    QString questionFile;  // compared without regard to case or folder; empty: any
    QDate from, to;        // the days played, both included; a null date sets no bound
};

bool keeps(const RowFilter& filter, const RecordRow& row);
QList<RecordRow> filterRows(const QList<RecordRow>& rows, const RowFilter& filter);
// The older call: by name and question file only.
QList<RecordRow> filterRows(const QList<RecordRow>& rows, const QString& nameFilter, const QString& questionFile);

// Whether two names stand for the same question file: the same file name, whatever its folder
// and case.
bool sameQuestionFile(const QString& a, const QString& b);

// The day a row was played, null when its date cannot be read.
QDate dayOf(const RecordRow& row);

struct PupilSummary {
    QString name;
    int games = 0;
    qint64 best = 0;
    double mean = 0;
    int asked = 0;
    int rightFirstTime = 0;
};
// One entry per name (names that differ only in case or surrounding spaces are one pupil),
// sorted by name.
QList<PupilSummary> pupilSummaries(const QList<RecordRow>& rows);

struct QuestionTally {
    QString text;    // empty when an older row's number is beyond the current question file
    int number = 0;  // its place in the current question file; 0 when the file no longer has it
    int asked = 0;
    int missed = 0;
    bool byNumber = false;  // some of it was counted from older rows' numbers
    // The share of the times asked that were right the first time, 0 to 1.
    double shareRight() const { return asked > 0 ? double(asked - missed) / asked : 0.0; }
};
// The questions of `questionFile` that the rows asked, by their text, most missed first (then
// most asked, then in file order). `texts` are the file's questions in order, number 1 first:
// older rows that name questions by number are matched against them.
QList<QuestionTally> mostMissed(const QList<RecordRow>& rows, const QString& questionFile, const QStringList& texts);
// The hardest first: the least share right, then the most asked.
QList<QuestionTally> hardestFirst(QList<QuestionTally> tallies);
// How many of the rows of `questionFile` name their questions by number.
int gamesByNumber(const QList<RecordRow>& rows, const QString& questionFile);

// Each pupil against each question: how the pupil's last game that asked it went.
enum class Mark { NotAsked, Right, Wrong };
struct QuestionGrid {
    QStringList pupils;     // as pupilSummaries names them, sorted
    QStringList questions;  // as mostMissed orders them
    QList<QList<Mark>> marks;  // [pupil][question]
};
QuestionGrid questionGrid(const QList<RecordRow>& rows, const QString& questionFile, const QStringList& texts);

// One pupil's games in the order played: score and share right the first time.
struct ProgressPoint {
    QString when;
    qint64 score = 0;
    double shareRight = 0;  // 0 to 1
};
QList<ProgressPoint> progressOf(const QList<RecordRow>& rows, const QString& pupil);

} // namespace classroom
