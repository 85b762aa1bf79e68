// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class list a teacher may name in the settings file ("Pupils: class.txt"): one pupil's
// name a line. The class record's name prompt offers these names, and a name typed with other
// case or accents is filed under the list's spelling, so one pupil stays one pupil. Widget-free.
#include <QString>
#include <QStringList>

namespace classroom {

struct ClassList {
    bool opened = false;
    QString error;        // why it could not be read
    QStringList names;    // in the file's order, each once, blank lines left out
    int firstDuplicate = 0;  // the line of the first name the list already held; 0 when none
    QString duplicate;       // that name
};

ClassList readClassList(const QString& fileName);

// What two spellings of one name have in common: no case, no accents, single spaces.
QString nameKey(const QString& name);

// The list's spelling of a typed name that matches one of `names` but for case, accents and
// spaces; otherwise the typed name, trimmed.
QString matchListedName(const QString& typed, const QStringList& names);

} // namespace classroom
