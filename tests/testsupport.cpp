// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "dialogs.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>

TestLesson::TestLesson()
{
    addLessonScreens(lesson);
    lesson.chain.setProgramEnd([this] { ended = true; });
}

TestLesson::~TestLesson() = default;

LessonScreen *TestLesson::showing() const
{
    const auto screens = lesson.chain.visibleScreens();
    return screens.size() == 1 ? screens.first() : nullptr;
}

QString spokenName(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

QString spokenDescription(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
}

QString spokenChoice(QObject *object)
{
    const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(object);
    const QString role = spoken->role() == QAccessible::RadioButton ? QStringLiteral("radio button")
                                                                    : QStringLiteral("role %1").arg(spoken->role());
    return role + (spoken->state().checked ? QStringLiteral(", checked") : QStringLiteral(", not checked"));
}

QString screenName(ScreenId id)
{
    static const char *const names[] = {"Intro1",    "Intro2",     "Prediction", "Intro3", "Island",
                                        "GraphForm", "Conclusion", "Extend",     "Foxes",  "Finish"};
    return QString::fromLatin1(names[int(id)]);
}

namespace {

QStringList visibleScreenNames(TestLesson &t)
{
    QStringList names;
    for (LessonScreen *s : t.lesson.chain.visibleScreens())
        names << screenName(s->id());
    return names;
}

// Records and closes the modal window showing now; false if there is none.
bool handleModal(TestLesson &t, const QString &answer, ModalSeen &seen)
{
    QWidget *modal = openModal(t);
    if (!modal)
        return false;
    seen.visibleScreens = visibleScreenNames(t);
    if (auto *box = qobject_cast<MessagePanel *>(modal)) {
        seen.kind = QStringLiteral("message box");
        seen.title = box->accessibleName();
        seen.text = box->text();
        seen.icon = int(box->icon());
        for (QPushButton *b : box->buttons())
            seen.buttons << b->text().remove(QLatin1Char('&'));
        if (box->defaultButton())
            seen.defaultButton = box->defaultButton()->text().remove(QLatin1Char('&'));
        QPushButton *press = nullptr;
        for (QPushButton *b : box->buttons()) {
            const QString caption = b->text().remove(QLatin1Char('&'));
            if (answer.isEmpty() ? (caption == QLatin1String("OK") || caption == QLatin1String("No"))
                                 : caption == answer)
                press = b;
        }
        if (!press)
            press = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
        press->click();
        return true;
    }
    if (auto *reminder = qobject_cast<ReminderDialog *>(modal)) {
        seen.kind = QStringLiteral("reminder");
        seen.text = reminder->text()->text();
        reminder->okButton()->click();
        return true;
    }
    if (auto *question = qobject_cast<QuestionDialog *>(modal)) {
        seen.kind = QStringLiteral("question");
        seen.title = question->QuestionTitle->text();
        seen.text = question->QuestionText->text();
        question->CloseButton->click();
        return true;
    }
    modal->hide();
    seen.kind = QStringLiteral("other");
    return true;
}

} // namespace

QWidget *openModal(TestLesson &t)
{
    if (ModalPanel *panel = t.lesson.window.openPanel(); panel && panel->isVisible())
        return panel;
    return nullptr;
}

QString oneWindowFault(TestLesson &t)
{
    QStringList faults;
    // A menu or a tooltip pops up over the window for a moment; it is no window of the lesson's.
    const auto popsUp = [](Qt::WindowType type) { return type == Qt::Popup || type == Qt::ToolTip; };
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == &t.lesson.window || popsUp(w->windowType()))
            continue;
        faults << QStringLiteral("%1 \"%2\" showing").arg(w->metaObject()->className(), w->windowTitle());
    }
    if (!t.lesson.window.isVisible())
        faults << QStringLiteral("the lesson window is hidden");
    // What the window system is given: the lesson window's own surface only.
    for (QWindow *w : QGuiApplication::topLevelWindows())
        if (w->isVisible() && w != t.lesson.window.windowHandle() && !popsUp(w->type()))
            faults << QStringLiteral("window \"%1\" showing").arg(w->title());
    return faults.join(QStringLiteral("; "));
}

ModalSeen answerModal(TestLesson &t, const std::function<void()> &action, const QString &answer)
{
    ModalSeen seen;
    bool done = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!done && handleModal(t, answer, seen))
            done = true;
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

QList<ModalSeen> answerAllModals(TestLesson &t, const std::function<void()> &action)
{
    QList<ModalSeen> all;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        ModalSeen seen;
        if (handleModal(t, QString(), seen))
            all.append(seen);
    });
    poll.start();
    action();
    poll.stop();
    return all;
}

RenderedTip::RenderedTip(const QString &tip)
{
    if (Qt::mightBeRichText(tip))
        setHtml(tip);
    else
        setPlainText(tip);
    // Images are asked for when the text is laid out.
    size();
    for (QTextBlock block = begin(); block.isValid(); block = block.next())
        for (auto part = block.begin(); !part.atEnd(); ++part)
            anchors += part.fragment().charFormat().isAnchor() ? 1 : 0;
}

QVariant RenderedTip::loadResource(int, const QUrl &name)
{
    loaded << name;
    return QVariant();
}

bool unsafeText(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        switch (c.direction()) {
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirPDF:
        case QChar::DirLRI:
        case QChar::DirRLI:
        case QChar::DirFSI:
        case QChar::DirPDI:
            return true;
        default:
            return (c.category() == QChar::Other_Control && c != QLatin1Char('\n')) ||
                   c.category() == QChar::Other_Format;
        }
    });
}
