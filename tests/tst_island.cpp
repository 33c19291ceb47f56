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

struct Fixture {
    Fixture() { t.lesson.state.ResetCounts(); }
    // Shows the island on visit `year` the way the chain does.
    Island *open(int year)
    {
        t.lesson.state.CurrentYear = qint16(year);
        t.lesson.chain.show(ScreenId::Island);
        return t.screenAs<Island>(ScreenId::Island);
    }
    TestLesson t;
};

int tagged(Island *island, const QString &tag)
{
    int n = 0;
    for (int i = 1; i <= IslandYear::HoleCount; ++i)
        n += island->hole(i)->tag() == tag;
    return n;
}

ClickableImage *firstTagged(Island *island, const QString &tag)
{
    for (int i = 1; i <= IslandYear::HoleCount; ++i)
        if (island->hole(i)->tag() == tag)
            return island->hole(i);
    return nullptr;
}

void click(ClickableImage *hole)
{
    QTest::mouseClick(hole, Qt::LeftButton);
}

// Ticks until an unmarked rabbit is up and returns its hole.
ClickableImage *nextUnmarked(Island *island)
{
    for (int beat = 0; beat < 400; ++beat) {
        island->popupTick();
        if (ClickableImage *rabbit = firstTagged(island, QStringLiteral("up")))
            return rabbit;
    }
    return nullptr;
}

// What the lesson last told a screen reader without being asked: the screen's news, or the rabbits'
// news that follows it.
QString lastNews(QWidget *screen, const char *which = "lapinarNews")
{
    const auto *news = screen->window()->findChild<QWidget *>(QLatin1String(which));
    return news ? news->accessibleName() : QString();
}

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
    void yearsWithFewOrManyRabbitsStillPlay_data();
    void yearsWithFewOrManyRabbitsStillPlay();
    void kindOfRabbitThatComesUp_data();
    void kindOfRabbitThatComesUp();
    void hitCountsAndSecondClickIsRefused();
    void doubleClickCountsOnceAndASlideOffIsNoClick();
    void keyboardPupilTabsPastOneBurrowAndPlaysWithArrowsAndSpace();
    void clicksWithoutAnUnmarkedRabbitAreRefused_data();
    void clicksWithoutAnUnmarkedRabbitAreRefused();
    void countingStopsAtTheYearsNumber();
    void estimatingClicksCountNothingAndLayTheYearOutAnew_data();
    void estimatingClicksCountNothingAndLayTheYearOutAnew();
    void recordCountKeepsTheLargest_data();
    void recordCountKeepsTheLargest();
    void popupTimerRunsOnAndARabbitDoesNotOutliveItsYear();
    void rabbitsComingAndGoingAreToldAlsoInTheFocusedBurrow();
    void estimationYearLeavesTheFocusWhereThePupilPutsIt();
    void pupilPlaysAllTenVisitsAndBack();
    void comingBackFromTheResultsLandsOnTheTenthVisit();
    void yearPageShowsItsNumberCentredUnderYear();
};

void IslandTest::holesLieOnTheGrid_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("Hole(2) after the calendar pages") << 2 << 2 << 0;
    QTest::newRow("Hole(19) starts row 1") << 19 << 0 << 1;
    QTest::newRow("Hole(10) ends row 1") << 10 << 9 << 1;
    QTest::newRow("Hole(59) starts row 5") << 59 << 0 << 5;
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
    QCOMPARE(f.open(1)->hole(index)->geometry(), Twips::rect(600 + 840 * column, 360 + 960 * row, 645, 675));
    // Each hole has a cell of its own, clear of the calendar pages and the buttons.
    QSet<QPoint> cells;
    for (int i = 1; i <= IslandYear::HoleCount; ++i) {
        const QPoint cell = IslandYear::gridCell(i);
        QVERIFY(!cells.contains(cell) && !(cell.y() == 0 && cell.x() < 2) && !(cell.y() == 6 && cell.x() > 6));
        cells.insert(cell);
    }
}

void IslandTest::everyYearIsLaidOutAfresh_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("rabbits");
    QTest::addColumn<int>("burrows");
    const int rabbits[] = {0, 10, 14, 20, 42, 78, 30, 32, 30, 38, 46};
    const int burrows[] = {0, 3, 4, 6, 14, 26, 10, 10, 10, 12, 15};
    for (int year = 1; year <= 10; ++year)
        QTest::addRow("visit %d", year) << year << rabbits[year] << burrows[year];
}

