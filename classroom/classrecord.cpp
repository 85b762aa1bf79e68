// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classrecord.h"

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

QString csvLine(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) {
        const bool needsQuotes = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
                              || field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))
                              || field.startsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char(' '));
        if (!needsQuotes) {
            quoted << field;
            continue;
        }
        QString f = field;
        f.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        quoted << QLatin1Char('"') + f + QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(','));
}

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool any = false;  // the record has begun
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    for (; p < end; ++p) {
        const QChar c = *p;
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (p + 1 < end && p[1] == QLatin1Char('"')) {
                    field += c;
                    ++p;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = true;
            any = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && p + 1 < end && p[1] == QLatin1Char('\n'))
                ++p;
            if (any || !field.isEmpty()) {
                fields << field;
                records << fields;
            }
            fields.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.isEmpty()) {
        fields << field;
        records << fields;
    }
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

namespace {

// The row is in the record past `from`, where the file ended before it was appended.
bool holdsRow(const QString& path, qint64 from, const RecordRow& row)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
        return false;
    const QStringList wanted = rowFields(row);
    for (const RecordRow& read : readRecordText(file.read(LargestRecord)).rows)
        if (rowFields(read) == wanted)
            return true;
    return false;
}

} // namespace

AppendResult appendRecordRow(const QString& fileName, const RecordRow& row, files::LockWaiter& waiter,
                             const files::LockTiming& timing)
{
    const QString path = ui::resolveFileName(fileName);
    AppendResult result;
    // Under the same folder lock the shared high-score list takes. Without it (a live game held
    // it all the wait, or a folder where no lock file can be made) the row is still appended,
    // and the player told. Only a row read back from the file counts as kept; one that is not
    // there (another computer's append on a network folder landed on it) is appended again.
    constexpr int Attempts = 4;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        qint64 from = -1;  // where the file ended before the row
        const files::LockedRun run = files::runLocked(
            path,
            [&](const files::StillHeld& stillHeld) {
                if (!stillHeld())
                    return;  // this game froze past the stale limit and lost the lock
                from = QFileInfo(path).size();
                result = appendRow(path, row);
            },
            waiter, timing);
        result.sharingError = run.locked ? QString() : run.problem;
        if (from < 0)
            continue;
        if (!result.ok || holdsRow(path, from, row))
            return result;
    }
    result.ok = false;
    result.error = QCoreApplication::translate("classroom", "The row was written, but when read back the file did not "
                                                           "hold it: other games kept saving into it at the same moment.");
    return result;
}

} // namespace classroom
