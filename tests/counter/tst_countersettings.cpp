// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countersettings.h"

#include <QTest>

using namespace freqcounter;

class TestCounterSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sentAsWritten_data();
    void sentAsWritten();
    void units_data();
    void units();
};

void TestCounterSettings::sentAsWritten_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("a query, a line feed after") << QStringLiteral("READ?") << QByteArray("READ?\n");
    QTest::newRow("a carriage return asked for")
            << QStringLiteral(":MEAS:FREQ?\\r") << QByteArray(":MEAS:FREQ?\r\n");
    QTest::newRow("two commands on two lines")
            << QStringLiteral("*RST\\n:CONF:FREQ") << QByteArray("*RST\n:CONF:FREQ\n");
}

void TestCounterSettings::sentAsWritten()
{
    QFETCH(QString, written);
    QFETCH(QByteArray, sent);
    QCOMPARE(CounterSettings::bytesOf(written), sent);
}

void TestCounterSettings::units_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("powerToMHz"); // 1 for no unit

    QTest::newRow("Hz") << QStringLiteral("Hz") << -6;
    QTest::newRow("kHz, any case") << QStringLiteral(" KHZ ") << -3;
    QTest::newRow("MHz") << QStringLiteral("mhz") << 0;
    QTest::newRow("GHz is no counter's unit here") << QStringLiteral("GHz") << 1;
    QTest::newRow("a prefix alone") << QStringLiteral("k") << 1;
}

void TestCounterSettings::units()
{
    QFETCH(QString, given);
    QFETCH(int, powerToMHz);
    const std::optional<CounterUnit> unit = parseCounterUnit(given);
    QCOMPARE(unit ? int(*unit) : 1, powerToMHz);
}

QTEST_GUILESS_MAIN(TestCounterSettings)
#include "tst_countersettings.moc"
