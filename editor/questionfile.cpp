// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/questionfile.h"

#include "checker/textscan.h"
#include "files/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace editor {

namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");


} // namespace

bool Question::isBlank() const
{
    for (int f = 0; f < FieldCount; ++f)
        if (!field(f).isEmpty())
            return false;
    return true;
}

QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QStringList toLines(const Questions& questions)
{
    QStringList lines;
    lines.reserve(questions.size() * FieldCount);
    for (const Question& q : questions)
        for (int f = 0; f < FieldCount; ++f)
            lines << oneLine(q.field(f));
    return lines;
}

Questions fromLines(const QStringList& lines)
{
    Questions questions;
    questions.reserve((lines.size() + FieldCount - 1) / FieldCount);
    for (qsizetype first = 0; first < lines.size(); first += FieldCount) {
        Question q;
        for (int f = 0; f < FieldCount; ++f)
            q.setField(f, first + f < lines.size() ? lines[first + f] : QString());
        questions << q;
    }
    return questions;
}

QByteArray encodeQuestionFile(const Questions& questions)
{
    QString text;
    for (const QString& line : toLines(questions))
        text += line + QStringLiteral("\r\n");
    QByteArray bytes = ui::encodeText(text);
    // Windows-1252 takes one byte a character; anything longer is UTF-8, which gets its byte
    // order mark so that Windows editors read it as UTF-8 too. So does a file whose first two
    // letters ("ÿþ") would make it look like UTF-16 to every reader.
    const bool looksUtf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (looksUtf16)
        bytes = Bom + text.toUtf8();
    else if (bytes.size() != text.size() && !bytes.startsWith(Bom))
        bytes.prepend(Bom);
    return bytes;
}

ReadResult readQuestionFile(const QString& fileName)
{
    ReadResult result;
    const QString path = ui::resolveFileName(fileName);
    const QFileInfo info(path);
    if (info.isDir()) {
        result.error = QCoreApplication::translate("editor::QuestionFile", "it is a folder");
        return result;
    }
    if (info.exists() && info.size() > MostBytes) {
        result.error = QCoreApplication::translate("editor::QuestionFile", "it is %1 MB long, and a question file of a hundred questions takes a few kilobytes, so it is "
                          "no question file (the editor opens files of up to %2 MB)")
                           .arg(QString::number(double(info.size()) / (1024 * 1024), 'f', 1))
                           .arg(MostBytes / (1024 * 1024));
        return result;
    }
    // Read whole (the size is bounded above), with the checker's verdict on bytes that are no
    // text (UTF-16, a picture, a document).
    const ui::TextFile file = ui::readTextFile(fileName);
    checker::FileReport bytesReport(fileName);
    if (!checker::checkRead(file, bytesReport, nullptr)) {
        result.error = bytesReport.findings.isEmpty() ? QCoreApplication::translate("editor::QuestionFile", "it cannot be read")
                                                      : bytesReport.findings.last().text;
        return result;
    }
    result.ok = true;
    // As the game reads it: at most one byte holds no question.
    if (file.size > 1)
        result.questions = fromLines(file.lines);
    return result;
}

bool saveQuestionFile(const QString& fileName, const Questions& questions, QString* error)
{
    return ui::writeFileBytes(fileName, encodeQuestionFile(questions), error);
}

QString sameNameOtherCase(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return QString();
    const QDir folder = info.dir();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return QString();
}

} // namespace editor
