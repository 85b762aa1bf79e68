#pragma once
// Checking a symbol list file (.lst) the way the game loads it into the custom set. Needs a
// QGuiApplication for loading the pictures.
#include "checker/report.h"

namespace checker {

FileReport checkSymbolList(const QString& fileName);

// The region a misspelt name most likely means ("PEI", "Newfoundland and Labrador", a case or
// spacing difference, a typing slip), or an empty text when none is close.
QString likelyRegion(const QString& name);

} // namespace checker
