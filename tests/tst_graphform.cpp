// SPDX-License-Identifier: GPL-3.0-or-later
#include "conclusion.h"
#include "graphform.h"
#include "resultsgraph.h"
#include "testsupport.h"
#include "twips.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QtTest>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

// The results screen: the table, its keys, the graph drawn from it, and the moves on and back.
class GraphFormTest : public QObject {
    Q_OBJECT
private slots:
    void firstShowingHasTenSeparatePointsAtZero();
    void cellsAndTitleHaveSpokenNames();
    void drawGraphPlotsTheNumbersReadFromTheCells();
    void numbersBeyondTheScaleLeaveItFixed();
    void joinTogglesLineAndCaption();
    void titleComesFromTitleTextByButtonOrEnter();
    void titleShowsExactlyWhatWasTyped_data();
    void titleShowsExactlyWhatWasTyped();
    void copyGraphPutsAnImageOnTheClipboard();
    void keysInValueCells_data();
    void keysInValueCells();
    void enterInLastCellThenEnterDrawsGraph();
    void otherKeysEditTheCell();
    void everyActionButtonEndsInFirstCell_data();
    void everyActionButtonEndsInFirstCell();
    void activationFocusesFirstCellAndRedraws();
    void clearTableEmptiesCellsOnly();
    void forwardSavesTableAndShowsConclusion_data();
    void forwardSavesTableAndShowsConclusion();
    void backSetsLastYearAndKeepsCounts();
    void setupRunsOnceAndStateSurvivesVisits();
    void anyTextInAnyCellKeepsLessonUsable();
    void everyTextQueryIsAnsweredAtOnce_data();
    void everyTextQueryIsAnsweredAtOnce();
    void knownTableDrawnAtScale_data();
    void knownTableDrawnAtScale();
};

namespace {

// The results screen showing, as the chain shows it after the island's last visit.
GraphForm *showResults(TestLesson &t)
{
    t.lesson.state.FillQuestions();
    t.lesson.chain.show(ScreenId::GraphForm);
    auto *g = t.screenAs<GraphForm>(ScreenId::GraphForm);
    return g;
}

void fill(GraphForm *g, const QStringList &texts)
{
    for (int row = 1; row <= GraphForm::Rows; ++row)
        g->valueCell(row)->setText(texts.value(row - 1));
}

QList<QPointF> pointsAt(const QList<double> &ys)
{
    QList<QPointF> points;
    for (qsizetype i = 0; i < ys.size(); ++i)
        points.append(QPointF(double(i), ys[i]));
    return points;
}

// The row of the value cell that has the focus within the screen, or 0.
int focusedRow(GraphForm *g)
{
    for (int row = 1; row <= GraphForm::Rows; ++row)
        if (g->focusWidget() == g->valueCell(row))
            return row;
    return 0;
}

} // namespace

void GraphFormTest::firstShowingHasTenSeparatePointsAtZero()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    QVERIFY(g->isVisible());
    ResultsGraph *graph = g->graph();
    QCOMPARE(graph->points(), pointsAt(QList<double>(10, 0.0)));
    QCOMPARE(graph->markersShown(), 10);
    QVERIFY(!graph->joined());
    QCOMPARE(graph->title(), QString());
    QCOMPARE(g->actionButton(4)->text(), QStringLiteral("Join points"));
    QCOMPARE(graph->xScale(), (ResultsGraph::Scale{0, 9, 9, QStringLiteral("Year")}));
    QCOMPARE(graph->yScale(), (ResultsGraph::Scale{0, 100, 10, QStringLiteral("Number of rabbits")}));
    QVERIFY(t.lesson.state.GraphVisited);
}

void GraphFormTest::cellsAndTitleHaveSpokenNames()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    for (int row = 1; row <= GraphForm::Rows; ++row)
        QCOMPARE(g->valueCell(row)->accessibleName(), QStringLiteral("Rabbits in year %1").arg(row - 1));
    QCOMPARE(g->titleText()->accessibleName(), QStringLiteral("Graph title"));
    QCOMPARE(g->cmdButton(0)->accessibleName(), QStringLiteral("Next screen"));
    QCOMPARE(g->cmdButton(1)->accessibleName(), QStringLiteral("Previous screen"));
}

