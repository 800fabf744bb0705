// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilityconfidence.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace freqcounter::StabilityConfidence {

namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();
// Beyond this many terms of the basic sum, the paper's asymptotic tables.
constexpr double kJMax = 100;

// Greenhall and Riley's sw, sx, sz: the generalised autocovariance of the
// noise, of its phase through the estimator's first filter, and through its
// d-th difference.
double sw(double t, int alpha)
{
    const double a = std::abs(t);
    switch (alpha) {
    case 2:
        return -a;
    case 1:
        return t == 0 ? 0 : t * t * std::log(a);
    case 0:
        return a * a * a;
    case -1:
        return t == 0 ? 0 : t * t * t * t * std::log(a);
    case -2:
        return a * a * a * a * a;
    case -3:
        return t == 0 ? 0 : std::pow(t, 6) * std::log(a);
    default:
        return std::pow(a, 7);
    }
}

double sx(double t, double f, int alpha)
{
    if (std::isinf(f))
        return sw(t, alpha + 2);
    return f * f * (2 * sw(t, alpha) - sw(t - 1 / f, alpha) - sw(t + 1 / f, alpha));
}

double sz(double t, double f, int alpha, int d)
{
    // The binomial weights of the d-th difference, taken both ways.
    static constexpr std::array<std::array<double, 4>, 4> kWeights{
            {{0, 0, 0, 0}, {2, -1, 0, 0}, {6, -4, 1, 0}, {20, -15, 6, -1}}};
    const auto &w = kWeights.at(std::size_t(d));
    double sum = w[0] * sx(t, f, alpha);
    for (int k = 1; k <= d; ++k)
        sum += w.at(std::size_t(k)) * (sx(t - k, f, alpha) + sx(t + k, f, alpha));
    return sum;
}

double basicSum(double j, double m, double s, double f, int alpha, int d)
{
    const auto square = [](double v) { return v * v; };
    double sum = square(sz(0, f, alpha, d)) + (1 - j / m) * square(sz(j / s, f, alpha, d));
    for (int i = 1; i < int(j); ++i)
        sum += 2 * (1 - i / m) * square(sz(i / s, f, alpha, d));
    return sum;
}

// The paper's tables of (a0, a1) for large r, by alpha from +2 down to -2
// and d from 1 to 3; table 3 gives (b0, b1) for flicker PM.
using Pair = std::pair<double, double>;
constexpr std::array<std::array<Pair, 3>, 5> kModifiedTable{{
        {{{2.0 / 3, 1.0 / 3}, {7.0 / 9, 1.0 / 2}, {22.0 / 25, 2.0 / 3}}},
        {{{0.840, 0.345}, {0.997, 0.616}, {1.141, 0.843}}},
        {{{1.079, 0.368}, {1.033, 0.607}, {1.184, 0.848}}},
        {{{0, 0}, {1.048, 0.534}, {1.180, 0.816}}},
        {{{0, 0}, {1.302, 0.535}, {1.175, 0.777}}},
}};
constexpr std::array<std::array<Pair, 3>, 5> kUnmodifiedTable{{
        {{{3.0 / 2, 1.0 / 2}, {35.0 / 18, 1.0}, {231.0 / 100, 3.0 / 2}}},
        {{{78.6, 25.2}, {790.0, 410.0}, {9950.0, 6520.0}}},
        {{{2.0 / 3, 1.0 / 6}, {2.0 / 3, 1.0 / 3}, {7.0 / 9, 1.0 / 2}}},
        {{{0, 0}, {0.852, 0.375}, {0.997, 0.617}}},
        {{{0, 0}, {1.079, 0.368}, {1.033, 0.607}}},
}};
constexpr std::array<Pair, 3> kFlickerPMTable{{{6.0, 4.0}, {15.23, 12.0}, {47.8, 40.0}}};

Pair tableEntry(const std::array<std::array<Pair, 3>, 5> &table, int alpha, int d)
{
    return table.at(std::size_t(2 - alpha)).at(std::size_t(d - 1));
}

// The fewest averages a piece gives its own level from.
constexpr std::size_t kOwnLevel = 8;

// Takes out of the pieces the lines of least squares with one slope, a
// level of its own for each piece long enough to give its level well, and
// one level shared by the shorter ones: a frequency that steps at a gap
// makes up no noise, and a short piece's own mean, which would bias its
// autocorrelation, is not taken out.
void detrend(std::vector<AveragePiece> &pieces)
{
    const auto group = [&](const AveragePiece &piece) {
        return piece.values.size() >= kOwnLevel ? std::ptrdiff_t(&piece - pieces.data()) : -1;
    };
    struct Sums
    {
        long double n = 0, t = 0, y = 0;
    };
    std::map<std::ptrdiff_t, Sums> groups;
    for (const AveragePiece &piece : pieces) {
        Sums &g = groups[group(piece)];
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            g.n += 1;
            g.t += piece.at + double(i);
            g.y += piece.values[i];
        }
    }
    long double products = 0;
    long double spread = 0;
    for (const AveragePiece &piece : pieces) {
        const Sums &g = groups[group(piece)];
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            const long double t = piece.at + double(i) - g.t / g.n;
            products += t * (piece.values[i] - g.y / g.n);
            spread += t * t;
        }
    }
    const long double slope = spread > 0 ? products / spread : 0;
    for (AveragePiece &piece : pieces) {
        const Sums &g = groups[group(piece)];
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            const long double t = piece.at + double(i) - g.t / g.n;
            piece.values[i] -= double(g.y / g.n + slope * t);
        }
    }
}

