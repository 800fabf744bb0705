// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "powerlaw.h"
#include "stabilityconfidence.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace freqcounter;
using freqcounter::test::differenced;
using freqcounter::test::powerLaw;
namespace Confidence = freqcounter::StabilityConfidence;

namespace {

// A frequency series whose lag-1 autocorrelation r1 makes delta = r1 / (1 + r1)
// the given value: a cosine, whose r1 is the cosine of its step.
std::vector<double> withDelta(double delta)
{
    const double step = std::acos(delta / (1 - delta));
    std::vector<double> y(4096);
    for (std::size_t i = 0; i < y.size(); ++i)
        y[i] = std::cos(step * double(i));
    return y;
}

enum class Kind { Adev, Oadev, Mdev, Ohdev };
const Confidence::Estimator kEstimators[]
        = {{2, false, false}, {2, true, false}, {2, true, true}, {3, true, false}};

} // namespace

class TestStabilityConfidence : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noiseIsIdentified_data();
    void noiseIsIdentified();
    void degreesOfFreedom_data();
    void degreesOfFreedom();
    void degreesOfFreedomAcrossGaps();
    void bounds_data();
    void bounds();
};

void TestStabilityConfidence::noiseIsIdentified_data()
{
    QTest::addColumn<std::vector<double>>("frequency");
    QTest::addColumn<std::optional<int>>("noise");

    // 4096 frequencies each: long enough that the answer is certain.
    constexpr std::size_t n = 4096;
    const auto noise = [](int alpha) { return std::optional<int>(alpha); };
    QTest::newRow("white PM") << differenced(powerLaw(n + 1, 0, 1)) << noise(Confidence::WhitePM);
    QTest::newRow("flicker PM") << differenced(powerLaw(n + 1, 1, 2))
                                << noise(Confidence::FlickerPM);
    QTest::newRow("white FM") << powerLaw(n, 0, 3) << noise(Confidence::WhiteFM);
    QTest::newRow("flicker FM") << powerLaw(n, 1, 4) << noise(Confidence::FlickerFM);
    QTest::newRow("random walk FM") << powerLaw(n, 2, 5) << noise(Confidence::RandomWalkFM);
    // At the edges of the method: delta below 0.25 is taken as it is; at
    // 0.25 or above the series is differenced, here as far as it goes.
    QTest::newRow("delta 0.24: taken as it is") << withDelta(0.24) << noise(Confidence::WhiteFM);
    QTest::newRow("delta 0.26: differenced") << withDelta(0.26) << noise(Confidence::RandomWalkFM);
    // A quadratic drift keeps a line after one difference; the second
    // leaves the white FM under it.
    std::vector<double> drifting = powerLaw(n, 0, 6);
    for (std::size_t i = 0; i < n; ++i)
        drifting[i] += 1e-2 * std::pow(double(i) - double(n) / 2, 2);
    QTest::newRow("white FM under a quadratic drift: two differences")
            << drifting << noise(Confidence::WhiteFM);
    QTest::newRow("29 averages: too few") << powerLaw(29, 0, 7) << std::optional<int>();
}

void TestStabilityConfidence::noiseIsIdentified()
{
    QFETCH(std::vector<double>, frequency);
    QFETCH(std::optional<int>, noise);

    QCOMPARE(Confidence::identifyNoise({{0, frequency}}), noise);
}

