#pragma once
// Checking a question file (.qtn, .dat) the way the game reads it. Needs a QGuiApplication for
// measuring texts.
#include "checker/report.h"

namespace questionfile {
struct Reading;
}

namespace checker {

// Reads the file (questionfile::readQuestionFile) and gives its findings.
FileReport checkQuestionFile(const QString& fileName);
// The findings on what the reader read, added to report; the reader's own rules call it.
void checkQuestions(const questionfile::Reading& reading, FileReport& report);

} // namespace checker
