// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/run.h"

#include "checker/questioncheck.h"
#include "checker/report.h"
#include "checker/settingscheck.h"
#include "checker/symbolcheck.h"
#include "editor/csv.h"
#include "editor/questionfile.h"
#include "files/filenames.h"
#include "files/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace checker {

namespace {

const char* const Usage = QT_TRANSLATE_NOOP("checker",
    "Usage: quillora-check [--quiet] FILE|FOLDER...\n"
    "\n"
    "Checks Quillora's files as the game reads them: question files (.qtn, .dat), symbol\n"
    "lists (.lst) and settings files (valdra.ini). A folder stands for every such file in it.\n"
    "Each problem is shown as FILE:LINE: problem, followed by a summary line. Names in a\n"
    "symbol list or a settings file are looked up from the folder the file is in, as the game\n"
    "looks them up from the folder it starts in.\n"
    "\n"
    "  --quiet   show the problems only\n"
    "  --help    show this help\n"
    "  --convert FROM TO\n"
    "            write the questions of FROM to TO, one a question file (.qtn) and the other\n"
    "            a spreadsheet (.csv), as the question editor exports and imports them\n"
    "\n"
    "Exit status: 0 when no file has a problem that changes what the game does, 1 when one\n"
    "has, 2 when a file cannot be read.\n");

QString usage() { return QCoreApplication::translate("checker", Usage); }

QString undecodableReason()
{
    return QCoreApplication::translate("checker", "cannot be read: its name is not valid in this system's encoding");
}

// Checks one file from its own folder, so the names in it are found the way the game finds
// them from its start folder.
FileReport checkFile(const QString& shownName, FileKind kind)
{
    // Found the way the game finds a file: Windows folders, any case.
    const QFileInfo info(ui::resolveFileName(shownName));
    const QString previous = QDir::currentPath();
    if (!info.exists() || !QDir::setCurrent(info.absolutePath())) {
        FileReport report{shownName};
        report.readable = false;
        // A name whose bytes the system's encoding cannot read comes here with replacement
        // characters in it, and no file has that name.
        const bool undecodable = !info.exists() && shownName.contains(QChar::ReplacementCharacter);
        // A link that leads back to itself is there, but names no file.
        struct stat st;
        const bool loop = ::stat(QFile::encodeName(info.filePath()).constData(), &st) != 0 && errno == ELOOP;
        report.problem(0, undecodable ? undecodableReason()
                          : loop      ? QCoreApplication::translate("checker", "cannot be read: its symbolic links lead round in a loop")
                                      : QCoreApplication::translate("checker", "cannot be read: no such file"));
        return report;
    }
    FileReport report;
    switch (kind) {
    case FileKind::Questions: report = checkQuestionFile(info.fileName()); break;
    case FileKind::SymbolList: report = checkSymbolList(info.fileName()); break;
    case FileKind::Settings: report = checkSettingsFile(info.fileName()); break;
    case FileKind::Unknown: break;
    }
    QDir::setCurrent(previous);
    report.file = shownName;
    return report;
}

// "1 file", "3 files": one and many are texts of the "checker" catalogue holding %1.
QString plural(int n, const char* one, const char* many)
{
    return QCoreApplication::translate("checker", n == 1 ? one : many).arg(n);
}

} // namespace

FileKind kindOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("qtn") || suffix == QLatin1String("dat"))
        return FileKind::Questions;
    if (suffix == QLatin1String("lst"))
        return FileKind::SymbolList;
    if (suffix == QLatin1String("ini"))
        return FileKind::Settings;
    return FileKind::Unknown;
}

QStringList filesInFolder(const QString& folder)
{
    const QDir dir(folder);
    QStringList files;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        const FileKind kind = kindOf(name);
        if (kind == FileKind::Questions || kind == FileKind::SymbolList
            || (kind == FileKind::Settings && name.compare(QLatin1String("valdra.ini"), Qt::CaseInsensitive) == 0))
            files << QDir::cleanPath(dir.filePath(name));
    }
    return files;
}

namespace {

// Questions from a question file to a spreadsheet or back, without a window.
int convert(const QString& from, const QString& to, QTextStream& out, QTextStream& err)
{
    const bool toCsv = to.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    if (toCsv == from.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        err << QCoreApplication::translate("checker", "quillora-check: --convert takes one .csv and one question file") << "\n";
        return Unreadable;
    }
    editor::Questions questions;
    if (toCsv) {
        const editor::ReadResult read = editor::readQuestionFile(from);
        if (!read.ok) {
            err << QCoreApplication::translate("checker", "quillora-check: %1 cannot be read: %2").arg(from, read.error) << "\n";
            return Unreadable;
        }
        questions = read.questions;
    } else {
        QFile file(ui::resolveFileName(from));
        if (!file.open(QIODevice::ReadOnly)) {
            err << QCoreApplication::translate("checker", "quillora-check: %1 cannot be read: %2").arg(from, file.errorString()) << "\n";
            return Unreadable;
        }
        const editor::CsvImport imported = editor::importCsv(file.readAll());
        for (const editor::CsvProblem& problem : imported.problems)
            out << from << ":" << problem.row << ": " << problem.text << "\n";
        questions = imported.questions;
        if (questions.isEmpty()) {
            err << QCoreApplication::translate("checker", "quillora-check: %1 holds no question, so nothing was written").arg(from) << "\n";
            return ProblemsFound;
        }
    }
    QString error;
    const bool written = toCsv ? ui::writeFileBytes(to, editor::exportCsv(questions), &error)
                               : editor::saveQuestionFile(to, questions, &error);
    if (!written) {
        err << QCoreApplication::translate("checker", "quillora-check: %1 cannot be written: %2").arg(to, error) << "\n";
        return Unreadable;
    }
    out << plural(int(questions.size()), QT_TRANSLATE_NOOP("checker", "%1 question written to %2."),
                  QT_TRANSLATE_NOOP("checker", "%1 questions written to %2."))
               .arg(to)
        << "\n";
    out.flush();
    return AllClear;
}

} // namespace

