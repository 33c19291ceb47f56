// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// The practice screen: why counting rabbits is hard, and three burrows to practise on.
class Intro3 : public LessonScreen {
    Q_OBJECT
public:
    explicit Intro3(Lesson &lesson);

protected:
    void cmd_button_Click(int index) override;
};