void IslandTest::everyYearIsLaidOutAfresh()
{
    QFETCH(int, year);
    QFETCH(int, rabbits);
    QFETCH(int, burrows);
    Fixture f;
    Island *island = f.open(year);
    QCOMPARE(f.t.lesson.state.YearTable[std::size_t(year)].Rabbits, qint16(rabbits));
    QCOMPARE(island->game().rabbitsLeft(), rabbits);
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n%1").arg(year - 1));
    QCOMPARE(spokenName(island->calendar(0)), QStringLiteral("Year %1").arg(year - 1));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(spokenName(island->calendar(1)), QStringLiteral("Rabbits counted: 0"));
    QCOMPARE(spokenName(island), QStringLiteral("Island, year %1").arg(year - 1));
    // A pupil who estimates hears how many burrows there are, as a pupil who sees them counts them.
    QCOMPARE(spokenDescription(island), year <= 4 ? QStringLiteral("Rabbits counted: 0")
                                                  : QStringLiteral("There are getting to be too many rabbits to "
                                                                   "count. There are around 4 rabbits living in "
                                                                   "each burrow. Use this fact to estimate them. "
                                                                   "There are %1 burrows.")
                                                        .arg(burrows));
    QCOMPARE(island->cmdButton(0)->text(), year == 10 ? ">>" : "Next year");
    QCOMPARE(island->cmdButton(1)->text(), year == 1 ? "<<" : "Last year");
    QCOMPARE(tagged(island, QStringLiteral("down")), burrows);
    QCOMPARE(tagged(island, QString()), IslandYear::HoleCount - burrows);
    for (int i = 1; i <= IslandYear::HoleCount; ++i) {
        const bool burrow = island->hole(i)->tag() == QLatin1String("down");
        QCOMPARE(island->hole(i)->pictureName(), burrow ? QStringLiteral("burrow") : QString());
        QCOMPARE(island->hole(i)->hasPicture(), burrow);
        QCOMPARE(island->hole(i)->accessibleName(), burrow ? QStringLiteral("burrow") : QString());
    }
}

void IslandTest::drawOnATakenHoleDrawsAgain()
{
    Fixture f;
    // Hole 1, hole 1 again (drawn anew), then the middle and the last hole.
    f.t.lesson.random.script({0.0, 0.01, 0.5, 0.999});
    QCOMPARE(f.open(1)->game().burrows(), (QList<int>{1, 33, 65}));
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 0);
}

void IslandTest::yearsWithFewOrManyRabbitsStillPlay_data()
{
    QTest::addColumn<int>("rabbits");
    QTest::addColumn<int>("burrows");
    QTest::newRow("no burrow at all") << 2 << 0;
    QTest::newRow("more burrows than holes") << 300 << 65;
}

void IslandTest::yearsWithFewOrManyRabbitsStillPlay()
{
    QFETCH(int, rabbits);
    QFETCH(int, burrows);
    Fixture f;
    Island *island = f.open(3);
    // Another experiment may write its own rabbits into the year table.
    f.t.lesson.state.YearTable[3].Rabbits = qint16(rabbits);
    island->ShowYear();
    QCOMPARE(tagged(island, QStringLiteral("down")), burrows);
    island->popupTick();
    QCOMPARE(tagged(island, QStringLiteral("up")), burrows ? 1 : 0);
}

void IslandTest::kindOfRabbitThatComesUp_data()
{
    QTest::addColumn<int>("rabbits");
    QTest::addColumn<int>("counted");
    QTest::addColumn<double>("kind");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("fractionsUsed");
    // Before the first count no kind is drawn at all.
    QTest::newRow("first of a visit") << 10 << 0 << 0.0 << "up" << 1;
    QTest::newRow("d 3 marked") << 10 << 1 << 0.29 << "marked" << 2;
    QTest::newRow("d 4 unmarked") << 10 << 1 << 0.3 << "up" << 2;
    QTest::newRow("none left to count") << 2 << 2 << 0.99 << "marked" << 2;
}

