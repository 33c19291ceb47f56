// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro3.h"
#include "island.h"
#include "testsupport.h"

#include <QLabel>
#include <QMessageBox>
#include <QtTest>

namespace {

struct Fixture {
    Fixture()
    {
        t.lesson.state.ResetCounts();
        t.lesson.state.FillQuestions();
        t.lesson.chain.show(ScreenId::Intro3);
        practice = t.screenAs<Intro3>(ScreenId::Intro3);
    }
    TestLesson t;
    Intro3 *practice = nullptr;
};

// "tag/picture/spoken name" of the three holes.
QStringList holes(Intro3 *practice)
{
    QStringList all;
    for (int i = 0; i < 3; ++i)
        all << QStringList{practice->hole(i)->tag(), practice->hole(i)->pictureName(),
                           practice->hole(i)->accessibleName()}
                   .join(QLatin1Char('/'));
    return all;
}

const QString Burrow = QStringLiteral("down/burrow/burrow");
const QStringList AllDown = {Burrow, Burrow, Burrow};

void click(ClickableImage *hole)
{
    QTest::mouseClick(hole, Qt::LeftButton);
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsTabInTheirOrder();
    void focusInTheBurrowsFollowsTheRisingRabbit();
    void ticksBringARabbitUpAndDown_data();
    void ticksBringARabbitUpAndDown();
    void hitMarksWithoutCountingAndMissIsTold();
    void holesResetAfterADialogOrAReturnFromTheIsland_data();
    void holesResetAfterADialogOrAReturnFromTheIsland();
    void beatIsTheTeachersAndThePupilsOnBothScreens_data();
    void beatIsTheTeachersAndThePupilsOnBothScreens();
    void pauseHoldsTheBoardStillAndGoesOn();
};

void PracticeTest::buttonsTabInTheirOrder()
{
    Fixture f;
    QList<QWidget *> order;
    for (QWidget *w = f.practice->nextInFocusChain(); w != f.practice; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << w;
    // The three burrows are one stop, before the buttons.
    QCOMPARE(order, (QList<QWidget *>{f.practice->hole(0), f.practice->cmdButton(1), f.practice->cmdButton(0),
                                      f.practice->questionButton()}));
    QCOMPARE(f.practice->cmdButton(0)->toolTip(), QStringLiteral("Start experiment"));
}

void PracticeTest::focusInTheBurrowsFollowsTheRisingRabbit()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.practice->window()));
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    QWidget *window = f.practice->window();
    f.practice->hole(0)->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Home);
    QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
    f.t.lesson.random.script({0.999});
    f.practice->popupTick();
    QCOMPARE(QApplication::focusWidget(), f.practice->hole(2));
    QCOMPARE(answerAllModals(f.t, [&] { key(Qt::Key_Space); }).size(), 0);
    QCOMPARE(holes(f.practice)[2], QStringLiteral("up/rabbit_marked/counted rabbit"));

    // The pupil moves away with the arrows and keeps the focus while the rabbit goes down.
    key(Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), f.practice->hole(1));
    f.practice->popupTick();
    QCOMPARE(QApplication::focusWidget(), f.practice->hole(1));

    // With the focus on a button, rabbits come and go without taking it.
    f.practice->cmdButton(1)->setFocus(Qt::TabFocusReason);
    f.t.lesson.random.script({0.0});
    f.practice->popupTick();
    QCOMPARE(holes(f.practice)[0], QStringLiteral("up/rabbit_up/rabbit"));
    QCOMPARE(QApplication::focusWidget(), f.practice->cmdButton(1));
    // Yet Tab back into the burrows comes in on it.
    QCOMPARE(f.practice->holeField().stop(), f.practice->hole(0));

    // A pupil who takes up the mouse sees no ring, and the rabbits no longer take the focus.
    f.practice->hole(0)->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(f.practice, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!window->testAttribute(Qt::WA_KeyboardFocusChange));
    f.t.lesson.random.script({0.999});
    f.practice->popupTick();
    QCOMPARE(QApplication::focusWidget(), f.practice->hole(0));
    // The next key brings the ring back.
    key(Qt::Key_Home);
    QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
}

void PracticeTest::ticksBringARabbitUpAndDown_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("hole");
    QTest::newRow("0 picks Hole(0)") << 0.0 << 0;
    QTest::newRow("0.34 picks Hole(1)") << 0.34 << 1;
    QTest::newRow("0.999 picks Hole(2)") << 0.999 << 2;
}

