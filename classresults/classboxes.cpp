// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of boxes: one folder per pupil, which only that pupil can write in. The box is the pupil,
// whatever owner a mount shows and whatever the files in it say.
#include "folderreading.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ClassFolder {

namespace {

// At most this many files of one box are read beyond the pupil's own; the rest are passed over.
constexpr int MaxReadPerBox = 20;

// A box's name as it may be a login's: shown as it is, no hidden or relative name.
bool loginName(const QByteArray &name)
{
    const QString text = QFile::decodeName(name);
    return !name.startsWith('.') && text.size() <= MaxNameLength && shown(text) == text &&
           QFile::encodeName(text) == name;
}

} // namespace

void Reader::boxes(int dir, uid_t folderGroup)
{
    DIR *listing = ::fdopendir(::dup(dir));
    if (!listing)
        return;
    QList<QByteArray> boxNames;
    int listed = 0;
    while (const dirent *entry = ::readdir(listing)) {
        if (stopped())
            break;
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || name == BoxesMark)
            continue;
        if (++listed > MaxListed) {
            ++result.passedOver;
            continue;
        }
        const QString path = QFile::decodeName(name);
        struct stat info {};
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ++result.passedOver;
        } else if (S_ISDIR(info.st_mode) && loginName(name)) {
            // A box others can write in, where the mount shows it, proves nothing of its pupil.
            const bool open = (info.st_mode & S_IWOTH) || ((info.st_mode & S_IWGRP) && info.st_gid != folderGroup);
            if (open)
                //: A pupil's box in the class folder whose hand-ins are not counted.
                flag(path + QLatin1Char('/'), Words::tr("a box others can write in, so nothing in it is counted"));
            else
                boxNames << name;
            result.boxes << path;
        } else if (name.startsWith('.') || name == ClassList::FileName) {
            // The technician's and the teacher's own, where no pupil can write.
            continue;
        } else if (S_ISREG(info.st_mode) && Reader::readFile(::dirfd(listing), entry->d_name).merged) {
            continue;
        } else {
            bad(path + (S_ISDIR(info.st_mode) ? QStringLiteral("/") : QString()),
                Words::tr("at the top of a folder of boxes, where no pupil's hand-in belongs; not counted"));
        }
    }
    ::closedir(listing);
    if (listed > MaxListed)
        bad(QStringLiteral("."), Words::tr("more than %1 entries; the rest were not looked at").arg(MaxListed));
    std::sort(result.boxes.begin(), result.boxes.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QByteArray &name : std::as_const(boxNames)) {
        if (stopped())
            return;
        const int fd = ::openat(dir, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            //: Why a file or box was left out; %1 is the system's reason (e.g. "Permission denied").
            bad(QFile::decodeName(name) + QLatin1Char('/'), Words::tr("cannot be read: %1").arg(reason(errno)));
            continue;
        }
        box(fd, QFile::decodeName(name), QFile::decodeName(name) + QLatin1Char('/'));
        ::close(fd);
    }
}

void Reader::box(int dir, const QString &login, const QString &prefix)
{
    const QByteArray own = QFile::encodeName(HandInCsv::fileName(login));
    const auto take = [&](const QByteArray &entry) {
        const QString path = prefix + QFile::decodeName(entry);
        const Read read = readFile(dir, entry.constData());
        if (read.merged)
            return;
        QString fault = read.fault;
        std::optional<HandInCsv::HandIn> handIn;
        if (fault.isEmpty())
            handIn = parse(read.bytes, &fault);
        if (!handIn) {
            bad(path, fault);
            return;
        }
        Found one{{*handIn, path, read.modified, login, Proof::Box, false, QString()}, {}, read.owner};
        // The box says whose it is; a typed name, as the file's name gives it, is kept beside.
        if (handIn->pupil != login)
            one.pupil.textSays = handIn->pupil;
        one.pupil.handIn.pupil = login;
        const std::optional<HandInCsv::FileName> name = HandInCsv::parseFileName(QFile::decodeName(entry));
        one.pupil.handIn.name = name ? shown(name->name).left(HandInCsv::MaxTypedLength) : QString();
        if (name && name->own)
            one.pupil.handIn.machine = shown(name->machine).left(MaxNameLength);
        found.append(one);
    };
    // The pupil's own file first, by its name: however much else is in the box, it is read.
    struct stat info {};
    if (::fstatat(dir, own.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISREG(info.st_mode))
            take(own);
        else
            bad(prefix + QFile::decodeName(own),
                S_ISLNK(info.st_mode) ? Words::tr("a link, not followed") : Words::tr("not a plain file"));
    }
    DIR *listing = ::fdopendir(::dup(dir));
    if (!listing)
        return;
    int listed = 0, read = 0;
    while (const dirent *entry = ::readdir(listing)) {
        if (stopped())
            break;
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || name == own)
            continue;
        // Beyond the limit the box is not listed further: what else is there is said as more.
        if (++listed > MaxPerBox) {
            //: Why part of a pupil's box was not read; %1 is the most entries looked at in one box.
            bad(prefix,
                Words::tr("more than %1 other entries in this box; the rest were not looked at").arg(MaxPerBox));
            ++result.passedOver;
            break;
        }
        const bool csv = name.size() > 4 && name.right(4).toLower() == ".csv" && !name.startsWith('.');
        if (!csv || ::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ++result.passedOver;
        } else if (S_ISLNK(info.st_mode)) {
            bad(prefix + QFile::decodeName(name), Words::tr("a link, not followed"));
        } else if (!S_ISREG(info.st_mode)) {
            bad(prefix + QFile::decodeName(name), Words::tr("not a plain file"));
        } else if (++read > MaxReadPerBox) {
            ++result.passedOver;
        } else {
            take(name);
        }
    }
    ::closedir(listing);
}

} // namespace ClassFolder
