// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "yearrange.h"

#include <QList>
#include <QPoint>
#include <QString>

class Random;
struct LAPINAR1;

// The island's years without their widgets: how many rabbits live there each year, how many
// burrows that makes, where the burrows go, and what the calendar says.
// Visits are numbered 1 to 10 (the lesson's CurrentYear); the calendar shows one less.
namespace IslandYear {

constexpr int HoleCount = 65;
constexpr int FirstYear = 1;
constexpr int LastYear = 10;
constexpr YearRange Years{FirstYear, LastYear};
// Visits up to this one are counted by clicking; later ones are estimated from the burrows.
constexpr int LastCountingYear = 4;

// Writes the island's rabbits into YearTable entries 1 to 10; entry 0 and the foxes stay as they are.
void FillYearTable(LAPINAR1 &state);

// Three rabbits to a burrow, rounded down, and never more burrows than there are holes.
int burrowCount(int rabbits);
// Draws `count` distinct holes from 1 to 65, each uniformly among the holes still free: a draw
// that lands on a hole already taken is drawn again.
QList<int> drawBurrows(Random &random, int count);

bool isCountingYear(int year);

QString calendarCaption(int year, const QString &newLine);

// Where hole `index` (1 to 65) lies on the island's grid of 10 columns by 7 rows: x is the column,
// y the row. The two calendar pages take the first two cells of the top row.
QPoint gridCell(int index);

} // namespace IslandYear
