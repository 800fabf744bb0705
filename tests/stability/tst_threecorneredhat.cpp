// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historytesting.h"
#include "readinghistory.h"
#include "statistics.h"
#include "threecorneredhat.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

using namespace freqcounter;
using freqcounter::test::kStart;
using Told = ThreeCorneredHat::Oscillator::Told;
using Three = std::array<double, 3>;
using ThreeTold = std::array<Told, 3>;

namespace {

Statistics::Deviation deviation(double tau, double value, double low, double high)
{
    Statistics::Deviation d;
    d.tauSeconds = tau;
    d.value = value;
    d.low = low;
    d.high = high;
    return d;
}

// A pair's difference as the readings of a 10 MHz counter, one a second.
ReadingHistory recorded(const std::vector<double> &y)
{
    ReadingHistory history;
    for (std::size_t i = 0; i < y.size(); ++i) {
        history.add({1,
                     {},
                     kStart.addMSecs(qint64(i) * 1000),
                     QString::number(10.0 * (1.0 + y[i]), 'g', 17)});
    }
    return history;
}

QList<Statistics::Deviation> overlappingAllan(const std::vector<double> &y)
{
    const ReadingHistory history = recorded(y);
    Statistics::Options options;
    options.slow = false;
    return Statistics::of(history, 0, history.size(), options).overlappingAllan;
}

} // namespace

class TestThreeCorneredHat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactVariances_data();
    void exactVariances();
    void tausMatchWithinTheirRounding();
    void whiteFrequencyNoise_data();
    void whiteFrequencyNoise();
    void spansDiffer_data();
    void spansDiffer();
};

// Pairs' variances of whole numbers, so that each oscillator's follows
// exactly: the pairs' σ², low² and high², and A's, B's and C's (0 where
// nothing is told).
void TestThreeCorneredHat::exactVariances_data()
{
    QTest::addColumn<Three>("pairs"); // AB, BC, CA
    QTest::addColumn<Three>("lows");
    QTest::addColumn<Three>("highs");
    QTest::addColumn<ThreeTold>("told"); // A, B, C
    QTest::addColumn<Three>("variances");
    QTest::addColumn<Three>("lowVariances");
    QTest::addColumn<Three>("highVariances");

    // A 1, B 4, C 16; A's lower bound (4 + 15 - 22) / 2 is below zero.
    QTest::newRow("all three told")
            << Three{5, 20, 17} << Three{4, 18, 15} << Three{6, 22, 19}
            << ThreeTold{Told::Deviation, Told::Deviation, Told::Deviation} << Three{1, 4, 16}
            << Three{0, 1.5, 13.5} << Three{3.5, 6.5, 18.5};
    // A's estimate (4 + 4 - 10) / 2 is negative; its upper bound (5 + 5 - 8) / 2 is not.
    QTest::newRow("A below the others: an upper limit")
            << Three{4, 10, 4} << Three{3, 8, 3} << Three{5, 12, 5}
            << ThreeTold{Told::UpperLimit, Told::Deviation, Told::Deviation} << Three{0, 5, 5}
            << Three{0, 3, 3} << Three{1, 7, 7};
    // B's upper bound (5 + 5 - 18) / 2 is negative too.
    QTest::newRow("B far below: nothing told")
            << Three{4, 4, 20} << Three{3, 3, 18} << Three{5, 5, 22}
            << ThreeTold{Told::Deviation, Told::Nothing, Told::Deviation} << Three{10, 0, 10}
            << Three{8, 0, 8} << Three{12, 0, 12};
    // C's estimate is exactly zero: no deviation of 0 is made up.
    QTest::newRow("C zero: an upper limit")
            << Three{8, 4, 4} << Three{7, 3, 3} << Three{9, 5, 5}
            << ThreeTold{Told::Deviation, Told::Deviation, Told::UpperLimit} << Three{4, 4, 0}
            << Three{2.5, 2.5, 0} << Three{5.5, 5.5, 1.5};
}

