// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfolder.h"

#include "folderreading.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace ClassFolder {

namespace {

// A file system whose owners a mount shows as it pleases: FUSE (smbnetfs) and the kernel's SMB client.
bool mountInventsOwners(int dir)
{
    struct statfs info {};
    if (::fstatfs(dir, &info) != 0)
        return true;
    constexpr unsigned long fuse = 0x65735546, cifs = 0xFF534D42, smb2 = 0xFE534D42, smb = 0x517B;
    const auto type = static_cast<unsigned long>(info.f_type);
    return type == fuse || type == cifs || type == smb2 || type == smb;
}

bool csvName(const QByteArray &name)
{
    return name.size() > 4 && name.right(4).toLower() == ".csv";
}

} // namespace

void Reader::listFlat(int dir, const QByteArray &folder, const QString &prefix, QList<Entry> *entries, int *listed)
{
    DIR *listing = ::fdopendir(dir);
    if (!listing) {
        ::close(dir);
        return;
    }
    while (const dirent *entry = ::readdir(listing)) {
        if (stopped())
            break;
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        if (++*listed > MaxListed) {
            ++result.passedOver;
            continue;
        }
        // A hand-in being written, the class list, the mark of a folder of boxes: no pupil's hand-in.
        if (name.startsWith('.') || (folder.isEmpty() && name == ClassList::FileName))
            continue;
        const QString path = prefix + QFile::decodeName(name);
        struct stat info {};
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            ++result.passedOver;
            continue;
        }
        if (S_ISDIR(info.st_mode) && folder.isEmpty()) {
            const int sub = ::openat(::dirfd(listing), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0)
                listFlat(sub, name, path + QLatin1Char('/'), entries, listed);
        } else if (!csvName(name)) {
            ++result.passedOver;
        } else if (S_ISLNK(info.st_mode)) {
            bad(path, Words::tr("a link, not followed"));
        } else if (!S_ISREG(info.st_mode)) {
            bad(path, Words::tr("not a plain file"));
        } else {
            entries->append({folder, name, path});
        }
    }
    ::closedir(listing);
}

