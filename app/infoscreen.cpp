// SPDX-License-Identifier: GPL-3.0-or-later
#include "infoscreen.h"

#include "artwork.h"
#include "lesson.h"
#include "twips.h"

#include <QLabel>

InfoScreen::InfoScreen(Lesson &lesson, ScreenId id, OnLoad onLoad) : LessonScreen(lesson, id, grey()), m_onLoad(onLoad)
{}

void InfoScreen::load()
{
    LessonScreen::load();
    if (m_onLoad == OnLoad::ResetLesson) {
        m_lesson.state.ResetCounts();
        m_lesson.state.FillQuestions();
    }
}

QLabel *InfoScreen::addTitle(int index, const QString &text, double points, double left, double top, double width,
                             double height)
{
    QLabel *title = addInfoText(index, text, left, top, width, height);
    setTitleText(index);
    setScreenName(text);
    title->setFont(Twips::font(Twips::Face::Arial, points));
    title->setWordWrap(false);
    // A big title's line is taller than its label; sitting it on the label's bottom keeps every
    // letter whole, descenders included, as the lesson's titles have always shown.
    if (title->fontMetrics().height() > title->height())
        title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return title;
}
