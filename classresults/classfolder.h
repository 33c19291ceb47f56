// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "handincsv.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Reading a class folder of hand-ins. Every file in it is untrusted: the folder is often writable by
// every pupil. Only regular files ending in .csv are read, in the folder and one level of folders
// below it (a learning platform's download gives each pupil a folder), links are never followed, a
// file larger than a hand-in can be is not read, and every row is checked against the header. A file
// that fails is named with its fault and left out; the rest are read. Files whose names start with a
// dot (a hand-in being written) and files of other kinds are passed over.
namespace ClassFolder {

// A folder with more files than this is not a class's.
constexpr int MaxFiles = 20000;
// Longer pupil names are cut short: the table has no room for them and no login is that long.
constexpr int MaxNameLength = 64;

struct Pupil {
    HandInCsv::HandIn handIn;
    // The file's path within the class folder.
    QString file;
};

struct BadFile {
    QString file;
    QString fault;
};

struct Class {
    // Sorted by name; one per pupil (the latest hand-in when a pupil handed in more than once).
    QList<Pupil> pupils;
    QList<BadFile> badFiles;
    // Why the folder itself could not be read, or empty.
    QString error;
};

// One hand-in from its bytes; nothing, with the fault in `fault`, when they are not one.
std::optional<HandInCsv::HandIn> parse(const QByteArray &bytes, QString *fault);

Class read(const QString &folder);

// Text to show: control characters and the marks that turn text right to left become U+FFFD, so
// that no name can move the cursor, ring a bell or reverse a table row.
QString shown(const QString &text);
// A cell a spreadsheet will not run as a formula: text starting with =, +, -, @, a tab or a carriage
// return gets a leading apostrophe, which spreadsheets show as text.
QString harmless(const QString &text);
// All pupils' rows in one CSV, in UTF-8 with the hand-in's header: one row per pupil and year.
QByteArray merged(const QList<Pupil> &pupils);

} // namespace ClassFolder
