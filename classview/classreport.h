// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classlist.h"

#include <QCoreApplication>
#include <QDate>

class QPagedPaintDevice;

// The class's results as a PDF for A4 paper, in the lesson's language: the first page the number of
// hand-ins, the date and the class graph; the second the table of every pupil's counts, with the
// class median and the rabbits really there (as many pupils as the page holds; the merged CSV has
// them all); then every file left out, with its reason. Who has not handed in is on the first page
// when there is a class list.
namespace ClassReport {

// Writes `bytes` as TeacherFile::write does: beside `file`, put in its place only when whole, never
// through a link a pupil planted; false with the reason when it cannot.
bool save(const QString &file, const QByteArray &bytes, QString *error);
// The report, saved as above.
bool write(const QString &file, const ClassFolder::Class &handIns, const QDate &date, QString *error,
           const ClassList::List &list = {});
// The same pages on any paged device (a printer) at Paper::Resolution.
bool draw(QPagedPaintDevice &device, const ClassFolder::Class &handIns, const ClassList::List &list, const QDate &date);

} // namespace ClassReport
