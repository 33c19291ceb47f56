// SPDX-License-Identifier: GPL-3.0-or-later
#include "foxyear.h"

#include "random.h"

#include <QCoreApplication>

#include <algorithm>

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

QString forwardCaption(int year)
{
    return year >= LastYear ? QStringLiteral(">>") : QCoreApplication::translate("YearButtons", "Next year");
}

QString backCaption(int year)
{
    return year <= FirstYear ? QStringLiteral("<<") : QCoreApplication::translate("YearButtons", "Last year");
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
    for (QString &tag : m_tags)
        tag.clear();

    for (int n = 0; n < m_rabbits; ++n)
        m_tags[drawFreeHole(random)] = RabbitTag;
    for (int n = 0; n < m_foxes; ++n)
        m_tags[drawFreeHole(random)] = FoxTag;
}

int FoxYear::drawFreeHole(Random &random) const
{
    int hole;
    do
        hole = random.oneTo(DrawnHoles);
    while (!m_tags[hole].isEmpty());
    return hole;
}

FoxYear::Click FoxYear::click(int hole)
{
    if (hole < 0 || hole >= HoleCount)
        return Click::Nothing;
    QString &tag = m_tags[hole];
    if (tag == RabbitTag) {
        tag = MarkedTag;
        ++m_count;
        return Click::CountedRabbit;
    }
    if (tag == FoxTag) {
        tag = MarkedTag;
        return Click::MarkedFox;
    }
    if (tag == MarkedTag)
        return Click::AlreadyCounted;
    return Click::Nothing;
}

QString FoxYear::tag(int hole) const
{
    return hole >= 0 && hole < HoleCount ? m_tags[hole] : QString();
}
