// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilityconfidence.h"
#include "totaldeviations.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

using namespace freqcounter;
namespace Total = freqcounter::TotalDeviations;
namespace Confidence = freqcounter::StabilityConfidence;

namespace {

// The 1000-point set of NIST SP 1065 and the 9 values of NBS-9 (its Table 30).
std::vector<double> thousandPointSet()
{
    std::vector<double> y;
    qint64 n = 1234567890;
    for (int i = 0; i < 1000; ++i) {
        y.push_back(double(n) / 2147483647.0);
        n = (16807 * n) % 2147483647;
    }
    return y;
}
constexpr std::array<double, 9> kNbs9{892, 809, 823, 798, 671, 644, 883, 903, 677};

double variance(const Total::Deviation &d)
{
    return d.deviation * d.deviation;
}

} // namespace

class TestTotalDeviations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void publishedValues_data();
    void publishedValues();
    void theo1IsItsDefinition();
    void theoOnWhiteFMIsAllan();
    void edf_data();
    void edf();
    void gapPoolsThePiecesTerms();
    void sweepStopsWhenAsked();
};

void TestTotalDeviations::publishedValues_data()
{
    QTest::addColumn<bool>("nbs9");
    QTest::addColumn<qint64>("m");
    QTest::addColumn<double>("total");
    QTest::addColumn<double>("modifiedTotal");
    // NIST SP 1065, Table 31 (1000-point set) and Table 30 (NBS-9). Its
    // modified total figures carry the white FM bias factor (variance / 0.73,
    // Riley's MTOT bias corrections for Stable32); uncorrected, the 1000-point ones are
    // 2.0664e-01, 5.5529e-02, 1.9547e-02.
    QTest::newRow("1000-point at 1") << false << qint64(1) << 2.922319e-01 << 2.418528e-01;
    QTest::newRow("1000-point at 10") << false << qint64(10) << 9.134743e-02 << 6.499161e-02;
    QTest::newRow("1000-point at 100") << false << qint64(100) << 3.406530e-02 << 2.287774e-02;
    QTest::newRow("NBS-9 at 1") << true << qint64(1) << 91.22945 << 75.50203;
    QTest::newRow("NBS-9 at 2") << true << qint64(2) << 93.90379 << 75.83606;
}

void TestTotalDeviations::publishedValues()
{
    QFETCH(bool, nbs9);
    QFETCH(qint64, m);
    QFETCH(double, total);
    QFETCH(double, modifiedTotal);
    const std::vector<double> data
            = nbs9 ? std::vector<double>(kNbs9.begin(), kNbs9.end()) : thousandPointSet();
    const Total::Piece piece(data);
    const double found = Total::total({&piece, 1}, m).deviation;
    QVERIFY2(std::abs(found / total - 1) < 5e-7, qPrintable(QString::number(found, 'g', 10)));
    const double modified = Total::unbiasedModifiedTotal(
            Total::modifiedTotal({&piece, 1}, m).deviation, Confidence::WhiteFM);
    QVERIFY2(std::abs(modified / modifiedTotal - 1) < 5e-7,
             qPrintable(QString::number(modified, 'g', 10)));
}

void TestTotalDeviations::theo1IsItsDefinition()
{
    // Theo1 as written: x(1) ... x(N) the phase, for even m,
    // 1 / (0.75 (N - m) m^2) sum_{i=1}^{N-m} sum_{d=0}^{m/2-1}
    //     [(x(i) - x(i - d + m/2)) + (x(i + m) - x(i + d + m/2))]^2 / (m/2 - d).
    std::vector<double> y = thousandPointSet();
    y.resize(41);
    std::vector<double> x{0.0};
    for (const double v : y)
        x.push_back(x.back() + v);
    const int n = int(x.size());
    const Total::Piece piece(y);
    for (const int m : {2, 10, 40}) {
        double sum = 0;
        for (int i = 1; i <= n - m; ++i) {
            for (int d = 0; d <= m / 2 - 1; ++d) {
                const double v
                        = (x[i - 1] - x[i - d + m / 2 - 1]) + (x[i + m - 1] - x[i + d + m / 2 - 1]);
                sum += v * v / (double(m) / 2 - d);
            }
        }
        const Total::Deviation theo = Total::theo1({&piece, 1}, m);
        QCOMPARE(theo.terms, qint64(n - m));
        QVERIFY(std::abs(variance(theo) / (sum / (0.75 * (n - m) * m * m)) - 1) < 1e-12);
    }
}

