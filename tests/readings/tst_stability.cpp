// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readinghistory.h"
#include "stabilityconfidence.h"
#include "statistics.h"

#include <QTest>

#include <cmath>
#include <random>

using namespace freqcounter;
namespace Confidence = freqcounter::StabilityConfidence;

namespace {

const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000);

// Power-law noise with a spectrum of f^-beta (Kasdin's filter of white
// noise), seeded.
std::vector<double> powerLaw(std::size_t n, double beta, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::normal_distribution<double> white;
    std::vector<double> w(n);
    for (double &v : w)
        v = white(random);
    std::vector<double> h(n);
    h[0] = 1;
    for (std::size_t k = 1; k < n; ++k)
        h[k] = h[k - 1] * (beta / 2 + double(k) - 1) / double(k);
    std::vector<double> x(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k <= i; ++k)
            x[i] += h[k] * w[i - k];
    }
    return x;
}

std::vector<double> differenced(const std::vector<double> &x)
{
    std::vector<double> y;
    for (std::size_t i = 1; i < x.size(); ++i)
        y.push_back(x[i] - x[i - 1]);
    return y;
}

// Fractional frequencies as readings around `centre` MHz, the i-th at
// times[i] ms from the start (one a second when none are given).
ReadingHistory readings(const std::vector<double> &y, const std::vector<qint64> &times = {},
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

class TestStability : public QObject
{
    Q_OBJECT

private slots:
    void noiseIsIdentified_data();
    void noiseIsIdentified();
    void degreesOfFreedom_data();
    void degreesOfFreedom();
    void degreesOfFreedomThroughTheFigures();
    void degreesOfFreedomAcrossGaps();
    void bounds_data();
    void bounds();
    void tooFewAveragesGiveTheWidestBounds();
    void boundsBracketAndWidenAtLongTau_data();
    void boundsBracketAndWidenAtLongTau();
    void gapCutsTheSeries();
    void grid_data();
    void grid();
    void gappedNoiseIsTheUnbrokenOne_data();
    void gappedNoiseIsTheUnbrokenOne();
    void interval_data();
    void interval();
    void noFigures_data();
    void noFigures();
};

void TestStability::noiseIsIdentified_data()
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

void TestStability::noiseIsIdentified()
{
    QFETCH(std::vector<double>, frequency);
    QFETCH(std::optional<int>, noise);

    QCOMPARE(Confidence::identifyNoise({{0, frequency}}), noise);
}

void TestStability::degreesOfFreedom_data()
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

void TestStability::degreesOfFreedom()
{
    QFETCH(Kind, kind);
    QFETCH(int, alpha);
    QFETCH(int, m);
    QFETCH(int, readings);
    QFETCH(double, exact);

    const double edf = Confidence::edf(kEstimators[int(kind)], alpha, m, readings + 1);
    QVERIFY2(std::abs(edf / exact - 1) < 0.04, qPrintable(QString::number(edf)));
}

void TestStability::degreesOfFreedomThroughTheFigures()
{
    // 256 readings of white FM, identified as such at 5 tau0: each
    // estimator's EDF is the exact one (worked out as above); the time
    // deviation's is the modified Allan deviation's.
    const Statistics s = figures(readings(powerLaw(256, 0, 12)));
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

void TestStability::degreesOfFreedomAcrossGaps()
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

    const std::vector<double> y = powerLaw(1120, 0, 13);
    const Statistics s = figures(readings(y, inPieces({120, 200, 300, 500})));
    QCOMPARE(s.gaps, qsizetype(3));
    const Statistics::Deviation *d = at(s.overlappingAllan, 20);
    QVERIFY(d);
    QCOMPARE(d->noise, std::optional<int>(Confidence::WhiteFM));
    QVERIFY2(std::abs(d->edf / 75.189 - 1) < 0.01, qPrintable(QString::number(d->edf)));
}

void TestStability::bounds_data()
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

void TestStability::bounds()
{
    QFETCH(double, edf);
    QFETCH(double, low);
    QFETCH(double, high);

    const auto [lowest, highest] = Confidence::bounds(1.0, edf);
    QVERIFY2(std::abs(lowest / low - 1) < 1e-5, qPrintable(QString::number(lowest, 'g', 9)));
    QVERIFY2(std::abs(highest / high - 1) < 1e-5, qPrintable(QString::number(highest, 'g', 9)));
}

void TestStability::tooFewAveragesGiveTheWidestBounds()
{
    // 256 readings of white FM have 12 averages of 20: too few to tell the
    // noise. The bounds are still at least as wide as white FM's own, whose
    // exact EDFs (worked out as above) are these.
    const Statistics s = figures(readings(powerLaw(256, 0, 14)));
    const std::pair<const QList<Statistics::Deviation> *, double> exact[] = {
            {&s.overlappingAllan, 17.007},
            {&s.modifiedAllan, 10.197},
            {&s.overlappingHadamard, 13.497},
    };
    for (const auto &[list, whiteFM] : exact) {
        const Statistics::Deviation *d = at(*list, 20);
        QVERIFY(d);
        QCOMPARE(d->noise, std::nullopt);
        QVERIFY2(d->edf <= whiteFM, qPrintable(QString::number(d->edf)));
    }
    QCOMPARE(at(s.overlappingAllan, 2)->noise, std::optional<int>(Confidence::WhiteFM));
}

void TestStability::boundsBracketAndWidenAtLongTau_data()
{
    QTest::addColumn<double>("centre");

    QTest::newRow("around 10 MHz") << 10.0;
    QTest::newRow("around -10 MHz, a negative reading") << -10.0;
}

void TestStability::boundsBracketAndWidenAtLongTau()
{
    QFETCH(double, centre);

    const std::vector<double> y = powerLaw(2000, 0, 7);
    const Statistics s = figures(readings(y, {}, centre));
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

void TestStability::gapCutsTheSeries()
{
    // The second half offset by 100 Hz after a pause: two halves of white
    // FM, not one step.
    const std::vector<double> y = powerLaw(600, 0, 9);
    std::vector<double> offset = y;
    for (std::size_t i = 300; i < offset.size(); ++i)
        offset[i] += 100;
    const Statistics cut = figures(readings(offset, inPieces({300, 300})));
    const Statistics whole = figures(readings(y));
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
    const Statistics stepped = figures(readings(offset));
    QVERIFY(at(stepped.overlappingAllan, 10)->value > 5 * at(whole.overlappingAllan, 10)->value);
}

void TestStability::grid_data()
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
    // A counter with a 1 s gate, read over RS-232: 1150 +- 50 ms.
    std::uniform_int_distribution<qint64> pause(1100, 1200);
    std::vector<qint64> slow{0};
    while (slow.size() < 1500)
        slow.push_back(slow.back() + pause(random));
    QTest::newRow("1150 +- 50 ms: no gap") << slow << qsizetype(0);
}

void TestStability::grid()
{
    QFETCH(std::vector<qint64>, times);
    QFETCH(qsizetype, gaps);

    const Statistics s = figures(readings(powerLaw(times.size(), 0, 22), times));
    QCOMPARE(s.gaps, gaps);
}

void TestStability::gappedNoiseIsTheUnbrokenOne_data()
{
    QTest::addColumn<double>("beta");

    QTest::newRow("white FM") << 0.0;
    QTest::newRow("random walk FM") << 2.0;
}

void TestStability::gappedNoiseIsTheUnbrokenOne()
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
    const Statistics gapped = figures(readings(y, inPieces(lengths)));
    const Statistics unbroken = figures(readings(y));
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

void TestStability::interval_data()
{
    QTest::addColumn<std::vector<qint64>>("times");
    QTest::addColumn<std::optional<double>>("tau0");

    QTest::newRow("a long pause leaves it") << inPieces({50, 50}) << std::optional<double>(1.0);
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

void TestStability::interval()
{
    QFETCH(std::vector<qint64>, times);
    QFETCH(std::optional<double>, tau0);

    const Statistics s = figures(readings(powerLaw(times.size(), 0, 11), times));
    QCOMPARE(s.tau0Seconds, tau0);
    QVERIFY(!s.missing);
}

void TestStability::noFigures_data()
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

void TestStability::noFigures()
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

QTEST_GUILESS_MAIN(TestStability)
#include "tst_stability.moc"
