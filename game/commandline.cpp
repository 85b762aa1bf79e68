// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/commandline.h"

#include "files/filenames.h"

#include <QCoreApplication>
#include <QFile>

#include "game/playfolder.h"

#include <QCoreApplication>

#include <cstdio>

#ifndef QUILLORA_VERSION
#define QUILLORA_VERSION "unknown"
#endif

namespace commandline {

Options parse(const QStringList& args)
{
    Options options;
    bool help = false, version = false, onlyFolders = false;
    QStringList folders;
    QString firstMistake;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!onlyFolders && arg == QLatin1String("--")) {
            onlyFolders = true;
        } else if (!onlyFolders && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            help = true;
        } else if (!onlyFolders && arg == QLatin1String("--version")) {
            version = true;
        } else if (!onlyFolders && arg == QLatin1String("--user-folder")) {
            options.userFolder = true;
        } else if (!onlyFolders && (arg == QLatin1String("--lang") || arg.startsWith(QLatin1String("--lang=")))) {
            QString value;
            if (arg.size() > 6)
                value = arg.mid(7);
            else if (i + 1 < args.size())
                value = args[++i];
            const auto chosen = language::fromCode(value);
            if (chosen)
                options.language = language::code(*chosen);
            else if (firstMistake.isEmpty())
                firstMistake = QCoreApplication::translate("commandline", "unknown language '%1': choose fr or en").arg(value);
        } else if (!onlyFolders && arg.size() > 1 && arg.startsWith(QLatin1Char('-'))) {
            if (firstMistake.isEmpty())
                firstMistake = QCoreApplication::translate("commandline", "unknown option '%1'").arg(arg);
        } else if (arg.isEmpty()) {
            if (firstMistake.isEmpty())
                firstMistake = QCoreApplication::translate("commandline", "the folder name is empty");
        } else {
            folders << arg;
        }
    }
    if (firstMistake.isEmpty() && folders.size() > 1)
        firstMistake = QCoreApplication::translate("commandline", "more than one folder given ('%1', '%2')").arg(folders[0], folders[1]);
    if (firstMistake.isEmpty() && options.userFolder && !folders.isEmpty())
        firstMistake = QCoreApplication::translate("commandline", "--user-folder and a folder ('%1') cannot go together").arg(folders[0]);

    if (!folders.isEmpty())
        options.folder = folders[0];
    if (help)
        options.action = Action::Help;
    else if (version)
        options.action = Action::Version;
    else if (!firstMistake.isEmpty()) {
        options.action = Action::Error;
        options.error = firstMistake;
    }
    return options;
}

std::optional<language::Language> chosenLanguage(const Options& options)
{
    return language::fromCode(options.language);
}

QString playFolder(const Options& options)
{
    return options.userFolder ? playfolder::userFolder() : options.folder;
}

QString undecodableArgument(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        if (!files::decodable(QByteArray(argv[i])))
            return files::shownName(QByteArray(argv[i]));
    return {};
}

QString undecodableFolderMessage(const QString& shown)
{
    return QCoreApplication::translate("commandline",
                                       "The name %1 is not valid in this system's encoding, so the game cannot play "
                                       "in that folder. Rename the folder, or name another one.")
        .arg(shown);
}

QStringList arguments(int argc, const char* const* argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

QStringList withoutWindowSystemOptions(const QStringList& args)
{
    // As the application reads them: one dash or two, a value after the option or after "=".
    static const QStringList withValue = {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                                          "stylesheet", "session", "display", "geometry", "qwindowgeometry",
                                          "qwindowtitle", "qwindowicon", "title", "name", "visual", "qmljsdebugger"};
    static const QStringList alone = {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};
    QStringList kept;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i == 0 || arg == QLatin1String("--") || !arg.startsWith(QLatin1Char('-'))) {
            kept << arg;
            if (arg == QLatin1String("--"))
                kept << args.mid(i + 1);
            if (arg == QLatin1String("--"))
                break;
            continue;
        }
        const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (alone.contains(name))
            continue;
        if (withValue.contains(name)) {
            if (!arg.contains(QLatin1Char('=')))
                ++i;  // its value
            continue;
        }
        kept << arg;
    }
    return kept;
}

QString missingDisplay(const QStringList& args, const std::function<QByteArray(const char*)>& getenv)
{
    QString platform = QString::fromLocal8Bit(getenv("QT_QPA_PLATFORM"));
    for (qsizetype i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("-platform") || args[i] == QLatin1String("--platform"))
            platform = args[i + 1];
    // A platform that draws without a desktop (offscreen, vnc, ...) needs none.
    const QString name = platform.section(QLatin1Char(':'), 0, 0);
    if (!name.isEmpty() && name != QLatin1String("xcb") && !name.startsWith(QLatin1String("wayland")))
        return {};
    if (!getenv("DISPLAY").isEmpty() || !getenv("WAYLAND_DISPLAY").isEmpty())
        return {};
    return QCoreApplication::translate("commandline",
                                       "no display to open the game's window on (neither DISPLAY nor WAYLAND_DISPLAY "
                                       "is set); start it from a desktop session");
}

QString helpText()
{
    return QCoreApplication::translate("commandline",
        "Usage: quillora [--lang fr|en] [FOLDER]\n"
        "       quillora [--lang fr|en] --user-folder\n"
        "A quiz game about the geography of Canada.\n"
        "\n"
        "The game keeps its files (the question file Valdra.qtn, the high scores, the settings\n"
        "file valdra.ini and the teacher's files) in its play folder:\n"
        "  no folder        the current folder\n"
        "  FOLDER           the folder named, made if it is missing\n"
        "  --user-folder    your own play folder, $XDG_DATA_HOME/quillora\n"
        "                   (~/.local/share/quillora when XDG_DATA_HOME is not set)\n"
        "A play folder named either way that has no Valdra.qtn is given the default question\n"
        "file. Files already there are never replaced.\n"
        "\n"
        "Options:\n"
        "  --user-folder    play in your own play folder\n"
        "  --lang fr|en     play in French or in English; without it the game speaks the\n"
        "                   language chosen in its Options menu, or else the desktop's\n"
        "                   (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): French for French, English\n"
        "                   for any other\n"
        "  -h, --help       show this help and quit\n"
        "  --version        show the version and quit\n");
}

QString versionText()
{
    return QStringLiteral("Quillora %1\n").arg(QLatin1String(QUILLORA_VERSION));
}

int printAnswer(const Options& options)
{
    switch (options.action) {
    case Action::Help:
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case Action::Version:
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case Action::Error:
        // The usage lines of the help, and where the rest is.
        std::fputs(QCoreApplication::translate("commandline", "quillora: %1\n%2Try 'quillora --help' for more information.\n")
                       .arg(options.error, helpText().section(QLatin1Char('\n'), 0, 1) + QLatin1Char('\n'))
                       .toLocal8Bit().constData(), stderr);
        return 2;
    case Action::Play:
        break;
    }
    return 0;
}

} // namespace commandline
