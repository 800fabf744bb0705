// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counteranswer.h"

#include <QTest>

using namespace freqcounter;

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
    QTest::addColumn<int>("powerToMHz");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("kept");

    // Every digit sent, none added: 15 significant digits stay 15.
    QTest::newRow("SCPI answer in Hz")
            << QStringLiteral("+1.00000000012345E+07") << -6 << QStringLiteral("Hz") << true
            << QStringLiteral("10.0000000012345") << QStringLiteral("+1.00000000012345E+07 Hz");
    QTest::newRow("Hz without an exponent keeps its resolution")
            << QStringLiteral("17800000") << -6 << QStringLiteral("Hz") << false
            << QStringLiteral("17.800000") << QStringLiteral("17800000 Hz");
    QTest::newRow("kHz below 1 MHz")
            << QStringLiteral(" 455.000 ") << -3 << QStringLiteral("kHz") << false
            << QStringLiteral("0.455000") << QStringLiteral("455.000 kHz");
    QTest::newRow("Hz, small, lower-case exponent")
            << QStringLiteral("3.2768e4") << -6 << QStringLiteral("Hz") << true
            << QStringLiteral("0.032768") << QStringLiteral("3.2768e4 Hz");
    QTest::newRow("an exponent past the digits adds zeros")
            << QStringLiteral("2.4E+09") << -6 << QStringLiteral("Hz") << true
            << QStringLiteral("2400") << QStringLiteral("2.4E+09 Hz");
    QTest::newRow("negative exponent")
            << QStringLiteral("1234.5E-1") << -3 << QStringLiteral("kHz") << true
            << QStringLiteral("0.12345") << QStringLiteral("1234.5E-1 kHz");
    QTest::newRow("leading zeros")
            << QStringLiteral("000145200000.0") << -6 << QStringLiteral("Hz") << true
            << QStringLiteral("145.2000000") << QStringLiteral("000145200000.0 Hz");
    QTest::newRow("a negative reading keeps its sign")
            << QStringLiteral("-2.5E+03") << -6 << QStringLiteral("Hz") << true
            << QStringLiteral("-0.0025") << QStringLiteral("-2.5E+03 Hz");
    QTest::newRow("asked, in MHz: as it came")
            << QStringLiteral("+1.452371E+02") << 0 << QStringLiteral("MHz") << true
            << QStringLiteral("+1.452371E+02") << QStringLiteral("+1.452371E+02");
    QTest::newRow("asked, its own unit: as it came")
            << QStringLiteral("10.000 MHz") << -6 << QStringLiteral("Hz") << true
            << QStringLiteral("10.000 MHz") << QStringLiteral("10.000 MHz");
    QTest::newRow("talking by itself, no number: as it came")
            << QStringLiteral("GATE 1s") << -6 << QStringLiteral("Hz") << false
            << QStringLiteral("GATE 1s") << QStringLiteral("GATE 1s");
}

void TestCounterAnswer::readings()
{
    QFETCH(QString, line);
    QFETCH(int, powerToMHz);
    QFETCH(QString, unit);
    QFETCH(bool, asked);
    QFETCH(QString, shown);
    QFETCH(QString, kept);

    const std::optional<CounterReading> read = readCounterLine(line, powerToMHz, unit, asked);
    QVERIFY(read);
    QCOMPARE(read->shown, shown);
    QCOMPARE(read->kept, kept);
}

void TestCounterAnswer::gaps_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("powerToMHz");
    QTest::addColumn<bool>("asked");

    QTest::newRow("overflow mark, in Hz") << QStringLiteral("9.91E37") << -6 << true;
    QTest::newRow("overflow mark, in MHz") << QStringLiteral("+9.91000000E+37") << 0 << true;
    QTest::newRow("overflow mark, talking by itself") << QStringLiteral("9.9E37") << -6 << false;
    QTest::newRow("100 GHz or more, in Hz") << QStringLiteral("2.4E+12") << -6 << true;
    QTest::newRow("SCPI error") << QStringLiteral(R"(-113,"Undefined header")") << -6 << true;
    QTest::newRow("words, when asked") << QStringLiteral("NO SIGNAL") << 0 << true;
    QTest::newRow("an exponent alone") << QStringLiteral("E+07") << -6 << true;
    QTest::newRow("a sign alone") << QStringLiteral("+") << -6 << true;
}

void TestCounterAnswer::gaps()
{
    QFETCH(QString, line);
    QFETCH(int, powerToMHz);
    QFETCH(bool, asked);

    QCOMPARE(readCounterLine(line, powerToMHz, u"Hz", asked).has_value(), false);
}

QTEST_GUILESS_MAIN(TestCounterAnswer)
#include "tst_counteranswer.moc"