void IslandTest::kindOfRabbitThatComesUp()
{
    QFETCH(int, rabbits);
    QFETCH(int, counted);
    QFETCH(double, kind);
    QFETCH(QString, tag);
    QFETCH(int, fractionsUsed);
    Random random;
    PopupGame game(random, PopupGame::Rules::Island, 1, 65);
    game.layOut({7, 8, 9}, rabbits);
    for (int i = 0; i < counted; ++i) {
        random.script({0.0, 0.99});
        game.tick();
        QCOMPARE(game.click(7), PopupGame::Click::Counted);
        game.tick();
    }
    // 0.5 of three burrows is the second.
    random.script({0.5, kind, 0.0});
    game.tick();
    QCOMPARE(game.currentHole(), 8);
    QCOMPARE(game.hole(8).tag, tag);
    QCOMPARE(random.scriptedLeft(), 3 - fractionsUsed);
    game.tick();
    QCOMPARE(game.hole(8).tag, QStringLiteral("down"));
}

void IslandTest::hitCountsAndSecondClickIsRefused()
{
    Fixture f;
    Island *island = f.open(1);
    ClickableImage *rabbit = nextUnmarked(island);
    QCOMPARE(rabbit->pictureName(), QStringLiteral("rabbit_up"));
    QCOMPARE(rabbit->accessibleName(), QStringLiteral("rabbit"));
    QCOMPARE(answerModal(f.t, [&] { click(rabbit); }).kind, QString());
    QCOMPARE(rabbit->tag(), QStringLiteral("marked"));
    QCOMPARE(rabbit->pictureName(), QStringLiteral("rabbit_marked"));
    QCOMPARE(rabbit->accessibleName(), QStringLiteral("counted rabbit"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
    QCOMPARE(spokenName(island->calendar(1)), QStringLiteral("Rabbits counted: 1"));
    QCOMPARE(spokenDescription(island), QStringLiteral("Rabbits counted: 1"));

    const ModalSeen seen = answerModal(f.t, [&] { click(rabbit); });
    QCOMPARE(seen.kind, QStringLiteral("message box"));
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(seen.text, AlreadyCounted);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, int(QMessageBox::NoIcon));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
    QCOMPARE(island->game().rabbitsLeft(), 9);
}

void IslandTest::doubleClickCountsOnceAndASlideOffIsNoClick()
{
    Fixture f;
    Island *island = f.open(1);
    QVERIFY(QTest::qWaitForWindowExposed(island->window()));
    ClickableImage *rabbit = nextUnmarked(island);
    // Through the window, as a mouse gives it: press, release, press, double-click, release.
    const QPoint at = rabbit->mapTo(island->window(), rabbit->rect().center());
    QCOMPARE(answerAllModals(f.t, [&] { QTest::mouseDClick(island->window()->windowHandle(), Qt::LeftButton, {}, at); })
                 .size(),
             0);
    QCOMPARE(rabbit->tag(), QStringLiteral("marked"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));

    island->popupTick();
    rabbit = nextUnmarked(island);
    const QList<ModalSeen> seen = answerAllModals(f.t, [&] {
        QTest::mousePress(rabbit, Qt::LeftButton);
        QTest::mouseRelease(rabbit, Qt::LeftButton, {}, QPoint(-4, rabbit->height() / 2));
    });
    QCOMPARE(seen.size(), 0);
    QCOMPARE(rabbit->tag(), QStringLiteral("up"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
}

void IslandTest::keyboardPupilTabsPastOneBurrowAndPlaysWithArrowsAndSpace()
{
    Fixture f;
    // Burrows at Hole(1) (row 6, column 6), Hole(33) (row 3, column 6) and Hole(65) (row 6, column 0).
    f.t.lesson.random.script({0.0, 0.01, 0.5, 0.999});
    Island *island = f.open(1);
    QVERIFY(QTest::qWaitForWindowActive(island->window()));
    ClickableImage *h1 = island->hole(1), *h33 = island->hole(33), *h65 = island->hole(65);
    auto key = [](int k) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key(k));
        return QApplication::focusWidget();
    };

    // From the first focus to "Next year": the burrows are one stop on the way.
    QList<QWidget *> stops{QApplication::focusWidget()};
    while (stops.last() != island->cmdButton(0) && stops.size() <= 7)
        stops << key(Qt::Key_Tab);
    QVERIFY2(stops.size() - 1 <= 6, qPrintable(QString::number(stops.size() - 1)));
    QCOMPARE(stops.count(h33), 1);
    for (QWidget *w : stops)
        QVERIFY(w == h33 || qobject_cast<QPushButton *>(w));

    // Back into the field, then the arrows: only burrows, Up and Down by rows, nothing wraps.
    key(Qt::Key_Backtab);
    QCOMPARE(key(Qt::Key_Backtab), h33);
    const QList<std::pair<int, ClickableImage *>> moves = {
        {Qt::Key_Right, h65}, {Qt::Key_Right, h1}, {Qt::Key_Right, h1}, {Qt::Key_Up, h33},   {Qt::Key_Down, h1},
        {Qt::Key_Left, h65},  {Qt::Key_Up, h33},   {Qt::Key_End, h1},   {Qt::Key_Home, h33}, {Qt::Key_Left, h33}};
    // An arrow at the edge is answered, from the first one on; Home and End there never are.
    bool edgeMet = false;
    for (const auto &[k, to] : moves) {
        QWidget *from = QApplication::focusWidget();
        QCOMPARE(key(k), to);
        edgeMet = edgeMet || (from == to && k != Qt::Key_Home && k != Qt::Key_End);
        QCOMPARE(lastNews(island) == QLatin1String("No more burrows that way."), edgeMet);
    }
    QCOMPARE(key(Qt::Key_Tab), island->cmdButton(1));
    QCOMPARE(key(Qt::Key_Backtab), h33);

    // A rabbit coming up takes the focus to its burrow, and Space counts it.
    f.t.lesson.random.script({0.99});
    island->popupTick();
    QCOMPARE(QApplication::focusWidget(), h65);
    QCOMPARE(h65->accessibleName(), QStringLiteral("rabbit"));
    QCOMPARE(answerAllModals(f.t, [&] { key(Qt::Key_Space); }).size(), 0);
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
    QCOMPARE(answerModal(f.t, [&] { key(Qt::Key_Return); }).text, AlreadyCounted);
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
}

void IslandTest::clicksWithoutAnUnmarkedRabbitAreRefused_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");
    QTest::newRow("burrow") << "down" << Missed;
    QTest::newRow("empty place") << "" << Missed;
    QTest::newRow("rabbit marked by chance") << "marked" << AlreadyCounted;
}

