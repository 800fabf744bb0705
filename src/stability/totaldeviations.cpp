// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "totaldeviations.h"

#include "stabilityconfidence.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace freqcounter::TotalDeviations {

namespace {

namespace Confidence = StabilityConfidence;

// Runs of the modified total, and starts of Theo1, taken per m of the
// averaging factor in the sweep. A run or start costs O(m), so taking all
// of them costs O(N m) a factor. Neighbouring runs and starts share all but
// one of their points and their terms hardly differ: taking every (m / k)-th
// keeps the expectation for every noise, costs a little confidence (a
// deviation moves by about 0.1 %, against several % of its own uncertainty
// at those τ), and makes a factor cost some k passes over the data rather
// than m. Averaging the data in blocks first would cost the same but change
// what is estimated: Theo1 weighs a lag u by 1/u, and the short lags that
// averaging drops weigh most for white PM, which it would then read low by
// H(m'/2) / H(m/2) (H the harmonic sums, m' the factor left; about half at
// m = 10^4, m' = 64); it is exact only for white FM.
constexpr qint64 kRunsPerM = 8;
constexpr qint64 kStartsPerM = 32;
// The i of the TheoBR ratio the sweep takes, and the starts per m of the
// Theo1 in each of them.
constexpr qint64 kRatios = 24;
constexpr qint64 kRatioStartsPerM = 16;

// A piece as phase: x[0] = 0, x[k + 1] = x[k] + y[k] - mean(y). The mean
// frequency changes none of the three estimators (the total's reflection
// continues a straight line, the modified total takes the line out, Theo1's
// terms cancel one) and taking it out keeps the phase small.
using Phase = std::vector<double>;

std::vector<Phase> phasesOf(Pieces pieces)
{
    std::vector<Phase> phases;
    phases.reserve(pieces.size());
    for (const Piece &piece : pieces) {
        long double sum = 0;
        for (const double y : piece)
            sum += y;
        const double mean = piece.empty() ? 0.0 : double(sum / (long double)piece.size());
        Phase x(piece.size() + 1);
        long double at = 0;
        for (std::size_t k = 0; k < piece.size(); ++k) {
            at += piece[k] - mean;
            x[k + 1] = double(at);
        }
        phases.push_back(std::move(x));
    }
    return phases;
}

qint64 points(const Phase &x)
{
    return qint64(x.size());
}

// Sums of squared terms over pieces, each piece adding its own.
struct Pool
{
    long double squares = 0;
    qint64 terms = 0;
    Deviation deviation;

