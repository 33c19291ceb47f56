// SPDX-License-Identifier: GPL-3.0-or-later
// What both halves of the class folder's reader share: reading one file, naming the logins that own
// files, keeping what is left out, and one hand-in per pupil.
#include "folderreading.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ClassFolder {

namespace {

// Whether a file's first line is the merged CSV's header, never a hand-in's.
bool isMerged(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    QByteArray first = end < 0 ? bytes : bytes.left(end);
    if (first.startsWith("\xef\xbb\xbf"))
        first.remove(0, 3);
    return first.trimmed() == HandInCsv::header() + ',' + MergedMark;
}
// The key of one pupil's hand-ins: the login, and a typed name with its machine.
QString keyOf(const Pupil &pupil)
{
    return pupil.login + QLatin1Char('\n') + pupil.handIn.name + QLatin1Char('\n') +
           (pupil.handIn.name.isEmpty() ? QString() : pupil.handIn.machine);
}
} // namespace

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString Reader::loginOf(uid_t uid)
{
    auto login = logins.find(uid);
    if (login != logins.end())
        return *login;
    QString name;
    if (const passwd *user = ::getpwuid(uid); user && user->pw_name && *user->pw_name)
        name = shown(QString::fromLocal8Bit(user->pw_name));
    else
        //: Who owns a file, when the user has no name on this machine; %1 is the user number.
        name = Words::tr("user number %1").arg(uid);
    return *logins.insert(uid, name);
}

Read Reader::readFile(int dir, const char *name)
{
    Read read;
    const int fd = ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        read.fault = errno == ELOOP ? Words::tr("a link, not followed")
                                    //: Why a file was left out; %1 is the system's reason (e.g. "Permission denied").
                                    : Words::tr("cannot be read: %1").arg(reason(errno));
        return read;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        read.fault = Words::tr("not a plain file");
    } else if (info.st_size > HandInCsv::MaxFileSize) {
        //: Why a file was left out; %1 is its size in bytes.
        read.fault = Words::tr("not a hand-in: too large (%1 bytes)").arg(info.st_size);
        // The class's merged CSV, written here by the teacher, is passed over whatever its size.
        QByteArray start(int(sizeof MergedMark) + 256, '\0');
        const ssize_t n = ::pread(fd, start.data(), size_t(start.size()), 0);
        read.merged = n > 0 && isMerged(start.left(n));
    } else {
        read.bytes.resize(HandInCsv::MaxFileSize + 1);
        qsizetype got = 0;
        while (got < read.bytes.size()) {
            const ssize_t n = ::read(fd, read.bytes.data() + got, size_t(read.bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        read.bytes.truncate(got);
        if (got > HandInCsv::MaxFileSize)
            read.fault = Words::tr("not a hand-in: too large");
        read.merged = read.fault.isEmpty() && isMerged(read.bytes);
    }
    read.owner = info.st_uid;
    read.modified = QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec).addMSecs(info.st_mtim.tv_nsec / 1000000);
    ::close(fd);
    return read;
}

std::optional<HandInCsv::HandIn> Reader::handIn(const Read &read)
{
    if (!read.fault.isEmpty())
        return std::nullopt;
    QString fault;
    return parse(read.bytes, &fault);
}

void Reader::bad(const QString &path, const QString &fault)
{
    if (result.badFiles.size() < MaxBadFiles)
        result.badFiles.append({path, fault, false});
    else
        ++result.moreBadFiles;
}

void Reader::flag(const QString &path, const QString &fault)
{
    if (forged.size() < MaxBadFiles)
        forged.append({path, fault, true});
    else
        ++result.moreBadFiles;
}

void Reader::keepNewest()
{
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        const QString keyA = keyOf(a.pupil), keyB = keyOf(b.pupil);
        if (keyA != keyB)
            return keyA < keyB;
        return a.pupil.modified != b.pupil.modified ? a.pupil.modified > b.pupil.modified : a.pupil.file < b.pupil.file;
    });
    for (const Found &f : std::as_const(found)) {
        if (!result.pupils.isEmpty() && keyOf(result.pupils.last()) == keyOf(f.pupil)) {
            //: Why a file was left out; %1 is the pupil's name.
            bad(f.pupil.file, Words::tr("an earlier hand-in of %1, who handed in again")
                                  .arg(f.pupil.handIn.name.isEmpty() ? f.pupil.login : label(f.pupil)));
            continue;
        }
        Pupil pupil = f.pupil;
        pupil.apart = !listed.isEmpty() && !listed.contains(pupil.login.toCaseFolded()) && pupil.handIn.name.isEmpty();
        result.pupils.append(pupil);
    }
    std::stable_sort(result.pupils.begin(), result.pupils.end(), [](const Pupil &a, const Pupil &b) {
        if (a.apart != b.apart)
            return b.apart;
        const QString nameA = label(a), nameB = label(b);
        if (const int byName = nameA.compare(nameB, Qt::CaseInsensitive); byName != 0)
            return byName < 0;
        return nameA < nameB;
    });
}

} // namespace ClassFolder
