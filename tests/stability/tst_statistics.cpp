// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historytesting.h"
#include "powerlaw.h"
#include "readinghistory.h"
#include "stabilityconfidence.h"
#include "statistics.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

using namespace freqcounter;
using freqcounter::test::historyOf;
using freqcounter::test::kStart;
using freqcounter::test::powerLaw;
namespace Confidence = freqcounter::StabilityConfidence;

namespace {

constexpr double kAbsent = std::numeric_limits<double>::quiet_NaN();

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

// Fractional frequencies as readings around `centre` MHz, the i-th at
// times[i] ms from the start (one a second when none are given).
ReadingHistory fromFrequencies(const std::vector<double> &y, const std::vector<qint64> &times = {},
                               double centre = 10.0)
{
    ReadingHistory history;
    for (std::size_t i = 0; i < y.size(); ++i) {
        const double mhz = centre * (1.0 + 1e-7 * y[i]);
        const qint64 ms = times.empty() ? qint64(i) * 1000 : times[i];
        history.add({1, {}, kStart.addMSecs(ms), QString::number(mhz, 'g', 17)});
    }
    return history;
}

// One a second, with a slot left empty after each piece of these lengths.
std::vector<qint64> inPieces(const std::vector<qsizetype> &lengths)
{
    std::vector<qint64> times;
    qint64 slot = 0;
    for (const qsizetype length : lengths) {
        for (qsizetype i = 0; i < length; ++i)
            times.push_back(1000 * slot++);
        ++slot;
    }
    return times;
}

// Time intervals in the unit, one a second.
ReadingHistory intervalHistoryOf(const QStringList &texts, const QString &unit)
{
    ReadingHistory history;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        ReceivedReading reading{1, {}, kStart.addSecs(i), texts.at(i)};
        reading.unit = unit;
        history.add(reading);
    }
    return history;
}

Statistics figures(const ReadingHistory &history)
{
    return Statistics::of(history, 0, history.size());
}

const Statistics::Deviation *at(const QList<Statistics::Deviation> &list, double tau)
{
    for (const Statistics::Deviation &d : list) {
        if (d.tauSeconds == tau)
            return &d;
    }
    return nullptr;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statistics_data();
    void statistics();
    void publishedStabilitySuite_data();
    void publishedStabilitySuite();
    void thousandPointSetTakenAsPhase_data();
    void thousandPointSetTakenAsPhase();
    void movingSpanGivesTheFiguresOfAFreshOne_data();
    void movingSpanGivesTheFiguresOfAFreshOne();
    void degreesOfFreedomThroughTheFigures();
    void tooFewAveragesGiveTheWidestBounds();
    void boundsBracketAndWidenAtLongTau_data();
    void boundsBracketAndWidenAtLongTau();
    void gapCutsTheSeries();
    void grid_data();
    void grid();
    void gappedNoiseIsTheUnbrokenOne_data();
    void gappedNoiseIsTheUnbrokenOne();
    void driftRemovedLeavesTheNoise();
    void stepAtAGapMakesUpNoNoise_data();
    void stepAtAGapMakesUpNoNoise();
    void interval_data();
    void interval();
    void noFigures_data();
    void noFigures();
    void degreesOfFreedomAcrossGaps();
};

void TestStatistics::statistics_data()
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

void TestStatistics::statistics()
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
    TimeDeviation,
    Total,
    ModifiedTotal,
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

