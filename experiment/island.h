// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "popupscreen.h"

#include <optional>
#include <utility>

// The island: ten yearly visits. Each visit lays the year's burrows out at random on a fixed grid
// of 65 places, and one rabbit at a time pops up. In the first four visits the pupil counts rabbits
// by clicking them; from the fifth on there are too many and a click reminds the pupil to estimate
// from the burrows instead. Leaving a visit records its count.
class Island : public PopupScreen {
    Q_OBJECT
public:
    explicit Island(Lesson &lesson);

    // Once: start the timer, seed the lesson's generator from the clock, fill the year table.
    void load() override;
    // Every showing, and after the lesson's dialogs close over the island: a fresh layout.
    void activate() override;

    void FillYearTable();
    // Lays out the visit CurrentYear anew: no rabbit up, count 0, new burrow places.
    void ShowYear();
    // The visit of CurrentYear is carried on from a kept lesson: as the island next lays it out, its
    // kept count shows, and as many rabbits are counted already. Given before the island shows.
    void carryOnCount(int counted);
    // Keeps in Counted the largest count of any visit of the current year.
    void RecordCount();

    QLabel *calendar(int index) const { return Calendar(index); }

    // "Island, year 3", with the year the calendar shows.
    QString screenName() const override;
    // The count page's count in the counting years; in the others the reason to estimate and how
    // many burrows there are, which a pupil who cannot see them is not left to count.
    QString instructions() const override;

protected:
    bool cmd_button_Click(int index) override;
    void Hole_Click(int index) override;
    bool countsRabbits() const override;

private:
    ControlArray<QLabel> Calendar;
    // The year carried on, and its count, until it is laid out.
    std::optional<std::pair<int, int>> m_carriedOn;
};
