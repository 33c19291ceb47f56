// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screenid.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class LessonScreen;
class QuestionDialog;
class ReminderDialog;
class QWidget;
struct Lesson;

// The chain of screens. It creates each screen on its first reference (running its load step
// once), is the one place that knows where each button of each screen leads, and performs the
// moves (the move's own steps, then the target shown and activated before the screen the move
// started from is hidden). It owns the reminder and question panels and shows the lesson's
// message boxes, all of them at a screen's request.
class ScreenChain : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<LessonScreen *(Lesson &)>;

    explicit ScreenChain(Lesson &lesson);
    ~ScreenChain() override;

    void setFactory(ScreenId id, Factory factory);

    // The screen, created and loaded on this first reference if need be.
    LessonScreen *screen(ScreenId id);
    // The screen if it has been created, else nullptr; never creates.
    LessonScreen *created(ScreenId id) const;
    // The lesson screens showing now.
    QList<LessonScreen *> visibleScreens() const;

    // Shows the lesson window with its first screen.
    void start();
    // Shows a screen and runs its activation step.
    void show(ScreenId id);
    // A page swap: show (and activate) the target, then hide the screen the move started from.
    void move(LessonScreen *from, ScreenId to);
    // What pressing navigation button `index` of a screen does once the screen has done its own
    // steps: the reminder (if any), the year, then the page swap, or the quit question.
    void leave(LessonScreen *from, int index);

    // The reminder panel with a text, modal; returns once the pupil has closed it, then the caller
    // is activated again.
    void showReminder(LessonScreen *caller, const QString &text);
    // The question panel with worksheet question n, its given corner on the button's corner; the
    // caller is activated again afterwards.
    void showQuestion(LessonScreen *caller, int n, const QWidget *button, Corner corner);
    // A message box with one OK button, no icon and the title "Lapinar", as a panel of the lesson
    // window. Nothing is activated after.
    void information(const QString &text);
    // The quit question; Yes ends the program at once, anything else changes nothing.
    void confirmQuit();
    // A panel of the lesson's own has closed: reading aloud stops, and the screen showing is what
    // turning it on says again.
    void backFromMessage();

    ReminderDialog &reminderDialog();
    QuestionDialog &questionDialog();
    bool reminderCreated() const { return m_reminder != nullptr; }
    bool questionCreated() const { return m_question != nullptr; }

    // How the program ends; tests replace it.
    void setProgramEnd(std::function<void()> end) { m_programEnd = std::move(end); }
    // What the quit question's Yes does before the program ends (a hand-in still being written).
    void setBeforeEnd(std::function<void()> work) { m_beforeEnd = std::move(work); }

signals:
    // After a screen's activation step has run (for tests and tools watching the lesson).
    void screenActivated(ScreenId id);

private:
    static int index(ScreenId id) { return int(id); }
    void activateAgain(LessonScreen *caller);
    // A panel closed over the caller: reading aloud falls silent and the caller activates again.
    void backFromPanel(LessonScreen *caller);

    Lesson &m_lesson;
    std::array<Factory, ScreenCount> m_factories;
    std::array<std::unique_ptr<LessonScreen>, ScreenCount> m_screens;
    std::unique_ptr<ReminderDialog> m_reminder;
    std::unique_ptr<QuestionDialog> m_question;
    std::function<void()> m_programEnd;
    std::function<void()> m_beforeEnd;
};
