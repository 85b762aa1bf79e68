// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classlist.h"

#include "files/textfile.h"

#include <QSet>

namespace classroom {

namespace {

// A class list is a few dozen lines; a huge file is no class list and is not read past this.
constexpr qint64 MostBytes = 256 * 1024;

} // namespace

QString nameKey(const QString& name)
{
    const QString decomposed = name.simplified().normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (!c.isMark())
            key += c;
    return key.toCaseFolded();
}

ClassList readClassList(const QString& fileName)
{
    ClassList list;
    const ui::TextFile file = ui::readTextFile(fileName, {-1, MostBytes});
    if (!file.opened) {
        list.error = file.error;
        return list;
    }
    list.opened = true;
    QSet<QString> seen;
    for (int i = 0; i < file.lines.size(); ++i) {
        const QString name = file.lines[i].simplified();
        if (name.isEmpty())
            continue;
        const QString key = nameKey(name);
        if (seen.contains(key)) {
            if (list.firstDuplicate == 0) {
                list.firstDuplicate = i + 1;
                list.duplicate = name;
            }
            continue;
        }
        seen.insert(key);
        list.names << name;
    }
    return list;
}

QString matchListedName(const QString& typed, const QStringList& names)
{
    const QString key = nameKey(typed);
    for (const QString& name : names)
        if (nameKey(name) == key)
            return name;
    return typed.trimmed();
}

} // namespace classroom
