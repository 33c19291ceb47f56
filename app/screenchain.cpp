// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenchain.h"

#include "dialogs.h"
#include "lesson.h"
#include "lessonscreen.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

ScreenChain::ScreenChain(Lesson &lesson)
    : m_lesson(lesson), m_programEnd([] {
          // The lesson ends at once: every window disappears and nothing is saved.
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
    if (!slot) {
        Q_ASSERT_X(m_factories[index(id)], "ScreenChain::screen", "no factory for this screen");
        slot.reset(m_factories[index(id)](m_lesson));
        slot->load();
    }
    return slot.get();
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
    target->activateWindow();
    target->activate();
    emit screenActivated(id);
}

void ScreenChain::move(LessonScreen *from, ScreenId to)
{
    show(to);
    if (from && from != created(to))
        from->hide();
}

ReminderDialog &ScreenChain::reminderDialog()
{
    if (!m_reminder)
        m_reminder = std::make_unique<ReminderDialog>();
    return *m_reminder;
}

QuestionDialog &ScreenChain::questionDialog()
{
    if (!m_question)
        m_question = std::make_unique<QuestionDialog>();
    return *m_question;
}

void ScreenChain::showReminder(LessonScreen *caller, const QString &text)
{
    ReminderDialog &dialog = reminderDialog();
    dialog.text()->setText(text);
    dialog.showModal();
    if (caller && caller->isVisible()) {
        caller->activateWindow();
        caller->activate();
        emit screenActivated(caller->id());
    }
}

void ScreenChain::showQuestion(LessonScreen *caller, int n, const QWidget *button, Corner corner)
{
    QuestionDialog &dialog = questionDialog();
    const auto &question = m_lesson.state.Questions.at(std::size_t(std::clamp(n, 0, 10)));
    dialog.QuestionTitle->setText(question.Title);
    dialog.QuestionText->setText(question.Text);

    // Corners meet where the button really is on the display.
    const QRect b(button->mapToGlobal(QPoint(0, 0)), button->size());
    const QSize d = dialog.frameGeometry().size();
    const int top = corner == Corner::TopRight ? b.top() : b.top() + b.height() - d.height();
    const int left = corner == Corner::BottomLeft ? b.left() : b.left() + b.width() - d.width();
    dialog.move(left, top);

    dialog.showModal();
    if (caller && caller->isVisible()) {
        caller->activateWindow();
        caller->activate();
        emit screenActivated(caller->id());
    }
}

void ScreenChain::information(QWidget *over, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Lapinar"), text, QMessageBox::Ok, over);
    box.exec();
}

void ScreenChain::confirmQuit(QWidget *over)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Lapinar"),
                    QStringLiteral("Do you really want to leave Lapinar?"), QMessageBox::Yes | QMessageBox::No, over);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() == QMessageBox::Yes)
        m_programEnd();
}
