// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "holeboard.h"
#include "lessonscreen.h"
#include "popupgame.h"

#include <QTimer>

class QLabel;

// A screen where rabbits pop up out of burrows, one at a time: the practice and the island. The
// burrows are a board of holes that shows the pop-up game. The timer `Popup` beats with the lesson's
// pop-up rhythm (1500 ms unless the teacher or the pupil stretches it) from the screen's load to the
// end of the lesson, whether the screen shows or not and whatever dialog is open; each beat is one
// tick of the game.
//
// While rabbits are to be counted, a rabbit that comes up takes the focus to its burrow if the
// pupil is among the burrows (Tab finds it there otherwise), and a pupil among the burrows is told
// it is up, and that it has gone; a rabbit counted before is told as such and does not take the
// focus. Where the pupil estimates from the burrows instead, the focus stays where the pupil puts it.
//
// On the screen, the pause key stops the pop-up where it is until it is pressed again, and the
// slower key makes every beat longer until it is pressed again; a sign by the burrows says which is
// on.
// Leaving the screen ends a pause.
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
    // The sign showing the pupil has paused or slowed the pop-up; nullptr until first needed.
    const QLabel *rhythmSign() const { return m_sign; }

protected:
    // The game's holes are numbered firstHole to firstHole + holeCount - 1.
    PopupScreen(Lesson &lesson, ScreenId id, const QColor &background, PopupGame::Rules rules, int firstHole,
                int holeCount);

    // A burrow place, empty, at left, top; its clicks go to Hole_Click.
    void addHole(int index, double left, double top) { m_board.addHole(client(), index, left, top); }
    // Where the sign goes, in twips: by the burrows, on no text of the screen.
    void setSignPlace(double left, double top) { m_signPlace = QPointF(left, top); }
    // Switches the timer on if it is off, without restarting it, so the next rabbit comes within
    // one beat.
    // Also cuts the beat under way down to the wait between rabbits, as no rabbit is up.
    void keepPopupRunning();
    // The pupil has been among the burrows: after a layout or a panel, the focus goes back there.
    void keepPlaceInTheBurrows();
    // A rabbit has just been counted: `said` is told, and it goes down a lesson's beat later at most.
    void counted(const QString &said);
    virtual void Hole_Click(int index) = 0;
    // Whether the pupil counts the rabbits now, rather than estimating from the burrows.
    virtual bool countsRabbits() const { return true; }

    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    PopupGame m_game;
    HoleBoard m_board;

private:
    void pausedChanged(bool paused);
    // How long the beat after a tick lasts: a rabbit to count is up for the stretched time.
    int beatAfterTick() const;
    // The beat under way ends within the wait between rabbits.
    void shortenBeat();
    void showSign();
    // Says `text` to a screen reader; tellAloud() reads it aloud too, when reading aloud is on.
    void tell(const QString &text);
    void tellAloud(const QString &text);

    QTimer Popup;
    QLabel *m_sign = nullptr;
    QPointF m_signPlace{45, 45};
    // The timer runs out a beat that a pause cut short: the next beat is a whole one again.
    bool m_restOfBeat = false;
    // The rabbit up now was told to the pupil, so its going is told too.
    bool m_toldUp = false;
};
