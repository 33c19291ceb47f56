// SPDX-License-Identifier: GPL-3.0-or-later
#include "foxyear.h"

#include "random.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace FoxFigures {

namespace {
// Rabbits and foxes of years 0 to 10: many rabbits feed the foxes, the foxes thin the rabbits out
// and starve in turn, and the cycle starts again.
constexpr std::array<LAPINAR1::Year, LastYear + 1> figures{{
    {42, 2},
    {18, 8},
    {9, 6},
    {7, 4},
    {6, 2},
    {12, 2},
    {27, 4},
    {44, 7},
    {36, 10},
    {13, 6},
    {8, 3},
}};
} // namespace

void FillYearTable(LAPINAR1 &state)
{
    for (int year = FirstYear; year <= LastYear; ++year) {
        state.YearTable[year].Rabbits = figures[year].Rabbits;
        state.YearTable[year].FoxNumber = figures[year].FoxNumber;
    }
}

QString yearCaption(int year, const QString &newLine)
{
    // The line break and the number are arguments, so a translation places them as it needs.
    return QCoreApplication::translate("Calendar", "Year%1%2").arg(newLine, QString::number(year));
}

} // namespace FoxFigures

const QString FoxYear::RabbitTag = QStringLiteral("rabbit");
const QString FoxYear::FoxTag = QStringLiteral("fox");
const QString FoxYear::MarkedTag = QStringLiteral("marked");

void FoxYear::layOut(int rabbits, int foxes, Random &random)
{
    m_rabbits = qint16(std::clamp(rabbits, 0, DrawnHoles));
    m_foxes = qint16(std::clamp(foxes, 0, DrawnHoles - m_rabbits));
    m_count = 0;
    m_holes.clear();

    for (int n = 0; n < m_rabbits; ++n)
        m_holes.set(drawFreeHole(random), RabbitTag, HoleStates::Look::Rabbit);
    for (int n = 0; n < m_foxes; ++n)
        m_holes.set(drawFreeHole(random), FoxTag, HoleStates::Look::Fox);
}

int FoxYear::drawFreeHole(Random &random) const
{
    int hole;
    do
        hole = random.oneTo(DrawnHoles);
    while (!tag(hole).isEmpty());
    return hole;
}

FoxYear::Click FoxYear::click(int hole)
{
    const QString was = tag(hole);
    if (was == RabbitTag) {
        m_holes.set(hole, MarkedTag, HoleStates::Look::MarkedRabbit);
        ++m_count;
        return Click::CountedRabbit;
    }
    if (was == FoxTag) {
        m_holes.set(hole, MarkedTag, HoleStates::Look::MarkedFox);
        return Click::MarkedFox;
    }
    if (was == MarkedTag)
        return Click::AlreadyCounted;
    return Click::Nothing;
}
