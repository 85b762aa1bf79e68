// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh temporary folder that is the current folder for as long as the object lives, so
// that no test ever touches a real player's files.
#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // Writes raw bytes; lines given as text are joined with CR LF, each line ended.
    void write(const QString& name, const QByteArray& bytes) const;
    void writeLines(const QString& name, const QStringList& lines) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