void TestTotalDeviations::theoOnWhiteFMIsAllan()
{
    // White FM of variance 1: AVAR(τ) = 1 / τ. Theo1 at m, every start or
    // every fourth, is unbiased for it at τ = 0.75 m; TheoBR is near it (its
    // ratio is an estimate too).
    constexpr int kRuns = 200;
    constexpr qint64 kM = 20;
    std::mt19937_64 random(20260101);
    std::normal_distribution<double> normal;
    double sums[3]{};
    double squares[3]{};
    std::vector<double> y(300);
    for (int run = 0; run < kRuns; ++run) {
        std::generate(y.begin(), y.end(), [&] { return normal(random); });
        const Total::Piece piece(y);
        const double theo = variance(Total::theo1({&piece, 1}, kM));
        const double found[3]{theo, variance(Total::theo1({&piece, 1}, kM, 4)),
                              theo * Total::theoBiasRatio({&piece, 1})};
        for (int k = 0; k < 3; ++k) {
            sums[k] += found[k] / kRuns;
            squares[k] += found[k] * found[k] / kRuns;
        }
    }
    const double allan = 1 / (0.75 * kM);
    for (int k = 0; k < 3; ++k) {
        const double error = std::sqrt((squares[k] - sums[k] * sums[k]) / (kRuns - 1));
        QVERIFY2(std::abs(sums[k] - allan) < (k < 2 ? 3 * error : 0.1 * allan),
                 qPrintable(QStringLiteral("%1: %2 against %3").arg(k).arg(sums[k]).arg(allan)));
    }
}

void TestTotalDeviations::edf_data()
{
    QTest::addColumn<int>("estimator"); // 0 total, 1 modified total, 2 Theo1
    QTest::addColumn<int>("alpha");
    QTest::addColumn<qint64>("m");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<qint64>("pieces");
    QTest::addColumn<double>("expected");
    const auto row = [](const char *name, int estimator, int alpha, qint64 m, qint64 length,
                        qint64 pieces, double expected) {
        QTest::newRow(name) << estimator << alpha << m << length << pieces << expected;
    };
    // 1.500 * 1000 / 10; two such pieces, shares 1/2: 1 / (2 * 0.25 / 150)
    row("total, white FM", 0, 0, 10, 1000, 1, 150.0);
    row("total, white FM, two pieces", 0, 0, 10, 1000, 2, 300.0);
    // 0.75 * 1000 / 10 - 0.31
    row("modified total, random walk FM", 1, -2, 10, 1000, 1, 74.69);
    // N = 1000, r = 7.5: ((4.1 N + 0.8) / r - (3.1 N + 6.5) / N) r^1.5 / (r^1.5 + 5.2)
    // = 543.66683 * 0.79797663
    row("Theo1, white FM", 2, 0, 10, 999, 1, 433.833426);
    // N = 1000, r = 75: 0.86 (N + 1)(N - 4r/3) / (N - r) * r / (r + 1.14)
    // = 837.59351 * 0.98502758
    row("Theo1, white PM", 2, 2, 100, 999, 1, 825.052712);
}

void TestTotalDeviations::edf()
{
    QFETCH(int, estimator);
    QFETCH(int, alpha);
    QFETCH(qint64, m);
    QFETCH(qint64, length);
    QFETCH(qint64, pieces);
    QFETCH(double, expected);
    const std::map<qint64, qint64> lengths{{length, pieces}};
    const double found = estimator == 0 ? Total::totalEdf(alpha, m, lengths)
            : estimator == 1            ? Total::modifiedTotalEdf(alpha, m, lengths)
                                        : Total::theo1Edf(alpha, m, lengths);
    QVERIFY2(std::abs(found / expected - 1) < 1e-6, qPrintable(QString::number(found, 'g', 10)));
}

void TestTotalDeviations::gapPoolsThePiecesTerms()
{
    const std::vector<double> y = thousandPointSet();
    const std::vector<double> a(y.begin(), y.begin() + 300);
    const std::vector<double> b(y.begin() + 300, y.begin() + 700);
    const Total::Piece both[2]{Total::Piece(a), Total::Piece(b)};
    const Total::Piece joined(y.data(), 700);
    for (const qint64 m : {4, 50}) {
        const auto each = [&](auto estimator) {
            const Total::Deviation first = estimator({&both[0], 1});
            const Total::Deviation second = estimator({&both[1], 1});
            const Total::Deviation pooled = estimator({both, 2});
            QCOMPARE(pooled.terms, first.terms + second.terms);
            QCOMPARE(pooled.length, qint64(700));
            const double expected = (variance(first) * double(first.terms)
                                     + variance(second) * double(second.terms))
                    / double(pooled.terms);
            QVERIFY(std::abs(variance(pooled) / expected - 1) < 1e-12);
            QVERIFY(std::abs(variance(estimator({&joined, 1})) / expected - 1) > 1e-6);
        };
        each([m](Total::Pieces p) { return Total::total(p, m); });
        each([m](Total::Pieces p) { return Total::modifiedTotal(p, m); });
        each([m](Total::Pieces p) { return Total::theo1(p, 2 * m); });
    }
}

void TestTotalDeviations::sweepStopsWhenAsked()
{
    const std::vector<double> y = thousandPointSet();
    const Total::Piece piece(y);
    std::atomic<bool> stop{true};
    QVERIFY(Total::sweep({&piece, 1}, &stop).empty());
    stop = false;
    const std::vector<Total::Row> rows = Total::sweep({&piece, 1}, &stop);
    QCOMPARE(rows.size(), std::size_t(10)); // 1, 2, 5, ... 500, 1000
    QCOMPARE(rows[3].total.deviation, Total::total({&piece, 1}, 10).deviation);
    QCOMPARE(rows[3].theoM, qint64(14));
}

QTEST_GUILESS_MAIN(TestTotalDeviations)
#include "tst_totaldeviations.moc"
