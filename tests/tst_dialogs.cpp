// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder and question dialogs: texts, sizes, places, keys, and what is activated after them.
// This program also runs on a display larger than the lesson (see CMakeLists.txt).
#include "conclusion.h"
#include "dialogs.h"
#include "graphform.h"
#include "testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

// Runs a click that opens the question dialog, and records the dialog's texts and geometry.
struct QuestionSeen {
    QString title, text;
    QRect geometry;
};

QuestionSeen openQuestion(TestLesson &t, LessonScreen *screen, const std::function<void(QuestionDialog &)> &close)
{
    QuestionSeen seen;
    QObject stackGuard; // a shot that never fires is dropped with this frame
    QTimer::singleShot(0, &stackGuard, [&] {
        QuestionDialog &dialog = t.lesson.chain.questionDialog();
        seen.title = dialog.QuestionTitle->text();
        seen.text = dialog.QuestionText->text();
        seen.geometry = dialog.geometry();
        close(dialog);
    });
    screen->questionButton()->click();
    return seen;
}

void pressClose(QuestionDialog &dialog)
{
    dialog.CloseButton->click();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void reminderIsCentredAndShowsOnlyTheLatestText();
    void questionDialogLayout();
    void questionDialogSitsByItsButton_data();
    void questionDialogSitsByItsButton();
    void questionDialogPlacedTheSameEachTime();
    void questionDialogClosesWithEnterEscAndAltC_data();
    void questionDialogClosesWithEnterEscAndAltC();
    void screenBeneathIsActivatedAfterDialogsButNotMessageBoxes();
    void openPanelTakesEveryClickAndKey();
    void quitPanelKeys_data();
    void quitPanelKeys();
};

void DialogsTest::reminderIsCentredAndShowsOnlyTheLatestText()
{
    TestLesson t;
    t.lesson.chain.start();
    LessonScreen *intro1 = t.showing();
    QVERIFY(!t.lesson.chain.reminderCreated());

    QRect geometry;
    QString text, textColour;
    QObject stackGuard; // a shot that never fires is dropped with this frame
    QTimer::singleShot(0, &stackGuard, [&] {
        ReminderDialog &r = t.lesson.chain.reminderDialog();
        geometry = r.geometry();
        text = r.text()->text();
        textColour = r.text()->palette().color(QPalette::WindowText).name();
        r.okButton()->click();
    });
    t.lesson.chain.showReminder(intro1, QStringLiteral("First reminder, quite a long one that needs wrapping."));
    QCOMPARE(text, QStringLiteral("First reminder, quite a long one that needs wrapping."));
    QCOMPARE(textColour, QStringLiteral("#0000ff"));
    // Centred over the lesson screen, which on a display of the lesson's size is the display.
    const QSize area = t.lesson.window.pages()->size();
    QCOMPARE(geometry.size(), QSize(400, 200));
    QCOMPARE(geometry.topLeft(), QPoint((area.width() - 400) / 2, (area.height() - 200) / 2));
    if (QGuiApplication::primaryScreen()->geometry().size() == QSize(640, 480))
        QCOMPARE(t.lesson.window.pages()->mapToGlobal(geometry.topLeft()), QPoint(120, 140));
    // Assistive technology meets a dialog named as the lesson's reminder window always was.
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&t.lesson.chain.reminderDialog());
    QCOMPARE(spoken->role(), QAccessible::Dialog);
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Lapinar"));

    const ModalSeen second = answerModal(t, [&] { t.lesson.chain.showReminder(intro1, QStringLiteral("Short.")); });
    QCOMPARE(second.kind, QStringLiteral("reminder"));
    QCOMPARE(second.text, QStringLiteral("Short."));
    QVERIFY(!t.lesson.chain.reminderDialog().isVisible());
    QCOMPARE(t.lesson.chain.reminderDialog().okButton()->text(), QStringLiteral("OK"));
}

