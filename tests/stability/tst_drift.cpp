// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drift.h"
#include "powerlaw.h"

#include <QTest>

#include <cmath>
#include <random>

using namespace freqcounter;

namespace {

constexpr double kTau0 = 0.5;
constexpr double kDrift = 3e-3; // units a second

// 2000 readings of power-law noise on a drift, with 200 missing after the
// 900th: two pieces.
std::vector<Drift::Piece> drifting(double beta, unsigned seed)
{
    const std::vector<double> noise = test::powerLaw(2000, beta, seed);
    std::vector<Drift::Piece> pieces(2);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        if (i >= 900 && i < 1100)
            continue;
        Drift::Piece &piece = pieces[i < 900 ? 0 : 1];
        const double t = 100 + kTau0 * double(i);
        piece.seconds.push_back(t);
        piece.values.push_back(noise[i] + kDrift * t);
    }
    return pieces;
}

// Readings every ten minutes on f(t) = a ln(b t + 1) + c, with a little
// white noise.
std::vector<Drift::Piece> ageing(double days, double a, double b, double noise)
{
    std::mt19937_64 random(7);
    std::normal_distribution<double> white(0, noise);
    Drift::Piece piece;
    for (double t = 0; t <= days * 86400; t += 600) {
        piece.seconds.push_back(5000 + t);
        piece.values.push_back(a * std::log1p(b * t) + 10e6 + white(random));
    }
    return {piece};
}

} // namespace

class TestDrift : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coverage_data();
    void coverage();
    void logAgeing();
    void noLogAgeing_data();
    void noLogAgeing();
    void driftRemoved();
};

void TestDrift::coverage_data()
{
    QTest::addColumn<double>("beta");
    QTest::addColumn<bool>("leastSquaresOwn");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");

    QTest::newRow("white FM") << 0.0 << false << 0.60 << 0.76;
    QTest::newRow("flicker FM") << 1.0 << false << 0.60 << 0.76;
    QTest::newRow("random walk FM") << 2.0 << false << 0.60 << 0.76;
    // Least squares' own standard error takes the residuals as independent:
    // under random walk FM it covers a few per cent.
    QTest::newRow("least squares' own error, random walk FM") << 2.0 << true << 0.0 << 0.2;
}

void TestDrift::coverage()
{
    QFETCH(double, beta);
    QFETCH(bool, leastSquaresOwn);
    QFETCH(double, lowest);
    QFETCH(double, highest);

    constexpr int kRealisations = 300;
    int within = 0;
    for (int k = 0; k < kRealisations; ++k) {
        const std::optional<Drift::Linear> line
                = Drift::linear(drifting(beta, unsigned(k) * 3 + unsigned(beta)), kTau0);
        QVERIFY(line);
        const double u = leastSquaresOwn ? line->ordinaryUncertainty : line->uncertainty;
        within += std::abs(line->slope - kDrift) <= u;
    }
    const double covered = double(within) / kRealisations;
    QVERIFY2(covered >= lowest && covered <= highest, qPrintable(QString::number(covered)));
}

void TestDrift::logAgeing()
{
    constexpr double a = 2e-3;
    constexpr double b = 1.0 / 3600;
    const std::vector<Drift::Piece> pieces = ageing(30, a, b, 1e-5);
    const std::optional<Drift::Ageing> fit = Drift::logAgeing(pieces);
    QVERIFY(fit);
    QVERIFY(std::abs(fit->a / a - 1) < 0.03);
    QVERIFY(std::abs(fit->b / b - 1) < 0.03);
    QVERIFY(std::abs(fit->c - 10e6) < 1e-4);
    QVERIFY(fit->residualRms > 0.8e-5 && fit->residualRms < 1.2e-5);
    const double end = pieces.front().seconds.back() - fit->originSeconds;
    const double perDay = a * b / (b * end + 1) * 86400;
    QVERIFY(std::abs(fit->perDayAtEnd / perDay - 1) < 0.03);
}

void TestDrift::noLogAgeing_data()
{
    QTest::addColumn<std::vector<Drift::Piece>>("pieces");

    QTest::newRow("under a day") << ageing(0.9, 2e-3, 1.0 / 3600, 1e-5);
    // b runs to the bottom of its range, where the curve is a line.
    QTest::newRow("a straight line") << ageing(5, 1e3, 1e-12, 1e-5);
}

void TestDrift::noLogAgeing()
{
    QFETCH(std::vector<Drift::Piece>, pieces);
    QVERIFY(!Drift::logAgeing(pieces));
}

void TestDrift::driftRemoved()
{
    const std::vector<Drift::Piece> pieces = drifting(2, 1);
    const std::vector<Drift::Piece> flat = Drift::withoutDrift(pieces, kDrift);
    QCOMPARE(flat.front().values.front(), pieces.front().values.front());
    const double t = flat.back().seconds.back() - flat.front().seconds.front();
    QCOMPARE(flat.back().values.back(), pieces.back().values.back() - kDrift * t);
}

QTEST_GUILESS_MAIN(TestDrift)
#include "tst_drift.moc"
