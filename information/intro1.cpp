// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro1.h"

#include "lesson.h"

Intro1::Intro1(Lesson &lesson) : InfoScreen(lesson, ScreenId::Intro1, OnLoad::ResetLesson)
{
    addTitle(3, QStringLiteral("Lapinar"), 48.75, 2760, 360, 3495, 975);
    addInfoText(0, tr("You are a scientist in charge of an island."), 600, 1800, 7695, 495);
    addInfoText(1, tr("Your job is to find out about rabbit populations."), 600, 2280, 8055, 615);
    addInfoText(2, tr("You are going to do an experiment to find out how rabbit numbers change on the island."), 4200,
                3480, 4455, 1695);
    addInfoPic(Picture::RabbitOnGrass, tr("A rabbit on grass"), 600, 3360, 3135, 2775);
    addQuestionButton(1, 7560, 360, Corner::TopRight);
    addStopButton(1, 6120, 5880);
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880);
}
