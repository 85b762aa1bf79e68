// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/playfolder.h"

#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace playfolder {

QString embeddedQuestionFile()
{
    if (language::isFrench() && QFile::exists(QLatin1String(EmbeddedFrenchQuestionFile)))
        return QLatin1String(EmbeddedFrenchQuestionFile);
    return QLatin1String(EmbeddedQuestionFile);
}

QString userFolder(const QString& xdgDataHome, const QString& home)
{
    const QString base = !xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome)
        ? xdgDataHome
        : QDir(home).filePath(QStringLiteral(".local/share"));
    return QDir::cleanPath(QDir(base).filePath(QStringLiteral("quillora")));
}

QString userFolder()
{
    return userFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
}

namespace {

QString reason(const std::error_code& code) { return QString::fromLocal8Bit(code.message()); }

bool seed(const QDir& dir, QString* error)
{
    // A teacher's valdra.qtn counts: the game finds a name in any letter case, and a second
    // file beside it would take its place.
    const QString name = QLatin1String(DefaultQuestionFile);
    if (!dir.entryList({name}, QDir::Files | QDir::Hidden | QDir::System).isEmpty())
        return true;
    QFile source{embeddedQuestionFile()};
    if (!source.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("playfolder", "The default question file is missing from the program.");
        return false;
    }
    const QByteArray bytes = source.readAll();
    // NewOnly: never replace a file that appeared meanwhile; a half-written copy is removed.
    QFile target(dir.filePath(name));
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (target.exists())
            return true;
        *error = QCoreApplication::translate("playfolder", "Cannot write %1: %2").arg(target.fileName(), target.errorString());
        return false;
    }
    if (target.write(bytes) != bytes.size() || !target.flush()) {
        *error = QCoreApplication::translate("playfolder", "Cannot write %1: %2").arg(target.fileName(), target.errorString());
        target.close();
        target.remove();
        return false;
    }
    return true;
}

} // namespace

bool prepare(const QString& folder, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const std::filesystem::path path(QFile::encodeName(folder).toStdString());
    std::error_code code;
    std::filesystem::create_directories(path, code);
    if (code || !std::filesystem::is_directory(path, code)) {
        *error = QCoreApplication::translate("playfolder", "Cannot make the play folder %1: %2")
                     .arg(folder, code ? reason(code) : QCoreApplication::translate("playfolder", "a file of that name is in the way"));
        return false;
    }
    return seed(QDir(folder), error);
}

bool enter(const QString& folder, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (!prepare(folder, error))
        return false;
    std::error_code code;
    std::filesystem::current_path(std::filesystem::path(QFile::encodeName(folder).toStdString()), code);
    if (code) {
        *error = QCoreApplication::translate("playfolder", "Cannot open the play folder %1: %2").arg(folder, reason(code));
        return false;
    }
    return true;
}

} // namespace playfolder
