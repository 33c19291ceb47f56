// SPDX-License-Identifier: GPL-3.0-or-later
#include "cellnumber.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>
#include <limits>

// Reading the numbers of the results table, and the counts they store.
class CellNumberTest : public QObject {
    Q_OBJECT
private slots:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void numbersBeyondDoubleStayFinite_data();
    void numbersBeyondDoubleStayFinite();
    void longTextIsReadQuickly_data();
    void longTextIsReadQuickly();
    void randomTextAgreesWithSimpleReading();
    void countRoundsHalfToEvenAndStaysInRange_data();
    void countRoundsHalfToEvenAndStaysInRange();
};

void CellNumberTest::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    // The lesson's own examples.
    QTest::newRow("12") << "12" << 12.0;
    QTest::newRow("blank then 7") << " 7" << 7.0;
    QTest::newRow("1 blank 2") << "1 2" << 12.0;
    QTest::newRow("12abc") << "12abc" << 12.0;
    QTest::newRow("comma stops") << "1,000" << 1.0;
    QTest::newRow("12.5") << "12.5" << 12.5;
    QTest::newRow("minus 3") << "-3" << -3.0;
    QTest::newRow("abc") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    // Other forms the rule allows.
    QTest::newRow("plus sign") << "+8" << 8.0;
    QTest::newRow("sign then blank") << "- 4" << -4.0;
    QTest::newRow("tabs and line feeds") << "\t1\n2 \t3" << 123.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("blanks only") << " \t\n " << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("blank inside fraction") << "1 . 2 5" << 1.25;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "+-3" << 0.0;
    QTest::newRow("sign after digits stops") << "3-4" << 3.0;
    QTest::newRow("exponent") << "1E3" << 1000.0;
    QTest::newRow("small e") << "2e2" << 200.0;
    QTest::newRow("negative exponent") << "25E-1" << 2.5;
    QTest::newRow("plus exponent") << "1.5e+2" << 150.0;
    QTest::newRow("blanks in exponent") << "1 E - 2" << 0.01;
    QTest::newRow("E without digits") << "7E" << 7.0;
    QTest::newRow("E and sign without digits") << "7e-x" << 7.0;
    QTest::newRow("E with no number before") << "E5" << 0.0;
    QTest::newRow("point then E") << ".E5" << 0.0;
    QTest::newRow("exponent takes no point") << "2E1.5" << 20.0;
    QTest::newRow("second exponent stops") << "1e1e1" << 10.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("minus zero reads as zero") << "-0" << 0.0;
    QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
    QTest::newRow("radix prefix is not read") << "&H10" << 0.0;
    QTest::newRow("hex after zero stops") << "0x10" << 0.0;
    QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0663)) << 0.0;
    QTest::newRow("full-width digit stops") << QStringLiteral("1\uFF12") << 1.0;
    QTest::newRow("no-break space stops") << QStringLiteral("1\u00A02") << 1.0;
    QTest::newRow("smallest subnormal") << "4.9406564584124654e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("many digits round correctly") << "0.1000000000000000055511151231257827021181583404541015625" << 0.1;
}

void CellNumberTest::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    const double read = CellNumber::read(text);
    QCOMPARE(read, number);
    QVERIFY(!std::signbit(read) || read != 0.0);
}

void CellNumberTest::numbersBeyondDoubleStayFinite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    const double max = std::numeric_limits<double>::max();
    QTest::newRow("just above the largest") << "1.8e308" << max;
    QTest::newRow("1e400") << "1e400" << max;
    QTest::newRow("-1e400") << "-1e400" << -max;
    QTest::newRow("exponent of many digits") << "5e" + QString(60, u'9') << max;
    QTest::newRow("400 digits") << "1" + QString(400, u'0') << max;
    QTest::newRow("below the smallest") << "1e-400" << 0.0;
    QTest::newRow("minus below the smallest") << "-1e-400" << 0.0;
    QTest::newRow("negative exponent of many digits") << "5e-" + QString(60, u'9') << 0.0;
    QTest::newRow("zeros after point then exponent") << "0." + QString(5000, u'0') + "1e5001" << 1.0;
    QTest::newRow("digits then negative exponent") << "1" + QString(5000, u'0') + "e-5000" << 1.0;
}

void CellNumberTest::numbersBeyondDoubleStayFinite()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(CellNumber::read(text), number);
}

void CellNumberTest::longTextIsReadQuickly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    const int n = 2'000'000;
    QTest::newRow("digits") << QString(n, u'9') << std::numeric_limits<double>::max();
    QTest::newRow("blanks then 5") << QString(n, u' ') + "5" << 5.0;
    QTest::newRow("zeros after point") << "0." + QString(n, u'0') << 0.0;
    QTest::newRow("letters") << QString(n, u'x') << 0.0;
    QTest::newRow("exponent digits") << "1e-" + QString(n, u'1') << 0.0;
}

