// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "textfield.h"

#include <QAccessibleWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace Accessibility {

namespace {

// Where the lesson keeps what a widget is to a screen reader.
const char *const SpokenPattern = "lapinarSpokenPattern";
const char *const Chosen = "lapinarChosen";
const char *const Role = "lapinarRole";
const char *const NewsName = "lapinarNews";
const char *const LaterNewsName = "lapinarLaterNews";

// A label whose spoken name is made from what it shows, asked afresh at every query.
class FollowingLabel : public QAccessibleWidget {
public:
    explicit FollowingLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !label()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        return label()->property(SpokenPattern).toString().arg(label()->text().simplified());
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

// One of a group of choices, read as a radio button: checked when it is the chosen one.
class Choice : public QAccessibleWidget {
public:
    explicit Choice(QWidget *widget) : QAccessibleWidget(widget, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text().simplified();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = isChosen(widget());
        return s;
    }
};

QAccessibleInterface *lessonInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return textFieldInterface(static_cast<QLineEdit *>(object));
    // A plain widget as a top-level window is a filler to Qt; the lesson window is the pupil's
    // window, a frame named "Lapinar", which a screen reader names when the pupil comes to it.
    if (className == QLatin1String("LessonWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    // Asked with the widget's own class first: what the lesson has said of it decides.
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (const QVariant role = object->property(Role); role.isValid())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Role(role.toInt()));
    if (object->property(Chosen).isValid())
        return new Choice(static_cast<QWidget *>(object));
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(SpokenPattern).isValid())
        return new FollowingLabel(label);
    return nullptr;
}

// A widget's interface is kept once made, and Qt makes one as soon as a widget sends its first
// event, often while it is being built: the next query makes it afresh, from what the lesson has
// said of the widget since.
void renew(QObject *object)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

// The news of a window. Qt 6.8 hands a screen reader an announcement, which Orca says as it comes.
// Before it, the news is a notification in a status bar of the window, neither taking any room:
// Orca 43 says a notification as it appears, without the word "notification" when it is in a
// status bar (Orca 48 says that word each time, hence the announcement where there is one). Qt 6.4
// sends a changed name or description as the object rather than the text, which Orca cannot say.
// Either way the notification's name is the news last told. News told before the window is active,
// as at start, is told on its activation, when a screen reader listens to it.
//
// A screen reader reads a notification's name when it comes to it, which may be seconds later when
// much has changed at once (a year laid out), so news that follows other news without cutting it
// short (a rabbit coming up as a year opens) has a notification of its own, `after` the first: it
// never takes the first one's name before that is read, and it waits until the first has been
// heard. Told together in one, the earlier news would be said a second time.
class News : public QWidget {
public:
    News(QWidget *window, const char *name, const News *after = nullptr) : QWidget(new QWidget(window)), m_after(after)
    {
        parentWidget()->setProperty(Role, int(QAccessible::StatusBar));
        parentWidget()->setGeometry(0, 0, 0, 0);
        setObjectName(QLatin1String(name));
        setProperty(Role, int(QAccessible::Notification));
        setGeometry(0, 0, 0, 0);
        renew(parentWidget());
        renew(this);
        hide();
        parentWidget()->show();
        window->installEventFilter(this);
        m_later.setSingleShot(true);
        QObject::connect(&m_later, &QTimer::timeout, this, [this] { tell(m_pending); });
    }

    void withdraw() { m_later.stop(); }

    void tell(const QString &text)
    {
        m_later.stop();
        const qint64 sinceEarlier = m_after && m_after->m_told.isValid() ? m_after->m_told.elapsed() : HearingMs;
        if (sinceEarlier < HearingMs) {
            m_pending = text;
            m_later.start(int(HearingMs - sinceEarlier));
            return;
        }
        m_told.start();
        hide();
        setAccessibleName(text);
        m_untold = !window()->isActiveWindow();
        if (!m_untold)
            tellNow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && m_untold) {
            m_untold = false;
            tellNow();
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    void tellNow()
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // An announcement said cannot be taken back, as a notification's name can be changed before
        // it is read: news told in one go (a panel closing, then the next screen) goes out as the
        // last of it, once the lesson is done with the pupil's key.
        if (m_announcing)
            return;
        m_announcing = true;
        QTimer::singleShot(0, this, [this] {
            m_announcing = false;
            QAccessibleAnnouncementEvent announcement(window(), accessibleName());
            QAccessible::updateAccessibility(&announcement);
        });
#else
        show();
#endif
    }

