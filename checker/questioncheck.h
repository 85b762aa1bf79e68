#pragma once
// Checking a question file (.qtn, .dat) the way the game reads it. Needs a QGuiApplication for
// measuring texts; loads the file into the game's question bank.
#include "checker/report.h"

namespace checker {

FileReport checkQuestionFile(const QString& fileName);

} // namespace checker
