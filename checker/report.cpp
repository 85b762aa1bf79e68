// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/report.h"

#include <QCoreApplication>

namespace checker {

int FileReport::count(Severity severity) const
{
    int n = 0;
    for (const Finding& f : findings)
        n += f.severity == severity;
    return n;
}

QList<Finding> FileReport::of(Severity severity) const
{
    QList<Finding> result;
    for (const Finding& f : findings)
        if (f.severity == severity)
            result.append(f);
    return result;
}

QString formatFinding(const QString& file, const Finding& finding)
{
    QString text = file + QLatin1Char(':');
    if (finding.line > 0)
        text += QString::number(finding.line) + QLatin1Char(':');
    text += QLatin1Char(' ');
    if (finding.severity == Severity::Warning)
        text += QCoreApplication::translate("checker", "warning: ");
    else if (finding.severity == Severity::Note)
        text += QCoreApplication::translate("checker", "note: ");
    return text + finding.text;
}

} // namespace checker
