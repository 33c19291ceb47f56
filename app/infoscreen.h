// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lessonscreen.h"

// An information screen: fixed texts and a picture on light grey, with its buttons. Intro1, Extend
// and Finish also start the lesson's counts afresh when they load.
class InfoScreen : public LessonScreen {
    Q_OBJECT
public:
    enum class OnLoad { Nothing, ResetLesson };

    InfoScreen(Lesson &lesson, ScreenId id, OnLoad onLoad);
    void load() override;

protected:
    // The title label of the control array InfoText, in Arial at the given size; the screen's name
    // unless the screen gives another.
    QLabel *addTitle(int index, const QString &text, double points, double left, double top, double width,
                     double height);

private:
    OnLoad m_onLoad;
};
