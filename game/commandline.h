// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's command line: where to play, or a short answer (help, version, a mistake) and
// no window at all. Widget-free, so its rules are tested without a display.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "ui/language.h"

namespace commandline {

enum class Action { Play, Help, Version, Error };

struct Options {
    Action action = Action::Play;
    QString folder;          // the folder named on the command line; empty: none named
    bool userFolder = false; // --user-folder: the player's own folder in the XDG data home
    QString error;           // what was wrong, for Action::Error
    QString language;        // --lang: "fr" or "en"; empty: the desktop's or the saved choice
};

// args as the program receives them, its own name first. --help and --version win over
// anything else, so that they answer even next to an argument the game does not know.
Options parse(const QStringList& args);

QString helpText();
QString versionText();

// The language the command line asks for, if any.
std::optional<language::Language> chosenLanguage(const Options& options);

// The folder to play in: the one named, the player's own, or empty for the current folder.
QString playFolder(const Options& options);

// The first argument that is not valid in the system's encoding (as a file name would be read
// back), shown with its stray bytes as \xNN; empty when every argument is valid. Such a name
// would be read as another one (with replacement characters), so the game would play elsewhere.
QString undecodableArgument(int argc, const char* const* argv);
// What the game says, and stops at, for such a folder name.
QString undecodableFolderMessage(const QString& shown);

// The arguments as main() receives them, before any QCoreApplication exists.
QStringList arguments(int argc, const char* const* argv);

// The arguments without the window system's own options (-platform NAME, -style NAME,
// -display NAME, -reverse, ...), which the application takes out itself once it starts; so
// the game's options are judged before there is a display.
QStringList withoutWindowSystemOptions(const QStringList& args);

// Why the game would find no display to open its window on, judged from the environment
// (getenv) and the arguments before the window system starts; empty when it may find one.
QString missingDisplay(const QStringList& args, const std::function<QByteArray(const char*)>& getenv);

// Prints the answer for every action but Play (help and version to standard output, a mistake
// to standard error) and returns the exit status: 0, or 2 for a mistake.
int printAnswer(const Options& options);

} // namespace commandline
