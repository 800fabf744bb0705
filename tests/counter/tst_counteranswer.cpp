// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counteranswer.h"

#include <QTest>

using namespace freqcounter;

Q_DECLARE_METATYPE(freqcounter::CounterUnit)

class TestCounterAnswer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readings_data();
    void readings();
    void gaps_data();
    void gaps();
};

void TestCounterAnswer::readings_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<CounterUnit>("unit");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("kept");

    // Every digit sent, none added: 15 significant digits stay 15.
    QTest::newRow("SCPI answer in Hz")
            << QStringLiteral("+1.00000000012345E+07") << CounterUnit::Hz << true
            << QStringLiteral("10.0000000012345") << QStringLiteral("+1.00000000012345E+07 Hz");
    QTest::newRow("Hz without an exponent keeps its resolution")
            << QStringLiteral("17800000") << CounterUnit::Hz << false << QStringLiteral("17.800000")
            << QStringLiteral("17800000 Hz");
    QTest::newRow("kHz below 1 MHz") << QStringLiteral(" 455.000 ") << CounterUnit::kHz << false
                                     << QStringLiteral("0.455000") << QStringLiteral("455.000 kHz");
    QTest::newRow("Hz, small, lower-case exponent")
            << QStringLiteral("3.2768e4") << CounterUnit::Hz << true << QStringLiteral("0.032768")
            << QStringLiteral("3.2768e4 Hz");
    QTest::newRow("an exponent past the digits adds zeros")
            << QStringLiteral("2.4E+09") << CounterUnit::Hz << true << QStringLiteral("2400")
            << QStringLiteral("2.4E+09 Hz");
    QTest::newRow("negative exponent")
            << QStringLiteral("1234.5E-1") << CounterUnit::kHz << true << QStringLiteral("0.12345")
            << QStringLiteral("1234.5E-1 kHz");
    QTest::newRow("leading zeros")
            << QStringLiteral("000145200000.0") << CounterUnit::Hz << true
            << QStringLiteral("145.2000000") << QStringLiteral("000145200000.0 Hz");
    QTest::newRow("a negative reading keeps its sign")
            << QStringLiteral("-2.5E+03") << CounterUnit::Hz << true << QStringLiteral("-0.0025")
            << QStringLiteral("-2.5E+03 Hz");
    QTest::newRow("asked, in MHz: as it came")
            << QStringLiteral("+1.452371E+02") << CounterUnit::MHz << true
            << QStringLiteral("+1.452371E+02") << QStringLiteral("+1.452371E+02");
    QTest::newRow("asked, its own unit: converted by it")
            << QStringLiteral("10.000 MHz") << CounterUnit::Hz << true << QStringLiteral("10.000")
            << QStringLiteral("10.000 MHz");
    QTest::newRow("asked in MHz, an answer in Hz: converted by its own unit")
            << QStringLiteral("1.0E+07 Hz") << CounterUnit::MHz << true << QStringLiteral("10")
            << QStringLiteral("1.0E+07 Hz");
    QTest::newRow("a prefix and its own unit")
            << QStringLiteral("F=145.2 kHz") << CounterUnit::Hz << true << QStringLiteral("0.1452")
            << QStringLiteral("F=145.2 kHz");
    QTest::newRow("as long a number as may be made")
            << QStringLiteral("1E-32") << CounterUnit::Hz << true
            << (QStringLiteral("0.") + QString(37, u'0') + u'1') << QStringLiteral("1E-32 Hz");
    QTest::newRow("talking by itself, no number: as it came")
            << QStringLiteral("GATE 1s") << CounterUnit::Hz << false << QStringLiteral("GATE 1s")
            << QStringLiteral("GATE 1s");
    // A time interval: shown in the unit that puts one to three digits
    // before the point, every digit kept.
    const CounterUnit s = CounterUnit::s;
    QTest::newRow("interval in seconds, exponent form")
            << QStringLiteral("+1.23456789012E-07") << s << false
            << QStringLiteral("123.456789012 ns") << QStringLiteral("+1.23456789012E-07 s");
    QTest::newRow("interval with its own unit")
            << QStringLiteral("123.456789 ns") << s << true << QStringLiteral("123.456789 ns")
            << QStringLiteral("123.456789 ns");
    QTest::newRow("interval in ms, shown in microseconds")
            << QStringLiteral("0.5") << CounterUnit::ms << false << QStringLiteral("500 us")
            << QStringLiteral("0.5 ms");
    QTest::newRow("interval with a micro sign")
            << QStringLiteral("12.5\u00b5s") << CounterUnit::ns << true << QStringLiteral("12.5 us")
            << QStringLiteral("12.5\u00b5s");
    QTest::newRow("interval in ps") << QStringLiteral("850") << CounterUnit::ps << false
                                    << QStringLiteral("850 ps") << QStringLiteral("850 ps");
    QTest::newRow("a negative interval keeps its sign")
            << QStringLiteral("-2.5E-09") << s << true << QStringLiteral("-2.5 ns")
            << QStringLiteral("-2.5E-09 s");
    QTest::newRow("an interval of a second and more")
            << QStringLiteral("1.000000000123") << s << false << QStringLiteral("1.000000000123 s")
            << QStringLiteral("1.000000000123 s");
}

