// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "artwork.h"
#include "twips.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

ModalWindow::ModalWindow() : LessonWindow(Qt::Dialog)
{
    setWindowModality(Qt::ApplicationModal);
}

void ModalWindow::showModal()
{
    QEventLoop loop;
    connect(this, &ModalWindow::hidden, &loop, &QEventLoop::quit);
    show();
    activateWindow();
    if (isVisible())
        loop.exec();
}

void ModalWindow::hideEvent(QHideEvent *event)
{
    LessonWindow::hideEvent(event);
    emit hidden();
}

ReminderDialog::ReminderDialog()
{
    setWindowTitle(QStringLiteral("Lapinar"));
    setWindowIcon(QIcon(Artwork::pixmap(QStringLiteral("icon"), QSize(32, 32))));
    setBackground(palette().color(QPalette::Button));

    auto *text =
        Controls::label(client(), QString(), 360, 240, 5295, 1575, Twips::font(Twips::Face::MSSansSerif, 13.5));
    QPalette blue = text->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    text->setPalette(blue);
    InfoText.insert(0, text);

    auto *ok = Controls::button(client(), QStringLiteral("OK"), 2400, 2040, 1215, 615,
                                Twips::font(Twips::Face::MSSansSerif, 9.75));
    cmd_button.insert(0, ok);
    connect(ok, &QPushButton::clicked, this, [this] { cmd_button_Click(0); });

    CenterScreen(6000, 3000);
}

void ReminderDialog::cmd_button_Click(int index)
{
    if (index == 0)
        hide();
}

QuestionDialog::QuestionDialog()
{
    setWindowTitle(QStringLiteral("Question"));
    setBackground(QColor(224, 224, 224));
    const QFont font = Twips::font(Twips::Face::MSSansSerif, 13.5);

    // The frame around the text is drawn first so the text label sits above it.
    Label1 = Controls::label(client(), QString(), 240, 960, 4215, 2415, font);
    Label1->setFrameStyle(QFrame::Box | QFrame::Plain);

    QuestionTitle = Controls::label(client(), QStringLiteral("Question 1"), 240, 240, 4215, 495, font);
    QuestionTitle->setFrameStyle(QFrame::Box | QFrame::Plain);
    QuestionTitle->setAlignment(Qt::AlignCenter);
    QuestionTitle->setWordWrap(false);

    QuestionText = Controls::label(client(), QString(), 600, 1320, 3495, 1815, font);

    CloseButton = Controls::button(client(), QStringLiteral("&Close"), 1560, 3600, 1455, 495, font);
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
        ModalWindow::keyPressEvent(event);
    }
}
