// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The teacher's own files (the merged CSV, the report), written as the hand-in writes a pupil's: a
// new file beside the name, made without following links, written, put on the disk and renamed over
// the name, so that an earlier file stays until the new one is whole and a link a pupil planted in a
// class folder is replaced, never written through.
//
// Only a folder that no one but the teacher and the system can write in is trusted with links: there
// a link is followed, one step at a time, and a device or a pipe (/dev/stdout, /dev/full) is written
// to as it is. In any other folder, a class folder or a pupil's box, whatever has the name goes.
namespace TeacherFile {

// False with the reason in `error` when the file cannot be written.
bool write(const QString &file, const QByteArray &bytes, QString *error);

} // namespace TeacherFile
