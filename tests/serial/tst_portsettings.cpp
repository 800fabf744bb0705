// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "portsettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace freqcounter;
using namespace std::chrono_literals;

class TestPortSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sentAsWritten_data();
    void sentAsWritten();
    void units_data();
    void units();
    void keptPerDevice();
    void commandLineOverKept();

private:
    QTemporaryDir m_settings; // what a user keeps takes no part
};

void TestPortSettings::initTestCase()
{
    QVERIFY(m_settings.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path()));
    // Where settings are the registry's (under Wine), none is left from
    // an earlier run.
    QSettings(QStringLiteral("freqcounter"), QStringLiteral("freqcounter"))
            .remove(QStringLiteral("ports"));
}

void TestPortSettings::sentAsWritten_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("a query, a line feed after") << QStringLiteral("READ?") << QByteArray("READ?\n");
    QTest::newRow("a carriage return asked for")
            << QStringLiteral(":MEAS:FREQ?\\r") << QByteArray(":MEAS:FREQ?\r\n");
    QTest::newRow("two commands on two lines")
            << QStringLiteral("*RST\\n:CONF:FREQ") << QByteArray("*RST\n:CONF:FREQ\n");
}

void TestPortSettings::sentAsWritten()
{
    QFETCH(QString, written);
    QFETCH(QByteArray, sent);
    QCOMPARE(PortSettings::bytesOf(written), sent);
}

void TestPortSettings::units_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("powerToMHz"); // 1 for no unit

    QTest::newRow("Hz") << QStringLiteral("Hz") << -6;
    QTest::newRow("kHz, any case") << QStringLiteral(" KHZ ") << -3;
    QTest::newRow("MHz") << QStringLiteral("mhz") << 0;
    QTest::newRow("GHz is no counter's unit here") << QStringLiteral("GHz") << 1;
    QTest::newRow("a prefix alone") << QStringLiteral("k") << 1;
}

void TestPortSettings::units()
{
    QFETCH(QString, given);
    QFETCH(int, powerToMHz);
    const std::optional<CounterUnit> unit = parseCounterUnit(given);
    QCOMPARE(unit ? int(*unit) : 1, powerToMHz);
}

void TestPortSettings::keptPerDevice()
{
    // Each device keeps its own, also under a name with slashes in it.
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    const QString other = QStringLiteral("/dev/ttyUSB1");
    QCOMPARE(PortSettings::keptFor(byId), PortSettings());
    PortSettings bench;
    bench.line = *LineSettings::parse(u"115200/8n1/rtscts");
    bench.setup = QStringLiteral("*RST;:CONF:FREQ");
    bench.query = QStringLiteral("READ?");
    bench.unit = CounterUnit::Hz;
    bench.answerTime = 1500ms;
    bench.keepFor(byId);
    PortSettings hobby;
    hobby.line = *LineSettings::parse(u"9600/7e1");
    hobby.keepFor(other);
    QCOMPARE(PortSettings::keptFor(byId), bench);
    QCOMPARE(PortSettings::keptFor(other), hobby);
    QCOMPARE(PortSettings::keptFor(QStringLiteral("/dev/serial/by-id")), PortSettings());
}

void TestPortSettings::commandLineOverKept()
{
    PortSettings kept;
    kept.line = *LineSettings::parse(u"9600/8n1");
    kept.query = QStringLiteral("READ?");
    kept.unit = CounterUnit::Hz;
    PortOverrides given;
    given.query = QString(); // asked to talk by itself this run
    given.unit = CounterUnit::kHz;
    const PortSettings run = given.over(kept);
    QCOMPARE(run.line, kept.line);
    QVERIFY(!run.asks());
    QCOMPARE(run.unit, CounterUnit::kHz);
    QCOMPARE(run.answerTime, PortSettings::kDefaultAnswerTime);
}

QTEST_GUILESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
