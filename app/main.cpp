// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/commandline.h"
#include "game/form1.h"
#include "game/playfolder.h"
#include "ui/accessible.h"
#include "ui/language.h"
#include "ui/zoom.h"
#include "ui/platform.h"
#include "ui/quitsignals.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Help, version and a mistake need no display: answer them before the window system
    // starts, in the language the game would speak. So does the lack of a display, which would
    // otherwise abort the window system's start.
    const QStringList given = commandline::arguments(argc, argv);
    const commandline::Options early = commandline::parse(commandline::withoutWindowSystemOptions(given));
    const auto environment = [](const char* name) { return qgetenv(name); };
    if (early.action != commandline::Action::Play || !commandline::missingDisplay(given, environment).isEmpty()) {
        QCoreApplication app(argc, argv);
        language::apply(language::startLanguage(commandline::chosenLanguage(early)));
        const commandline::Options options = commandline::parse(commandline::withoutWindowSystemOptions(given));
        if (options.action != commandline::Action::Play)
            return commandline::printAnswer(options);
        std::fprintf(stderr, "quillora: %s\n", commandline::missingDisplay(given, environment).toLocal8Bit().constData());
        return 1;
    }
    // A folder name the system's encoding cannot read back would be read as another name.
    const QString undecodable = commandline::undecodableArgument(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    // Lets the desktop match the window to the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.quillora.Quillora"));
    ui::installAccessibleRoles();
    // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
    const QStringList arguments = QCoreApplication::arguments();
    language::apply(language::startLanguage(commandline::chosenLanguage(commandline::parse(arguments))));
    // Parsed again with the catalogue in place, so a mistake is told in the game's language.
    const commandline::Options options = commandline::parse(arguments);
    if (options.action != commandline::Action::Play)
        return commandline::printAnswer(options);
    if (!undecodable.isEmpty()) {
        const QString error = commandline::undecodableFolderMessage(undecodable);
        std::fprintf(stderr, "quillora: %s\n", error.toLocal8Bit().constData());
        ui::platform().messageBox(nullptr, error, QStringLiteral("Quillora"));
        return 2;
    }
    // The game reads every file relative to the current folder, so it starts in its play folder.
    const QString folder = commandline::playFolder(options);
    QString error;
    if (!folder.isEmpty() && !playfolder::enter(folder, &error)) {
        std::fprintf(stderr, "quillora: %s\n", error.toLocal8Bit().constData());
        ui::platform().messageBox(nullptr, error, QStringLiteral("Quillora"));
        return 1;
    }
    ui::installGameStyle();
    Form1 form;
    // A logout or Ctrl+C ends the game as Exit does.
    ui::QuitSignals quitSignals([&form](int) { form.QuitOnSignal(); });
    form.Form_Load();
    form.show();
    // Take the keyboard focus even where no window manager hands it out.
    form.activateWindow();
    return app.exec();
}