void Reader::flat(int dir)
{
    QList<Entry> entries;
    int count = 0;
    listFlat(::dup(dir), QByteArray(), QString(), &entries, &count);
    if (count > MaxListed)
        //: Why part of a class folder was not read; %1 is the most entries looked at.
        bad(QStringLiteral("."), Words::tr("more than %1 entries; the rest were not looked at").arg(MaxListed));
    // Files named after a login on the class list first, then, when there are more than can be read,
    // after a login of this machine, so that no number of other files keeps a real hand-in unread.
    struct Named {
        Entry entry;
        HandInCsv::FileName name;
        int rank = 0;
    };
    QList<Named> named;
    for (const Entry &entry : std::as_const(entries)) {
        if (const std::optional<HandInCsv::FileName> name = HandInCsv::parseFileName(QFile::decodeName(entry.name)))
            named.append({entry, *name, listed.contains(name->login.toCaseFolded()) ? 0 : 2});
        else
            bad(entry.path, Words::tr("not a hand-in: its name is not a pupil's"));
    }
    if (named.size() > MaxFiles)
        for (Named &n : named)
            if (n.rank == 2 && ::getpwnam(QFile::encodeName(n.name.login).constData()))
                n.rank = 1;
    std::stable_sort(named.begin(), named.end(), [](const Named &a, const Named &b) { return a.rank < b.rank; });
    if (named.size() > MaxFiles) {
        //: Why files of a class folder were not read; %1 is how many, %2 the most that are read.
        bad(QStringLiteral("."), Words::tr("%1 more files named as hand-ins than the %2 read; not read")
                                     .arg(named.size() - MaxFiles)
                                     .arg(MaxFiles));
        result.passedOver += named.size() - MaxFiles;
        named.resize(MaxFiles);
    }
    for (const Named &n : std::as_const(named)) {
        if (stopped())
            return;
        int in = dir;
        if (!n.entry.folder.isEmpty())
            in = ::openat(dir, n.entry.folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        Read read;
        if (in >= 0)
            read = readFile(in, n.entry.name.constData());
        else
            read.fault = reason(errno);
        if (in != dir && in >= 0)
            ::close(in);
        if (read.merged)
            continue;
        QString fault = read.fault;
        std::optional<HandInCsv::HandIn> handIn;
        if (fault.isEmpty())
            handIn = parse(read.bytes, &fault);
        Found one{{}, n.name, read.owner};
        one.pupil.file = n.entry.path;
        one.pupil.modified = read.modified;
        one.pupil.login = shown(n.name.login).left(MaxNameLength);
        if (!handIn) {
            // Kept, with no hand-in, so that its owner is weighed as the others' are.
            one.pupil.textSays = fault;
            unreadable.append(one);
            continue;
        }
        // The pupil column and the typed name are checked against the file's name, never taken
        // from the text.
        if (handIn->pupil != one.pupil.login) {
            //: A forged file, left out; %1 is the pupil its text names, %2 the login its file name gives.
            flag(n.entry.path, Words::tr("says it is %1's, but its name is %2's").arg(handIn->pupil, one.pupil.login));
            continue;
        }
        if (handIn->name != shown(n.name.name).left(HandInCsv::MaxTypedLength)) {
            //: A forged file, left out; %1 is the name its text gives, %2 the name its file name gives.
            flag(n.entry.path,
                 Words::tr("says it is %1's, but its name says %2").arg(handIn->name, shown(n.name.name)));
            continue;
        }
        one.pupil.handIn = *handIn;
        found.append(one);
    }
    proveByOwners();
}

void Reader::proveByOwners()
{
    // The logins that handed in under their own names, as their files' owners show.
    QSet<QString> ownHandIns;
    for (const Found &f : std::as_const(found))
        if (f.pupil.handIn.name.isEmpty() && loginOf(f.owner) == f.pupil.login)
            ownHandIns.insert(f.pupil.login.toCaseFolded());
    // A pupil's: on the class list, or handed in under their own name.
    const auto pupilsLogin = [&](const QString &login) {
        return listed.contains(login.toCaseFolded()) || ownHandIns.contains(login.toCaseFolded());
    };
    QList<Found> kept;
    for (Found f : std::as_const(found)) {
        const QString owner = loginOf(f.owner);
        if (owner != f.pupil.login && pupilsLogin(owner)) {
            //: A file put there by another login, left out; %1 is the login of its name, %2 the login that
            //: owns it.
            flag(f.pupil.file, Words::tr("named after %1, but written by %2").arg(f.pupil.login, owner));
            continue;
        }
        // A name typed on a login of a pupil's own is no shared login's: someone passing as another.
        if (!f.pupil.handIn.name.isEmpty() && pupilsLogin(f.pupil.login)) {
            //: A forged file, left out; %1 is the name typed, %2 the login, which is a pupil's own.
            flag(f.pupil.file,
                 Words::tr("the name %1 typed on %2, a pupil's own login").arg(f.pupil.handIn.name, f.pupil.login));
            continue;
        }
        f.pupil.proof = owner == f.pupil.login ? Proof::Owner : Proof::Unproven;
        kept.append(f);
    }
    found = kept;
    // A file named after a pupil that is no hand-in is still another pupil's doing, if it is.
    for (const Found &u : std::as_const(unreadable)) {
        const QString owner = loginOf(u.owner);
        if (owner != u.pupil.login && pupilsLogin(owner))
            flag(u.pupil.file, Words::tr("named after %1, but written by %2").arg(u.pupil.login, owner));
        else
            bad(u.pupil.file, u.pupil.textSays);
    }
}

Class read(const QString &folder, ClassList::List *list, const std::atomic<bool> *stop)
{
    Reader reader;
    reader.stop = stop;
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info {
    }, mark{};
    if (dir < 0 || ::fstat(dir, &info) != 0) {
        reader.result.error = reason(errno);
        if (dir >= 0)
            ::close(dir);
        return reader.result;
    }
    if (list && list->given && list->error.isEmpty())
        for (const QString &pupil : std::as_const(list->pupils))
            reader.listed.insert(pupil.toCaseFolded());
    const bool marked = ::fstatat(dir, BoxesMark, &mark, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(mark.st_mode);
    // Where the mount shows that every pupil can write at the top, the mark proves nothing.
    reader.result.falseBoxes = marked && (info.st_mode & S_IWOTH);
    if (marked && !reader.result.falseBoxes) {
        reader.result.kind = Kind::Boxes;
        reader.boxes(dir, info.st_gid);
        reader.listed.clear();
        for (const QString &box : std::as_const(reader.result.boxes))
            reader.listed.insert(box.toCaseFolded());
        if (list) {
            list->file = folder;
            list->pupils = reader.result.boxes;
            list->given = true;
            list->error.clear();
        }
    } else {
        reader.flat(dir);
        // A class list in a folder on a mount that shows other logins' files as written by the
        // list's owner (the teacher's own Samba mount) was as likely put there by a pupil. On a local
        // disk, owners are the file system's own: there the teacher put them (a platform's download).
        if (list && list->inFolder && list->error.isEmpty() && mountInventsOwners(dir))
            for (const Found &f : std::as_const(reader.found))
                if (f.owner == list->owner && reader.loginOf(f.owner) != f.pupil.login) {
                    //: Why the class list in the class folder is not used; %1 is who the folder shows as its
                    //: owner.
                    list->error = Words::tr("this folder shows other logins' files as written by %1 too, so a "
                                            "pupil may have written it; give the class list with --roster from a "
                                            "folder of your own")
                                      .arg(reader.loginOf(f.owner));
                    list->given = false;
                    break;
                }
        if (list && !list->given)
            reader.listed.clear();
    }
    ::close(dir);
    reader.keepNewest();
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
    const QString login = pupil.login.isEmpty() ? pupil.handIn.pupil : pupil.login;
    QString name = pupil.handIn.name.isEmpty()
                       ? login
                       //: A name a pupil typed on a shared login, not proven by a login; %1 is the name (up to 32
                       //: letters), %2 the login it was typed on, %3 the machine.
                       : Words::tr("%1 (typed: %2@%3)").arg(pupil.handIn.name, login, pupil.handIn.machine);
    if (!pupil.textSays.isEmpty())
        //: A hand-in in a pupil's box whose text names someone else; %1 is the box's pupil, %2 the name in the text.
        name = Words::tr("%1 (its text says %2)").arg(name, pupil.textSays);
    if (pupil.proof == Proof::Unproven && pupil.handIn.name.isEmpty())
        //: A hand-in whose writer the folder cannot prove; %1 is the pupil's name.
        name = Words::tr("%1 (unproven)").arg(name);
    if (pupil.apart)
        //: A login that handed in but is not on the class list; %1 is the login.
        name = Words::tr("%1 (not on the class list)").arg(name);
    return name;
}

} // namespace ClassFolder
