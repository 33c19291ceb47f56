// SPDX-License-Identifier: GPL-3.0-or-later
#include "islandyear.h"

#include "lapinar1.h"
#include "random.h"

#include <QCoreApplication>

#include <QSet>
#include <algorithm>
#include <array>

namespace IslandYear {

namespace {
constexpr std::array<qint16, 11> Rabbits = {0, 10, 14, 20, 42, 78, 30, 32, 30, 38, 46};
}

void FillYearTable(LAPINAR1 &state)
{
    for (int year = FirstYear; year <= LastYear; ++year)
        state.YearTable[std::size_t(year)].Rabbits = Rabbits[std::size_t(year)];
}

int burrowCount(int rabbits)
{
    return std::clamp(rabbits / 3, 0, HoleCount);
}

QList<int> drawBurrows(Random &random, int count)
{
    count = std::clamp(count, 0, HoleCount);
    QList<int> holes;
    QSet<int> taken;
    while (holes.size() < count) {
        const int k = random.oneTo(HoleCount);
        if (taken.contains(k))
            continue;
        taken.insert(k);
        holes.append(k);
    }
    return holes;
}

bool isCountingYear(int year)
{
    return year <= LastCountingYear;
}

QString calendarCaption(int year, const QString &newLine)
{
    // The line break and the number are arguments, so a translation places them as it needs.
    //: The year page of a calendar: %1 is a line break, %2 the year's number. Each line is at most 37 px of 11-px text
    //: at 640 x 480 (about 6 letters); the word goes above the number.
    return QCoreApplication::translate("Calendar", "Year%1%2").arg(newLine, QString::number(year - 1));
}

QPoint gridCell(int index)
{
    if (index == 1)
        return {6, 6};
    if (index >= 2 && index <= 9)
        return {index, 0};
    if (index >= 10 && index <= 59)
        return {9 - index % 10, index / 10};
    if (index >= 60 && index <= 65)
        return {65 - index, 6};
    return {-1, -1};
}

} // namespace IslandYear
