// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// The conclusion: how the pupil's numbers compare with the rabbits really on the island.
class Conclusion : public LessonScreen {
    Q_OBJECT
public:
    explicit Conclusion(Lesson &lesson);

protected:
    void cmd_button_Click(int index) override;
};
