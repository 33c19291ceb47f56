// SPDX-License-Identifier: GPL-3.0-or-later
#include "intro3.h"
#include "island.h"
#include "testsupport.h"
#include "twips.h"

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
    }
    Intro3 *practice() { return t.screenAs<Intro3>(ScreenId::Intro3); }
    TestLesson t;
};

// "tag/picture" of the three holes.
QStringList holes(Intro3 *practice)
{
    QStringList all;
    for (int i = 0; i < 3; ++i)
        all << practice->hole(i)->tag() + QLatin1Char('/') + practice->hole(i)->pictureName();
    return all;
}

const QStringList AllDown = {"down/burrow", "down/burrow", "down/burrow"};

void click(ClickableImage *hole) { QTest::mouseClick(hole, Qt::LeftButton); }

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void screenReadsAndTabsAsDescribed();
    void emptyBurrowsAfterActivation();
    void ticksBringARabbitUpAndDown_data();
    void ticksBringARabbitUpAndDown();
    void hitMarksWithoutCounting();
    void missOnABurrowIsTold();
    void holesResetAfterADialogOrAReturnFromTheIsland_data();
    void holesResetAfterADialogOrAReturnFromTheIsland();
    void forwardAlwaysStartsAtTheFirstVisit();
};

void PracticeTest::screenReadsAndTabsAsDescribed()
{
    Fixture f;
    Intro3 *practice = f.practice();
    const auto texts = practice->findChildren<QLabel *>();
    QStringList shown;
    for (QLabel *l : texts)
        shown << l->text();
    QVERIFY(shown.contains("The trouble with counting rabbits is that they move about and hide."));
    QVERIFY(shown.contains("If you see a rabbit, click on it as fast as you can. This will mark it and so you "
                           "won't count it twice."));
    QVERIFY(shown.contains("Have a practice and then it will be time to go and put the rabbits on the island."));
    QCOMPARE(practice->cmdButton(0)->toolTip(), QStringLiteral("Start experiment"));
    QCOMPARE(practice->hole(1)->geometry(), Twips::rect(5040, 5280, 645, 675));

    // The buttons in tab order: "<<", ">>", then the question button.
    QList<QWidget *> order;
    for (QWidget *w = practice->nextInFocusChain(); w != practice; w = w->nextInFocusChain())
        if (qobject_cast<QPushButton *>(w))
            order << w;
    QCOMPARE(order, (QList<QWidget *>{practice->cmdButton(1), practice->cmdButton(0), practice->questionButton()}));

    practice->cmdButton(1)->click();
    QCOMPARE(f.t.showing()->id(), ScreenId::Prediction);
}

void PracticeTest::emptyBurrowsAfterActivation()
{
    Fixture f;
    Intro3 *practice = f.practice();
    QCOMPARE(holes(practice), AllDown);
    QVERIFY(!practice->game().rabbitUp());
    QVERIFY(practice->popupTimer().isActive());
    QCOMPARE(practice->popupTimer().interval(), 1500);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(practice->hole(i)->accessibleName(), QStringLiteral("burrow"));
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
    Intro3 *practice = f.practice();
    // Only the hole is drawn: practice rabbits are never marked ones.
    f.t.lesson.random.script({fraction, 0.0});
    practice->popupTick();
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 1);
    QStringList expected = AllDown;
    expected[hole] = QStringLiteral("up/rabbit_up");
    QCOMPARE(holes(practice), expected);
    QCOMPARE(practice->hole(hole)->accessibleName(), QStringLiteral("rabbit"));

    practice->popupTick();
    QCOMPARE(holes(practice), AllDown);
    QCOMPARE(f.t.lesson.random.scriptedLeft(), 1);
    practice->popupTick();
    QVERIFY(practice->game().rabbitUp());
}

void PracticeTest::hitMarksWithoutCounting()
{
    Fixture f;
    Intro3 *practice = f.practice();
    const auto counted = f.t.lesson.state.Counted;
    f.t.lesson.random.script({0.5});
    practice->popupTick();
    ClickableImage *rabbit = practice->hole(1);

    QCOMPARE(answerModal(f.t, [&] { click(rabbit); }).kind, QString());
    QCOMPARE(rabbit->tag(), QStringLiteral("up"));
    QCOMPARE(rabbit->pictureName(), QStringLiteral("rabbit_marked"));
    QCOMPARE(rabbit->accessibleName(), QStringLiteral("counted rabbit"));
    // Clicking it again changes nothing and says nothing.
    QCOMPARE(answerModal(f.t, [&] { click(rabbit); }).kind, QString());
    QCOMPARE(rabbit->pictureName(), QStringLiteral("rabbit_marked"));
    QCOMPARE(practice->game().yearCount(), 0);
    QCOMPARE(f.t.lesson.state.Counted, counted);

    practice->popupTick();
    QCOMPARE(holes(practice), AllDown);
    QCOMPARE(rabbit->accessibleName(), QStringLiteral("burrow"));
}

void PracticeTest::missOnABurrowIsTold()
{
    Fixture f;
    Intro3 *practice = f.practice();
    f.t.lesson.random.script({0.0});
    practice->popupTick();
    const ModalSeen seen = answerModal(f.t, [&] { click(practice->hole(2)); });
    QCOMPARE(seen.kind, QStringLiteral("message box"));
    QCOMPARE(seen.title, QStringLiteral("Lapinar"));
    QCOMPARE(seen.text, QStringLiteral("You missed. Better luck next time."));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, int(QMessageBox::NoIcon));
    // The message box activates nothing: the rabbit is still up.
    QCOMPARE(holes(practice), (QStringList{"up/rabbit_up", "down/burrow", "down/burrow"}));
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
    Intro3 *practice = f.practice();
    f.t.lesson.random.script({0.9});
    practice->popupTick();
    if (marked)
        click(practice->hole(2));
    QVERIFY(practice->game().rabbitUp());
    if (viaIsland) {
        practice->cmdButton(0)->click();
        QCOMPARE(f.t.showing()->id(), ScreenId::Island);
        f.t.showing()->cmdButton(1)->click();
        QCOMPARE(f.t.showing(), practice);
    } else {
        const ModalSeen seen = answerModal(f.t, [&] { practice->questionButton()->click(); });
        QCOMPARE(seen.kind, QStringLiteral("question"));
        QCOMPARE(seen.title, QStringLiteral("4 - Counting the rabbits"));
    }
    QCOMPARE(holes(practice), AllDown);
    QVERIFY(!practice->game().rabbitUp());
    QVERIFY(practice->popupTimer().isActive());
    // The next tick brings a fresh, unmarked rabbit.
    practice->popupTick();
    QCOMPARE(holes(practice).count(QStringLiteral("up/rabbit_up")), 1);
}

void PracticeTest::forwardAlwaysStartsAtTheFirstVisit()
{
    Fixture f;
    Intro3 *practice = f.practice();
    f.t.lesson.state.CurrentYear = 7;
    f.t.lesson.state.Counted[2] = 9;
    practice->cmdButton(0)->click();
    QCOMPARE(f.t.lesson.state.CurrentYear, qint16(1));
    auto *island = f.t.screenAs<Island>(ScreenId::Island);
    QCOMPARE(f.t.showing(), island);
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n\r0"));
    QCOMPARE(f.t.lesson.state.Counted[2], qint16(9));
    // Hidden, the practice keeps its timer going.
    QVERIFY(!practice->isVisible());
    QVERIFY(practice->popupTimer().isActive());
}

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
