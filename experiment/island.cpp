// SPDX-License-Identifier: GPL-3.0-or-later
#include "island.h"

#include "lesson.h"

#include <QPushButton>

Island::Island(Lesson &lesson) : LessonScreen(lesson, ScreenId::Island, QColor(0, 128, 0))
{
    addCommandButton(1, QStringLiteral("<<"), 6600, 6240, 1215, 495);
    addCommandButton(0, QStringLiteral("Next year"), 8040, 6240, 1215, 495);
}

void Island::activate() { ShowYear(); }

void Island::ShowYear()
{
    const int year = m_lesson.state.CurrentYear;
    setCaption(0, year == 10 ? QStringLiteral(">>") : QStringLiteral("Next year"));
    setCaption(1, year == 1 ? QStringLiteral("<<") : QStringLiteral("Last year"));
}

void Island::cmd_button_Click(int index)
{
    auto &year = m_lesson.state.CurrentYear;
    switch (index) {
    case 0:
        if (++year == 11)
            m_lesson.chain.move(this, ScreenId::GraphForm);
        else
            ShowYear();
        break;
    case 1:
        if (--year == 0)
            m_lesson.chain.move(this, ScreenId::Intro3);
        else
            ShowYear();
        break;
    default:
        break;
    }
}
