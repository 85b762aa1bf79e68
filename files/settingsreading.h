// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the settings file at start-up: in one reading, the settings the game applies, in file
// order up to where it stops, and the findings a teacher should know about (the ones
// quillora-check prints). No widgets; the question box's picture needs a QGuiApplication.
#include "checker/report.h"
#include "config/settingsfile.h"
#include "files/textfile.h"

#include <QList>
#include <QPixmap>
#include <QString>

namespace settingsreading {

// The file the game reads (the editor writes "Valdra.ini"; the name matches in any case).
inline constexpr char FileName[] = "valdra.ini";
// A settings file is a few lines; a huge one is not read past this.
inline constexpr qint64 MostBytes = 1 << 20;

// One line that takes effect. A new key gets its case in the reader (checker/settingscheck.cpp)
// and in the window that applies it (config/form1_settings.cpp).
struct Setting {
    settingsfile::Key key = settingsfile::Key::None;
    int line = 0;      // 1-based
    QString value;     // the text after the colon, as the game takes it (Quiz, PicList)
    int number = 0;    // sizes and places in twips; game seconds; symbol count
    QPixmap picture;   // QuizPic: the picture (empty for an empty name)
};

struct Reading {
    ui::TextFile file;
    QList<Setting> settings;    // what the game applies, in order
    bool stopped = false;       // the reading stops at a line (the symbol list waits for a game)
    checker::FileReport report; // notes, warnings and problems, each with its line
};

// The settings file named, found from the current folder (any case).
Reading readSettingsFile(const QString& fileName = QString::fromLatin1(FileName));

} // namespace settingsreading
