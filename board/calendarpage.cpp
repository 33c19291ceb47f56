// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarpage.h"

#include "accessibility.h"
#include "controls.h"
#include "twips.h"

#include <QLabel>
#include <QRegularExpression>

namespace CalendarPage {

Page add(QWidget *parent, const QString &spokenName, double left, double top, double captionHeight, double points)
{
    Page page;
    page.sheet = Controls::picture(parent, Picture::Calendar, spokenName, left, top, 675, 690);
    page.caption = Controls::label(page.sheet, QString(), 45, 165, 555, captionHeight,
                                   Twips::font(Twips::Face::MSSansSerif, points));
    page.caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    page.caption->setWordWrap(false);
    Accessibility::speakAs(page.caption);
    return page;
}

void setCaption(QLabel *caption, const QString &text)
{
    if (!caption)
        return;
    // A carriage return drawn as a character would be a blank at the start of the second line and
    // push its number off centre.
    static const QRegularExpression lineBreak(QStringLiteral("\\n\\r|\\r\\n|\\n|\\r"));
    QString shown = text;
    shown.replace(lineBreak, QStringLiteral("\n"));
    caption->setText(shown);
}

} // namespace CalendarPage
