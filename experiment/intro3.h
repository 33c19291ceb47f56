// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "popupscreen.h"

// The practice screen: why counting rabbits is hard, and three burrows to practise clicking on.
// Nothing is counted here; a hit only marks the rabbit.
class Intro3 : public PopupScreen {
    Q_OBJECT
public:
    explicit Intro3(Lesson &lesson);

    // Every showing, and after the question dialog closes: seeds the generator, makes sure the
    // timer runs and puts all three burrows back down, so a rabbit left showing is gone; a pupil who
    // has played from the burrows finds the focus back among them.
    void activate() override;

protected:
    void Hole_Click(int index) override;
};
