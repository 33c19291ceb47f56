// SPDX-License-Identifier: GPL-3.0-or-later
#include "classlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ClassList {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(ClassList)
};

} // namespace

List read(const QString &folder, const QString &file)
{
    List list;
    const bool own = file.isEmpty();
    list.file = own ? QDir(folder).filePath(QString::fromLatin1(FileName)) : file;
    const int fd = ::open(QFile::encodeName(list.file).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (!own || errno != ENOENT)
            //: Why the class list is not used; %1 is the system's reason (e.g. "Permission denied").
            list.error = Words::tr("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return list;
    }
    struct stat info {
    }, folderInfo{};
    QByteArray bytes;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        list.error = Words::tr("not a plain file");
    } else if (info.st_size > MaxFileSize) {
        list.error = Words::tr("too large for a class list");
    } else if (own && info.st_uid != ::geteuid() &&
               (::stat(QFile::encodeName(folder).constData(), &folderInfo) != 0 || info.st_uid != folderInfo.st_uid)) {
        list.error = Words::tr("not written by you nor by the folder's owner: a pupil may have put it there");
    } else {
        bytes.resize(MaxFileSize);
        const ssize_t got = ::read(fd, bytes.data(), size_t(bytes.size()));
        bytes.truncate(got < 0 ? 0 : got);
    }
    ::close(fd);
    list.inFolder = own;
    list.owner = info.st_uid;
    if (!list.error.isEmpty())
        return list;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    QSet<QString> seen;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString name = ClassFolder::shown(line.trimmed()).left(ClassFolder::MaxNameLength);
        if (name.isEmpty() || name.startsWith(QLatin1Char('#')) || seen.contains(name.toCaseFolded()))
            continue;
        seen.insert(name.toCaseFolded());
        list.pupils << name;
    }
    list.given = true;
    return list;
}

QStringList missing(const List &list, const QList<ClassFolder::Pupil> &pupils)
{
    QSet<QString> logins, typed;
    for (const ClassFolder::Pupil &pupil : pupils) {
        logins.insert((pupil.login.isEmpty() ? pupil.handIn.pupil : pupil.login).toCaseFolded());
        if (!pupil.handIn.name.isEmpty())
            typed.insert(pupil.handIn.name.toCaseFolded());
    }
    QStringList out;
    for (const QString &name : list.pupils) {
        const QString folded = name.toCaseFolded();
        if (logins.contains(folded))
            continue;
        // A typed name is anyone's: it never stands for a login.
        if (typed.contains(folded) && !::getpwnam(QFile::encodeName(name).constData()))
            continue;
        out << name;
    }
    return out;
}

} // namespace ClassList
