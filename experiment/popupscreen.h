// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "holeboard.h"
#include "lessonscreen.h"
#include "popupgame.h"

#include <QTimer>

// A screen where rabbits pop up out of burrows, one at a time: the practice and the island. The
// burrows are a board of holes that shows the pop-up game. The timer `Popup` beats every 1500 ms
// from the screen's load to the end of the lesson, whether the screen shows or not and whatever
// dialog is open; each beat is one tick of the game, and a rabbit that comes up takes the focus to
// its burrow if the pupil is among the burrows.
class PopupScreen : public LessonScreen {
    Q_OBJECT
public:
    // Starts the timer.
    void load() override;

    // One beat of the pop-up timer.
    void popupTick();

    ClickableImage *hole(int index) const { return m_board.hole(index); }
    // The burrow places as one stop in the Tab order.
    const PlaceField &holeField() const { return m_board.field(); }
    const PopupGame &game() const { return m_game; }
    const QTimer &popupTimer() const { return Popup; }

protected:
    // The game's holes are numbered firstHole to firstHole + holeCount - 1.
    PopupScreen(Lesson &lesson, ScreenId id, const QColor &background, PopupGame::Rules rules, int firstHole,
                int holeCount);

    // A burrow place, empty, at left, top; its clicks go to Hole_Click.
    void addHole(int index, double left, double top) { m_board.addHole(client(), index, left, top); }
    // Switches the timer on if it is off, without restarting it, so the next rabbit comes within
    // one beat.
    void keepPopupRunning();
    virtual void Hole_Click(int index) = 0;

    PopupGame m_game;
    HoleBoard m_board;

private:
    QTimer Popup;
};
