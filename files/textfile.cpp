// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/textfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ui {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

// Whole, shortest-form UTF-8 up to U+10FFFF without surrogates. Decided on the whole text at
// once: a sequence cut off by the end of the text makes it invalid.
bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length;
        char32_t code, least;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (n - i < length)
            return false;
        for (int k = 1; k < length; ++k) {
            const uchar next = p[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Unlike QString::fromUtf8, keeps a BOM character at the start: the file's own BOM is gone by
// then, and a second one is part of the text.
QString fromWholeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
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
    if (bytes.startsWith(kBom))
        return fromWholeUtf8(bytes.mid(3));
    bool ascii = true;
    for (char b : bytes)
        if (uchar(b) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);
    if (isValidUtf8(bytes))
        return fromWholeUtf8(bytes);
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
    bool high = false;
    for (QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0) {
            // Valid UTF-8 with something beyond ASCII reads back as UTF-8 by itself; only a
            // text that begins with the BOM character needs a BOM of its own in front.
            const QByteArray utf8 = text.toUtf8();
            return utf8.startsWith(kBom) ? kBom + utf8 : utf8;
        }
        high = high || b >= 0x80;
        out += char(b);
    }
    // Windows-1252 bytes that also form valid UTF-8 ("Ã‰ric"), or that begin like a BOM ("ï»¿"),
    // would read back as another text. Written as UTF-8 behind a BOM they read back as written,
    // here and in Windows editors, which take the BOM as the sign of UTF-8.
    if (out.startsWith(kBom) || (high && isValidUtf8(out)))
        return kBom + text.toUtf8();
    return out;
}

