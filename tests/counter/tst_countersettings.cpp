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
    QTest::addColumn<int>("power"); // to MHz, or to seconds; 1 for no unit
    QTest::addColumn<bool>("time");

    QTest::newRow("Hz") << QStringLiteral("Hz") << -6 << false;
    QTest::newRow("kHz, any case") << QStringLiteral(" KHZ ") << -3 << false;
    QTest::newRow("MHz") << QStringLiteral("mhz") << 0 << false;
    QTest::newRow("GHz is no counter's unit here") << QStringLiteral("GHz") << 1 << false;
    QTest::newRow("a prefix alone") << QStringLiteral("k") << 1 << false;
    QTest::newRow("seconds") << QStringLiteral("s") << 0 << true;
    QTest::newRow("milliseconds") << QStringLiteral("ms") << -3 << true;
    QTest::newRow("Ms is no millisecond") << QStringLiteral("Ms") << 1 << false;
    QTest::newRow("microseconds, written us") << QStringLiteral("us") << -6 << true;
    QTest::newRow("microseconds, with the micro sign") << QStringLiteral("\u00b5s") << -6 << true;
    QTest::newRow("nanoseconds") << QStringLiteral("ns") << -9 << true;
    QTest::newRow("picoseconds") << QStringLiteral("ps") << -12 << true;
}

void TestCounterSettings::units()
{
    QFETCH(QString, given);
    QFETCH(int, power);
    QFETCH(bool, time);
    const std::optional<CounterUnit> unit = parseCounterUnit(given);
    QCOMPARE(unit ? unitPower(*unit) : 1, power);
    QCOMPARE(unit && isTimeUnit(*unit), time);
    // Its name is read back as the same unit, as settings keep it.
    if (unit)
        QCOMPARE(parseCounterUnit(counterUnitName(*unit)), unit);
}

QTEST_GUILESS_MAIN(TestCounterSettings)
#include "tst_countersettings.moc"
