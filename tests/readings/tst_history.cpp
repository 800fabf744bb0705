// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisexport.h"
#include "chartscale.h"
#include "csvrecorder.h"
#include "frequencytext.h"
#include "readinghistory.h"
#include "statistics.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace freqcounter;

namespace {

constexpr double kAbsent = std::numeric_limits<double>::quiet_NaN();
const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000);

// Readings one per interval from a fixed start, as texts.
ReadingHistory historyOf(const QStringList &texts, double intervalSeconds = 1.0)
{
    ReadingHistory history;
    for (qsizetype i = 0; i < texts.size(); ++i)
        history.add({1, QStringLiteral("/dev/ttyUSB0"),
                     kStart.addMSecs(qint64(double(i) * intervalSeconds * 1000)), texts.at(i)});
    return history;
}

QStringList mhz(const QList<double> &values)
{
    QStringList texts;
    for (const double v : values)
        texts.append(QString::number(v, 'f', 6));
    return texts;
}

// 100 MHz plus the given hertz, for i = 0, 1, ...
QList<double> hertzAbove100MHz(int n, const std::function<double(int)> &hz)
{
    QList<double> values;
    for (int i = 0; i < n; ++i)
        values.append(100.0 + hz(i) * 1e-6);
    return values;
}

void compareClose(const std::optional<double> &actual, double expected, const char *what)
{
    if (std::isnan(expected)) {
        QVERIFY2(!actual, what);
        return;
    }
    QVERIFY2(actual, what);
    const double tolerance = std::max(std::abs(expected) * 1e-5, 1e-12);
    QVERIFY2(std::abs(*actual - expected) <= tolerance,
             qPrintable(QStringLiteral("%1: %2, expected %3")
                                .arg(QString::fromLatin1(what))
                                .arg(*actual, 0, 'g', 10)
                                .arg(expected, 0, 'g', 10)));
}

QList<QByteArray> fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statistics_data();
    void statistics();
    void publishedStabilitySuite_data();
    void publishedStabilitySuite();
    void movingSpanGivesTheFiguresOfAFreshOne();
    void historyIsBoundedAndMarksPortSwitches();
    void wallClockSetBackLeavesTheHistoryInTime();
    void analysisNamesItsInstrument_data();
    void analysisNamesItsInstrument();
    void countersOwnFormats_data();
    void countersOwnFormats();
    void notAReading_data();
    void notAReading();

    void chartTimeTicks_data();
    void chartTimeTicks();
    void chartValueTicks_data();
    void chartValueTicks();
    void chartColumns();

    void fieldQuoting_data();
    void fieldQuoting();
    void timestampIsLocalWithOffset();
    void timestampInAHalfHourZone_data();
    void timestampInAHalfHourZone();
    void headerOnlyOnceAcrossTwoRuns();
    void tornLastLineIsEndedFirst();
};

void TestHistory::statistics_data()
{
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<qsizetype>("numbers");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("peakToPeakHz");
    QTest::addColumn<double>("stdDevHz");
    QTest::addColumn<double>("driftHzPerMinute");
    QTest::addColumn<double>("driftPpmPerHour");
    QTest::addColumn<QList<double>>("allanTaus");
    QTest::addColumn<QList<double>>("allanDeviations");

    // Twenty readings a second apart unless said otherwise; Allan deviations
    // of the fractional frequency, by hand: |step| / sqrt(2) / mean.
    QTest::newRow("constant readings")
            << mhz(hertzAbove100MHz(20, [](int) { return 0.0; })) << qsizetype(20) << 100.0 << 0.0
            << 0.0 << 0.0 << 0.0 << QList<double>{1, 10} << QList<double>{0, 0};
    QTest::newRow("linear drift of 1 Hz a second")
            << mhz(hertzAbove100MHz(20, [](int i) { return double(i); })) << qsizetype(20)
            << 100.0000095 << 19.0 << std::sqrt(35.0) << 60.0 << 3600.0 / 100.0000095
            << QList<double>{1, 10}
            << QList<double>{1e-6 / std::sqrt(2.0) / 100.0000095,
                             10e-6 / std::sqrt(2.0) / 100.0000095};
    QTest::newRow("alternating between two values")
            << mhz(hertzAbove100MHz(20, [](int i) { return 2.0 * (i % 2); })) << qsizetype(20)
            << 100.000001 << 2.0 << std::sqrt(20.0 / 19.0) << 10.0 / 665.0 * 60.0
            << 10e-6 / 665.0 * 3600.0 / 100.000001 * 1e6 << QList<double>{1, 10}
            << QList<double>{2e-6 / std::sqrt(2.0) / 100.000001, 0};
    QTest::newRow("one reading: no spread, drift or Allan deviation")
            << QStringList{QStringLiteral("145.2")} << qsizetype(1) << 145.2 << 0.0 << kAbsent
            << kAbsent << kAbsent << QList<double>{} << QList<double>{};
    QTest::newRow("no readings at all")
            << QStringList{} << qsizetype(0) << kAbsent << kAbsent << kAbsent << kAbsent << kAbsent
            << QList<double>{} << QList<double>{};
    QTest::newRow("too few readings for an Allan deviation at 10 times the interval")
            << mhz(hertzAbove100MHz(19, [](int) { return 0.0; })) << qsizetype(19) << 100.0 << 0.0
            << 0.0 << 0.0 << 0.0 << QList<double>{1} << QList<double>{0};
    QTest::newRow("readings that are not numbers are counted, and cut the series")
            << QStringList{QStringLiteral("100.000000"),   QStringLiteral("ERR"),
                           QStringLiteral("100.000002"),   QStringLiteral("--.----"),
                           QStringLiteral(" 100.000004 "), QStringLiteral("1,5")}
            << qsizetype(3) << 100.000002 << 4.0 << 2.0 << 60.0 << 3600.0 / 100.000002
            << QList<double>{} << QList<double>{};
}