namespace {

// The line (1-based, as the reader counts them) that holds byte `offset`.
int lineAt(const QByteArray& bytes, qsizetype offset)
{
    int line = 1;
    const char* p = bytes.constData();
    for (qsizetype i = 0; i < offset && i < bytes.size(); ++i)
        if (p[i] == '\n' || (p[i] == '\r' && !(i + 1 < bytes.size() && p[i + 1] == '\n')))
            ++line;
    return line;
}

// Offset of the first byte that breaks UTF-8, or -1 when all of it is UTF-8.
qsizetype firstInvalidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar lead = p[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length;
        char32_t code, least;
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2, code = lead & 0x1F, least = 0x80;
        else if ((lead & 0xF0) == 0xE0)
            length = 3, code = lead & 0x0F, least = 0x800;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, code = lead & 0x07, least = 0x10000;
        else
            return i;
        if (n - i < length)
            return i;
        for (int k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += length;
    }
    return -1;
}

// Where a cut at `at` would split a UTF-8 sequence, the cut moves back to its start.
qsizetype utf8Boundary(const QByteArray& bytes, qsizetype at)
{
    for (qsizetype back = 1; back <= 3 && at - back >= 0; ++back) {
        const uchar b = uchar(bytes[at - back]);
        if ((b & 0xC0) == 0x80)
            continue;
        const int length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        return length > back ? at - back : at;
    }
    return at;
}

TextFile readBytes(const QByteArray& read, qint64 wholeSize, const ReadLimits& limits)
{
    TextFile result;
    result.opened = true;
    result.size = wholeSize;
    result.bytesLeftUnread = read.size() < wholeSize;
    const char* p = read.constData();
    const qsizetype n = read.size();

    // Keep the lines the game uses; only count the rest.
    qsizetype keep = n;
    if (limits.maxLines >= 0) {
        int lines = 0;
        qsizetype i = 0;
        while (i < n && lines < limits.maxLines) {
            const void* nl = memchr(p + i, '\n', size_t(n - i));
            const void* cr = memchr(p + i, '\r', size_t(n - i));
            qsizetype end = nl ? static_cast<const char*>(nl) - p : n;
            if (cr && static_cast<const char*>(cr) - p < end)
                end = static_cast<const char*>(cr) - p;
            if (end >= n) {
                i = n;
                ++lines;
                break;
            }
            i = end + 1 + (p[end] == '\r' && end + 1 < n && p[end + 1] == '\n');
            ++lines;
        }
        keep = i;
        for (qsizetype j = keep; j < n; ++j) {
            const char c = p[j];
            if (c == '\n' || (c == '\r' && !(j + 1 < n && p[j + 1] == '\n'))) {
                ++result.linesLeftOut;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                result.leftOutAllBlank = false;
            }
        }
        if (keep < n && p[n - 1] != '\n' && p[n - 1] != '\r')
            ++result.linesLeftOut;
    }
    if (keep == n && result.bytesLeftUnread)
        keep = utf8Boundary(read, keep);
    const QByteArray bytes = keep == n ? read : read.left(keep);

    const qsizetype nuls = bytes.count('\0');
    result.utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || (nuls > 0 && nuls * 4 >= bytes.size());
    if (nuls > 0) {
        result.firstNul = bytes.indexOf('\0');
        result.firstNulLine = lineAt(bytes, result.firstNul);
    }
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++result.crlf;
                ++i;
            } else {
                ++result.cr;
            }
        } else if (bytes[i] == '\n') {
            ++result.lf;
        }
    }

    const bool bom = bytes.startsWith(kBom);
    const qsizetype invalid = firstInvalidUtf8(bom ? bytes.mid(3) : bytes);
    if (invalid >= 0) {
        result.firstNotUtf8 = invalid + (bom ? 3 : 0);
        result.firstNotUtf8Line = lineAt(bytes, result.firstNotUtf8);
        result.firstNotUtf8Byte = uchar(bytes[result.firstNotUtf8]);
    }
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]), c = uchar(bytes[i + 1]);
        if (b >= 0xC2 && b <= 0xDF && (c & 0xC0) == 0x80) {
            result.utf8Letters = true;
            break;
        }
    }
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
    result.encoding = bom ? Encoding::Utf8Bom : ascii ? Encoding::Ascii : invalid < 0 ? Encoding::Utf8 : Encoding::Windows1252;

    const QString text = decodeText(bytes);
    qsizetype start = 0;
    const qsizetype length = text.size();
    while (start < length) {
        qsizetype end = start;
        while (end < length && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        result.lines << text.mid(start, end - start);
        if (end < length && text[end] == QLatin1Char('\r') && end + 1 < length && text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return result;
}

} // namespace

TextFile readTextBytes(const QByteArray& bytes, const ReadLimits& limits)
{
    const QByteArray read = limits.maxBytes >= 0 && bytes.size() > limits.maxBytes ? bytes.left(limits.maxBytes) : bytes;
    return readBytes(read, bytes.size(), limits);
}

TextFile readTextFile(const QString& fileName, const ReadLimits& limits)
{
    TextFile result;
    QFile file(resolveFileName(fileName));
    if (fileName.isEmpty()) {
        result.error = QCoreApplication::translate("files", "no file named");
        return result;
    }
    if (QFileInfo(file.fileName()).isDir()) {
        result.error = QCoreApplication::translate("files", "it is a folder");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QFileInfo::exists(file.fileName()) ? file.errorString()
                                                          : QCoreApplication::translate("files", "no such file");
        return result;
    }
    const qint64 size = file.size();
    const QByteArray bytes = limits.maxBytes >= 0 ? file.read(limits.maxBytes) : file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    // A file that is no regular file (a pipe) tells no size: what was read is all of it.
    return readBytes(bytes, std::max<qint64>(size, bytes.size()), limits);
}

namespace {

// A save writes a temporary file beside the real one and renames it over it. The temporary's
// name is the game's own, ".<name>.quillora-save-<host>-<pid>-<6 letters or digits>", so that
// one left by a killed save can be told from anyone else's file and removed at the next save.
// The host is part of it because a pid says nothing about a save that another machine runs in
// the same shared folder: only this machine's own leftovers are ever removed.
constexpr int kTempLetters = 6;

QByteArray hostTag()
{
    static const QByteArray tag =
        QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Md5).toHex().left(8);
    return tag;
}

QByteArray tempPrefix(const QByteArray& name)
{
    // Keep the temporary's name within the 255 bytes a folder entry may have.
    return '.' + name.left(200) + ".quillora-save-" + hostTag() + '-';
}

// Whether an entry is a temporary of ours whose save can no longer be running.
bool staleTemporary(const QByteArray& entry, const QByteArray& prefix)
{
    if (!entry.startsWith(prefix))
        return false;
    const QByteArray rest = entry.mid(prefix.size());
    const qsizetype dash = rest.indexOf('-');
    if (dash <= 0 || rest.size() - dash - 1 != kTempLetters)
        return false;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (i < dash ? !digit : i > dash && !digit && !letter)
            return false;
    }
    bool ok = false;
    const pid_t pid = pid_t(rest.left(dash).toLong(&ok));
    if (!ok || pid <= 0)
        return false;
    // Saves run one at a time in a process, so one of our own pid is from an earlier process
    // that had it; another pid's save may still be running unless that process is gone.
    return pid == getpid() || (kill(pid, 0) == -1 && errno == ESRCH);
}

void removeStaleTemporaries(const QByteArray& folder, const QByteArray& prefix)
{
    DIR* dir = opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!staleTemporary(name, prefix))
            continue;
        const QByteArray path = folder + '/' + name;
        struct stat st;
        if (lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode))
            unlink(path.constData());
    }
    closedir(dir);
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

QString temporaryPrefix(const QString& fileName)
{
    return QFile::decodeName(tempPrefix(QFile::encodeName(QFileInfo(fileName).fileName())));
}

namespace {

QByteArray textFileBytes(const QStringList& lines)
{
    // A line break inside a line would split it on reading and shift every line after it.
    QString text;
    for (QString line : lines) {
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += line + QStringLiteral("\r\n");
    }
    return encodeText(text);
}

Replaced replaceFile(const QString& fileName, const QByteArray& bytes, const std::function<bool()>& stillCurrent,
                     QString* error, std::optional<QByteArray>* replaced = nullptr);

} // namespace

