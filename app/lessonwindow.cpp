// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonwindow.h"

#include "twips.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

LessonWindow::LessonWindow(Qt::WindowFlags kind)
    : QWidget(nullptr, kind | Qt::FramelessWindowHint | Qt::CustomizeWindowHint), m_client(new QWidget(this))
{
    m_client->setAutoFillBackground(true);
    m_client->move(framePx(), framePx());
}

int LessonWindow::framePx() const
{
    return Twips::px(FrameTwips);
}

QSize LessonWindow::outerSizeFor(const QSize &clientSize)
{
    const int frame = Twips::px(FrameTwips);
    return clientSize + QSize(2 * frame, 2 * frame);
}

void LessonWindow::setBackground(const QColor &colour)
{
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, colour);
    m_client->setPalette(p);
}

void LessonWindow::CenterScreen(double widthTwips, double heightTwips)
{
    setOuterSize(Twips::size(widthTwips, heightTwips));
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = display ? display->geometry() : QRect(0, 0, 640, 480);
    // The sizes read back are those really made; the halves fall on whole pixels downwards.
    const int top = area.top() + int(std::floor((area.height() - height()) / 2.0));
    const int left = area.left() + int(std::floor((area.width() - width()) / 2.0));
    move(left, top);
}

void LessonWindow::setOuterSize(const QSize &size)
{
    setFixedSize(size);
    // A hidden window gets its resize event only when first shown; the controls need their place now.
    const int frame = framePx();
    m_client->setGeometry(frame, frame, width() - 2 * frame, height() - 2 * frame);
}

void LessonWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int frame = framePx();
    m_client->setGeometry(frame, frame, width() - 2 * frame, height() - 2 * frame);
}

void LessonWindow::paintEvent(QPaintEvent *)
{
    // A raised fixed-dialog frame: light outer and inner edges at the top left, shadows at the
    // bottom right, the button face between.
    QPainter p(this);
    const QPalette pal = palette();
    const int frame = framePx();
    p.fillRect(rect(), pal.color(QPalette::Button));
    const int line = std::max(1, frame / 3);
    auto edge = [&](int inset, const QColor &light, const QColor &dark) {
        const QRect r = rect().adjusted(inset, inset, -inset, -inset);
        p.fillRect(QRect(r.left(), r.top(), r.width(), line), light);
        p.fillRect(QRect(r.left(), r.top(), line, r.height()), light);
        p.fillRect(QRect(r.left(), r.bottom() - line + 1, r.width(), line), dark);
        p.fillRect(QRect(r.right() - line + 1, r.top(), line, r.height()), dark);
    };
    edge(0, pal.color(QPalette::Midlight), QColor(0x40, 0x40, 0x40));
    edge(line, pal.color(QPalette::Light), pal.color(QPalette::Mid));
}

void LessonWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void LessonWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()); button && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
