// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro2.h"

#include "lesson.h"

Intro2::Intro2(Lesson &lesson) : InfoScreen(lesson, ScreenId::Intro2, OnLoad::Nothing)
{
    setScreenName(tr("Your plan"));
    addInfoText(3,
                tr("Your plan is to put ten rabbits on the island. You will leave them for a few years "
                   "to see how their population changes."),
                720, 630, 5055, 1815);
    addInfoText(4, tr("Every year, you will go back to the island and count the number of rabbits alive."), 720, 2700,
                8175, 975);
    addInfoText(5, tr("First, you need to predict what you think will happen."), 3840, 4080, 4725, 1230);
    addInfoPic(Picture::CartoonRabbit, tr("A cartoon rabbit"), 6300, 345, 2415, 2055);
    addQuestionButton(2, 1680, 4680, Corner::BottomLeft);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    //: Button to the prediction screen: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).
    addCommandButton(0, tr("Prediction"), 7560, 5880);
}