void CellNumberTest::longTextIsReadQuickly()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    // Measured against a yardstick taken on the same text in the same build (one pass over it, as
    // a reading in proportion to the length makes), so that a slow machine or a sanitizer build
    // slows both alike; a reading that went back over the text for each character would take
    // millions of passes.
    QElapsedTimer clock;
    clock.start();
    qsizetype digits = 0;
    for (QChar c : text)
        digits += c.isDigit();
    const qint64 yardstick = clock.nsecsElapsed();
    QVERIFY(digits >= 0);
    clock.restart();
    QCOMPARE(CellNumber::read(text), number);
    const qint64 reading = clock.nsecsElapsed();
    QVERIFY2(reading < 200 * yardstick + 50'000'000,
             qPrintable(QStringLiteral("%1 ms against %2 ms for one pass").arg(reading / 1e6).arg(yardstick / 1e6)));
}

namespace {

// A second reading, written apart from the lesson's: drop every blank, match the number's shape
// with a pattern and let Qt's C locale convert it.
double simpleReading(QString text)
{
    // No character beyond ASCII can be part of a number; making them all plain letters also keeps
    // lone surrogates away from the pattern matcher, which refuses text that is not valid UTF-16.
    for (QChar &c : text)
        if (c.unicode() > 0x7f)
            c = u'x';
    text.remove(QRegularExpression(QStringLiteral("[ \t\n]")));
    static const QRegularExpression shape(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return 0.0;
    bool ok = false;
    const double value = QLocale::c().toDouble(m.captured(0), &ok);
    if (std::isinf(value))
        return value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    return ok ? value + 0.0 : 0.0;
}

} // namespace

void CellNumberTest::randomTextAgreesWithSimpleReading()
{
    // Characters that make or break numbers turn up often; any UTF-16 unit now and then.
    const QString alphabet = QStringLiteral("0123456789012345678901234..++--eEeE  \t\n\r,ax\u0663\uFF11\u00A0");
    QRandomGenerator random(20261207);
    int numbers = 0;
    for (int i = 0; i < 50000; ++i) {
        QString text;
        const int length = random.bounded(i % 100 == 0 ? 400 : 24);
        for (int k = 0; k < length; ++k) {
            if (random.bounded(50) == 0)
                text.append(QChar(char16_t(random.bounded(0x10000))));
            else
                text.append(alphabet.at(random.bounded(int(alphabet.size()))));
        }
        const double expected = simpleReading(text);
        const double read = CellNumber::read(text);
        if (read != 0.0)
            ++numbers;
        QVERIFY2(std::isfinite(read), qPrintable(text));
        QVERIFY2(read == expected, qPrintable(QStringLiteral("\"%1\" read %2, expected %3")
                                                  .arg(text)
                                                  .arg(read, 0, 'g', 17)
                                                  .arg(expected, 0, 'g', 17)));
    }
    // The alphabet must really produce numbers, or the comparison proves little.
    QVERIFY(numbers > 10000);
}

void CellNumberTest::countRoundsHalfToEvenAndStaysInRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("12.5") << "12.5" << 12;
    QTest::newRow("13.5") << "13.5" << 14;
    QTest::newRow("0.5") << "0.5" << 0;
    QTest::newRow("-0.5") << "-0.5" << 0;
    QTest::newRow("2.5") << "2.5" << 2;
    QTest::newRow("3.5") << "3.5" << 4;
    QTest::newRow("-2.5") << "-2.5" << -2;
    QTest::newRow("-3.5") << "-3.5" << -4;
    QTest::newRow("just above half") << "2.5000001" << 3;
    QTest::newRow("just below half") << "2.4999999" << 2;
    QTest::newRow("12abc") << "12abc" << 12;
    QTest::newRow("abc") << "abc" << 0;
    QTest::newRow("largest count") << "32767" << 32767;
    QTest::newRow("largest count plus 0.4") << "32767.4" << 32767;
    QTest::newRow("half above largest") << "32767.5" << 32767;
    QTest::newRow("one above largest") << "32768" << 32767;
    QTest::newRow("65536 does not wrap to 0") << "65536" << 32767;
    QTest::newRow("smallest count") << "-32768" << -32768;
    QTest::newRow("half below smallest") << "-32768.5" << -32768;
    QTest::newRow("one below smallest") << "-32769" << -32768;
    QTest::newRow("beyond a double") << "1e999" << 32767;
    QTest::newRow("beyond a double, negative") << "-1e999" << -32768;
}

void CellNumberTest::countRoundsHalfToEvenAndStaysInRange()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(int(CellNumber::count(text)), count);
}

QTEST_MAIN(CellNumberTest)
#include "tst_cellnumber.moc"
