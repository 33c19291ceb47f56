// SPDX-License-Identifier: GPL-3.0-or-later
#include "island.h"
#include "islandyear.h"
#include "testsupport.h"
#include "twips.h"

#include <QMessageBox>
#include <QtTest>

namespace {

const QString Missed = QStringLiteral("You missed. Better luck next time.");
const QString AlreadyCounted = QStringLiteral("You have already counted this rabbit.");
const QString Estimate = QStringLiteral("There are getting to be too many rabbits to count. There are around 4 "
                                        "rabbits living in each burrow. Use this fact to estimate them.");
const QString LeaveFirstVisit =
    QStringLiteral("Make sure that you write down the number of lapinar in the table on your worksheet.");

struct Fixture {
    Fixture() { t.lesson.state.ResetCounts(); }
    // Shows the island on visit `year` the way the chain does.
    Island *open(int year)
    {
        t.lesson.state.CurrentYear = qint16(year);
        t.lesson.chain.show(ScreenId::Island);
        return island();
    }
    Island *island() { return t.screenAs<Island>(ScreenId::Island); }
    TestLesson t;
};

QStringList tagsOf(Island *island)
{
    QStringList tags;
    for (int i = 1; i <= IslandYear::HoleCount; ++i)
        tags << island->hole(i)->tag();
    return tags;
}

// Holes showing something other than a plain burrow, as "index:tag".
QStringList raised(Island *island)
{
    QStringList up;
    for (int i = 1; i <= IslandYear::HoleCount; ++i)
        if (!island->hole(i)->tag().isEmpty() && island->hole(i)->tag() != QLatin1String("down"))
            up << QStringLiteral("%1:%2").arg(i).arg(island->hole(i)->tag());
    return up;
}

void click(ClickableImage *hole) { QTest::mouseClick(hole, Qt::LeftButton); }

// Ticks until an unmarked rabbit is up; returns its hole.
ClickableImage *nextUnmarked(Island *island)
{
    for (int beat = 0; beat < 400; ++beat) {
        island->popupTick();
        if (island->game().rabbitUp() && island->hole(island->game().currentHole())->tag() == QLatin1String("up"))
            return island->hole(island->game().currentHole());
    }
    return nullptr;
}

// Counts n rabbits in the visit showing; false if the game never offered enough.
bool countRabbits(Island *island, int n)
{
    for (int i = 0; i < n; ++i) {
        ClickableImage *rabbit = nextUnmarked(island);
        if (!rabbit)
            return false;
        click(rabbit);
    }
    return true;
}

} // namespace

class IslandTest : public QObject {
    Q_OBJECT
private slots:
    void holesLieOnTheGrid_data();
    void holesLieOnTheGrid();
    void everyYearIsLaidOutAfresh_data();
    void everyYearIsLaidOutAfresh();
    void drawOnATakenHoleDrawsAgain();
    void kindOfRabbitThatComesUp_data();
    void kindOfRabbitThatComesUp();
    void hitCountsAndSecondClickIsRefused();
    void clicksWithoutAnUnmarkedRabbitAreRefused_data();
    void clicksWithoutAnUnmarkedRabbitAreRefused();
    void countingStopsAtTheYearsNumber();
    void estimatingClicksCountNothingAndLayTheYearOutAnew_data();
    void estimatingClicksCountNothingAndLayTheYearOutAnew();
    void recordCountKeepsTheLargest_data();
    void recordCountKeepsTheLargest();
    void rabbitShowingDoesNotSurviveAYearChange();
    void popupTimerRunsFromLoadAndIsNeverRestarted();
    void navigationEdges();
    void comingBackFromTheResultsLandsOnTheTenthVisit();
    void pupilPlaysAllTenVisitsAndBack();
};

void IslandTest::holesLieOnTheGrid_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("Hole(2) after the calendar pages") << 2 << 2 << 0;
    QTest::newRow("Hole(9) top right") << 9 << 9 << 0;
    QTest::newRow("Hole(19) starts row 1") << 19 << 0 << 1;
    QTest::newRow("Hole(10) ends row 1") << 10 << 9 << 1;
    QTest::newRow("Hole(59) starts row 5") << 59 << 0 << 5;
    QTest::newRow("Hole(50) ends row 5") << 50 << 9 << 5;
    QTest::newRow("Hole(65) bottom left") << 65 << 0 << 6;
    QTest::newRow("Hole(60)") << 60 << 5 << 6;
    QTest::newRow("Hole(1) beside the buttons") << 1 << 6 << 6;
}

