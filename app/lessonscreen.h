// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "screenid.h"

#include <QWidget>

class QLabel;
class QPushButton;
struct Lesson;

// A screen of the lesson: a page of the lesson window, filling its client area (9600 x 7200 twips
// inside the window's frame). Its steps:
// - construction builds the controls;
// - load() runs once, on the lesson's first reference to the screen: the screen's own set-up;
// - activate() runs every time the chain shows the screen, and again each time one of the lesson's
//   own dialogs closes over it (never after a message box).
// A screen does not move itself: it asks the chain, by a signal, for a move, a dialog or a message
// box, and the chain performs it.
class LessonScreen : public QWidget {
    Q_OBJECT
public:
    static QColor grey() { return QColor(192, 192, 192); }

    LessonScreen(Lesson &lesson, ScreenId id, const QColor &background);

    ScreenId id() const { return m_id; }
    virtual void load() {}
    virtual void activate() {}

    // The area the controls are placed in, in twips from its corner: the screen itself.
    QWidget *client() { return this; }
    const QWidget *client() const { return this; }

    // The navigation buttons, by index, and the question button (nullptr where there is none).
    QPushButton *cmdButton(int index) const { return cmd_button(index); }
    QPushButton *questionButton() const { return QButton; }

    // What a screen reader hears for the screen as a page: its name, the screen's title or what it
    // is ("Island, year 3"), and its instructions, both made from what the screen shows now.
    virtual QString screenName() const { return m_screenName; }
    // By default the screen's texts (InfoText) in reading order, top to bottom and left to right,
    // without its title.
    virtual QString instructions() const;
    // Gives the page the name and instructions above as its accessible name and description. The
    // chain calls it on each arrival; a screen calls it when what it shows changes them.
    void updateSpokenPage();
    // The same, then a screen reader says the name and instructions at once, as on arrival.
    void announcePage();
    // The same, and reading aloud says the page anew: a new page of the same screen (a year).
    void turnPage();

signals:
    // The pupil pressed navigation button `index` and it leaves this screen; the chain knows where to.
    void leaveRequested(int index);
    void reminderRequested(const QString &text);
    void questionRequested(int n, QWidget *button, Corner corner);
    void messageRequested(const QString &text);
    // Something new on the screen that reading aloud says, cutting short what it was saying: a new
    // year laid out, a new count.
    void saying(const QString &text);

protected:
    // The screen's own steps for a navigation button, before any move: true when the button then
    // leaves the screen (the chain performs the move), false when the screen stays. By default
    // every button leaves.
    virtual bool cmd_button_Click(int index)
    {
        Q_UNUSED(index);
        return true;
    }

    // The lesson's reminder dialog with this text; returns once the pupil has closed it, after
    // this screen has been activated again.
    void showReminder(const QString &text) { emit reminderRequested(text); }
    // A message box with one OK button, no icon and the title "Lapinar"; nothing is activated after.
    void showMessage(const QString &text) { emit messageRequested(text); }

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
    // A picture of the screen's (InfoPic), stretched to its control.
    QLabel *addInfoPic(Picture picture, const QString &spokenName, double left, double top, double width,
                       double height);

    void setScreenName(const QString &name) { m_screenName = name; }
    // The text of InfoText `index` is the screen's title: its name, not one of its instructions.
    void setTitleText(int index) { m_titleIndex = index; }

    Lesson &m_lesson;
    ControlArray<QPushButton> cmd_button;
    ControlArray<QLabel> InfoText;
    QPushButton *QButton = nullptr;

private:
    void navigate(int index);

    ScreenId m_id;
    QString m_screenName;
    int m_titleIndex = -1;
};
