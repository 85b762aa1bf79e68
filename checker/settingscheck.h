#pragma once
// Checking a settings file (valdra.ini) the way the game reads it at start-up. Needs a
// QGuiApplication for loading the question box's picture.
#include "checker/report.h"

namespace settingsreading {
struct Reading;
}

namespace checker {

// What start-up takes from the file, for comparing with the game itself.
struct SettingsVerdict {
    QString quizFile = QStringLiteral("Valdra.qtn");
    QString picListFile;
    int gameSeconds = 180;
    int symbolCount = 12;
    int stopLine = 0;  // the line where the reading stops; 0 when it reads to the end
};

FileReport checkSettingsFile(const QString& fileName, SettingsVerdict* verdict = nullptr);

// The reader's rules: goes through the lines as the game does, fills reading.settings and
// reading.stopped, and adds the findings to reading.report.
void readSettingsLines(settingsreading::Reading& reading, SettingsVerdict* verdict = nullptr);

} // namespace checker
