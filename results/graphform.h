// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// The results: the table the pupil types and the graph drawn from it.
class GraphForm : public LessonScreen {
    Q_OBJECT
public:
    explicit GraphForm(Lesson &lesson);
    void load() override;

protected:
    void cmd_button_Click(int index) override;
};
