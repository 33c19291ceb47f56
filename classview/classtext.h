// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classlist.h"

#include <QColor>
#include <QDateTime>
#include <QSet>

#include <QCoreApplication>

// The words of the class window and the class report, in the lesson's language, so both say the
// same. Every name shown has been through ClassFolder::shown.
struct ClassText {
    Q_DECLARE_TR_FUNCTIONS(ClassView)

public:
    // How many files left out the window names before "and N more".
    static constexpr int ShownBadFiles = 50;
    // The lesson's warning look, for files that claim another pupil's numbers.
    static inline const QColor WarningInk{0x9c, 0x1c, 0x10};
    static inline const QColor WarningPaper{0xff, 0xe8, 0xc0};

    static QString title();
    static QString yearHeading(int year);
    static QString tableName();
    static QString graphName();
    static QString refreshHint();
    // The row that says, year by year, how many pupils gave no count.
    static QString missingRow();
    // "Pupils who handed in: 30", with how many on the class list have not (`missing`, unless
    // negative) and how many files were left out or passed over: numbers, the lists name the files.
    static QString summary(const ClassFolder::Class &handIns, qsizetype missing = -1);
    // Which kind of folder is read, and what it proves of who wrote each hand-in.
    static QString folderKind(const ClassFolder::Class &handIns);
    // The pupils' names, cut short after about `length` characters with how many more there are.
    static QString names(const ClassFolder::Class &handIns, int length);
    // Who is missing by the class list, or that there is no list (and how to give one).
    static QString missingText(const ClassList::List &list, const QStringList &missing, bool window);
    // "anna.csv: only 3 years", a warning sign before a file that claims another pupil's numbers.
    static QString badFileLine(const ClassFolder::BadFile &bad);
    static QString readingNote();
    // The class folder has not answered since `asked`; the numbers shown are those read at `read`
    // (none when invalid); with `waiting`, the teacher pressed F5 meanwhile.
    static QString silentNote(const QDateTime &asked, const QDateTime &read, bool waiting);
    static QString answersAgainNote(const QDateTime &when);
    static QString truthButton(bool shown);
    // What a screen reader hears when T shows or hides the rabbits really there.
    static QString truthSaid(bool shown);
    // What a screen reader hears when pupils hand in while the window is open.
    static QString handedInSaid(const QStringList &pupils);
    static QString printButton();
    // The printed report's name: the print dialog's title and the file name it offers.
    static QString reportName(const QDate &date);
    // One line on standard error for each file left out, and for a folder that cannot be read; with
    // `said`, only the lines not said before (those it holds), which it then holds instead.
    static void reportBadFiles(const QString &folder, const ClassFolder::Class &handIns, QSet<QString> *said = nullptr);
};
