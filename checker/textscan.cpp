#include "checker/textscan.h"

#include "ui/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace checker {

namespace {

// Offset of the first byte that breaks UTF-8, or -1 when all of it is UTF-8.
qsizetype firstInvalidUtf8(const QByteArray& bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(bytes[i]);
        int follow = 0;
        uint min = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
            min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            min = 0x10000;
        } else {
            return i;
        }
        uint code = b & (0x3F >> follow);
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= n || (uchar(bytes[i + k]) & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (uchar(bytes[i + k]) & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += follow + 1;
    }
    return -1;
}

// Whether the bytes hold at least one well-formed multi-byte UTF-8 letter.
bool holdsUtf8Letters(const QByteArray& bytes)
{
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]), c = uchar(bytes[i + 1]);
        if (b >= 0xC2 && b <= 0xDF && (c & 0xC0) == 0x80)
            return true;
    }
    return false;
}

QString hexByte(uchar b) { return QStringLiteral("0x") + QString::number(b, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

} // namespace

RawFile readRaw(const QString& fileName)
{
    RawFile raw;
    QFile file(ui::resolveFileName(fileName));
    if (QFileInfo(file.fileName()).isDir()) {
        raw.error = QCoreApplication::translate("checker", "it is a folder");
        return raw;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        raw.error = QFileInfo::exists(file.fileName()) ? file.errorString() : QCoreApplication::translate("checker", "no such file");
        return raw;
    }
    raw.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        raw.error = file.errorString();
        return raw;
    }
    raw.opened = true;
    return raw;
}

bool readForCheck(const QString& fileName, FileReport& report, RawFile& raw, QString* summary)
{
    raw = readRaw(fileName);
    if (!raw.opened) {
        report.readable = false;
        report.problem(0, QCoreApplication::translate("checker", "cannot be read: %1").arg(raw.error));
        return false;
    }
    return checkBytes(raw.bytes, report, summary);
}

int lineOfByte(const QByteArray& bytes, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            ++line;
        else if (bytes[i] == '\r' && !(i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            ++line;
    }
    return line;
}

bool checkBytes(const QByteArray& bytes, FileReport& report, QString* summary)
{
    // UTF-16, as some editors save "Unicode" text: every other byte is a NUL.
    const qsizetype nuls = bytes.count('\0');
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || (nuls > 0 && nuls * 4 >= bytes.size())) {
        report.problem(0, QCoreApplication::translate("checker", "the file is UTF-16 text, which the game cannot read: save it as UTF-8 or as "
                                         "Windows-1252 (\"ANSI\")"));
        return false;
    }
    // No text file holds a NUL byte; a picture or a word-processor document does.
    if (nuls > 0) {
        report.problem(lineOfByte(bytes, bytes.indexOf('\0')),
            QCoreApplication::translate("checker", "holds a NUL byte: this is no text file (a picture, or a document saved by a word processor?)"));
        return false;
    }

    // The encoding the game's own reader chose, found by comparing its text with each reading.
    const QString decoded = ui::decodeText(bytes);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    QString encoding;
    bool asUtf8 = false;
    if (bom && decoded == QString::fromUtf8(bytes.mid(3))) {
        encoding = QCoreApplication::translate("checker", "UTF-8 with a byte order mark");
        asUtf8 = true;
    } else if (ascii) {
        encoding = QStringLiteral("ASCII");
    } else if (decoded == QString::fromUtf8(bytes)) {
        encoding = QStringLiteral("UTF-8");
        asUtf8 = true;
    } else {
        encoding = QStringLiteral("Windows-1252");
    }

    const qsizetype invalid = firstInvalidUtf8(bom ? bytes.mid(3) : bytes);
    if (invalid >= 0 && (asUtf8 || bom || holdsUtf8Letters(bytes))) {
        const qsizetype at = invalid + (bom ? 3 : 0);
        report.problem(lineOfByte(bytes, at),
            asUtf8 ? QCoreApplication::translate("checker", "byte %1 is not UTF-8: the game shows it as a replacement character")
                         .arg(hexByte(uchar(bytes[at])))
                   : QCoreApplication::translate("checker", "byte %1 is not UTF-8, so the game reads the whole file as Windows-1252 and "
                                    "every accented letter written in UTF-8 shows as two odd characters: save the "
                                    "file as UTF-8 throughout")
                         .arg(hexByte(uchar(bytes[at]))));
    }

    // Bytes that are no text: control characters, and the five that Windows-1252 leaves unused.
    // One report a line, and only the first few lines of a file that is no text at all.
    constexpr int MostLines = 10;
    int line = 1, lastLine = 0, badLines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (b == '\n' || (b == '\r' && !(i + 1 < bytes.size() && bytes[i + 1] == '\n'))) {
            ++line;
            continue;
        }
        const bool control = (b < 0x20 && b != '\t' && b != '\r') || b == 0x7F;
        const bool unused = !asUtf8 && (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D);
        if ((!control && !unused) || line == lastLine)
            continue;
        lastLine = line;
        if (++badLines <= MostLines)
            report.problem(line, control ? QCoreApplication::translate("checker", "holds the control character %1, which is no text").arg(hexByte(b))
                                         : QCoreApplication::translate("checker", "byte %1 is no character in Windows-1252").arg(hexByte(b)));
    }
    if (badLines > MostLines)
        report.problem(0, QCoreApplication::translate("checker", "%1 more lines hold bytes that are no text: is this a text file?").arg(badLines - MostLines));

    int crlf = 0, lf = 0, cr = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        } else if (bytes[i] == '\n') {
            ++lf;
        }
    }
    QStringList kinds;
    if (crlf)
        kinds << QStringLiteral("CR LF");
    if (lf)
        kinds << QStringLiteral("LF");
    if (cr)
        kinds << QStringLiteral("CR");
    QString endings;
    if (kinds.isEmpty())
        endings = QCoreApplication::translate("checker", "no line breaks");
    else if (kinds.size() == 1)
        endings = QCoreApplication::translate("checker", "%1 line endings").arg(kinds.first());
    else
        endings = QCoreApplication::translate("checker", "mixed line endings (%1)").arg(kinds.join(QStringLiteral(", ")));
    if (kinds.size() > 1)
        report.warn(0, QCoreApplication::translate("checker", "mixed line endings (%1 CR LF, %2 LF, %3 CR): the game reads each as a line break, "
                                      "but other programs may not")
                           .arg(crlf)
                           .arg(lf)
                           .arg(cr));
    if (summary)
        *summary = encoding + QStringLiteral(", ") + endings;
    return true;
}

QString quoted(const QString& text)
{
    constexpr int Longest = 60;
    if (text.size() <= Longest)
        return QLatin1Char('"') + text + QLatin1Char('"');
    return QLatin1Char('"') + text.left(Longest - 3) + QStringLiteral("...\"");
}

int editDistance(const QString& a, const QString& b)
{
    const QString x = a.toCaseFolded(), y = b.toCaseFolded();
    std::vector<int> row(y.size() + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

QString missingFileHint(const QString& name)
{
    if (name.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("checker", " (the blanks at the end of the name count)");
    if (name.size() >= 2 && name[0].isLetter() && name[1] == QLatin1Char(':'))
        return QCoreApplication::translate("checker", " (a Windows drive: name the file as it is found on this computer)");
    return QString();
}

QString lineRange(int first, int last)
{
    if (first == last)
        return QCoreApplication::translate("checker", "line %1").arg(first);
    return QCoreApplication::translate("checker", "lines %1 to %2").arg(first).arg(last);
}

} // namespace checker
