// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "lessonwindow.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace {

// A panel is a child widget, which assistive technology would take for a plain part of the window.
QAccessibleInterface *panelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ModalPanel") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

ModalPanel::ModalPanel(LessonWindow &window) : QWidget(window.pages()), m_window(window), m_client(new QWidget(this))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(panelAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    m_client->setAutoFillBackground(true);
    hide();
}

QSize ModalPanel::outerSizeFor(const QSize &clientSize)
{
    const int frame = Twips::px(LessonWindow::FrameTwips);
    return clientSize + QSize(2 * frame, 2 * frame);
}

void ModalPanel::setBackground(const QColor &colour)
{
    QPalette p = m_client->palette();
    p.setColor(QPalette::Window, colour);
    m_client->setPalette(p);
}

void ModalPanel::setOuterSize(const QSize &size)
{
    setFixedSize(size);
    const int frame = Twips::px(LessonWindow::FrameTwips);
    m_client->setGeometry(frame, frame, width() - 2 * frame, height() - 2 * frame);
}

void ModalPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    LessonWindow::paintFrame(p, rect(), palette());
}

void ModalPanel::showModal()
{
    // The control that had the focus gets it back when the panel closes, as after a dialog window.
    const QPointer<QWidget> before = QApplication::focusWidget();
    QEventLoop loop;
    connect(this, &ModalPanel::hidden, &loop, &QEventLoop::quit);
    m_window.setOpenPanel(this);
    show();
    focusFirst();
    if (isVisible())
        loop.exec();
    m_window.setOpenPanel(nullptr);
    if (before && before->isVisible())
        before->setFocus(Qt::OtherFocusReason);
}

void ModalPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit hidden();
}

void ModalPanel::focusFirst()
{
    if (const QList<QWidget *> stops = Controls::focusStops(this); !stops.isEmpty())
        stops.first()->setFocus(Qt::TabFocusReason);
}

bool ModalPanel::focusNextPrevChild(bool next)
{
    // A closing panel lets the focus go back to the window.
    if (!isVisible())
        return QWidget::focusNextPrevChild(next);
    const QList<QWidget *> stops = Controls::focusStops(this);
    if (stops.isEmpty())
        return true;
    const qsizetype at = stops.indexOf(QApplication::focusWidget());
    const qsizetype n = stops.size();
    const qsizetype to = at < 0 ? 0 : (at + (next ? 1 : n - 1)) % n;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

ReminderDialog::ReminderDialog(LessonWindow &window) : ModalPanel(window)
{
    setAccessibleName(QStringLiteral("Lapinar"));
    setBackground(palette().color(QPalette::Button));

    auto *text =
        Controls::label(client(), QString(), 360, 240, 5295, 1575, Twips::font(Twips::Face::MSSansSerif, 13.5));
    QPalette blue = text->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    text->setPalette(blue);
    InfoText.insert(0, text);

    auto *ok = Controls::button(client(), tr("OK"), 2400, 2040, 1215, 615, Twips::font(Twips::Face::MSSansSerif, 9.75));
    cmd_button.insert(0, ok);
    connect(ok, &QPushButton::clicked, this, [this] { cmd_button_Click(0); });

    // 6000 x 3000 twips with its frame, centred over the lesson screen as it once was on the display.
    setOuterSize(Twips::size(6000, 3000));
    const QSize area = window.pages()->size();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

void ReminderDialog::cmd_button_Click(int index)
{
    if (index == 0)
        hide();
}

QuestionDialog::QuestionDialog(LessonWindow &window) : ModalPanel(window)
{
    setAccessibleName(tr("Question"));
    setBackground(QColor(224, 224, 224));
    const QFont font = Twips::font(Twips::Face::MSSansSerif, 13.5);

    // The frame around the text is drawn first so the text label sits above it.
    Label1 = Controls::label(client(), QString(), 240, 960, 4215, 2415, font);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);

    QuestionTitle = Controls::label(client(), tr("Question %1").arg(1), 240, 240, 4215, 495, font);
    QuestionTitle->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Centred across and drawn from the top, as every label of the lesson is.
    QuestionTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QuestionTitle->setWordWrap(false);
    // A framed label would stand its text half an "x" below the frame; it starts just under it.
    QuestionTitle->setIndent(0);

    QuestionText = Controls::label(client(), QString(), 600, 1320, 3495, 1815, font);

    CloseButton = Controls::button(client(), tr("&Close"), 1560, 3600, 1455, 495, font);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::hide);

    // No load step: the dialog keeps its laid-out client area and each opening places it.
    setOuterSize(outerSizeFor(Twips::size(ClientWidthTwips, ClientHeightTwips)));
}

void QuestionDialog::keyPressEvent(QKeyEvent *event)
{
    // Close is both the default and the cancel button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        CloseButton->click();
        return;
    default:
        ModalPanel::keyPressEvent(event);
    }
}
