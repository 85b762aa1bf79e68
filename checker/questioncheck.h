// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checking a question file (.qtn, .dat) the way the game reads it. Needs a QGuiApplication for
// measuring texts.
#include "checker/report.h"

#include <QStringList>

namespace questionfile {
struct Reading;
}

namespace checker {

// Reads the file (questionfile::readQuestionFile) and gives its findings.
FileReport checkQuestionFile(const QString& fileName);
// The findings on what the reader read, added to report; the reader's own rules call it.
void checkQuestions(const questionfile::Reading& reading, FileReport& report);
// The separator of a file whose first lines read as rows of a spreadsheet (three cells or more,
// most of them); null for a question file.
QChar spreadsheetSeparator(const QStringList& lines);

} // namespace checker
