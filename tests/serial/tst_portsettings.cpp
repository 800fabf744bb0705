// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "portsettings.h"

#include <QTest>

using namespace freqcounter;
using namespace std::chrono_literals;

class TestPortSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keptPerDevice();
    void commandLineOverKept();
};

void TestPortSettings::keptPerDevice()
{
    // Each device keeps its own, also under a name with slashes in it.
    const QString byId = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    const QString other = QStringLiteral("/dev/ttyUSB1");
    QCOMPARE(PortSettings::keptFor(byId), PortSettings());
    PortSettings bench;
    bench.line = *LineSettings::parse(u"115200/8n1/rtscts");
    bench.counter
            = {QStringLiteral("*RST;:CONF:FREQ"), QStringLiteral("READ?"), CounterUnit::Hz, 1500ms};
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
    kept.counter.query = QStringLiteral("READ?");
    kept.counter.unit = CounterUnit::Hz;
    PortOverrides given;
    given.query = QString(); // asked to talk by itself this run
    given.unit = CounterUnit::kHz;
    const PortSettings run = given.over(kept);
    QCOMPARE(run.line, kept.line);
    QVERIFY(!run.counter.asks());
    QCOMPARE(run.counter.unit, CounterUnit::kHz);
    QCOMPARE(run.counter.answerTime, CounterSettings::kDefaultAnswerTime);
}

QTEST_GUILESS_MAIN(TestPortSettings)
#include "tst_portsettings.moc"
