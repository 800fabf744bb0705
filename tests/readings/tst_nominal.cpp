// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nominal.h"

#include <QTest>

using namespace freqcounter;

// The offset of a reading from a nominal frequency, as the large display
// and the main display's description give it.
class TestNominal : public QObject
{
    Q_OBJECT

private slots:
    void offset_data();
    void offset();
    void resolution_data();
    void resolution();
};

void TestNominal::offset_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<double>("nominalHz");
    QTest::addColumn<QString>("shown");

    QTest::newRow("above, in ppm")
            << QStringLiteral("10.0000123") << 10e6 << QStringLiteral("+12.3 Hz   +1.23 ppm");
    QTest::newRow("below, in ppm")
            << QStringLiteral("9.9999877") << 10e6 << QStringLiteral("-12.3 Hz   -1.23 ppm");
    QTest::newRow("under 1 ppm: ppb")
            << QStringLiteral("10.0000012") << 10e6 << QStringLiteral("+1.2 Hz   +120 ppb");
    QTest::newRow("on the nominal: signed zero")
            << QStringLiteral("10.0000000") << 10e6 << QStringLiteral("+0.0 Hz   +0 ppb");
    QTest::newRow("a coarse reading: no digits it does not resolve")
            << QStringLiteral("145.0010") << 145e6 << QStringLiteral("+1000 Hz   +6.9 ppm");
    QTest::newRow("a fine reading of a crystal")
            << QStringLiteral("32.76800123") << 32.768e6 << QStringLiteral("+1.23 Hz   +37.5 ppb");
    QTest::newRow("in Hz, exponent notation") << QStringLiteral("1.00000123E+07 Hz") << 10e6
                                              << QStringLiteral("+12.3 Hz   +1.23 ppm");
    QTest::newRow("far off") << QStringLiteral("433.92") << 433e6
                             << QStringLiteral("+920000 Hz   +2125 ppm");
}

void TestNominal::offset()
{
    QFETCH(QString, reading);
    QFETCH(double, nominalHz);
    QFETCH(QString, shown);
    const double mhz = reading.endsWith(QStringLiteral(" Hz")) ? reading.chopped(3).toDouble() / 1e6
                                                               : reading.toDouble();
    QCOMPARE(Nominal::offsetText(mhz, Nominal::resolutionMHz(reading), nominalHz), shown);
}

void TestNominal::resolution_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<double>("mhz");
    QTest::newRow("seven decimals") << QStringLiteral("10.0000123") << 1e-7;
    QTest::newRow("no point") << QStringLiteral("145") << 1.0;
    QTest::newRow("kHz") << QStringLiteral("145123.45kHz") << 1e-5;
    QTest::newRow("a prefix and a unit") << QStringLiteral("F 2.400000123 GHz") << 1e-6;
    QTest::newRow("a prefix, no point, a unit") << QStringLiteral("FA=2400000123 Hz") << 1e-6;
}

void TestNominal::resolution()
{
    QFETCH(QString, reading);
    QFETCH(double, mhz);
    QVERIFY(qFuzzyCompare(Nominal::resolutionMHz(reading), mhz));
}

QTEST_GUILESS_MAIN(TestNominal)
#include "tst_nominal.moc"
