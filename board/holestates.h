// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <vector>

// The holes of a board (board/holeboard.h) as a game keeps them, without widgets. Each hole, numbered
// from first to first + count - 1, has a tag, its whole state, by which clicks decide, and a look,
// what it shows. Every change to a hole is reported with the hole's number, so that a screen can
// show it.
class HoleStates {
public:
    enum class Look { Nothing, Burrow, Rabbit, MarkedRabbit, Fox, MarkedFox };
    struct Hole {
        QString tag;
        Look look = Look::Nothing;
    };

    HoleStates(int first, int count);

    // Called with a hole's number each time its tag or look changes.
    void setChanged(std::function<void(int)> changed) { m_changed = std::move(changed); }

    bool contains(int index) const { return index >= m_first && index < m_first + int(m_holes.size()); }
    // An empty hole for a number that is not on the board.
    const Hole &hole(int index) const;
    // A number that is not on the board changes nothing.
    void set(int index, const QString &tag, Look look);
    // Every hole empty: no tag, nothing showing.
    void clear();

private:
    int m_first;
    std::vector<Hole> m_holes;
    std::function<void(int)> m_changed;
};
