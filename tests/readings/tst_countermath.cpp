// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countermath.h"

#include <QTest>

using namespace freqcounter;

class TestCounterMath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shown_data();
    void shown();
    void refused_data();
    void refused();
    void readingThatIsNoNumber();
    void otherMathStartsFromTheCounters();
    void keptForTheNextStart();
};

void TestCounterMath::shown_data()
{
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("name");

    const QString minus = QStringLiteral("\u2212");
    // Each expected figure is the exact decimal result, worked by hand.
    QTest::newRow("LO - IF: never 7.1000000000000014")
            << QStringLiteral("1") << QStringLiteral("-10.7MHz") << QStringLiteral("17.800000")
            << QStringLiteral("7.100000")
            << QStringLiteral("LO ") + minus + QStringLiteral(" 10.7 MHz");
    QTest::newRow("LO + IF, the IF in kHz")
            << QStringLiteral("1") << QStringLiteral("+455 kHz") << QStringLiteral("10.245000")
            << QStringLiteral("10.700000") << QStringLiteral("LO + 455 kHz");
    QTest::newRow("IF - LO") << QStringLiteral("-1") << QStringLiteral("+10.7 MHz")
                             << QStringLiteral("6.245000") << QStringLiteral("4.455000")
                             << QStringLiteral("10.7 MHz ") + minus + QStringLiteral(" LO");
    QTest::newRow("divide-by-64 prescaler")
            << QStringLiteral("64") << QStringLiteral("0 Hz") << QStringLiteral("15.625001")
            << QStringLiteral("1000.000064") << QStringLiteral("\u00F764 prescaler");
    QTest::newRow("divide-by-10: the digit it never changes is dropped")
            << QStringLiteral("10") << QStringLiteral("0Hz") << QStringLiteral("123.456789")
            << QStringLiteral("1234.56789") << QStringLiteral("\u00F710 prescaler");
    QTest::newRow("a negative result")
            << QStringLiteral("1") << QStringLiteral("-10.7 MHz") << QStringLiteral("3.200000")
            << QStringLiteral("-7.500000")
            << QStringLiteral("LO ") + minus + QStringLiteral(" 10.7 MHz");
    QTest::newRow("an exponent-form reading")
            << QStringLiteral("1") << QStringLiteral("-10.7MHz") << QStringLiteral("+1.7800000E+01")
            << QStringLiteral("7.100000")
            << QStringLiteral("LO ") + minus + QStringLiteral(" 10.7 MHz");
    QTest::newRow("a reading with its own unit")
            << QStringLiteral("1") << QStringLiteral("-455kHz") << QStringLiteral("F 10700000 Hz")
            << QStringLiteral("10.245000")
            << QStringLiteral("LO ") + minus + QStringLiteral(" 455 kHz");
    QTest::newRow("digits kept past a double's 16")
            << QStringLiteral("1") << QStringLiteral("+0.000001 Hz")
            << QStringLiteral("1500.000000000000") << QStringLiteral("1500.000000000001")
            << QStringLiteral("LO + 0.000001 Hz");
    QTest::newRow("an offset finer than the reading adds its digit")
            << QStringLiteral("1") << QStringLiteral("+1.5 Hz") << QStringLiteral("10.000000")
            << QStringLiteral("10.0000015") << QStringLiteral("LO + 1.5 Hz");
    QTest::newRow("a fractional factor adds the digit it needs")
            << QStringLiteral("2.5") << QStringLiteral("0 Hz") << QStringLiteral("17.800001")
            << QStringLiteral("44.5000025") << QStringLiteral("2.5 \u00D7 reading");
    QTest::newRow("a factor and an offset")
            << QStringLiteral("-0.5") << QStringLiteral("+1 MHz") << QStringLiteral("4.000")
            << QStringLiteral("-1.0000") << minus + QStringLiteral("0.5 \u00D7 reading + 1 MHz");
    QTest::newRow("minus the reading, minus an IF: no receiver's case")
            << QStringLiteral("-1") << QStringLiteral("-10.7MHz") << QStringLiteral("1.5")
            << QStringLiteral("-12.2")
            << minus + QStringLiteral("1 \u00D7 reading ") + minus + QStringLiteral(" 10.7 MHz");
    QTest::newRow("a whole factor with an offset: no prescaler")
            << QStringLiteral("64") << QStringLiteral("+1MHz") << QStringLiteral("15.625001")
            << QStringLiteral("1001.000064") << QStringLiteral("64 \u00D7 reading + 1 MHz");
    QTest::newRow("a sum that carries into a new first digit")
            << QStringLiteral("1") << QStringLiteral("+10.7MHz") << QStringLiteral("98.3")
            << QStringLiteral("109.0") << QStringLiteral("LO + 10.7 MHz");
    QTest::newRow("a factor in exponent form, its zeros dropped")
            << QStringLiteral("1.000e2") << QStringLiteral("0 GHz") << QStringLiteral("1.2345")
            << QStringLiteral("123.45") << QStringLiteral("\u00F7100 prescaler");
}