void GraphFormTest::drawGraphPlotsTheNumbersReadFromTheCells()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    fill(g, {"12.5", " 7", "1 2", "12abc", "1,000", "-3", "abc", "", "13.5", "99"});
    g->actionButton(0)->click();
    QCOMPARE(g->graph()->points(), pointsAt({12.5, 7, 12, 12, 1, -3, 0, 0, 13.5, 99}));
    // The point below the scale shows on the bottom edge, as an arrow head.
    QCOMPARE(g->graph()->markersShown(), 10);
    QCOMPARE(g->graph()->offScaleMarkersShown(), 1);
    // The chart says the same to a screen reader, each year named as the table names it.
    QWidget *chart = g->graph();
    QCOMPARE(chart->accessibleName(), QStringLiteral("Graph of rabbits counted each year"));
    QCOMPARE(chart->accessibleDescription(),
             QStringLiteral("Start 12.5, 1 7, 2 12, 3 12, 4 1, 5 -3 (below the graph), 6 0, 7 0, 8 13.5, 9 99"));
}

void GraphFormTest::numbersBeyondTheScaleLeaveItFixed()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    const ResultsGraph::Scale x = g->graph()->xScale();
    const ResultsGraph::Scale y = g->graph()->yScale();
    fill(g, {"150", "100", "0", "1e999", "-1e999", "", "", "", "", "9999999"});
    g->actionButton(0)->click();
    QCOMPARE(g->graph()->points().at(0), QPointF(0, 150));
    QCOMPARE(g->graph()->points().at(1), QPointF(1, 100));
    for (const QPointF &p : g->graph()->points())
        QVERIFY(std::isfinite(p.y()));
    QCOMPARE(g->graph()->xScale(), x);
    QCOMPARE(g->graph()->yScale(), y);
    // 100 and 0 sit on the edges of the plot and show whole; 150 and the huge ones show as arrow
    // heads on the edges.
    QCOMPARE(g->graph()->markersShown(), 10);
    QCOMPARE(g->graph()->offScaleMarkersShown(), 4);

    // In the picture: 104 is not 100, nor -5 0; each shows its value by its arrow, joined or not.
    const auto picture = [&](const char *fifth, const char *sixth) {
        fill(g, {"10", "20", "30", "40", "50", fifth, sixth});
        g->actionButton(0)->click();
        return g->graph()->image();
    };
    for (bool joined : {false, true}) {
        if (g->graph()->joined() != joined)
            g->actionButton(4)->click();
        QVERIFY(picture("104", "0") != picture("100", "0"));
        QVERIFY(picture("50", "-5") != picture("50", "0"));
    }
}

void GraphFormTest::joinTogglesLineAndCaption()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    fill(g, {"10", "14", "20"});
    g->actionButton(0)->click();
    const QList<QPointF> points = g->graph()->points();
    QPushButton *join = g->actionButton(4);

    join->click();
    QVERIFY(g->graph()->joined());
    QCOMPARE(join->text(), QStringLiteral("Plot points"));
    QCOMPARE(g->graph()->points(), points);
    QCOMPARE(g->graph()->markersShown(), 10);

    join->click();
    QVERIFY(!g->graph()->joined());
    QCOMPARE(join->text(), QStringLiteral("Join points"));
    QCOMPARE(g->graph()->points(), points);
    QCOMPARE(g->graph()->markersShown(), 10);
}

void GraphFormTest::titleComesFromTitleTextByButtonOrEnter()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    QLineEdit *title = g->titleText();

    QTest::keyClicks(title, QStringLiteral("My rabbits"));
    QCOMPARE(g->graph()->title(), QString());
    g->actionButton(2)->click();
    QCOMPARE(g->graph()->title(), QStringLiteral("My rabbits"));
    QCOMPARE(g->focusWidget(), g->valueCell(1));

    title->setFocus();
    QTest::keyClicks(title, QStringLiteral(" 2026"));
    QTest::keyClick(title, Qt::Key_Return);
    QCOMPARE(g->graph()->title(), QStringLiteral("My rabbits 2026"));
    QCOMPARE(title->text(), QStringLiteral("My rabbits 2026"));
    QCOMPARE(g->focusWidget(), title);
    QVERIFY(t.showing() == g);

    title->clear();
    QTest::keyClick(title, Qt::Key_Enter);
    QCOMPARE(g->graph()->title(), QString());
}

