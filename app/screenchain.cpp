// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenchain.h"

#include "dialogs.h"
#include "lesson.h"
#include "lessonscreen.h"
#include "twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <optional>

namespace {

// Every navigation button of every screen, and where it leads. A screen's own steps for a button
// run first, in the screen (the island's and the fox screen's year stepping, saving the results
// table, refusing ">>" before a prediction is chosen); it asks for the move only when the button
// really leaves it. A button the table does not list does nothing.
struct Move {
    ScreenId from;
    int button;
    // Where the button leads; none for the stop sign, which asks whether to quit.
    std::optional<ScreenId> to;
    // Shown, and waited for, before the move.
    const char *reminder = nullptr;
    // CurrentYear is set to this before the target is shown, so the target lays out that year.
    std::optional<qint16> year = std::nullopt;
};

const Move Moves[] = {
    {ScreenId::Intro1, 0, ScreenId::Intro2,
     QT_TRANSLATE_NOOP("ScreenChain",
                       "Remember that each screen has a question on your worksheet. Have you answered the first one?")},
    {ScreenId::Intro1, 1, std::nullopt},
    {ScreenId::Intro2, 0, ScreenId::Prediction},
    {ScreenId::Intro2, 1, ScreenId::Intro1},
    {ScreenId::Prediction, 0, ScreenId::Intro3,
     QT_TRANSLATE_NOOP("ScreenChain", "Make sure that you have written your prediction down.")},
    {ScreenId::Prediction, 1, ScreenId::Intro2},
    // The experiment always starts again at the first visit, CurrentYear 1, which the island's
    // calendar shows as year 0 (the year the rabbits are put on the island).
    {ScreenId::Intro3, 0, ScreenId::Island, nullptr, 1},
    {ScreenId::Intro3, 1, ScreenId::Prediction},
    {ScreenId::Island, 0, ScreenId::GraphForm},
    {ScreenId::Island, 1, ScreenId::Intro3},
    {ScreenId::GraphForm, 0, ScreenId::Conclusion},
    {ScreenId::GraphForm, 1, ScreenId::Island, nullptr, 10},
    {ScreenId::Conclusion, 0, ScreenId::Extend},
    {ScreenId::Conclusion, 1, ScreenId::GraphForm},
    {ScreenId::Conclusion, 2, std::nullopt},
    {ScreenId::Extend, 0, ScreenId::Foxes, nullptr, 0},
    {ScreenId::Extend, 1, ScreenId::Conclusion},
    {ScreenId::Foxes, 0, ScreenId::Finish},
    {ScreenId::Foxes, 1, ScreenId::Extend},
    {ScreenId::Finish, 0, ScreenId::Foxes, nullptr, 10},
    {ScreenId::Finish, 1, std::nullopt},
};

} // namespace

ScreenChain::ScreenChain(Lesson &lesson)
    : m_lesson(lesson), m_programEnd([] {
          // The lesson ends at once: every window disappears. The pupil's work, where it is kept, is
          // written as the program leaves its event loop.
          for (QWidget *window : QApplication::topLevelWidgets())
              window->hide();
          QCoreApplication::exit(0);
      })
{}

ScreenChain::~ScreenChain() = default;

void ScreenChain::setFactory(ScreenId id, Factory factory)
{
    m_factories[index(id)] = std::move(factory);
}

LessonScreen *ScreenChain::screen(ScreenId id)
{
    auto &slot = m_screens[index(id)];
    if (slot)
        return slot.get();
    // The start-up code gives every screen its factory; a lesson without one cannot go on.
    if (!m_factories[index(id)])
        qFatal("Lapinar: no screen made for screen %d", index(id));
    slot.reset(m_factories[index(id)](m_lesson));
    LessonScreen *s = slot.get();
    connect(s, &LessonScreen::leaveRequested, this, [this, s](int button) { leave(s, button); });
    connect(s, &LessonScreen::reminderRequested, this, [this, s](const QString &text) { showReminder(s, text); });
    connect(s, &LessonScreen::questionRequested, this,
            [this, s](int n, QWidget *button, Corner corner) { showQuestion(s, n, button, corner); });
    connect(s, &LessonScreen::messageRequested, this, &ScreenChain::information);
    connect(s, &LessonScreen::saying, this, [this](const QString &text) { m_lesson.readAloud.showing(text); });
    s->load();
    return s;
}

LessonScreen *ScreenChain::created(ScreenId id) const
{
    return m_screens[index(id)].get();
}

QList<LessonScreen *> ScreenChain::visibleScreens() const
{
    QList<LessonScreen *> showing;
    for (const auto &s : m_screens)
        if (s && s->isVisible())
            showing.append(s.get());
    return showing;
}

