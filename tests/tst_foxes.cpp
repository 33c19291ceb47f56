// SPDX-License-Identifier: GPL-3.0-or-later
#include "foxes.h"
#include "foxyear.h"
#include "testsupport.h"

#include <QLabel>
#include <QMessageBox>
#include <QtTest>

namespace {

// The fraction that makes the draw among holes 1 to 77 come up with hole h.
double drawing(int hole)
{
    return (hole - 1 + 0.5) / FoxYear::DrawnHoles;
}

QList<double> drawings(const QList<int> &holes)
{
    QList<double> fractions;
    for (int h : holes)
        fractions << drawing(h);
    return fractions;
}

// Walks onto the fox screen as the pupil does, from Extend's ">>"; the draws of year 0's layout
// come from script when it is given.
Foxes *enterFoxes(TestLesson &t, const QList<double> &script = {})
{
    t.lesson.chain.show(ScreenId::Extend);
    t.lesson.random.script(script);
    t.screen(ScreenId::Extend)->cmdButton(0)->click();
    return static_cast<Foxes *>(t.lesson.chain.created(ScreenId::Foxes));
}

QList<int> holesTagged(const Foxes *foxes, const QString &tag)
{
    QList<int> holes;
    for (int i = 0; i < FoxYear::HoleCount; ++i)
        if (foxes->hole(i)->tag() == tag)
            holes << i;
    return holes;
}

QStringList allTags(const Foxes *foxes)
{
    QStringList tags;
    for (int i = 0; i < FoxYear::HoleCount; ++i)
        tags << foxes->hole(i)->tag();
    return tags;
}

// What the lesson last told a screen reader without being asked.
QString news(const QWidget *screen)
{
    const auto *told = screen->window()->findChild<QWidget *>(QStringLiteral("lapinarNews"));
    return told ? told->accessibleName() : QString();
}

QList<int> range(int from, int to)
{
    QList<int> holes;
    for (int h = from; h <= to; ++h)
        holes << h;
    return holes;
}

} // namespace

class FoxesTest : public QObject {
    Q_OBJECT
private slots:
    void eachYearShowsItsAnimalsAndCaptions_data();
    void eachYearShowsItsAnimalsAndCaptions();
    void drawsOnTakenHolesDrawAgainAndFoxesComeAfterRabbits();
    void yearSevenPutsFiftyOneAnimalsOnDistinctHoles();
    void countingYearZeroReadsFortyTwoFoxesAndEmptyPlacesLeaveIt();
    void secondClickOnCountedAnimalIsRefused_data();
    void secondClickOnCountedAnimalIsRefused();
    void steppingAwayAndBackLaysTheYearOutAnew();
    void movesAtBothEnds();
    void layoutNeverDrawsForeverWhateverTheFigures();
};

void FoxesTest::eachYearShowsItsAnimalsAndCaptions_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("rabbits");
    QTest::addColumn<int>("foxes");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("back");
    const int rabbits[] = {42, 18, 9, 7, 6, 12, 27, 44, 36, 13, 8};
    const int foxes[] = {2, 8, 6, 4, 2, 2, 4, 7, 10, 6, 3};
    for (int y = 0; y <= 10; ++y)
        QTest::addRow("year %d", y) << y << rabbits[y] << foxes[y]
                                    << (y == 10 ? QStringLiteral(">>") : QStringLiteral("Next year"))
                                    << (y == 0 ? QStringLiteral("<<") : QStringLiteral("Last year"));
}

