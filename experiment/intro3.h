// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"
#include "placefield.h"
#include "popupgame.h"

#include <QTimer>

// The practice screen: why counting rabbits is hard, and three burrows to practise clicking on.
// Nothing is counted here; a hit only marks the rabbit.
class Intro3 : public LessonScreen {
    Q_OBJECT
public:
    explicit Intro3(Lesson &lesson);

    void load() override;
    // Every showing, and after the question dialog closes: seeds the generator, makes sure the
    // timer runs and puts all three burrows back down, so a rabbit left showing is gone.
    void activate() override;

    // One beat of the pop-up timer (every 1500 ms).
    void popupTick();

    ClickableImage *hole(int index) const { return Hole(index); }
    // The three burrows as one stop in the Tab order.
    const PlaceField &holeField() const { return m_holeField; }
    const PopupGame &game() const { return m_game; }
    const QTimer &popupTimer() const { return Popup; }

private:
    void Hole_Click(int index);

    ControlArray<ClickableImage> Hole;
    ControlArray<QLabel> Rabbit;
    QTimer Popup;
    PopupGame m_game;
    PlaceField m_holeField;
};
