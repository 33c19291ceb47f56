// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader of a class folder, shared by its two halves: the flat folder (classfolder.cpp) and
// the folder of boxes (classboxes.cpp). Internal to the class's results.
#include "classfolder.h"
#include "classlist.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <atomic>
#include <sys/types.h>

namespace ClassFolder {

// What is said of a bad file, in the lesson's language.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ClassFolder)
};

// A hand-in read, with what the file system says of it.
struct Found {
    Pupil pupil;
    HandInCsv::FileName name;
    uid_t owner = 0;
};

// One file of a folder, as its listing gave it, to be read later (a folder's files are weighed
// before any is read, so that those that matter are read first).
struct Entry {
    // The folder below the class folder it is in (flat folders only; empty at the top), and its name.
    QByteArray folder;
    QByteArray name;
    // Its path within the class folder, as shown.
    QString path;
};

// What reading one file gave: its bytes, the file system's facts, or why it could not be read.
struct Read {
    QByteArray bytes;
    QString fault;
    uid_t owner = 0;
    QDateTime modified;
    // The teacher's own merged CSV, passed over.
    bool merged = false;
};

struct Reader {
    Class result;
    QList<Found> found;
    // Files named as hand-ins that are none, kept until their owners are weighed (their fault in textSays).
    QList<Found> unreadable;
    QList<BadFile> forged;
    // The class list's logins, folded; empty when there is none.
    QSet<QString> listed;
    const std::atomic<bool> *stop = nullptr;
    QHash<uid_t, QString> logins;

    bool stopped() const { return stop && stop->load(std::memory_order_relaxed); }
    // The login that owns files of `uid`, as this machine names it.
    QString loginOf(uid_t uid);
    // A regular file, opened without following a link, read up to one byte more than a hand-in can be.
    static Read readFile(int dir, const char *name);
    // A hand-in from what was read, or its fault.
    std::optional<HandInCsv::HandIn> handIn(const Read &read);
    void bad(const QString &path, const QString &fault);
    void flag(const QString &path, const QString &fault);
    // Keeps the newest of each pupil's hand-ins (by login, and typed name and machine), in order.
    void keepNewest();

    void flat(int dir);
    void listFlat(int dir, const QByteArray &folder, const QString &prefix, QList<Entry> *entries, int *listed);
    void proveByOwners();
    void boxes(int dir, uid_t folderGroup);
    void box(int dir, const QString &login, const QString &path);
};

// The system's reason for an error number, in words.
QString reason(int error);

} // namespace ClassFolder