void DialogsTest::questionDialogLayout()
{
    TestLesson t;
    QuestionDialog &d = t.lesson.chain.questionDialog();
    QCOMPARE(d.size(), QSize(318, 292)); // 4680 x 4290 twips inside a 45-twip frame
    QCOMPARE(d.client()->size(), QSize(312, 286));
    QCOMPARE(d.QuestionTitle->geometry(), QRect(16, 16, 281, 33));
    QCOMPARE(d.QuestionTitle->text(), QStringLiteral("Question 1"));
    QCOMPARE(d.QuestionText->geometry(), QRect(40, 88, 233, 121));
    QCOMPARE(d.CloseButton->geometry(), QRect(104, 240, 97, 33));
    QCOMPARE(d.CloseButton->text(), QStringLiteral("&Close"));
    QCOMPARE(d.client()->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(d.QuestionText->font().pixelSize(), 18); // 13.5 pt at 96 dpi
    // A panel of the lesson window, not a window of its own.
    QVERIFY(!d.isWindow());
    QCOMPARE(d.window(), &t.lesson.window);
    QCOMPARE(QAccessible::queryAccessibleInterface(&d)->text(QAccessible::Name), QStringLiteral("Question"));
}

void DialogsTest::questionDialogSitsByItsButton_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("corner");
    QTest::newRow("Intro1") << int(ScreenId::Intro1) << 1 << int(Corner::TopRight);
    QTest::newRow("Intro2") << int(ScreenId::Intro2) << 2 << int(Corner::BottomLeft);
    QTest::newRow("Prediction") << int(ScreenId::Prediction) << 3 << int(Corner::BottomRight);
    QTest::newRow("Intro3") << int(ScreenId::Intro3) << 4 << int(Corner::BottomLeft);
    QTest::newRow("GraphForm") << int(ScreenId::GraphForm) << 5 << int(Corner::BottomRight);
    QTest::newRow("Conclusion") << int(ScreenId::Conclusion) << 6 << int(Corner::BottomRight);
    QTest::newRow("Extend") << int(ScreenId::Extend) << 7 << int(Corner::TopRight);
    QTest::newRow("Finish") << int(ScreenId::Finish) << 8 << int(Corner::TopRight);
}

void DialogsTest::questionDialogSitsByItsButton()
{
    QFETCH(int, screen);
    QFETCH(int, question);
    QFETCH(int, corner);

    TestLesson t;
    t.lesson.chain.start();
    t.lesson.chain.move(t.showing(), ScreenId(screen));
    LessonScreen *s = t.showing();
    QPushButton *button = s->questionButton();
    QCOMPARE(button->size(), QSize(67, 67));
    QCOMPARE(button->toolTip(), QStringLiteral("Question %1").arg(question));
    QCOMPARE(button->accessibleName(), QStringLiteral("Question %1").arg(question));

    const QuestionSeen seen = openQuestion(t, s, pressClose);
    QCOMPARE(seen.title, t.lesson.state.Questions[question].Title);
    QCOMPARE(seen.text, t.lesson.state.Questions[question].Text);
    QVERIFY(!seen.title.isEmpty());

    const QRect b(button->mapTo(t.lesson.window.pages(), QPoint(0, 0)), button->size());
    QCOMPARE(seen.geometry.size(), QSize(318, 292));
    switch (Corner(corner)) {
    case Corner::TopRight:
        QCOMPARE(seen.geometry.top(), b.top());
        QCOMPARE(seen.geometry.right(), b.right());
        break;
    case Corner::BottomLeft:
        QCOMPARE(seen.geometry.bottom(), b.bottom());
        QCOMPARE(seen.geometry.left(), b.left());
        break;
    case Corner::BottomRight:
        QCOMPARE(seen.geometry.bottom(), b.bottom());
        QCOMPARE(seen.geometry.right(), b.right());
        break;
    }
    // On a display of the lesson's size this is exactly where the button lies on the display.
    if (QGuiApplication::primaryScreen()->geometry().size() == QSize(640, 480) && screen == int(ScreenId::Intro1))
        QCOMPARE(t.lesson.window.pages()->mapToGlobal(seen.geometry.topLeft()), QPoint(504 + 67 - 318, 24));
}

void DialogsTest::questionDialogPlacedTheSameEachTime()
{
    TestLesson t;
    t.lesson.chain.start();
    const QuestionSeen first = openQuestion(t, t.showing(), pressClose);
    const QuestionSeen again = openQuestion(t, t.showing(), pressClose);
    QCOMPARE(again.geometry, first.geometry);

    t.lesson.chain.move(t.showing(), ScreenId::Intro2);
    const QuestionSeen other = openQuestion(t, t.showing(), pressClose);
    QVERIFY(other.geometry.topLeft() != first.geometry.topLeft());
    QCOMPARE(other.title, QStringLiteral("2 - The experiment"));
    QCOMPARE(other.text, QStringLiteral("Write down one way that you could make the survey fair."));
}

void DialogsTest::questionDialogClosesWithEnterEscAndAltC_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier);
}

void DialogsTest::questionDialogClosesWithEnterEscAndAltC()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TestLesson t;
    t.lesson.chain.start();
    bool closedByKey = false;
    // If the key fails to close it, a later timer closes it so the test ends; the flag tells.
    const QuestionSeen seen = openQuestion(t, t.showing(), [&](QuestionDialog &d) {
        // Through the window system, as a real key press comes, so that shortcuts are seen too.
        QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
        QTest::keyClick(t.lesson.window.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        // A mnemonic presses its button with a short animation: allow it its moment.
        closedByKey = QTest::qWaitFor([&] { return !d.isVisible(); }, 5000);
        if (!closedByKey)
            QTimer::singleShot(0, &d, &QWidget::hide);
    });
    QCOMPARE(seen.title, QStringLiteral("1 - Populations"));
    QVERIFY(closedByKey);
}