void IslandTest::holesLieOnTheGrid()
{
    QFETCH(int, index);
    QFETCH(int, column);
    QFETCH(int, row);
    Fixture f;
    Island *island = f.open(1);
    QCOMPARE(island->hole(index)->geometry(), Twips::rect(600 + 840 * column, 360 + 960 * row, 645, 675));

    // Every hole has a cell of its own, and none lies under the calendar pages or the buttons.
    QSet<QPoint> cells;
    for (int i = 1; i <= IslandYear::HoleCount; ++i) {
        const QPoint cell = IslandYear::gridCell(i);
        QVERIFY2(!cells.contains(cell), qPrintable(QString::number(i)));
        cells.insert(cell);
        QVERIFY(!(cell.y() == 0 && cell.x() < 2) && !(cell.y() == 6 && cell.x() > 6));
    }
    QCOMPARE(island->calendarPic(0)->geometry(), Twips::rect(600, 360, 675, 690));
    QCOMPARE(island->calendarPic(1)->geometry(), Twips::rect(1440, 360, 675, 690));
}

void IslandTest::everyYearIsLaidOutAfresh_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("calendarYear");
    QTest::addColumn<int>("burrows");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("back");
    const int burrows[] = {0, 3, 4, 6, 14, 26, 10, 10, 10, 12, 15};
    for (int year = 1; year <= 10; ++year)
        QTest::addRow("visit %d", year) << year << QString::number(year - 1) << burrows[year]
                                        << (year == 10 ? ">>" : "Next year") << (year == 1 ? "<<" : "Last year");
}

void IslandTest::everyYearIsLaidOutAfresh()
{
    QFETCH(int, year);
    QFETCH(QString, calendarYear);
    QFETCH(int, burrows);
    QFETCH(QString, forward);
    QFETCH(QString, back);
    Fixture f;
    Island *island = f.open(year);

    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r") + calendarYear);
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(island->cmdButton(0)->text(), forward);
    QCOMPARE(island->cmdButton(1)->text(), back);
    QCOMPARE(tagsOf(island).count(QStringLiteral("down")), burrows);
    QCOMPARE(tagsOf(island).count(QString()), IslandYear::HoleCount - burrows);
    QCOMPARE(island->game().burrows().size(), burrows);
    for (int i = 1; i <= IslandYear::HoleCount; ++i) {
        ClickableImage *hole = island->hole(i);
        const bool burrow = island->game().burrows().contains(i);
        QCOMPARE(hole->tag(), burrow ? QStringLiteral("down") : QString());
        QCOMPARE(hole->pictureName(), burrow ? QStringLiteral("burrow") : QString());
        QCOMPARE(hole->hasPicture(), burrow);
        QCOMPARE(hole->accessibleName(), burrow ? QStringLiteral("burrow") : QString());
    }
    QCOMPARE(f.t.lesson.state.YearTable[std::size_t(year)].Rabbits, qint16(IslandYear::rabbits(year)));
}

void IslandTest::drawOnATakenHoleDrawsAgain()
{
    Fixture f;
    // Hole 1, hole 1 again (drawn anew), then the middle and the last hole.
    f.t.lesson.random.script({0.0, 0.01, 0.5, 0.999});
    Island *island = f.open(1);
    QCOMPARE(island->game().burrows(), (QList<int>{1, 33, 65}));
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 0);

    Random random;
    random.script({0.2, 0.2, 0.2, 0.7});
    QCOMPARE(IslandYear::drawBurrows(random, 2), (QList<int>{14, 46}));
}

void IslandTest::kindOfRabbitThatComesUp_data()
{
    QTest::addColumn<int>("rabbits");
    QTest::addColumn<int>("counted");
    QTest::addColumn<double>("kindFraction");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("fractionsUsed");
    // Before the first count no kind is drawn at all.
    QTest::newRow("first of a visit") << 10 << 0 << 0.0 << "up" << "rabbit_up" << 1;
    QTest::newRow("d 1 marked") << 10 << 1 << 0.0 << "marked" << "rabbit_marked" << 2;
    QTest::newRow("d 3 marked") << 10 << 1 << 0.29 << "marked" << "rabbit_marked" << 2;
    QTest::newRow("d 4 unmarked") << 10 << 1 << 0.3 << "up" << "rabbit_up" << 2;
    QTest::newRow("d 10 unmarked") << 10 << 1 << 0.99 << "up" << "rabbit_up" << 2;
    QTest::newRow("none left to count") << 2 << 2 << 0.99 << "marked" << "rabbit_marked" << 2;
}

