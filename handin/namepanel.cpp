// SPDX-License-Identifier: GPL-3.0-or-later
#include "namepanel.h"

#include "handincsv.h"
#include "lessonwindow.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NamePanel::NamePanel(LessonWindow &window) : ModalPanel(window)
{
    setAccessibleName(QStringLiteral("Lapinar"));
    setBackground(palette().color(QPalette::Button));
    setOuterSize(Twips::size(6000, 3000));
    const QSize area = window.pages()->size();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);

    auto *text = Controls::label(client(), question(), 360, 180, 5295, 900, Twips::font(Twips::Face::MSSansSerif, 12));
    QPalette blue = text->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    text->setPalette(blue);

    m_field = new QLineEdit(client());
    m_field->setGeometry(Twips::rect(360, 1170, 5295, 495));
    m_field->setFont(Twips::font(Twips::Face::MSSansSerif, 12));
    m_field->setMaxLength(HandInCsv::MaxTypedLength);
    m_field->setAccessibleName(question());
    text->setBuddy(m_field);

    //: The name panel's button that hands the results in under the name typed; 81 px wide at 640 x 480.
    m_ok = Controls::button(client(), tr("OK"), 2400, 2040, 1215, 615, Twips::font(Twips::Face::MSSansSerif, 9.75));
    m_ok->setEnabled(false);
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &name) { m_ok->setEnabled(!name.trimmed().isEmpty()); });
    connect(m_field, &QLineEdit::returnPressed, m_ok, &QPushButton::click);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (!m_field->text().trimmed().isEmpty())
            hide();
    });
}

QString NamePanel::question()
{
    return tr("This computer's login is shared. Type your name, so that your teacher knows whose results these "
              "are:");
}

QString NamePanel::ask()
{
    showModal();
    return m_field->text().trimmed();
}

void NamePanel::focusFirst()
{
    m_field->setFocus(Qt::TabFocusReason);
}

void NamePanel::keyPressEvent(QKeyEvent *event)
{
    // The results cannot be handed in without a name: Escape does not close the panel.
    // Enter in the field has pressed OK already; it presses nothing beneath once the panel is gone.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    ModalPanel::keyPressEvent(event);
}
