#pragma once
// What every kind of teacher's file shares: reading its bytes, the encoding the game reads them
// in, bytes that are no text, line endings, and a few helpers for the messages. Widget-free.
#include "checker/report.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace checker {

struct RawFile {
    bool opened = false;
    QByteArray bytes;
    QString error;  // the system's reason when not opened
};

// The bytes of a file, found the way the game finds it (Windows folders, any case).
RawFile readRaw(const QString& fileName);

// Notes the encoding the game reads the bytes in and their line endings, and reports bytes that
// are no text in that encoding. Returns false for a file beyond use as text (UTF-16), which the
// caller then checks no further. *summary gets e.g. "Windows-1252, CR LF line endings".
bool checkBytes(const QByteArray& bytes, FileReport& report, QString* summary);

// readRaw and checkBytes together, as every check of a file begins: false when the file cannot
// be read (reported, and the report marked unreadable) or is beyond use as text.
bool readForCheck(const QString& fileName, FileReport& report, RawFile& raw, QString* summary);

// The line, as the game counts them (CR LF, CR or LF end a line), that holds byte `offset`.
int lineOfByte(const QByteArray& bytes, qsizetype offset);

// A text from the file for a message: in quotes, cut short when long.
QString quoted(const QString& text);

// Letters to change, insert or delete to turn one text into the other, ignoring case.
int editDistance(const QString& a, const QString& b);

// Why a named file may not be found, for the message that says so: blanks at the end of the
// name, or a Windows drive letter; empty when nothing stands out.
QString missingFileHint(const QString& name);

// "line 12" or "lines 12 to 15".
QString lineRange(int first, int last);

} // namespace checker
