// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonstyle.h"

#include "twips.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

namespace {
// Black stands out by at least 5:1 on the lesson's grey, green and pale yellow and on the button face.
const QColor Ring(0, 0, 0);
} // namespace

LessonStyle::LessonStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void LessonStyle::install()
{
    if (!qobject_cast<LessonStyle *>(QApplication::style()))
        QApplication::setStyle(new LessonStyle);
}

int LessonStyle::focusRingWidth()
{
    return std::max(2, int(std::lround(2 * Twips::scale())));
}

void LessonStyle::drawFocusRing(QPainter *painter, const QRect &rect)
{
    const int width = focusRingWidth();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Ring);
    const QRect r = rect.normalized();
    painter->drawRect(QRect(r.left(), r.top(), r.width(), width));
    painter->drawRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width));
    painter->drawRect(QRect(r.left(), r.top(), width, r.height()));
    painter->drawRect(QRect(r.right() - width + 1, r.top(), width, r.height()));
    painter->restore();
}

namespace {
// The ring shows once the pupil moves the focus with the keyboard; a pupil who only clicks sees the
// screens as they always were.
bool keyboardFocus(const QStyleOption *option)
{
    return (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange);
}
} // namespace

void LessonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    switch (element) {
    case PE_FrameFocusRect:
        drawFocusRing(painter, option->rect);
        return;
    case PE_FrameLineEdit:
        // A text box shows its focus by the same ring, inside its own frame.
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (keyboardFocus(option))
            drawFocusRing(painter, option->rect.adjusted(1, 1, -1, -1));
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void LessonStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    // A button's ring lies just inside its raised edge, over the face.
    if (element == CE_PushButton && keyboardFocus(option)) {
        const int edge = std::max(2, int(std::lround(2 * Twips::scale())));
        drawFocusRing(painter, option->rect.adjusted(edge, edge, -edge, -edge));
    }
}
