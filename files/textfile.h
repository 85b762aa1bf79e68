// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text files as the game keeps them: 8-bit Windows-1252 with CR LF. LF-only lines read too, and
// a file that is valid UTF-8 (with or without a BOM) reads as UTF-8. Widget-free.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace ui {

QString decodeText(const QByteArray& bytes);
// Windows-1252 when every character fits, UTF-8 otherwise, so no typed name is lost; UTF-8
// behind a BOM where the Windows-1252 bytes would read back as another text. decodeText gives
// back the text encodeText was given.
QByteArray encodeText(const QString& text);

enum class Encoding { Ascii, Utf8, Utf8Bom, Windows1252 };

struct TextFile {
    bool opened = false;  // false: missing or unreadable
    QString error;        // the system's reason when not opened
    qint64 size = 0;      // length in bytes, of the whole file
    QStringList lines;    // CR LF, CR or LF end a line; a last line needs no ending

    // How the text was read, so a report on the file need not decode it again. All of it is
    // about the bytes that were read (see ReadLimits).
    Encoding encoding = Encoding::Ascii;
    qsizetype firstNotUtf8 = -1;  // offset of the first byte that breaks UTF-8, or -1
    int firstNotUtf8Line = 0;     // the line that holds it
    uchar firstNotUtf8Byte = 0;
    qsizetype firstNul = -1;      // offset of the first NUL byte, or -1
    int firstNulLine = 0;
    bool utf8Letters = false;     // holds at least one well-formed two-byte UTF-8 letter
    bool utf16 = false;           // looks like UTF-16 ("Unicode") text, which reads as junk
    int crlf = 0, lf = 0, cr = 0; // line endings of each kind
    // What the limits left out: lines read but not kept (counted within the bytes read), and
    // whether bytes of the file were never read at all.
    int linesLeftOut = 0;
    bool leftOutAllBlank = true;
    bool bytesLeftUnread = false;
};

// A reader takes no more than the game uses: at most maxLines lines and maxBytes bytes
// (negative: no limit). Beyond maxBytes nothing is read, so a huge file costs no more than a
// small one; lines between maxLines and maxBytes are only counted.
struct ReadLimits {
    int maxLines = -1;
    qint64 maxBytes = -1;
};

TextFile readTextFile(const QString& fileName, const ReadLimits& limits = {});
// The same, on bytes already in memory (size is theirs).
TextFile readTextBytes(const QByteArray& bytes, const ReadLimits& limits = {});
// Replaces the file atomically; false (and the old file whole) on any failure, a full disk
// included, with the system's reason in *error when asked for. A line break inside a line is
// written as a space, so the lines after it stay in place. The temporary file is named
// temporaryPrefix(fileName) + "<pid>-<id>"; one that a killed save on this machine left goes
// at the next save.
bool writeTextFile(const QString& fileName, const QStringList& lines, QString* error = nullptr);
// The same atomic replacement for bytes already encoded.
bool writeFileBytes(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);
// The same, asking `stillCurrent` at the last moment, when the new file is written whole and only
// its rename over the old one is left: when it says no, nothing is replaced. For a file that
// other games change too, so a merge is never written over a file that changed meanwhile.
// Where the file system can swap two names in one step (local disks), the old file is swapped
// out rather than written over, and *replaced (when asked for) gets the bytes it held at that
// instant, so a change another game made at the last moment can still be merged; elsewhere, or
// when there was no old file, *replaced is left empty.
enum class Replaced { Yes, Failed, NotCurrent };
Replaced writeTextFileIf(const QString& fileName, const QStringList& lines, const std::function<bool()>& stillCurrent,
                         QString* error = nullptr, std::optional<QByteArray>* replaced = nullptr);
// ".<name>.quillora-save-<host>-": how this machine's temporaries of a file begin.
QString temporaryPrefix(const QString& fileName);

// The one wording of a failed save, so no save fails in silence and all read alike:
// what (e.g. "The high scores"), the file and the system's reason.
QString saveFailedMessage(const QString& what, const QString& fileName, const QString& reason);

// Names from data files may carry Windows folders: "\" and "/" both separate, and a name is
// matched without regard to case when the exact one does not exist. Returns the name to open
// (the translated name itself when nothing matches).
QString resolveFileName(const QString& name);
// A name from a list or settings file: found from the current (play) folder first, then from the
// folder of the file that names it (besideFile). Returns the name to open, resolved as above;
// the current folder's reading when neither has it.
QString resolveFileName(const QString& name, const QString& besideFile);

} // namespace ui