bool writeTextFile(const QString& fileName, const QStringList& lines, QString* error)
{
    return writeFileBytes(fileName, textFileBytes(lines), error);
}

bool writeFileBytes(const QString& fileName, const QByteArray& bytes, QString* error)
{
    return replaceFile(fileName, bytes, {}, error) == Replaced::Yes;
}

Replaced writeTextFileIf(const QString& fileName, const QStringList& lines, const std::function<bool()>& stillCurrent,
                         QString* error, std::optional<QByteArray>* replaced)
{
    return replaceFile(fileName, textFileBytes(lines), stillCurrent, error, replaced);
}

namespace {

Replaced replaceFile(const QString& fileName, const QByteArray& bytes, const std::function<bool()>& stillCurrent,
                     QString* error, std::optional<QByteArray>* replaced)
{
    if (replaced)
        replaced->reset();
    const auto fail = [&](int code) {
        if (error)
            *error = qt_error_string(code);
        return Replaced::Failed;
    };
    QString path = resolveFileName(fileName);
    if (path.isEmpty())
        return fail(ENOENT);
    // A link stays a link: what it points to is replaced.
    const QFileInfo link(path);
    if (link.isSymLink())
        path = link.exists() ? link.canonicalFilePath() : link.symLinkTarget();
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    // The system's own reason: a read-only file system says so, not "Permission denied".
    if (info.isDir())
        return fail(EISDIR);
    if (info.exists() && ::access(target.constData(), W_OK) != 0)
        return fail(errno);
    if (info.exists() && !info.isWritable())
        return fail(EACCES);  // marked read-only, though the superuser could write it
    const QByteArray prefix = tempPrefix(QFile::encodeName(info.fileName()));
    removeStaleTemporaries(folder, prefix);

    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = folder + '/' + prefix + QByteArray::number(getpid()) + '-';
        for (int i = 0; i < kTempLetters; ++i)
            temp += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);

    // Every write, the flush to the disk and the close must succeed before the rename: a full
    // disk may only say so at any of them, and the old file must stay whole then.
    struct stat old;
    const bool written = writeAll(fd, bytes)
        && (stat(target.constData(), &old) != 0 || fchmod(fd, old.st_mode & 07777) == 0)
        && (fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        unlink(temp.constData());
        return fail(written ? closeError : writeError);
    }
    if (stillCurrent && !stillCurrent()) {
        unlink(temp.constData());
        return Replaced::NotCurrent;
    }
#ifdef RENAME_EXCHANGE
    if (replaced && renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0) {
        // The old file now has the temporary's name: what it held is read, then it goes.
        QFile old(QFile::decodeName(temp));
        if (old.open(QIODevice::ReadOnly))
            *replaced = old.readAll();
        old.close();
        unlink(temp.constData());
    } else
#endif
    if (rename(temp.constData(), target.constData()) != 0) {
        const int renameError = errno;
        unlink(temp.constData());
        return fail(renameError);
    }
    // Make the rename itself last; a folder that cannot be synced changes nothing.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        ::close(dirFd);
    }
    return Replaced::Yes;
}

} // namespace

QString saveFailedMessage(const QString& what, const QString& fileName, const QString& reason)
{
    return QCoreApplication::translate("textfile", "%1 could not be saved to %2.\n\n%3").arg(what, fileName, reason);
}

namespace {

// Walks a relative or absolute path from `base`, matching each missing part without regard to
// case. Returns the path found (relative to base when the name was), or nothing.
std::optional<QString> walkPath(const QString& path, const QDir& base)
{
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QDir dir = absolute ? QDir::root() : base;
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
                return std::nullopt;
        }
        built += (built.isEmpty() || built.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + part;
        if (i + 1 < parts.size() && !dir.cd(part))
            return std::nullopt;
    }
    return built;
}

QString slashes(const QString& name)
{
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

} // namespace

QString resolveFileName(const QString& name)
{
    const QString path = slashes(name);
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    return walkPath(path, QDir::current()).value_or(path);
}

QString resolveFileName(const QString& name, const QString& besideFile)
{
    const QString here = resolveFileName(name);
    const QString path = slashes(name);
    // A full name, or one with a drive letter, means the same from anywhere.
    if (path.isEmpty() || besideFile.isEmpty() || QFileInfo::exists(here) || QDir::isAbsolutePath(path)
        || (path.size() >= 2 && path[1] == QLatin1Char(':')))
        return here;
    const QDir folder = QFileInfo(resolveFileName(besideFile)).absoluteDir();
    if (folder == QDir::current())
        return here;
    if (QFileInfo::exists(folder.filePath(path)))
        return folder.filePath(path);
    const std::optional<QString> beside = walkPath(path, folder);
    return beside ? folder.filePath(*beside) : here;
}

} // namespace ui
