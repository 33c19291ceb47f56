// SPDX-License-Identifier: GPL-3.0-or-later
#include "prediction.h"
#include "testsupport.h"

#include <QtTest>

namespace {

const char *const Texts[Prediction::PredictionCount] = {
    "The number of rabbits will go up and then stay the same.", "All the rabbits will die.",
    "The number of rabbits will keep on going up.", "The number of rabbits will go up and then go down.",
    "The number of rabbits will not change."};

// Reaches the prediction screen as the pupil does: from Intro2's "Prediction" button.
Prediction *openPrediction(TestLesson &t)
{
    t.lesson.chain.start();
    t.lesson.chain.move(t.screen(ScreenId::Intro1), ScreenId::Intro2);
    t.screen(ScreenId::Intro2)->cmdButton(0)->click();
    return qobject_cast<Prediction *>(t.showing());
}

void clickText(Prediction *p, int index)
{
    QTest::mouseClick(p->predictionText(index), Qt::LeftButton);
}

// The words of a prediction, in its area's coordinates.
QRect wordsIn(const PredictionLabel *label)
{
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text()).translated(label->pos());
}

bool isRing(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return c.alpha() > 200 && c.red() > 180 && c.green() < 90 && c.blue() < 90;
}

} // namespace

class PredictionTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithNothingRingedAndForwardDisabled();
    void predictionsReadInFullInTheirAreas_data();
    void predictionsReadInFullInTheirAreas();
    void clickingATextRingsItAndEnablesForward_data();
    void clickingATextRingsItAndEnablesForward();
    void clickingAnotherTextMovesTheRing();
    void clicksBesideTheTextChangeNothing_data();
    void clicksBesideTheTextChangeNothing();
    void keyboardReachesAndChoosesPredictions();
    void forwardRemindsBeforeThePracticeScreen();
    void choiceIsKeptAfterGoingBackAndForth();
};

void PredictionTest::startsWithNothingRingedAndForwardDisabled()
{
    TestLesson t;
    Prediction *p = openPrediction(t);
    QVERIFY(p);
    QCOMPARE(p->ringedIndex(), -1);
    for (int i = 0; i < Prediction::PredictionCount; ++i)
        QVERIFY(p->predictText(i)->pixmap().isNull());
    QVERIFY(p->ringStore()->isHidden());
    QVERIFY(!p->cmdButton(0)->isEnabled());
    QVERIFY(p->cmdButton(1)->isEnabled());
    QCOMPARE(p->cmdButton(0)->accessibleName(), QStringLiteral("Next screen"));
    QCOMPARE(p->cmdButton(1)->accessibleName(), QStringLiteral("Previous screen"));
    QVERIFY(p->cmdButton(0)->font().bold());
    // ">>" cannot be used yet, not even by a click on it.
    QTest::mouseClick(p->cmdButton(0), Qt::LeftButton);
    QCOMPARE(t.showing(), p);
}

void PredictionTest::predictionsReadInFullInTheirAreas_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < Prediction::PredictionCount; ++i)
        QTest::addRow("%d", i) << i;
}

// Each text is bold 12 pt, lies whole inside its area, and the ring round it leaves it readable.
void PredictionTest::predictionsReadInFullInTheirAreas()
{
    QFETCH(int, index);
    TestLesson t;
    Prediction *p = openPrediction(t);
    PredictionLabel *label = p->predictionText(index);
    QCOMPARE(label->text(), QString::fromLatin1(Texts[index]));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 16);
    QCOMPARE(label->parentWidget(), p->predictText(index));
    const QRect words = wordsIn(label);
    QVERIFY2(p->predictText(index)->rect().contains(words), "the words are cut off by their area");

    clickText(p, index);
    const QImage image = p->predictText(index)->grab().toImage();
    const QPoint mid = words.center();
    auto ringAlong = [&](int from, int to, bool horizontal) {
        for (int v = from; v < to; ++v)
            if (horizontal ? isRing(image, v, mid.y()) : isRing(image, mid.x(), v))
                return true;
        return false;
    };
    QVERIFY2(ringAlong(0, words.left(), true), "no ring left of the words");
    QVERIFY2(ringAlong(words.right() + 1, image.width(), true), "no ring right of the words");
    QVERIFY2(ringAlong(0, words.top(), false), "no ring above the words");
    QVERIFY2(ringAlong(words.bottom() + 1, image.height(), false), "no ring below the words");
    int dark = 0;
    for (int y = words.top(); y <= words.bottom(); ++y)
        for (int x = words.left(); x <= words.right(); ++x) {
            QVERIFY2(!isRing(image, x, y), "the ring crosses the words");
            dark += image.pixelColor(x, y).lightness() < 80 && image.pixelColor(x, y).alpha() > 200;
        }
    QVERIFY2(dark > 50, "the words do not show over the ring");
}

void PredictionTest::clickingATextRingsItAndEnablesForward_data()
{
    predictionsReadInFullInTheirAreas_data();
}

void PredictionTest::clickingATextRingsItAndEnablesForward()
{
    QFETCH(int, index);
    TestLesson t;
    Prediction *p = openPrediction(t);
    clickText(p, index);
    QVERIFY(p->cmdButton(0)->isEnabled());
    for (int i = 0; i < Prediction::PredictionCount; ++i) {
        QCOMPARE(!p->predictText(i)->pixmap().isNull(), i == index);
        QCOMPARE(spokenChoice(p->predictionText(i)),
                 i == index ? QStringLiteral("radio button, checked") : QStringLiteral("radio button, not checked"));
    }
}

