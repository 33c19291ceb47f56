// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ClassFolder {

namespace {

// What is said of a bad file, in the lesson's language.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ClassFolder)
};

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString loginOf(uid_t uid)
{
    if (const passwd *user = ::getpwuid(uid); user && user->pw_name && *user->pw_name)
        return QString::fromLocal8Bit(user->pw_name);
    //: Who owns a file, when the user has no name on this machine; %1 is the user number.
    return Words::tr("user number %1").arg(uid);
}

// Whether a file's first line is the merged CSV's header, never a hand-in's.
bool isMerged(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    QByteArray first = end < 0 ? bytes : bytes.left(end);
    if (first.startsWith("\xef\xbb\xbf"))
        first.remove(0, 3);
    return first.trimmed() == HandInCsv::header() + ',' + MergedMark;
}

// A hand-in read, with what the file system says of it.
struct Found {
    Pupil pupil;
    HandInCsv::FileName name;
    uid_t owner = 0;
};

// A file named as a hand-in that is not one, kept until its owner is weighed with the others'.
struct Unreadable {
    BadFile bad;
    HandInCsv::FileName name;
    uid_t owner = 0;
};

struct Reader {
    Class result;
    QList<Found> found;
    QList<Unreadable> unreadable;
    QList<BadFile> forged;
    int files = 0;
    const std::atomic<bool> *stop = nullptr;

    void folder(int dir, const QString &prefix, bool descend)
    {
        DIR *listing = ::fdopendir(dir);
        if (!listing) {
            ::close(dir);
            return;
        }
        while (const dirent *entry = ::readdir(listing)) {
            if (stop && stop->load(std::memory_order_relaxed))
                break;
            const QString name = QFile::decodeName(entry->d_name);
            if (name.startsWith(QLatin1Char('.')))
                continue;
            struct stat info {};
            if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            const QString path = prefix + name;
            if (S_ISDIR(info.st_mode)) {
                if (!descend)
                    continue;
                const int sub =
                    ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (sub >= 0)
                    folder(sub, path + QLatin1Char('/'), false);
                continue;
            }
            if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
                continue;
            if (++files > MaxFiles) {
                //: Why a file was left out; %1 is the most files a class folder may hold.
                bad(path, Words::tr("more than %1 files in the class folder; not read").arg(MaxFiles));
                continue;
            }
            if (S_ISLNK(info.st_mode))
                bad(path, Words::tr("a link, not followed"));
            else if (!S_ISREG(info.st_mode))
                bad(path, Words::tr("not a plain file"));
            else if (const std::optional<HandInCsv::FileName> handInName = HandInCsv::parseFileName(name))
                file(::dirfd(listing), entry->d_name, path, *handInName);
            else
                bad(path, Words::tr("not a hand-in: its name is not a pupil's"));
        }
        ::closedir(listing);
    }