void TestHistory::statistics()
{
    QFETCH(QStringList, readings);
    QFETCH(qsizetype, numbers);
    QFETCH(double, mean);
    QFETCH(double, peakToPeakHz);
    QFETCH(double, stdDevHz);
    QFETCH(double, driftHzPerMinute);
    QFETCH(double, driftPpmPerHour);
    QFETCH(QList<double>, allanTaus);
    QFETCH(QList<double>, allanDeviations);

    const ReadingHistory history = historyOf(readings);
    const Statistics s = Statistics::of(history, 0, history.size());
    QCOMPARE(s.count, readings.size());
    QCOMPARE(s.numbers, numbers);
    compareClose(s.meanMHz, mean, "mean");
    compareClose(s.peakToPeakHz, peakToPeakHz, "peak to peak");
    compareClose(s.stdDevHz, stdDevHz, "standard deviation");
    compareClose(s.driftHzPerMinute, driftHzPerMinute, "drift in Hz per minute");
    compareClose(s.driftPpmPerHour, driftPpmPerHour, "drift in ppm per hour");
    QCOMPARE(s.allan.size(), allanTaus.size());
    for (qsizetype i = 0; i < s.allan.size(); ++i) {
        QCOMPARE(s.allan.at(i).tauSeconds, allanTaus.at(i));
        compareClose(s.allan.at(i).value, allanDeviations.at(i), "Allan deviation");
    }
}

namespace {

enum class Statistic {
    StandardDeviation,
    Allan,
    OverlappingAllan,
    ModifiedAllan,
    OverlappingHadamard,
    TimeDeviation
};

// The handbook's 1000-point set: a linear congruential generator's output
// scaled to (0, 1).
QList<double> thousandPointSet()
{
    QList<double> x;
    qint64 n = 1234567890;
    for (int i = 0; i < 1000; ++i) {
        x.append(double(n) / 2147483647.0);
        n = (16807 * n) % 2147483647;
    }
    return x;
}

} // namespace