    bool m_announcing = false;

    static constexpr int HearingMs = 500;
    bool m_untold = false;
    QElapsedTimer m_told;
    const News *m_after = nullptr;
    // News waiting for the earlier news to be heard.
    QTimer m_later;
    QString m_pending;
};

QAccessible::UpdateHandler passOn = nullptr;
bool describingQuietly = false;
void quietWhenHidden(QAccessibleEvent *event);

void handOn(QAccessibleEvent *event)
{
    if (passOn) {
        passOn(event);
        return;
    }
    // Qt has no handler to hand the event on to: with none installed for the moment, Qt gives it
    // to the platform's bridge itself.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(quietWhenHidden);
}

// Widgets whose name changed while hidden. A screen reader may keep what it was last told of an
// object (Orca 48 does), so each change is told once the widget shows: else a reused panel would be
// read with its last text. A description changed while hidden stays untold: Orca 48 would say a
// screen's new description as the screen shows, on top of its news.
std::vector<QPointer<QObject>> &renamedWhileHidden()
{
    static std::vector<QPointer<QObject>> renamed;
    return renamed;
}

void tellNamesNowShowing()
{
    std::vector<QPointer<QObject>> showing;
    std::erase_if(renamedWhileHidden(), [&](const QPointer<QObject> &object) {
        if (object && !static_cast<QWidget *>(object.data())->isVisible())
            return false;
        showing.push_back(object);
        return true;
    });
    for (const QPointer<QObject> &object : showing) {
        if (!object) // gone, or gone while an earlier one was told
            continue;
        QAccessibleEvent event(object, QAccessible::NameChanged);
        handOn(&event);
    }
}

void quietWhenHidden(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::ObjectShow:
        handOn(event);
        tellNamesNowShowing();
        return;
    case QAccessible::NameChanged:
        if (QObject *object = event->object(); object && object->isWidgetType())
            if (!static_cast<QWidget *>(object)->isVisible()) {
                auto &renamed = renamedWhileHidden();
                if (std::find(renamed.begin(), renamed.end(), object) == renamed.end())
                    renamed.emplace_back(object);
                return;
            }
        break;
    case QAccessible::DescriptionChanged:
        if (describingQuietly)
            return;
        [[fallthrough]];
    case QAccessible::StateChanged:
    case QAccessible::ValueChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextAttributeChanged:
        if (QObject *object = event->object(); object && object->isWidgetType())
            if (!static_cast<QWidget *>(object)->isVisible())
                return;
        break;
    default:
        break;
    }
    handOn(event);
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(lessonInterface);
        return true;
    }();
    Q_UNUSED(installed);
    if (const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(quietWhenHidden);
        before != quietWhenHidden)
        passOn = before;
}

void speakAs(QLabel *label, const QString &pattern)
{
    label->setProperty(SpokenPattern, pattern);
    renew(label);
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(Role, int(role));
    renew(widget);
}

void makeChoice(QWidget *widget)
{
    widget->setProperty(Chosen, false);
    renew(widget);
}

void setChosen(QWidget *widget, bool chosen)
{
    if (isChosen(widget) == chosen)
        return;
    widget->setProperty(Chosen, chosen);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

bool isChosen(const QWidget *widget)
{
    return widget->property(Chosen).toBool();
}

void withdrawWaiting(QWidget *source)
{
    if (source)
        if (auto *later = static_cast<News *>(source->window()->findChild<QWidget *>(QLatin1String(LaterNewsName))))
            later->withdraw();
}

void describePage(QWidget *page, const QString &description)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 hands a changed description on with its text, and Orca 48 says it when the focus is
    // within the page; the page's news says it already.
    const QScopedValueRollback quiet(describingQuietly, true);
#endif
    page->setAccessibleDescription(description);
}

void announce(QWidget *source, const QString &text, Telling telling)
{
    if (!source || !source->isVisible() || text.isEmpty())
        return;
    QWidget *window = source->window();
    auto *news = static_cast<News *>(window->findChild<QWidget *>(QLatin1String(NewsName)));
    if (!news)
        news = new News(window, NewsName);
    if (telling == Telling::AfterEarlier) {
        auto *later = static_cast<News *>(window->findChild<QWidget *>(QLatin1String(LaterNewsName)));
        news = later ? later : new News(window, LaterNewsName, news);
    }
    news->tell(text);
}

} // namespace Accessibility
