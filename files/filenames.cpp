// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filenames.h"

#include <QFile>

#include <dirent.h>

namespace files {

bool decodable(const QByteArray& name) { return QFile::encodeName(QFile::decodeName(name)) == name; }

QString shownName(const QByteArray& name)
{
    QString shown;
    qsizetype i = 0;
    while (i < name.size()) {
        // The longest run that reads back whole is shown as text; a byte that breaks it as \xNN.
        qsizetype end = i;
        while (end < name.size() && static_cast<unsigned char>(name[end]) < 0x80)
            ++end;
        if (end == i) {
            qsizetype n = 1;
            while (n <= 4 && i + n <= name.size() && !decodable(name.mid(i, n)))
                ++n;
            if (n <= 4 && i + n <= name.size()) {
                shown += QFile::decodeName(name.mid(i, n));
                i += n;
            } else {
                shown += QString::asprintf("\\x%02X", unsigned(static_cast<unsigned char>(name[i])));
                ++i;
            }
            continue;
        }
        shown += QString::fromLatin1(name.mid(i, end - i));
        i = end;
    }
    return shown;
}

QStringList undecodableNames(const QString& folder)
{
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!decodable(name))
            names << shownName(name);
    }
    ::closedir(dir);
    names.sort();
    return names;
}

} // namespace files