void TestCounterAnswer::readings()
{
    QFETCH(QString, line);
    QFETCH(CounterUnit, unit);
    QFETCH(bool, asked);
    QFETCH(QString, shown);
    QFETCH(QString, kept);

    const std::optional<CounterReading> read = readCounterLine(line, unit, asked);
    QVERIFY(read);
    QCOMPARE(read->unit.isEmpty() ? read->shown : read->shown + u' ' + read->unit, shown);
    QCOMPARE(read->kept, kept);
}

void TestCounterAnswer::gaps_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<CounterUnit>("unit");
    QTest::addColumn<bool>("asked");

    const CounterUnit Hz = CounterUnit::Hz;
    QTest::newRow("overflow mark, in Hz") << QStringLiteral("9.91E37") << Hz << true;
    QTest::newRow("overflow mark, in MHz")
            << QStringLiteral("+9.91000000E+37") << CounterUnit::MHz << true;
    QTest::newRow("overflow mark, talking by itself") << QStringLiteral("9.9E37") << Hz << false;
    QTest::newRow("100 GHz or more, in Hz") << QStringLiteral("2.4E+12") << Hz << true;
    QTest::newRow("100 GHz or more, in its own unit") << QStringLiteral("100 GHz") << Hz << true;
    QTest::newRow("SCPI error") << QStringLiteral(R"(-113,"Undefined header")") << Hz << true;
    QTest::newRow("words, when asked") << QStringLiteral("NO SIGNAL") << CounterUnit::MHz << true;
    QTest::newRow("an exponent alone") << QStringLiteral("E+07") << Hz << true;
    QTest::newRow("a sign alone") << QStringLiteral("+") << Hz << true;
    QTest::newRow("a four-digit exponent") << QStringLiteral("1E+0007") << Hz << true;
    QTest::newRow("0E-999: a thousand digits") << QStringLiteral("0E-999") << Hz << true;
    QTest::newRow("one digit past the longest number") << QStringLiteral("1E-33") << Hz << true;
    QTest::newRow("overflow mark, a time interval")
            << QStringLiteral("9.91E37") << CounterUnit::s << true;
    QTest::newRow("a frequency, asked of a time-interval counter")
            << QStringLiteral("10.000 MHz") << CounterUnit::ns << true;
}

void TestCounterAnswer::gaps()
{
    QFETCH(QString, line);
    QFETCH(CounterUnit, unit);
    QFETCH(bool, asked);

    QCOMPARE(readCounterLine(line, unit, asked).has_value(), false);
}

QTEST_GUILESS_MAIN(TestCounterAnswer)
#include "tst_counteranswer.moc"