void IslandTest::clicksWithoutAnUnmarkedRabbitAreRefused()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    Fixture f;
    Island *island = f.open(3);
    click(nextUnmarked(island));
    island->popupTick();
    // Kind draw 0.0: a rabbit counted before comes up again.
    f.t.lesson.random.script({0.0, 0.0});
    island->popupTick();
    const QString before = island->hole(island->game().currentHole())->tag();
    QCOMPARE(before, QStringLiteral("marked"));
    const ModalSeen seen = answerModal(f.t, [&] { click(firstTagged(island, target)); });
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(tagged(island, QStringLiteral("marked")), 1);
    QCOMPARE(tagged(island, QStringLiteral("down")), 5);
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
}

void IslandTest::countingStopsAtTheYearsNumber()
{
    Fixture f;
    Island *island = f.open(1);
    QVERIFY(QTest::qWaitForWindowActive(island->window()));
    island->hole(island->game().burrows().constFirst())->setFocus(Qt::TabFocusReason);
    QVERIFY(countRabbits(island, 1));
    // A rabbit counted before is told as such to the pupil among the burrows, and is not followed.
    QWidget *focused = nullptr;
    bool countedUp = false;
    for (int beat = 0; beat < 400 && !countedUp; ++beat) {
        focused = QApplication::focusWidget();
        island->popupTick();
        const PopupGame &game = island->game();
        countedUp = game.rabbitUp() && game.hole(game.currentHole()).tag == QLatin1String("marked");
    }
    QVERIFY(countedUp);
    QCOMPARE(QApplication::focusWidget(), focused);
    QTRY_COMPARE(lastNews(island, "lapinarLaterNews"), QStringLiteral("Counted rabbit up"));
    QVERIFY(countRabbits(island, 9));
    QCOMPARE(lastNews(island), QStringLiteral("Rabbits counted: 10. All counted."));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("10"));
    // From now on every rabbit that comes up is one counted before.
    QVERIFY(!nextUnmarked(island));
    QCOMPARE(island->game().rabbitsLeft(), 0);
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
    // Nothing is ever counted here, so no marked rabbit comes up.
    for (int beat = 0; beat < 21; ++beat) {
        island->popupTick();
        QCOMPARE(tagged(island, QStringLiteral("marked")), 0);
    }
    const QList<int> before = island->game().burrows();
    const ModalSeen seen = answerModal(f.t, [&] { click(firstTagged(island, target)); });
    QCOMPARE(seen.kind, QStringLiteral("reminder"));
    QCOMPARE(seen.text, QStringLiteral("There are getting to be too many rabbits to count. There are around 4 "
                                       "rabbits living in each burrow. Use this fact to estimate them."));
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n4"));
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(tagged(island, QStringLiteral("down")), 26);
    QVERIFY(island->game().burrows() != before);
}

