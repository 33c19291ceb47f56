// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "lessonwindow.h"
#include "screenchain.h"

class QLabel;
class QPushButton;
struct Lesson;

// A full-size screen of the lesson (9690 x 7290 twips with its frame). Its steps:
// - construction builds the controls;
// - load() runs once, on the lesson's first reference to the screen: it sizes and centres the
//   window, then runs the screen's own set-up (override and call the base first);
// - activate() runs every time the chain shows the screen, and again each time one of the lesson's
//   own dialogs closes over it (never after a message box).
class LessonScreen : public LessonWindow {
    Q_OBJECT
public:
    static constexpr double WidthTwips = 9690;
    static constexpr double HeightTwips = 7290;
    static QColor grey() { return QColor(192, 192, 192); }

    LessonScreen(Lesson &lesson, ScreenId id, const QColor &background);

    ScreenId id() const { return m_id; }
    virtual void load();
    virtual void activate() {}

    // The navigation buttons, by index, and the question button (nullptr where there is none).
    QPushButton *cmdButton(int index) const { return cmd_button(index); }
    QPushButton *questionButton() const { return QButton; }

protected:
    // Click handler of the navigation buttons; indexes without an action do nothing.
    virtual void cmd_button_Click(int index) { Q_UNUSED(index); }

    // A text navigation button (MS Sans Serif 9.75 pt unless told otherwise).
    QPushButton *addCommandButton(int index, const QString &caption, double left, double top, double width = 1215,
                                  double height = 615);
    // Sets a navigation button's caption; "<<" and ">>" are spoken as "Previous screen" and
    // "Next screen", every other caption as it reads.
    void setCaption(int index, const QString &caption);
    // The stop-sign button, which asks whether to quit.
    QPushButton *addStopButton(int index, double left, double top);
    // The square question button that opens worksheet question n beside itself.
    QPushButton *addQuestionButton(int n, double left, double top, Corner corner);
    // A text of the control array InfoText: MS Sans Serif 18 pt, wrapped.
    QLabel *addInfoText(int index, const QString &text, double left, double top, double width, double height);
    // The picture InfoPic, stretched to its control.
    QLabel *addInfoPic(int index, const QString &picture, const QString &spokenName, double left, double top,
                       double width, double height);

    Lesson &m_lesson;
    ControlArray<QPushButton> cmd_button;
    ControlArray<QLabel> InfoText;
    ControlArray<QLabel> InfoPic;
    QPushButton *QButton = nullptr;

private:
    void navigate(int index);

    ScreenId m_id;
};
