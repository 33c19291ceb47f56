// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "handincsv.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

// Reading a class folder of hand-ins. Every file in it is untrusted: the folder is often writable by
// every pupil. Only regular files ending in .csv are read, in the folder and one level of folders
// below it (a learning platform's download gives each pupil a folder), links are never followed, a
// file larger than a hand-in can be is not read, and every row is checked against the header. A file
// that fails is named with its fault and left out; the rest are read. Files whose names start with a
// dot (a hand-in being written) and files of other kinds are passed over.
//
// Whose numbers a file holds is the file system's word, never the file's: the file's name gives the
// login, and where the folder proves owners (its files have owners of their own, as in a local or
// NFS class folder; not on a share mounted for the whole machine, nor in a download, where every
// file shows one owner) the file's owner must be that login. A file whose text
// names another pupil, or that is named after a pupil but owned by another login, is left out and
// flagged, never shown as that pupil's. Of two hand-ins of one pupil the newer file counts, by the
// file system's time, never by a date written inside it.
namespace ClassFolder {

// A folder with more files than this is not a class's.
constexpr int MaxFiles = 20000;
// Longer pupil names are cut short: the table has no room for them and no login is that long.
constexpr int MaxNameLength = 64;
// At most this many files left out are kept to be named; the rest are only counted.
constexpr int MaxBadFiles = 200;
// The column the merged CSV adds to the hand-in's header: `yes`, or `no` for a pupil on the class
// list who has not handed in. A file with it is the teacher's own merged CSV, never a hand-in, and
// is passed over however it is named.
inline constexpr char MergedMark[] = "handed_in";

struct Pupil {
    HandInCsv::HandIn handIn;
    // The file's path within the class folder.
    QString file;
    // When the file was last written, by the file system.
    QDateTime modified;
};

struct BadFile {
    QString file;
    QString fault;
    // The file claims numbers for another pupil (its text names someone else, or it is named after a
    // pupil but was written by another login): shown first, as a warning.
    bool forged = false;
};

struct Class {
    // Sorted by name; one per pupil (the newest hand-in when a pupil handed in more than once), and
    // one per name typed on a shared login.
    QList<Pupil> pupils;
    // Forged files first, then the rest by file; at most MaxBadFiles of them.
    QList<BadFile> badFiles;
    // Files left out beyond those in badFiles.
    int moreBadFiles = 0;
    // Every hand-in shows one owner: the share cannot prove who wrote which file.
    bool ownersUnproven = false;
    // Why the folder itself could not be read, or empty.
    QString error;
};

// One hand-in from its bytes; nothing, with the fault in `fault`, when they are not one.
std::optional<HandInCsv::HandIn> parse(const QByteArray &bytes, QString *fault);

// Stops soon, with what was read so far, once `stop` is set (by another thread).
Class read(const QString &folder, const std::atomic<bool> *stop = nullptr);

// The name a pupil is shown by: the login, or the name typed on a shared login marked as typed.
QString label(const Pupil &pupil);

// Text to show: control characters and the marks that turn text right to left become U+FFFD, so
// that no name can move the cursor, ring a bell or reverse a table row.
QString shown(const QString &text);
// A cell a spreadsheet will not run as a formula, whether it splits lines on ',', ';' or tab: a
// leading apostrophe before the text, and after each ';' or tab in it, where what follows (past any
// blanks) starts with =, +, -, @ or a quote, and before a leading tab or carriage return.
QString harmless(const QString &text);
// All pupils' rows in one CSV, in UTF-8 with the hand-in's header and `handed_in`: one row per
// pupil and year, then for each of `missing` (on the class list, not handed in) ten rows with only
// the name and the year.
QByteArray merged(const QList<Pupil> &pupils, const QStringList &missing = {});

} // namespace ClassFolder