void TestHistory::publishedStabilitySuite_data()
{
    QTest::addColumn<QList<double>>("data");
    QTest::addColumn<Statistic>("statistic");
    QTest::addColumn<int>("tau");
    QTest::addColumn<double>("published");

    // Frequency data as published, with their deviations in the data's own units.
    const QList<double> thousand = thousandPointSet();
    const QList<double> nbs14{892, 809, 823, 798, 671, 644, 883, 903, 677};
    const auto row = [](const char *name, const QList<double> &data, Statistic statistic, int tau,
                        double published) {
        QTest::newRow(name) << data << statistic << tau << published;
    };
    row("1000-point, standard deviation", thousand, Statistic::StandardDeviation, 1, 2.884664e-01);
    row("1000-point, Allan deviation at 1", thousand, Statistic::Allan, 1, 2.922319e-01);
    row("1000-point, Allan deviation at 10", thousand, Statistic::Allan, 10, 9.965736e-02);
    row("1000-point, Allan deviation at 100", thousand, Statistic::Allan, 100, 3.897804e-02);
    row("1000-point, overlapping Allan deviation at 1", thousand, Statistic::OverlappingAllan, 1,
        2.922319e-01);
    row("1000-point, overlapping Allan deviation at 10", thousand, Statistic::OverlappingAllan, 10,
        9.159953e-02);
    row("1000-point, overlapping Allan deviation at 100", thousand, Statistic::OverlappingAllan,
        100, 3.241343e-02);
    row("1000-point, modified Allan deviation at 1", thousand, Statistic::ModifiedAllan, 1,
        2.922319e-01);
    row("1000-point, modified Allan deviation at 10", thousand, Statistic::ModifiedAllan, 10,
        6.172376e-02);
    row("1000-point, modified Allan deviation at 100", thousand, Statistic::ModifiedAllan, 100,
        2.170921e-02);
    row("1000-point, overlapping Hadamard deviation at 1", thousand, Statistic::OverlappingHadamard,
        1, 2.943883e-01);
    row("1000-point, overlapping Hadamard deviation at 10", thousand,
        Statistic::OverlappingHadamard, 10, 9.581083e-02);
    row("1000-point, overlapping Hadamard deviation at 100", thousand,
        Statistic::OverlappingHadamard, 100, 3.237638e-02);
    row("1000-point, time deviation at 1", thousand, Statistic::TimeDeviation, 1, 1.687202e-01);
    row("1000-point, time deviation at 10", thousand, Statistic::TimeDeviation, 10, 3.563623e-01);
    row("1000-point, time deviation at 100", thousand, Statistic::TimeDeviation, 100, 1.253382e+00);
    row("NBS14, standard deviation", nbs14, Statistic::StandardDeviation, 1, 100.9770);
    row("NBS14, Allan deviation at 1", nbs14, Statistic::Allan, 1, 91.22945);
    row("NBS14, overlapping Allan deviation at 1", nbs14, Statistic::OverlappingAllan, 1, 91.22945);
    row("NBS14, overlapping Allan deviation at 2", nbs14, Statistic::OverlappingAllan, 2, 85.95287);
    row("NBS14, modified Allan deviation at 1", nbs14, Statistic::ModifiedAllan, 1, 91.22945);
    row("NBS14, modified Allan deviation at 2", nbs14, Statistic::ModifiedAllan, 2, 74.78849);
}

void TestHistory::publishedStabilitySuite()
{
    QFETCH(QList<double>, data);
    QFETCH(Statistic, statistic);
    QFETCH(int, tau);
    QFETCH(double, published);

    // Readings of 10 MHz (1 + 1e-6 x), a second apart, as a counter would send
    // them. Their fractional frequency is 1e-5 (x - mean x) / mean MHz, so a
    // deviation of x appears scaled by 1e-5 / mean MHz.
    QStringList texts;
    double sum = 0;
    for (const double x : data) {
        const double mhz = 10.0 * (1.0 + 1e-6 * x);
        texts.append(QString::number(mhz, 'g', 17));
        sum += mhz;
    }
    const double scale = 1e-5 / (sum / double(data.size()));
    const ReadingHistory history = historyOf(texts);
    const Statistics s = Statistics::of(history, 0, history.size());

    std::optional<double> computed;
    const auto at = [&](const QList<Statistics::Deviation> &deviations) {
        for (const Statistics::Deviation &d : deviations) {
            if (d.tauSeconds == double(tau))
                computed = d.value / scale;
        }
    };
    switch (statistic) {
    case Statistic::StandardDeviation:
        computed = *s.stdDevHz / (sum / double(data.size()) * 1e6) / scale;
        break;
    case Statistic::Allan:
        at(s.allan);
        break;
    case Statistic::OverlappingAllan:
        at(s.overlappingAllan);
        break;
    case Statistic::ModifiedAllan:
        at(s.modifiedAllan);
        break;
    case Statistic::OverlappingHadamard:
        at(s.overlappingHadamard);
        break;
    case Statistic::TimeDeviation:
        at(s.timeDeviation);
        break;
    }
    QVERIFY2(computed, "no figure at that tau");
    QVERIFY2(std::abs(*computed / published - 1.0) < 1e-6,
             qPrintable(
                     QStringLiteral("%1, published %2").arg(*computed, 0, 'g', 10).arg(published)));
}

