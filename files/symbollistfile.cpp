// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/symbollistfile.h"

#include "checker/symbolcheck.h"


namespace symbollistfile {

namespace {

// The game takes 13 lines; the ones after are counted for the report only.
ui::ReadLimits limits() { return {ListLines, MostBytes}; }

} // namespace

Reading readSymbolList(const QString& fileName)
{
    Reading reading;
    reading.file = ui::readTextFile(fileName, limits());
    reading.report.file = fileName;
    checker::readSymbolLines(reading, fileName);
    return reading;
}

Reading readSymbolLines(const QStringList& lines, const QString& listFile, const QString& shownName)
{
    Reading reading;
    reading.file = ui::readTextBytes(lines.join(QLatin1Char('\n')).toUtf8(), limits());
    reading.report.file = shownName;
    checker::readSymbolLines(reading, listFile);
    return reading;
}

} // namespace symbollistfile
