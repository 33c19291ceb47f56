// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// The extension experiment: rabbits and foxes on the island over eleven years.
class Foxes : public LessonScreen {
    Q_OBJECT
public:
    explicit Foxes(Lesson &lesson);
    void activate() override;

protected:
    void cmd_button_Click(int index) override;

private:
    void ShowYear();
};
