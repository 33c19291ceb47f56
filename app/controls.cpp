// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "artwork.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    // Tab reaches it, a mouse click does not move the focus: the mouse works as it always has.
    setFocusPolicy(Qt::TabFocus);
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent) : ClickableLabel(parent)
{
    setText(text);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool wasPressed = m_pressed;
        m_pressed = false;
        event->accept();
        // A click still on its way to a screen that has just been hidden is not the pupil's any more.
        if (wasPressed && isVisible() && rect().contains(event->position().toPoint()))
            emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click comes as a press and then this event; children often
    // double-click, and meant one click, so the press is forgotten and its release does nothing.
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::hideEvent(QHideEvent *event)
{
    m_pressed = false;
    QLabel::hideEvent(event);
}

ClickableImage::ClickableImage(QWidget *parent) : ClickableLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAccessibleName(QString());
}

void ClickableImage::setPicture(const QPixmap &picture, Picture which)
{
    setPixmap(picture);
    m_hasPicture = true;
    m_pictureName = Artwork::name(which);
}

void ClickableImage::clearPicture()
{
    clear();
    m_hasPicture = false;
    m_pictureName.clear();
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = focusRect();
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

namespace Controls {

QLabel *label(QWidget *parent, const QString &text, double left, double top, double width, double height,
              const QFont &font)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(Twips::rect(left, top, width, height));
    l->setFont(font);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton *button(QWidget *parent, const QString &caption, double left, double top, double width, double height,
                    const QFont &font)
{
    auto *b = new QPushButton(caption, parent);
    b->setGeometry(Twips::rect(left, top, width, height));
    b->setFont(font);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QPushButton *pictureButton(QWidget *parent, Picture picture, const QString &spokenName, double left, double top,
                           double width, double height)
{
    auto *b = new QPushButton(parent);
    const QRect r = Twips::rect(left, top, width, height);
    b->setGeometry(r);
    // The picture fills the button face inside its raised edge.
    const QSize face = r.size() - QSize(6, 6) * std::max(1.0, Twips::scale());
    b->setIcon(QIcon(Artwork::pixmap(picture, face)));
    b->setIconSize(face);
    b->setAccessibleName(spokenName);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QLabel *picture(QWidget *parent, Picture picture, const QString &spokenName, double left, double top, double width,
                double height)
{
    auto *l = new QLabel(parent);
    const QRect r = Twips::rect(left, top, width, height);
    l->setGeometry(r);
    l->setPixmap(Artwork::pixmap(picture, r.size()));
    l->setAccessibleName(spokenName);
    return l;
}

QList<QWidget *> focusStops(QWidget *area)
{
    QList<QWidget *> stops;
    for (QWidget *w = area->nextInFocusChain(); w && w != area; w = w->nextInFocusChain())
        if (area->isAncestorOf(w) && w->isVisibleTo(area) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            stops << w;
    return stops;
}

} // namespace Controls