void ScreenChain::start()
{
    show(ScreenId::Intro1);
}

void ScreenChain::show(ScreenId id)
{
    LessonScreen *target = screen(id);
    target->show();
    target->raise();
    // The focus goes back where the pupil left it on this screen. The screen's activation may
    // place it itself; if nothing has, it goes to the screen's first control as laid out now, as
    // on a window opened again.
    const auto canTake = [target](QWidget *w) {
        return w && target->isAncestorOf(w) && w->isVisibleTo(target) && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus);
    };
    if (QWidget *focus = target->focusWidget(); canTake(focus))
        focus->setFocus(Qt::OtherFocusReason);
    // Asking for the keyboard matters without a window manager, where no one else gives it.
    if (!m_lesson.window.isVisible()) {
        m_lesson.window.show();
        m_lesson.window.activateWindow();
    }
    target->activate();
    m_lesson.readAloud.showing(target->instructions());
    if (!canTake(m_lesson.window.focusWidget()))
        if (const QList<QWidget *> stops = Controls::focusStops(target); !stops.isEmpty())
            stops.first()->setFocus(Qt::OtherFocusReason);
    // After the focus has moved, so that the screen reader says it after the focused control.
    target->announcePage();
    emit screenActivated(id);
}

void ScreenChain::move(LessonScreen *from, ScreenId to)
{
    show(to);
    if (from && from != created(to))
        from->hide();
}

void ScreenChain::leave(LessonScreen *from, int button)
{
    for (const Move &m : Moves) {
        if (m.from != from->id() || m.button != button)
            continue;
        if (!m.to) {
            confirmQuit();
            return;
        }
        if (m.reminder)
            showReminder(from, tr(m.reminder));
        if (m.year)
            m_lesson.state.CurrentYear = *m.year;
        move(from, *m.to);
        return;
    }
}

ReminderDialog &ScreenChain::reminderDialog()
{
    if (!m_reminder)
        m_reminder = std::make_unique<ReminderDialog>(m_lesson.window);
    return *m_reminder;
}

QuestionDialog &ScreenChain::questionDialog()
{
    if (!m_question)
        m_question = std::make_unique<QuestionDialog>(m_lesson.window);
    return *m_question;
}

void ScreenChain::activateAgain(LessonScreen *caller)
{
    if (caller && caller->isVisible()) {
        caller->activate();
        caller->announcePage();
        emit screenActivated(caller->id());
    }
}

void ScreenChain::backFromPanel(LessonScreen *caller)
{
    if (caller)
        m_lesson.readAloud.backTo(caller->instructions());
    activateAgain(caller);
}

void ScreenChain::showReminder(LessonScreen *caller, const QString &text)
{
    ReminderDialog &dialog = reminderDialog();
    dialog.text()->setText(text);
    m_lesson.readAloud.showing(text);
    dialog.showModal();
    backFromPanel(caller);
}

void ScreenChain::showQuestion(LessonScreen *caller, int n, const QWidget *button, Corner corner)
{
    QuestionDialog &dialog = questionDialog();
    const auto &question = m_lesson.state.Questions.at(std::size_t(std::clamp(n, 0, 10)));
    dialog.QuestionTitle->setText(question.Title);
    dialog.QuestionText->setText(question.Text);

    // Corners meet where the button is on the lesson screen.
    const QRect b(button->mapTo(m_lesson.window.pages(), QPoint(0, 0)), button->size());
    const QSize d = dialog.size();
    const int top = corner == Corner::TopRight ? b.top() : b.top() + b.height() - d.height();
    const int left = corner == Corner::BottomLeft ? b.left() : b.left() + b.width() - d.width();
    dialog.move(left, top);

    m_lesson.readAloud.showing(question.Title + QLatin1Char('\n') + question.Text);
    dialog.showModal();
    backFromPanel(caller);
}

void ScreenChain::information(const QString &text)
{
    MessagePanel box(m_lesson.window, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
    m_lesson.readAloud.showing(text);
    box.exec();
    backFromMessage();
}

void ScreenChain::backFromMessage()
{
    if (const QList<LessonScreen *> screens = visibleScreens(); !screens.isEmpty())
        m_lesson.readAloud.backTo(screens.last()->instructions());
}

void ScreenChain::confirmQuit()
{
    MessagePanel box(m_lesson.window, QMessageBox::Critical, tr("Do you really want to leave Lapinar?"),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No);
    m_lesson.readAloud.showing(box.text());
    if (box.exec() == QMessageBox::Yes) {
        if (m_beforeEnd)
            m_beforeEnd();
        m_programEnd();
    } else
        backFromMessage();
}
