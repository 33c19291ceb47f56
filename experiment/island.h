// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"
#include "placefield.h"
#include "popupgame.h"

#include <QTimer>

// The island: ten yearly visits. Each visit lays the year's burrows out at random on a fixed grid
// of 65 places, and one rabbit at a time pops up. In the first four visits the pupil counts rabbits
// by clicking them; from the fifth on there are too many and a click reminds the pupil to estimate
// from the burrows instead. Leaving a visit records its count.
class Island : public LessonScreen {
    Q_OBJECT
public:
    explicit Island(Lesson &lesson);

    // Once: centre, seed the lesson's generator from the clock, fill the year table, start the timer.
    void load() override;
    // Every showing, and after the lesson's dialogs close over the island: a fresh layout.
    void activate() override;

    void FillYearTable();
    // Lays out the visit CurrentYear anew: no rabbit up, count 0, new burrow places.
    void ShowYear();
    // Keeps in Counted the largest count of any visit of the current year.
    void RecordCount();
    // One beat of the pop-up timer (every 1500 ms).
    void popupTick();

    ClickableImage *hole(int index) const { return Hole(index); }
    // The burrow places as one stop in the Tab order.
    const PlaceField &holeField() const { return m_holeField; }
    QLabel *calendar(int index) const { return Calendar(index); }
    QLabel *calendarPic(int index) const { return CalendarPic(index); }
    const PopupGame &game() const { return m_game; }
    const QTimer &popupTimer() const { return Popup; }

protected:
    bool cmd_button_Click(int index) override;

private:
    void Hole_Click(int index);

    ControlArray<ClickableImage> Hole;
    ControlArray<QLabel> CalendarPic;
    ControlArray<QLabel> Calendar;
    ControlArray<QLabel> Rabbit;
    QTimer Popup;
    PopupGame m_game;
    PlaceField m_holeField;
};
