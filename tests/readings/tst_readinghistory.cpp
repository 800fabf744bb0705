// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readinghistory.h"
#include "statistics.h"
#include "steadyclock.h"

#include <QTest>

#include <cmath>

using namespace freqcounter;
using namespace Qt::StringLiterals;

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000);

} // namespace

class TestReadingHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void historyIsBoundedAndMarksPortSwitches();
    void wallClockSetBackLeavesTheHistoryInTime();
    void steadyClockKeepsTheOrder();
    void shownFrequencyGoesDownstream_data();
    void shownFrequencyGoesDownstream();
    void phaseIsUnwrapped_data();
    void phaseIsUnwrapped();
};

void TestReadingHistory::historyIsBoundedAndMarksPortSwitches()
{
    ReadingHistory history(3);
    const auto add = [&](qint16 port, qint64 second, const char *text) {
        history.add({port, {}, kStart.addSecs(second), QString::fromLatin1(text)});
    };
    add(1, 0, "1.0");
    QVERIFY(!history.at(0).portChanged); // the first reading switches from nothing
    add(1, 1, "1.1");
    add(2, 2, "2.0");
    add(2, 1, "2.1"); // the clock went back a second
    QCOMPARE(history.size(), 3);
    QCOMPARE(history.at(0).mhz, 1.1);
    QVERIFY(!history.at(0).portChanged);
    QVERIFY(history.at(1).portChanged);
    QVERIFY(!history.at(2).portChanged);
    QCOMPARE(history.at(2).msecs, history.at(1).msecs);
    QCOMPARE(history.lowerBound(kStart.addSecs(2).toMSecsSinceEpoch()), 1);

    // Each instrument's run, also when its first reading has dropped out.
    QCOMPARE(history.instrumentStart(2), 1);
    QCOMPARE(history.instrumentOf(0).port, 1);
    QCOMPARE(history.instrumentStart(0), 0);
    history.add({2, QStringLiteral("/dev/ttyUSB1"), kStart.addSecs(3), QStringLiteral("2.2")});
    QVERIFY(history.at(2).portChanged); // another device on the same port
    QCOMPARE(history.instrumentStart(2), 2);
    QCOMPARE(history.instrumentOf(1).device, QString());
    QCOMPARE(history.instrumentOf(2).device, QStringLiteral("/dev/ttyUSB1"));
}

void TestReadingHistory::wallClockSetBackLeavesTheHistoryInTime()
{
    // A reading a second on the steady clock; halfway through, the wall
    // clock is set back ten minutes.
    ReadingHistory history;
    const qint64 steadyStart = kStart.toMSecsSinceEpoch();
    for (int i = 0; i < 120; ++i) {
        const QDateTime wall = kStart.addSecs(i < 60 ? i : i - 600);
        history.add({1,
                     {},
                     wall,
                     QString::number(100.0 + i * 1e-6, 'f', 6),
                     steadyStart + qint64(i) * 1000});
    }
    for (qsizetype i = 1; i < history.size(); ++i)
        QCOMPARE(history.at(i).msecs - history.at(i - 1).msecs, 1000);
    const Statistics figures = Statistics::of(history, 0, history.size());
    QCOMPARE(figures.tau0Seconds, std::optional<double>(1.0));
    QVERIFY(std::abs(*figures.driftHzPerMinute - 60.0) < 1e-6);
}

void TestReadingHistory::steadyClockKeepsTheOrder()
{
    // The times the window takes from its steady clock, while the wall
    // clock's stamps step back an hour: the history keeps the steady ones,
    // in order, as close together as they came.
    const SteadyClock clock;
    const qint64 first = clock.nowMsecs();
    ReadingHistory history;
    const QDateTime wall = QDateTime::currentDateTime();
    for (int i = 0; i < 200; ++i) {
        history.add({1,
                     {},
                     wall.addSecs(i < 100 ? i : i - 3600),
                     QStringLiteral("100"),
                     clock.nowMsecs()});
    }
    const qint64 last = clock.nowMsecs();
    for (qsizetype i = 1; i < history.size(); ++i)
        QVERIFY(history.at(i).msecs >= history.at(i - 1).msecs);
    QVERIFY(history.at(0).msecs >= first);
    QVERIFY(history.at(history.size() - 1).msecs <= last);

    // The clock reads its own time, never the wall clock's: anchored an
    // hour back, it stays an hour back.
    const SteadyClock behind(QDateTime::currentMSecsSinceEpoch() - 3'600'000);
    const qint64 lag = QDateTime::currentMSecsSinceEpoch() - behind.nowMsecs();
    QVERIFY2(lag >= 3'599'000 && lag <= 3'600'000, qPrintable(QString::number(lag)));
}

