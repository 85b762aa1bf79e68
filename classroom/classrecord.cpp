// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/classrecord.h"

#include "files/csv.h"
#include "files/textfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace classroom {

namespace {

constexpr int FieldCount = 14;
constexpr QByteArrayView Mark("\xEF\xBB\xBF");
// How much of a file's beginning tells its encoding.
constexpr qint64 HeadBytes = 64 * 1024;

QString numberList(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

// Older rows hold numbers; a question's text is never digits and spaces alone.
bool isNumberList(const QString& text)
{
    for (const QChar c : text)
        if (!c.isDigit() && c != QLatin1Char(' '))
            return false;
    return true;
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

// Questions go one a line within their cell: a question line never holds a line break, and a
// spreadsheet shows the cell as a list.
QStringList readTextList(const QString& text)
{
    QStringList texts;
    for (const QStringView part : QStringView(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringView t = part.endsWith(QLatin1Char('\r')) ? part.chopped(1) : part;
        if (!t.isEmpty())
            texts << t.toString();
    }
    return texts;
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

bool isAscii(QByteArrayView bytes)
{
    for (char b : bytes)
        if (uchar(b) >= 0x80)
            return false;
    return true;
}

bool isUtf8(QByteArrayView bytes) { return bytes.isValidUtf8(); }

// The head of a file a spreadsheet saved as Windows-1252: no mark, and not UTF-8 (or all ASCII,
// which is how Windows-1252 looks before its first accent).
bool isWindows1252File(QByteArrayView head)
{
    if (head.isEmpty() || head.startsWith(Mark))
        return false;
    QByteArrayView whole = head;
    // A head cut within a character: look only up to the last line break.
    const qsizetype lastBreak = head.lastIndexOf('\n');
    if (lastBreak > 0)
        whole = head.first(lastBreak);
    return isAscii(whole) || !isUtf8(whole);
}

std::optional<QByteArray> windows1252(const QString& text)
{
    // encodeText gives Windows-1252 when every character fits; its UTF-8 answers are told by
    // the characters beyond what Windows-1252 holds, or by a mark it puts in front.
    const QByteArray bytes = ui::encodeText(text);
    if (bytes.startsWith(Mark) || (bytes.size() != text.size()))
        return std::nullopt;
    return bytes;
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
    QByteArray head;
    if (size > 0) {
        file.seek(0);
        head = file.read(HeadBytes);
        // A file cut short mid-line: the new row starts on a line of its own.
        file.seek(size - 1);
        if (file.read(1) != "\n")
            bytes = "\r\n";
    }
    bytes += encodedRow(head, row, &result.outsideFileEncoding);
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

bool isBlank(const QList<QByteArray>& cells) { return cells.size() == 1 && cells[0].trimmed().isEmpty(); }

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
    const bool byText = !row.missedQuestions.isEmpty() || !row.askedQuestions.isEmpty() || !row.byNumber();
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
            byText ? defused(row.missedQuestions.join(QLatin1Char('\n'))) : numberList(row.missed),
            byText ? defused(row.askedQuestions.join(QLatin1Char('\n'))) : numberList(row.askedNumbers)};
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
    row.missedQuestions.clear();
    row.askedQuestions.clear();
    row.missed.clear();
    row.askedNumbers.clear();
    const bool byNumber = isNumberList(f[12]) && isNumberList(f[13]);
    if (byNumber) {
        if (!readNumberList(f[12], row.missed) || !readNumberList(f[13], row.askedNumbers))
            return false;
    } else {
        row.missedQuestions = readTextList(restored(f[12]));
        row.askedQuestions = readTextList(restored(f[13]));
    }
    return readNumber(f[3], row.minutes) && readNumber(f[4], row.symbols) && readNumber(f[6], row.score)
        && readNumber(f[7], row.bonus) && readNumber(f[8], row.asked) && readNumber(f[9], row.rightFirstTime)
        && readNumber(f[10], row.placed) && readNumber(f[11], row.tries);
}

QString csvLine(const QStringList& fields) { return files::csv::writeRecord(fields); }

RecordReader::RecordReader(const QString& fileName) : m_file(ui::resolveFileName(fileName)) { open(); }

RecordReader::RecordReader(const QByteArray& bytes) : m_bytes(bytes)
{
    m_opening.opened = true;
    m_view = m_bytes;
    if (m_view.startsWith(Mark)) {
        m_pos = Mark.size();
        m_opening.withMark = true;
    }
}

void RecordReader::open()
{
    const QFileInfo info(m_file.fileName());
    if (!info.exists()) {
        m_opening.opened = true;  // no game has been recorded yet
        return;
    }
    if (info.isDir() || !m_file.open(QIODevice::ReadOnly)) {
        m_opening.error = info.isDir() ? QCoreApplication::translate("classroom", "Is a directory") : m_file.errorString();
        return;
    }
    m_opening.opened = true;
    const qint64 size = std::min(m_file.size(), LargestRecord);
    m_opening.cutOff = m_file.size() > LargestRecord;
    // Mapped, the file costs no memory of its own; where it cannot be (a pipe, some network
    // folders) it is read.
    if (uchar* map = size > 0 ? m_file.map(0, size) : nullptr) {
        m_view = QByteArrayView(reinterpret_cast<const char*>(map), size);
    } else {
        m_bytes = m_file.read(size);
        m_view = m_bytes;
    }
    if (m_view.startsWith(Mark)) {
        m_pos = Mark.size();
        m_opening.withMark = true;
    }
}

QString RecordReader::shared(const QString& text)
{
    auto it = m_texts.constFind(text);
    if (it == m_texts.cend())
        it = m_texts.insert(text, text);
    return *it;
}

bool RecordReader::read(RecordFile& into, int most, bool keepRows)
{
    if (into.rows.isEmpty() && into.skipped == 0 && into.lastLine == 0) {
        into.opened = m_opening.opened;
        into.error = m_opening.error;
        into.withMark = m_opening.withMark;
    }
    const QStringList header = headerFields();
    QList<QByteArray> cells;
    QStringList fields;
    for (int n = 0; n < most; ++n) {
        bool unclosed = false;
        if (!files::csv::readRecord(m_view, m_pos, ',', cells, &unclosed)) {
            into.cutOff = m_opening.cutOff;
            return false;
        }
        ++m_line;
        // Where the reading stopped at the size limit, the last record is only its beginning:
        // not a damaged row, but where the reading ended.
        if (m_opening.cutOff && atEnd()) {
            into.cutOff = true;
            return false;
        }
        if (isBlank(cells))
            continue;
        into.lastLine = m_line;
        // Each row in its own encoding: a file saved by a spreadsheet in one and appended to in
        // another still reads right.
        bool ascii = true, utf8 = true;
        for (const QByteArray& cell : cells) {
            if (!isAscii(cell)) {
                ascii = false;
                utf8 = utf8 && isUtf8(cell);
            }
        }
        fields.clear();
        for (const QByteArray& cell : cells)
            fields << (ascii ? QString::fromLatin1(cell) : utf8 ? QString::fromUtf8(cell) : ui::decodeText(cell));
        if (m_line == 1 && fields == header)
            continue;
        RecordRow row;
        if (unclosed || !parseRow(fields, row)) {
            ++into.skipped;
            if (into.skippedLines.size() < MostNamedRows)
                into.skippedLines << m_line;
            continue;
        }
        if (!ascii) {
            int& count = utf8 ? into.utf8Rows : into.windows1252Rows;
            int& first = utf8 ? into.firstUtf8Line : into.firstWindows1252Line;
            if (count++ == 0)
                first = m_line;
        }
        if (!keepRows)
            continue;
        row.line = m_line;
        row.name = shared(row.name);
        row.questionFile = shared(row.questionFile);
        for (QString& q : row.missedQuestions)
            q = shared(q);
        for (QString& q : row.askedQuestions)
            q = shared(q);
        into.rows << row;
    }
    return !atEnd();
}

RecordFile readRecordText(const QByteArray& bytes)
{
    RecordReader reader(bytes);
    RecordFile result;
    while (reader.read(result, 1 << 20)) {
    }
    return result;
}

RecordFile readRecordFile(const QString& fileName)
{
    RecordReader reader(fileName);
    RecordFile result;
    while (reader.read(result, 1 << 20)) {
    }
    result.opened = reader.opening().opened;
    result.error = reader.opening().error;
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

QByteArray encodedRow(const QByteArray& head, const RecordRow& row, bool* outsideFileEncoding)
{
    if (outsideFileEncoding)
        *outsideFileEncoding = false;
    const QString line = csvLine(rowFields(row)) + QStringLiteral("\r\n");
    if (head.isEmpty())
        return Mark.toByteArray() + csvLine(headerFields()).toUtf8() + "\r\n" + line.toUtf8();
    if (!isWindows1252File(head))
        return line.toUtf8();
    if (const std::optional<QByteArray> bytes = windows1252(line))
        return *bytes;
    if (outsideFileEncoding)
        *outsideFileEncoding = true;
    return line.toUtf8();
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
