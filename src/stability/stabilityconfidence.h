// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

// How far to trust a stability figure, from the noise itself: the type of
// noise by the lag-1 autocorrelation of the data (Riley and Greenhall,
// 2004), the equivalent degrees of freedom of an estimator for that noise
// (Greenhall and Riley, PTTI 2003), and the 68.3 % chi-squared bounds of a
// deviation with those degrees of freedom.
namespace freqcounter::StabilityConfidence {

// The five power-law noises, by the exponent alpha of their frequency
// spectrum S_y(f) ~ f^alpha.
enum Noise : int {
    WhitePM = 2,
    FlickerPM = 1,
    WhiteFM = 0,
    FlickerFM = -1,
    RandomWalkFM = -2,
};

// "white PM", "flicker PM", "white FM", "flicker FM", "random walk FM", or
// for none "not identified"; for people to read, in their language.
QString noiseName(std::optional<int> alpha);
// The same in English whatever the language, for files that scripts read.
QByteArray noiseId(std::optional<int> alpha);

// The fewest averages the noise is identified from.
constexpr std::size_t kFewestForNoise = 30;

// A run of adjacent frequency averages that no gap cuts, and where it
// begins, counted in averages from the first piece's start.
struct AveragePiece
{
    double at = 0;
    std::vector<double> values;
};

// The dominant noise of frequency averages in pieces: lines of least squares
// with one slope, and a level for each piece long enough, are taken out, then
// the lag-1 autocorrelation of adjacent averages within each piece says
// whether the result is stationary, or whether to difference each piece
// again. A piece too short to give a pair of adjacent averages, as taken or
// as differenced, takes no part. Nothing when fewer than kFewestForNoise
// averages, counted before any differencing, take part.
std::optional<int> identifyNoise(std::vector<AveragePiece> pieces);

// An estimator: d = 2 for the Allan, 3 for the Hadamard family; whether
// its terms overlap (a stride of τ0 rather than τ), and whether it is the
// modified kind (the phase averaged over τ first).
struct Estimator
{
    int d = 2;
    bool overlapping = true;
    bool modified = false;
};

// The equivalent degrees of freedom of the estimator at averaging factor m
// from N phase points, for noise alpha.
double edf(const Estimator &estimator, int alpha, double m, double phasePoints);

// The phase points that give an estimator at m the terms it has.
double phasePointsFor(const Estimator &estimator, double m, double terms);

// The equivalent degrees of freedom of an estimator over pieces that gaps
// cut apart: each piece's own, weighted by its share w of the terms, as
// 1 / sum(w^2 / edf). It remembers what it worked out for each length of
// piece, since the same lengths come back at every refresh.
class GappedEdf
{
public:
    // terms: how many pieces give each number of terms.
    double of(const Estimator &estimator, int alpha, double m,
              const std::map<qint64, qint64> &terms);

private:
    std::map<std::tuple<int, bool, bool, int, double, qint64>, double> m_known;
};

// The 68.3 % (one sigma) interval of a deviation with these degrees of
// freedom: lowest and highest.
std::pair<double, double> bounds(double deviation, double degreesOfFreedom);

} // namespace freqcounter::StabilityConfidence