void TestStatistics::publishedStabilitySuite_data()
{
    QTest::addColumn<QList<double>>("data");
    QTest::addColumn<Statistic>("statistic");
    QTest::addColumn<int>("tau");
    QTest::addColumn<double>("published");
    QTest::addColumn<bool>("asPhase");

    // Frequency data as published, with their deviations in the data's own
    // units; and each deviation again from the phase the data integrate to,
    // as a time-interval counter would read it.
    const QList<double> thousand = thousandPointSet();
    const QList<double> nbs14{892, 809, 823, 798, 671, 644, 883, 903, 677};
    const auto row = [](const char *name, const QList<double> &data, Statistic statistic, int tau,
                        double published) {
        QTest::newRow(name) << data << statistic << tau << published << false;
        if (statistic != Statistic::StandardDeviation) {
            QTest::addRow("%s, from its phase", name)
                    << data << statistic << tau << published << true;
        }
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
    // NIST SP 1065, table 31: the total deviation by the doubly reflected
    // method; the modified total with white FM's bias taken out, as the
    // 1000-point set is white FM.
    row("1000-point, total deviation at 1", thousand, Statistic::Total, 1, 2.922319e-01);
    row("1000-point, total deviation at 10", thousand, Statistic::Total, 10, 9.134743e-02);
    row("1000-point, total deviation at 100", thousand, Statistic::Total, 100, 3.406530e-02);
    row("1000-point, modified total deviation at 1", thousand, Statistic::ModifiedTotal, 1,
        2.418528e-01);
    row("1000-point, modified total deviation at 10", thousand, Statistic::ModifiedTotal, 10,
        6.499161e-02);
    row("1000-point, modified total deviation at 100", thousand, Statistic::ModifiedTotal, 100,
        2.287774e-02);
    row("NBS14, standard deviation", nbs14, Statistic::StandardDeviation, 1, 100.9770);
    row("NBS14, Allan deviation at 1", nbs14, Statistic::Allan, 1, 91.22945);
    row("NBS14, overlapping Allan deviation at 1", nbs14, Statistic::OverlappingAllan, 1, 91.22945);
    row("NBS14, overlapping Allan deviation at 2", nbs14, Statistic::OverlappingAllan, 2, 85.95287);
    row("NBS14, modified Allan deviation at 1", nbs14, Statistic::ModifiedAllan, 1, 91.22945);
    row("NBS14, modified Allan deviation at 2", nbs14, Statistic::ModifiedAllan, 2, 74.78849);
}

void TestStatistics::publishedStabilitySuite()
{
    QFETCH(QList<double>, data);
    QFETCH(Statistic, statistic);
    QFETCH(int, tau);
    QFETCH(double, published);
    QFETCH(bool, asPhase);

    // Readings of 10 MHz (1 + 1e-6 x), a second apart, as a counter would send
    // them. Their fractional frequency is 1e-5 (x - mean x) / mean MHz, so a
    // deviation of x appears scaled by 1e-5 / mean MHz. As phase, x is read
    // in nanoseconds a second: the phase runs on by x ns each second.
    QStringList texts;
    double sum = 0;
    double phaseNs = 0;
    for (const double x : data) {
        const double mhz = 10.0 * (1.0 + 1e-6 * x);
        texts.append(QString::number(asPhase ? phaseNs : mhz, 'g', 17));
        sum += mhz;
        phaseNs += x;
    }
    if (asPhase)
        texts.append(QString::number(phaseNs, 'g', 17));
    const double scale = asPhase ? 1e-9 : 1e-5 / (sum / double(data.size()));
    const ReadingHistory history
            = asPhase ? intervalHistoryOf(texts, QStringLiteral("ns")) : historyOf(texts);
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
    case Statistic::Total:
        at(s.totalDeviation);
        break;
    case Statistic::ModifiedTotal:
        at(s.modifiedTotal);
        break;
    }
    QVERIFY2(computed, "no figure at that tau");
    QVERIFY2(std::abs(*computed / published - 1.0) < 1e-6,
             qPrintable(
                     QStringLiteral("%1, published %2").arg(*computed, 0, 'g', 10).arg(published)));
}

void TestStatistics::thousandPointSetTakenAsPhase_data()
{
    QTest::addColumn<Statistic>("statistic");
    QTest::addColumn<int>("tau");
    QTest::addColumn<int>("missed"); // the reading left out; -1 for none

    for (const int missed : {-1, 500}) {
        for (const int tau : {1, 10, 100}) {
            const char *gap = missed < 0 ? "" : ", a reading missed";
            QTest::addRow("overlapping Allan at %d%s", tau, gap)
                    << Statistic::OverlappingAllan << tau << missed;
            QTest::addRow("Allan at %d%s", tau, gap) << Statistic::Allan << tau << missed;
            QTest::addRow("modified Allan at %d%s", tau, gap)
                    << Statistic::ModifiedAllan << tau << missed;
            QTest::addRow("time deviation at %d%s", tau, gap)
                    << Statistic::TimeDeviation << tau << missed;
        }
    }
}

