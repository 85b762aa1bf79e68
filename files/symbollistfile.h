// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a symbol list into the custom set: in one reading, the pictures and tags the game puts
// into its custom slots and the findings a teacher should know about (the ones quillora-check
// prints). A relative picture name is found in the current (play) folder first, then in the
// list file's own folder. No widgets; pictures need a QGuiApplication.
#include "checker/report.h"
#include "files/textfile.h"

#include <QList>
#include <QPixmap>
#include <QString>

namespace symbollistfile {

inline constexpr int ListLines = 13;
// No list needs more; a huge file is not read past this.
inline constexpr qint64 MostBytes = 1 << 20;

struct Slot {
    QString tag;      // the region name, exactly as written
    QPixmap picture;  // empty for an empty picture name
};

struct Reading {
    ui::TextFile file;           // how it was read
    QList<Slot> custom;          // custom slot i gets custom[i], up to where the game stops
    bool completed = false;      // read without a stop: the custom set is chosen and named
    checker::FileReport report;  // notes, warnings and problems, each with its line
};

// The list file named (found from the current folder, Windows folders and any case).
Reading readSymbolList(const QString& fileName);
// The same rules on lines in memory, such as the Picture Locator's list; listFile (may be empty)
// is where relative picture names are looked for after the current folder.
Reading readSymbolLines(const QStringList& lines, const QString& listFile = QString(), const QString& shownName = QString());

} // namespace symbollistfile