void IslandTest::rabbitsComingAndGoingAreToldAlsoInTheFocusedBurrow()
{
    Fixture f;
    // Burrows at Hole(1), Hole(33) and Hole(65), as the pupil's keyboard walk above.
    f.t.lesson.random.script({0.0, 0.01, 0.5, 0.999});
    Island *island = f.open(1);
    QVERIFY(QTest::qWaitForWindowActive(island->window()));
    ClickableImage *h65 = island->hole(65);
    h65->setFocus(Qt::TabFocusReason);
    QTest::keyClick(h65, Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(QApplication::focusWidget(), island->hole(1));
    // A rabbit up as the year opens is told after the year's news: not at all to a pupil who has
    // left the burrows meanwhile, nor is its going.
    f.t.lesson.random.script({0.0});
    island->popupTick();
    island->cmdButton(0)->setFocus(Qt::TabFocusReason);
    QTest::qWait(600);
    island->popupTick();
    QCOMPARE(lastNews(island, "lapinarLaterNews"), QString());
    island->hole(1)->setFocus(Qt::TabFocusReason);
    for (int round = 0; round < 2; ++round) {
        // The same burrow twice: the second rabbit comes up where the focus already is.
        f.t.lesson.random.script({0.0});
        island->popupTick();
        QCOMPARE(QApplication::focusWidget(), island->hole(1));
        // Told once the year's news has been heard, never in its place.
        QTRY_COMPARE(lastNews(island, "lapinarLaterNews"), QStringLiteral("Rabbit up"));
        QCOMPARE(lastNews(island), QStringLiteral("Island, year 0. Rabbits counted: 0"));
        island->popupTick();
        QTRY_COMPARE(lastNews(island, "lapinarLaterNews"), QStringLiteral("Gone"));
    }
    // Space on a rabbit that was told counts it, and the count is said.
    f.t.lesson.random.script({0.0});
    island->popupTick();
    QCOMPARE(answerAllModals(f.t, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }).size(), 0);
    QVERIFY2(lastNews(island).endsWith(QStringLiteral("Rabbits counted: 1")), qPrintable(lastNews(island)));
}

void IslandTest::estimationYearLeavesTheFocusWhereThePupilPutsIt()
{
    Fixture f;
    Island *island = f.open(7);
    QVERIFY(QTest::qWaitForWindowActive(island->window()));
    ClickableImage *explored = island->hole(island->game().burrows().constFirst());
    explored->setFocus(Qt::TabFocusReason);
    QTest::keyClick(explored, Qt::Key_Home);
    explored = qobject_cast<ClickableImage *>(QApplication::focusWidget());
    QVERIFY(explored);
    for (int beat = 0; beat < 8; ++beat) {
        island->popupTick();
        QCOMPARE(QApplication::focusWidget(), explored);
        QVERIFY(!lastNews(island, "lapinarLaterNews").contains(QStringLiteral("Rabbit up")));
    }
}

void IslandTest::recordCountKeepsTheLargest_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("kept");
    QTest::newRow("5 then 3") << 5 << 3 << 5;
    QTest::newRow("3 then 5") << 3 << 5 << 5;
}

void IslandTest::recordCountKeepsTheLargest()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, kept);
    Fixture f;
    Island *island = f.open(3);
    QVERIFY(countRabbits(island, first));
    island->cmdButton(1)->click();
    QCOMPARE(f.t.lesson.state.Counted[3], qint16(first));
    island->cmdButton(0)->click();
    QVERIFY(countRabbits(island, second));
    island->cmdButton(0)->click();
    QCOMPARE(f.t.lesson.state.Counted[3], qint16(kept));
}

