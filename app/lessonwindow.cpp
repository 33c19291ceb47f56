// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonwindow.h"

#include "artwork.h"
#include "dialogs.h"
#include "twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <cmath>

namespace {

// Swallows every mouse event on the screen beneath an open panel.
class Shade : public QWidget {
public:
    explicit Shade(QWidget *parent) : QWidget(parent)
    {
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    bool event(QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::ToolTip:
            event->accept();
            return true;
        default:
            return QWidget::event(event);
        }
    }
};

const QColor Surround(0x20, 0x20, 0x20);

// A double-click on any button of the lesson acts once. Many screens have a button where the last
// one had one, so the second press of a double-click would otherwise press the next screen's
// button, or the same button again. That press has already pushed the button down when the
// double-click event follows it: the button is let up again without a click, and the pointer's
// moves until the release cannot push it down again.
class DoubleClickGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            if (auto *button = qobject_cast<QAbstractButton *>(watched);
                button && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                button->setDown(false);
                m_cancelled = button;
                return true;
            }
            break;
        case QEvent::MouseMove:
            return m_cancelled && watched == m_cancelled;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            if (watched == m_cancelled && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                m_cancelled->setDown(false);
                m_cancelled = nullptr;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPointer<QAbstractButton> m_cancelled;
};

// The focus ring and everything else that helps a keyboard player show only while the pupil is
// using the keyboard: from a key press until the next press of a mouse button. Qt's own mark of
// that, the window's keyboard-focus-change attribute, is what the style draws the ring by; Qt sets
// it only on Tab and never clears it.
class KeyboardUse : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        QWidget *window = widget ? widget->window() : nullptr;
        const bool keyboard = type == QEvent::KeyPress;
        if (window && window->testAttribute(Qt::WA_KeyboardFocusChange) != keyboard) {
            window->setAttribute(Qt::WA_KeyboardFocusChange, keyboard);
            if (QWidget *focus = window->focusWidget())
                focus->update();
        }
        return false;
    }
};

} // namespace

LessonWindow::LessonWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint), m_pages(new QWidget(this)),
      m_shade(new Shade(m_pages))
{
    setWindowTitle(QStringLiteral("Lapinar"));
    // The window is frameless, so its small icon shows only in task bars and window lists: it is
    // given after the first frame (setIcons()), with the whole program's.
    qApp->installEventFilter(new DoubleClickGuard(this));
    qApp->installEventFilter(new KeyboardUse(this));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { keepFocusInPanel(now); });
    CenterScreen();
}

QRect LessonWindow::lessonRect() const
{
    const QSize lesson = Twips::size(WidthTwips, HeightTwips);
    if (!m_fullScreen)
        return QRect(QPoint(0, 0), lesson);
    return QRect(QPoint((width() - lesson.width()) / 2, (height() - lesson.height()) / 2), lesson);
}

void LessonWindow::placePages()
{
    const int frame = Twips::px(FrameTwips);
    const QRect client = lessonRect().adjusted(frame, frame, -frame, -frame);
    m_pages->setGeometry(client);
    m_shade->setGeometry(QRect(QPoint(0, 0), client.size()));
}

void LessonWindow::setIcons()
{
    setWindowIcon(QIcon(Artwork::pixmap(Picture::Icon, QSize(32, 32))));
    QApplication::setWindowIcon(QIcon(Artwork::path(Picture::Icon)));
}

void LessonWindow::CenterScreen()
{
    setFixedSize(Twips::size(WidthTwips, HeightTwips));
    placePages();
    QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = display ? display->geometry() : QRect(0, 0, 640, 480);
    // The sizes read back are those really made; the halves fall on whole pixels downwards.
    const int top = area.top() + int(std::floor((area.height() - height()) / 2.0));
    const int left = area.left() + int(std::floor((area.width() - width()) / 2.0));
    move(left, top);
}

void LessonWindow::setFullScreenLesson(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // On X11 without a window manager nobody else makes the window cover the display; a
        // Wayland compositor does it itself and places windows as it likes.
        QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
        if (display && QGuiApplication::platformName() != QLatin1String("wayland"))
            setGeometry(display->geometry());
    } else {
        showNormal();
        // A Wayland compositor gives the window its size back once it has left full screen; a
        // size fixed before then leaves the compositor showing it as full screen still.
        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            m_sizeWhenBack = true;
        else
            CenterScreen();
    }
    placePages();
    update();
}

void LessonWindow::setOpenPanel(ModalPanel *panel)
{
    m_panel = panel;
    if (panel) {
        m_shade->show();
        m_shade->raise();
        panel->raise();
        // The control under the pointer no longer is: it stops showing the pointer over it, as the
        // screen would beneath a dialog window.
        for (QWidget *w : m_pages->findChildren<QWidget *>())
            if (w->underMouse() && !panel->isAncestorOf(w) && w != m_shade) {
                w->setAttribute(Qt::WA_UnderMouse, false);
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(w, &leave);
                w->update();
            }
    } else {
        m_shade->hide();
    }
}

void LessonWindow::keepFocusInPanel(QWidget *now)
{
    if (m_panel && m_panel->isVisible() && now && isAncestorOf(now) && !m_panel->isAncestorOf(now))
        m_panel->focusFirst();
}

void LessonWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_sizeWhenBack && !m_fullScreen && screen() && event->size() != screen()->geometry().size()) {
        m_sizeWhenBack = false;
        CenterScreen();
    }
    placePages();
}

void LessonWindow::paintFrame(QPainter &p, const QRect &outer, const QPalette &pal)
{
    // A raised fixed-dialog frame: light outer and inner edges at the top left, shadows at the
    // bottom right, the button face between.
    const int frame = Twips::px(FrameTwips);
    p.fillRect(outer, pal.color(QPalette::Button));
    const int line = std::max(1, frame / 3);
    auto edge = [&](int inset, const QColor &light, const QColor &dark) {
        const QRect r = outer.adjusted(inset, inset, -inset, -inset);
        p.fillRect(QRect(r.left(), r.top(), r.width(), line), light);
        p.fillRect(QRect(r.left(), r.top(), line, r.height()), light);
        p.fillRect(QRect(r.left(), r.bottom() - line + 1, r.width(), line), dark);
        p.fillRect(QRect(r.right() - line + 1, r.top(), line, r.height()), dark);
    };
    edge(0, pal.color(QPalette::Midlight), QColor(0x40, 0x40, 0x40));
    edge(line, pal.color(QPalette::Light), pal.color(QPalette::Mid));
}

void LessonWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect lesson = lessonRect();
    if (lesson != rect())
        p.fillRect(rect(), Surround);
    paintFrame(p, lesson, palette());
}

void LessonWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void LessonWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        setFullScreenLesson(!m_fullScreen);
        return;
    }
    if (event->key() == Qt::Key_F9 && !event->isAutoRepeat()) {
        emit readAloudKeyPressed();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QAbstractButton *>(focusWidget()); button && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
