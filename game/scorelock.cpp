#include "game/scorelock.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace highscores {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

struct FileStamp {
    dev_t device;
    ino_t inode;
    qint64 modifiedMSecs;
    long modifiedNSecs;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> stampOf(const QByteArray& path)
{
    struct stat info {};
    if (::stat(path.constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000,
                     info.st_mtim.tv_nsec};
}

// Removes an abandoned lock. It is first moved aside under a name of this game's own, so of
// several games that judged it stale at once only one removes it; one that moved a fresh lock
// made in between puts that back.
bool takeOver(const QByteArray& path, const FileStamp& stale, const QByteArray& token)
{
    const QByteArray aside = path + ".stale-" + token;
    if (::rename(path.constData(), aside.constData()) != 0)
        return false;
    const bool wasStale = stampOf(aside) == stale;
    if (wasStale || ::access(path.constData(), F_OK) == 0)
        ::unlink(aside.constData());
    else
        ::rename(aside.constData(), path.constData());
    return wasStale;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The holder named in a lock file, for the player's message: "pc-12, process 4711".
QString holderOf(const QByteArray& content)
{
    QString host;
    QString pid;
    for (const QByteArray& line : content.split('\n')) {
        if (line.startsWith("host "))
            host = QString::fromUtf8(line.mid(5));
        else if (line.startsWith("pid "))
            pid = QString::fromUtf8(line.mid(4));
    }
    if (host.isEmpty() || pid.isEmpty())
        return QCoreApplication::translate("highscores", "another game");
    return QCoreApplication::translate("highscores", "%1, process %2").arg(host, pid);
}

} // namespace

QString lockFileNameFor(const QString& scoreFilePath) { return scoreFilePath + QStringLiteral(".lock"); }

ScoreFileLock::ScoreFileLock(const QString& scoreFilePath) : m_lockPath(lockFileNameFor(scoreFilePath)) {}

ScoreFileLock::~ScoreFileLock() { release(); }

ScoreFileLock::Result ScoreFileLock::acquire(LockClock& clock, const LockTiming& timing)
{
    if (m_locked)
        return Result::Locked;
    m_error.clear();
    m_tookOverStale = false;
    const QByteArray path = QFile::encodeName(m_lockPath);
    const double start = clock.seconds();
    const QString token = QString::number(QRandomGenerator::system()->generate64(), 16);
    int quickRetries = 0;

    for (;;) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            // Who holds it, for a teacher who finds the file; the token tells this lock from
            // any later one at the same name.
            m_content = QStringLiteral("Quillora high-score lock\nhost %1\npid %2\ntime %3\ntoken %4\n")
                            .arg(QSysInfo::machineHostName(), QString::number(::getpid()),
                                 clock.now().toString(Qt::ISODate), token)
                            .toUtf8();
            const bool written = writeAll(fd, m_content);
            const int writeError = errno;
            if (::close(fd) != 0 || !written) {
                ::unlink(path.constData());
                m_error = systemReason(written ? errno : writeError);
                return Result::Failed;
            }
            m_locked = true;
            return Result::Locked;
        }
        if (errno != EEXIST) {
            m_error = systemReason(errno);
            return Result::Failed;
        }

        // Someone holds it. Its inode and time tell that very lock from a fresh one made
        // at the same name in between.
        const std::optional<FileStamp> held = stampOf(path);
        if (!held && quickRetries++ < 100)
            continue;  // released meanwhile: try again at once
        if (held) {
            // A lock from the future is never judged stale: better a fallback than two writers.
            const qint64 age = clock.now().toMSecsSinceEpoch() - held->modifiedMSecs;
            if (age > qint64(timing.staleSeconds) * 1000 && quickRetries++ < 100) {
                if (takeOver(path, *held, token.toLatin1()))
                    m_tookOverStale = true;
                continue;
            }
        }
        if (clock.seconds() - start >= timing.waitMilliseconds / 1000.0) {
            m_error = QCoreApplication::translate("highscores", "It is locked by %1 (%2).")
                          .arg(holderOf(readWhole(m_lockPath).value_or(QByteArray())), m_lockPath);
            return Result::Busy;
        }
        clock.sleep(timing.pollMilliseconds);
        quickRetries = 0;
    }
}

void ScoreFileLock::release()
{
    if (!m_locked)
        return;
    m_locked = false;
    if (readWhole(m_lockPath) == m_content)
        ::unlink(QFile::encodeName(m_lockPath).constData());
}

} // namespace highscores
