// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class LessonScreen;
class QuestionDialog;
class ReminderDialog;
class QWidget;
struct Lesson;

// The ten screens of the lesson, in the order of the chain.
enum class ScreenId { Intro1, Intro2, Prediction, Intro3, Island, GraphForm, Conclusion, Extend, Foxes, Finish };
constexpr int ScreenCount = 10;

// Where the question dialog sits against its button: the named corners of both meet.
enum class Corner { TopRight, BottomLeft, BottomRight };

// The chain of screens. It creates each screen on its first reference (running its load step
// once), performs the moves between screens (the target is shown and activated before the current
// screen is hidden), and owns the reminder and question dialogs and the lesson's message boxes.
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

    // Shows the first screen.
    void start();
    // Shows a screen and runs its activation step.
    void show(ScreenId id);
    // A move: show (and activate) the target, then hide the screen the move started from.
    void move(LessonScreen *from, ScreenId to);

    // The reminder dialog with a text, modal; returns once the pupil has closed it, then the
    // caller is activated again.
    void showReminder(LessonScreen *caller, const QString &text);
    // The question dialog with worksheet question n, placed with the given corner on the button's
    // corner where the button really is on the display; the caller is activated again afterwards.
    void showQuestion(LessonScreen *caller, int n, const QWidget *button, Corner corner);
    // A message box with one OK button, no icon and the title "Lapinar". Nothing is activated after.
    void information(QWidget *over, const QString &text);
    // The quit question; Yes ends the program at once, anything else changes nothing.
    void confirmQuit(QWidget *over);

    ReminderDialog &reminderDialog();
    QuestionDialog &questionDialog();
    bool reminderCreated() const { return m_reminder != nullptr; }
    bool questionCreated() const { return m_question != nullptr; }

    // How the program ends; tests replace it.
    void setProgramEnd(std::function<void()> end) { m_programEnd = std::move(end); }

signals:
    // After a screen's activation step has run (for tests and tools watching the lesson).
    void screenActivated(ScreenId id);

private:
    static int index(ScreenId id) { return int(id); }

    Lesson &m_lesson;
    std::array<Factory, ScreenCount> m_factories;
    std::array<std::unique_ptr<LessonScreen>, ScreenCount> m_screens;
    std::unique_ptr<ReminderDialog> m_reminder;
    std::unique_ptr<QuestionDialog> m_question;
    std::function<void()> m_programEnd;
};