// How many averages a noise is told from: those in pieces of two or more.
std::size_t averagesTelling(const std::vector<AveragePiece> &pieces)
{
    std::size_t count = 0;
    for (const AveragePiece &piece : pieces)
        count += piece.values.size() < 2 ? 0 : piece.values.size();
    return count;
}

// The lag-1 autocorrelation of the pairs of adjacent averages within the
// pieces, about the mean of all of them; pieces of one average take no part.
// Nothing when no pair is left.
std::optional<double> lag1Autocorrelation(const std::vector<AveragePiece> &pieces, bool ownLevels)
{
    long double sum = 0;
    std::size_t count = 0;
    for (const AveragePiece &piece : pieces) {
        if (piece.values.size() < 2)
            continue;
        for (const double v : piece.values)
            sum += v;
        count += piece.values.size();
    }
    if (count < 2)
        return std::nullopt;
    const long double mean = sum / (long double)count;
    long double products = 0;
    long double squares = 0;
    for (const AveragePiece &piece : pieces) {
        if (piece.values.size() < 2)
            continue;
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            const long double a = piece.values[i] - mean;
            squares += a * a;
            if (i + 1 < piece.values.size())
                products += a * (piece.values[i + 1] - mean);
        }
    }
    if (!(squares > 0))
        return 0.0;
    // A piece's own mean taken out of white noise leaves its lag-1
    // autocorrelation low by about 1 / length: given back.
    long double bias = 0;
    long double pairs = 0;
    for (const AveragePiece &piece : pieces) {
        const auto length = (long double)piece.values.size();
        if (ownLevels && piece.values.size() >= kOwnLevel) {
            bias += (length - 1) / length;
            pairs += length - 1;
        }
    }
    return double(products / squares + (pairs > 0 ? bias / pairs : 0));
}

// An estimator at averaging length m: its averaging factor F, its stride S
// between terms, and the length of its filter on the phase.
struct Filter
{
    double f;
    double s;
    double length;
};

Filter filterOf(const Estimator &estimator, double m)
{
    const double f = estimator.modified ? 1 : m;
    return {f, estimator.overlapping ? m : 1, m / f + m * estimator.d};
}

} // namespace

QString noiseName(std::optional<int> alpha)
{
    if (!alpha)
        return QCoreApplication::translate("StabilityConfidence", "not identified");
    switch (*alpha) {
    case WhitePM:
        return QCoreApplication::translate("StabilityConfidence", "white PM");
    case FlickerPM:
        return QCoreApplication::translate("StabilityConfidence", "flicker PM");
    case WhiteFM:
        return QCoreApplication::translate("StabilityConfidence", "white FM");
    case FlickerFM:
        return QCoreApplication::translate("StabilityConfidence", "flicker FM");
    default:
        return QCoreApplication::translate("StabilityConfidence", "random walk FM");
    }
}

QByteArray noiseId(std::optional<int> alpha)
{
    if (!alpha)
        return QByteArrayLiteral("not identified");
    switch (*alpha) {
    case WhitePM:
        return QByteArrayLiteral("white PM");
    case FlickerPM:
        return QByteArrayLiteral("flicker PM");
    case WhiteFM:
        return QByteArrayLiteral("white FM");
    case FlickerFM:
        return QByteArrayLiteral("flicker FM");
    default:
        return QByteArrayLiteral("random walk FM");
    }
}

std::optional<int> identifyNoise(std::vector<AveragePiece> pieces)
{
    // The averages at this τ are counted before any difference is taken.
    if (averagesTelling(pieces) < kFewestForNoise)
        return std::nullopt;
    detrend(pieces);
    // Frequency data: white FM is uncorrelated (rho 0); white PM, its
    // difference, has rho -1/2 ... and each difference taken lowers alpha by 2.
    constexpr int kMostDifferences = 2;
    for (int d = 0;; ++d) {
        const std::optional<double> r1 = lag1Autocorrelation(pieces, d == 0);
        if (!r1)
            return std::nullopt;
        const double rho = *r1 / (1 + *r1);
        if (rho < 0.25 || d >= kMostDifferences) {
            const int alpha = -int(std::lround(2 * rho)) - 2 * d;
            return std::clamp(alpha, int(RandomWalkFM), int(WhitePM));
        }
        for (AveragePiece &piece : pieces) {
            std::vector<double> &x = piece.values;
            if (x.empty())
                continue;
            for (std::size_t i = 0; i + 1 < x.size(); ++i)
                x[i] = x[i + 1] - x[i];
            x.pop_back();
        }
    }
}