void TestStatistics::thousandPointSetTakenAsPhase()
{
    QFETCH(Statistic, statistic);
    QFETCH(int, tau);
    QFETCH(int, missed);

    // The set as phase in nanoseconds, one a second; each deviation straight
    // from the handbook's phase formulas, every term that needs the missed
    // reading left out.
    const QList<double> x = thousandPointSet();
    QStringList texts;
    for (qsizetype i = 0; i < x.size(); ++i)
        texts.append(i == missed ? QStringLiteral("ERR") : QString::number(x.at(i), 'g', 17));
    const ReadingHistory history = intervalHistoryOf(texts, QStringLiteral("ns"));
    const Statistics s = figures(history);
    QCOMPARE(s.gaps, missed < 0 ? 0 : 1);

    const auto n = int(x.size());
    const int m = tau;
    const auto clear = [&](int from, int to) { return missed < from || missed > to; };
    const auto second = [&](int i) { return x.at(i + 2 * m) - 2 * x.at(i + m) + x.at(i); };
    long double sum = 0;
    qsizetype terms = 0;
    if (statistic == Statistic::ModifiedAllan || statistic == Statistic::TimeDeviation) {
        for (int j = 0; j + 3 * m - 1 < n; ++j) {
            if (!clear(j, j + 3 * m - 1))
                continue;
            long double inner = 0;
            for (int i = j; i < j + m; ++i)
                inner += second(i);
            sum += inner * inner;
            ++terms;
        }
    } else {
        const int stride = statistic == Statistic::Allan ? m : 1;
        // The normal estimator's terms follow on from each piece's first.
        for (int i = 0; i + 2 * m < n; i += stride) {
            if (statistic == Statistic::Allan && missed >= 0 && i <= missed
                && i + 2 * m >= missed) {
                // Past the gap, the terms start again from its first reading.
                i = missed + 1 - stride;
                continue;
            }
            if (!clear(i, i + 2 * m))
                continue;
            sum += second(i) * second(i);
            ++terms;
        }
    }
    const double modifiedPower
            = statistic == Statistic::ModifiedAllan || statistic == Statistic::TimeDeviation
            ? double(m) * double(m)
            : 1.0;
    double truth = double(std::sqrt(sum / (2.0L * (long double)terms))) / double(m)
            / std::sqrt(modifiedPower);
    if (statistic == Statistic::TimeDeviation)
        truth *= double(m) / std::sqrt(3.0);

    const QList<Statistics::Deviation> &list = statistic == Statistic::Allan ? s.allan
            : statistic == Statistic::OverlappingAllan                       ? s.overlappingAllan
            : statistic == Statistic::ModifiedAllan                          ? s.modifiedAllan
                                                                             : s.timeDeviation;
    const Statistics::Deviation *d = at(list, double(tau));
    QVERIFY2(d, "no figure at that tau");
    QCOMPARE(d->terms, terms);
    QVERIFY2(std::abs(d->value / 1e-9 / truth - 1.0) < 1e-9,
             qPrintable(QStringLiteral("%1, from the phase formula %2")
                                .arg(d->value / 1e-9, 0, 'g', 12)
                                .arg(truth, 0, 'g', 12)));
}

void TestStatistics::movingSpanGivesTheFiguresOfAFreshOne_data()
{
    QTest::addColumn<QString>("unit"); // of time intervals; none for frequencies
    QTest::newRow("frequencies") << QString();
    QTest::newRow("phases") << QStringLiteral("ns");
}

