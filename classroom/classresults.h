// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the class record adds up to: the rows a teacher picks, each pupil's games, and the
// questions the class misses most. Widget-free.
#include <QList>
#include <QString>

#include "classroom/classrecord.h"

namespace classroom {

// Rows whose name holds `nameFilter` (without regard to case) and whose question file is
// `questionFile` (any when empty; compared without regard to case or folder).
QList<RecordRow> filterRows(const QList<RecordRow>& rows, const QString& nameFilter, const QString& questionFile);

// Whether two names stand for the same question file: the same file name, whatever its folder
// and case.
bool sameQuestionFile(const QString& a, const QString& b);

struct PupilSummary {
    QString name;
    int games = 0;
    qint64 best = 0;
    double mean = 0;
};
// One entry per name (names that differ only in case or surrounding spaces are one pupil),
// sorted by name.
QList<PupilSummary> pupilSummaries(const QList<RecordRow>& rows);

struct QuestionTally {
    int number = 0;
    QString text;   // empty when the current question file has no such question
    int asked = 0;
    int missed = 0;
};
// The questions of `questionFile` that the rows asked, most missed first (then most asked, then
// in file order). `texts` are the file's questions in order, number 1 first.
QList<QuestionTally> mostMissed(const QList<RecordRow>& rows, const QString& questionFile, const QStringList& texts);

} // namespace classroom