void GraphFormTest::titleShowsExactlyWhatWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    for (const char *typed : {"a<b c", "x < y > z", "Tom &amp; Jerry", "two  blanks", " <b>bold</b> "})
        QTest::newRow(typed) << QString::fromLatin1(typed);
}

void GraphFormTest::titleShowsExactlyWhatWasTyped()
{
    QFETCH(QString, typed);
    TestLesson t;
    GraphForm *g = showResults(t);
    QTest::keyClicks(g->titleText(), typed);
    g->actionButton(2)->click();
    QCoreApplication::processEvents();
    QCOMPARE(g->graph()->title(), typed);
    // What the graph draws: the title as typed, not read as markup.
    QCOMPARE(g->graph()->shownTitle(), typed);
}

void GraphFormTest::copyGraphPutsAnImageOnTheClipboard()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("not a picture"));
    fill(g, {"10", "50", "90"});
    g->actionButton(0)->click();
    g->titleText()->setText(QStringLiteral("Copied"));
    g->actionButton(2)->click();

    g->actionButton(1)->click();
    QVERIFY(clipboard->mimeData()->hasImage());
    // Offered first as a PNG, the type a compositor that keeps only one keeps.
    QCOMPARE(clipboard->mimeData()->formats().value(0), QStringLiteral("image/png"));
    QCOMPARE(QImage::fromData(clipboard->mimeData()->data(QStringLiteral("image/png")), "PNG").size(),
             g->graph()->image().size());
    const QImage copied = clipboard->image();
    QVERIFY(!copied.isNull());
    // The graph as it shows, not something else of the same size.
    QCOMPARE(copied.size(), g->graph()->image().size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), g->graph()->image().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(g->focusWidget(), g->valueCell(1));

    // The copy carries the title as typed: "a<b c" is not "a" followed by a tag.
    QImage withTitle[2];
    const QString titles[2] = {QStringLiteral("a<b c"), QStringLiteral("a")};
    for (int i = 0; i < 2; ++i) {
        g->titleText()->setText(titles[i]);
        g->actionButton(2)->click();
        QCoreApplication::processEvents();
        g->actionButton(1)->click();
        withTitle[i] = clipboard->image().convertToFormat(QImage::Format_RGB32);
    }
    QVERIFY(withTitle[0] != withTitle[1]);
}

void GraphFormTest::keysInValueCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("toRow");
    for (int row = 1; row <= 9; ++row)
        QTest::addRow("Enter in %d", row) << row << int(Qt::Key_Return) << 0 << row + 1;
    QTest::newRow("keypad Enter") << 4 << int(Qt::Key_Enter) << 0 << 5;
    QTest::newRow("Shift+Enter still walks down") << 2 << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 3;
    for (int row = 2; row <= 10; ++row)
        QTest::addRow("Up in %d", row) << row << int(Qt::Key_Up) << 0 << row - 1;
    for (int row = 1; row <= 9; ++row)
        QTest::addRow("Down in %d", row) << row << int(Qt::Key_Down) << 0 << row + 1;
    QTest::newRow("Ctrl+Down still moves") << 5 << int(Qt::Key_Down) << int(Qt::ControlModifier) << 6;
    QTest::newRow("Up in 1 stays") << 1 << int(Qt::Key_Up) << 0 << 1;
    QTest::newRow("Down in 10 stays") << 10 << int(Qt::Key_Down) << 0 << 10;
}

void GraphFormTest::keysInValueCells()
{
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, toRow);
    TestLesson t;
    GraphForm *g = showResults(t);
    for (int r = 1; r <= GraphForm::Rows; ++r) {
        g->valueCell(r)->setText(QStringLiteral("%1%1").arg(r));
        g->valueCell(r)->setCursorPosition(0);
    }
    QLineEdit *from = g->valueCell(row);
    from->setFocus();
    from->setCursorPosition(1);
    QTest::keyClick(from, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(focusedRow(g), toRow);
    QLineEdit *to = g->valueCell(toRow);
    if (toRow != row)
        QCOMPARE(to->cursorPosition(), int(to->text().size()));
    else
        QCOMPARE(to->cursorPosition(), 1);
    // Nothing was typed into any cell.
    for (int r = 1; r <= GraphForm::Rows; ++r)
        QCOMPARE(g->valueCell(r)->text(), QStringLiteral("%1%1").arg(r));
    // Enter says the number left whole; the arrows leave it to the cell arrived in.
    const auto *news = g->window()->findChild<QWidget *>(QStringLiteral("lapinarNews"));
    const QString said = QStringLiteral("Rabbits in year %1: %2%2").arg(row - 1).arg(row);
    QCOMPARE(news && news->accessibleName() == said, key == Qt::Key_Return || key == Qt::Key_Enter);
}

