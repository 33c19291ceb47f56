// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The years an experiment's screen steps through, first to last, with its two year buttons: the
// forward button (index 0) reads "Next year" and the back button (index 1) "Last year", except at
// the ends, where they lead off the screen and read ">>" and "<<".
struct YearRange {
    static constexpr int Forward = 0;
    static constexpr int Back = 1;

    int first;
    int last;

    bool contains(int year) const { return year >= first && year <= last; }
    QString forwardCaption(int year) const;
    QString backCaption(int year) const;

    // A press of year button `index` moves `year` one step. Within the range the screen stays and
    // lays the new year out with showYear; past either end it leaves. Returns whether the screen
    // leaves, as LessonScreen::cmd_button_Click does; any other index changes nothing and stays.
    bool step(qint16 &year, int index, const std::function<void()> &showYear) const;
};