void TestStabilityConfidence::degreesOfFreedom_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("readings");
    QTest::addColumn<double>("exact");

    // The exact EDF, tr(C)^2 / tr(C^2), of the covariance C = A R A^T of the
    // estimator's terms (rows of A over the phase at the N + 1 instants of
    // N readings), worked out with numpy, outside this code. R is the
    // generalized autocovariance of continuous-time noise as a counter
    // samples it, at lag t in tau0: white PM 1 at t = 0 (phase samples);
    // flicker PM -log|t| averaged over tau0 at both ends; white FM -|t|/2;
    // flicker FM t^2 log|t|/2 - 3t^2/4; random walk FM |t|^3/12.
    const char *const names[] = {"adev", "oadev", "mdev", "ohdev"};
    const char *const noises[]
            = {"white PM", "flicker PM", "white FM", "flicker FM", "random walk FM"};
    const struct
    {
        int readings;
        int m;
        Kind kind;
        std::array<double, 5> exact; // white PM to random walk FM
    } table[] = {
            {256, 4, Kind::Adev, {32.667, 35.448, 42.223, 55.633, 56.099}},
            {256, 4, Kind::Oadev, {129.12, 98.115, 87.279, 73.013, 58.02}},
            {256, 4, Kind::Mdev, {73.036, 61.955, 61.687, 59.327, 47.978}},
            {256, 4, Kind::Ohdev, {107.2, 81.393, 72.742, 61.705, 59.818}},
            {256, 16, Kind::Adev, {7.9882, 8.412, 10.227, 13.358, 13.433}},
            {256, 16, Kind::Oadev, {120.11, 45.562, 21.763, 16.979, 13.362}},
            {256, 16, Kind::Mdev, {17.639, 13.814, 13.322, 12.963, 10.41}},
            {256, 16, Kind::Ohdev, {95.209, 36.531, 17.559, 13.751, 13.236}},
            // Beyond the paper's 100 terms of its basic sum: its tables.
            {1024, 128, Kind::Adev, {3.8855, 4.0123, 4.9, 6.3137, 6.3226}},
            {1024, 128, Kind::Oadev, {432.51, 45.198, 9.829, 7.5948, 5.9054}},
            {1024, 128, Kind::Mdev, {7.396, 5.7384, 5.498, 5.3179, 4.1956}},
            {1024, 128, Kind::Ohdev, {318.83, 34.077, 7.3862, 5.7307, 5.4904}},
    };
    for (const auto &row : table) {
        for (int i = 0; i < 5; ++i) {
            QTest::addRow("%s, %s, m %d of %d", names[int(row.kind)], noises[i], row.m,
                          row.readings)
                    << row.kind << 2 - i << row.m << row.readings << row.exact.at(std::size_t(i));
        }
    }
}

void TestStabilityConfidence::degreesOfFreedom()
{
    QFETCH(Kind, kind);
    QFETCH(int, alpha);
    QFETCH(int, m);
    QFETCH(int, readings);
    QFETCH(double, exact);

    const double edf = Confidence::edf(kEstimators[int(kind)], alpha, m, readings + 1);
    QVERIFY2(std::abs(edf / exact - 1) < 0.04, qPrintable(QString::number(edf)));
}

void TestStabilityConfidence::degreesOfFreedomAcrossGaps()
{
    // White FM in pieces of 120, 200, 300 and 500 readings. The exact EDF of
    // the overlapping Allan estimator over all of them, tr(C)^2 / tr(C^2) of
    // the block-diagonal covariance of their terms (numpy, as above), is
    // 1 / sum(w^2 / edf) of the pieces' own; one series with as many terms
    // would have 72.829 at m 20 and 22.485 at m 50.
    Confidence::GappedEdf edf;
    const double m50 = edf.of(kEstimators[int(Kind::Oadev)], Confidence::WhiteFM, 50,
                              {{21, 1}, {101, 1}, {201, 1}, {401, 1}});
    QVERIFY2(std::abs(m50 / 24.691 - 1) < 0.01, qPrintable(QString::number(m50)));
}

void TestStabilityConfidence::bounds_data()
{
    QTest::addColumn<double>("edf");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    // sqrt(edf / chi2.ppf(0.8413, edf)) and sqrt(edf / chi2.ppf(0.1587, edf))
    // from SciPy 1.10, the 68.3 % interval of a deviation of 1.
    QTest::newRow("1") << 1.0 << 0.709417 << 4.995662;
    QTest::newRow("2") << 2.0 << 0.737005 << 2.405948;
    QTest::newRow("5") << 5.0 << 0.792733 << 1.559461;
    QTest::newRow("10") << 10.0 << 0.835497 << 1.326790;
    QTest::newRow("30") << 30.0 << 0.892516 << 1.158796;
    QTest::newRow("100") << 100.0 << 0.936195 << 1.078922;
    QTest::newRow("1000") << 1000.0 << 0.978369 << 1.023132;
}

void TestStabilityConfidence::bounds()
{
    QFETCH(double, edf);
    QFETCH(double, low);
    QFETCH(double, high);

    const auto [lowest, highest] = Confidence::bounds(1.0, edf);
    QVERIFY2(std::abs(lowest / low - 1) < 1e-5, qPrintable(QString::number(lowest, 'g', 9)));
    QVERIFY2(std::abs(highest / high - 1) < 1e-5, qPrintable(QString::number(highest, 'g', 9)));
}

QTEST_GUILESS_MAIN(TestStabilityConfidence)
#include "tst_stabilityconfidence.moc"
