// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartscale.h"
#include "historytesting.h"
#include "readinghistory.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace freqcounter;
using freqcounter::test::historyOf;
using freqcounter::test::kStart;

namespace {

qint64 localMsecs(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toMSecsSinceEpoch();
}

} // namespace

class TestChartScale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chartTimeTicks_data();
    void chartTimeTicks();
    void chartValueTicks_data();
    void chartValueTicks();
    void chartColumns();
    void decadeLabels_data();
    void decadeLabels();
};

void TestChartScale::chartTimeTicks_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<QString>("labels"); // joined by " | "

    // Local times in St. John's, where CMake runs this test: the clocks go
    // forward at 02:00 on 8 March 2026 and back at 02:00 on 1 November.
    const auto row = [](const char *name, const char *start, const char *end, const char *labels) {
        QTest::newRow(name) << localMsecs(start) << localMsecs(end) << QString::fromLatin1(labels);
    };
    row("round minutes within an hour", "2026-12-07T10:00:07", "2026-12-07T10:05:00",
        "10:01 | 10:02 | 10:03 | 10:04 | 10:05");
    row("round seconds", "2026-12-07T10:00:07", "2026-12-07T10:00:31",
        "10:00:10 | 10:00:15 | 10:00:20 | 10:00:25 | 10:00:30");
    row("two hours apart across the spring change", "2026-03-08T00:00:00", "2026-03-08T12:00:00",
        "00:00 | 04:00 | 06:00 | 08:00 | 10:00 | 12:00");
    row("three hours apart across the autumn change", "2026-11-01T00:00:00", "2026-11-01T12:00:00",
        "00:00 | 03:00 | 06:00 | 09:00 | 12:00");
    row("across midnight: the date under each day's first tick", "2026-12-07T22:30:00",
        "2026-12-08T01:30:00",
        "22:30\n2026-12-07 | 23:00 | 23:30 | 00:00\n2026-12-08 | 00:30 | 01:00 | 01:30");
    row("a week: dates alone, at midnight", "2026-12-01T12:00:00", "2026-12-08T12:00:00",
        "2026-12-03 | 2026-12-05 | 2026-12-07");
}

void TestChartScale::chartTimeTicks()
{
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(QString, labels);
    if (QDateTime::fromMSecsSinceEpoch(start).offsetFromUtc() % 3600 == 0)
        QSKIP("not run in St. John's (TZ=America/St_Johns)");

    QStringList shown;
    qint64 previous = start - 1;
    for (const ChartScale::TimeTick &tick : ChartScale::timeTicks(start, end)) {
        QVERIFY(tick.msecs > previous && tick.msecs <= end);
        // The label is the tick's own local time.
        const QString format = tick.label.contains(u':') ? QStringLiteral("HH:mm")
                                                         : QStringLiteral("yyyy-MM-dd");
        QVERIFY(tick.label.startsWith(QDateTime::fromMSecsSinceEpoch(tick.msecs).toString(format)));
        previous = tick.msecs;
        shown.append(tick.label);
    }
    QCOMPARE(shown.join(QStringLiteral(" | ")), labels);
}

void TestChartScale::chartValueTicks_data()
{
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QString>("labels"); // joined by " | "

    QTest::newRow("a tenth of a MHz in steps of 20 kHz")
            << 145.1 << 145.2
            << QStringLiteral("145.10 | 145.12 | 145.14 | 145.16 | 145.18 | 145.20");
    QTest::newRow("a hertz around 145 MHz")
            << 144.9999995 << 145.0000005
            << QStringLiteral(
                       "144.9999996 | 144.9999998 | 145.0000000 | 145.0000002 | 145.0000004");
    QTest::newRow("from 0 to 2 GHz in MHz")
            << 0.0 << 2000.0 << QStringLiteral("0 | 500 | 1000 | 1500 | 2000");
    QTest::newRow("no range, no ticks") << 145.0 << 145.0 << QString();
}

void TestChartScale::chartValueTicks()
{
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QString, labels);

    const ChartScale::ValueTicks ticks = ChartScale::valueTicks(low, high);
    QStringList shown;
    for (const double v : ticks.values)
        shown.append(QLocale::c().toString(v, 'f', ticks.decimals));
    QCOMPARE(shown.join(QStringLiteral(" | ")), labels);
}

void TestChartScale::chartColumns()
{
    // Readings a second apart into columns of a second each; one is no
    // number, one comes from another port.
    ReadingHistory history
            = historyOf({QStringLiteral("1.0"), QStringLiteral("3.0"), QStringLiteral("ERR"),
                         QStringLiteral("2.0"), QStringLiteral("5.0")});
    history.add({2, {}, kStart.addSecs(5), QStringLiteral("7.0")});
    const qint64 start = kStart.addSecs(1).toMSecsSinceEpoch();
    const ChartScale::Reduction r = ChartScale::reduce(history, 1, 6, start, start + 4000, 5);
    QCOMPARE(r.columns.size(), std::size_t(5));
    QCOMPARE(r.columns[0].low, 3.0); // the first reading is outside [1, 6)
    QVERIFY(r.columns[1].isEmpty()); // only the reading that is no number
    QCOMPARE(r.columns[2].high, 2.0);
    QVERIFY(r.columns[2].gapBefore); // after the reading that is no number
    QVERIFY(!r.columns[3].gapBefore);
    QCOMPARE(r.columns[4].low, 7.0);
    QCOMPARE(r.all.low, 2.0);
    QCOMPARE(r.all.high, 7.0);
    QCOMPARE(r.switches.size(), std::size_t(1));
    QCOMPARE(r.switches[0].port, 2);

    // A pause of more than twice the interval breaks the line too.
    history.add({2, {}, kStart.addSecs(9), QStringLiteral("7.5")});
    const ChartScale::Reduction paused = ChartScale::reduce(history, 3, 7, start, start + 8000, 9);
    QVERIFY(!paused.columns[4].gapBefore);
    QVERIFY(paused.columns[8].gapBefore);
}

void TestChartScale::decadeLabels_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("a negative exponent of two digits") << 1e-11 << QStringLiteral("10⁻¹¹");
    QTest::newRow("one") << 1.0 << QStringLiteral("10⁰");
    QTest::newRow("a thousand") << 1000.0 << QStringLiteral("10³");
    QTest::newRow("digits past three") << 1e-24 << QStringLiteral("10⁻²⁴");
}

void TestChartScale::decadeLabels()
{
    QFETCH(double, value);
    QFETCH(QString, label);
    QCOMPARE(ChartScale::decadeLabel(value), label);
}

QTEST_GUILESS_MAIN(TestChartScale)
#include "tst_chartscale.moc"
