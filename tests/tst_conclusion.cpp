// SPDX-License-Identifier: GPL-3.0-or-later
#include "conclusion.h"
#include "graphform.h"
#include "summary.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QtTest>

// The conclusion's sentence: the counts added up, compared with the island's 340 rabbits.
class ConclusionTest : public QObject {
    Q_OBJECT
private slots:
    void bandEdges_data();
    void bandEdges();
    void everyTotalUpTo400MatchesTableOfTotals();
    void wholePercentagesRoundToEven_data();
    void wholePercentagesRoundToEven();
    void negativeTotalLeavesTwoSpaces();
    void totalsBeyondSixteenBitsDoNotWrap_data();
    void totalsBeyondSixteenBitsDoNotWrap();
    void entryZeroIsNotCounted();
    void comingBackFromExtensionSaysNoneOf();
    void questionDialogRebuildsSentence();
    void typedTableReachesTheSentence();
};

namespace {

QString sentence(const QString &phrase)
{
    return QStringLiteral("You have now counted ") + phrase + QStringLiteral(" the rabbits that were on the island.");
}

// Counts whose entries add up to total, spread over the years so no entry leaves 16 bits.
std::array<qint16, 11> countsAddingUpTo(int total)
{
    std::array<qint16, 11> counted{};
    for (std::size_t year = 1; year <= 10 && total != 0; ++year) {
        const int part = std::clamp(total, -32768, 32767);
        counted[year] = qint16(part);
        total -= part;
    }
    return counted;
}

// The sentence the conclusion screen shows for these counts, as the pupil arrives at it.
QString shownFor(TestLesson &t, const std::array<qint16, 11> &counted)
{
    t.lesson.state.Counted = counted;
    t.lesson.chain.show(ScreenId::Conclusion);
    return t.screenAs<Conclusion>(ScreenId::Conclusion)->summary();
}

// The phrases by total, as the lesson gives them.
QString phraseForTotal(int total)
{
    if (total < 0)
        return QString();
    if (total == 0)
        return QStringLiteral("none of");
    if (total <= 68)
        return QStringLiteral("only a few of");
    if (total <= 136)
        return QStringLiteral("some of");
    if (total <= 166)
        return QStringLiteral("nearly half of");
    if (total <= 170)
        return QStringLiteral("half of");
    if (total <= 204)
        return QStringLiteral("just over half of");
    if (total <= 272)
        return QStringLiteral("most of");
    if (total <= 336)
        return QStringLiteral("nearly all of");
    if (total <= 340)
        return QStringLiteral("all of");
    if (total <= 373)
        return QStringLiteral("a few more than");
    return QStringLiteral("a lot more than");
}

} // namespace

void ConclusionTest::bandEdges_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("phrase");
    const QList<std::pair<int, const char *>> edges{
        {-1, ""},
        {0, "none of"},
        {1, "only a few of"},
        {68, "only a few of"},
        {69, "some of"},
        {136, "some of"},
        {137, "nearly half of"},
        {166, "nearly half of"},
        {167, "half of"},
        {170, "half of"},
        {171, "just over half of"},
        {204, "just over half of"},
        {205, "most of"},
        {272, "most of"},
        {273, "nearly all of"},
        {336, "nearly all of"},
        {337, "all of"},
        {340, "all of"},
        {341, "a few more than"},
        {373, "a few more than"},
        {374, "a lot more than"},
    };
    for (const auto &[total, phrase] : edges)
        QTest::addRow("%d", total) << total << QString::fromLatin1(phrase);
}

void ConclusionTest::bandEdges()
{
    QFETCH(int, total);
    QFETCH(QString, phrase);
    TestLesson t;
    QCOMPARE(shownFor(t, countsAddingUpTo(total)), sentence(phrase));
}

void ConclusionTest::everyTotalUpTo400MatchesTableOfTotals()
{
    TestLesson t;
    for (int total = 0; total <= 400; ++total)
        QVERIFY2(shownFor(t, countsAddingUpTo(total)) == sentence(phraseForTotal(total)),
                 qPrintable(QStringLiteral("total %1").arg(total)));
}

void ConclusionTest::wholePercentagesRoundToEven_data()
{
    // A multiple of 17 is a whole percentage w = 5k; w + 0.5 is an exact half and goes to the even
    // one of w and w + 1.
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("percent");
    for (int k = 1; k <= 21; ++k)
        QTest::addRow("%d", 17 * k) << 17 * k << (5 * k % 2 == 0 ? 5 * k : 5 * k + 1);
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("374 comes out above 110") << 374 << 111;
    QTest::newRow("0 is itself") << 0 << 0;
    QTest::newRow("-5 is itself") << -5 << -5;
}

