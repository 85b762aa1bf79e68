// SPDX-License-Identifier: GPL-3.0-or-later
#include "symbols/chooser.h"

#include <algorithm>
#include <cmath>

namespace chooser {

QString fileNameOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString scoreFileFor(const QString& quizFile)
{
    QString stem = fileNameOf(quizFile);
    // A leading "." belongs to the name (".qtn" keeps ".qtn"), so the search starts after it.
    const qsizetype dot = stem.indexOf(QLatin1Char('.'), 1);
    if (dot > 0)
        stem.truncate(dot);
    return stem + QStringLiteral(".scr");
}

double waitEnd(double timeOfDay, int n)
{
    const int d = n > 0 ? n : 1;
    return std::round(timeOfDay) + d;
}

} // namespace chooser
