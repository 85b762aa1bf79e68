// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class record's charts, for Class Results and its printed report: the share right the
// first time per question, hardest first, and a pupil's progress. Colours a colour-blind reader
// tells apart (blue and orange), and every value also written or marked, never by colour alone.
#include <QChart>
#include <QImage>

#include "classroom/classresults.h"

namespace classroom {

// The questions' share right the first time as horizontal bars, the hardest on top; at most
// `most` of them. The caller owns the chart.
QChart* shareRightChart(const QList<QuestionTally>& hardest, int most, const QFont& font);
// Score and share right by date: two lines, solid with dots and dashed with squares, each on an
// axis of its own.
QChart* progressChart(const QList<ProgressPoint>& points, const QFont& font);
// The chart drawn on a white picture of that size (for the report).
QImage chartImage(QChart* chart, QSize size);

// A question's text shortened for an axis label.
QString shortQuestion(const QString& text, int most = 48);

} // namespace classroom