void ConclusionTest::wholePercentagesRoundToEven()
{
    QFETCH(int, total);
    QFETCH(int, percent);
    QCOMPARE(Summary::countPercent(total), percent);
}

void ConclusionTest::negativeTotalLeavesTwoSpaces()
{
    TestLesson t;
    std::array<qint16, 11> counted{};
    counted[1] = 20;
    counted[4] = -30;
    QCOMPARE(shownFor(t, counted), QStringLiteral("You have now counted  the rabbits that were on the island."));
}

void ConclusionTest::totalsBeyondSixteenBitsDoNotWrap_data()
{
    QTest::addColumn<QList<int>>("entries");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("32768 would wrap to -32768") << QList<int>{32767, 1} << "a lot more than";
    QTest::newRow("ten times the largest") << QList<int>(10, 32767) << "a lot more than";
    QTest::newRow("-32769 would wrap to 32767") << QList<int>{-32768, -1} << "";
    QTest::newRow("65876 would wrap to 340") << QList<int>{32767, 32767, 342} << "a lot more than";
    QTest::newRow("large entries cancelling out") << QList<int>{32767, -32768, 341} << "all of";
}

void ConclusionTest::totalsBeyondSixteenBitsDoNotWrap()
{
    QFETCH(QList<int>, entries);
    QFETCH(QString, phrase);
    TestLesson t;
    std::array<qint16, 11> counted{};
    for (qsizetype i = 0; i < entries.size(); ++i)
        counted[std::size_t(i + 1)] = qint16(entries[i]);
    QCOMPARE(shownFor(t, counted), sentence(phrase));
}

void ConclusionTest::entryZeroIsNotCounted()
{
    TestLesson t;
    std::array<qint16, 11> counted{};
    counted[0] = 340;
    QCOMPARE(shownFor(t, counted), sentence(QStringLiteral("none of")));
}

void ConclusionTest::comingBackFromExtensionSaysNoneOf()
{
    TestLesson t;
    const std::array<qint16, 11> island{0, 10, 14, 20, 42, 78, 30, 32, 30, 38, 46};
    QCOMPARE(shownFor(t, island), sentence(QStringLiteral("all of")));
    auto *conclusion = t.screenAs<Conclusion>(ScreenId::Conclusion);
    conclusion->cmdButton(0)->click();
    QCOMPARE(t.showing()->id(), ScreenId::Extend);
    t.showing()->cmdButton(1)->click();
    QCOMPARE(t.showing(), conclusion);
    QCOMPARE(conclusion->summary(), sentence(QStringLiteral("none of")));
}

void ConclusionTest::questionDialogRebuildsSentence()
{
    TestLesson t;
    t.lesson.state.FillQuestions();
    std::array<qint16, 11> counted{};
    counted[1] = 170;
    QCOMPARE(shownFor(t, counted), sentence(QStringLiteral("half of")));
    auto *conclusion = t.screenAs<Conclusion>(ScreenId::Conclusion);

    const ModalSeen same = answerModal(t, [&] { conclusion->questionButton()->click(); });
    QCOMPARE(same.kind, QStringLiteral("question"));
    QCOMPARE(same.title, QStringLiteral("6 - Conclusion"));
    QCOMPARE(conclusion->summary(), sentence(QStringLiteral("half of")));

    // The sentence is read from the counts afresh, not kept.
    t.lesson.state.Counted[2] = 1;
    answerModal(t, [&] { conclusion->questionButton()->click(); });
    QCOMPARE(conclusion->summary(), sentence(QStringLiteral("just over half of")));
}

void ConclusionTest::typedTableReachesTheSentence()
{
    TestLesson t;
    t.lesson.chain.show(ScreenId::GraphForm);
    auto *results = t.screenAs<GraphForm>(ScreenId::GraphForm);
    const QStringList typed{"10", "14", "20", "42", "78", "30", "32", "30", "38", "46"};
    for (int row = 1; row <= GraphForm::Rows; ++row)
        results->valueCell(row)->setText(typed[row - 1]);
    results->cmdButton(0)->click();
    QCOMPARE(t.showing()->id(), ScreenId::Conclusion);
    QCOMPARE(t.screenAs<Conclusion>(ScreenId::Conclusion)->summary(), sentence(QStringLiteral("all of")));

    // Back to the table, one number changed, and forward again.
    t.showing()->cmdButton(1)->click();
    results->valueCell(5)->setText(QStringLiteral("0"));
    results->cmdButton(0)->click();
    QCOMPARE(t.screenAs<Conclusion>(ScreenId::Conclusion)->summary(), sentence(QStringLiteral("most of")));
}

QTEST_MAIN(ConclusionTest)
#include "tst_conclusion.moc"
