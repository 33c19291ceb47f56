// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "holestates.h"
#include "lapinar1.h"
#include "yearrange.h"

#include <QString>
#include <functional>

class Random;

// The fox experiment's population: rabbits and foxes on the island in years 0 to 10.
namespace FoxFigures {

constexpr int FirstYear = 0;
constexpr int LastYear = 10;
constexpr YearRange Years{FirstYear, LastYear};

// Writes the fox experiment's rabbits and foxes of every year over the shared year table.
void FillYearTable(LAPINAR1 &state);

// "Year", the lesson's line break, then the year's number: the caption of the year page.
QString yearCaption(int year, const QString &newLine);

} // namespace FoxFigures

// One year on the fox island, without widgets: which animal sits at each of the 78 burrow places
// and how many rabbits the pupil has counted. A layout clears every place, then puts the rabbits and
// after them the foxes, each on a free place drawn at random among 1 to 77 (place 0 stays empty).
// Clicks then mark animals; only rabbits add to the count. Each place that changes is reported with
// its number, as the pop-up game reports its holes.
class FoxYear {
public:
    static constexpr int HoleCount = 78;
    // Animals are drawn over holes 1 to this; hole 0 is never used.
    static constexpr int DrawnHoles = 77;

    static const QString RabbitTag;
    static const QString FoxTag;
    static const QString MarkedTag;

    // What a click on a place did.
    enum class Click {
        CountedRabbit,  // a rabbit, now marked and counted
        MarkedFox,      // a fox, now marked; foxes are not counted
        AlreadyCounted, // an animal marked before: the pupil is told so
        Nothing,        // an empty place
    };

    FoxYear() : m_holes(0, HoleCount) {}

    // Called with a place's number each time its tag or look changes, so a screen can show it.
    void setHoleChanged(std::function<void(int)> changed) { m_holes.setChanged(std::move(changed)); }

    // Lays a year out afresh from its figures. Figures beyond the 77 places are cut down to what fits
    // (rabbits first), so the draw always ends.
    void layOut(int rabbits, int foxes, Random &random);
    Click click(int hole);

    // A place's tag (empty, RabbitTag, FoxTag or MarkedTag) and what it shows; an index that is
    // no place is empty.
    const HoleStates::Hole &hole(int index) const { return m_holes.hole(index); }
    QString tag(int index) const { return m_holes.hole(index).tag; }

    qint16 YearRabbits() const { return m_rabbits; }
    qint16 YearFoxes() const { return m_foxes; }
    qint16 YearCount() const { return m_count; }

private:
    // Draws until a free hole among 1 to 77 comes up; the caller makes sure there is one.
    int drawFreeHole(Random &random) const;

    HoleStates m_holes;
    qint16 m_rabbits = 0;
    qint16 m_foxes = 0;
    qint16 m_count = 0;
};