void TestHistory::movingSpanGivesTheFiguresOfAFreshOne()
{
    // Noise and a drift, a reading now and then that is no number, a pause
    // of ten seconds, and the oldest readings dropped as the history is
    // bounded.
    QStringList texts;
    const QList<double> noise = thousandPointSet();
    for (int i = 0; i < 3000; ++i)
        texts.append(i % 397 == 5 ? QStringLiteral("ERR")
                                  : QString::number(145.0 + 1e-6 * (noise.at(i % 1000) + 0.01 * i),
                                                    'g', 17));
    ReadingHistory history(2500);
    SpanStatistics moving;
    const auto sameFigures = [](const QList<Statistics::Deviation> &kept,
                                const QList<Statistics::Deviation> &fresh, const char *what) {
        QCOMPARE(kept.size(), fresh.size());
        for (qsizetype k = 0; k < fresh.size(); ++k) {
            QCOMPARE(kept.at(k).terms, fresh.at(k).terms);
            QCOMPARE(kept.at(k).noise, fresh.at(k).noise);
            compareClose(kept.at(k).value, fresh.at(k).value, what);
            compareClose(kept.at(k).high, fresh.at(k).high, what);
        }
    };
    for (int i = 0; i < texts.size(); ++i) {
        const qint64 pause = i >= 1500 ? 10'000 : 0;
        history.add({1, {}, kStart.addMSecs(qint64(100) * i + pause), texts.at(i)});
        if (i % 37 != 0 || history.size() < 700)
            continue;
        const qsizetype from = history.size() - 700 + (i % 3);
        const Statistics kept = moving.of(history, from, history.size());
        const Statistics fresh = Statistics::of(history, from, history.size());
        QCOMPARE(kept.numbers, fresh.numbers);
        QCOMPARE(kept.gaps, fresh.gaps);
        QVERIFY(fresh.overlappingAllan.size() >= 6);
        sameFigures(kept.overlappingAllan, fresh.overlappingAllan, "overlapping Allan deviation");
        sameFigures(kept.modifiedAllan, fresh.modifiedAllan, "modified Allan deviation");
        sameFigures(kept.overlappingHadamard, fresh.overlappingHadamard,
                    "overlapping Hadamard deviation");
        compareClose(kept.stdDevHz, *fresh.stdDevHz, "standard deviation");
    }
}

void TestHistory::historyIsBoundedAndMarksPortSwitches()
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

void TestHistory::wallClockSetBackLeavesTheHistoryInTime()
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
    compareClose(figures.tau0Seconds, 1.0, "interval");
    compareClose(figures.driftHzPerMinute, 60.0, "drift");
}

void TestHistory::analysisNamesItsInstrument_data()
{
    QTest::addColumn<qint16>("port");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QByteArray>("named");

    QTest::newRow("a device behind the port") << qint16(2) << QStringLiteral("/dev/ttyUSB1")
                                              << QByteArray("# port: Com2 (/dev/ttyUSB1)\n");
    QTest::newRow("no device known") << qint16(1) << QString() << QByteArray("# port: Com1\n");
}

void TestHistory::analysisNamesItsInstrument()
{
    QFETCH(qint16, port);
    QFETCH(QString, device);
    QFETCH(QByteArray, named);

    ReadingHistory history;
    history.add({port, device, kStart, QStringLiteral("145.1234567")});
    history.add({port, device, kStart.addSecs(1), QStringLiteral("ERR")});
    const QByteArray text = analysisText(history, 0, 2, Statistics::of(history, 0, 2));
    QVERIFY2(text.contains(named), text.constData());
    // Every digit the counter sent, and nothing for what is not a number.
    QVERIFY2(text.endsWith("\n145123456.7\n"), text.constData());
}

void TestHistory::countersOwnFormats_data()
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

void TestHistory::countersOwnFormats()
{
    QFETCH(QString, text);
    QFETCH(double, mhz);
    QCOMPARE(frequencyMHz(text), mhz);
}

void TestHistory::notAReading_data()
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

void TestHistory::notAReading()
{
    QFETCH(QString, text);
    QVERIFY2(std::isnan(frequencyMHz(text)), qPrintable(QString::number(frequencyMHz(text))));
}

namespace {

qint64 localMsecs(const char *text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toMSecsSinceEpoch();
}

} // namespace

void TestHistory::chartTimeTicks_data()
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

void TestHistory::chartTimeTicks()
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

void TestHistory::chartValueTicks_data()
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

void TestHistory::chartValueTicks()
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

void TestHistory::chartColumns()
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