void GraphFormTest::enterInLastCellThenEnterDrawsGraph()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    QLineEdit *last = g->valueCell(10);
    last->setFocus();
    QTest::keyClicks(last, QStringLiteral("46"));
    QTest::keyClick(last, Qt::Key_Return);
    QCOMPARE(last->text(), QStringLiteral("46"));
    QCOMPARE(g->focusWidget(), g->actionButton(0));
    // The graph is not drawn yet: the Enter only moved the focus.
    QCOMPARE(g->graph()->points().at(9).y(), 0.0);

    QTest::keyClick(g->actionButton(0), Qt::Key_Return);
    QCOMPARE(g->graph()->points().at(9).y(), 46.0);
    QCOMPARE(g->focusWidget(), g->valueCell(1));
}

void GraphFormTest::otherKeysEditTheCell()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    QLineEdit *cell = g->valueCell(3);
    cell->setFocus();
    QTest::keyClicks(cell, QStringLiteral("1x2 .-e"));
    QTest::keyClick(cell, Qt::Key_Left);
    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QStringLiteral("1x2 .e"));
    QCOMPARE(focusedRow(g), 3);
}

void GraphFormTest::everyActionButtonEndsInFirstCell_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("Draw graph") << 0;
    QTest::newRow("Copy graph") << 1;
    QTest::newRow("Title") << 2;
    QTest::newRow("Clear table") << 3;
    QTest::newRow("Join points") << 4;
}

void GraphFormTest::everyActionButtonEndsInFirstCell()
{
    QFETCH(int, index);
    TestLesson t;
    GraphForm *g = showResults(t);
    g->valueCell(1)->setText(QStringLiteral("123"));
    g->valueCell(1)->setCursorPosition(1);
    g->actionButton(index)->setFocus();
    g->actionButton(index)->click();
    QCOMPARE(g->focusWidget(), g->valueCell(1));
    // The caret stays where the pupil left it (Clear table empties the cell, so it is at 0 there).
    QCOMPARE(g->valueCell(1)->cursorPosition(), index == 3 ? 0 : 1);
}

void GraphFormTest::activationFocusesFirstCellAndRedraws()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    fill(g, {"10", "14", "20", "42", "78", "30", "32", "30", "38", "46"});
    g->valueCell(1)->setCursorPosition(0);
    g->valueCell(6)->setFocus();
    QCOMPARE(g->graph()->points().at(0).y(), 0.0);

    // The question dialog closing over the screen activates it again.
    const ModalSeen seen = answerModal(t, [&] { g->questionButton()->click(); });
    QCOMPARE(seen.kind, QStringLiteral("question"));
    QCOMPARE(seen.title, QStringLiteral("5 - Presenting your results"));
    QCOMPARE(g->graph()->points(), pointsAt({10, 14, 20, 42, 78, 30, 32, 30, 38, 46}));
    QCOMPARE(g->focusWidget(), g->valueCell(1));
    QCOMPARE(g->valueCell(1)->cursorPosition(), 2);
}

