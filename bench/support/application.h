// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one application object every benchmark that needs fonts or widgets shares, offscreen
// unless a platform is named. Made on first use and never destroyed: a second application
// object, or one destroyed after Qt's own globals at exit, crashes the run at its end.
#include <QApplication>

inline QApplication& benchApplication()
{
    static int argc = 1;
    static char name[] = "quillora_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
