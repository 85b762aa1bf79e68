#pragma once
// Checking a symbol list file (.lst) the way the game loads it into the custom set. Needs a
// QGuiApplication for loading the pictures.
#include "checker/report.h"

namespace symbollistfile {
struct Reading;
}

namespace checker {

// Reads the list (symbollistfile::readSymbolList) and gives its findings.
FileReport checkSymbolList(const QString& fileName);

// The reader's rules: goes through the lines as the game does, loading each picture (from the
// current folder, then beside listFile), fills reading.slots and reading.completed, and adds
// the findings to reading.report.
void readSymbolLines(symbollistfile::Reading& reading, const QString& listFile);

// The region a misspelt name most likely means ("PEI", "Newfoundland and Labrador", a case or
// spacing difference, a typing slip), or an empty text when none is close.
QString likelyRegion(const QString& name);

} // namespace checker