    void add(const Phase &x, long double pieceSquares, qint64 pieceTerms, qint64 definedTerms)
    {
        if (definedTerms <= 0)
            return;
        squares += pieceSquares;
        terms += pieceTerms;
        deviation.length += points(x) - 1;
        ++deviation.pieces[points(x) - 1];
    }
    Deviation finish(long double scale)
    {
        deviation.terms = terms;
        deviation.deviation = terms > 0 ? double(std::sqrt(squares / (scale * terms))) : 0.0;
        return deviation;
    }
};

Deviation totalOf(const std::vector<Phase> &phases, qint64 m)
{
    Pool pool;
    for (const Phase &x : phases) {
        const qint64 n = points(x);
        if (n < 3 || m > n - 1)
            continue;
        // x*(-j) = 2 x(0) - x(j) and x*(n - 1 + j) = 2 x(n - 1) - x(n - 1 - j).
        const auto at = [&](qint64 k) {
            if (k < 0)
                return 2 * x[0] - x[std::size_t(-k)];
            if (k > n - 1)
                return 2 * x[std::size_t(n - 1)] - x[std::size_t(2 * (n - 1) - k)];
            return x[std::size_t(k)];
        };
        long double sum = 0;
        for (qint64 i = 1; i <= n - 2; ++i) {
            const double d = at(i - m) - 2 * x[std::size_t(i)] + at(i + m);
            sum += d * d;
        }
        pool.add(x, sum, n - 2, n - 2);
    }
    return pool.finish(2.0L * m * m);
}

// The mean square of the 6m modified Allan terms of the run of 3m phase
// points from `from`, its half-mean line taken out and extended to 9m by
// its reflection at both ends; `extended` is room for the running sum.
double modifiedTotalRun(const Phase &x, qint64 from, qint64 m, std::vector<double> &extended)
{
    const qint64 length = 3 * m;
    const double *run = x.data() + from;
    // The halves: 3m/2 points each, or (3m - 1)/2 with the middle one left
    // out; the slope between their means.
    const qint64 half = length / 2;
    double first = 0;
    double second = 0;
    for (qint64 t = 0; t < half; ++t) {
        first += run[t];
        second += run[length - half + t];
    }
    const double slope = (second - first) / double(half) / double(length - half);
    extended.resize(std::size_t(9 * m + 1));
    double sum = 0;
    std::size_t u = 0;
    extended[u++] = 0;
    for (qint64 t = length - 1; t >= 0; --t)
        extended[u++] = sum += run[t] - slope * double(t);
    for (qint64 t = 0; t < length; ++t)
        extended[u++] = sum += run[t] - slope * double(t);
    for (qint64 t = length - 1; t >= 0; --t)
        extended[u++] = sum += run[t] - slope * double(t);
    const double *e = extended.data();
    double squares = 0;
    for (qint64 j = 0; j < 6 * m; ++j) {
        const double a = e[j + 3 * m] - 3 * e[j + 2 * m] + 3 * e[j + m] - e[j];
        squares += a * a;
    }
    return squares / (double(m) * double(m) * 6.0 * double(m));
}

Deviation modifiedTotalOf(const std::vector<Phase> &phases, qint64 m, qint64 stride)
{
    Pool pool;
    std::vector<double> extended;
    for (const Phase &x : phases) {
        const qint64 runs = points(x) - 3 * m + 1;
        long double sum = 0;
        qint64 taken = 0;
        for (qint64 from = 0; from < runs; from += stride) {
            sum += modifiedTotalRun(x, from, m, extended);
            ++taken;
        }
        pool.add(x, sum, taken, runs);
    }
    return pool.finish(2.0L * m * m);
}

Deviation theo1Of(const std::vector<Phase> &phases, qint64 m, qint64 stride)
{
    Pool pool;
    if (m < 2 || m % 2 != 0)
        return pool.finish(1);
    const qint64 half = m / 2;
    std::vector<double> weight(std::size_t(half + 1));
    for (qint64 u = 1; u <= half; ++u)
        weight[std::size_t(u)] = 1.0 / double(u);
    for (const Phase &x : phases) {
        const qint64 starts = points(x) - m;
        long double sum = 0;
        qint64 taken = 0;
        for (qint64 i = 0; i < starts; i += stride) {
            // With u = m/2 - d: the pairs (x[i + u], x[i + m - u]) for u = 1 ... m/2.
            const double *p = x.data() + i;
            const double ends = p[0] + p[m];
            double s = 0;
            for (qint64 u = 1; u <= half; ++u) {
                const double v = ends - p[u] - p[m - u];
                s += v * v * weight[std::size_t(u)];
            }
            sum += s;
            ++taken;
        }
        pool.add(x, sum, taken, starts);
    }
    return pool.finish(0.75L * m * m);
}

// The overlapping Allan variance from the phase, pooled over pieces.
double allanVariance(const std::vector<Phase> &phases, qint64 m)
{
    long double sum = 0;
    qint64 terms = 0;
    for (const Phase &x : phases) {
        const qint64 n = points(x);
        for (qint64 i = 0; i + 2 * m < n; ++i) {
            const double d
                    = x[std::size_t(i + 2 * m)] - 2 * x[std::size_t(i + m)] + x[std::size_t(i)];
            sum += d * d;
        }
        terms += std::max<qint64>(0, n - 2 * m);
    }
    return terms > 0 ? double(sum / (2.0L * m * m * terms)) : 0.0;
}

qint64 strideFor(qint64 m, qint64 perM)
{
    return perM > 0 ? std::max<qint64>(1, m / perM) : 1;
}

// The stride through the runs or starts of factor m, each costing `cost`
// steps, over this many values: every one while that costs little (a span
// of a few thousand readings always does), else every (m / perM)-th, and
// never more than some hundred million steps a factor, so that ten million
// readings cost at most ten times what a million do.
qint64 strideFor(qint64 values, qint64 m, qint64 cost, qint64 perM)
{
    constexpr qint64 kExactWork = qint64{1} << 24;
    constexpr qint64 kMostWork = 100'000'000;
    const qint64 work = values * cost;
    if (work <= kExactWork)
        return 1;
    return std::max({qint64{1}, m / perM, (work + kMostWork - 1) / kMostWork});
}

double theoBiasRatioOf(const std::vector<Phase> &phases, qint64 ratios, qint64 startsPerM)
{
    qint64 longest = 0;
    for (const Phase &x : phases)
        longest = std::max(longest, points(x));
    // n = floor(0.1 N / 3 - 3), in integers: N >= 90 gives n >= 0.
    const qint64 n = longest / 30 - 3;
    if (n < 0)
        return 0;
    std::vector<qint64> taken;
    if (ratios <= 0 || ratios >= n + 1) {
        for (qint64 i = 0; i <= n; ++i)
            taken.push_back(i);
    } else {
        for (qint64 k = 0; k < ratios; ++k) {
            const qint64 i = ratios == 1
                    ? 0
                    : qint64(std::llround(double(k) * double(n) / double(ratios - 1)));
            if (taken.empty() || taken.back() != i)
                taken.push_back(i);
        }
    }
    long double sum = 0;
    qint64 count = 0;
    for (const qint64 i : taken) {
        const double avar = allanVariance(phases, 9 + 3 * i);
        const qint64 theoM = 12 + 4 * i;
        const Deviation theo = theo1Of(phases, theoM, strideFor(theoM, startsPerM));
        if (theo.terms == 0 || !(avar > 0) || !(theo.deviation > 0))
            continue;
        sum += avar / (theo.deviation * theo.deviation);
        ++count;
    }
    return count > 0 ? double(sum / count) : 0.0;
}

// 1 / sum(w^2 / edf) over the pieces, w a piece's share of the terms, as
// GappedEdf combines them; pieces with no terms or no edf take no part.
double combined(const std::map<qint64, qint64> &pieces, const std::function<double(qint64)> &terms,
                const std::function<double(qint64)> &edfOf)
{
    long double all = 0;
    for (const auto &[length, count] : pieces)
        all += (long double)terms(length) * count;
    if (!(all > 0))
        return 0;
    long double sum = 0;
    for (const auto &[length, count] : pieces) {
        const double t = terms(length);
        if (!(t > 0))
            continue;
        const double e = edfOf(length);
        if (!(e > 0))
            continue;
        const long double share = t / all;
        sum += count * share * share / e;
    }
    return sum > 0 ? double(1 / sum) : 0.0;
}

using Line = std::pair<double, double>;

// b (T/τ) - c, T/τ the piece's length over m.
double straightLine(Line bc, qint64 length, qint64 m)
{
    return bc.first * double(length) / double(m) - bc.second;
}

} // namespace

