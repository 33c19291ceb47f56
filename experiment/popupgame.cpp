// SPDX-License-Identifier: GPL-3.0-or-later
#include "popupgame.h"

#include "random.h"

#include <algorithm>
#include <utility>

const QString PopupGame::Down = QStringLiteral("down");
const QString PopupGame::Up = QStringLiteral("up");
const QString PopupGame::MarkedTag = QStringLiteral("marked");

PopupGame::PopupGame(Random &random, Rules rules, int firstHole, int holeCount)
    : m_random(random), m_rules(rules), m_first(firstHole), m_holes(std::size_t(std::max(holeCount, 0)))
{}

const PopupGame::Hole &PopupGame::hole(int index) const
{
    static const Hole none;
    return contains(index) ? m_holes[std::size_t(index - m_first)] : none;
}

int PopupGame::currentHole() const
{
    return m_currentBurrow >= 0 && m_currentBurrow < m_burrows.size() ? m_burrows.at(m_currentBurrow) : -1;
}

void PopupGame::set(int hole, const QString &tag, Look look)
{
    if (!contains(hole))
        return;
    Hole &h = at(hole);
    if (h.tag == tag && h.look == look)
        return;
    h.tag = tag;
    h.look = look;
    if (m_changed)
        m_changed(hole);
}

void PopupGame::layOut(const QList<int> &burrows, int rabbits)
{
    m_rabbitsLeft = rabbits;
    m_yearCount = 0;
    for (int i = 0; i < int(m_holes.size()); ++i)
        set(m_first + i, QString(), Look::Nothing);
    m_rabbitUp = false;
    m_currentBurrow = -1;
    m_burrows.clear();
    for (int h : burrows) {
        if (!contains(h))
            continue;
        m_burrows.append(h);
        set(h, Down, Look::Burrow);
    }
}

void PopupGame::allDown()
{
    for (int h : std::as_const(m_burrows))
        set(h, Down, Look::Burrow);
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
        set(currentHole(), Down, Look::Burrow);
        m_rabbitUp = false;
        return;
    }
    // A screen that has not laid out its burrows yet has nowhere to raise a rabbit.
    if (m_burrows.isEmpty())
        return;
    m_currentBurrow = m_random.below(int(m_burrows.size()));
    if (nextRabbitIsMarked())
        set(currentHole(), MarkedTag, Look::MarkedRabbit);
    else
        set(currentHole(), Up, Look::Rabbit);
    m_rabbitUp = true;
}

PopupGame::Click PopupGame::click(int index)
{
    if (!contains(index))
        return Click::Missed;
    const Hole h = at(index);
    if (h.tag == Up) {
        if (m_rules == Rules::Practice) {
            if (h.look == Look::MarkedRabbit)
                return Click::AlreadyMarked;
            set(index, Up, Look::MarkedRabbit);
            return Click::Marked;
        }
        set(index, MarkedTag, Look::MarkedRabbit);
        ++m_yearCount;
        --m_rabbitsLeft;
        return Click::Counted;
    }
    if (h.tag == MarkedTag)
        return Click::AlreadyCounted;
    return Click::Missed;
}
