// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classfolder.h"

#include <QCoreApplication>
#include <QDate>

// The class's results as a PDF for A4 paper, in the lesson's language: the first page the number of
// hand-ins, the date and the class graph; the second the table of every pupil's counts, with the
// class median and the rabbits really there (as many pupils as the page holds; the merged CSV has
// them all).
namespace ClassReport {

bool write(const QString &file, const ClassFolder::Class &handIns, const QDate &date, QString *error);

} // namespace ClassReport
