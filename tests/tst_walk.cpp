// SPDX-License-Identifier: GPL-3.0-or-later
// One pupil's walk through the whole lesson, forward to the end and back to the start, with the
// mouse and keyboard only: every reminder read and closed, a prediction ringed, the island visited
// ten times, the table typed, the foxes' eleven years stepped through.
#include "conclusion.h"
#include "dialogs.h"
#include "foxes.h"
#include "graphform.h"
#include "intro3.h"
#include "island.h"
#include "islandyear.h"
#include "prediction.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

QPushButton *buttonCaptioned(LessonScreen *screen, const QString &caption)
{
    for (int i = 0; i < 3; ++i)
        if (QPushButton *b = screen->cmdButton(i); b && b->text() == caption)
            return b;
    return nullptr;
}

} // namespace

class WalkTest : public QObject {
    Q_OBJECT
private slots:
    void pupilWalksForwardToTheEndAndBackToTheStart();
    void clicksReachingAHiddenScreenAreIgnored();
    void firstStepsKeepOneWindowWithTheReminderOnTop();
    void keyboardPupilWalksFromIntro1ToFinish();
};

void WalkTest::pupilWalksForwardToTheEndAndBackToTheStart()
{
    TestLesson t;
    t.lesson.chain.start();
    // At every step, inside every dialog and message box: one window, the lesson's.
    QString windowFault;
    int windowChecks = 0;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, this, [&] {
        ++windowChecks;
        if (windowFault.isEmpty())
            windowFault = oneWindowFault(t);
    });
    watch.start();
    QStringList reminders;
    // Clicks the button with this caption on the screen showing, closing whatever it opens.
    auto press = [&](const QString &caption) {
        LessonScreen *screen = t.showing();
        QVERIFY2(screen, "no single screen showing");
        QPushButton *button = buttonCaptioned(screen, caption);
        QVERIFY2(button, qPrintable(screenName(screen->id()) + " has no " + caption));
        for (const ModalSeen &seen : answerAllModals(t, [&] { QTest::mouseClick(button, Qt::LeftButton); }))
            reminders << seen.text;
        QCOMPARE(oneWindowFault(t), QString());
    };
    auto expectScreen = [&](ScreenId id) {
        QVERIFY(t.showing());
        QCOMPARE(screenName(t.showing()->id()), screenName(id));
    };

    press(">>");
    expectScreen(ScreenId::Intro2);
    press("Prediction");
    expectScreen(ScreenId::Prediction);
    QVERIFY(!t.showing()->cmdButton(0)->isEnabled());
    for (QLabel *label : t.showing()->findChildren<QLabel *>())
        if (label->text() == QLatin1String("The number of rabbits will go up and then go down."))
            QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(t.showing()->cmdButton(0)->isEnabled());
    press(">>");
    expectScreen(ScreenId::Intro3);
    press(">>");
    expectScreen(ScreenId::Island);

    // Ten visits; in the first the pupil counts two rabbits.
    auto *island = static_cast<Island *>(t.showing());
    for (int counted = 0; counted < 2;) {
        island->popupTick();
        for (int h = 1; h <= 65; ++h)
            if (island->hole(h)->tag() == QLatin1String("up")) {
                QTest::mouseClick(island->hole(h), Qt::LeftButton);
                ++counted;
            }
    }
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("2"));
    for (int visit = 1; visit < 10; ++visit)
        press("Next year");
    QCOMPARE(island->calendar(0)->text(), QStringLiteral("Year\n9"));
    QCOMPARE(t.lesson.state.Counted[1], qint16(2));
    press(">>");
    expectScreen(ScreenId::GraphForm);

    // The pupil types the island's numbers, drawing the graph with the last Enter.
    auto *results = static_cast<GraphForm *>(t.showing());
    const QStringList numbers = {"10", "14", "20", "42", "78", "30", "32", "30", "38", "46"};
    QCOMPARE(results->focusWidget(), results->valueCell(1));
    for (const QString &n : numbers) {
        QTest::keyClicks(results->focusWidget(), n);
        QTest::keyClick(results->focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(results->focusWidget(), results->actionButton(0));
    press(">>");
    expectScreen(ScreenId::Conclusion);
    QCOMPARE(static_cast<Conclusion *>(t.showing())->summary(),
             QStringLiteral("You have now counted all of the rabbits that were on the island."));
    press("Extension");
    expectScreen(ScreenId::Extend);
    press(">>");
    expectScreen(ScreenId::Foxes);
    for (int year = 0; year < 10; ++year)
        press("Next year");
    press(">>");
    expectScreen(ScreenId::Finish);
    QCOMPARE(t.lesson.state.CurrentYear, qint16(11));

    // And all the way back.
    press("<<");
    expectScreen(ScreenId::Foxes);
    for (int year = 10; year > 0; --year)
        press("Last year");
    press("<<");
    expectScreen(ScreenId::Extend);
    press("<<");
    expectScreen(ScreenId::Conclusion);
    QCOMPARE(static_cast<Conclusion *>(t.showing())->summary(),
             QStringLiteral("You have now counted none of the rabbits that were on the island."));
    press("<<");
    expectScreen(ScreenId::GraphForm);
    QCOMPARE(results->valueCell(10)->text(), QStringLiteral("46"));
    press("<<");
    expectScreen(ScreenId::Island);
    QCOMPARE(t.lesson.state.CurrentYear, qint16(10));
    for (int visit = 10; visit > 1; --visit)
        press("Last year");
    press("<<");
    expectScreen(ScreenId::Intro3);
    press("<<");
    expectScreen(ScreenId::Prediction);
    QVERIFY(t.showing()->cmdButton(0)->isEnabled());
    press("<<");
    expectScreen(ScreenId::Intro2);
    press("<<");
    expectScreen(ScreenId::Intro1);

    watch.stop();
    QCOMPARE(windowFault, QString());
    QVERIFY(windowChecks > 0);
    QCOMPARE(
        reminders,
        QStringList({"Remember that each screen has a question on your worksheet. Have you answered the first one?",
                     "Make sure that you have written your prediction down.",
                     "Make sure that you write down the number of rabbits in the table on your worksheet."}));
    QVERIFY(!t.ended);
}

void WalkTest::clicksReachingAHiddenScreenAreIgnored()
{
    TestLesson t;
    t.lesson.chain.start();
    LessonScreen *intro1 = t.showing();
    answerAllModals(t, [&] { intro1->cmdButton(0)->click(); });
    LessonScreen *intro2 = t.showing();
    QCOMPARE(intro2->id(), ScreenId::Intro2);

    // The second click of a double-click on ">>" arriving after Intro1 has gone changes nothing.
    const ModalSeen seen = answerModal(t, [&] { intro1->cmdButton(0)->click(); });
    QCOMPARE(seen.kind, QString());
    QCOMPARE(t.showing(), intro2);

    // Likewise on the island: leaving forward from the last visit, then a late click there.
    t.lesson.state.CurrentYear = 10;
    t.lesson.chain.move(intro2, ScreenId::Island);
    LessonScreen *island = t.showing();
    island->cmdButton(0)->click();
    QCOMPARE(t.showing()->id(), ScreenId::GraphForm);
    island->cmdButton(0)->click();
    QCOMPARE(t.lesson.state.CurrentYear, qint16(11));
    QCOMPARE(t.showing()->id(), ScreenId::GraphForm);
    QTest::mouseClick(static_cast<Island *>(island)->hole(1), Qt::LeftButton);
    QCOMPARE(t.showing()->id(), ScreenId::GraphForm);
}

// The first steps of the lesson, as CI also runs them under a real Wayland compositor: one window at
// every step, and a click on the screen behind an open reminder leaves the reminder on top and open.
void WalkTest::firstStepsKeepOneWindowWithTheReminderOnTop()
{
    TestLesson t;
    t.lesson.chain.start();
    QVERIFY(QTest::qWaitForWindowExposed(&t.lesson.window));
    QCOMPARE(oneWindowFault(t), QString());

    // Closes the reminder that the click opens, after a click beside it, checking on the way.
    auto throughReminder = [&](QPushButton *button, const QString &text) {
        QString seen, fault = QStringLiteral("no reminder"), onTop = QStringLiteral("no reminder");
        QObject stackGuard; // a shot that never fires is dropped with this frame
        QTimer::singleShot(0, &stackGuard, [&] {
            ModalPanel *panel = t.lesson.window.openPanel();
            if (!panel)
                return;
            seen = static_cast<ReminderDialog *>(panel)->text()->text();
            QTest::mouseClick(t.lesson.window.windowHandle(), Qt::LeftButton, {}, QPoint(20, 460));
            fault = oneWindowFault(t);
            const QPoint middle = panel->mapTo(t.lesson.window.pages(), panel->rect().center());
            QWidget *top = t.lesson.window.pages()->childAt(middle);
            onTop = panel->isVisible() && (top == panel || panel->isAncestorOf(top)) ? QString() : "covered";
            QTest::mouseClick(static_cast<ReminderDialog *>(panel)->okButton(), Qt::LeftButton);
        });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(seen, text);
        QCOMPARE(fault, QString());
        QCOMPARE(onTop, QString());
        QVERIFY(!t.lesson.window.openPanel());
    };
    auto expect = [&](ScreenId id) {
        QVERIFY(t.showing());
        QCOMPARE(screenName(t.showing()->id()), screenName(id));
        QCOMPARE(oneWindowFault(t), QString());
    };

    throughReminder(t.showing()->cmdButton(0),
                    "Remember that each screen has a question on your worksheet. Have you answered the first one?");
    expect(ScreenId::Intro2);
    QTest::mouseClick(t.showing()->cmdButton(0), Qt::LeftButton);
    expect(ScreenId::Prediction);
    QTest::mouseClick(static_cast<Prediction *>(t.showing())->predictionText(1), Qt::LeftButton);
    throughReminder(t.showing()->cmdButton(0), "Make sure that you have written your prediction down.");
    expect(ScreenId::Intro3);
    QTest::mouseClick(t.showing()->cmdButton(0), Qt::LeftButton);
    expect(ScreenId::Island);
}

// The whole lesson with the keyboard alone: Tab to a control, Space or Enter to use it, the arrows in
// a field of places, digits and Enter in the results table; a rabbit counted in the practice, on the
// island and on the fox screen.
void WalkTest::keyboardPupilWalksFromIntro1ToFinish()
{
    TestLesson t;
    t.lesson.chain.start();
    QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
    QWindow *window = t.lesson.window.windowHandle();
    auto focus = [] { return QApplication::focusWidget(); };
    auto press = [&](Qt::Key key) { QTest::keyClick(window, key); };
    // Tab until the focus is where wanted; false after a whole round of the screen without it.
    auto tabTo = [&](const std::function<bool(QWidget *)> &wanted) {
        for (int presses = 0; presses < 40; ++presses) {
            if (focus() && wanted(focus()))
                return true;
            press(Qt::Key_Tab);
        }
        return false;
    };
    auto tabToButton = [&](const QString &caption) {
        return tabTo([&](QWidget *w) {
            auto *button = qobject_cast<QPushButton *>(w);
            return button && button->text() == caption;
        });
    };
    // Space on the focused control, and Enter for each reminder it opens (OK has the focus there).
    QStringList reminders;
    auto spaceThroughReminders = [&] {
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *reminder = qobject_cast<ReminderDialog *>(t.lesson.window.openPanel())) {
                reminders << reminder->text()->text();
                QTest::keyClick(window, Qt::Key_Return);
            }
        });
        poll.start();
        press(Qt::Key_Space);
    };
    auto isPlace = [](QWidget *w) { return qobject_cast<ClickableImage *>(w) != nullptr; };
    auto on = [&](ScreenId id) { return t.showing() && t.showing()->id() == id; };

    QVERIFY(tabToButton(">>"));
    spaceThroughReminders();
    QVERIFY(on(ScreenId::Intro2));
    QVERIFY(tabToButton("Prediction"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::Prediction));
    QVERIFY(tabTo([](QWidget *w) { return qobject_cast<PredictionLabel *>(w) != nullptr; }));
    press(Qt::Key_Space);
    QVERIFY(static_cast<Prediction *>(t.showing())->ringedIndex() >= 0);
    QVERIFY(tabToButton(">>"));
    spaceThroughReminders();
    QVERIFY(on(ScreenId::Intro3));

    // The practice: into the field, a rabbit comes up and takes the focus, Space marks it.
    auto *practice = static_cast<Intro3 *>(t.showing());
    QVERIFY(tabTo(isPlace));
    practice->popupTick();
    const int practiceHole = practice->game().currentHole();
    QCOMPARE(focus(), practice->hole(practiceHole));
    press(Qt::Key_Space);
    QCOMPARE(practice->game().hole(practiceHole).look, PopupGame::Look::MarkedRabbit);
    QVERIFY(tabToButton(">>"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::Island));

    // The island: a rabbit counted on the first visit, then ten visits with "Next year".
    auto *island = static_cast<Island *>(t.showing());
    QVERIFY(tabTo(isPlace));
    island->popupTick();
    QCOMPARE(focus(), island->hole(island->game().currentHole()));
    press(Qt::Key_Space);
    QCOMPARE(island->calendar(1)->text(), QStringLiteral("1"));
    QVERIFY(tabToButton("Next year"));
    spaceThroughReminders();
    for (int visit = 2; visit <= 9; ++visit) {
        // While there are rabbits to count the focus comes back among the burrows, where Space
        // counts, however the year was reached; from the first year to estimate it stays put.
        QCOMPARE(isPlace(focus()), IslandYear::isCountingYear(visit));
        if (isPlace(focus()))
            QVERIFY(tabToButton("Next year"));
        press(Qt::Key_Space);
    }
    QVERIFY(tabToButton(">>"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::GraphForm));
    QCOMPARE(t.lesson.state.Counted[1], qint16(1));

    // The table: the numbers typed cell by cell with Enter, then on.
    for (const char *number : {"1", "14", "20", "42", "78", "30", "32", "30", "38", "46"}) {
        QTest::keyClicks(focus(), QString::fromLatin1(number));
        press(Qt::Key_Return);
    }
    QVERIFY(tabToButton(">>"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::Conclusion));
    QCOMPARE(t.lesson.state.Counted[10], qint16(46));
    QVERIFY(tabToButton("Extension"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::Extend));
    QVERIFY(tabToButton(">>"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::Foxes));

    // The foxes: the arrows to a rabbit, Space counts it; then year by year to the end.
    auto *foxes = static_cast<Foxes *>(t.showing());
    QVERIFY(tabTo(isPlace));
    for (int step = 0; step < 80 && static_cast<ClickableImage *>(focus())->tag() != QLatin1String("rabbit"); ++step)
        press(step < 40 ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(static_cast<ClickableImage *>(focus())->tag(), QStringLiteral("rabbit"));
    press(Qt::Key_Space);
    QCOMPARE(foxes->calendar(1)->text(), QStringLiteral("1"));
    QVERIFY(tabToButton("Next year"));
    for (int year = 0; year < 10; ++year)
        press(Qt::Key_Space);
    QVERIFY(tabToButton(">>"));
    press(Qt::Key_Space);
    QVERIFY(on(ScreenId::Finish));
    QCOMPARE(reminders.size(), 3);
    QVERIFY(!t.ended);
}

QTEST_MAIN(WalkTest)
#include "tst_walk.moc"
