// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QMessageBox>
#include <QPointer>

class LessonWindow;
class QLabel;
class QPushButton;

// A small dialog of the lesson shown as a modal panel inside the lesson window, over the screen
// that opened it: the same thin frame as the window round a client area of its own. showModal()
// returns once the panel has been hidden. While it is open nothing beneath takes a click or a key,
// Tab stays inside it, and timers go on. Assistive technology sees it as a dialog.
class ModalPanel : public QWidget {
    Q_OBJECT
public:
    explicit ModalPanel(LessonWindow &window);

    // The area inside the frame; controls are its children, placed in twips from its corner.
    QWidget *client() const { return m_client; }
    void setBackground(const QColor &colour);
    // Fixes the panel's outer size and fits the client area inside the frame.
    void setOuterSize(const QSize &size);
    static QSize outerSizeFor(const QSize &clientSize);

    void showModal();
    // Gives the focus to the panel's first control.
    virtual void focusFirst();

signals:
    void hidden();

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool focusNextPrevChild(bool next) override;

    LessonWindow &m_window;

private:
    QWidget *m_client;
};

// The reminder dialog "message": one piece of advice in blue and an OK button, centred over the
// lesson screen. It keeps its last text while hidden.
class ReminderDialog : public ModalPanel {
    Q_OBJECT
public:
    explicit ReminderDialog(LessonWindow &window);

    QLabel *text() const { return InfoText(0); }
    QPushButton *okButton() const { return cmd_button(0); }

private:
    void cmd_button_Click(int index);

    ControlArray<QLabel> InfoText;
    ControlArray<QPushButton> cmd_button;
};

// A yes-or-no question in the reminder's style: its text in blue over Yes and No, centred over the
// lesson screen. Unlike the reminder it does not wait: ask() opens it and returns, and the answer
// comes by answered() once the pupil has pressed a button (Esc answers No).
class YesNoPanel : public ModalPanel {
    Q_OBJECT
public:
    explicit YesNoPanel(LessonWindow &window);

    void ask(const QString &text);

    QLabel *text() const { return InfoText(0); }
    QPushButton *yesButton() const { return cmd_button(0); }
    QPushButton *noButton() const { return cmd_button(1); }

signals:
    void answered(bool yes);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmd_button_Click(int index);

    ControlArray<QLabel> InfoText;
    ControlArray<QPushButton> cmd_button;
    QPointer<QWidget> m_before;
};

// The question dialog "Question": a worksheet question's title and text and a Close button that
// Enter, Esc and Alt+C press. Each opening places it corner to corner with the screen's question
// button.
class QuestionDialog : public ModalPanel {
    Q_OBJECT
public:
    static constexpr double ClientWidthTwips = 4680;
    static constexpr double ClientHeightTwips = 4290;

    explicit QuestionDialog(LessonWindow &window);

    QLabel *QuestionTitle;
    QLabel *Label1;
    QLabel *QuestionText;
    QPushButton *CloseButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A message box of the lesson, drawn as a panel inside the lesson window like the reminder: the
// title "Lapinar" (what assistive technology reads it by, as an alert), an optional icon, the
// text, and Qt's standard buttons in the desktop's order and language. The default button has
// the focus; Enter presses the button with the focus, Escape the escape button, and a button's
// underlined letter presses it, with or without Alt. It is sized to its text at the lesson's scale
// and centred over the lesson screen.
class MessagePanel : public ModalPanel {
    Q_OBJECT
public:
    MessagePanel(LessonWindow &window, QMessageBox::Icon icon, const QString &text,
                 QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                 QMessageBox::StandardButton escapeButton);

    // Shows the panel and waits, as a message box does; the button pressed, the escape button's if
    // the panel closed otherwise.
    QMessageBox::StandardButton exec();

    QString text() const;
    QMessageBox::Icon icon() const { return m_icon; }
    QList<QPushButton *> buttons() const;
    QPushButton *button(QMessageBox::StandardButton which) const;
    QPushButton *defaultButton() const { return button(m_default); }
    QPushButton *escapeButton() const { return button(m_escape); }

    void focusFirst() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QMessageBox::Icon m_icon;
    QMessageBox::StandardButton m_default;
    QMessageBox::StandardButton m_escape;
    QMessageBox::StandardButton m_pressed = QMessageBox::NoButton;
    QLabel *m_text;
    class QDialogButtonBox *m_buttons;
};