void PracticeTest::ticksBringARabbitUpAndDown()
{
    QFETCH(double, fraction);
    QFETCH(int, hole);
    Fixture f;
    QCOMPARE(holes(f.practice), AllDown);
    QVERIFY(f.practice->popupTimer().isActive());
    QCOMPARE(f.practice->popupTimer().interval(), 1500);
    // Only the hole is drawn: practice rabbits are never marked ones.
    f.t.lesson.random.script({fraction, 0.0});
    f.practice->popupTick();
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 1);
    QStringList expected = AllDown;
    expected[hole] = QStringLiteral("up/rabbit_up/rabbit");
    QCOMPARE(holes(f.practice), expected);
    f.practice->popupTick();
    QCOMPARE(holes(f.practice), AllDown);
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 1);
}

void PracticeTest::hitMarksWithoutCountingAndMissIsTold()
{
    Fixture f;
    const auto counted = f.t.lesson.state.Counted;
    f.t.lesson.random.script({0.5});
    f.practice->popupTick();
    QVERIFY(QTest::qWaitForWindowActive(f.practice->window()));
    const auto news = [&] { return f.practice->window()->findChild<QWidget *>("lapinarNews")->accessibleName(); };
    // A hit, then the same rabbit again: marked once, never a message box, each said.
    for (const QString &said : {QStringLiteral("Counted."), QStringLiteral("Already counted.")}) {
        QCOMPARE(answerModal(f.t, [&] { click(f.practice->hole(1)); }).kind, QString());
        QCOMPARE(holes(f.practice), (QStringList{Burrow, "up/rabbit_marked/counted rabbit", Burrow}));
        QCOMPARE(news(), said);
    }
    QCOMPARE(f.t.lesson.state.Counted, counted);

    const ModalSeen seen = answerModal(f.t, [&] { click(f.practice->hole(2)); });
    QCOMPARE(seen.kind, QStringLiteral("message box"));
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(seen.text, QStringLiteral("You missed. Better luck next time."));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, int(QMessageBox::NoIcon));
    // A message box activates nothing: the marked rabbit is still up, until the next tick.
    QCOMPARE(holes(f.practice)[1], QStringLiteral("up/rabbit_marked/counted rabbit"));
    f.practice->popupTick();
    QCOMPARE(holes(f.practice), AllDown);
}

void PracticeTest::holesResetAfterADialogOrAReturnFromTheIsland_data()
{
    QTest::addColumn<bool>("viaIsland");
    QTest::addColumn<bool>("marked");
    QTest::newRow("question dialog, rabbit up") << false << false;
    QTest::newRow("question dialog, rabbit marked") << false << true;
    QTest::newRow("back from the island, rabbit up") << true << false;
    QTest::newRow("back from the island, rabbit marked") << true << true;
}

void PracticeTest::holesResetAfterADialogOrAReturnFromTheIsland()
{
    QFETCH(bool, viaIsland);
    QFETCH(bool, marked);
    Fixture f;
    f.t.lesson.random.script({0.9});
    f.practice->popupTick();
    if (marked)
        click(f.practice->hole(2));
    if (viaIsland) {
        // ">>" always starts the experiment at its first visit, and leaves the counts alone.
        f.t.lesson.state.CurrentYear = 7;
        f.t.lesson.state.Counted[2] = 9;
        f.practice->cmdButton(0)->click();
        auto *island = f.t.screenAs<Island>(ScreenId::Island);
        QCOMPARE(f.t.showing(), island);
        QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n0"));
        QCOMPARE(f.t.lesson.state.Counted[2], qint16(9));
        QVERIFY(f.practice->popupTimer().isActive());
        island->cmdButton(1)->click();
        QCOMPARE(f.t.showing(), f.practice);
    } else {
        const ModalSeen seen = answerModal(f.t, [&] { f.practice->questionButton()->click(); });
        QCOMPARE(seen.title, QStringLiteral("4 - Counting the rabbits"));
    }
    QCOMPARE(holes(f.practice), AllDown);
    QVERIFY(!f.practice->game().rabbitUp());
    // The next tick brings a fresh, unmarked rabbit.
    f.practice->popupTick();
    QCOMPARE(holes(f.practice).count(QStringLiteral("up/rabbit_up/rabbit")), 1);
}

