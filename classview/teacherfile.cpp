// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacherfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Links followed before the name is given up on, as the kernel's own limit is generous.
constexpr int MaxLinks = 8;

struct Fd {
    int fd = -1;
    explicit Fd(int open = -1) : fd(open) {}
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool fail(QString *error, int code)
{
    *error = QString::fromLocal8Bit(std::strerror(code));
    return false;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += n;
    }
    return true;
}

// No one but the teacher and the system can change what a name in the folder stands for.
bool trusted(const struct stat &folder)
{
    return (folder.st_uid == 0 || folder.st_uid == ::geteuid()) && (folder.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A device or a pipe the teacher named, written to as it is.
bool writeThrough(int dir, const QByteArray &name, const QByteArray &bytes, QString *error)
{
    Fd out{::openat(dir, name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC)};
    if (out.fd < 0)
        return fail(error, errno);
    if (!writeAll(out.fd, bytes))
        return fail(error, errno);
    return true;
}

// A new file beside `name`, renamed over it once it is on the disk.
bool replace(int dir, const QByteArray &name, const QByteArray &bytes, bool shared, const struct stat *old,
             QString *error)
{
    // A folder others write in (a class folder) gets what the hand-ins get there: the teacher's
    // group reads it, no pupil does. Elsewhere a new file is as any other, an old one keeps its mode.
    const mode_t mode = old && old->st_uid == ::geteuid() ? old->st_mode & 07777 : shared ? 0640 : 0666;
    Fd out;
    QByteArray temporary;
    for (int attempt = 0; out.fd < 0 && attempt < 10; ++attempt) {
        temporary = '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        out.fd = ::openat(dir, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (out.fd < 0 && errno != EEXIST)
            break;
    }
    if (out.fd < 0)
        return fail(error, errno);
    if (old || shared)
        ::fchmod(out.fd, mode);
    int code = 0;
    if (!writeAll(out.fd, bytes) || ::fsync(out.fd) != 0)
        code = errno ? errno : EIO;
    if (::close(std::exchange(out.fd, -1)) != 0 && !code)
        code = errno;
    if (!code && ::renameat(dir, temporary.constData(), dir, name.constData()) != 0) {
        code = errno;
        // A share whose rename never replaces (some SMB clients): what has the name goes first.
        if (code == EEXIST)
            code = ::unlinkat(dir, name.constData(), 0) != 0                            ? errno
                   : ::renameat(dir, temporary.constData(), dir, name.constData()) == 0 ? 0
                                                                                        : errno;
    }
    if (code) {
        ::unlinkat(dir, temporary.constData(), 0);
        return fail(error, code);
    }
    if (Fd listing{::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)}; listing.fd >= 0)
        ::fsync(listing.fd);
    return true;
}

} // namespace

bool TeacherFile::write(const QString &file, const QByteArray &bytes, QString *error)
{
    QString path = file;
    for (int link = 0; link <= MaxLinks; ++link) {
        const QFileInfo where(path);
        const QByteArray name = QFile::encodeName(where.fileName());
        if (name.isEmpty() || name == "." || name == "..")
            return fail(error, EISDIR);
        Fd dir{::open(QFile::encodeName(where.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
        struct stat folder {
        }, there{};
        if (dir.fd < 0 || ::fstat(dir.fd, &folder) != 0)
            return fail(error, errno);
        const bool exists = ::fstatat(dir.fd, name.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0;
        if (exists && S_ISDIR(there.st_mode))
            return fail(error, EISDIR);
        if (!trusted(folder) || !exists || S_ISREG(there.st_mode))
            return replace(dir.fd, name, bytes, !trusted(folder), exists && S_ISREG(there.st_mode) ? &there : nullptr,
                           error);
        if (!S_ISLNK(there.st_mode))
            return writeThrough(dir.fd, name, bytes, error);
        // The teacher's own link (or the system's, /dev/stdout): what it leads to, if that is a
        // device or a pipe, is written to; a file it leads to is replaced in its own folder, by the
        // same rules, so that a link of the teacher's to a pupil's link is not written through either.
        struct stat target {};
        if (::fstatat(dir.fd, name.constData(), &target, 0) == 0 && !S_ISREG(target.st_mode) &&
            !S_ISDIR(target.st_mode))
            return writeThrough(dir.fd, name, bytes, error);
        QByteArray next(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(dir.fd, name.constData(), next.data(), size_t(next.size()));
        if (length < 0)
            return fail(error, errno);
        next.truncate(length);
        path = QDir(where.path()).filePath(QFile::decodeName(next));
    }
    return fail(error, ELOOP);
}
