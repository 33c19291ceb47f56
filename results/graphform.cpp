// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphform.h"

#include "lesson.h"

GraphForm::GraphForm(Lesson &lesson) : LessonScreen(lesson, ScreenId::GraphForm, QColor(255, 255, 224))
{
    addQuestionButton(5, 4800, 5520, Corner::BottomRight);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    addCommandButton(0, QStringLiteral(">>"), 7560, 5880);
}

void GraphForm::load()
{
    LessonScreen::load();
    m_lesson.state.GraphVisited = true;
}

void GraphForm::cmd_button_Click(int index)
{
    switch (index) {
    case 0:
        m_lesson.chain.move(this, ScreenId::Conclusion);
        break;
    case 1:
        m_lesson.state.CurrentYear = 10;
        m_lesson.chain.move(this, ScreenId::Island);
        break;
    default:
        break;
    }
}
