// SPDX-License-Identifier: GPL-3.0-or-later
#include "island.h"

#include "accessibility.h"
#include "calendarpage.h"
#include "islandyear.h"
#include "lesson.h"

#include <QPushButton>
#include <algorithm>

namespace {
// Said "the number of lapinar" where it meant the rabbits, once: mended.
const char *const LeaveFirstVisit =
    QT_TRANSLATE_NOOP("Island", "Make sure that you write down the number of rabbits in the table on your worksheet.");
const char *const TooManyToCount = QT_TRANSLATE_NOOP(
    "Island", "There are getting to be too many rabbits to count. There are around 4 rabbits living in each "
              "burrow. Use this fact to estimate them.");
} // namespace

Island::Island(Lesson &lesson)
    : PopupScreen(lesson, ScreenId::Island, QColor(0, 128, 0), PopupGame::Rules::Island, 1, IslandYear::HoleCount)
{
    for (int i = 0; i < 2; ++i) {
        const CalendarPage::Page page =
            CalendarPage::add(client(), QString(), 600 + 840 * i, 360, i == 0 ? 525 : 405, i == 0 ? 8.25 : 18);
        CalendarPage::setCaption(page.caption, QStringLiteral("10"));
        Calendar.insert(i, page.caption);
    }
    //: Spoken name of the calendar page that shows the count; %1 is the number of rabbits counted this year.
    Accessibility::speakAs(Calendar(1), tr("Rabbits counted: %1"));

    for (int index = 1; index <= IslandYear::HoleCount; ++index) {
        const QPoint cell = IslandYear::gridCell(index);
        addHole(index, 600 + 840 * cell.x(), 360 + 960 * cell.y());
    }

    // ShowYear sets both captions before the pupil sees them.
    // Below the last row of burrows.
    setSignPlace(600, 6810);
    addCommandButton(1, QStringLiteral("<<"), 6600, 6240, 1215, 495);
    //: The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of text (about 11
    //: letters). Translate it as the "Next year" of the year buttons.
    addCommandButton(0, tr("Next year"), 8040, 6240, 1215, 495);
}

void Island::load()
{
    PopupScreen::load();
    m_lesson.random.seedFromClock();
    FillYearTable();
}

void Island::activate()
{
    ShowYear();
}

QString Island::screenName() const
{
    //: The island screen's spoken name; %1 is the year of the experiment (0 to 9).
    return tr("Island, year %1").arg(m_lesson.state.CurrentYear - 1);
}

QString Island::instructions() const
{
    if (!IslandYear::isCountingYear(m_lesson.state.CurrentYear))
        return tr(TooManyToCount) + QLatin1Char(' ') +
               //: Read aloud after the reminder to estimate; %n is the number of burrows on the island this year.
               tr("There are %n burrows.", "", int(m_game.burrows().size()));
    const QString count = tr("Rabbits counted: %1").arg(Calendar(1)->text());
    // A year whose rabbits are all counted says so wherever its count is said: as the last one is
    // counted, and as a year carried on from a kept lesson opens with none left.
    if (m_game.yearCount() > 0 && m_game.rabbitsLeft() == 0)
        //: Said to a screen reader after the count, once every rabbit of the year is counted.
        return count + QStringLiteral(". ") + tr("All counted.");
    return count;
}

void Island::FillYearTable()
{
    IslandYear::FillYearTable(m_lesson.state);
}

void Island::ShowYear()
{
    LAPINAR1 &state = m_lesson.state;
    if (state.GraphVisited) {
        state.CurrentYear = IslandYear::LastYear;
        state.GraphVisited = false;
    }
    const int year = state.CurrentYear;
    // Only the moves into the island set the year, and they keep it within the ten visits.
    const auto entry = std::size_t(std::clamp(year, IslandYear::FirstYear, IslandYear::LastYear));
    const int rabbits = state.YearTable[entry].Rabbits;

    CalendarPage::setCaption(Calendar(0), IslandYear::calendarCaption(year, state.NewLine));
    Calendar(1)->setText(QStringLiteral("0"));
    setCaption(YearRange::Forward, IslandYear::Years.forwardCaption(year));
    setCaption(YearRange::Back, IslandYear::Years.backCaption(year));

    m_game.layOut(IslandYear::drawBurrows(m_lesson.random, IslandYear::burrowCount(rabbits)), rabbits);
    // Before the year is said, so that it is said with the count it goes on from.
    if (m_carriedOn && m_carriedOn->first == year && IslandYear::isCountingYear(year)) {
        m_game.countedBefore(m_carriedOn->second);
        Calendar(1)->setText(QString::number(m_game.yearCount()));
    }
    m_carriedOn.reset();
    m_board.refresh();
    keepPopupRunning();
    keepPlaceInTheBurrows();
    updateSpokenPage();
}

void Island::carryOnCount(int counted)
{
    m_carriedOn = std::pair(int(m_lesson.state.CurrentYear), counted);
}

void Island::RecordCount()
{
    LAPINAR1 &state = m_lesson.state;
    const int year = state.CurrentYear;
    if (!IslandYear::Years.contains(year))
        return;
    qint16 &counted = state.Counted[std::size_t(year)];
    if (m_game.yearCount() > counted)
        counted = qint16(m_game.yearCount());
}

bool Island::cmd_button_Click(int index)
{
    qint16 &year = m_lesson.state.CurrentYear;
    if (index != YearRange::Forward && index != YearRange::Back)
        return false;
    RecordCount();
    if (index == YearRange::Forward && year == IslandYear::FirstYear)
        showReminder(tr(LeaveFirstVisit));
    // Past the last visit the results screen follows, before the first the practice.
    return IslandYear::Years.step(year, index, [this] {
        ShowYear();
        turnPage();
    });
}

bool Island::countsRabbits() const
{
    return IslandYear::isCountingYear(m_lesson.state.CurrentYear);
}

void Island::Hole_Click(int index)
{
    if (!IslandYear::isCountingYear(m_lesson.state.CurrentYear)) {
        // Closing the reminder activates the island again, which lays the same year out anew.
        showReminder(tr(TooManyToCount));
        return;
    }
    switch (m_game.click(index)) {
    case PopupGame::Click::Counted:
        Calendar(1)->setText(QString::number(m_game.yearCount()));
        updateSpokenPage();
        // Said once: no rabbit is left to count until the year is laid out again.
        counted(instructions());
        break;
    case PopupGame::Click::AlreadyCounted:
        showMessage(tr("You have already counted this rabbit."));
        break;
    case PopupGame::Click::Missed:
        showMessage(tr("You missed. Better luck next time."));
        break;
    case PopupGame::Click::Marked:
    case PopupGame::Click::AlreadyMarked:
        break;
    }
}
