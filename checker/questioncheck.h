#pragma once
// Checking a question file (.qtn, .dat) the way the game reads it. Needs a QGuiApplication for
// measuring texts; loads the file into the game's question bank.
#include "checker/report.h"

namespace checker {

FileReport checkQuestionFile(const QString& fileName);

// The rules on the lines of a question file, read in blocks of five as the game reads them:
// the question editor checks its questions with them.
void checkQuestionLines(const QStringList& lines, FileReport& report);

} // namespace checker