void PredictionTest::clickingAnotherTextMovesTheRing()
{
    TestLesson t;
    Prediction *p = openPrediction(t);
    clickText(p, 1); // "All the rabbits will die."
    QCOMPARE(p->ringedIndex(), 1);
    clickText(p, 4); // "The number of rabbits will not change."
    QCOMPARE(p->ringedIndex(), 4);
    QVERIFY(p->predictText(1)->pixmap().isNull());
    clickText(p, 4);
    QCOMPARE(p->ringedIndex(), 4);
    QVERIFY(p->cmdButton(0)->isEnabled());
}

void PredictionTest::clicksBesideTheTextChangeNothing_data()
{
    QTest::addColumn<int>("chosenFirst"); // -1: nothing chosen before the click
    QTest::addColumn<int>("area");
    QTest::addColumn<QString>("where");
    for (const char *where : {"left", "right", "above", "below", "slid off"}) {
        QTest::addRow("nothing chosen, text 0, %s", where) << -1 << 0 << where;
        QTest::addRow("text 2 chosen, text 3, %s", where) << 2 << 3 << where;
    }
}

void PredictionTest::clicksBesideTheTextChangeNothing()
{
    QFETCH(int, chosenFirst);
    QFETCH(int, area);
    QFETCH(QString, where);
    TestLesson t;
    Prediction *p = openPrediction(t);
    if (chosenFirst >= 0)
        clickText(p, chosenFirst);
    QLabel *box = p->predictText(area);
    const QRect text = p->predictionText(area)->geometry();
    if (where == QLatin1String("slid off")) {
        // Pressed on the text, let go beside it: not a click on the text.
        QTest::mousePress(p->predictionText(area), Qt::LeftButton);
        QTest::mouseRelease(p->predictionText(area), Qt::LeftButton, {}, QPoint(-text.left() / 2, 2));
    } else {
        const QPoint mid = text.center();
        QPoint at(text.left() / 2, mid.y());
        if (where == QLatin1String("right"))
            at = QPoint((text.right() + box->width()) / 2, mid.y());
        else if (where == QLatin1String("above"))
            at = QPoint(mid.x(), text.top() / 2);
        else if (where == QLatin1String("below"))
            at = QPoint(mid.x(), (text.bottom() + box->height()) / 2);
        QVERIFY(!text.contains(at) && box->rect().contains(at));
        QTest::mouseClick(box, Qt::LeftButton, {}, at);
    }
    QCOMPARE(p->ringedIndex(), chosenFirst);
    QCOMPARE(p->cmdButton(0)->isEnabled(), chosenFirst >= 0);
}

void PredictionTest::keyboardReachesAndChoosesPredictions()
{
    TestLesson t;
    Prediction *p = openPrediction(t);
    QVERIFY(QTest::qWaitForWindowActive(p->window()));
    // A mouse click chooses and takes the focus, so no other looks chosen once the keyboard is used;
    // a pupil using the mouse sees no ring.
    p->predictionText(0)->setFocus(Qt::TabFocusReason);
    clickText(p, 3);
    QVERIFY(p->predictionText(3)->hasFocus());
    QVERIFY(!p->window()->testAttribute(Qt::WA_KeyboardFocusChange));

    p->predictionText(0)->setFocus(Qt::TabFocusReason);
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    for (int i = 0; i < Prediction::PredictionCount; ++i)
        QCOMPARE(visited.at(i), p->predictionText(i));

    QTest::keyClick(p->predictionText(4), Qt::Key_Space);
    QCOMPARE(p->ringedIndex(), 4);
    QTest::keyClick(p->predictionText(1), Qt::Key_Return);
    QCOMPARE(p->ringedIndex(), 1);
    QCOMPARE(t.showing(), p); // Enter chose; it did not also press ">>"
}

void PredictionTest::forwardRemindsBeforeThePracticeScreen()
{
    TestLesson t;
    Prediction *p = openPrediction(t);
    clickText(p, 2);
    const ModalSeen seen = answerModal(t, [&] { QTest::mouseClick(p->cmdButton(0), Qt::LeftButton); });
    QCOMPARE(seen.kind, QStringLiteral("reminder"));
    QCOMPARE(seen.text, QStringLiteral("Make sure that you have written your prediction down."));
    QCOMPARE(seen.visibleScreens, QStringList{QStringLiteral("Prediction")});
    QVERIFY(t.showing());
    QCOMPARE(t.showing()->id(), ScreenId::Intro3);
}

// "<<" goes straight back to Intro2; the ring and ">>" are found as left on coming back, from
// either side, and after the question dialog has closed over the screen.
void PredictionTest::choiceIsKeptAfterGoingBackAndForth()
{
    TestLesson t;
    Prediction *p = openPrediction(t);
    clickText(p, 2);
    const ModalSeen back = answerModal(t, [&] { QTest::mouseClick(p->cmdButton(1), Qt::LeftButton); });
    QCOMPARE(back.kind, QString());
    QCOMPARE(t.showing(), t.screen(ScreenId::Intro2));
    t.screen(ScreenId::Intro2)->cmdButton(0)->click();
    QCOMPARE(t.showing(), p);
    QCOMPARE(p->ringedIndex(), 2);
    QVERIFY(p->cmdButton(0)->isEnabled());

    answerModal(t, [&] { p->cmdButton(0)->click(); });
    t.screen(ScreenId::Intro3)->cmdButton(1)->click();
    QCOMPARE(t.showing(), p);
    QCOMPARE(p->ringedIndex(), 2);

    const ModalSeen question = answerModal(t, [&] { p->questionButton()->click(); });
    QCOMPARE(question.title, QStringLiteral("3 - Predicting the result"));
    QCOMPARE(p->ringedIndex(), 2);
    QVERIFY(p->cmdButton(0)->isEnabled());
}

QTEST_MAIN(PredictionTest)
#include "tst_prediction.moc"
