// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "artwork.h"
#include "foxyear.h"
#include "lessonscreen.h"
#include "placefield.h"

#include <QMap>
#include <QPixmap>

class ClickableImage;
class QLabel;

// One of the pictures a screen keeps to copy into its holes, with the name of its artwork so that
// what a hole shows can be told.
struct StoredPicture {
    QPixmap pixmap;
    Picture picture = Picture::RabbitUp;
};

// Pictures kept by index, as the lesson's hidden image controls keep them; they are never shown
// themselves.
class PictureStore {
public:
    void insert(int index, Picture picture, const QSize &size);
    StoredPicture operator()(int index) const { return m_pictures.value(index); }

private:
    QMap<int, StoredPicture> m_pictures;
};

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
    ClickableImage *hole(int index) const { return Hole(index); }
    // The animals' places as one stop in the Tab order.
    const PlaceField &holeField() const { return m_holeField; }
    QLabel *calendar(int index) const { return Calendar(index); }
    const FoxYear &year() const { return m_year; }

protected:
    bool cmd_button_Click(int index) override;

private:
    // Places holes with the given indexes from left to right at rowLeft + 720 * column.
    void addHoleRow(const QList<int> &indexes, double rowLeft, int firstColumn, double top);
    void ShowYear();
    void Hole_Click(int index);
    void showCount();

    ControlArray<ClickableImage> Hole;
    ControlArray<QLabel> CalendarPic;
    ControlArray<QLabel> Calendar;
    PictureStore Rabbit;
    PictureStore Fox;
    FoxYear m_year;
    PlaceField m_holeField;
};
