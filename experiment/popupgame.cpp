// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupgame.h"

#include "random.h"

#include <algorithm>
#include <utility>

const QString PopupGame::Down = QStringLiteral("down");
const QString PopupGame::Up = QStringLiteral("up");
const QString PopupGame::MarkedTag = QStringLiteral("marked");

PopupGame::PopupGame(Random &random, Rules rules, int firstHole, int holeCount)
    : m_random(random), m_rules(rules), m_holes(firstHole, holeCount)
{}

int PopupGame::currentHole() const
{
    return m_currentBurrow >= 0 && m_currentBurrow < m_burrows.size() ? m_burrows.at(m_currentBurrow) : -1;
}

void PopupGame::layOut(const QList<int> &burrows, int rabbits)
{
    m_rabbitsLeft = rabbits;
    m_yearCount = 0;
    m_holes.clear();
    m_rabbitUp = false;
    m_currentBurrow = -1;
    m_burrows.clear();
    for (int h : burrows) {
        if (!contains(h))
            continue;
        m_burrows.append(h);
        m_holes.set(h, Down, Look::Burrow);
    }
}

void PopupGame::countedBefore(int counted)
{
    if (m_rules != Rules::Island)
        return;
    const int n = std::clamp(counted, 0, m_rabbitsLeft);
    m_yearCount += n;
    m_rabbitsLeft -= n;
}

void PopupGame::allDown()
{
    for (int h : std::as_const(m_burrows))
        m_holes.set(h, Down, Look::Burrow);
    m_rabbitUp = false;
}

bool PopupGame::nextRabbitIsMarked()
{
    if (m_rules == Rules::Practice)
        return false;
    // Until the first rabbit of a visit is counted no number is drawn: it is always unmarked.
    const int d = m_yearCount > 0 ? m_random.oneTo(10) : 10;
    return m_rabbitsLeft == 0 || d < 4;
}

void PopupGame::tick()
{
    if (m_rabbitUp) {
        // Down it goes, whether or not the pupil marked it.
        m_holes.set(currentHole(), Down, Look::Burrow);
        m_rabbitUp = false;
        return;
    }
    // A screen that has not laid out its burrows yet has nowhere to raise a rabbit.
    if (m_burrows.isEmpty())
        return;
    m_currentBurrow = m_random.below(int(m_burrows.size()));
    if (nextRabbitIsMarked())
        m_holes.set(currentHole(), MarkedTag, Look::MarkedRabbit);
    else
        m_holes.set(currentHole(), Up, Look::Rabbit);
    m_rabbitUp = true;
}

PopupGame::Click PopupGame::click(int index)
{
    if (!contains(index))
        return Click::Missed;
    const Hole h = m_holes.hole(index);
    if (h.tag == Up) {
        if (m_rules == Rules::Practice) {
            if (h.look == Look::MarkedRabbit)
                return Click::AlreadyMarked;
            m_holes.set(index, Up, Look::MarkedRabbit);
            return Click::Marked;
        }
        m_holes.set(index, MarkedTag, Look::MarkedRabbit);
        ++m_yearCount;
        --m_rabbitsLeft;
        return Click::Counted;
    }
    if (h.tag == MarkedTag)
        return Click::AlreadyCounted;
    return Click::Missed;
}