void IslandTest::kindOfRabbitThatComesUp()
{
    QFETCH(int, rabbits);
    QFETCH(int, counted);
    QFETCH(double, kindFraction);
    QFETCH(QString, tag);
    QFETCH(QString, picture);
    QFETCH(int, fractionsUsed);
    Fixture f;
    Island *island = f.open(2);
    // Three burrows: 0.5 picks the second.
    PopupGame game(f.t.lesson.random, PopupGame::Rules::Island, 1, 65);
    game.layOut({7, 8, 9}, rabbits);
    for (int i = 0; i < counted; ++i) {
        f.t.lesson.random.script({0.0, 0.99});
        game.tick();
        QCOMPARE(game.click(7), PopupGame::Click::Counted);
        game.tick();
    }
    QCOMPARE(game.rabbitsLeft(), rabbits - counted);
    f.t.lesson.random.script({0.5, kindFraction, 0.0});
    game.tick();
    QCOMPARE(game.currentHole(), 8);
    QCOMPARE(game.hole(8).tag, tag);
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 3 - fractionsUsed);

    // The same on the screen's own holes (four burrows: 0.3 picks the second).
    const QList<int> burrows = island->game().burrows();
    for (int i = 0; i < counted && rabbits > 2; ++i) {
        f.t.lesson.random.script({0.0, 0.99});
        island->popupTick();
        click(island->hole(burrows[0]));
        island->popupTick();
    }
    if (rabbits > 2) {
        f.t.lesson.random.script({0.3, kindFraction});
        island->popupTick();
        QCOMPARE(island->hole(burrows[1])->tag(), tag);
        QCOMPARE(island->hole(burrows[1])->pictureName(), picture);
        island->popupTick();
        QCOMPARE(island->hole(burrows[1])->tag(), QStringLiteral("down"));
        QCOMPARE(island->hole(burrows[1])->pictureName(), QStringLiteral("burrow"));
    }
}

void IslandTest::hitCountsAndSecondClickIsRefused()
{
    Fixture f;
    Island *island = f.open(1);
    f.t.lesson.random.script({0.0});
    island->popupTick();
    ClickableImage *rabbit = island->hole(island->game().burrows().first());
    QCOMPARE(rabbit->tag(), QStringLiteral("up"));
    QCOMPARE(rabbit->pictureName(), QStringLiteral("rabbit_up"));
    QCOMPARE(rabbit->accessibleName(), QStringLiteral("rabbit"));

    QCOMPARE(answerModal(f.t, [&] { click(rabbit); }).kind, QString());
    QCOMPARE(rabbit->tag(), QStringLiteral("marked"));
    QCOMPARE(rabbit->pictureName(), QStringLiteral("rabbit_marked"));
    QCOMPARE(rabbit->accessibleName(), QStringLiteral("counted rabbit"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));

    const ModalSeen seen = answerModal(f.t, [&] { click(rabbit); });
    QCOMPARE(seen.kind, QStringLiteral("message box"));
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(seen.text, AlreadyCounted);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, int(QMessageBox::NoIcon));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
    QCOMPARE(island->game().yearCount(), 1);
    QCOMPARE(island->game().rabbitsLeft(), 9);
    QCOMPARE(rabbit->tag(), QStringLiteral("marked"));
}

void IslandTest::clicksWithoutAnUnmarkedRabbitAreRefused_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("burrow") << "down" << Missed;
    QTest::newRow("empty place") << "" << Missed;
    QTest::newRow("rabbit up marked by chance") << "marked" << AlreadyCounted;
}

void IslandTest::clicksWithoutAnUnmarkedRabbitAreRefused()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    Fixture f;
    Island *island = f.open(3);
    ClickableImage *rabbit = nextUnmarked(island);
    click(rabbit);
    island->popupTick();
    // A rabbit counted before comes up again: kind draw 0.0 is a marked one.
    f.t.lesson.random.script({0.0, 0.0});
    island->popupTick();
    QCOMPARE(island->hole(island->game().currentHole())->tag(), QStringLiteral("marked"));

    ClickableImage *hole = nullptr;
    for (int i = 1; i <= IslandYear::HoleCount && !hole; ++i)
        if (island->hole(i)->tag() == target)
            hole = island->hole(i);
    QVERIFY(hole);
    const QStringList before = tagsOf(island);
    const ModalSeen seen = answerModal(f.t, [&] { click(hole); });
    QCOMPARE(seen.kind, QStringLiteral("message box"));
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(tagsOf(island), before);
    QCOMPARE(island->game().yearCount(), 1);
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
}

