// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequencytext.h"
#include "readinghistory.h"

#include <QTest>

#include <cmath>

using namespace freqcounter;

class TestFrequencyText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void countersOwnFormats_data();
    void countersOwnFormats();
    void notAReading_data();
    void notAReading();
};

void TestFrequencyText::countersOwnFormats_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("mhz");

    QTest::newRow("a bare decimal is in MHz") << QStringLiteral("145.2371") << 145.2371;
    QTest::newRow("spaces around") << QStringLiteral("  145.2371 \t") << 145.2371;
    QTest::newRow("leading zeros") << QStringLiteral("0145.12345") << 145.12345;
    QTest::newRow("a plus sign") << QStringLiteral("+145.5") << 145.5;
    QTest::newRow("a negative offset, as a counter in difference mode shows it")
            << QStringLiteral("-0.000123") << -0.000123;
    QTest::newRow("lab counter's exponent notation")
            << QStringLiteral("+1.45123456789E+002") << 145.123456789;
    QTest::newRow("small e, one exponent digit") << QStringLiteral("1.5e2") << 150.0;
    QTest::newRow("negative exponent") << QStringLiteral("1450000e-4") << 145.0;
    QTest::newRow("no digits after the point") << QStringLiteral("145.") << 145.0;
    QTest::newRow("no digits before the point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("MHz after a space") << QStringLiteral("145.12345 MHz") << 145.12345;
    QTest::newRow("kHz attached") << QStringLiteral("145123.45kHz") << 145.12345;
    QTest::newRow("Hz, exponent notation") << QStringLiteral("1.4512345E+08 Hz") << 145.12345;
    QTest::newRow("GHz") << QStringLiteral("1.2 GHz") << 1200.0;
    QTest::newRow("a unit in any case") << QStringLiteral("145123.45 KHZ") << 145.12345;
    QTest::newRow("letter prefix and a space") << QStringLiteral("F 145.12345") << 145.12345;
    QTest::newRow("letter prefix with an equals sign") << QStringLiteral("F=145.1") << 145.1;
    QTest::newRow("channel prefix, unit and padding") << QStringLiteral("FA  0145.10 MHz") << 145.1;
    QTest::newRow("a prefix in small letters") << QStringLiteral("frq:145.1") << 145.1;
    QTest::newRow("just under 100 GHz") << QStringLiteral("99.999 GHz") << 99'999.0;
}

void TestFrequencyText::countersOwnFormats()
{
    QFETCH(QString, text);
    QFETCH(double, mhz);
    QCOMPARE(frequencyMHz(text), mhz);
}

void TestFrequencyText::notAReading_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("an error word") << QStringLiteral("ERR");
    QTest::newRow("an error code with a number") << QStringLiteral("ERR 3");
    QTest::newRow("an overflow code with a number") << QStringLiteral("OVF 1");
    QTest::newRow("an error code of one letter") << QStringLiteral("E5");
    QTest::newRow("dashes while the gate is open") << QStringLiteral("--.----");
    QTest::newRow("a decimal comma") << QStringLiteral("145,2");
    QTest::newRow("a period is not a frequency") << QStringLiteral("PER 6.89E-09");
    QTest::newRow("a period in small letters") << QStringLiteral("per=6.89e-9");
    QTest::newRow("a prefix too long to be one") << QStringLiteral("FREQ 145.2");
    QTest::newRow("a unit of something else") << QStringLiteral("145.2 s");
    QTest::newRow("text after the unit") << QStringLiteral("145.2 MHz!");
    QTest::newRow("two numbers") << QStringLiteral("145.2 433.9");
    QTest::newRow("two points") << QStringLiteral("145.2.1");
    QTest::newRow("an exponent with no digits") << QStringLiteral("1.45E+");
    QTest::newRow("an exponent of four digits") << QStringLiteral("1.45E+0002");
    QTest::newRow("overflow marker") << QStringLiteral("9.91E37");
    QTest::newRow("100 GHz exactly") << QStringLiteral("100 GHz");
    QTest::newRow("a sign and nothing else") << QStringLiteral("+");
    QTest::newRow("hexadecimal") << QStringLiteral("0x1A");
    QTest::newRow("infinity") << QStringLiteral("inf");
}

void TestFrequencyText::notAReading()
{
    QFETCH(QString, text);
    QVERIFY2(std::isnan(frequencyMHz(text)), qPrintable(QString::number(frequencyMHz(text))));
}

QTEST_GUILESS_MAIN(TestFrequencyText)
#include "tst_frequencytext.moc"
