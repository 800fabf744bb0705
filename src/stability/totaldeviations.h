// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <atomic>
#include <map>
#include <span>
#include <vector>

// The total deviation, the modified total deviation, Theo1 and TheoBR of
// frequency values in pieces, and their equivalent degrees of freedom. A
// piece is a run of equally spaced values (τ0 = 1) that no gap cuts, in any
// unit; each piece gives its own terms, from its own phase and with its own
// ends reflected, and a deviation is the pooled mean of the terms of all
// pieces. Nothing here knows about readings, times or gaps themselves.
namespace freqcounter::TotalDeviations {

using Piece = std::span<const double>;
using Pieces = std::span<const Piece>;

// A deviation at one averaging factor m, in the data's units: how many
// terms went into it, and the pieces that gave them, by their length in
// values (how many pieces of each length).
struct Deviation
{
    double deviation = 0;
    qint64 terms = 0;
    qint64 length = 0;
    std::map<qint64, qint64> pieces;
};

// The total deviation: the overlapping Allan terms of the phase extended at
// both ends of each piece by its reflection (the frequency reflected
// uninverted), every phase point between the ends a centre. A piece of L
// values gives L - 1 terms while m <= L.
Deviation total(Pieces pieces, qint64 m);

// The modified total deviation: for each run of 3m phase points, the line
// through the means of its halves taken out and the run extended at both
// ends by its uninverted reflection to 9m points, the mean square of the 6m
// modified Allan terms of that; a piece of L values gives L - 3m + 2 runs.
// stride > 1 takes every stride-th run only, each run the same in
// expectation, as the sweep does for long m. Uncorrected: see
// unbiasedModifiedTotal().
Deviation modifiedTotal(Pieces pieces, qint64 m, qint64 stride = 1);

// The modified total deviation with the bias for noise alpha taken out: the
// variance divided by 0.94, 0.83, 0.73, 0.70, 0.69 for white PM ... random
// walk FM (Riley, the bias corrections of the Stable32 variance functions,
// which Stable32 applies to MTOT by the noise at each τ; NIST SP 1065's
// published MTOT figures of its test sets are these, white FM's).
double unbiasedModifiedTotal(double deviation, int alpha);

// Theo1 at an even m >= 2 (τ = 0.75 m): for each start i of a piece's phase
// with i + m within it, sum over d < m/2 of
// ((x[i] - x[i + m/2 - d]) + (x[i + m] - x[i + m/2 + d]))^2 / (m/2 - d),
// over 0.75 m^2 per start. A piece of L values gives L + 1 - m starts.
// stride > 1 takes every stride-th start only.
Deviation theo1(Pieces pieces, qint64 m, qint64 stride = 1);

// The ratio that takes Theo1's bias out (TheoBR = Theo1 times it): the mean
// over i = 0 ... n of AVAR(9 + 3i) / Theo1(12 + 4i), the overlapping Allan
// variance and Theo1 at the same τ, n = floor(0.1 N / 3 - 3), N the phase
// points of the longest piece. ratios > 0 takes that many of the i, evenly
// spread, and startsPerM > 0 gives each Theo1 a stride of m / startsPerM.
// 0 when N < 90 or nothing gave terms.
double theoBiasRatio(Pieces pieces, qint64 ratios = 0, qint64 startsPerM = 0);

// The equivalent degrees of freedom for noise alpha (2 white PM ... -2
// random walk FM) at m, over pieces of the lengths given (Deviation::pieces),
// combined as 1 / sum(w^2 / edf) with w a piece's share of the terms.
// TheoBR has Theo1's.
double totalEdf(int alpha, qint64 m, const std::map<qint64, qint64> &pieces);
double modifiedTotalEdf(int alpha, qint64 m, const std::map<qint64, qint64> &pieces);
double theo1Edf(int alpha, qint64 m, const std::map<qint64, qint64> &pieces);

// The three at the usual factors m = 1, 2, 5, 10, 20, 50, ... while one of
// them has terms; Theo1 and TheoBR at theoM, the even m nearest 4/3 of the
// factor (so at about the same τ), none where that is the last row's. TheoBR is Theo1 times
// theoBiasRatio(); either is left out (no terms) where the ratio cannot be had. Long m take every
// stride-th run or start, so that each factor costs about as much as a
// handful of passes over the data. `stop`, when set, is looked at between
// factors: what was done until then is returned.
struct Row
{
    qint64 m = 1;
    Deviation total;
    Deviation modifiedTotal;
    qint64 theoM = 0;
    Deviation theo1;
    Deviation theoBR;
};
std::vector<Row> sweep(Pieces pieces, const std::atomic<bool> *stop = nullptr);

} // namespace freqcounter::TotalDeviations
