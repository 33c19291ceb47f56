// SPDX-License-Identifier: GPL-3.0-or-later
#include "finish.h"

#include "lesson.h"

Finish::Finish(Lesson &lesson) : InfoScreen(lesson, ScreenId::Finish, OnLoad::ResetLesson)
{
    addTitle(3, tr("The end"), 39.75, 480, 360, 6735, 975);
    addInfoText(0, tr("You now need to process the data you have collected and make a final conclusion."), 600, 1920,
                7695, 975);
    addInfoText(2, tr("Click on the question button to find out what you need to do."), 4200, 3840, 4455, 1455);
    addInfoPic(Picture::RabbitHead, tr("A rabbit's head"), 600, 3360, 3135, 2775);
    addQuestionButton(8, 7560, 360, Corner::TopRight);
    // Here the back button is on the left and the stop sign on the right.
    addCommandButton(0, QStringLiteral("<<"), 6120, 5880);
    addStopButton(1, 7560, 5880);
}
