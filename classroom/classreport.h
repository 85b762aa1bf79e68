// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class report that Class Results prints or saves as PDF, for the filters in force: the
// class summary, each pupil's games, the most-missed questions with their text and share right,
// and the charts. Paged with the page number and the date at each page's foot.
#include <QDateTime>
#include <QLocale>
#include <QPageSize>
#include <QString>

#include "classroom/classresults.h"

class QPagedPaintDevice;

namespace classroom {

struct ReportInput {
    QString recordFile;
    QString filters;            // the filters in force, said in words
    QList<RecordRow> rows;      // the rows they keep
    QString questionFile;       // whose questions are counted
    QStringList questionTexts;  // its questions in order
    QDateTime made;             // when the report is made
};

// Letter where the locale's country uses it (Canada, the United States, Mexico...), A4 elsewhere.
QPageSize::PageSizeId pageSizeFor(const QLocale& locale);

// The report as a document, for its text (and tests).
QString reportHtml(const ReportInput& input);
// Lays the report out on the device's pages; the painter's failure is the caller's to tell.
bool paintReport(const ReportInput& input, QPagedPaintDevice& device);
// Writes the report as a PDF file, replacing the file only once it is whole; false with the
// system's reason in *error.
bool writeReportPdf(const ReportInput& input, const QString& fileName, QString* error);

} // namespace classroom
