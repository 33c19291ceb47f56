// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson's own text interface for its text fields: the segments of a text by the lesson's
// rules, and a field as a screen reader reads it.
#include "textfield.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <utility>

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

bool isWordMove(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::ControlModifier && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right);
}

// Control with Left or Right moves the caret of a field a screen reader reads by the words it is
// told (the segments above), so that the word read is the one the caret stands on: Qt's own moves
// stop inside "-5", before the "5".
//
// A screen reader tells a word move from a character move by the keys' modifiers, and Qt's bridge
// only hands a key on to the field once the screen reader has had it: a quick hand lets go of
// Control before the caret has moved, the bridge hands the screen reader that release with no
// Control on it (unlike the desktop's own fields), and the caret's move is read as a character's,
// "1" of "104". The releases of a word move's keys are therefore kept from the bridge: the screen
// reader's last key stays Control with the arrow. The lesson's widgets make nothing of them. To
// come before the bridge, which may start listening at any time, the keeper takes its place again
// each time a field takes the focus.
class WordMoves : public QObject {
public:
    static WordMoves &instance()
    {
        static auto *moves = new WordMoves(qApp);
        return *moves;
    }

    void watch(QLineEdit *field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp)
            return false;
        if (auto *field = qobject_cast<QLineEdit *>(watched)) {
            if (event->type() == QEvent::FocusIn) {
                qApp->removeEventFilter(&m_keeper);
                qApp->installEventFilter(&m_keeper);
            } else if (isWordMove(event) && !field->isReadOnly()) {
                move(field, static_cast<QKeyEvent *>(event));
                return true;
            }
        }
        return false;
    }

private:
    explicit WordMoves(QObject *parent) : QObject(parent) {}

    static void move(QLineEdit *field, const QKeyEvent *key)
    {
        const QString text = field->text();
        const int caret = field->cursorPosition();
        const int to = key->key() == Qt::Key_Left
                           ? (caret > 0 ? segmentAt(text, caret - 1, QAccessible::WordBoundary).start : 0)
                           : segmentAt(text, caret, QAccessible::WordBoundary).end;
        field->deselect();
        field->setCursorPosition(to);
    }

    // Sees every key of the lesson as it arrives, before the bridge.
    class Keeper : public QObject {
    public:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            Q_UNUSED(watched);
            if (!event->spontaneous())
                return false;
            if (event->type() == QEvent::KeyPress) {
                m_kept.clear();
                if (isWordMove(event) && qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                    m_kept = {Qt::Key_Control, static_cast<QKeyEvent *>(event)->key()};
                return false;
            }
            // The releases of a word move's keys, in whatever order they come, with or without
            // Control on them.
            if (event->type() == QEvent::KeyRelease)
                return m_kept.removeOne(static_cast<QKeyEvent *>(event)->key());
            return false;
        }

    private:
        QList<int> m_kept;
    };
    Keeper m_keeper;
};

// A one-line text field as a screen reader sees it: its text, caret and selection, its text
// segments from the lesson's own rules above, and one attribute run over the whole text.
class TextField : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextField(QLineEdit *field) : QAccessibleWidget(field, QAccessible::EditableText)
    {
        WordMoves::instance().watch(field);
    }

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
        // The whole text has one look: one run covers it, so a screen reader reads all of it. Its
        // language is the lesson's (the application's default locale), for a screen reader that
        // picks its voice by the language of the text.
        *startOffset = 0;
        *endOffset = characterCount();
        const QFont font = field()->font();
        return QStringLiteral("font-family:%1;font-size:%2pt;font-weight:%3;font-style:%4;language:%5;")
            .arg(font.family())
            .arg(font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75)
            .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
            .arg(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"))
            .arg(QLocale().bcp47Name());
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

} // namespace

QAccessibleInterface *textFieldInterface(QLineEdit *field)
{
    return new TextField(field);
}

} // namespace Accessibility
