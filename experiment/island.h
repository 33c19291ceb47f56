// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// The island: ten yearly visits to count the rabbits.
class Island : public LessonScreen {
    Q_OBJECT
public:
    explicit Island(Lesson &lesson);
    void activate() override;

protected:
    void cmd_button_Click(int index) override;

private:
    void ShowYear();
};
