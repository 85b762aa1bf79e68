// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settingsreading.h"

#include "checker/settingscheck.h"

namespace settingsreading {

Reading readSettingsFile(const QString& fileName)
{
    Reading reading;
    reading.file = ui::readTextFile(fileName, {-1, MostBytes});
    reading.report.file = fileName;
    checker::readSettingsLines(reading);
    return reading;
}

} // namespace settingsreading