void PracticeTest::beatIsTheTeachersAndThePupilsOnBothScreens_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("slower");
    QTest::addColumn<int>("up");
    // The wait between rabbits is the lesson's 1.5 s whatever the rabbits' time up.
    QTest::newRow("the lesson's own") << 1.5 << false << 1500;
    QTest::newRow("six seconds") << 6.0 << false << 6000;
    QTest::newRow("pupil slows the lesson's own") << 1.5 << true << 3000;
    QTest::newRow("pupil slows the longest") << 15.0 << true << 30000;
    QTest::newRow("too short") << 0.5 << false << 1500;
    QTest::newRow("too long") << 40.0 << false << 15000;
}

void PracticeTest::beatIsTheTeachersAndThePupilsOnBothScreens()
{
    QFETCH(double, seconds);
    QFETCH(bool, slower);
    QFETCH(int, up);
    Fixture f;
    // The island is made after the beat was set, the practice before.
    f.t.lesson.popupRhythm.setSeconds(seconds);
    QVERIFY(QTest::qWaitForWindowActive(f.practice->window()));
    f.practice->cmdButton(1)->setFocus(Qt::TabFocusReason);
    if (slower)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    QCOMPARE(f.practice->rhythmSign() && f.practice->rhythmSign()->isVisible(), slower);
    if (slower)
        QCOMPARE(f.practice->rhythmSign()->text(), QStringLiteral("Slower"));
    QCOMPARE(f.practice->popupTimer().interval(), 1500);
    f.practice->popupTick();
    QCOMPARE(f.practice->popupTimer().interval(), up);
    // Counted, the rabbit has nothing more to wait for: down within the lesson's beat (a coarse
    // timer may run 5 % over).
    const int beatAtMost = 1575;
    click(f.practice->hole(f.practice->game().currentHole()));
    QVERIFY(f.practice->popupTimer().remainingTime() <= beatAtMost);
    f.practice->popupTick();
    QCOMPARE(f.practice->popupTimer().interval(), 1500);
    f.practice->popupTick();
    f.practice->cmdButton(0)->click();
    auto *island = f.t.screenAs<Island>(ScreenId::Island);
    QCOMPARE(f.t.showing(), island);
    // A year laid out with no rabbit up waits no longer than between rabbits.
    QVERIFY(island->popupTimer().remainingTime() <= beatAtMost);
    island->popupTick();
    QCOMPARE(island->popupTimer().interval(), up);
    QCOMPARE(island->rhythmSign() && island->rhythmSign()->isVisible(), slower);
}

void PracticeTest::pauseHoldsTheBoardStillAndGoesOn()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.practice->window()));
    f.practice->hole(0)->setFocus(Qt::TabFocusReason);
    f.t.lesson.random.script({0.999});
    f.practice->popupTick();
    const QStringList board = holes(f.practice);
    const auto news = [&] { return f.practice->window()->findChild<QWidget *>("lapinarNews")->accessibleName(); };
    // A precise timer, whose rest is what it says it is.
    auto &timer = const_cast<QTimer &>(f.practice->popupTimer());
    timer.setTimerType(Qt::PreciseTimer);
    timer.start();
    QTest::qWait(100);
    const int left = timer.remainingTime();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    QVERIFY(!f.practice->popupTimer().isActive());
    QCOMPARE(f.practice->rhythmSign()->text(), QStringLiteral("Paused"));
    QVERIFY(f.practice->rhythmSign()->isVisible());
    QVERIFY2(news().endsWith(QStringLiteral("Paused")), qPrintable(news()));
    QTest::qWait(50);
    QCOMPARE(holes(f.practice), board);

    // Going on finishes the beat the pause cut short, then beats whole again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Pause);
    QVERIFY(f.practice->popupTimer().isActive());
    QVERIFY2(timer.remainingTime() <= left, qPrintable(QStringLiteral("%1 > %2").arg(timer.remainingTime()).arg(left)));
    QVERIFY(timer.interval() < 1500);
    QVERIFY(!f.practice->rhythmSign()->isVisible());
    QVERIFY2(news().endsWith(QStringLiteral("Going on")), qPrintable(news()));
    QTRY_COMPARE_WITH_TIMEOUT(holes(f.practice), AllDown, 20000);
    QCOMPARE(f.practice->popupTimer().interval(), 1500);

    // Leaving the screen ends a pause: the pop-up runs on while the pupil is elsewhere, as ever.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    f.practice->cmdButton(0)->click();
    QVERIFY(!f.t.lesson.popupRhythm.isPaused());
    QVERIFY(f.practice->popupTimer().isActive());
    QVERIFY(f.t.screenAs<Island>(ScreenId::Island)->popupTimer().isActive());
}

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
