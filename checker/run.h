// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quillora-check command line: which files to check, the report and the exit status.
// Needs a QGuiApplication (fonts and pictures).
#include <QStringList>
#include <QTextStream>

namespace checker {

enum ExitStatus {
    AllClear = 0,     // no file has a problem that changes what the game does
    ProblemsFound = 1,
    Unreadable = 2,   // a file or folder that cannot be read, or a command line we do not understand
};

enum class FileKind { Unknown, Questions, SymbolList, Settings };

// By name, without regard to case: .qtn and .dat, .lst, .ini.
FileKind kindOf(const QString& fileName);
// The files of a folder the checker takes: every .qtn, .dat and .lst, and valdra.ini; sorted.
QStringList filesInFolder(const QString& folder);

// Runs the checker on the arguments (without the program's name); writes the report to out and
// usage errors to err.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace checker
