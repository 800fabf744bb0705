// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"
#include "threecorneredhattable.h"

#include <QTest>

#include <cmath>

using namespace freqcounter;

namespace {

// A pair's deviation from its variance and bounds' squares, in 1e-22.
Statistics::Deviation pair(double tau, double variance, double low, double high)
{
    Statistics::Deviation d;
    d.tauSeconds = tau;
    d.value = std::sqrt(variance * 1e-22);
    d.low = std::sqrt(low * 1e-22);
    d.high = std::sqrt(high * 1e-22);
    return d;
}

} // namespace

class TestThreeCorneredHatTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows();
};

// Oscillators of variances 1, 4 and 16 (1e-22) at 1 s, A below the others
// at 0.5 s, B at 1 s of mdev; at 4 s one pair has no deviation, and no pair
// a time deviation. The numbers are worked out by hand from the formulas.
void TestThreeCorneredHatTable::rows()
{
    Statistics ab;
    Statistics bc;
    Statistics ca;
    ab.overlappingAllan = {pair(0.5, 4, 3, 5), pair(1, 5, 4, 6), pair(4, 5, 4, 6)};
    bc.overlappingAllan = {pair(0.5, 10, 8, 12), pair(1, 20, 18, 22)};
    ca.overlappingAllan = {pair(0.5, 4, 3, 5), pair(1, 17, 15, 19), pair(4, 17, 15, 19)};
    ab.modifiedAllan = {pair(1, 4, 3, 5)};
    bc.modifiedAllan = {pair(1, 4, 3, 5)};
    ca.modifiedAllan = {pair(1, 20, 18, 22)};
    ab.timeDeviation = {pair(1, 5, 4, 6)};

    const QList<QByteArray> lines = threeCorneredHatTable(ab, bc, ca).split('\n');
    const QList<QByteArray> expected{
            "statistic,tau,oscillator,deviation,low,high,limit\r",
            "oadev,0.5,A,,,1.000000e-11,upper\r",
            "oadev,0.5,B,2.236068e-11,1.732051e-11,2.645751e-11,\r",
            "oadev,0.5,C,2.236068e-11,1.732051e-11,2.645751e-11,\r",
            "oadev,1,A,1.000000e-11,0.000000e+00,1.870829e-11,\r",
            "oadev,1,B,2.000000e-11,1.224745e-11,2.549510e-11,\r",
            "oadev,1,C,4.000000e-11,3.674235e-11,4.301163e-11,\r",
            "mdev,1,A,3.162278e-11,2.828427e-11,3.464102e-11,\r",
            "mdev,1,B,,,,none\r",
            "mdev,1,C,3.162278e-11,2.828427e-11,3.464102e-11,\r",
            "",
    };
    QCOMPARE(lines, expected);
}

QTEST_GUILESS_MAIN(TestThreeCorneredHatTable)
#include "tst_threecorneredhattable.moc"
