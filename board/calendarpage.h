// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

// The calendar pages of the island screens: a spiral-bound sheet (675 x 690 twips) with a caption
// on it, such as the year page's "Year", the lesson's NewLine and the year's number. The caption
// shows its lines one under the other, each centred across the page, and a screen reader reads what
// it shows now as one line ("Year 0").
namespace CalendarPage {

struct Page {
    QLabel *sheet = nullptr;
    QLabel *caption = nullptr;
};

// A page at left, top of parent, spoken as spokenName. Its caption lies at 45, 165 on the sheet,
// 555 twips wide and captionHeight high, in MS Sans Serif of the given size.
Page add(QWidget *parent, const QString &spokenName, double left, double top, double captionHeight, double points);

// Sets a caption: any line break (line feed, carriage return, or the two together in either
// order) starts a new line.
void setCaption(QLabel *caption, const QString &text);

} // namespace CalendarPage