void TestThreeCorneredHat::exactVariances()
{
    QFETCH(Three, pairs);
    QFETCH(Three, lows);
    QFETCH(Three, highs);
    QFETCH(ThreeTold, told);
    QFETCH(Three, variances);
    QFETCH(Three, lowVariances);
    QFETCH(Three, highVariances);

    QList<Statistics::Deviation> lists[3];
    for (int pair = 0; pair < 3; ++pair) {
        lists[pair].append(deviation(10, std::sqrt(pairs[pair]), std::sqrt(lows[pair]),
                                     std::sqrt(highs[pair])));
    }
    const QList<ThreeCorneredHat::Row> rows
            = ThreeCorneredHat::separate(lists[0], lists[1], lists[2]);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().tauSeconds, 10.0);
    const auto close = [](double actual, double expected) {
        return std::abs(actual - expected) <= 1e-12 * std::max(1.0, expected);
    };
    for (int i = 0; i < 3; ++i) {
        const ThreeCorneredHat::Oscillator &o = rows.first().oscillators[i];
        const QByteArray which(1, char('A' + i));
        QVERIFY2(o.told == told[i], which.constData());
        if (o.told == Told::Deviation) {
            QVERIFY2(close(o.deviation * o.deviation, variances[i]), which.constData());
            QVERIFY2(close(o.low * o.low, lowVariances[i]), which.constData());
        }
        if (o.told != Told::Nothing)
            QVERIFY2(close(o.high * o.high, highVariances[i]), which.constData());
    }
}

// A τ worked out in another file may differ in its last bits; one that a
// pair lacks gives no row.
void TestThreeCorneredHat::tausMatchWithinTheirRounding()
{
    const QList<Statistics::Deviation> ab{deviation(1, 3, 2, 4), deviation(10, 3, 2, 4),
                                          deviation(100, 3, 2, 4)};
    const QList<Statistics::Deviation> bc{deviation(1 * (1 + 1e-12), 3, 2, 4),
                                          deviation(100, 3, 2, 4)};
    const QList<Statistics::Deviation> ca{deviation(1, 3, 2, 4), deviation(10, 3, 2, 4),
                                          deviation(100 * (1 + 1e-6), 3, 2, 4)};
    const QList<ThreeCorneredHat::Row> rows = ThreeCorneredHat::separate(ab, bc, ca);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().tauSeconds, 1.0);
}

// Three oscillators of white frequency noise, s a reading of τ0 = 1 s
// each, so that σ(τ) = s / sqrt(τ) exactly; their pairs recorded over the
// same span, each oscillator's noise in two of them, in realisations of
// their own.
void TestThreeCorneredHat::whiteFrequencyNoise_data()
{
    QTest::addColumn<Three>("levels");
    QTest::addColumn<unsigned>("seed");

    QTest::newRow("1, 2 and 4e-11") << Three{1e-11, 2e-11, 4e-11} << 11u;
    QTest::newRow("4, 1 and 2e-11") << Three{4e-11, 1e-11, 2e-11} << 12u;
    QTest::newRow("alike, 2e-11 each") << Three{2e-11, 2e-11, 2e-11} << 13u;
    QTest::newRow("A far better: 1e-13") << Three{1e-13, 1e-11, 1e-11} << 14u;
    QTest::newRow("B far better: 1e-13") << Three{1e-11, 1e-13, 1e-11} << 15u;
    QTest::newRow("C far better: 1e-13") << Three{1e-11, 1e-11, 1e-13} << 16u;
}

