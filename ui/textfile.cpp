#include "ui/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>
#include <system_error>

namespace ui {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)decoder.decode(bytes).operator QString();
    return !decoder.hasError();
}

int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    bool ascii = true;
    for (char b : bytes)
        if (uchar(b) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const uchar u = uchar(b);
        text += (u >= 0x80 && u < 0xA0) ? QChar(kCp1252High[u - 0x80]) : QChar(u);
    }
    return text;
}

QByteArray encodeText(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0)
            return text.toUtf8();
        out += char(b);
    }
    return out;
}

TextFile readTextFile(const QString& fileName)
{
    TextFile result;
    QFile file(resolveFileName(fileName));
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly) || QFileInfo(file).isDir())
        return result;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return result;
    result.opened = true;
    result.size = bytes.size();
    const QString text = decodeText(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        result.lines << text.mid(start, end - start);
        if (end < n && text[end] == QLatin1Char('\r') && end + 1 < n && text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return result;
}

bool writeTextFile(const QString& fileName, const QStringList& lines, QString* error)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    QSaveFile file(resolveFileName(fileName));
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    const QByteArray bytes = encodeText(text);
    // A write cut short (a full disk, a file size limit) is reported late, vaguely or not at
    // all: flush now, check the size on disk before the old file is given up, and take the
    // reason from the system itself.
    errno = 0;
    const bool flushed = file.write(bytes) == bytes.size() && file.flush();
    if (!flushed || file.size() != bytes.size()) {
        const int code = errno;
        if (error)
            *error = code != 0 ? QString::fromStdString(std::generic_category().message(code))
                     : !flushed ? file.errorString()
                                : QStringLiteral("Only part of the file could be written.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return fail();
    return true;
}

QString saveFailedMessage(const QString& what, const QString& fileName, const QString& reason)
{
    return QStringLiteral("%1 could not be saved to %2.\n\n%3").arg(what, fileName, reason);
}

QString resolveFileName(const QString& name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    // Walk the path, matching each missing part without regard to case.
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QDir dir = absolute ? QDir::root() : QDir::current();
    QString built = absolute ? QStringLiteral("/") : QString();
    for (int i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (!dir.exists(part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            bool found = false;
            for (const QString& entry : entries)
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    part = entry;
                    found = true;
                    break;
                }
            if (!found)
                return path;
        }
        built += (built.isEmpty() || built.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
        if (i + 1 < parts.size() && !dir.cd(part))
            return path;
    }
    return built;
}

} // namespace ui