void IslandTest::countingStopsAtTheYearsNumber()
{
    Fixture f;
    Island *island = f.open(1);
    QVERIFY(countRabbits(island, 10));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("10"));
    QCOMPARE(island->game().rabbitsLeft(), 0);
    for (int beat = 0; beat < 60; ++beat) {
        island->popupTick();
        QVERIFY(raised(island).isEmpty() || raised(island).first().endsWith(QLatin1String(":marked")));
    }
    QVERIFY(!nextUnmarked(island));
    QCOMPARE(island->game().yearCount(), 10);
}

void IslandTest::estimatingClicksCountNothingAndLayTheYearOutAnew_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("rabbit") << "up";
    QTest::newRow("burrow") << "down";
    QTest::newRow("empty place") << "";
}

void IslandTest::estimatingClicksCountNothingAndLayTheYearOutAnew()
{
    QFETCH(QString, target);
    Fixture f;
    Island *island = f.open(5);
    // Estimating visits never count, so every rabbit that comes up is unmarked.
    for (int beat = 0; beat < 20; ++beat) {
        island->popupTick();
        QVERIFY(raised(island).isEmpty() || raised(island).first().endsWith(QLatin1String(":up")));
    }
    island->popupTick();
    QVERIFY(island->game().rabbitUp());
    ClickableImage *hole = nullptr;
    for (int i = 1; i <= IslandYear::HoleCount && !hole; ++i)
        if (island->hole(i)->tag() == target)
            hole = island->hole(i);
    QVERIFY(hole);
    const QList<int> before = island->game().burrows();

    const ModalSeen seen = answerModal(f.t, [&] { click(hole); });
    QCOMPARE(seen.kind, QStringLiteral("reminder"));
    QCOMPARE(seen.text, Estimate);
    QCOMPARE(f.t.lesson.state.CurrentYear, qint16(5));
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r4"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("0"));
    QVERIFY(!island->game().rabbitUp());
    QVERIFY(raised(island).isEmpty());
    QCOMPARE(tagsOf(island).count(QStringLiteral("down")), 26);
    QVERIFY(island->game().burrows() != before);
    QCOMPARE(f.t.lesson.state.Counted[5], qint16(0));
}

void IslandTest::recordCountKeepsTheLargest_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("kept");
    QTest::newRow("5 then 3") << 5 << 3 << 5;
    QTest::newRow("3 then 5") << 3 << 5 << 5;
    QTest::newRow("6 then 4") << 6 << 4 << 6;
    QTest::newRow("0 then 0") << 0 << 0 << 0;
}

void IslandTest::recordCountKeepsTheLargest()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, kept);
    Fixture f;
    Island *island = f.open(2);
    QVERIFY(countRabbits(island, first));
    // "Last year", then "Next year" (with its reminder) back to the same year.
    island->cmdButton(1)->click();
    QCOMPARE(f.t.lesson.state.Counted[2], qint16(first));
    QCOMPARE(answerModal(f.t, [&] { island->cmdButton(0)->click(); }).kind, QStringLiteral("reminder"));
    QCOMPARE(f.t.lesson.state.CurrentYear, qint16(2));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("0"));
    QVERIFY(countRabbits(island, second));
    island->cmdButton(0)->click();
    QCOMPARE(f.t.lesson.state.Counted[2], qint16(kept));
    QCOMPARE(f.t.lesson.state.CurrentYear, qint16(3));
}

void IslandTest::rabbitShowingDoesNotSurviveAYearChange()
{
    Fixture f;
    Island *island = f.open(3);
    click(nextUnmarked(island));
    QCOMPARE(raised(island).size(), 1);
    island->cmdButton(0)->click();
    QCOMPARE(f.t.lesson.state.Counted[3], qint16(1));
    QVERIFY(raised(island).isEmpty());
    QVERIFY(!island->game().rabbitUp());
    island->popupTick();
    QCOMPARE(raised(island).size(), 1);
    QVERIFY(island->game().burrows().contains(island->game().currentHole()));
    QCOMPARE(island->hole(island->game().currentHole())->tag(), QStringLiteral("up"));
}

void IslandTest::popupTimerRunsFromLoadAndIsNeverRestarted()
{
    Fixture f;
    Island *island = f.open(2);
    const QTimer &timer = island->popupTimer();
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 1500);
    QTest::qWait(400);
    island->cmdButton(0)->click();
    // A restart would put it back near 1500.
    QVERIFY2(timer.remainingTime() <= 1300, qPrintable(QString::number(timer.remainingTime())));
    // Left forward and hidden, it still runs.
    f.open(10)->cmdButton(0)->click();
    QVERIFY(!island->isVisible());
    QVERIFY(timer.isActive());
}

