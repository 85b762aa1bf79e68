// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker/run.h"
#include "ui/language.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    // The report is the program's whole output: the toolkit's own chatter (no runtime folder,
    // fonts it substitutes) would only hide it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    // Fonts and pictures need a GUI application, but nothing is shown: run without a display
    // unless the user picked a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quillora-check"));
    // The desktop's language: French for French, English otherwise.
    language::apply(language::systemLanguage());
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return checker::run(arguments, out, err);
}
