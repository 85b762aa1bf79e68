// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loadmessage.h"

#include "files/textfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>

namespace files {

std::optional<LoadMessage> loadMessage(const QString& kind, const checker::FileReport& report, bool questionFile)
{
    QList<checker::Finding> findings;
    for (const checker::Finding& f : report.findings)
        if (f.severity != checker::Severity::Note)
            findings << f;
    std::stable_sort(findings.begin(), findings.end(), [](const checker::Finding& a, const checker::Finding& b) {
        return a.line < b.line;
    });
    QList<checker::Finding> problems;
    for (const checker::Finding& f : findings)
        if (f.severity == checker::Severity::Problem)
            problems << f;
    if (problems.isEmpty())
        return std::nullopt;

    const QString name = QFileInfo(report.file).fileName().isEmpty() ? report.file : QFileInfo(report.file).fileName();
    LoadMessage message;
    // "The symbol list "birds.lst"", or the kind alone for a list that is no file.
    const QString what = name.isEmpty() ? kind : QStringLiteral("%1 \"%2\"").arg(kind, name);
    message.text = (problems.size() == 1
                        ? QCoreApplication::translate("files", "%1 has a problem that changes what the game does:").arg(what)
                        : QCoreApplication::translate("files", "%1 has %2 problems that change what the game does:")
                              .arg(what)
                              .arg(problems.size()))
                   + QStringLiteral("\n");
    const auto lineText = [questionFile](const checker::Finding& f) {
        if (f.line <= 0)
            return f.text;
        // Five lines a question.
        if (questionFile)
            return QCoreApplication::translate("files", "question %1 (line %2): %3").arg((f.line - 1) / 5 + 1).arg(f.line).arg(f.text);
        return QCoreApplication::translate("files", "line %1: %2").arg(f.line).arg(f.text);
    };
    for (int i = 0; i < problems.size() && i < ShownProblems; ++i)
        message.text += QStringLiteral("\n") + lineText(problems[i]);
    if (problems.size() > ShownProblems)
        message.text += QStringLiteral("\n") + QCoreApplication::translate("files", "and %1 more.")
                                                   .arg(problems.size() - ShownProblems);
    message.text += QStringLiteral("\n\n")
                    + QCoreApplication::translate("files", "The game plays the file as it reads it. Show Details lists "
                                                           "every problem; quillora-check prints the same report.");

    QStringList details;
    for (int i = 0; i < findings.size() && i < MostDetails; ++i) {
        const checker::Finding& f = findings[i];
        details << lineText(f.severity == checker::Severity::Warning
                                ? checker::Finding{f.line, f.severity, QCoreApplication::translate("files", "warning: %1").arg(f.text)}
                                : f);
    }
    if (findings.size() > MostDetails)
        details << QCoreApplication::translate("files", "and %1 more.").arg(findings.size() - MostDetails);
    message.details = (report.file.isEmpty() ? QString() : report.file + QStringLiteral("\n")) + details.join(QLatin1Char('\n'));
    return message;
}

QString fileIdentity(const QString& fileName)
{
    const QFileInfo info(ui::resolveFileName(fileName));
    if (!info.exists())
        return QStringLiteral("missing:") + info.absoluteFilePath();
    return QStringLiteral("%1|%2|%3")
        .arg(info.absoluteFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch());
}

} // namespace files
