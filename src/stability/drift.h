// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <vector>

// The drift of a run of frequency readings: a straight line with an
// uncertainty that holds for the noise the readings have, the logarithmic
// ageing of an oscillator over days, and the readings with a drift taken out.
//
// The line is the ordinary least-squares slope b = sum(w_i y_i). Its
// standard error as least squares gives it assumes independent residuals and
// is far too small under flicker and random walk FM, so the uncertainty is
// worked out from the noise instead. Written on the phase x (y_i =
// (x_{i+1} - x_i) / τ0), the slope's weights v sum to zero and to zero
// against time, so they annihilate constants and lines, and for a power-law
// noise of generalized autocovariance s_α, Var(b) = sum_ij v_i v_j s_α(t_i -
// t_j): s_0(t) = -|t| for white FM, s_-1(t) = t² ln|t| for flicker FM and
// s_-2(t) = |t|³ for random walk FM. The same quadratic form for one term
// of the Hadamard variance at m τ0 gives the ratio Var(b) / HVAR(m) for that
// noise, whatever its level; the overlapping HVAR(m) measured from the
// readings (pieces respected) sets the level, at the longest m that leaves
// kFewestForNoise averages of length m after two differences.
//
// The noise at that m is told by the slope mu of HVAR ~ m^mu from m / 4 to
// m (alpha = -1 - mu), not by the lag-1 autocorrelation of the thirty-odd
// averages of length m (StabilityConfidence::identifyNoise): on 2000
// readings of flicker FM that took it for white FM in 30 % of realisations
// (covering the true drift in 0.19 of those) and for random walk FM in
// 43 % (covering all), 0.68 on the whole by the two errors cancelling, where
// the slope tells flicker FM in 98 % and covers 0.72 of those. Where the
// slope says PM, identifyNoise on the averages of m / 4 says which, and
// white FM's ratio is taken, which is larger than theirs. Below m = 4
// identifyNoise on the averages of m tells it; where nothing tells it, the
// largest of the three ratios is taken. The standard error so found is
// widened by Student's t for the degrees of freedom of the HVAR estimate
// (StabilityConfidence::edf), since the level is itself estimated.
//
// Coverage, 2000 seeded realisations of 2000 readings each (in one piece;
// cut by a gap of 200): white FM 0.684 (0.678), flicker FM 0.716 (0.713),
// random walk FM 0.691 (0.664); least squares' own error 0.683, 0.057 and
// 0.018. Under white and flicker PM the interval holds the true drift in
// every realisation.
//
// The double sum is taken on at most kMostNodes phase points: each point's
// weight is shared between the two nearest points of a coarser grid so that
// the sum of the weights and their first moment stay as they were, and the
// weights still annihilate lines. s_α is homogeneous, s_α(ct) = c^γ s_α(t)
// up to a quadratic in t that both the slope's and the Hadamard term's
// weights annihilate, so both forms are evaluated in steps of the coarse grid
// and c^γ cancels in their ratio. Up to kMostNodes readings the grid is that
// of the readings and the sum is exact; a million readings cost some 15 ms.
namespace freqcounter::Drift {

// A run of readings that no gap cuts, equally spaced by τ0: times in
// seconds, values in any unit.
struct Piece
{
    std::vector<double> seconds;
    std::vector<double> values;
};

struct Linear
{
    double slope = 0; // units per second
    double uncertainty = 0; // 68 % standard uncertainty, units per second
    // What least squares itself would say, to compare: too small under
    // correlated noise.
    double ordinaryUncertainty = 0;
    // The noise identified at the averaging factor, as alpha of S_y ~ f^alpha.
    std::optional<int> noise;
    qsizetype averagingFactor = 1;
    double degreesOfFreedom = 0; // of the HVAR estimate
    QString method; // for people to read
};

// The most phase points the uncertainty's double sum is taken on.
constexpr qsizetype kMostNodes = 2048;

// The straight line through readings in pieces, oldest first. Nothing with
// fewer than three readings, readings all at one time, or no piece of three.
std::optional<Linear> linear(const std::vector<Piece> &pieces, double tau0Seconds);

// f(t) = a ln(b t + 1) + c, t in seconds from the first reading.
struct Ageing
{
    double a = 0;
    double b = 0; // per second
    double c = 0;
    double originSeconds = 0; // where t is 0
    double residualRms = 0;
    double perDayAtEnd = 0; // df/dt at the last reading, times 86400 s
};

// The least-squares logarithmic ageing of readings of a day or more.
// Nothing under a day, or when the best b runs to the edge of the range
// searched: then the readings are a line or a pure logarithm, not
// log-shaped.
std::optional<Ageing> logAgeing(const std::vector<Piece> &pieces);

// The readings with slope · (t - the first reading's time) taken out.
std::vector<Piece> withoutDrift(std::vector<Piece> pieces, double slopePerSecond);

} // namespace freqcounter::Drift
