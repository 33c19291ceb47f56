// SPDX-License-Identifier: GPL-3.0-or-later
#include "foxes.h"

#include "accessibility.h"
#include "calendarpage.h"
#include "lesson.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr double HoleSpacing = 720;
}

Foxes::Foxes(Lesson &lesson)
    : LessonScreen(lesson, ScreenId::Foxes, QColor(0, 128, 0)), m_board(HoleBoard::Stores::RabbitsAndFoxes)
{
    // The year page and the count page, each a label on a calendar sheet.
    const struct {
        double left;
        double labelHeight;
        double points;
        QString spoken;
    } pages[] = {{360, 525, 8.25, tr("Year")}, {1200, 405, 18, tr("Rabbits counted")}};
    for (int i = 0; i < 2; ++i) {
        const CalendarPage::Page page =
            CalendarPage::add(client(), pages[i].spoken, pages[i].left, 360, pages[i].labelHeight, pages[i].points);
        Calendar.insert(i, page.caption);
    }
    //: Spoken name of the calendar page that shows the count; %1 is the number of animals counted this year.
    Accessibility::speakAs(Calendar(1), tr("Rabbits counted: %1"));

    // The burrow places row by row. The first, third and fifth rows start 240 twips further right;
    // the first row leaves its first two columns to the calendar pages, and the last row stops
    // short of the buttons.
    addHoleRow({0, 3, 4, 5, 6, 7, 8, 19, 9, 72}, 600, 2, 360);
    addHoleRow({18, 17, 16, 15, 14, 13, 12, 11, 29, 28, 10, 73}, 360, 0, 1320);
    addHoleRow({67, 66, 2, 27, 26, 25, 24, 23, 22, 21, 20, 74}, 600, 0, 2280);
    addHoleRow({39, 38, 37, 36, 35, 34, 33, 32, 31, 68, 30, 75}, 360, 0, 3240);
    addHoleRow({69, 49, 48, 47, 46, 45, 44, 43, 42, 41, 40, 76}, 600, 0, 4200);
    addHoleRow({59, 58, 57, 56, 55, 54, 53, 52, 51, 70, 50, 77}, 360, 0, 5160);
    addHoleRow({65, 64, 63, 62, 61, 60, 1, 71}, 360, 0, 6120);

    addCommandButton(1, QStringLiteral("<<"), 6480, 6240, 1215, 495)
        ->setFont(Twips::font(Twips::Face::MSSansSerif, 8.25));
    //: The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of 11-px text (about 11
    //: letters). Translate it as the "Next year" of the year buttons.
    addCommandButton(0, tr("Next year"), 7920, 6240, 1215, 495)->setFont(Twips::font(Twips::Face::MSSansSerif, 8.25));

    m_year.setHoleChanged([this](int index) { m_board.show(index, m_year.hole(index)); });
    connect(&m_board, &HoleBoard::clicked, this, &Foxes::Hole_Click);
    // An arrow that leads nowhere is answered, so that a pupil who cannot see the field knows its edge.
    connect(&m_board.field(), &PlaceField::noFurther, this, [this] {
        //: Said to a screen reader when an arrow key would go past the last animal.
        Accessibility::announce(this, tr("No more animals that way."));
    });
}

void Foxes::addHoleRow(const QList<int> &indexes, double rowLeft, int firstColumn, double top)
{
    for (int k = 0; k < indexes.size(); ++k)
        m_board.addHole(client(), indexes[k], rowLeft + HoleSpacing * (firstColumn + k), top);
}

void Foxes::load()
{
    LessonScreen::load();
    FoxFigures::FillYearTable(m_lesson.state);
}

void Foxes::activate()
{
    ShowYear();
}

void Foxes::ShowYear()
{
    // Every way onto this screen sets the year first; should anything else show it, lay out the
    // nearest year the experiment has rather than read outside the year table.
    qint16 &y = m_lesson.state.CurrentYear;
    y = qint16(std::clamp(int(y), FoxFigures::FirstYear, FoxFigures::LastYear));
    const LAPINAR1::Year &figures = m_lesson.state.YearTable[y];
    m_year.layOut(figures.Rabbits, figures.FoxNumber, m_lesson.random);
    m_board.refresh();

    CalendarPage::setCaption(Calendar(0), FoxFigures::yearCaption(y, m_lesson.state.NewLine));
    showCount();
    setCaption(YearRange::Forward, FoxFigures::Years.forwardCaption(y));
    setCaption(YearRange::Back, FoxFigures::Years.backCaption(y));
}

void Foxes::showCount()
{
    Calendar(1)->setText(QString::number(m_year.YearCount()));
    updateSpokenPage();
}

QString Foxes::screenName() const
{
    //: The fox screen's spoken name; %1 is the year of the experiment (0 to 10).
    return tr("Fox island, year %1").arg(m_lesson.state.CurrentYear);
}

QString Foxes::countSaid() const
{
    const QString count = tr("Rabbits counted: %1").arg(Calendar(1)->text());
    if (m_year.YearRabbits() > 0 && m_year.YearCount() == m_year.YearRabbits())
        //: Said to a screen reader after the count, once every rabbit of the fox year is counted.
        return count + QStringLiteral(". ") + tr("All counted.");
    return count;
}

QString Foxes::instructions() const
{
    // How many animals there are to look over, rabbits and foxes together: a pupil who cannot see the
    // field is not left to find them all to know when to stop.
    //: Said after the count as a fox year opens; %n is the number of animals, rabbits and foxes, on the island.
    return countSaid() + QStringLiteral(". ") +
           tr("There are %n animals.", "", m_year.YearRabbits() + m_year.YearFoxes());
}

void Foxes::Hole_Click(int index)
{
    // The year shows the animal marked as it marks it. Only rabbits are counted here; the pupil
    // tallies the foxes on the worksheet.
    const FoxYear::Click click = m_year.click(index);
    if (click == FoxYear::Click::CountedRabbit) {
        showCount();
        // Once the last rabbit is counted, "All counted." comes with the count, once.
        Accessibility::announce(this, countSaid());
        emit saying(countSaid());
    } else if (click == FoxYear::Click::MarkedFox) {
        // Marked as a rabbit is, but the count stays: the pupil hears why nothing was added.
        //: Said to a screen reader when the pupil presses Space on a fox: foxes are not counted.
        Accessibility::announce(this, tr("Fox, not counted."));
    } else if (click == FoxYear::Click::AlreadyCounted)
        showMessage(tr("You have already counted this one."));
}

bool Foxes::cmd_button_Click(int index)
{
    // Past year 10 the last screen follows, before year 0 the extension's introduction.
    return FoxFigures::Years.step(m_lesson.state.CurrentYear, index, [this] {
        ShowYear();
        turnPage();
    });
}
