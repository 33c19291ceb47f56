// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "holestates.h"

#include <QList>
#include <QString>
#include <functional>

class Random;

// The pop-up counting game without its widgets, shared by the practice burrows and the island.
// One rabbit at a time comes up out of one of the burrows and goes down at the next tick; the
// pupil clicks it to mark it. The hole's tag is its whole state, and clicks decide by the tag alone.
//
// The two screens play by slightly different rules:
// - on the island a hit counts the rabbit and retags its hole "marked"; rabbits counted before
//   come up again now and then, and clicking one is refused;
// - in the practice every rabbit comes up unmarked, and a hit only changes the picture: the tag
//   stays "up" and nothing is counted.
class PopupGame {
public:
    enum class Rules { Island, Practice };
    // What a hole shows: nothing, a burrow, a rabbit or a marked rabbit.
    using Look = HoleStates::Look;
    using Hole = HoleStates::Hole;
    enum class Click {
        Counted,        // island: an unmarked rabbit, now counted and marked
        Marked,         // practice: an unmarked rabbit, now shows its mark
        AlreadyMarked,  // practice: a rabbit already marked; nothing happens
        AlreadyCounted, // island: a marked rabbit; refused
        Missed,         // no rabbit there
    };
    static const QString Down;
    static const QString Up;
    static const QString MarkedTag;

    // Holes are numbered firstHole to firstHole + holeCount - 1.
    PopupGame(Random &random, Rules rules, int firstHole, int holeCount);

    // Called with a hole's number each time its tag or look changes, so a screen can show it.
    void setHoleChanged(std::function<void(int)> changed) { m_holes.setChanged(std::move(changed)); }

    // A fresh round: every hole empty, then a burrow ("down") at each of the given holes, in that
    // order; no rabbit showing, nothing counted, `rabbits` still to count.
    void layOut(const QList<int> &burrows, int rabbits);
    // Island: takes `counted` rabbits of the round laid out as counted already (a visit carried on
    // from a kept lesson). Which rabbits were counted is not kept, as no rabbit has a name: from
    // then on counted ones come up now and then, and only the others are left to count.
    void countedBefore(int counted);
    // Puts every burrow back down with no rabbit showing, keeping the counts.
    void allDown();

    // One beat of the pop-up timer: a showing rabbit goes down, otherwise one comes up.
    void tick();
    Click click(int hole);

    bool contains(int hole) const { return m_holes.contains(hole); }
    const Hole &hole(int index) const { return m_holes.hole(index); }
    const QList<int> &burrows() const { return m_burrows; }
    bool rabbitUp() const { return m_rabbitUp; }
    // The hole the current (or last) rabbit showed at; -1 before the first.
    int currentHole() const;
    int yearCount() const { return m_yearCount; }
    int rabbitsLeft() const { return m_rabbitsLeft; }

private:
    // Whether the rabbit coming up now is one that was counted before (island only).
    bool nextRabbitIsMarked();

    Random &m_random;
    Rules m_rules;
    HoleStates m_holes;

    QList<int> m_burrows;
    int m_currentBurrow = -1; // position in m_burrows
    bool m_rabbitUp = false;
    int m_yearCount = 0;
    int m_rabbitsLeft = 0;
};
