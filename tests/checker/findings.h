// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Looking into a checker report from a test.
#include "checker/report.h"
#include "support/testfolder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace checkertest {

using checker::FileReport;
using checker::Severity;

// Every problem and warning, as "LINE: text", so a failure shows what the checker did say.
inline QStringList complaints(const FileReport& report)
{
    QStringList out;
    for (const checker::Finding& f : report.findings)
        if (f.severity != Severity::Note)
            out << QStringLiteral("%1: %2%3")
                       .arg(f.line)
                       .arg(f.severity == Severity::Warning ? QStringLiteral("warning: ") : QString(), f.text);
    return out;
}

// Whether the report holds exactly one complaint, at the line and of the severity, whose text
// holds the words.
inline ::testing::AssertionResult onlyComplaint(const FileReport& report, int line, Severity severity, const QString& words)
{
    const QStringList all = complaints(report);
    int matching = 0;
    for (const checker::Finding& f : report.findings)
        matching += f.severity == severity && f.line == line && f.text.contains(words);
    if (all.size() == 1 && matching == 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "wanted only line " << line << " with \"" << words.toStdString()
                                         << "\", got:\n  " << all.join(QStringLiteral("\n  ")).toStdString();
}

// One table row: the lines of a small file, and the one complaint the checker must make of it.
struct LinesCase {
    const char* name;
    QStringList lines;
    int line;
    Severity severity;
    const char* words;
};

} // namespace checkertest
