// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/folderlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace files {

namespace {

constexpr int MaxBreakDepth = 4;  // a breaker that died while breaking, and so on

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, off_t(bytes.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, n);
        if (bytes.size() > 65536)
            break;  // not a record of ours; what was read is enough to watch it
    }
    return bytes;
}

std::optional<QByteArray> readWhole(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const QByteArray bytes = readAll(fd);
    ::close(fd);
    return bytes;
}

bool writeAllAt(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

QByteArray field(const QByteArray& record, const char* name)
{
    const QByteArray key = QByteArray(name) + ' ';
    for (const QByteArray& line : record.split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    return {};
}

QByteArray thisHost() { return QSysInfo::machineHostName().toUtf8(); }

// The holder ran here and its process is gone: no need to watch its record.
bool holderGoneFromThisHost(const QByteArray& record)
{
    const QByteArray host = field(record, "host");
    bool ok = false;
    const qint64 pid = field(record, "pid").toLongLong(&ok);
    if (!ok || pid <= 0 || pid > 0x7fffffff || host.isEmpty() || host != thisHost())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Someone holds a kernel lock on the open file: its process is alive.
bool heldByLiveProcess(int fd)
{
#ifdef F_OFD_GETLK
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
#else
    Q_UNUSED(fd);
    return false;
#endif
}

// One look at the lock as it is: its record and the kernel's lock, both of the one file opened,
// so a lock replaced between the two is never judged by another's evidence.
struct Look {
    bool exists = false;
    QByteArray record;
    bool alive = false;
};

Look lookAt(const QByteArray& path)
{
    Look look;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // One that cannot even be opened (no permission) is judged by its standing still.
        look.exists = errno != ENOENT;
        return look;
    }
    look.exists = true;
    look.record = readAll(fd);
    look.alive = heldByLiveProcess(fd);
    ::close(fd);
    return look;
}

bool sameFile(int fd, const QByteArray& path)
{
    struct stat mine {}, there {};
    return ::fstat(fd, &mine) == 0 && ::stat(path.constData(), &there) == 0 && mine.st_dev == there.st_dev
        && mine.st_ino == there.st_ino;
}

// The link failed for want of hard links on this file system, not because the lock exists.
bool noHardLinks(int error) { return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK; }

// Names a record for the guard that breaks it: its token, or a digest of whatever it holds.
QByteArray recordId(const QByteArray& record)
{
    const QByteArray token = field(record, "token");
    bool hex = !token.isEmpty() && token.size() <= 32;
    for (char c : token)
        hex = hex && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'));
    if (hex)
        return token;
    return QCryptographicHash::hash(record, QCryptographicHash::Sha1).toHex().left(16);
}

QString holderOf(const QByteArray& record)
{
    const QByteArray host = field(record, "host");
    const QByteArray pid = field(record, "pid");
    if (host.isEmpty() || pid.isEmpty())
        return QCoreApplication::translate("files", "another game");
    return QCoreApplication::translate("files", "%1, process %2").arg(QString::fromUtf8(host), QString::fromUtf8(pid));
}

} // namespace

double SleepingWaiter::seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void SleepingWaiter::wait(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
}

QString lockFileNameFor(const QString& path) { return path + QStringLiteral(".lock"); }

// The holder's side: the open lock file, and the thread that rewrites its beat.
struct FolderLock::Heart {
    int fd = -1;
    QByteArray head;  // the record up to the beat
    quint64 beat = 0;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::thread thread;

    QByteArray record() const { return head + "beat " + QByteArray::number(beat).rightJustified(12, '0') + '\n'; }

    void start(int milliseconds)
    {
        thread = std::thread([this, milliseconds] {
            std::unique_lock<std::mutex> hold(mutex);
            while (!wake.wait_for(hold, std::chrono::milliseconds(milliseconds), [this] { return stopping; })) {
                ++beat;
                // The same length each time, so the record is never seen half old, half new
                // for long; a waiter that reads a torn one just sees it change.
                if (writeAllAt(fd, record()))
                    ::fdatasync(fd);
            }
        });
    }

    ~Heart()
    {
        {
            std::lock_guard<std::mutex> hold(mutex);
            stopping = true;
        }
        wake.notify_all();
        if (thread.joinable())
            thread.join();
    }
};

FolderLock::FolderLock(const QString& lockPath) : m_path(lockPath) {}

FolderLock::~FolderLock() { release(); }

FolderLock::Result FolderLock::acquire(LockWaiter& waiter, const LockTiming& timing)
{
    // One live holder is waited for up to the stale limit; games that take turns meanwhile, or an
    // abandoned lock given up, may stretch the whole wait to twice that, never more.
    return acquire(waiter, timing, waiter.seconds() + 2 * timing.staleMilliseconds / 1000.0, 0);
}

FolderLock::Made FolderLock::make(const QByteArray& head, int heartbeatMilliseconds)
{
    const QByteArray path = QFile::encodeName(m_path);
    auto heart = std::make_unique<Heart>();
    heart->head = head;
    const auto hold = [&heart] {
#ifdef F_OFD_SETLK
        // Evidence of life where the file system keeps such locks, taken before anyone sees it.
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        ::fcntl(heart->fd, F_OFD_SETLK, &lock);
#endif
    };
    const auto fail = [&](int error) {
        m_error = systemReason(error);
        if (heart->fd >= 0)
            ::close(heart->fd);
        heart->fd = -1;
        return Made::Failed;
    };
    if (!m_noLinks) {
        // Written whole under a name of its own, then linked into place: never seen empty.
        const QByteArray temp = path + ".new-" + m_token;
        heart->fd = ::open(temp.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (heart->fd < 0)
            return fail(errno);
        if (!writeAllAt(heart->fd, heart->record()) || ::fdatasync(heart->fd) != 0) {
            const int writeError = errno;
            ::unlink(temp.constData());
            return fail(writeError);
        }
        hold();
        const int linked = ::link(temp.constData(), path.constData());
        const int linkError = errno;
        struct stat st {};
        const bool mine = linked == 0 || (::fstat(heart->fd, &st) == 0 && st.st_nlink == 2);
        ::unlink(temp.constData());
        if (!mine) {
            ::close(heart->fd);
            heart->fd = -1;
            if (linkError == EEXIST)
                return Made::Exists;
            if (!noHardLinks(linkError))
                return fail(linkError);
            m_noLinks = true;
        }
    }
    if (m_noLinks) {
        heart->fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (heart->fd < 0)
            return errno == EEXIST ? Made::Exists : fail(errno);
        hold();
        if (!writeAllAt(heart->fd, heart->record())) {
            const int writeError = errno;
            ::unlink(path.constData());
            return fail(writeError);
        }
    }
    heart->start(std::max(heartbeatMilliseconds, 1));
    m_heart = std::move(heart);
    m_locked = true;
    return Made::Made;
}

FolderLock::Result FolderLock::acquire(LockWaiter& waiter, const LockTiming& timing, double deadline, int depth)
{
    if (m_locked)
        return Result::Locked;
    m_error.clear();
    m_tookOver = false;
    const QByteArray path = QFile::encodeName(m_path);
    m_token = QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    const QByteArray head =
        "Quillora lock\nhost " + thisHost() + "\npid " + QByteArray::number(::getpid()) + "\ntoken " + m_token + '\n';

    QByteArray watched;
    double watchedSince = waiter.seconds();
    QByteArray holder;  // who holds it: the record's token, which its beat does not change
    double holderSince = watchedSince;
    bool watching = false;
    int quickRetries = 0;

    for (;;) {
        Look look = lookAt(path);
        if (!look.exists) {
            switch (make(head, timing.heartbeatMilliseconds)) {
            case Made::Made: return Result::Locked;
            case Made::Failed: return Result::Failed;
            case Made::Exists: break;
            }
            if (quickRetries++ < 100)
                continue;  // another game had it first: look at its lock at once
            look = lookAt(path);
        }

        bool outwaited = false;  // one live holder kept it for the stale limit
        if (look.exists) {
            const double now = waiter.seconds();
            const double staleAfter = timing.staleMilliseconds / 1000.0;
            if (!watching || look.record != watched) {
                watched = look.record;
                watchedSince = now;
                if (!watching || recordId(look.record) != holder) {
                    holder = recordId(look.record);
                    holderSince = now;
                }
                watching = true;
            }
            bool abandoned = false;
            if (look.alive)
                watchedSince = now;  // alive, whatever its beat does
            else
                abandoned = holderGoneFromThisHost(look.record) || now - watchedSince >= staleAfter;
            if (abandoned && depth < MaxBreakDepth && breakAbandoned(look.record, waiter, timing, deadline, depth)) {
                m_tookOver = true;
                quickRetries = 0;
                continue;
            }
            outwaited = !abandoned && now - holderSince >= staleAfter;
        }
        const double now = waiter.seconds();
        if (outwaited || now >= deadline) {
            m_error = QCoreApplication::translate("files", "It is locked by %1 (%2).")
                          .arg(holderOf(look.record), m_path);
            return Result::Busy;
        }
        waiter.wait(std::max(1, std::min(timing.pollMilliseconds, int((deadline - now) * 1000.0) + 1)));
        quickRetries = 0;
    }
}

bool FolderLock::breakAbandoned(const QByteArray& record, LockWaiter& waiter, const LockTiming& timing, double deadline,
                                int depth)
{
    // Only the holder of this guard may take away a lock that carries this record, so of all the
    // games that judged it abandoned one takes it, and none takes a newer lock.
    FolderLock guard(m_path + QStringLiteral(".break-") + QString::fromLatin1(recordId(record)));
    if (guard.acquire(waiter, timing, deadline, depth + 1) != Result::Locked)
        return false;
    const QByteArray path = QFile::encodeName(m_path);
    bool took = false;
    const Look now = lookAt(path);
    if (!now.exists) {
        took = true;  // gone meanwhile: free to compete for
    } else if (now.record == record && !now.alive) {
        const QByteArray taken = path + ".taken-" + m_token;
        if (::rename(path.constData(), taken.constData()) == 0) {
            const Look moved = lookAt(taken);
            if (moved.record == record && !moved.alive) {
                took = true;
            } else if (::link(taken.constData(), path.constData()) != 0 && noHardLinks(errno)
                       && !lookAt(path).exists) {
                // Not the lock judged: back into place, unless another game has made one since
                // (its holder then finds, before it writes, that the lock is not its own).
                ::rename(taken.constData(), path.constData());
            }
            ::unlink(taken.constData());
        } else if (errno == ENOENT) {
            took = true;
        } else {
            // A file system that cannot rename it: still only this guard's holder removes it.
            took = ::unlink(path.constData()) == 0 || errno == ENOENT;
        }
    }
    guard.release();
    return took;
}

bool FolderLock::stillHeld() const
{
    if (!m_locked)
        return false;
    const QByteArray path = QFile::encodeName(m_path);
    if (sameFile(m_heart->fd, path))
        return true;
    // A file system whose file numbers are not to be trusted: the token tells.
    return field(readWhole(path).value_or(QByteArray()), "token") == m_token;
}

void FolderLock::release()
{
    if (!m_locked)
        return;
    const bool mine = stillHeld();
    m_locked = false;
    const int fd = m_heart->fd;
    m_heart.reset();  // stops the beat first
    // A lock taken over as abandoned (this game stalled past the stale limit) is another's now.
    if (mine)
        ::unlink(QFile::encodeName(m_path).constData());
    ::close(fd);
}

LockedRun runLocked(const QString& path, const std::function<void(const StillHeld& stillHeld)>& update,
                    LockWaiter& waiter, const LockTiming& timing)
{
    LockedRun run;
    FolderLock lock(lockFileNameFor(path));
    switch (lock.acquire(waiter, timing)) {
    case FolderLock::Result::Locked:
        run.locked = true;
        break;
    case FolderLock::Result::Busy:
        run.problem = lock.error();
        break;
    case FolderLock::Result::Failed:
        run.problem = QCoreApplication::translate("files", "Its lock file %1 could not be made: %2").arg(lock.lockFileName(), lock.error());
        break;
    }
    update([&] { return !run.locked || lock.stillHeld(); });
    lock.release();
    return run;
}

LockedRun runLocked(const QString& path, const std::function<void()>& update, LockWaiter& waiter,
                    const LockTiming& timing)
{
    return runLocked(path, [&](const StillHeld&) { update(); }, waiter, timing);
}

QString keepDamagedCopy(const QString& path, QString* error)
{
    const auto fail = [&](int code) {
        if (error)
            *error = systemReason(code);
        return QString();
    };
    const int in = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return fail(errno);
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int readError = errno;
            ::close(in);
            return fail(readError);
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(in);

    for (int n = 1; n < 1000; ++n) {
        const QString name = path + QStringLiteral(".damaged") + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        const QByteArray target = QFile::encodeName(name);
        const int out = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (out < 0 && errno == EEXIST)
            continue;
        if (out < 0)
            return fail(errno);
        const bool written = writeAllAt(out, bytes) && (::fsync(out) == 0 || errno == EINVAL);
        const int writeError = errno;
        if (::close(out) != 0 || !written) {
            ::unlink(target.constData());
            return fail(written ? errno : writeError);
        }
        return name;
    }
    return fail(EEXIST);
}

} // namespace files