void DialogsTest::screenBeneathIsActivatedAfterDialogsButNotMessageBoxes()
{
    TestLesson t;
    t.lesson.chain.start();
    t.lesson.chain.move(t.showing(), ScreenId::Conclusion);
    auto *conclusion = static_cast<Conclusion *>(t.showing());
    QCOMPARE(conclusion->summary(),
             QStringLiteral("You have now counted none of the rabbits that were on the island."));

    // The conclusion's activation rebuilds its sentence from the counts: counts changed while a
    // window is open show after it only if the screen was activated again.
    auto whileOpen = [&](qint16 counted, const std::function<void()> &open) {
        t.lesson.state.Counted[1] = counted;
        open();
        return conclusion->summary();
    };
    QCOMPARE(whileOpen(340, [&] { openQuestion(t, conclusion, pressClose); }),
             QStringLiteral("You have now counted all of the rabbits that were on the island."));
    QCOMPARE(whileOpen(10, [&] { answerModal(t, [&] { t.lesson.chain.showReminder(conclusion, "Note."); }); }),
             QStringLiteral("You have now counted only a few of the rabbits that were on the island."));
    QCOMPARE(whileOpen(0, [&] { answerModal(t, [&] { t.lesson.chain.information("Note."); }); }),
             QStringLiteral("You have now counted only a few of the rabbits that were on the island."));
    QCOMPARE(whileOpen(0,
                       [&] {
                           answerModal(
                               t, [&] { conclusion->cmdButton(2)->click(); }, "No");
                       }),
             QStringLiteral("You have now counted only a few of the rabbits that were on the island."));
    QCOMPARE(t.showing(), conclusion);
}

void DialogsTest::openPanelTakesEveryClickAndKey()
{
    TestLesson t;
    t.lesson.chain.start();
    t.lesson.chain.move(t.showing(), ScreenId::GraphForm);
    auto *results = static_cast<GraphForm *>(t.showing());
    results->valueCell(1)->setText(QStringLiteral("12"));
    QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
    QWindow *window = t.lesson.window.windowHandle();
    auto centreOf = [&](QWidget *w) { return w->mapTo(&t.lesson.window, w->rect().center()); };

    QList<QWidget *> focusedWhileOpen;
    QPushButton *ok = nullptr;
    bool stillOpen = false;
    QObject stackGuard; // a shot that never fires is dropped with this frame
    QTimer::singleShot(0, &stackGuard, [&] {
        ReminderDialog &r = t.lesson.chain.reminderDialog();
        // "Clear table" beneath, then the cell, then typing and Tab both ways.
        QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(results->actionButton(3)));
        QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(results->valueCell(2)));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("34"));
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
            QTest::keyClick(window, key);
            focusedWhileOpen << QApplication::focusWidget();
        }
        stillOpen = r.isVisible();
        ok = r.okButton();
        ok->click();
    });
    t.lesson.chain.showReminder(results, QStringLiteral("Note."));

    QVERIFY(stillOpen);
    QCOMPARE(results->valueCell(1)->text(), QStringLiteral("12"));
    QCOMPARE(results->valueCell(2)->text(), QString());
    QCOMPARE(focusedWhileOpen, QList<QWidget *>(3, ok));
    QCOMPARE(t.showing(), results);
}

void DialogsTest::quitPanelKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("ends");
    const int alt = int(Qt::AltModifier);
    QTest::newRow("Enter presses the default No") << QList<int>{Qt::Key_Return} << false;
    QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << false;
    QTest::newRow("Y") << QList<int>{Qt::Key_Y} << true;
    QTest::newRow("Alt+Y") << QList<int>{alt | Qt::Key_Y} << true;
    QTest::newRow("N") << QList<int>{Qt::Key_N} << false;
    QTest::newRow("Tab to Yes, Enter") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << true;
    QTest::newRow("Tab twice, Space") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << false;
}

void DialogsTest::quitPanelKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(bool, ends);
    TestLesson t;
    t.lesson.chain.start();
    QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
    bool closed = false;
    QString role;
    QObject stackGuard; // a shot that never fires is dropped with this frame
    QTimer::singleShot(0, &stackGuard, [&] {
        auto *box = qobject_cast<MessagePanel *>(openModal(t));
        QVERIFY(box && t.lesson.window.isAncestorOf(box));
        QCOMPARE(QApplication::focusWidget(), box->defaultButton());
        role = QString::number(int(QAccessible::queryAccessibleInterface(box)->role()));
        for (int key : keys)
            QTest::keyClick(t.lesson.window.windowHandle(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        // A mnemonic with Alt presses its button with a short animation: allow it its moment.
        closed = QTest::qWaitFor([&] { return !box->isVisible(); }, 5000);
        if (!closed)
            box->escapeButton()->click();
    });
    t.showing()->cmdButton(1)->click();
    QVERIFY(closed);
    QCOMPARE(t.ended, ends);
    QCOMPARE(role, QString::number(int(QAccessible::AlertMessage)));
    QCOMPARE(oneWindowFault(t), QString());
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
