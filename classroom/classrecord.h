// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class record: one CSV row per finished game, appended to a file that a whole classroom may
// share. UTF-8 with a byte order mark (so spreadsheets read accented names), CR LF, quoted where
// a field needs it. Widget-free.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "files/folderlock.h"

namespace classroom {

struct RecordRow {
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
    QList<int> missed;        // positions in the question file
    QList<int> askedNumbers;  // likewise: what "asked so often" is counted from
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
// Splits CSV text into records of fields. A record cut short by the end of the text (an open
// quote) is given as it is; the caller's field count rejects it.
QList<QStringList> parseCsv(const QString& text);

struct RecordFile {
    bool opened = false;
    QString error;            // why it could not be read
    QList<RecordRow> rows;
    int skipped = 0;          // rows that could not be read
    bool cutOff = false;      // larger than we read: only its beginning was read
};

// Bigger than any classroom fills in years; a file beyond it is read only up to here.
inline constexpr qint64 LargestRecord = 64 * 1024 * 1024;

RecordFile readRecordText(const QByteArray& bytes);
RecordFile readRecordFile(const QString& fileName);

// Why a game could not append to the record ("" when it can): a folder that is missing or
// read-only, a file that is read-only or a folder itself. Nothing is written to find out.
QString recordNotWritable(const QString& fileName);

struct AppendResult {
    bool ok = false;
    QString error;         // the system's reason, or why the row is not in the file
    QString sharingError;  // the row was written without the lock: why it could not be had
};

// Appends one row to the record under the folder's lock, the header first when the file is new.
// A row that could not be written whole is taken back off, so the file stays as it was.
AppendResult appendRecordRow(const QString& fileName, const RecordRow& row, files::LockWaiter& waiter,
                             const files::LockTiming& timing = {});

} // namespace classroom