void GraphFormTest::clearTableEmptiesCellsOnly()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    t.lesson.state.Counted[3] = 42;
    fill(g, {"10", "14", "20"});
    g->actionButton(0)->click();
    g->titleText()->setText(QStringLiteral("Kept"));

    g->actionButton(3)->click();
    for (int row = 1; row <= GraphForm::Rows; ++row)
        QCOMPARE(g->valueCell(row)->text(), QString());
    const auto news = [&] { return g->window()->findChild<QWidget *>("lapinarNews")->accessibleName(); };
    QCOMPARE(news(), QStringLiteral("Table cleared."));
    QCOMPARE(g->graph()->points().mid(0, 3), pointsAt({10, 14, 20}));
    QCOMPARE(t.lesson.state.Counted[3], qint16(42));
    QCOMPARE(g->titleText()->text(), QStringLiteral("Kept"));
    // A screen reader hears what the graph still shows, until it is drawn again.
    QWidget *chart = g->graph();
    QVERIFY(chart->accessibleDescription().startsWith(QStringLiteral("Start 10, 1 14, 2 20, 3 0")));

    g->actionButton(0)->click();
    QCOMPARE(g->graph()->points(), pointsAt(QList<double>(10, 0.0)));
    QCOMPARE(chart->accessibleDescription(), QStringLiteral("Start 0, 1 0, 2 0, 3 0, 4 0, 5 0, 6 0, 7 0, 8 0, 9 0"));

    // Taken back whole: by Undo in a cell, by the button, until the pupil types again.
    QCOMPARE(g->actionButton(3)->text(), QStringLiteral("Undo clear"));
    QCOMPARE(g->keptCell(2), QStringLiteral("14"));
    QTest::keySequence(g->valueCell(5), QKeySequence::Undo);
    QCOMPARE(g->valueCell(3)->text(), QStringLiteral("20"));
    QCOMPARE(news(), QStringLiteral("Table back."));
    QCOMPARE(g->actionButton(3)->text(), QStringLiteral("Clear table"));
    g->actionButton(3)->click();
    g->actionButton(3)->click();
    QCOMPARE(g->valueCell(1)->text(), QStringLiteral("10"));
    g->actionButton(3)->click();
    // Typing again lets the cleared table go, and says so.
    QTest::keyClicks(g->valueCell(1), QStringLiteral("7"));
    QCOMPARE(news(), QStringLiteral("The cleared table can no longer be brought back."));
    QCOMPARE(g->keptCell(2), QString());
    QCOMPARE(g->actionButton(3)->text(), QStringLiteral("Clear table"));
    QTest::keySequence(g->valueCell(1), QKeySequence::Undo);
    QCOMPARE(g->valueCell(2)->text(), QString());
    // Once it is gone, typing says nothing more of it.
    QTest::keyClicks(g->valueCell(3), QStringLiteral("5"));
    QTest::keyClick(g->valueCell(3), Qt::Key_Return);
    QTest::keyClicks(g->valueCell(4), QStringLiteral("6"));
    QCOMPARE(news(), QStringLiteral("Rabbits in year 2: 5"));
}

void GraphFormTest::forwardSavesTableAndShowsConclusion_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QList<int>>("counted");
    QTest::newRow("empty table overwrites the island's counts") << QStringList() << QList<int>(10, 0);
    QTest::newRow("each row to its year")
        << QStringList{"12.5", "13.5", "-2.5", "1 2", "1,000", "abc", "", "40000", "-1e999", "7"}
        << QList<int>{12, 14, -2, 12, 1, 0, 0, 32767, -32768, 7};
}

void GraphFormTest::forwardSavesTableAndShowsConclusion()
{
    QFETCH(QStringList, cells);
    QFETCH(QList<int>, counted);
    TestLesson t;
    t.lesson.state.Counted.fill(5);
    GraphForm *g = showResults(t);
    fill(g, cells);
    g->cmdButton(0)->click();
    QList<int> saved;
    for (int year = 1; year <= 10; ++year)
        saved << t.lesson.state.Counted[std::size_t(year)];
    QCOMPARE(saved, counted);
    QCOMPARE(t.lesson.state.Counted[0], qint16(5));
    QVERIFY(t.showing());
    QCOMPARE(t.showing()->id(), ScreenId::Conclusion);
    // The table keeps exactly what the pupil typed.
    for (int row = 1; row <= GraphForm::Rows; ++row)
        QCOMPARE(g->valueCell(row)->text(), cells.value(row - 1));
}

void GraphFormTest::backSetsLastYearAndKeepsCounts()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    t.lesson.state.CurrentYear = 3;
    t.lesson.state.Counted[2] = 17;
    fill(g, {"1", "2", "3"});
    g->cmdButton(1)->click();
    QCOMPARE(t.lesson.state.CurrentYear, qint16(10));
    QVERIFY(t.showing());
    QCOMPARE(t.showing()->id(), ScreenId::Island);
    QCOMPARE(t.lesson.state.Counted[2], qint16(17));
    QCOMPARE(g->valueCell(2)->text(), QStringLiteral("2"));
}