void TestReadingHistory::shownFrequencyGoesDownstream_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("raw"); // the counter's, under counter math
    QTest::addColumn<double>("mhz");

    QTest::newRow("the counter's reading") << QStringLiteral("145.2") << QString() << 145.2;
    QTest::newRow("the counter's overflow mark")
            << QStringLiteral("9.91E37") << QString() << qQNaN();
    QTest::newRow("shown at 100 GHz or more by the math")
            << QStringLiteral("102400.000000") << QStringLiteral("1600.000000") << 102400.0;
    QTest::newRow("the counter's overflow mark under the math")
            << QStringLiteral("9.91E37") << QStringLiteral("9.91E37") << qQNaN();
    QTest::newRow("words under the math")
            << QStringLiteral("ERR") << QStringLiteral("ERR") << qQNaN();
}

void TestReadingHistory::shownFrequencyGoesDownstream()
{
    QFETCH(QString, text);
    QFETCH(QString, raw);
    QFETCH(double, mhz);

    ReceivedReading reading{1, {}, QDateTime::currentDateTime(), text};
    if (!raw.isEmpty()) {
        reading.raw = raw;
        reading.math = QStringLiteral("\u00F764 prescaler");
    }
    ReadingHistory history;
    history.add(reading);
    QCOMPARE(history.at(0).mhz, mhz);
}

void TestReadingHistory::phaseIsUnwrapped_data()
{
    QTest::addColumn<QStringList>("sent"); // with their units
    QTest::addColumn<QList<double>>("phase"); // in seconds; NaN for no number

    QTest::newRow("up through 1 s")
            << QStringList{u"0.999999998 s"_s, u"0.999999999 s"_s, u"0.000000001 s"_s}
            << QList<double>{0.999999998, 0.999999999, 1.000000001};
    QTest::newRow("down through 0")
            << QStringList{u"2 ns"_s, u"0.5 ns"_s, u"0.999999999 s"_s, u"0.999999998 s"_s}
            << QList<double>{2e-9, 0.5e-9, -1e-9, -2e-9};
    QTest::newRow("a step under half a second is no wrap")
            << QStringList{u"0.1 s"_s, u"0.55 s"_s} << QList<double>{0.1, 0.55};
    QTest::newRow("a missed reading between keeps the turns")
            << QStringList{u"0.999999999 s"_s, u"ERR"_s, u"0.000000002 s"_s}
            << QList<double>{0.999999999, qQNaN(), 1.000000002};
}

void TestReadingHistory::phaseIsUnwrapped()
{
    QFETCH(QStringList, sent);
    QFETCH(QList<double>, phase);

    ReadingHistory history;
    for (const QString &text : sent) {
        ReceivedReading reading{1, {}, kStart, text.section(u' ', 0, 0)};
        reading.unit = text.section(u' ', 1);
        history.add(reading);
    }
    QCOMPARE(history.size(), phase.size());
    for (qsizetype i = 0; i < phase.size(); ++i) {
        if (std::isnan(phase.at(i)))
            QVERIFY(std::isnan(history.at(i).mhz));
        else
            QVERIFY2(std::abs(history.at(i).mhz - phase.at(i)) < 1e-15,
                     qPrintable(QString::number(history.at(i).mhz, 'g', 17)));
    }
    // No number keeps to the phase instrument's run.
    QVERIFY(history.instrumentOf(history.size() - 1).phase);
    QCOMPARE(history.instrumentStart(history.size() - 1), 0);
}

QTEST_GUILESS_MAIN(TestReadingHistory)
#include "tst_readinghistory.moc"
