// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/accessible.h"

int main(int argc, char** argv)
{
    // Personal preferences go to a folder of the run's own, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // A full-HD screen, as on a classroom's computer, so windows are never held to a small one.
    QFile screen(config.filePath(QStringLiteral("screen.json")));
    if (screen.open(QIODevice::WriteOnly))
        screen.write(R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": 1920, "height": 1080,
                          "logicalDpi": 96, "logicalBase": 96, "dpr": 1}]})");
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    ui::installAccessibleRoles();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
