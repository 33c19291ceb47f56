// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What `lapinar --class FOLDER` does: with --csv or --report, writes the class's results to a file
// and ends, without a display; alone, opens the class window. Each returns the program's exit
// status; every bad hand-in is named on standard error. `roster` is the class list given with
// --roster, or empty for the folder's own class.txt.
namespace ClassCommand {

int writeCsv(const QString &folder, const QString &file, const QString &roster);
int writeReport(const QString &folder, const QString &file, const QString &roster);
// Needs the QApplication running; returns when the window is closed.
int showWindow(const QString &folder, const QString &roster);

} // namespace ClassCommand