Deviation total(Pieces pieces, qint64 m)
{
    return totalOf(phasesOf(pieces), m);
}

Deviation modifiedTotal(Pieces pieces, qint64 m, qint64 stride)
{
    return modifiedTotalOf(phasesOf(pieces), m, std::max<qint64>(1, stride));
}

double unbiasedModifiedTotal(double deviation, int alpha)
{
    // White PM, flicker PM, white FM, flicker FM, random walk FM.
    static constexpr std::array<double, 5> kBias{0.94, 0.83, 0.73, 0.70, 0.69};
    const auto row = std::size_t(2 - std::clamp(alpha, -2, 2));
    return deviation / std::sqrt(kBias.at(row));
}

Deviation theo1(Pieces pieces, qint64 m, qint64 stride)
{
    return theo1Of(phasesOf(pieces), m, std::max<qint64>(1, stride));
}

double theoBiasRatio(Pieces pieces, qint64 ratios, qint64 startsPerM)
{
    return theoBiasRatioOf(phasesOf(pieces), ratios, startsPerM);
}

double totalEdf(int alpha, qint64 m, const std::map<qint64, qint64> &pieces)
{
    // Howe's TOTVAR edf, b T/τ - c, for white FM (1.500, 0), flicker FM
    // (1.168, 0.222) and random walk FM (0.927, 0.358): NIST SP 1065
    // (Riley, 2008), the table of total variance edf; T the piece's length.
    static constexpr std::array<Line, 3> kFM{{{1.500, 0.0}, {1.168, 0.222}, {0.927, 0.358}}};
    const auto terms
            = [m](qint64 length) { return length >= 2 && m <= length ? double(length - 1) : 0.0; };
    // For PM noises there is no such line: there the reflections gain
    // nothing over the overlapping Allan estimator, whose terms these are
    // at every centre away from the ends, so its edf (Greenhall and Riley)
    // stands in while it has terms; past m = L/2, the white FM line, the
    // lowest edf of the Allan estimators' noises at long τ.
    const auto edfOf = [&](qint64 length) {
        if (alpha > 0) {
            const double allan
                    = Confidence::edf({2, true, false}, alpha, double(m), double(length + 1));
            if (allan > 0)
                return allan;
            return straightLine(kFM[0], length, m);
        }
        return straightLine(kFM.at(std::size_t(-std::max(alpha, -2))), length, m);
    };
    return combined(pieces, terms, edfOf);
}

