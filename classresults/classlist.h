// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <QString>
#include <QStringList>

// The class list: the logins (or, on a shared login, the names) of the pupils a class folder should
// hear from, one a line, in a plain text file the teacher writes: `class.txt` in the class folder,
// or a file given with --roster. Blank lines and lines starting with '#' are passed over. In a
// folder every pupil can write to, a pupil could put a list there first: one the teacher or the
// folder's owner did not write is not used, and the teacher is told.
namespace ClassList {

// The list the class folder holds for itself.
inline constexpr char FileName[] = "class.txt";
// No class is longer; a file larger than this is not a class list.
constexpr qint64 MaxFileSize = 64 * 1024;

struct List {
    // The file read, or the one that would have been: the folder's own when none was given.
    QString file;
    QStringList pupils;
    // Whether there is a list to go by.
    bool given = false;
    // Why the list could not be used, or empty.
    QString error;
    // The class folder's own list, and who the file system says wrote it.
    bool inFolder = false;
    unsigned owner = 0;
};

// The list given, or the class folder's own when `file` is empty (no list at all is no error then).
List read(const QString &folder, const QString &file);

// Who on the list has not handed in: each name is matched, blind to case, against the pupils'
// logins, and against the names typed on a shared login where it is no login of its own (not a login
// of this machine, nor one that handed in). Pupils shown apart or unproven still count as handed in.
QStringList missing(const List &list, const QList<ClassFolder::Pupil> &pupils);

} // namespace ClassList