double phasePointsFor(const Estimator &estimator, double m, double terms)
{
    const Filter filter = filterOf(estimator, m);
    return (terms - 1) * m / filter.s + filter.length;
}

double edf(const Estimator &estimator, int alpha, double m, double phasePoints)
{
    // At τ0 the modified estimator is the unmodified one, term for term.
    if (estimator.modified && m <= 1)
        return edf({estimator.d, estimator.overlapping, false}, alpha, m, phasePoints);
    const int d = estimator.d;
    const Filter filter = filterOf(estimator, m);
    const double s = filter.s;
    const double terms = 1 + std::floor(s * (phasePoints - filter.length) / m);
    if (terms < 1)
        return 0;
    const double j = std::min(terms, (d + 1) * s);
    const double r = terms / s;
    const auto fromSum = [&](double jj, double mm, double ss, double ff) {
        const double z = sz(0, ff, alpha, d);
        return 1 / (basicSum(jj, mm, ss, ff, alpha, d) / (z * z * mm));
    };
    const auto fromTable = [&](Pair a, double scale = 1) {
        return 1 / ((a.first - a.second / r) / (scale * scale * r));
    };

    if (estimator.modified) {
        if (j <= kJMax)
            return fromSum(j, terms, s, 1);
        if (r > d + 1)
            return fromTable(tableEntry(kModifiedTable, alpha, d));
        return fromSum(kJMax, kJMax, kJMax / r, 1);
    }
    if (alpha <= 0) {
        // The phase as sampled, not averaged over τ0 (F = m, which the paper
        // takes while m (d + 1) <= J_max): readings of a counter are the
        // phase's differences at the sampling instants. For white FM this
        // gives the exact degrees of freedom, those of SP 1065's simple form;
        // F = m gives up to a sixth more at τ0.
        if (j <= kJMax)
            return fromSum(j, terms, s, kInfinite);
        if (r > d + 1)
            return fromTable(tableEntry(kUnmodifiedTable, alpha, d));
        return fromSum(kJMax, kJMax, kJMax / r, kInfinite);
    }
    if (alpha == FlickerPM) {
        const Pair b = kFlickerPMTable.at(std::size_t(d - 1));
        const double scale = b.first + b.second * std::log(m);
        if (j <= kJMax)
            return fromSum(j, terms, s, m);
        if (r > d + 1)
            return fromTable(tableEntry(kUnmodifiedTable, alpha, d), scale);
        const double z = scale;
        return 1 / (basicSum(kJMax, kJMax, kJMax / r, kJMax / r, alpha, d) / (z * z * kJMax));
    }
    // White PM, unmodified: a closed form once r is above d; below, the sum.
    if (std::ceil(r) <= d)
        return fromSum(j, terms, s, m);
    const auto binomial = [](int n, int k) {
        double b = 1;
        for (int i = 1; i <= k; ++i)
            b = b * (n - k + i) / i;
        return b;
    };
    const double a0 = binomial(4 * d, 2 * d) / std::pow(binomial(2 * d, d), 2);
    const double a1 = d / 2.0;
    return 1 / ((a0 - a1 / r) / terms);
}

double GappedEdf::of(const Estimator &estimator, int alpha, double m,
                     const std::map<qint64, qint64> &terms)
{
    // Forgets, rather than grows without end, as spans come and go.
    if (m_known.size() > 100'000)
        m_known.clear();
    long double all = 0;
    for (const auto &[pieceTerms, pieces] : terms)
        all += (long double)pieceTerms * pieces;
    long double sum = 0;
    for (const auto &[pieceTerms, pieces] : terms) {
        const auto key = std::tuple(estimator.d, estimator.overlapping, estimator.modified, alpha,
                                    m, pieceTerms);
        auto known = m_known.find(key);
        if (known == m_known.end()) {
            const double points = phasePointsFor(estimator, m, double(pieceTerms));
            known = m_known.emplace(key, edf(estimator, alpha, m, points)).first;
        }
        if (!(known->second > 0))
            continue;
        const long double share = (long double)pieceTerms / all;
        sum += pieces * share * share / known->second;
    }
    return sum > 0 ? double(1 / sum) : 0.0;
}

std::pair<double, double> bounds(double deviation, double degreesOfFreedom)
{
    if (!(degreesOfFreedom > 0) || !std::isfinite(degreesOfFreedom))
        return {deviation, deviation};
    const double tail = (1 - std::erf(1 / std::sqrt(2.0))) / 2; // 0.1587
    const boost::math::chi_squared chi2(degreesOfFreedom);
    const double low = boost::math::quantile(chi2, 1 - tail);
    const double high = boost::math::quantile(chi2, tail);
    return {deviation * std::sqrt(degreesOfFreedom / low),
            deviation * std::sqrt(degreesOfFreedom / high)};
}

} // namespace freqcounter::StabilityConfidence
