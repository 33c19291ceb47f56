// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "lessonwindow.h"

class QLabel;
class QPushButton;

// A small lesson window shown modally: showModal() returns once the window has been hidden.
class ModalWindow : public LessonWindow {
    Q_OBJECT
public:
    ModalWindow();
    void showModal();

protected:
    void hideEvent(QHideEvent *event) override;

signals:
    void hidden();
};

// The reminder dialog "message": one piece of advice in blue and an OK button. It sizes and
// centres itself when first made and keeps its last text while hidden.
class ReminderDialog : public ModalWindow {
    Q_OBJECT
public:
    ReminderDialog();

    QLabel *text() const { return InfoText(0); }
    QPushButton *okButton() const { return cmd_button(0); }

private:
    void cmd_button_Click(int index);

    ControlArray<QLabel> InfoText;
    ControlArray<QPushButton> cmd_button;
};

// The question dialog "Question": a worksheet question's title and text and a Close button that
// Enter, Esc and Alt+C press. Each opening places it beside the screen's question button.
class QuestionDialog : public ModalWindow {
    Q_OBJECT
public:
    static constexpr double ClientWidthTwips = 4680;
    static constexpr double ClientHeightTwips = 4290;

    QuestionDialog();

    QLabel *QuestionTitle;
    QLabel *Label1;
    QLabel *QuestionText;
    QPushButton *CloseButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
