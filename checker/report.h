// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the checker found in one file. Widget-free.
#include <QList>
#include <QString>

namespace checker {

enum class Severity {
    Note,     // what the game makes of the file; shown unless --quiet
    Warning,  // worth mending, but the game does the same either way
    Problem,  // the game does something other than the file's author meant
};

struct Finding {
    int line = 0;  // 1-based as the game counts lines; 0 for the file as a whole
    Severity severity = Severity::Problem;
    QString text;
};

struct FileReport {
    explicit FileReport(const QString& fileName = QString()) : file(fileName) {}

    QString file;           // as the user named it (or the folder plus its name)
    bool readable = true;   // false: missing or unreadable, checked no further
    QList<Finding> findings;

    void note(int line, const QString& text) { findings.append({line, Severity::Note, text}); }
    void warn(int line, const QString& text) { findings.append({line, Severity::Warning, text}); }
    void problem(int line, const QString& text) { findings.append({line, Severity::Problem, text}); }
    int count(Severity severity) const;
    // Findings of one severity, in order; what tests mostly look at.
    QList<Finding> of(Severity severity) const;
};

// "FILE:LINE: text", "FILE:LINE: warning: text", "FILE:LINE: note: text"; no LINE for the
// file as a whole.
QString formatFinding(const QString& file, const Finding& finding);

} // namespace checker
