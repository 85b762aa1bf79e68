#pragma once
// What every kind of teacher's file shares: reading its bytes, the encoding the game reads them
// in, bytes that are no text, line endings, and a few helpers for the messages. Widget-free.
#include "checker/report.h"
#include "files/textfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace checker {

// Notes the encoding the reader chose and the line endings, and reports bytes that are no text
// in that encoding, all from how the reader read the file. Returns false for a file beyond use
// as text (UTF-16, NUL bytes), which the caller then checks no further. *summary gets e.g.
// "Windows-1252, CR LF line endings".
bool checkText(const ui::TextFile& file, FileReport& report, QString* summary);

// The start of every check: false when the file could not be read (reported, and the report
// marked unreadable) or is beyond use as text.
bool checkRead(const ui::TextFile& file, FileReport& report, QString* summary);

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
