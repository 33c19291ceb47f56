// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace Accessibility {

namespace {

// Where the segments of each kind start, in order; the first is 0 unless the text is empty.
QList<int> segmentStarts(const QString &text, QAccessible::TextBoundaryType boundary)
{
    QList<int> starts;
    const int length = int(text.size());
    switch (boundary) {
    case QAccessible::CharBoundary:
        for (int i = 0; i < length; ++i)
            if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
                starts.append(i);
        break;
    case QAccessible::WordBoundary:
        for (int i = 0; i < length; ++i)
            if (i == 0 || (!text.at(i).isSpace() && text.at(i - 1).isSpace()))
                starts.append(i);
        break;
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
    case QAccessible::NoBoundary:
        if (length > 0)
            starts.append(0);
        break;
    }
    return starts;
}

} // namespace

Segment segmentAt(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int length = int(text.size());
    offset = std::clamp(offset, 0, length);
    if (offset == length && boundary == QAccessible::CharBoundary)
        return {length, length};
    const QList<int> starts = segmentStarts(text, boundary);
    if (starts.isEmpty())
        return {0, 0};
    // The last start at or before the offset (the last segment for the offset at the end).
    const auto next = std::upper_bound(starts.cbegin(), starts.cend(), std::min(offset, length - 1));
    return {*(next - 1), next == starts.cend() ? length : *next};
}

Segment segmentBefore(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const Segment at = segmentAt(text, offset, boundary);
    return at.start > 0 ? segmentAt(text, at.start - 1, boundary) : Segment{0, 0};
}

Segment segmentAfter(const QString &text, int offset, QAccessible::TextBoundaryType boundary)
{
    const int length = int(text.size());
    const Segment at = segmentAt(text, offset, boundary);
    return at.end < length ? segmentAt(text, at.end, boundary) : Segment{length, length};
}

namespace {

// A one-line text field as a screen reader sees it: its text, caret and selection, its text
// segments from the lesson's own rules above, and one attribute run over the whole text.
class TextField : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextField(QLineEdit *field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return field()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !field()->isReadOnly();
        s.readOnly = field()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !field()->hasSelectedText())
            return;
        *startOffset = field()->selectionStart();
        *endOffset = field()->selectionEnd();
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            field()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const int length = characterCount();
        startOffset = std::clamp(startOffset, 0, length);
        endOffset = std::clamp(endOffset, 0, length);
        field()->setSelection(startOffset, endOffset - startOffset);
    }

    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        field()->setCursorPosition(std::clamp(position, 0, characterCount()));
    }

    QString text(int startOffset, int endOffset) const override
    {
        const int length = characterCount();
        if (endOffset < 0 || endOffset > length)
            endOffset = length;
        startOffset = std::clamp(startOffset, 0, endOffset);
        return field()->text().mid(startOffset, endOffset - startOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override
    {
        return answer(segmentBefore(field()->text(), offset, boundary), startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override
    {
        return answer(segmentAfter(field()->text(), offset, boundary), startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        return answer(segmentAt(field()->text(), offset, boundary), startOffset, endOffset);
    }
    int characterCount() const override { return int(field()->text().size()); }

    QRect characterRect(int offset) const override
    {
        // The caret's place is the one the field tells; a character lies as far from it as the
        // text between them is wide.
        const QString text = field()->text();
        offset = std::clamp(offset, 0, int(text.size()));
        const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics = field()->fontMetrics();
        const int caretAt = field()->cursorPosition();
        const int x =
            caret.x() + metrics.horizontalAdvance(text.left(offset)) - metrics.horizontalAdvance(text.left(caretAt));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.mid(offset, 1)) : 1;
        return QRect(field()->mapToGlobal(QPoint(x, caret.y())), QSize(width, caret.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        Q_UNUSED(endIndex);
        setCursorPosition(startIndex);
    }

    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        // The whole text has one look: one run covers it, so a screen reader reads all of it.
        *startOffset = 0;
        *endOffset = characterCount();
        const QFont font = field()->font();
        return QStringLiteral("font-family:%1;font-size:%2pt;font-weight:%3;font-style:%4;")
            .arg(font.family())
            .arg(font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75)
            .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
            .arg(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"));
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }

    QString answer(Segment segment, int *startOffset, int *endOffset) const
    {
        *startOffset = segment.start;
        *endOffset = segment.end;
        return field()->text().mid(segment.start, segment.end - segment.start);
    }
};

// Where the lesson keeps what a widget is to a screen reader.
const char *const SpokenPattern = "lapinarSpokenPattern";
const char *const Chosen = "lapinarChosen";
const char *const Role = "lapinarRole";
const char *const NewsName = "lapinarNews";

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
        return new TextField(static_cast<QLineEdit *>(object));
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

// The news of a window: a notification in a status bar of the window, neither taking any room.
// Orca says a notification as it appears, without the word "notification" when it is in a status
// bar. (Qt 6.4 sends a changed name or description as the object rather than the text, which
// Orca cannot say.) News told before the window is active, as at start, is told on its activation,
// when a screen reader listens to it.
class News : public QWidget {
public:
    explicit News(QWidget *window) : QWidget(new QWidget(window))
    {
        parentWidget()->setProperty(Role, int(QAccessible::StatusBar));
        parentWidget()->setGeometry(0, 0, 0, 0);
        setObjectName(QLatin1String(NewsName));
        setProperty(Role, int(QAccessible::Notification));
        setGeometry(0, 0, 0, 0);
        renew(parentWidget());
        renew(this);
        hide();
        parentWidget()->show();
        window->installEventFilter(this);
    }

    void tell(const QString &text)
    {
        hide();
        setAccessibleName(text);
        m_untold = !window()->isActiveWindow();
        if (!m_untold)
            show();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && m_untold) {
            m_untold = false;
            show();
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    bool m_untold = false;
};

QAccessible::UpdateHandler passOn = nullptr;

void quietWhenHidden(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
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

void announce(QWidget *source, const QString &text)
{
    if (!source || !source->isVisible() || text.isEmpty())
        return;
    QWidget *window = source->window();
    auto *news = static_cast<News *>(window->findChild<QWidget *>(QLatin1String(NewsName)));
    if (!news)
        news = new News(window);
    news->tell(text);
}

} // namespace Accessibility
