#pragma once
// Checking a settings file (valdra.ini) the way the game reads it at start-up. Needs a
// QGuiApplication for loading the question box's picture.
#include "checker/report.h"

namespace checker {

FileReport checkSettingsFile(const QString& fileName);

} // namespace checker