void GraphFormTest::setupRunsOnceAndStateSurvivesVisits()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    fill(g, {"10", "20"});
    g->actionButton(4)->click();
    g->titleText()->setText(QStringLiteral("Year by year"));
    g->actionButton(2)->click();
    t.lesson.state.GraphVisited = false;

    g->cmdButton(0)->click();
    auto *conclusion = t.showing();
    QCOMPARE(conclusion->id(), ScreenId::Conclusion);
    conclusion->cmdButton(1)->click();
    QCOMPARE(t.showing(), g);

    // Set up only when the screen was made: the flag stays as the island left it.
    QVERIFY(!t.lesson.state.GraphVisited);
    QVERIFY(g->graph()->joined());
    QCOMPARE(g->actionButton(4)->text(), QStringLiteral("Plot points"));
    QCOMPARE(g->graph()->title(), QStringLiteral("Year by year"));
    QCOMPARE(g->graph()->points().mid(0, 2), pointsAt({10, 20}));
}

void GraphFormTest::anyTextInAnyCellKeepsLessonUsable()
{
    TestLesson t;
    GraphForm *g = showResults(t);
    const QStringList cells{QString(300000, u'9'),
                            QStringLiteral("1e") + QString(100000, u'9'),
                            QString(200000, u' ') + "5",
                            QString(QChar(0)) + QChar(0xD800) + QChar(0xDFFF) + QChar(0x202E) + "12",
                            QStringLiteral("-") + QString(5000, u'9'),
                            QStringLiteral("0.") + QString(100000, u'0') + "1",
                            QStringLiteral("NaN"),
                            QStringLiteral("inf"),
                            QStringLiteral("32767.5"),
                            QStringLiteral("32767")};
    fill(g, cells);
    g->actionButton(0)->click();
    for (const QPointF &p : g->graph()->points())
        QVERIFY(std::isfinite(p.y()));
    g->cmdButton(0)->click();
    const auto &c = t.lesson.state.Counted;
    QCOMPARE((QList<int>{c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10]}),
             (QList<int>{32767, 32767, 5, 0, -32768, 0, 0, 0, 32767, 32767}));
    QCOMPARE(t.showing()->id(), ScreenId::Conclusion);
    QCOMPARE(static_cast<Conclusion *>(t.showing())->summary(),
             QStringLiteral("You have now counted a lot more than the rabbits that were on the island."));
    // Nothing the pupil typed was lost.
    for (int row = 1; row <= GraphForm::Rows; ++row)
        QCOMPARE(g->valueCell(row)->text(), cells[row - 1]);
}

void GraphFormTest::everyTextQueryIsAnsweredAtOnce_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("a number") << QStringLiteral("10");
    QTest::newRow("two numbers") << QStringLiteral("1 2");
    QTest::newRow("blanks round") << QStringLiteral("  14  ");
    QTest::newRow("255 characters") << QStringLiteral("81 ").repeated(85);
    QTest::newRow("accents") << QStringLiteral("Lapins de l’île, été");
    QTest::newRow("negative") << QStringLiteral("-5");
    QTest::newRow("three digits") << QStringLiteral("104");
}

