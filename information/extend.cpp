// SPDX-License-Identifier: GPL-3.0-or-later
#include "extend.h"

#include "lesson.h"

Extend::Extend(Lesson &lesson) : InfoScreen(lesson, ScreenId::Extend, OnLoad::ResetLesson)
{
    addTitle(3, tr("Foxes and Lapinar"), 39.75, 480, 360, 6735, 975);
    addInfoText(0, tr("You now decide to put a predator on the island."), 600, 1800, 7695, 495);
    addInfoText(1, tr("You want to find out how some foxes will affect the rabbit numbers."), 600, 2280, 8055, 855);
    addInfoText(2,
                tr("You will start with a large population of rabbits. You will then put a few foxes on "
                   "the island."),
                4200, 3480, 4455, 1695);
    addInfoPic(Picture::Fox, tr("A fox"), 600, 3360, 3135, 2775);
    addQuestionButton(7, 7560, 360, Corner::TopRight);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880);
}
