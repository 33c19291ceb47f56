// SPDX-License-Identifier: GPL-3.0-or-later
#include "foxes.h"

#include "lesson.h"
#include "twips.h"

#include <QPushButton>

Foxes::Foxes(Lesson &lesson) : LessonScreen(lesson, ScreenId::Foxes, QColor(0, 128, 0))
{
    addCommandButton(1, QStringLiteral("<<"), 6480, 6240, 1215, 495)
        ->setFont(Twips::font(Twips::Face::MSSansSerif, 8.25));
    addCommandButton(0, QStringLiteral("Next year"), 7920, 6240, 1215, 495)
        ->setFont(Twips::font(Twips::Face::MSSansSerif, 8.25));
}

void Foxes::activate() { ShowYear(); }

void Foxes::ShowYear()
{
    const int year = m_lesson.state.CurrentYear;
    setCaption(0, year == 10 ? QStringLiteral(">>") : QStringLiteral("Next year"));
    setCaption(1, year == 0 ? QStringLiteral("<<") : QStringLiteral("Last year"));
}

void Foxes::cmd_button_Click(int index)
{
    auto &year = m_lesson.state.CurrentYear;
    switch (index) {
    case 0:
        if (++year == 11)
            m_lesson.chain.move(this, ScreenId::Finish);
        else
            ShowYear();
        break;
    case 1:
        if (--year < 0)
            m_lesson.chain.move(this, ScreenId::Extend);
        else
            ShowYear();
        break;
    default:
        break;
    }
}