// Every text field asked every text query at every offset up to past the end: a
// query that hangs stops the test at once, one that takes longer than 100 ms fails it, and the word
// at an offset is the word that starts there or before it.
void GraphFormTest::everyTextQueryIsAnsweredAtOnce()
{
    QFETCH(QString, text);
    TestLesson t;
    GraphForm *g = showResults(t);

    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    QString asking;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!wake.wait_for(lock, std::chrono::seconds(10), [&] { return done; }))
            qFatal("A text query has not returned: %s", qPrintable(asking));
    });
    const auto stopWatchdog = qScopeGuard([&] {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        wake.notify_one();
        watchdog.join();
    });

    QList<QLineEdit *> fields{g->titleText()};
    for (int row = 1; row <= GraphForm::Rows; ++row)
        fields << g->valueCell(row);
    const QList<QAccessible::TextBoundaryType> boundaries{QAccessible::CharBoundary,     QAccessible::WordBoundary,
                                                          QAccessible::SentenceBoundary, QAccessible::ParagraphBoundary,
                                                          QAccessible::LineBoundary,     QAccessible::NoBoundary};
    const int length = int(text.size());
    for (QLineEdit *field : fields) {
        field->setText(text);
        QAccessibleTextInterface *spoken = QAccessible::queryAccessibleInterface(field)->textInterface();
        QVERIFY(spoken);
        QCOMPARE(spoken->characterCount(), length);
        for (int offset = 0; offset <= length + 2; ++offset) {
            int start = -2, end = -2;
            for (QAccessible::TextBoundaryType boundary : boundaries) {
                asking = QStringLiteral("%1 at %2, boundary %3").arg(field->accessibleName()).arg(offset).arg(boundary);
                QElapsedTimer clock;
                clock.start();
                // An answer is a stretch of the text, or nothing at all.
                const auto answered = [&](const QString &got) {
                    return (got.isEmpty() && start == -1 && end == -1) ||
                           (0 <= start && start <= end && end <= length && got == text.mid(start, end - start));
                };
                QVERIFY2(answered(spoken->textAtOffset(offset, boundary, &start, &end)), qPrintable(asking));
                QVERIFY2(answered(spoken->textBeforeOffset(offset, boundary, &start, &end)), qPrintable(asking));
                QVERIFY2(answered(spoken->textAfterOffset(offset, boundary, &start, &end)), qPrintable(asking));
                // Answered at once, not after a search through the text gone astray; the bound is
                // loose enough for sanitizers on a busy machine.
                QVERIFY2(clock.elapsed() < 5000, qPrintable(asking));
            }
            // One run of attributes covers the whole text.
            QCOMPARE(spoken->attributes(offset, &start, &end).isEmpty(), false);
            QCOMPARE((QList<int>{start, end}), (QList<int>{0, length}));
            if (offset > length)
                continue;
            // The word that starts at the offset, or the last one before it.
            static const QRegularExpression word(QStringLiteral("\\S+"));
            QString expected;
            for (const QRegularExpressionMatch &m : word.globalMatch(text))
                if (m.capturedStart() <= offset)
                    expected = m.captured();
            QCOMPARE(spoken->textAtOffset(offset, QAccessible::WordBoundary, &start, &end).trimmed(), expected);
            QCOMPARE(spoken->textAtOffset(offset, QAccessible::CharBoundary, &start, &end), text.mid(offset, 1));
            QCOMPARE(spoken->textAtOffset(offset, QAccessible::LineBoundary, &start, &end), text);
        }
        // The words one after another are the whole text.
        QString words;
        for (int offset = 0, start = 0, end = 0; offset < length; offset = end) {
            words += spoken->textAtOffset(offset, QAccessible::WordBoundary, &start, &end);
            QVERIFY(end > offset);
        }
        QCOMPARE(words, text);

        // Control with the arrows moves the caret from word to word as they are read.
        QList<int> starts{length}, ends{0};
        for (int offset = length, start = 0, end = 0; offset > 0; offset = start) {
            spoken->textAtOffset(offset - 1, QAccessible::WordBoundary, &start, &end);
            starts << start;
        }
        for (int offset = 0, start = 0, end = 0; offset < length; offset = end)
            ends << (spoken->textAtOffset(offset, QAccessible::WordBoundary, &start, &end), end);
        const auto walk = [&](Qt::Key key, int from, qsizetype steps) {
            field->setCursorPosition(from);
            QList<int> caret{field->cursorPosition()};
            for (qsizetype step = 1; step < steps; ++step) {
                QTest::keyClick(field, key, Qt::ControlModifier);
                caret << field->cursorPosition();
            }
            return caret;
        };
        QCOMPARE(walk(Qt::Key_Left, length, starts.size()), starts);
        QCOMPARE(walk(Qt::Key_Right, 0, ends.size()), ends);
    }
}

void GraphFormTest::knownTableDrawnAtScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("640 x 480") << 1.0;
    QTest::newRow("twice as large") << 2.0;
}