void TestThreeCorneredHat::whiteFrequencyNoise()
{
    QFETCH(Three, levels);
    QFETCH(unsigned, seed);

    constexpr int kRealisations = 6;
    constexpr std::size_t kReadings = 4000;
    const auto square = [](double x) { return x * x; };
    const bool far = *std::min_element(levels.cbegin(), levels.cend()) * 10
            < *std::max_element(levels.cbegin(), levels.cend());
    std::mt19937_64 random(seed);
    std::normal_distribution<double> normal;
    int told = 0;
    int held = 0;
    int limits = 0;
    int limitsHeld = 0;
    for (int realisation = 0; realisation < kRealisations; ++realisation) {
        std::array<std::vector<double>, 3> y;
        for (int i = 0; i < 3; ++i) {
            for (std::size_t k = 0; k < kReadings; ++k)
                y[i].push_back(levels[i] * normal(random));
        }
        // AB, BC and CA: the oscillator i and the next.
        std::array<QList<Statistics::Deviation>, 3> pairs;
        for (int i = 0; i < 3; ++i) {
            std::vector<double> d(kReadings);
            for (std::size_t k = 0; k < kReadings; ++k)
                d[k] = y[i][k] - y[(i + 1) % 3][k];
            pairs[i] = overlappingAllan(d);
        }
        const QList<ThreeCorneredHat::Row> rows
                = ThreeCorneredHat::separate(pairs[0], pairs[1], pairs[2]);
        QCOMPARE(rows.size(), pairs[0].size());

        for (qsizetype r = 0; r < rows.size(); ++r) {
            // The τ with enough terms for their bounds to mean something.
            if (pairs[0].at(r).terms < 100)
                continue;
            const ThreeCorneredHat::Row &row = rows.at(r);
            const double tau = row.tauSeconds;
            bool pairsHold = true;
            double scatter = 0;
            for (int i = 0; i < 3; ++i) {
                const Statistics::Deviation &d = pairs[i].at(r);
                const double truth
                        = std::sqrt((square(levels[i]) + square(levels[(i + 1) % 3])) / tau);
                pairsHold = pairsHold && d.low <= truth && truth <= d.high;
                // A pair's variance estimate scatters by σ² sqrt(2 / edf).
                scatter += square(square(d.value) * std::sqrt(2 / d.edf));
            }
            scatter = std::sqrt(scatter) / 2;
            for (int i = 0; i < 3; ++i) {
                const ThreeCorneredHat::Oscillator &o = row.oscillators[i];
                const double truth = levels[i] / std::sqrt(tau);
                const QString where = QStringLiteral("oscillator %1 at τ %2: truth %3, told %4, "
                                                     "deviation %5 in [%6, %7]")
                                              .arg(QChar(u'A' + i))
                                              .arg(tau)
                                              .arg(truth)
                                              .arg(int(o.told))
                                              .arg(o.deviation)
                                              .arg(o.low)
                                              .arg(o.high);
                // Where each pair's interval holds its truth, the
                // oscillator's holds its own: what the bounds promise.
                if (pairsHold && o.told == Told::Deviation)
                    QVERIFY2(o.low <= truth && truth <= o.high, qPrintable(where));
                if (pairsHold)
                    QVERIFY2(o.told != Told::Nothing && truth <= o.high, qPrintable(where));
                if (o.told == Told::Deviation) {
                    ++told;
                    held += o.low <= truth && truth <= o.high;
                    QVERIFY2(std::abs(square(o.deviation) - square(truth)) <= 4 * scatter,
                             qPrintable(where));
                } else if (o.told == Told::UpperLimit) {
                    ++limits;
                    limitsHeld += truth <= o.high;
                }
            }
        }
    }
    // The bounds and the limits hold the truth at least as often as each
    // pair's 68.3 % interval does.
    QVERIFY2(held >= 0.683 * told, qPrintable(QStringLiteral("%1 of %2").arg(held).arg(told)));
    QVERIFY2(limitsHeld >= 0.683 * limits,
             qPrintable(QStringLiteral("%1 of %2").arg(limitsHeld).arg(limits)));
    // One oscillator far better than the others is hidden in their noise:
    // at some τ it is an upper limit.
    if (far)
        QVERIFY(limits > 0);
    qInfo("bounds held %d of %d deviations, %d of %d upper limits", held, told, limitsHeld, limits);
}

void TestThreeCorneredHat::spansDiffer_data()
{
    QTest::addColumn<Three>("spans");
    QTest::addColumn<bool>("differ");

    QTest::newRow("the same") << Three{3600, 3600, 3600} << false;
    QTest::newRow("a tenth longer") << Three{1000, 1100, 1000} << false;
    QTest::newRow("more than a tenth longer") << Three{1000, 1000, 1101} << true;
    // 100 s apart is more than a tenth of the shortest, 900 s.
    QTest::newRow("one a tenth shorter") << Three{900, 1000, 1000} << true;
}

void TestThreeCorneredHat::spansDiffer()
{
    QFETCH(Three, spans);
    QFETCH(bool, differ);
    QCOMPARE(ThreeCorneredHat::spansDiffer(spans), differ);
}

QTEST_GUILESS_MAIN(TestThreeCorneredHat)
#include "tst_threecorneredhat.moc"
