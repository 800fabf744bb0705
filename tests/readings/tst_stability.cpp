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

// Fractional frequencies as readings around 10 MHz, one a second from
// the start; at `pause`, ten seconds pass and the frequency is offset.
ReadingHistory readings(const std::vector<double> &y, std::size_t pause = 0, double offset = 0)
{
    ReadingHistory history;
    for (std::size_t i = 0; i < y.size(); ++i) {
        const bool after = pause > 0 && i >= pause;
        const double mhz = 10.0 * (1.0 + 1e-7 * y[i]) + (after ? offset : 0.0);
        const qint64 ms = qint64(i) * 1000 + (after ? 10'000 : 0);
        history.add({1, {}, kStart.addMSecs(ms), QString::number(mhz, 'g', 17)});
    }
    return history;
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

class TestStability : public QObject
{
    Q_OBJECT

private slots:
    void noiseIsIdentified_data();
    void noiseIsIdentified();
    void degreesOfFreedom();
    void boundsBracketAndWidenAtLongTau();
    void gapCutsTheSeries();
    void intervalIsTheMedianPause();
};

void TestStability::noiseIsIdentified_data()
{
    QTest::addColumn<std::vector<double>>("frequency");
    QTest::addColumn<int>("noise");

    // 4096 frequencies each: long enough that the answer is certain.
    constexpr std::size_t n = 4096;
    QTest::newRow("white PM") << differenced(powerLaw(n + 1, 0, 1)) << int(Confidence::WhitePM);
    QTest::newRow("flicker PM") << differenced(powerLaw(n + 1, 1, 2)) << int(Confidence::FlickerPM);
    QTest::newRow("white FM") << powerLaw(n, 0, 3) << int(Confidence::WhiteFM);
    QTest::newRow("flicker FM") << powerLaw(n, 1, 4) << int(Confidence::FlickerFM);
    QTest::newRow("random walk FM") << powerLaw(n, 2, 5) << int(Confidence::RandomWalkFM);
}

void TestStability::noiseIsIdentified()
{
    QFETCH(std::vector<double>, frequency);
    QFETCH(int, noise);

    QCOMPARE(Confidence::identifyNoise({frequency}), std::optional<int>(noise));
    // The same through the figures, at τ0.
    const Statistics s = Statistics::of(readings(frequency), 0, qsizetype(frequency.size()));
    QVERIFY(!s.overlappingAllan.isEmpty());
    QCOMPARE(s.overlappingAllan.first().noise, noise);
    QCOMPARE(Confidence::identifyNoise({std::vector<double>(29, 1.0)}), std::nullopt);
}

void TestStability::degreesOfFreedom()
{
    const Confidence::Estimator overlapping{2, true, false};
    const Confidence::Estimator modified{2, true, true};
    // At τ0 the modified estimator is the overlapping one.
    for (const int alpha : {2, 1, 0, -1, -2}) {
        QCOMPARE(Confidence::edf(modified, alpha, 1, 1000),
                 Confidence::edf(overlapping, alpha, 1, 1000));
    }
    // For white FM and many phase points N, the simple form of SP 1065:
    // (3(N-1)/2m - 2(N-2)/N) 4m^2/(4m^2+5).
    for (const double m : {1.0, 10.0, 100.0}) {
        const double n = 100'000;
        const double simple
                = (3 * (n - 1) / (2 * m) - 2 * (n - 2) / n) * (4 * m * m / (4 * m * m + 5));
        const double edf = Confidence::edf(overlapping, Confidence::WhiteFM, m, n);
        QVERIFY2(std::abs(edf / simple - 1) < 1e-3,
                 qPrintable(QStringLiteral("m %1: %2 against %3").arg(m).arg(edf).arg(simple)));
    }
    // The phase points that give an estimator its terms give them back.
    QCOMPARE(Confidence::phasePointsFor(overlapping, 10, 981), 1001.0);
}

void TestStability::boundsBracketAndWidenAtLongTau()
{
    const std::vector<double> y = powerLaw(2000, 0, 7);
    const Statistics s = Statistics::of(readings(y), 0, qsizetype(y.size()));
    double lastRatio = 1;
    for (const double tau : {1.0, 10.0, 100.0}) {
        const Statistics::Deviation *d = at(s.overlappingAllan, tau);
        QVERIFY(d);
        QVERIFY(d->low < d->value && d->value < d->high);
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
    const Statistics cut = Statistics::of(readings(y, 300, 1e-4), 0, 600);
    const Statistics whole = Statistics::of(readings(y), 0, 600);
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
    const Statistics stepped = Statistics::of(readings([&] {
                                                  std::vector<double> v = y;
                                                  for (std::size_t i = 300; i < v.size(); ++i)
                                                      v[i] += 100;
                                                  return v;
                                              }()),
                                              0, 600);
    QVERIFY(at(stepped.overlappingAllan, 10)->value > 5 * at(whole.overlappingAllan, 10)->value);
}

void TestStability::intervalIsTheMedianPause()
{
    const std::vector<double> y = powerLaw(100, 0, 11);
    const Statistics s = Statistics::of(readings(y, 50), 0, 100);
    QCOMPARE(s.tau0Seconds, std::optional<double>(1.0));
}

QTEST_GUILESS_MAIN(TestStability)
#include "tst_stability.moc"
