#pragma once
// Text files as the game keeps them: 8-bit Windows-1252 with CR LF. LF-only lines read too, and
// a file that is valid UTF-8 (with or without a BOM) reads as UTF-8. Widget-free.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ui {

QString decodeText(const QByteArray& bytes);
// Windows-1252 when every character fits, UTF-8 otherwise, so no typed name is lost; UTF-8
// behind a BOM where the Windows-1252 bytes would read back as another text. decodeText gives
// back the text encodeText was given.
QByteArray encodeText(const QString& text);

struct TextFile {
    bool opened = false;  // false: missing or unreadable
    qint64 size = 0;      // length in bytes
    QStringList lines;    // CR LF, CR or LF end a line; a last line needs no ending
};

TextFile readTextFile(const QString& fileName);
// Replaces the file atomically; false (and the old file whole) on any failure, a full disk
// included, with the system's reason in *error when asked for. A line break inside a line is
// written as a space, so the lines after it stay in place. The temporary file is named
// temporaryPrefix(fileName) + "<pid>-<id>"; one that a killed save on this machine left goes
// at the next save.
bool writeTextFile(const QString& fileName, const QStringList& lines, QString* error = nullptr);
// The same atomic replacement for bytes already encoded.
bool writeFileBytes(const QString& fileName, const QByteArray& bytes, QString* error = nullptr);
// ".<name>.quillora-save-<host>-": how this machine's temporaries of a file begin.
QString temporaryPrefix(const QString& fileName);

// The one wording of a failed save, so no save fails in silence and all read alike:
// what (e.g. "The high scores"), the file and the system's reason.
QString saveFailedMessage(const QString& what, const QString& fileName, const QString& reason);

// Names from data files may carry Windows folders: "\" and "/" both separate, and a name is
// matched without regard to case when the exact one does not exist. Returns the name to open
// (the translated name itself when nothing matches).
QString resolveFileName(const QString& name);

} // namespace ui
