// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro3.h"

#include "lesson.h"

#include <QPushButton>

Intro3::Intro3(Lesson &lesson) : LessonScreen(lesson, ScreenId::Intro3, grey())
{
    addQuestionButton(4, 3000, 5520, Corner::BottomLeft);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880)->setToolTip(QStringLiteral("Start experiment"));
}

void Intro3::cmd_button_Click(int index)
{
    switch (index) {
    case 0:
        m_lesson.state.CurrentYear = 1;
        m_lesson.chain.move(this, ScreenId::Island);
        break;
    case 1:
        m_lesson.chain.move(this, ScreenId::Prediction);
        break;
    default:
        break;
    }
}
