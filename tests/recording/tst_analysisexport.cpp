// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisexport.h"
#include "readinghistory.h"
#include "statistics.h"

#include <QTest>

#include <cmath>

using namespace freqcounter;

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000);

} // namespace

class TestAnalysisExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void analysisNamesItsInstrument_data();
    void analysisNamesItsInstrument();
};

void TestAnalysisExport::analysisNamesItsInstrument_data()
{
    QTest::addColumn<qint16>("port");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("math");
    QTest::addColumn<QByteArray>("named");

    QTest::newRow("a device behind the port")
            << qint16(2) << QStringLiteral("/dev/ttyUSB1") << QString()
            << QByteArray("# port: Com2 (/dev/ttyUSB1)\n# first reading: ");
    QTest::newRow("no device known")
            << qint16(1) << QString() << QString() << QByteArray("# port: Com1\n# first reading: ");
    QTest::newRow("counter math on")
            << qint16(1) << QString() << QStringLiteral("\u00F764 prescaler")
            << QByteArray("# port: Com1\n# counter math: \xC3\xB7"
                          "64 prescaler (the frequencies "
                          "shown, not the counter's readings)\n");
}

void TestAnalysisExport::analysisNamesItsInstrument()
{
    QFETCH(qint16, port);
    QFETCH(QString, device);
    QFETCH(QString, math);
    QFETCH(QByteArray, named);

    ReadingHistory history;
    ReceivedReading reading{port, device, kStart, QStringLiteral("145.1234567")};
    reading.math = math;
    if (!math.isEmpty())
        reading.raw = QStringLiteral("2.267554"); // what the counter read
    history.add(reading);
    reading.time = kStart.addSecs(1);
    reading.text = QStringLiteral("ERR");
    history.add(reading);
    const QByteArray text = analysisText(history, 0, 2, Statistics::of(history, 0, 2));
    QVERIFY2(text.contains(named), text.constData());
    // Every digit the counter sent, and nothing for what is not a number.
    QVERIFY2(text.endsWith("\n145123456.7\n"), text.constData());
}

QTEST_GUILESS_MAIN(TestAnalysisExport)
#include "tst_analysisexport.moc"
