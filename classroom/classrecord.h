// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class record: one CSV row per finished game, appended to a file that a whole classroom may
// share. A new file is UTF-8 with a byte order mark (so spreadsheets read accented names), CR
// LF, quoted where a field needs it; a file a spreadsheet saved back as Windows-1252 gets its
// new rows in Windows-1252. Widget-free.
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/folderlock.h"

namespace classroom {

struct RecordRow {
    int line = 0;             // the row's number in the file as a spreadsheet counts them (1: the header)
    QString when;             // ISO 8601, local time
    QString name;
    QString questionFile;
    int minutes = 0;
    int symbols = 0;
    int difficulty = 0;
    qint64 score = 0;
    qint64 bonus = 0;
    int asked = 0;
    int rightFirstTime = 0;
    int placed = 0;
    int tries = 0;
    // The questions by their text, as the question file's question line holds it, so they stay
    // true when the file is edited or reordered; each once, in the order asked.
    QStringList missedQuestions;
    QStringList askedQuestions;
    // Rows written before questions went by text name them by their place in the question
    // file (1 = first), which an edited file no longer keeps.
    QList<int> missed;
    QList<int> askedNumbers;
    bool byNumber() const { return !missed.isEmpty() || !askedNumbers.isEmpty(); }
};

// What the name of a game without one is recorded as.
QString noName();

// The header row's fields, and one row's.
QStringList headerFields();
QStringList rowFields(const RecordRow& row);
// A row read back; false when a field is missing, left over or not a number.
bool parseRow(const QStringList& fields, RecordRow& row);

// One CSV line (without its CR LF), quoted where a field holds a comma, a quote or a line break.
QString csvLine(const QStringList& fields);

// The rows a reader names one by one at most; beyond them it only counts.
inline constexpr int MostNamedRows = 20;

struct RecordFile {
    bool opened = false;
    QString error;            // why it could not be read
    QList<RecordRow> rows;
    int skipped = 0;          // rows that could not be read
    QList<int> skippedLines;  // their row numbers, the first MostNamedRows of them
    bool cutOff = false;      // larger than we read: reading stopped after lastLine
    int lastLine = 0;         // the last row read
    // Rows beyond ASCII in each encoding; a file with both shows some names wrongly in a
    // spreadsheet, whichever encoding it opens the file in.
    int utf8Rows = 0;
    int windows1252Rows = 0;
    int firstUtf8Line = 0;
    int firstWindows1252Line = 0;
    bool withMark = false;    // begins with UTF-8's byte order mark
    bool mixedEncodings() const { return utf8Rows > 0 && windows1252Rows > 0; }
};

// Bigger than a school of many classes fills in years (a game with its questions by text is
// under 1 KB); a file beyond it is read only up to here. The file is mapped, not copied, so the
// bound is on time, not memory.
inline constexpr qint64 LargestRecord = 256 * 1024 * 1024;

// Reads a record a slice at a time, so a window can show the first games while the rest are
// read, and a checker can go through a big file keeping no rows at all. The file is mapped,
// not copied; texts that repeat from row to row (names, questions) are kept once.
class RecordReader {
public:
    explicit RecordReader(const QString& fileName);
    // The same over bytes already in memory.
    explicit RecordReader(const QByteArray& bytes);
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Reads up to `most` more records into `into` (rows kept only when keepRows); false once
    // the reading is over.
    bool read(RecordFile& into, int most, bool keepRows = true);
    bool atEnd() const { return m_pos >= m_view.size(); }
    // How far it has come, 0 to 1.
    double progress() const { return m_view.isEmpty() ? 1.0 : double(m_pos) / double(m_view.size()); }
    // What was found on opening: whether it opened, why not, whether the file is too big.
    const RecordFile& opening() const { return m_opening; }

private:
    void open();
    QString shared(const QString& text);

    QFile m_file;
    QByteArray m_bytes;
    QByteArrayView m_view;
    qsizetype m_pos = 0;
    int m_line = 0;
    RecordFile m_opening;
    QHash<QString, QString> m_texts;
};

RecordFile readRecordText(const QByteArray& bytes);
RecordFile readRecordFile(const QString& fileName);

// Why a game could not append to the record ("" when it can): a folder that is missing or
// read-only, a file that is read-only or a folder itself. Nothing is written to find out.
QString recordNotWritable(const QString& fileName);

struct AppendResult {
    bool ok = false;
    QString error;         // the system's reason, or why the row is not in the file
    QString sharingError;  // the row was written without the lock: why it could not be had
    // The file is Windows-1252 but the row holds a character it cannot: the row went in as
    // UTF-8, which a spreadsheet shows wrongly until the file is saved again as UTF-8.
    bool outsideFileEncoding = false;
};

// The bytes of one row as the file holds its rows: UTF-8, or Windows-1252 when the file was
// saved so (its beginning has no byte order mark and is not UTF-8) and every character fits.
// `head` is the file's first bytes (empty for a new file, which starts with the mark and the
// header).
QByteArray encodedRow(const QByteArray& head, const RecordRow& row, bool* outsideFileEncoding = nullptr);

// Appends one row to the record under the folder's lock, the header first when the file is new.
// A row that could not be written whole is taken back off, so the file stays as it was.
AppendResult appendRecordRow(const QString& fileName, const RecordRow& row, files::LockWaiter& waiter,
                             const files::LockTiming& timing = {});

} // namespace classroom
