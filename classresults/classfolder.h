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

namespace ClassList {
struct List;
}

// Reading a class folder of hand-ins. Every file in it is untrusted: pupils write there. Only
// regular files ending in .csv are read, links are never followed, a file larger than a hand-in can
// be is not read, and every row is checked against the header. A file that fails is named with its
// fault and left out; the rest are read. Files whose names start with a dot (a hand-in being
// written) and files of other kinds are passed over and counted.
//
// Whose numbers a file holds is the file system's word, never the file's text. A class folder is one
// of two kinds:
// - A folder of boxes (made by lapinar-boxes, marked by BoxesMark at its top): one folder per pupil,
//   named after the login, which only that pupil can write in, as the file server enforces whatever
//   owners a mount shows. A file in anna/ is anna's. The boxes are the class list. Anything at the
//   top, or a box that others can write in where the mount shows it, is named and never counted.
// - A flat folder every pupil writes in (and one level of folders below it, as a learning platform's
//   download gives): the file's name gives the login, and each file is weighed on its own: proven
//   when its owner is that login; forged, left out and flagged, when its owner is another pupil's
//   login (on the class list, or one that handed in under its own name); otherwise shown, marked
//   unproven (a share mounted for the whole machine, a download, where files show one owner).
// Of two hand-ins of one pupil the newer file counts, by the file system's time, never by a date
// written inside it. However many other files a pupil puts there, every real hand-in is read: each
// box on its own, and in a flat folder the files named after a login on the class list first.
namespace ClassFolder {

// At most this many files are read from a flat folder (those named after the class list first).
constexpr int MaxFiles = 20000;
// At most this many entries of a folder are looked at; the rest are passed over and counted.
constexpr int MaxListed = 200000;
// At most this many entries of one box are looked at beyond the pupil's own file.
constexpr int MaxPerBox = 1000;
// Longer pupil names are cut short: the table has no room for them and no login is that long.
constexpr int MaxNameLength = 64;
// At most this many files left out are kept to be named; the rest are only counted.
constexpr int MaxBadFiles = 200;
// The column the merged CSV adds to the hand-in's header: `yes`, or `no` for a pupil on the class
// list who has not handed in. A file with it is the teacher's own merged CSV, never a hand-in, and
// is passed over however it is named.
inline constexpr char MergedMark[] = "handed_in";
// The file at the top of a folder of boxes that says it is one.
inline constexpr char BoxesMark[] = ".lapinar-boxes";

enum class Kind { Flat, Boxes };
// How a hand-in is known to be its pupil's: by its box, by its file's owner, or not at all.
enum class Proof { Box, Owner, Unproven };

struct Pupil {
    HandInCsv::HandIn handIn;
    // The file's path within the class folder.
    QString file;
    // When the file was last written, by the file system.
    QDateTime modified;
    // The login the file system gives: the box, or the login the file's name gives (on a shared
    // login, the login the name was typed on). Empty: the pupil the text names.
    QString login{};
    // Set by the reader for every hand-in it reads.
    Proof proof = Proof::Owner;
    // A login not on the class list (the teacher trying the lesson): shown apart, left out of the
    // class's figures.
    bool apart = false;
    // In a box, the pupil the file's text names when that is not the box's pupil.
    QString textSays{};
};

struct BadFile {
    QString file;
    QString fault;
    // The file claims numbers for another pupil (its text names someone else, or it is named after a
    // pupil but was written by another login, or a box others can write in): shown first, as a warning.
    bool forged = false;
};

struct Class {
    Kind kind = Kind::Flat;
    // Sorted by name, those apart last; one per pupil (the newest hand-in when a pupil handed in
    // more than once), and one per name typed on a shared login, at each machine.
    QList<Pupil> pupils;
    // Forged files first, then the rest by file; at most MaxBadFiles of them.
    QList<BadFile> badFiles;
    // Files left out beyond those in badFiles.
    int moreBadFiles = 0;
    // Entries passed over without being read: not hand-ins by their kind or name, or beyond a limit.
    qint64 passedOver = 0;
    // Folder of boxes: the boxes, which are the class list.
    QStringList boxes;
    // A folder that says it is a folder of boxes but is not one (every pupil can write at its top).
    bool falseBoxes = false;
    // Why the folder itself could not be read, or empty.
    QString error;
};

// One hand-in from its bytes; nothing, with the fault in `fault`, when they are not one.
std::optional<HandInCsv::HandIn> parse(const QByteArray &bytes, QString *fault);

// Reads `folder`, weighing each hand-in against `list` (the class list, or none). In a folder of
// boxes the list becomes the boxes; a class list inside a flat folder that shows the files of
// different logins with one owner proves nothing, and is refused. Stops soon, with what was read so
// far, once `stop` is set (by another thread).
Class read(const QString &folder, ClassList::List *list = nullptr, const std::atomic<bool> *stop = nullptr);

// The name a pupil is shown by: the login, or the name typed on a shared login marked as typed with
// the login and machine it was typed on; marked when unproven, apart, or its text names another.
QString label(const Pupil &pupil);

// Text to show: control characters, the marks that turn text right to left and invisible
// characters become U+FFFD, so that no name can move the cursor, ring a bell, reverse a table row
// or pass for another by a character no one sees.
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