void TestHistory::fieldQuoting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("a plain reading") << QStringLiteral("145.2371") << QByteArray("145.2371");
    QTest::newRow("a comma") << QStringLiteral("145,2") << QByteArray("\"145,2\"");
    QTest::newRow("a quote, doubled") << QStringLiteral("14\"5") << QByteArray(R"("14""5")");
    QTest::newRow("a comma and a quote") << QStringLiteral("1,\"5\"") << QByteArray(R"("1,""5""")");
    QTest::newRow("a control character") << QStringLiteral("14\t5") << QByteArray("\"14\t5\"");
    QTest::newRow("beyond ASCII, as UTF-8")
            << QString::fromLatin1("\xB5") << QByteArray("\xC2\xB5");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestHistory::fieldQuoting()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QCOMPARE(CsvRecorder::field(text), field);
}

void TestHistory::timestampIsLocalWithOffset()
{
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1'765'000'000'123, Qt::UTC);
    const QString stamp = CsvRecorder::timestamp(when);
    static const QRegularExpression iso(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.123[+-]\\d\\d:\\d\\d$"));
    QVERIFY2(iso.match(stamp).hasMatch(), qPrintable(stamp));
    // The same instant, read back.
    QCOMPARE(QDateTime::fromString(stamp, Qt::ISODateWithMs).toMSecsSinceEpoch(),
             when.toMSecsSinceEpoch());
    QCOMPARE(stamp.left(19), when.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
}

void TestHistory::timestampInAHalfHourZone_data()
{
    QTest::addColumn<qint64>("msecs");
    QTest::addColumn<QString>("stamp");

    // CMake runs this test with TZ=America/St_Johns: 3.5 hours behind UTC in
    // winter, 2.5 in summer.
    QTest::newRow("winter, standard time")
            << QDateTime(QDate(2026, 1, 15), QTime(12, 0, 0, 123), Qt::UTC).toMSecsSinceEpoch()
            << QStringLiteral("2026-01-15T08:30:00.123-03:30");
    QTest::newRow("summer, daylight saving time")
            << QDateTime(QDate(2026, 7, 15), QTime(12, 0, 0, 123), Qt::UTC).toMSecsSinceEpoch()
            << QStringLiteral("2026-07-15T09:30:00.123-02:30");
    QTest::newRow("the evening before, across midnight")
            << QDateTime(QDate(2026, 12, 8), QTime(2, 59, 59, 999), Qt::UTC).toMSecsSinceEpoch()
            << QStringLiteral("2026-12-07T23:29:59.999-03:30");
}

void TestHistory::timestampInAHalfHourZone()
{
    QFETCH(qint64, msecs);
    QFETCH(QString, stamp);
    if (QDateTime::fromMSecsSinceEpoch(msecs).offsetFromUtc() % 3600 == 0)
        QSKIP("not run in a zone with a half-hour offset (TZ=America/St_Johns)");
    QCOMPARE(CsvRecorder::timestamp(QDateTime::fromMSecsSinceEpoch(msecs)), stamp);
}

void TestHistory::headerOnlyOnceAcrossTwoRuns()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    const ReceivedReading first{1, QStringLiteral("/dev/ttyUSB0"), kStart, QStringLiteral("145.2")};
    const ReceivedReading second{2, QStringLiteral("/dev/ttyS0"), kStart.addSecs(1),
                                 QStringLiteral("433,92")};
    {
        CsvRecorder run(path);
        run.append(first);
    }
    {
        CsvRecorder run(path);
        run.append(second);
    }
    const QList<QByteArray> lines = fileLines(path);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QByteArray("time,port,device,reading\r"));
    QCOMPARE(lines.at(1), CsvRecorder::line(first) + '\r');
    QCOMPARE(lines.at(2), CsvRecorder::line(second) + '\r');
    QVERIFY(lines.at(2).endsWith(",2,/dev/ttyS0,\"433,92\"\r"));
}

void TestHistory::tornLastLineIsEndedFirst()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    const ReceivedReading reading{1, QStringLiteral("/dev/ttyUSB0"), kStart,
                                  QStringLiteral("145.2")};
    const QByteArray whole = "time,port,device,reading\r\n" + CsvRecorder::line(reading) + "\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(whole + "2026-12-07T15:2"); // a run ended in mid-line
    }
    CsvRecorder(path).append(reading);
    const QList<QByteArray> lines = fileLines(path);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), CsvRecorder::line(reading) + '\r');
    QCOMPARE(lines.at(2), QByteArray("2026-12-07T15:2\r"));
    QCOMPARE(lines.at(3), CsvRecorder::line(reading) + '\r');
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
