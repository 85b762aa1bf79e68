// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classrecord.h"

#include "files/csv.h"
#include "files/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace classroom {

namespace {

constexpr int FieldCount = 14;

QString numberList(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

bool readNumberList(const QString& text, QList<int>& numbers)
{
    numbers.clear();
    for (const QStringView part : QStringView(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 1)
            return false;
        numbers << n;
    }
    return true;
}

template <typename Number>
bool readNumber(const QString& text, Number& value)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    value = Number(n);
    return ok && qint64(value) == n;
}

// A typed name that starts like a formula would run as one when the teacher opens the record
// in a spreadsheet: it is written behind an apostrophe, which reading takes off again (a name
// that starts with an apostrophe itself gets one more, so it too comes back as typed).
bool needsApostrophe(const QString& text)
{
    return !text.isEmpty() && QStringLiteral("=+-@\t\r'").contains(text[0]);
}

QString defused(const QString& text) { return needsApostrophe(text) ? QLatin1Char('\'') + text : text; }

QString restored(const QString& text)
{
    return text.startsWith(QLatin1Char('\'')) && needsApostrophe(text.mid(1)) ? text.mid(1) : text;
}

AppendResult appendRow(const QString& path, const RecordRow& row)
{
    AppendResult result;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        result.error = QCoreApplication::translate("classroom", "Is a directory");
        return result;
    }
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    const qint64 size = file.size();
    QByteArray bytes;
    if (size == 0) {
        bytes = QByteArrayLiteral("\xEF\xBB\xBF") + csvLine(headerFields()).toUtf8() + "\r\n";
    } else {
        // A file cut short mid-line: the new row starts on a line of its own.
        file.seek(size - 1);
        if (file.read(1) != "\n")
            bytes = "\r\n";
    }
    bytes += csvLine(rowFields(row)).toUtf8() + "\r\n";
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        result.error = file.errorString();
        // What was written of the row goes again, so the record is left as it was.
        file.resize(size);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

QString noName() { return QCoreApplication::translate("classroom", "(no name)"); }

QStringList headerFields()
{
    // The file's own column names stay the same in every language, so one classroom's machines
    // can share one record.
    return {QStringLiteral("Date and time"), QStringLiteral("Name"), QStringLiteral("Question file"),
            QStringLiteral("Minutes"), QStringLiteral("Symbols to place"), QStringLiteral("Difficulty"),
            QStringLiteral("Score"), QStringLiteral("Bonus"), QStringLiteral("Questions asked"),
            QStringLiteral("Right first time"), QStringLiteral("Symbols placed"), QStringLiteral("Tries on the map"),
            QStringLiteral("Missed questions"), QStringLiteral("Asked questions")};
}

QStringList rowFields(const RecordRow& row)
{
    return {row.when,
            defused(row.name),
            defused(row.questionFile),
            QString::number(row.minutes),
            QString::number(row.symbols),
            row.difficulty == 1 ? QStringLiteral("expert") : QStringLiteral("regular"),
            QString::number(row.score),
            QString::number(row.bonus),
            QString::number(row.asked),
            QString::number(row.rightFirstTime),
            QString::number(row.placed),
            QString::number(row.tries),
            numberList(row.missed),
            numberList(row.askedNumbers)};
}

bool parseRow(const QStringList& f, RecordRow& row)
{
    if (f.size() != FieldCount)
        return false;
    row.when = f[0];
    row.name = restored(f[1]);
    row.questionFile = restored(f[2]);
    const QString difficulty = f[5].trimmed().toLower();
    if (difficulty == QLatin1String("expert") || difficulty == QLatin1String("1"))
        row.difficulty = 1;
    else if (difficulty == QLatin1String("regular") || difficulty == QLatin1String("0"))
        row.difficulty = 0;
    else
        return false;
    return readNumber(f[3], row.minutes) && readNumber(f[4], row.symbols) && readNumber(f[6], row.score)
        && readNumber(f[7], row.bonus) && readNumber(f[8], row.asked) && readNumber(f[9], row.rightFirstTime)
        && readNumber(f[10], row.placed) && readNumber(f[11], row.tries) && readNumberList(f[12], row.missed)
        && readNumberList(f[13], row.askedNumbers);
}

QString csvLine(const QStringList& fields) { return files::csv::writeRecord(fields); }

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    qsizetype pos = 0;
    while (files::csv::readRecord(text, pos, u',', fields))
        if (fields.size() > 1 || !fields[0].isEmpty())  // an empty line is no record
            records << fields;
    return records;
}

RecordFile readRecordText(const QByteArray& bytes)
{
    RecordFile result;
    result.opened = true;
    const QStringList header = headerFields();
    for (const QStringList& record : parseCsv(ui::decodeText(bytes))) {
        if (record == header)
            continue;
        RecordRow row;
        if (parseRow(record, row))
            result.rows << row;
        else
            ++result.skipped;
    }
    return result;
}

RecordFile readRecordFile(const QString& fileName)
{
    QFile file(ui::resolveFileName(fileName));
    if (!QFileInfo::exists(file.fileName())) {
        RecordFile missing;
        missing.opened = true;  // no game has been recorded yet
        return missing;
    }
    if (QFileInfo(file.fileName()).isDir() || !file.open(QIODevice::ReadOnly)) {
        RecordFile failed;
        failed.error = QFileInfo(file.fileName()).isDir() ? QCoreApplication::translate("classroom", "Is a directory") : file.errorString();
        return failed;
    }
    const bool tooBig = file.size() > LargestRecord;
    RecordFile result = readRecordText(file.read(LargestRecord));
    result.cutOff = tooBig;
    return result;
}

QString recordNotWritable(const QString& fileName)
{
    const QFileInfo file(ui::resolveFileName(fileName));
    if (file.isDir())
        return QStringLiteral("it is a folder");
    if (file.exists())
        return file.isWritable() ? QString() : QStringLiteral("the file is read-only");
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("the folder %1 does not exist").arg(folder.filePath());
    return folder.isWritable() ? QString() : QStringLiteral("the folder %1 is read-only").arg(folder.filePath());
}

AppendResult appendRecordRow(const QString& fileName, const RecordRow& row, files::LockWaiter& waiter,
                             const files::LockTiming& timing)
{
    const QString path = ui::resolveFileName(fileName);
    AppendResult result;
    // Under the same folder lock the shared high-score list takes. Without it (a live game held
    // it all the wait, or a folder where no lock file can be made) the row is still appended:
    // one write in append mode does not mix with another game's.
    files::runLocked(path, [&] { result = appendRow(path, row); }, waiter, timing);
    return result;
}

} // namespace classroom