void TestStatistics::movingSpanGivesTheFiguresOfAFreshOne()
{
    QFETCH(QString, unit);
    // Noise and a drift, a reading now and then that is no number, a pause
    // of ten seconds, and the oldest readings dropped as the history is
    // bounded.
    QStringList texts;
    const QList<double> noise = thousandPointSet();
    for (int i = 0; i < 3000; ++i)
        texts.append(i % 397 == 5
                             ? QStringLiteral("ERR")
                             : QString::number((unit.isEmpty() ? 145.0 : 0.0)
                                                       + 1e-6 * (noise.at(i % 1000) + 0.01 * i),
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
        ReceivedReading reading{1, {}, kStart.addMSecs(qint64(100) * i + pause), texts.at(i)};
        if (i % 397 != 5)
            reading.unit = unit;
        history.add(reading);
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
        if (unit.isEmpty())
            compareClose(kept.stdDevHz, *fresh.stdDevHz, "standard deviation");
        else
            compareClose(kept.phase->stdDevSeconds, *fresh.phase->stdDevSeconds, "phase");
    }
}

void TestStatistics::degreesOfFreedomThroughTheFigures()
{
    // 256 readings of white FM, identified as such at 5 tau0: each
    // estimator's EDF is the exact one (worked out as above); the time
    // deviation's is the modified Allan deviation's.
    const Statistics s = figures(fromFrequencies(powerLaw(256, 0, 12)));
    const std::pair<const QList<Statistics::Deviation> *, double> expected[] = {
            {&s.overlappingAllan, 71.272},
            {&s.modifiedAllan, 48.475},
            {&s.overlappingHadamard, 59.481},
            {&s.timeDeviation, 48.475},
    };
    for (const auto &[list, exact] : expected) {
        const Statistics::Deviation *d = at(*list, 5);
        QVERIFY(d);
        QCOMPARE(d->noise, std::optional<int>(Confidence::WhiteFM));
        QVERIFY2(std::abs(d->edf / exact - 1) < 0.04, qPrintable(QString::number(d->edf)));
    }
}

void TestStatistics::tooFewAveragesGiveTheWidestBounds()
{
    // 256 readings of white FM have 12 averages of 20: too few to tell the
    // noise. The bounds are the widest any noise gives, well wider than
    // white FM's own, whose exact EDFs (worked out as above) are these.
    const Statistics s = figures(fromFrequencies(powerLaw(256, 0, 14)));
    const std::pair<const QList<Statistics::Deviation> *, double> exact[] = {
            {&s.overlappingAllan, 17.007},
            {&s.modifiedAllan, 10.197},
            {&s.overlappingHadamard, 13.497},
    };
    for (const auto &[list, whiteFM] : exact) {
        const Statistics::Deviation *d = at(*list, 20);
        QVERIFY(d);
        QCOMPARE(d->noise, std::nullopt);
        QVERIFY2(d->edf < 0.9 * whiteFM, qPrintable(QString::number(d->edf)));
    }
    QCOMPARE(at(s.overlappingAllan, 2)->noise, std::optional<int>(Confidence::WhiteFM));
}

void TestStatistics::boundsBracketAndWidenAtLongTau_data()
{
    QTest::addColumn<double>("centre");

    QTest::newRow("around 10 MHz") << 10.0;
    QTest::newRow("around -10 MHz, a negative reading") << -10.0;
}

void TestStatistics::boundsBracketAndWidenAtLongTau()
{
    QFETCH(double, centre);

    const std::vector<double> y = powerLaw(2000, 0, 7);
    const Statistics s = figures(fromFrequencies(y, {}, centre));
    double lastRatio = 1;
    for (const double tau : {1.0, 10.0, 100.0}) {
        const Statistics::Deviation *d = at(s.overlappingAllan, tau);
        QVERIFY(d);
        QVERIFY(0 < d->low && d->low < d->value && d->value < d->high);
        // Above by more than below, and more so with fewer degrees of freedom.
        const double ratio = (d->high - d->value) / (d->value - d->low);
        QVERIFY2(ratio > lastRatio, qPrintable(QStringLiteral("tau %1: %2").arg(tau).arg(ratio)));
        lastRatio = ratio;
    }
}

void TestStatistics::gapCutsTheSeries()
{
    // The second half offset by 100 Hz after a pause: two halves of white
    // FM, not one step.
    const std::vector<double> y = powerLaw(600, 0, 9);
    std::vector<double> offset = y;
    for (std::size_t i = 300; i < offset.size(); ++i)
        offset[i] += 100;
    const Statistics cut = figures(fromFrequencies(offset, inPieces({300, 300})));
    const Statistics whole = figures(fromFrequencies(y));
    QCOMPARE(cut.gaps, qsizetype(1));
    QCOMPARE(whole.gaps, qsizetype(0));
    const auto close = [](const Statistics::Deviation *a, const Statistics::Deviation *b) {
        return a && b && std::abs(a->value / b->value - 1) < 0.05;
    };
    for (const double tau : {1.0, 10.0}) {
        QVERIFY(close(at(cut.overlappingAllan, tau), at(whole.overlappingAllan, tau)));
        QVERIFY(close(at(cut.modifiedAllan, tau), at(whole.modifiedAllan, tau)));
        QVERIFY(close(at(cut.overlappingHadamard, tau), at(whole.overlappingHadamard, tau)));
    }
    // Without the pause, the step is read as data.
    const Statistics stepped = figures(fromFrequencies(offset));
    QVERIFY(at(stepped.overlappingAllan, 10)->value > 5 * at(whole.overlappingAllan, 10)->value);
}

void TestStatistics::grid_data()
{
    QTest::addColumn<std::vector<qint64>>("times");
    QTest::addColumn<qsizetype>("gaps");

    // Readings on a 1 s grid, each up to 20 % early or late (pauses of
    // 1 s +-40 %), with 300 single readings missing.
    std::mt19937_64 random(21);
    std::uniform_int_distribution<qint64> early(-200, 200);
    std::vector<qint64> jittered;
    for (qint64 slot = 0; slot < 1500; ++slot) {
        if (slot % 5 != 3)
            jittered.push_back(slot * 1000 + early(random));
    }
    QTest::newRow("single missed readings under +-40 % jitter: all gaps")
            << jittered << qsizetype(300);
    // A PC stamping a counter: each stamp up to 30 % early or late.
    const auto stamped = [&random](qsizetype count, qint64 missedEvery, double stretch) {
        std::uniform_int_distribution<qint64> off(-300, 300);
        std::vector<qint64> times;
        for (qint64 slot = 0; qsizetype(times.size()) < count; ++slot) {
            if (missedEvery == 0 || slot % missedEvery != missedEvery - 1)
                times.push_back(qint64(double(slot * 1000) * (1 + stretch * double(slot)))
                                + off(random));
        }
        return times;
    };
    QTest::newRow("+-30 %: no gap") << stamped(20'000, 0, 0) << qsizetype(0);
    QTest::newRow("+-30 %, every seventh missed: all gaps")
            << stamped(6'000, 7, 0) << qsizetype(999);
    QTest::newRow("+-30 %, the interval growing by 1 % over the run: no gap")
            << stamped(5'000, 0, 1e-2 / 5'000) << qsizetype(0);
    // One pause either side of one and a half intervals, the counter
    // reading on a second apart from there.
    const auto paused = [](qint64 pause) {
        std::vector<qint64> times;
        for (qint64 i = 0; i < 200; ++i)
            times.push_back(1000 * i + (i < 100 ? 0 : pause - 1000));
        return times;
    };
    QTest::newRow("a pause of 1.49 intervals: no gap") << paused(1490) << qsizetype(0);
    QTest::newRow("a pause of 1.51 intervals: a gap") << paused(1510) << qsizetype(1);
    // A counter with a 1 s gate, read over RS-232: 1150 +- 50 ms.
    std::uniform_int_distribution<qint64> pause(1100, 1200);
    std::vector<qint64> slow{0};
    while (slow.size() < 1500)
        slow.push_back(slow.back() + pause(random));
    QTest::newRow("1150 +- 50 ms: no gap") << slow << qsizetype(0);
}

void TestStatistics::grid()
{
    QFETCH(std::vector<qint64>, times);
    QFETCH(qsizetype, gaps);

    const Statistics s = figures(fromFrequencies(powerLaw(times.size(), 0, 22), times));
    QCOMPARE(s.gaps, gaps);
}

void TestStatistics::gappedNoiseIsTheUnbrokenOne_data()
{
    QTest::addColumn<double>("beta");

    QTest::newRow("white FM") << 0.0;
    QTest::newRow("random walk FM") << 2.0;
}

void TestStatistics::gappedNoiseIsTheUnbrokenOne()
{
    QFETCH(double, beta);

    // Pieces of 10 to 60 readings, one missing between each two.
    std::mt19937_64 random(31);
    std::uniform_int_distribution<qsizetype> length(10, 60);
    std::vector<qsizetype> lengths;
    qsizetype total = 0;
    while (total < 4000) {
        lengths.push_back(length(random));
        total += lengths.back();
    }
    const std::vector<double> y = powerLaw(std::size_t(total), beta, 32);
    const Statistics gapped = figures(fromFrequencies(y, inPieces(lengths)));
    const Statistics unbroken = figures(fromFrequencies(y));
    QVERIFY(gapped.gaps > 60);
    int compared = 0;
    for (const Statistics::Deviation &d : unbroken.overlappingAllan) {
        const Statistics::Deviation *other = at(gapped.overlappingAllan, d.tauSeconds);
        if (!d.noise || !other || !other->noise)
            continue;
        QVERIFY2(other->noise == d.noise,
                 qPrintable(QStringLiteral("at %1 s: %2 for %3")
                                    .arg(d.tauSeconds)
                                    .arg(Confidence::noiseName(other->noise),
                                         Confidence::noiseName(d.noise))));
        ++compared;
    }
    // Where the pieces hold enough pairs of averages: up to 10 s at least.
    QVERIFY(compared >= 4);
}

void TestStatistics::driftRemovedLeavesTheNoise()
{
    // The same noise with and without a drift that swamps it at long τ, in
    // two pieces: with the drift of the fit taken out, every deviation is
    // the same, since the fit's slope moves by exactly the drift.
    const std::vector<double> noise = powerLaw(3000, 1, 34);
    const std::vector<qint64> times = inPieces({1700, 1300});
    std::vector<double> drifting = noise;
    for (std::size_t i = 0; i < drifting.size(); ++i)
        drifting[i] += 5e-5 * double(times[i]);
    Statistics::Options removed;
    removed.removeDrift = true;
    const ReadingHistory steady = fromFrequencies(noise, times);
    const ReadingHistory drifted = fromFrequencies(drifting, times);
    const Statistics plain = Statistics::of(steady, 0, steady.size(), removed);
    const Statistics taken = Statistics::of(drifted, 0, drifted.size(), removed);
    const Statistics left = figures(drifted);
    QVERIFY(taken.driftRemoved && !left.driftRemoved);
    QVERIFY(left.overlappingAllan.last().value > 10 * taken.overlappingAllan.last().value);
    const auto lists = {&Statistics::allan,          &Statistics::overlappingAllan,
                        &Statistics::modifiedAllan,  &Statistics::overlappingHadamard,
                        &Statistics::totalDeviation, &Statistics::modifiedTotal,
                        &Statistics::theoBR};
    for (const auto list : lists) {
        QCOMPARE((taken.*list).size(), (plain.*list).size());
        QVERIFY(!(plain.*list).isEmpty());
        for (qsizetype k = 0; k < (plain.*list).size(); ++k)
            compareClose((taken.*list)[k].value, (plain.*list)[k].value, "without the drift");
    }
}

void TestStatistics::stepAtAGapMakesUpNoNoise_data()
{
    gappedNoiseIsTheUnbrokenOne_data();
}

void TestStatistics::stepAtAGapMakesUpNoNoise()
{
    QFETCH(double, beta);

    // Two pieces of 3000 readings, the counter re-locked between them at a
    // frequency 30 times the noise's spread away.
    std::vector<double> y = powerLaw(6000, beta, 33);
    const Statistics steady = figures(fromFrequencies(y, inPieces({3000, 3000})));
    double spread = 0;
    for (const double v : y)
        spread += v * v;
    spread = std::sqrt(spread / double(y.size()));
    for (std::size_t i = 3000; i < y.size(); ++i)
        y[i] += 30 * spread;
    const Statistics stepped = figures(fromFrequencies(y, inPieces({3000, 3000})));
    QCOMPARE(stepped.gaps, qsizetype(1));
    int named = 0;
    for (const Statistics::Deviation &d : steady.overlappingAllan) {
        const Statistics::Deviation *other = at(stepped.overlappingAllan, d.tauSeconds);
        QVERIFY(other);
        QCOMPARE(other->noise, d.noise);
        named += d.noise ? 1 : 0;
    }
    QVERIFY(named >= 5);
}

void TestStatistics::interval_data()
{
    QTest::addColumn<std::vector<qint64>>("times");
    QTest::addColumn<std::optional<double>>("tau0");

    QTest::newRow("a long pause leaves it") << inPieces({50, 50}) << std::optional<double>(1.0);
    QTest::newRow("an odd count: the middle pause")
            << std::vector<qint64>{0, 1000, 2004, 3008} << std::optional<double>(1.004);
    QTest::newRow("an even count: the mean of the two middle ones")
            << std::vector<qint64>{0, 1000, 2004, 3004, 4008} << std::optional<double>(1.002);
    std::vector<qint64> shared;
    for (qint64 i = 0; i < 100; ++i)
        shared.push_back(1000 * (i / 5));
    QTest::newRow("stamps shared five by five: the pauses that move")
            << shared << std::optional<double>(1.0);
    // A reading stamped before the one before is held at its time.
    std::vector<qint64> back;
    for (qint64 i = 0; i < 100; ++i)
        back.push_back(1000 * i - (i < 60 ? 0 : 3'600'000));
    QTest::newRow("a clock set back an hour") << back << std::optional<double>(1.0);
}

void TestStatistics::interval()
{
    QFETCH(std::vector<qint64>, times);
    QFETCH(std::optional<double>, tau0);

    const Statistics s = figures(fromFrequencies(powerLaw(times.size(), 0, 11), times));
    QCOMPARE(s.tau0Seconds, tau0);
    QVERIFY(!s.missing);
}

void TestStatistics::noFigures_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<std::vector<qint64>>("times");
    QTest::addColumn<Statistics::Missing>("why");

    using Missing = Statistics::Missing;
    QTest::newRow("one reading") << QStringList{QStringLiteral("10")} << std::vector<qint64>{0}
                                 << Missing::TooFewNumbers;
    QTest::newRow("only error codes")
            << QStringList{QStringLiteral("ERR 3"), QStringLiteral("ERR 3")}
            << std::vector<qint64>{0, 1000} << Missing::TooFewNumbers;
    QTest::newRow("every time stamp the same")
            << QStringList{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")}
            << std::vector<qint64>{0, 0, 0} << Missing::NoInterval;
    QTest::newRow("a mean of zero")
            << QStringList{QStringLiteral("1"), QStringLiteral("-1"), QStringLiteral("1"),
                           QStringLiteral("-1")}
            << std::vector<qint64>{0, 1000, 2000, 3000} << Missing::ZeroMean;
    QTest::newRow("an error code after each reading")
            << QStringList{QStringLiteral("10"), QStringLiteral("ERR"), QStringLiteral("11"),
                           QStringLiteral("ERR"), QStringLiteral("12")}
            << std::vector<qint64>{0, 1000, 2000, 3000, 4000} << Missing::NoTwoInARow;
}

void TestStatistics::noFigures()
{
    QFETCH(QStringList, texts);
    QFETCH(std::vector<qint64>, times);
    QFETCH(Statistics::Missing, why);

    ReadingHistory history;
    for (qsizetype i = 0; i < texts.size(); ++i)
        history.add({1, {}, kStart.addMSecs(times[std::size_t(i)]), texts.at(i)});
    const Statistics s = figures(history);
    QCOMPARE(s.missing, std::optional<Statistics::Missing>(why));
    QVERIFY(s.allan.isEmpty() && s.overlappingAllan.isEmpty());
    QVERIFY(!Statistics::missingText(why).isEmpty());
}

void TestStatistics::degreesOfFreedomAcrossGaps()
{
    // White FM in pieces of 120, 200, 300 and 500 readings: at 20 s the exact
    // EDF (worked out as in tst_stabilityconfidence) is 75.189, where one
    // series with as many terms would have 72.829.
    const std::vector<double> y = powerLaw(1120, 0, 13);
    const Statistics s = figures(fromFrequencies(y, inPieces({120, 200, 300, 500})));
    QCOMPARE(s.gaps, qsizetype(3));
    const Statistics::Deviation *d = at(s.overlappingAllan, 20);
    QVERIFY(d);
    QCOMPARE(d->noise, std::optional<int>(Confidence::WhiteFM));
    QVERIFY2(std::abs(d->edf / 75.189 - 1) < 0.01, qPrintable(QString::number(d->edf)));
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