void FoxesTest::eachYearShowsItsAnimalsAndCaptions()
{
    QFETCH(int, year);
    QFETCH(int, rabbits);
    QFETCH(int, foxes);
    QFETCH(QString, forward);
    QFETCH(QString, back);

    TestLesson t;
    t.lesson.state.ResetCounts();
    Foxes *screen = enterFoxes(t);
    for (int y = 0; y < year; ++y)
        screen->cmdButton(0)->click();

    QCOMPARE(t.showing(), screen);
    QCOMPARE(t.lesson.state.CurrentYear, year);
    QCOMPARE(t.lesson.state.YearTable[year].Rabbits, rabbits);
    QCOMPARE(t.lesson.state.YearTable[year].FoxNumber, foxes);

    // One tag per place, so these counts are of distinct holes.
    QCOMPARE(holesTagged(screen, QStringLiteral("rabbit")).size(), rabbits);
    QCOMPARE(holesTagged(screen, QStringLiteral("fox")).size(), foxes);
    QCOMPARE(holesTagged(screen, QString()).size(), FoxYear::HoleCount - rabbits - foxes);
    QCOMPARE(screen->hole(0)->tag(), QString());
    for (int i = 0; i < FoxYear::HoleCount; ++i) {
        const ClickableImage *place = screen->hole(i);
        const QString tag = place->tag();
        QCOMPARE(place->pictureName(), tag == QLatin1String("rabbit") ? QStringLiteral("rabbit_up")
                                       : tag == QLatin1String("fox")  ? QStringLiteral("fox_up")
                                                                      : QString());
        QCOMPARE(place->hasPicture(), !tag.isEmpty());
        QCOMPARE(place->accessibleName(), tag);
    }
    // The 78 places are one Tab stop, at an animal.
    QList<int> stops;
    for (int i = 0; i < FoxYear::HoleCount; ++i)
        if (screen->hole(i)->focusPolicy() & Qt::TabFocus)
            stops << i;
    QCOMPARE(stops.size(), 1);
    QVERIFY(!screen->hole(stops.first())->tag().isEmpty());

    QCOMPARE(screen->calendar(0)->text(), QStringLiteral("Year\n%1").arg(year));
    QCOMPARE(spokenName(screen->calendar(0)), QStringLiteral("Year %1").arg(year));
    QCOMPARE(spokenName(screen->calendar(1)), QStringLiteral("Rabbits counted: 0"));
    QCOMPARE(spokenName(screen), QStringLiteral("Fox island, year %1").arg(year));
    // Said with the year: how many animals there are to look over.
    QCOMPARE(screen->accessibleDescription(),
             QStringLiteral("Rabbits counted: 0. There are %1 animals.").arg(rabbits + foxes));
    QCOMPARE(screen->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(screen->cmdButton(0)->text(), forward);
    QCOMPARE(screen->cmdButton(1)->text(), back);
    QCOMPARE(screen->cmdButton(0)->accessibleName(), year == 10 ? QStringLiteral("Next screen") : QString());
    QCOMPARE(screen->cmdButton(1)->accessibleName(), year == 0 ? QStringLiteral("Previous screen") : QString());
}

void FoxesTest::drawsOnTakenHolesDrawAgainAndFoxesComeAfterRabbits()
{
    // Year 0: 42 rabbits drawn onto holes 1 to 42 with repeats on the way, then 2 foxes whose first
    // draws land on rabbits.
    QList<int> draws = {1, 1, 2, 2, 1, 3};
    draws << range(4, 42) << 42 << 1 << 43 << 20 << 44;
    TestLesson t;
    Foxes *screen = enterFoxes(t, drawings(draws));

    QCOMPARE(t.lesson.random.scriptedLeft(), 0);
    QCOMPARE(holesTagged(screen, QStringLiteral("rabbit")), range(1, 42));
    QCOMPARE(holesTagged(screen, QStringLiteral("fox")), (QList<int>{43, 44}));
}

void FoxesTest::yearSevenPutsFiftyOneAnimalsOnDistinctHoles()
{
    TestLesson t;
    Foxes *screen = enterFoxes(t);
    for (int y = 0; y < 6; ++y)
        screen->cmdButton(0)->click();
    // Each animal draws 77, 76, ... down to the first free hole: animal n needs n draws, 1326 in all.
    QList<int> draws;
    for (int n = 1; n <= 51; ++n)
        for (int h = 77; h >= 78 - n; --h)
            draws << h;
    t.lesson.random.script(drawings(draws));
    screen->cmdButton(0)->click();

    QCOMPARE(t.lesson.state.CurrentYear, 7);
    QCOMPARE(t.lesson.random.scriptedLeft(), 0);
    QCOMPARE(holesTagged(screen, QStringLiteral("rabbit")), range(34, 77));
    QCOMPARE(holesTagged(screen, QStringLiteral("fox")), range(27, 33));
    QCOMPARE(holesTagged(screen, QString()), range(0, 26));
}

void FoxesTest::countingYearZeroReadsFortyTwoFoxesAndEmptyPlacesLeaveIt()
{
    TestLesson t;
    Foxes *screen = enterFoxes(t);
    const QList<int> rabbits = holesTagged(screen, QStringLiteral("rabbit"));
    const QList<int> foxes = holesTagged(screen, QStringLiteral("fox"));
    const QList<int> empty = holesTagged(screen, QString());

    const QList<ModalSeen> modals = answerAllModals(t, [&] {
        int expected = 0;
        for (int h : rabbits) {
            emit screen->hole(h)->clicked();
            QCOMPARE(screen->calendar(1)->text(), QString::number(++expected));
            // Each count is said, and with the last rabbit that all are counted, once.
            QCOMPARE(news(screen), QStringLiteral("Rabbits counted: %1").arg(expected) +
                                       (expected == rabbits.size() ? QStringLiteral(". All counted.") : QString()));
            QCOMPARE(screen->hole(h)->tag(), QStringLiteral("marked"));
            QCOMPARE(screen->hole(h)->pictureName(), QStringLiteral("rabbit_marked"));
            QCOMPARE(screen->hole(h)->accessibleName(), QStringLiteral("counted rabbit"));
        }
        for (int h : foxes) {
            emit screen->hole(h)->clicked();
            QCOMPARE(screen->hole(h)->tag(), QStringLiteral("marked"));
            QCOMPARE(screen->hole(h)->pictureName(), QStringLiteral("fox_marked"));
            QCOMPARE(screen->hole(h)->accessibleName(), QStringLiteral("counted fox"));
        }
        for (int h : empty)
            emit screen->hole(h)->clicked();
    });
    QVERIFY(modals.isEmpty());
    QCOMPARE(screen->calendar(1)->text(), QStringLiteral("42"));
    QCOMPARE(spokenName(screen->calendar(1)), QStringLiteral("Rabbits counted: 42"));
    QCOMPARE(screen->year().YearCount(), 42);
    QCOMPARE(holesTagged(screen, QStringLiteral("marked")).size(), 44);
    QCOMPARE(holesTagged(screen, QString()), empty);
    QVERIFY(!screen->hole(0)->hasPicture());
}

void FoxesTest::secondClickOnCountedAnimalIsRefused_data()
{
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("said"); // as the animal is first marked
    QTest::newRow("rabbit") << QStringLiteral("rabbit") << QStringLiteral("1") << QStringLiteral("Rabbits counted: 1");
    QTest::newRow("fox") << QStringLiteral("fox") << QStringLiteral("0") << QStringLiteral("Fox, not counted.");
}

void FoxesTest::secondClickOnCountedAnimalIsRefused()
{
    QFETCH(QString, animal);
    QFETCH(QString, count);
    QFETCH(QString, said);
    TestLesson t;
    Foxes *screen = enterFoxes(t);
    ClickableImage *place = screen->hole(holesTagged(screen, animal).first());
    emit place->clicked();
    QCOMPARE(news(screen), said);
    const QStringList before = allTags(screen);
    const QString pictureBefore = place->pictureName();

    const ModalSeen seen = answerModal(t, [&] { emit place->clicked(); });
    QCOMPARE(seen.kind, QStringLiteral("message box"));
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(seen.text, QStringLiteral("You have already counted this one."));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, int(QMessageBox::NoIcon));
    QCOMPARE(seen.visibleScreens, QStringList{QStringLiteral("Foxes")});

    // Closing the message box lays nothing out again.
    QCOMPARE(allTags(screen), before);
    QCOMPARE(place->pictureName(), pictureBefore);
    QCOMPARE(screen->calendar(1)->text(), count);
}