void TestCounterMath::shown()
{
    QFETCH(QString, factor);
    QFETCH(QString, offset);
    QFETCH(QString, reading);
    const std::optional<CounterMath> math = CounterMath::make(factor, offset);
    QVERIFY(math);
    QVERIFY(math->isOn());
    QTEST(math->applied(reading).value_or(QStringLiteral("nothing")), "shown");
    QTEST(math->name(), "name");
    // What the dialog and the settings are given back makes the same math.
    QCOMPARE(CounterMath::make(math->factorText(), math->offsetText()), math);
}

void TestCounterMath::refused_data()
{
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("offset");

    const QString one = QStringLiteral("1");
    const QString none = QStringLiteral("0 Hz");
    QTest::newRow("factor 0") << QStringLiteral("0") << none;
    QTest::newRow("factor 0 with decimals") << QStringLiteral("-0.000") << none;
    QTest::newRow("factor inf") << QStringLiteral("inf") << none;
    QTest::newRow("factor nan") << QStringLiteral("nan") << none;
    QTest::newRow("factor empty") << QString() << none;
    QTest::newRow("factor with a unit") << QStringLiteral("64 MHz") << none;
    QTest::newRow("factor too large") << QStringLiteral("1e13") << none;
    QTest::newRow("offset without a unit") << one << QStringLiteral("-10.7");
    QTest::newRow("offset in ppm") << one << QStringLiteral("10 ppm");
    QTest::newRow("offset with a counter's prefix") << one << QStringLiteral("F 10 MHz");
    QTest::newRow("offset that is no number") << one << QStringLiteral("IF");
    QTest::newRow("offset of 100 GHz") << one << QStringLiteral("100 GHz");
    QTest::newRow("offset empty") << one << QString();
}

void TestCounterMath::refused()
{
    QFETCH(QString, factor);
    QFETCH(QString, offset);
    QVERIFY(!CounterMath::make(factor, offset));
    QVERIFY(!CounterMath::isFactor(factor) || !CounterMath::isOffset(offset));
}

void TestCounterMath::readingThatIsNoNumber()
{
    const CounterMath math = *CounterMath::make(QStringLiteral("1"), QStringLiteral("-10.7MHz"));
    const ReceivedReading shown = math.shown({1, {}, {}, QStringLiteral("ERR 3")});
    QCOMPARE(shown.text, QStringLiteral("ERR 3"));
    // Still under the math, so that its run of readings goes on.
    QCOMPARE(shown.math, math.name());
    QCOMPARE(shown.asSent(), QStringLiteral("ERR 3"));
}

void TestCounterMath::otherMathStartsFromTheCounters()
{
    const CounterMath lower = *CounterMath::make(QStringLiteral("1"), QStringLiteral("-10.7MHz"));
    const CounterMath prescaler = *CounterMath::make(QStringLiteral("64"), QStringLiteral("0Hz"));
    const ReceivedReading counted{1, {}, {}, QStringLiteral("17.800000")};
    const ReceivedReading once = lower.shown(counted);
    QCOMPARE(once.text, QStringLiteral("7.100000"));
    QCOMPARE(once.raw, QStringLiteral("17.800000"));
    QCOMPARE(once.asSent(), QStringLiteral("17.800000"));
    QCOMPARE(prescaler.shown(once).text, QStringLiteral("1139.200000"));
    const ReceivedReading off = CounterMath().shown(once);
    QCOMPARE(off.text, counted.text);
    QVERIFY(off.math.isEmpty() && off.raw.isEmpty() && off.sent.isEmpty());
}

void TestCounterMath::keptForTheNextStart()
{
    const CounterMath math = *CounterMath::make(QStringLiteral("-1"), QStringLiteral("+455kHz"));
    math.keep();
    QCOMPARE(CounterMath::kept(), math);
    CounterMath().keep();
    QVERIFY(!CounterMath::kept().isOn());
}

QTEST_GUILESS_MAIN(TestCounterMath)
#include "tst_countermath.moc"
