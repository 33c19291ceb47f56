// SPDX-License-Identifier: GPL-3.0-or-later
#include "prediction.h"

#include "lesson.h"
#include "twips.h"

#include <QPushButton>

Prediction::Prediction(Lesson &lesson) : LessonScreen(lesson, ScreenId::Prediction, grey())
{
    addQuestionButton(3, 6960, 3960, Corner::BottomRight);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880)->setFont(Twips::font(Twips::Face::MSSansSerif, 8.25, true));
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880)->setFont(Twips::font(Twips::Face::MSSansSerif, 8.25, true));
}

void Prediction::cmd_button_Click(int index)
{
    switch (index) {
    case 0:
        m_lesson.chain.showReminder(this, QStringLiteral("Make sure that you have written your prediction down."));
        m_lesson.chain.move(this, ScreenId::Intro3);
        break;
    case 1:
        m_lesson.chain.move(this, ScreenId::Intro2);
        break;
    default:
        break;
    }
}