void FoxesTest::steppingAwayAndBackLaysTheYearOutAnew()
{
    TestLesson t;
    Foxes *screen = enterFoxes(t, drawings(range(1, 44)));
    for (int h = 1; h <= 5; ++h)
        emit screen->hole(h)->clicked();
    QCOMPARE(screen->calendar(1)->text(), QStringLiteral("5"));

    screen->cmdButton(0)->click();
    QCOMPARE(screen->calendar(0)->text(), QStringLiteral("Year\n1"));
    t.lesson.random.script(drawings(range(34, 77)));
    screen->cmdButton(1)->click();

    QCOMPARE(t.lesson.state.CurrentYear, 0);
    QCOMPARE(screen->calendar(0)->text(), QStringLiteral("Year\n0"));
    QCOMPARE(screen->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(holesTagged(screen, QStringLiteral("rabbit")), range(34, 75));
    QCOMPARE(holesTagged(screen, QStringLiteral("fox")), (QList<int>{76, 77}));
    QVERIFY(holesTagged(screen, QStringLiteral("marked")).isEmpty());
    emit screen->hole(34)->clicked();
    QCOMPARE(screen->calendar(1)->text(), QStringLiteral("1"));
}

void FoxesTest::movesAtBothEnds()
{
    TestLesson t;
    Foxes *screen = enterFoxes(t);
    screen->cmdButton(1)->click();
    QCOMPARE(t.showing(), t.screen(ScreenId::Extend));
    QCOMPARE(t.lesson.state.CurrentYear, -1);
    t.screen(ScreenId::Extend)->cmdButton(0)->click();
    QCOMPARE(t.showing(), screen);
    QCOMPARE(screen->calendar(0)->text(), QStringLiteral("Year\n0"));

    for (int y = 0; y < 10; ++y)
        screen->cmdButton(0)->click();
    emit screen->hole(holesTagged(screen, QStringLiteral("rabbit")).first())->clicked();
    screen->cmdButton(0)->click();
    QCOMPARE(t.showing(), t.screen(ScreenId::Finish));
    QCOMPARE(t.lesson.state.CurrentYear, 11);

    // Back from Finish: year 10 afresh, its 8 rabbits and then its 3 foxes on the drawn holes.
    t.lesson.random.script(drawings(range(60, 70)));
    t.screen(ScreenId::Finish)->cmdButton(0)->click();
    QCOMPARE(t.showing(), screen);
    QCOMPARE(t.lesson.state.CurrentYear, 10);
    QCOMPARE(screen->calendar(0)->text(), QStringLiteral("Year\n10"));
    QCOMPARE(screen->calendar(1)->text(), QStringLiteral("0"));
    QCOMPARE(holesTagged(screen, QStringLiteral("rabbit")), range(60, 67));
    QCOMPARE(holesTagged(screen, QStringLiteral("fox")), range(68, 70));
}

void FoxesTest::layoutNeverDrawsForeverWhateverTheFigures()
{
    // The fox screen reads the shared year table; a table with more animals than places must
    // still give a layout rather than hang the lesson.
    Random random;
    random.seed(1);
    FoxYear year;
    year.layOut(80, 5, random);
    QCOMPARE(year.YearRabbits(), 77);
    QCOMPARE(year.YearFoxes(), 0);
    QCOMPARE(year.tag(0), QString());
    year.layOut(70, 20, random);
    QCOMPARE(year.YearFoxes(), 7);
    QCOMPARE(year.click(-1), FoxYear::Click::Nothing);
    QCOMPARE(year.click(FoxYear::HoleCount), FoxYear::Click::Nothing);
}

QTEST_MAIN(FoxesTest)
#include "tst_foxes.moc"
