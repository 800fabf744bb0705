// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "linesettings.h"

#include <QTest>

using namespace freqcounter;

class TestLineSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void understood_data();
    void understood();
    void refused_data();
    void refused();
};

void TestLineSettings::understood_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("description");

    QTest::newRow("the counter's own") << QStringLiteral("1200/8n1") << QStringLiteral("1200/8n1")
                                       << QStringLiteral("1200 baud, 8 data bits, no parity, "
                                                         "1 stop bit");
    QTest::newRow("7 bits, even parity, 2 stop bits, RTS/CTS")
            << QStringLiteral("19200/7e2/rtscts") << QStringLiteral("19200/7e2/rtscts")
            << QStringLiteral("19200 baud, 7 data bits, even parity, 2 stop bits, RTS/CTS flow "
                              "control");
    QTest::newRow("odd parity, XON/XOFF, in capitals")
            << QStringLiteral(" 4800/8O1/XONXOFF ") << QStringLiteral("4800/8o1/xonxoff")
            << QStringLiteral("4800 baud, 8 data bits, odd parity, 1 stop bit, XON/XOFF flow "
                              "control");
    QTest::newRow("no flow control, said")
            << QStringLiteral("115200/8n1/none") << QStringLiteral("115200/8n1")
            << QStringLiteral("115200 baud, 8 data bits, no "
                              "parity, 1 stop bit");
    QTest::newRow("a custom speed") << QStringLiteral("250000/8n1") << QStringLiteral("250000/8n1")
                                    << QStringLiteral("250000 baud, 8 data bits, no parity, 1 "
                                                      "stop bit");
}

void TestLineSettings::understood()
{
    QFETCH(QString, given);
    QFETCH(QString, text);
    QFETCH(QString, description);

    const std::optional<LineSettings> line = LineSettings::parse(given);
    QVERIFY(line);
    QCOMPARE(line->text(), text);
    QCOMPARE(line->description(), description);
    QCOMPARE(LineSettings::parse(line->text()), line);
}

void TestLineSettings::refused_data()
{
    QTest::addColumn<QString>("given");

    QTest::newRow("empty") << QString();
    QTest::newRow("speed alone") << QStringLiteral("9600");
    QTest::newRow("speed no number") << QStringLiteral("fast/8n1");
    QTest::newRow("speed below 50") << QStringLiteral("49/8n1");
    QTest::newRow("speed above 4000000") << QStringLiteral("4000001/8n1");
    QTest::newRow("negative speed") << QStringLiteral("-9600/8n1");
    QTest::newRow("6 data bits") << QStringLiteral("9600/6n1");
    QTest::newRow("mark parity") << QStringLiteral("9600/8m1");
    QTest::newRow("1.5 stop bits") << QStringLiteral("9600/8n1.5");
    QTest::newRow("format too short") << QStringLiteral("9600/8n");
    QTest::newRow("unknown flow control") << QStringLiteral("9600/8n1/dtrdsr");
    QTest::newRow("a part too many") << QStringLiteral("9600/8n1/rtscts/x");
}

void TestLineSettings::refused()
{
    QFETCH(QString, given);
    QCOMPARE(LineSettings::parse(given), std::nullopt);
}

QTEST_GUILESS_MAIN(TestLineSettings)
#include "tst_linesettings.moc"