void GraphFormTest::knownTableDrawnAtScale()
{
    QFETCH(double, scale);
    const double before = Twips::scale();
    Twips::setScale(scale);
    ResultsGraph graph;
    graph.setGeometry(Twips::rect(480, 360, 5655, 4095));
    graph.setScales({0, 9, 9, QStringLiteral("Year")}, {0, 100, 10, QStringLiteral("Number of rabbits")});
    graph.setPoints({{0, 10}, {1, 50}, {2, 104}, {3, 30}, {4, -5}});
    graph.setTitle(QString(200, u'W'));
    const QRectF plot = graph.plotArea();
    const auto ink = [](const QImage &picture, const QPointF &at) {
        const QColor c = picture.pixelColor(at.toPoint());
        return c.blue() > 120 && c.red() < 90 && c.green() < 120;
    };

    // The scales' ends are the plot's corners; 104 and -5 stand on the edges they lie beyond.
    QCOMPARE(graph.position({0, 0}), plot.bottomLeft());
    QCOMPARE(graph.position({9, 100}), plot.topRight());
    QCOMPARE(graph.position({2, 104}), QPointF(graph.position({2, 100})));
    QCOMPARE(graph.position({4, -5}), QPointF(graph.position({4, 0})));
    QCOMPARE(graph.offScaleMarkersShown(), 2);
    // A long title is cut short with an ellipsis, at any scale.
    QVERIFY(graph.shownTitle().endsWith(QChar(0x2026)) && graph.shownTitle().size() < 200);

    for (bool joined : {false, true}) {
        graph.setJoined(joined);
        const QImage picture = graph.image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), graph.size() * graph.devicePixelRatioF());
        for (const QPointF &p : {QPointF(0, 10), QPointF(1, 50), QPointF(3, 30)})
            QVERIFY(ink(picture, graph.position(p)));
        // The arrow heads lie inside the plot, below the top edge and above the bottom one.
        const double into = Twips::px(100);
        QVERIFY(ink(picture, graph.position({2, 104}) + QPointF(0, into)));
        QVERIFY(ink(picture, graph.position({4, -5}) - QPointF(0, into)));
        // Halfway between two points the line shows only when joined.
        const QPointF half = (graph.position({0, 10}) + graph.position({1, 50})) / 2;
        QCOMPARE(ink(picture, half), joined);
    }
    // A redraw paints the kept grid where it was drawn: a line at every year, white between them,
    // and where the graph lies in a window, as its own picture shows.
    graph.setPoints({});
    graph.setJoined(false);
    const QImage grid = graph.image().convertToFormat(QImage::Format_RGB32);
    const double y = plot.top() + plot.height() * 0.45;
    for (int year = 1; year < 9; ++year) {
        const double x = plot.left() + plot.width() * year / 9;
        QVERIFY(grid.pixel(int(std::floor(x)), int(y)) != qRgb(255, 255, 255));
        QCOMPARE(grid.pixel(int(x + plot.width() / 18), int(y)), qRgb(255, 255, 255));
    }
    graph.setPoints({{0, 90}, {5, 20}});
    QImage window(graph.size() + QSize(13, 7), QImage::Format_RGB32);
    window.fill(Qt::darkCyan);
    graph.render(&window, QPoint(13, 7), QRegion(), QWidget::RenderFlags());
    QCOMPARE(window.copy(QRect(QPoint(13, 7), graph.size())), graph.image().convertToFormat(QImage::Format_RGB32));

    // A new table, the join toggle and the focus draw again only where something changed: what the
    // window then shows is the graph drawn whole.
    graph.setJoined(true);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    const auto showsWhole = [&graph] {
        QCoreApplication::processEvents();
        const QImage shown = graph.screen()->grabWindow(graph.winId()).toImage();
        return shown.convertToFormat(QImage::Format_RGB32) == graph.image().convertToFormat(QImage::Format_RGB32);
    };
    QVERIFY(showsWhole());
    graph.setPoints({{0, 10}, {1, 50}, {2, 104}, {3, 30}, {4, -5}, {9, 99}});
    QVERIFY(showsWhole());
    graph.setJoined(false);
    QVERIFY(showsWhole());
    graph.setPoints({{8, -40}});
    QVERIFY(showsWhole());
    Twips::setScale(before);
}

QTEST_MAIN(GraphFormTest)
#include "tst_graphform.moc"