void IslandTest::navigationEdges()
{
    Fixture f;
    LAPINAR1 &state = f.t.lesson.state;

    // Back from the first visit: counted, then Intro3 with year 0.
    Island *island = f.open(1);
    QVERIFY(countRabbits(island, 2));
    island->cmdButton(1)->click();
    QCOMPARE(state.Counted[1], qint16(2));
    QCOMPARE(state.CurrentYear, qint16(0));
    QCOMPARE(f.t.showing()->id(), ScreenId::Intro3);

    // Forward from the first visit (entered from Intro3 again): the reminder, then the second visit.
    f.t.showing()->cmdButton(0)->click();
    QCOMPARE(f.t.showing(), island);
    const ModalSeen seen = answerModal(f.t, [&] { island->cmdButton(0)->click(); });
    QCOMPARE(seen.kind, QStringLiteral("reminder"));
    QCOMPARE(seen.text, LeaveFirstVisit);
    QCOMPARE(seen.visibleScreens, QStringList{QStringLiteral("Island")});
    QCOMPARE(state.CurrentYear, qint16(2));
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r1"));

    // No reminder on the way through the other visits.
    QVERIFY(answerAllModals(f.t, [&] { island->cmdButton(0)->click(); }).isEmpty());
    QCOMPARE(state.CurrentYear, qint16(3));

    // Forward from the tenth: counted, then the results, with year 11.
    f.open(4);
    QVERIFY(countRabbits(island, 3));
    island->cmdButton(1)->click();
    f.open(10);
    QVERIFY(answerAllModals(f.t, [&] { island->cmdButton(0)->click(); }).isEmpty());
    QCOMPARE(state.CurrentYear, qint16(11));
    QCOMPARE(f.t.showing()->id(), ScreenId::GraphForm);
    QCOMPARE(state.Counted[4], qint16(3));
}

void IslandTest::comingBackFromTheResultsLandsOnTheTenthVisit()
{
    Fixture f;
    LAPINAR1 &state = f.t.lesson.state;
    Island *island = f.open(10);
    island->cmdButton(0)->click();
    QVERIFY(state.GraphVisited);
    LessonScreen *graph = f.t.showing();
    QCOMPARE(graph->id(), ScreenId::GraphForm);
    const QList<int> before = island->game().burrows();
    graph->cmdButton(1)->click();
    QCOMPARE(f.t.showing(), island);
    QCOMPARE(state.CurrentYear, qint16(10));
    QVERIFY(!state.GraphVisited);
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r9"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(tagsOf(island).count(QStringLiteral("down")), 15);
    QVERIFY(island->game().burrows() != before);

    // The flag also sends a layout of any other year to the tenth, once.
    state.GraphVisited = true;
    f.open(3);
    QCOMPARE(state.CurrentYear, qint16(10));
    QVERIFY(!state.GraphVisited);
    QCOMPARE(island->cmdButton(0)->text(), QStringLiteral(">>"));
}

void IslandTest::pupilPlaysAllTenVisitsAndBack()
{
    Fixture f;
    f.t.lesson.chain.show(ScreenId::Intro3);
    f.t.showing()->cmdButton(0)->click();
    Island *island = f.island();
    QCOMPARE(f.t.showing(), island);
    QCOMPARE(f.t.lesson.state.CurrentYear, qint16(1));
    int reminders = 0;
    for (int visit = 1; visit <= 10; ++visit) {
        QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r%1").arg(visit - 1));
        if (visit <= 4)
            QVERIFY(countRabbits(island, visit));
        reminders += int(answerAllModals(f.t, [&] { island->cmdButton(0)->click(); }).size());
    }
    QCOMPARE(reminders, 1);
    QCOMPARE(f.t.showing()->id(), ScreenId::GraphForm);
    QCOMPARE(f.t.lesson.state.Counted, (std::array<qint16, 11>{0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0}));

    f.t.showing()->cmdButton(1)->click();
    QCOMPARE(f.t.showing(), island);
    for (int visit = 10; visit >= 1; --visit) {
        QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r%1").arg(visit - 1));
        island->cmdButton(1)->click();
    }
    QCOMPARE(f.t.showing()->id(), ScreenId::Intro3);
    QCOMPARE(f.t.lesson.state.CurrentYear, qint16(0));
}

QTEST_MAIN(IslandTest)
#include "tst_island.moc"
