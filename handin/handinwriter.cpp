// SPDX-License-Identifier: GPL-3.0-or-later
#include "handinwriter.h"

#include "classfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct HandInWriter::Shared {
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    std::optional<Job> waiting;
    bool writing = false;
    bool stopping = false;
    std::function<void(const Outcome &)> done;
};

namespace {

// Read by the teacher through the folder's group, which a class folder passes on to its files.
constexpr mode_t HandInMode = 0640;

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const QByteArray &text)
{
    qsizetype written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.constData() + written, size_t(text.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

struct Folder {
    int fd = -1;
    ~Folder()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

HandInWriter::HandInWriter(std::function<void(const Outcome &)> done) : m_shared(std::make_shared<Shared>())
{
    m_shared->done = std::move(done);
    m_thread = std::thread([shared = m_shared] {
        std::unique_lock lock(shared->mutex);
        for (;;) {
            shared->changed.wait(lock, [&] { return shared->stopping || shared->waiting; });
            if (!shared->waiting)
                return;
            const Job job = *std::exchange(shared->waiting, std::nullopt);
            shared->writing = true;
            lock.unlock();
            const Outcome outcome = writeFile(job);
            lock.lock();
            if (const std::function<void(const Outcome &)> done = shared->done) {
                lock.unlock();
                done(outcome);
                lock.lock();
            }
            shared->writing = false;
            shared->changed.notify_all();
        }
    });
}

HandInWriter::~HandInWriter()
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->stopping = true;
        m_shared->done = nullptr;
        m_shared->waiting.reset();
    }
    m_shared->changed.notify_all();
    // The lesson waited for the last hand-in before it ended, as long as it could; a folder that
    // still does not answer keeps the thread, which the program's end takes with it.
    if (waitIdle(0))
        m_thread.join();
    else
        m_thread.detach();
}

void HandInWriter::write(Job job)
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->waiting = std::move(job);
    }
    m_shared->changed.notify_all();
}

bool HandInWriter::idle() const
{
    const std::lock_guard lock(m_shared->mutex);
    return !m_shared->writing && !m_shared->waiting;
}

bool HandInWriter::waitIdle(int milliseconds) const
{
    std::unique_lock lock(m_shared->mutex);
    return m_shared->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                      [this] { return !m_shared->writing && !m_shared->waiting; });
}

HandInWriter::Outcome HandInWriter::writeFile(const Job &job)
{
    const QByteArray folderName = QFile::encodeName(job.folder);
    if (job.makeFolder && !QFileInfo::exists(job.folder)) {
        // A folder of the pupil's own, as a learning platform's recipe names: the pupil's alone.
        if (QDir().mkpath(job.folder))
            ::chmod(folderName.constData(), 0700);
    }
    // O_PATH: a class folder pupils may write in but not list (mode 3733) cannot be opened for reading.
    Folder dir{::open(folderName.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd < 0)
        return {Result::Failed, reason(errno)};
    // A folder of boxes: the pupil's box, by name, without following a link; the top is nobody's to write in.
    if (struct stat mark{}; ::fstatat(dir.fd, ClassFolder::BoxesMark, &mark, AT_SYMLINK_NOFOLLOW) == 0) {
        const QByteArray box = QFile::encodeName(job.box);
        Folder own{box.isEmpty() || box.startsWith('.') || box.contains('/')
                       ? -1
                       : ::openat(dir.fd, box.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
        // A stock Samba share answers a name that is not there with "permission denied" where the
        // pupil may not list the folder (it looks names up ignoring case): no box either way.
        if (own.fd < 0)
            return {errno == ENOENT || errno == EACCES || errno == ELOOP || errno == ENOTDIR || box.isEmpty()
                        ? Result::NoBox
                        : Result::Failed,
                    reason(errno)};
        std::swap(dir.fd, own.fd);
    }
    const QByteArray target = QFile::encodeName(job.name);
    const QByteArray own = QFile::encodeName(job.ownName);
    // One temporary name per pupil, so that a hand-in cut short (the machine switched off) leaves no
    // more than one stray file; another's file of that name is left alone for a name of chance.
    QByteArray temporary = '.' + (target.isEmpty() ? own : target) + ".part";
    struct stat info {};
    if (::fstatat(dir.fd, temporary.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && info.st_uid == ::geteuid())
        ::unlinkat(dir.fd, temporary.constData(), 0);
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 10; ++attempt) {
        if (attempt > 0)
            temporary = '.' + own + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::openat(dir.fd, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, HandInMode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return {Result::Failed, reason(errno)};
    // The mode asked for, not what the umask left of it; a share that keeps modes of its own may refuse.
    ::fchmod(fd, HandInMode);
    int error = 0;
    // Whether this folder tells owners apart: it shows the writer as the owner of the file just made.
    const bool ownersShown = ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid();
    if (!writeAll(fd, job.text) || ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error)
        error = errno;
    Result result = Result::Written;
    if (!error) {
        bool taken = target.isEmpty();
        if (!taken && ownersShown && ::fstatat(dir.fd, target.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            taken = info.st_uid != ::geteuid();
        if (!taken && ::renameat(dir.fd, temporary.constData(), dir.fd, target.constData()) != 0) {
            error = errno;
            // A share whose rename never replaces (some SMB clients): the pupil's own file goes first.
            if (error == EEXIST)
                error = ::unlinkat(dir.fd, target.constData(), 0) != 0                               ? errno
                        : ::renameat(dir.fd, temporary.constData(), dir.fd, target.constData()) == 0 ? 0
                                                                                                     : errno;
            // A folder whose sticky bit keeps another's file of that name where it is.
            taken = (error == EPERM || error == EACCES) &&
                    ::fstatat(dir.fd, target.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
            if (taken)
                error = 0;
        }
        if (taken) {
            result = target.isEmpty() ? Result::Written : Result::WrittenUnderOwnName;
            if (::renameat(dir.fd, temporary.constData(), dir.fd, own.constData()) != 0)
                error = errno;
        }
    }
    if (error) {
        ::unlinkat(dir.fd, temporary.constData(), 0);
        return {Result::Failed, reason(error)};
    }
    if (const int listing = ::openat(dir.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); listing >= 0) {
        // The rename itself on the disk, where the folder can be read.
        ::fsync(listing);
        ::close(listing);
    }
    return {result, QString()};
}