void IslandTest::popupTimerRunsOnAndARabbitDoesNotOutliveItsYear()
{
    Fixture f;
    Island *island = f.open(2);
    auto &timer = const_cast<QTimer &>(island->popupTimer());
    QCOMPARE(timer.interval(), 1500);
    // A beat that cannot come during the test, timed to the millisecond, and some of it gone: a
    // restarted timer would have all of it to go again.
    constexpr int Hour = 3600 * 1000;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(Hour);
    while (timer.remainingTime() > Hour - 2) {
    }
    const int before = timer.remainingTime();
    island->popupTick();
    island->cmdButton(0)->click();
    // A new layout does not restart the timer.
    QVERIFY2(timer.remainingTime() <= before,
             qPrintable(QStringLiteral("%1 > %2").arg(timer.remainingTime()).arg(before)));
    QCOMPARE(tagged(island, QStringLiteral("up")) + tagged(island, QStringLiteral("marked")), 0);
    island->popupTick();
    QVERIFY(island->game().burrows().contains(island->game().currentHole()));
    f.open(10)->cmdButton(0)->click();
    QVERIFY(!island->isVisible() && timer.isActive());
}

void IslandTest::pupilPlaysAllTenVisitsAndBack()
{
    Fixture f;
    LAPINAR1 &state = f.t.lesson.state;
    f.t.lesson.chain.show(ScreenId::Intro3);
    f.t.showing()->cmdButton(0)->click();
    auto *island = f.t.screenAs<Island>(ScreenId::Island);
    QStringList reminders;
    for (int visit = 1; visit <= 10; ++visit) {
        QCOMPARE(f.t.showing(), island);
        QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n%1").arg(visit - 1));
        if (visit <= 4)
            QVERIFY(countRabbits(island, visit));
        for (const ModalSeen &seen : answerAllModals(f.t, [&] { island->cmdButton(0)->click(); }))
            reminders << QStringLiteral("%1: %2").arg(visit).arg(seen.text);
    }
    QCOMPARE(reminders, QStringList{QStringLiteral("1: Make sure that you write down the number of rabbits in "
                                                   "the table on your worksheet.")});
    QCOMPARE(f.t.showing()->id(), ScreenId::GraphForm);
    QCOMPARE(state.CurrentYear, qint16(11));
    QCOMPARE(state.Counted, (std::array<qint16, 11>{0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0}));

    f.t.showing()->cmdButton(1)->click();
    for (int visit = 10; visit >= 1; --visit) {
        QCOMPARE(f.t.showing(), island);
        QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n%1").arg(visit - 1));
        if (visit == 1)
            QVERIFY(countRabbits(island, 7));
        island->cmdButton(1)->click();
    }
    QCOMPARE(f.t.showing()->id(), ScreenId::Intro3);
    QCOMPARE(state.CurrentYear, qint16(0));
    QCOMPARE(state.Counted[1], qint16(7));
}

void IslandTest::comingBackFromTheResultsLandsOnTheTenthVisit()
{
    Fixture f;
    LAPINAR1 &state = f.t.lesson.state;
    Island *island = f.open(7);
    island->cmdButton(1)->click();
    // The results screen, once set up, sends the next layout to the tenth visit whatever the year.
    state.GraphVisited = true;
    island->cmdButton(0)->click();
    QCOMPARE(state.CurrentYear, qint16(10));
    QVERIFY(!state.GraphVisited);
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n9"));
    QCOMPARE(island->cmdButton(0)->text(), QStringLiteral(">>"));
    QCOMPARE(tagged(island, QStringLiteral("down")), 15);
}

void IslandTest::yearPageShowsItsNumberCentredUnderYear()
{
    Fixture f;
    QLabel *caption = f.open(10)->calendar(0);
    // The number alone, centred by a label like the page's own in the same place.
    QLabel alone(QStringLiteral("9"), caption->parentWidget());
    alone.setFont(caption->font());
    alone.setAlignment(caption->alignment());
    alone.setGeometry(caption->geometry());
    // Columns holding ink in the given rows of a picture of the label.
    auto inkColumns = [](QLabel *label, int fromRow, int toRow) {
        const QImage image = label->grab().toImage();
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x)
            for (int y = fromRow; y < std::min(toRow, image.height()); ++y)
                if (const QRgb p = image.pixel(x, y); std::max({qRed(p), qGreen(p), qBlue(p)}) < 64) {
                    columns << x;
                    break;
                }
        return columns;
    };
    const int line = caption->fontMetrics().lineSpacing();
    QVERIFY(!inkColumns(&alone, 0, line).isEmpty());
    QCOMPARE(inkColumns(caption, line, 2 * line), inkColumns(&alone, 0, line));
}

QTEST_MAIN(IslandTest)
#include "tst_island.moc"
