// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "foxyear.h"
#include "holeboard.h"
#include "lessonscreen.h"

class QLabel;

// The extension experiment: rabbits and foxes on the island over eleven years, year 0 to 10.
// Loading writes the fox experiment's figures into the shared year table; every activation (coming
// from Extend, from Finish, or not at all after a message box) lays the current year out afresh
// with the count at 0. The pupil clicks animals to mark them; marked rabbits are counted on the
// count page, foxes are tallied on the worksheet.
class Foxes : public LessonScreen {
    Q_OBJECT
public:
    explicit Foxes(Lesson &lesson);
    void load() override;
    void activate() override;

    // For tests and tools: the burrow places, the calendar labels (0: year, 1: count) and the year.
    ClickableImage *hole(int index) const { return m_board.hole(index); }
    // The animals' places as one stop in the Tab order.
    const PlaceField &holeField() const { return m_board.field(); }
    QLabel *calendar(int index) const { return Calendar(index); }
    const FoxYear &year() const { return m_year; }

    // "Fox island, year 3", and the count page's count with how many animals the year has.
    QString screenName() const override;
    QString instructions() const override;

protected:
    bool cmd_button_Click(int index) override;

private:
    // Places holes with the given indexes from left to right at rowLeft + 720 * column.
    void addHoleRow(const QList<int> &indexes, double rowLeft, int firstColumn, double top);
    void ShowYear();
    void Hole_Click(int index);
    void showCount();
    // "Rabbits counted: 3", and "All counted." once none is left.
    QString countSaid() const;

    ControlArray<QLabel> Calendar;
    FoxYear m_year;
    HoleBoard m_board;
};
