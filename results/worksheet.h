// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The printed worksheet that goes alongside the lesson, in the language installed now, on A4 pages:
// the eight worksheet questions with room to write, the results table of years 0 to 9 beside a graph
// grid with the results graph's scales and axis titles, and the extension's table of rabbits and foxes.
// It needs a GUI application for its fonts, but no window and no display.
class Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)

public:
    // Writes the worksheet to `file` as PDF. False, with the reason in `error`, when it cannot.
    static bool write(const QString &file, QString *error = nullptr);
};