double modifiedTotalEdf(int alpha, qint64 m, const std::map<qint64, qint64> &pieces)
{
    // MTOT edf, b T/τ - c: white PM (1.90, 2.1), flicker PM (1.20, 1.40),
    // white FM (1.10, 1.2), flicker FM (0.85, 0.50), random walk FM (0.75,
    // 0.31); NIST SP 1065, the table of modified total variance edf.
    static constexpr std::array<Line, 5> kLines{
            {{1.90, 2.1}, {1.20, 1.40}, {1.10, 1.2}, {0.85, 0.50}, {0.75, 0.31}}};
    const auto terms
            = [m](qint64 length) { return length + 1 >= 3 * m ? double(length + 2 - 3 * m) : 0.0; };
    const auto edfOf = [&](qint64 length) {
        return straightLine(kLines.at(std::size_t(2 - std::clamp(alpha, -2, 2))), length, m);
    };
    return combined(pieces, terms, edfOf);
}

double theo1Edf(int alpha, qint64 m, const std::map<qint64, qint64> &pieces)
{
    const auto terms = [m](qint64 length) {
        return m >= 2 && m % 2 == 0 && m <= length ? double(length + 1 - m) : 0.0;
    };
    // NIST SP 1065, the table of Theo1 edf, in N phase points and r = 0.75 m.
    const auto edfOf = [&](qint64 length) {
        const auto n = double(length + 1);
        const double r = 0.75 * double(m);
        switch (std::clamp(alpha, -2, 2)) {
        case 2:
            return 0.86 * (n + 1) * (n - 4.0 / 3.0 * r) / (n - r) * (r / (r + 1.14));
        case 1:
            return (4.798 * n * n - 6.374 * r * n + 12.387 * r) / (std::sqrt(r + 36.6) * (n - r))
                    * (r / (r + 0.3));
        case 0:
            return ((4.1 * n + 0.8) / r - (3.1 * n + 6.5) / n)
                    * (std::pow(r, 1.5) / (std::pow(r, 1.5) + 5.2));
        case -1:
            return (2 * n * n - 1.3 * n * r - 3.5 * r) / (n * r) * (r * r * r / (r * r * r + 2.3));
        default: {
            const double k = 4.4 * n;
            return (k - 2) / (2.9 * r) * ((k - 1) * (k - 1) - 8.6 * r * (k - 1) + 11.4 * r * r)
                    / ((k - 3) * (k - 3));
        }
        }
    };
    return combined(pieces, terms, edfOf);
}

std::vector<Row> sweep(Pieces pieces, const std::atomic<bool> *stop)
{
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    std::vector<Row> rows;
    const std::vector<Phase> phases = phasesOf(pieces);
    qint64 longest = 0;
    for (const Phase &x : phases)
        longest = std::max(longest, points(x) - 1);
    if (stopped())
        return rows;
    const bool exact = longest <= 4096;
    const double ratio = theoBiasRatioOf(phases, exact ? 0 : kRatios, exact ? 0 : kRatioStartsPerM);
    qint64 lastTheoM = 0;
    for (qint64 decade = 1; decade <= longest; decade *= 10) {
        for (const qint64 step : {1, 2, 5}) {
            const qint64 m = decade * step;
            if (m > longest || stopped())
                return rows;
            Row row;
            row.m = m;
            // The total deviation reaches half the span, as SP 1065 takes it.
            if (2 * m <= longest)
                row.total = totalOf(phases, m);
            row.modifiedTotal = modifiedTotalOf(phases, m, strideFor(longest, m, 6 * m, kRunsPerM));
            const qint64 theoM = 2 * std::max<qint64>(1, std::llround(2.0 * double(m) / 3.0));
            if (theoM != lastTheoM) {
                row.theoM = lastTheoM = theoM;
                row.theo1
                        = theo1Of(phases, theoM, strideFor(longest, theoM, theoM / 2, kStartsPerM));
                if (ratio > 0 && row.theo1.terms > 0) {
                    row.theoBR = row.theo1;
                    row.theoBR.deviation *= std::sqrt(ratio);
                }
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace freqcounter::TotalDeviations