    void file(int dir, const char *entry, const QString &path, const HandInCsv::FileName &name)
    {
        const int fd = ::openat(dir, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            //: Why a file was left out; %1 is the system's reason.
            return bad(path, Words::tr("cannot be read: %1").arg(reason(errno)));
        struct stat info {};
        QByteArray bytes;
        QString fault;
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            fault = Words::tr("not a plain file");
        } else if (info.st_size > HandInCsv::MaxFileSize) {
            //: Why a file was left out; %1 is its size in bytes.
            fault = Words::tr("not a hand-in: too large (%1 bytes)").arg(info.st_size);
            // The class's merged CSV, written here by the teacher, is passed over whatever its size.
            QByteArray start(int(sizeof MergedMark) + 256, '\0');
            const ssize_t n = ::pread(fd, start.data(), size_t(start.size()), 0);
            if (n > 0 && isMerged(start.left(n))) {
                ::close(fd);
                return;
            }
        } else {
            bytes.resize(HandInCsv::MaxFileSize + 1);
            qsizetype got = 0;
            while (got < bytes.size()) {
                const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                got += n;
            }
            bytes.truncate(got);
            if (got > HandInCsv::MaxFileSize)
                fault = Words::tr("not a hand-in: too large");
        }
        ::close(fd);
        if (fault.isEmpty() && isMerged(bytes))
            return;
        if (fault.isEmpty()) {
            if (std::optional<HandInCsv::HandIn> handIn = parse(bytes, &fault)) {
                Found one{{*handIn, path,
                           QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec).addMSecs(info.st_mtim.tv_nsec / 1000000)},
                          name,
                          info.st_uid};
                // The pupil column and the typed name are checked against the file's name, never
                // taken from the text.
                if (handIn->pupil != shown(name.login).left(MaxNameLength))
                    return flag(
                        path,
                        //: A forged file, left out; %1 is the pupil its text names, %2 the login its file name gives.
                        Words::tr("says it is %1's, but its name is %2's").arg(handIn->pupil, name.login));
                if (handIn->name != shown(name.name).left(HandInCsv::MaxTypedLength))
                    //: A forged file, left out; %1 is the name its text gives, %2 the name its file name gives.
                    return flag(path, Words::tr("says it is %1's, but its name says %2").arg(handIn->name, name.name));
                found.append(one);
                return;
            }
        }
        if (unreadable.size() < MaxBadFiles)
            unreadable.append({{path, fault, false}, name, info.st_uid});
        else
            bad(path, fault);
    }

    void bad(const QString &path, const QString &fault)
    {
        if (result.badFiles.size() < MaxBadFiles)
            result.badFiles.append({path, fault, false});
        else
            ++result.moreBadFiles;
    }

    void flag(const QString &path, const QString &fault)
    {
        if (forged.size() < MaxBadFiles)
            forged.append({path, fault, true});
        else
            ++result.moreBadFiles;
    }

    // Who wrote each file, where the folder can tell; then one hand-in per pupil, the newest.
    void prove(uid_t folderOwner)
    {
        // Owners prove nothing where every file has one: a share mounted for the whole machine, a
        // learning platform's download. A lone file proves nothing if it is the folder owner's.
        const uid_t first = found.isEmpty() ? folderOwner : found.first().owner;
        result.ownersUnproven = !found.isEmpty() && std::all_of(found.begin(), found.end(), [first](const Found &f) {
            return f.owner == first;
        }) && (found.size() > 1 || first == folderOwner);
        QHash<uid_t, QString> logins;
        QList<Found> proven;
        for (const Found &f : std::as_const(found)) {
            if (!result.ownersUnproven) {
                auto login = logins.find(f.owner);
                if (login == logins.end())
                    login = logins.insert(f.owner, loginOf(f.owner));
                if (*login != f.name.login) {
                    flag(f.pupil.file,
                         //: A file put there by another login, left out; %1 is the login of its name, %2 the login that
                         //: owns it.
                         Words::tr("named after %1, but written by %2").arg(f.pupil.handIn.pupil, shown(*login)));
                    continue;
                }
            }
            proven.append(f);
        }
        // A file named after a pupil that is no hand-in is still another login's doing, if it is.
        for (const Unreadable &u : std::as_const(unreadable)) {
            auto login = logins.find(u.owner);
            if (!result.ownersUnproven && login == logins.end())
                login = logins.insert(u.owner, loginOf(u.owner));
            if (!result.ownersUnproven && *login != u.name.login)
                flag(u.bad.file, Words::tr("named after %1, but written by %2")
                                     .arg(shown(u.name.login).left(MaxNameLength), shown(*login)));
            else
                bad(u.bad.file, u.bad.fault);
        }
        std::sort(proven.begin(), proven.end(), [](const Found &a, const Found &b) {
            const QString nameA = label(a.pupil), nameB = label(b.pupil);
            if (const int byName = nameA.compare(nameB, Qt::CaseInsensitive); byName != 0)
                return byName < 0;
            if (nameA != nameB)
                return nameA < nameB;
            return a.pupil.modified != b.pupil.modified ? a.pupil.modified > b.pupil.modified
                                                        : a.pupil.file < b.pupil.file;
        });
        for (const Found &f : std::as_const(proven)) {
            if (!result.pupils.isEmpty() && label(result.pupils.last()) == label(f.pupil))
                //: Why a file was left out; %1 is the pupil's name.
                bad(f.pupil.file, Words::tr("an earlier hand-in of %1, who handed in again").arg(label(f.pupil)));
            else
                result.pupils.append(f.pupil);
        }
    }
};

} // namespace

Class read(const QString &folder, const std::atomic<bool> *stop)
{
    Reader reader;
    reader.stop = stop;
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (dir < 0 || ::fstat(dir, &info) != 0) {
        reader.result.error = reason(errno);
        if (dir >= 0)
            ::close(dir);
        return reader.result;
    }
    reader.folder(dir, QString(), true);
    reader.prove(info.st_uid);
    QList<BadFile> &badFiles = reader.result.badFiles;
    for (BadFile &badFile : badFiles)
        badFile.file = shown(badFile.file);
    for (BadFile &badFile : reader.forged)
        badFile.file = shown(badFile.file);
    const auto byFile = [](const BadFile &a, const BadFile &b) { return a.file < b.file; };
    std::sort(badFiles.begin(), badFiles.end(), byFile);
    std::sort(reader.forged.begin(), reader.forged.end(), byFile);
    badFiles = reader.forged + badFiles;
    if (badFiles.size() > MaxBadFiles) {
        reader.result.moreBadFiles += int(badFiles.size() - MaxBadFiles);
        badFiles.resize(MaxBadFiles);
    }
    return reader.result;
}

QString label(const Pupil &pupil)
{
    //: A name a pupil typed on a shared login, not proven by a login; %1 is the name (up to 32 letters).
    return pupil.handIn.name.isEmpty() ? pupil.handIn.pupil : Words::tr("%1 (typed)").arg(pupil.handIn.name);
}

} // namespace ClassFolder