int run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (!arguments.isEmpty() && arguments[0] == QLatin1String("--convert")) {
        if (arguments.size() != 3) {
            err << QCoreApplication::translate("checker", "quillora-check: --convert takes one .csv and one question file") << "\n" << usage();
            return Unreadable;
        }
        return convert(arguments[1], arguments[2], out, err);
    }
    bool quiet = false;
    bool optionsEnd = false;
    QStringList names;
    for (const QString& argument : arguments) {
        if (!optionsEnd && argument == QLatin1String("--help")) {
            out << usage();
            return AllClear;
        }
        if (!optionsEnd && argument == QLatin1String("--quiet")) {
            quiet = true;
        } else if (!optionsEnd && argument == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            err << QCoreApplication::translate("checker", "quillora-check: unknown option %1").arg(argument) << "\n" << usage();
            return Unreadable;
        } else {
            names << argument;
        }
    }
    if (names.isEmpty()) {
        err << QCoreApplication::translate("checker", "quillora-check: no file or folder named") << "\n" << usage();
        return Unreadable;
    }

    QList<FileReport> reports;
    for (const QString& name : names) {
        const QFileInfo info(name);
        if (info.isDir()) {
            const QStringList files = filesInFolder(name);
            // Names the system's encoding cannot read are left out of every listing: said here.
            QStringList unnamed;
            for (const QString& odd : files::undecodableNames(name))
                if (kindOf(odd) != FileKind::Unknown)
                    unnamed << QDir::cleanPath(QDir(name).filePath(odd));
            for (const QString& odd : unnamed) {
                FileReport report{odd};
                report.readable = false;
                report.problem(0, undecodableReason());
                reports << report;
            }
            if (files.isEmpty() && unnamed.isEmpty()) {
                FileReport report{name};
                report.warn(0, QCoreApplication::translate("checker", "no question file, symbol list or valdra.ini in this folder"));
                reports << report;
            }
            for (const QString& file : files)
                reports << checkFile(file, kindOf(file));
            continue;
        }
        const FileKind kind = kindOf(name);
        if (kind == FileKind::Unknown && info.exists()) {
            FileReport report{name};
            report.readable = false;
            report.problem(0, QCoreApplication::translate("checker", "not a question file (.qtn, .dat), symbol list (.lst) or settings file "
                                             "(.ini), so not checked"));
            reports << report;
            continue;
        }
        reports << checkFile(name, kind == FileKind::Unknown ? FileKind::Questions : kind);
    }

    int files = 0, problems = 0, warnings = 0, unreadable = 0;
    for (const FileReport& report : reports) {
        files += report.readable;
        unreadable += !report.readable;
        problems += report.count(Severity::Problem) - !report.readable;
        warnings += report.count(Severity::Warning);
        // In the order of the file's lines, what concerns the whole file first.
        QList<Finding> findings = report.findings;
        std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) { return a.line < b.line; });
        for (const Finding& finding : findings)
            if (!quiet || finding.severity != Severity::Note)
                out << formatFinding(report.file, finding) << "\n";
    }
    if (!quiet) {
        QString summary = QCoreApplication::translate("checker", "%1 checked: ").arg(plural(files, QT_TRANSLATE_NOOP("checker", "%1 file"), QT_TRANSLATE_NOOP("checker", "%1 files")));
        if (problems == 0 && warnings == 0)
            summary += QCoreApplication::translate("checker", "no problems");
        else
            summary += plural(problems, QT_TRANSLATE_NOOP("checker", "%1 problem"), QT_TRANSLATE_NOOP("checker", "%1 problems")) + QStringLiteral(", ") + plural(warnings, QT_TRANSLATE_NOOP("checker", "%1 warning"), QT_TRANSLATE_NOOP("checker", "%1 warnings"));
        if (unreadable)
            summary += QCoreApplication::translate("checker", ", %1 not read").arg(plural(unreadable, QT_TRANSLATE_NOOP("checker", "%1 file"), QT_TRANSLATE_NOOP("checker", "%1 files")));
        out << summary << ".\n";
    }
    out.flush();
    if (unreadable)
        return Unreadable;
    return problems ? ProblemsFound : AllClear;
}

} // namespace checker
