// SPDX-License-Identifier: GPL-3.0-or-later
#include "conclusion.h"

#include "lesson.h"
#include "summary.h"

#include <QLabel>

Conclusion::Conclusion(Lesson &lesson) : InfoScreen(lesson, ScreenId::Conclusion, OnLoad::Nothing)
{
    addTitle(3, QStringLiteral("Lapinar"), 48.75, 2760, 240, 3495, 975);
    setScreenName(tr("Conclusion"));
    addInfoText(1, QString(), 600, 1440, 8535, 855);
    addInfoText(0, tr("Decide if your results are good enough for you to make a conclusion."), 600, 2400, 8535, 855);
    addInfoText(2,
                tr("Go back to check your results or click on the question button for help on writing "
                   "your conclusion."),
                4200, 3120, 3615, 2535);
    addInfoPic(Picture::RabbitHead, tr("A rabbit's head"), 600, 3360, 3135, 2775);
    addQuestionButton(6, 7680, 4320, Corner::BottomRight);
    addStopButton(2, 4680, 5880);
    addCommandButton(1, QStringLiteral("<<"), 6120, 5880);
    //: Button to the extension with foxes: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).
    addCommandButton(0, tr("Extension"), 7560, 5880);
}

void Conclusion::activate()
{
    SummariseCounts();
}

void Conclusion::SummariseCounts()
{
    InfoText(1)->setText(Summary::SummariseCounts(m_lesson.state.Counted));
}

QString Conclusion::summary() const
{
    return InfoText(1)->text();
}
