// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// The pupil rings one of five predictions before the experiment.
class Prediction : public LessonScreen {
    Q_OBJECT
public:
    explicit Prediction(Lesson &lesson);

protected:
    void cmd_button_Click(int index) override;
};
