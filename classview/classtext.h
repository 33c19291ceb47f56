// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <QCoreApplication>

// The words of the class window and the class report, in the lesson's language, so both say the
// same. Every name shown has been through ClassFolder::shown.
struct ClassText {
    Q_DECLARE_TR_FUNCTIONS(ClassView)

public:
    static QString title();
    static QString yearHeading(int year);
    static QString tableName();
    static QString graphName();
    static QString refreshHint();
    // The row that says, year by year, how many pupils gave no count.
    static QString missingRow();
    // "30 pupils handed in", with the files left out when there are any.
    static QString summary(const ClassFolder::Class &handIns);
    // The pupils' names, cut short after about `length` characters with how many more there are.
    static QString names(const ClassFolder::Class &handIns, int length);
    // One line on standard error for each file left out, and for a folder that cannot be read.
    static void reportBadFiles(const QString &folder, const ClassFolder::Class &handIns);
};
