// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testfolder.h"

#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }

TestFolder::~TestFolder() { QDir::setCurrent(m_previous); }

void TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void TestFolder::writeLines(const QString& name, const QStringList& lines) const
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    write(name, bytes);
}

QByteArray TestFolder::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
