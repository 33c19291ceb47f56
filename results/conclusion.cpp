// SPDX-License-Identifier: GPL-3.0-or-later
#include "conclusion.h"

#include "lesson.h"

Conclusion::Conclusion(Lesson &lesson) : LessonScreen(lesson, ScreenId::Conclusion, grey())
{
    addQuestionButton(6, 7680, 4320, Corner::BottomRight);
    addStopButton(2, 4680, 5880);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    addCommandButton(0, QStringLiteral("Extension"), 7560, 5880);
}

void Conclusion::cmd_button_Click(int index)
{
    switch (index) {
    case 0:
        m_lesson.chain.move(this, ScreenId::Extend);
        break;
    case 1:
        m_lesson.chain.move(this, ScreenId::GraphForm);
        break;
    case 2:
        m_lesson.chain.confirmQuit(this);
        break;
    default:
        break;
    }
}
