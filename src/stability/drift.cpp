// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drift.h"

#include "stabilityconfidence.h"

#include <boost/math/distributions/students_t.hpp>

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace freqcounter::Drift {

namespace {

namespace Confidence = StabilityConfidence;

constexpr std::array kFrequencyNoises{int(Confidence::WhiteFM), int(Confidence::FlickerFM),
                                      int(Confidence::RandomWalkFM)};

// The generalized autocovariance of the phase for frequency noise alpha;
// white and flicker PM take white FM's.
double phaseCovariance(double t, int alpha)
{
    const double a = std::abs(t);
    if (alpha == Confidence::FlickerFM)
        return a == 0 ? 0 : a * a * std::log(a);
    if (alpha == Confidence::RandomWalkFM)
        return a * a * a;
    return -a;
}

// The Hadamard variance at m of frequency noise alpha, with the
// phase's time counted in steps of `step` readings.
double hadamardForm(double m, double step, int alpha)
{
    static constexpr std::array<double, 4> kThirdDifference{-1, 3, -3, 1};
    double sum = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 4; ++j)
            sum += kThirdDifference[i] * kThirdDifference[j]
                    * phaseCovariance(m / step * (double(i) - double(j)), alpha);
    }
    return sum / (6 * m * m);
}

// The slope's weights on the phase, on a grid of at most kMostNodes points
// `step` readings apart, with the sum over pairs of points at each lag.
struct SlopeForm
{
    double step = 1;
    std::vector<double> lagSums;

    double variance(int alpha) const
    {
        double sum = 0;
        for (std::size_t lag = 1; lag < lagSums.size(); ++lag)
            sum += 2 * lagSums[lag] * phaseCovariance(double(lag), alpha);
        return sum;
    }
};

// The readings as a whole: where they begin, in time and on the grid of τ0,
// and the straight line of least squares through them.
struct Readings
{
    qsizetype count = 0;
    double firstSeconds = 0;
    double meanSeconds = 0; // from the first
    double spread = 0; // sum of squares of the times about their mean
    double slope = 0;
    double ordinaryUncertainty = 0;
    double meanValue = 0;
    qsizetype lastSlot = 0;

    qsizetype slotOf(double seconds, double tau0) const
    {
        return qsizetype(std::llround((seconds - firstSeconds) / tau0));
    }
    // The value less the line, which leaves the Hadamard terms as they are.
    double residual(double seconds, double value) const
    {
        return value - meanValue - slope * (seconds - firstSeconds - meanSeconds);
    }
};

Readings leastSquares(const std::vector<Piece> &pieces, double tau0)
{
    Readings r;
    double firstValue = 0;
    double sumT = 0;
    double sumY = 0;
    for (const Piece &piece : pieces) {
        if (piece.values.empty())
            continue;
        if (r.count == 0) {
            r.firstSeconds = piece.seconds.front();
            firstValue = piece.values.front();
        }
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            sumT += piece.seconds[i] - r.firstSeconds;
            sumY += piece.values[i] - firstValue;
        }
        r.count += qsizetype(piece.values.size());
        r.lastSlot = std::max(r.lastSlot, r.slotOf(piece.seconds.back(), tau0));
    }
    if (r.count < 3)
        return r;
    r.meanSeconds = sumT / double(r.count);
    const double meanY = sumY / double(r.count);
    r.meanValue = firstValue + meanY;
    double tt = 0;
    double ty = 0;
    double yy = 0;
    for (const Piece &piece : pieces) {
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            const double t = piece.seconds[i] - r.firstSeconds - r.meanSeconds;
            const double y = piece.values[i] - firstValue - meanY;
            tt += t * t;
            ty += t * y;
            yy += y * y;
        }
    }
    r.spread = tt;
    if (!(tt > 0))
        return r;
    r.slope = ty / tt;
    r.ordinaryUncertainty = std::sqrt(std::max(0.0, yy - ty * ty / tt) / double(r.count - 2) / tt);
    return r;
}

SlopeForm slopeForm(const std::vector<Piece> &pieces, const Readings &r, double tau0)
{
    // Reading i in slot k is x[k + 1] - x[k]: its weight w_i goes to phase
    // point k with a minus and to k + 1 with a plus. Within a piece w grows
    // by tau0 / spread a reading, which leaves that, negated, on each inner
    // point and the piece's first and last weights on its ends.
    // A piece takes adjacent slots from its first reading's on, so one whose
    // readings share stamps reaches past the last reading's slot.
    qsizetype points = r.lastSlot + 2;
    for (const Piece &piece : pieces) {
        if (!piece.values.empty())
            points = std::max(points,
                              r.slotOf(piece.seconds.front(), tau0) + qsizetype(piece.values.size())
                                      + 1);
    }
    SlopeForm form;
    form.step = std::max(1.0, std::ceil(double(points - 1) / double(kMostNodes - 1)));
    const double perStep = 1 / form.step;
    std::vector<double> nodes(std::size_t(std::ceil(double(points - 1) * perStep)) + 2);
    const auto share = [&](qsizetype point, double weight) {
        const double at = double(point) * perStep;
        const double below = std::floor(at);
        const double above = at - below;
        nodes[std::size_t(below)] += weight * (1 - above);
        nodes[std::size_t(below) + 1] += weight * above;
    };
    const double growth = tau0 / r.spread;
    for (const Piece &piece : pieces) {
        const auto n = qsizetype(piece.values.size());
        if (n == 0)
            continue;
        const qsizetype first = r.slotOf(piece.seconds.front(), tau0);
        const double w = (piece.seconds.front() - r.firstSeconds - r.meanSeconds) / r.spread;
        share(first, -w);
        for (qsizetype j = 1; j < n; ++j)
            share(first + j, -growth);
        share(first + n, w + double(n - 1) * growth);
    }
    while (!nodes.empty() && nodes.back() == 0)
        nodes.pop_back();
    form.lagSums.assign(nodes.size(), 0);
    for (std::size_t lag = 1; lag < nodes.size(); ++lag) {
        double sum = 0;
        for (std::size_t i = 0; i + lag < nodes.size(); ++i)
            sum += nodes[i] * nodes[i + lag];
        form.lagSums[lag] = sum;
    }
    return form;
}

// The longest averaging factor that leaves kFewestForNoise averages within
// the pieces after the two differences the noise's identification may take,
// and one piece long enough for a Hadamard term; 0 for none.
qsizetype longestFactor(const std::vector<Piece> &pieces)
{
    const auto fits = [&](qsizetype m) {
        qsizetype averages = 0;
        bool term = false;
        for (const Piece &piece : pieces) {
            const qsizetype inPiece = qsizetype(piece.values.size()) / m;
            if (inPiece >= 4)
                averages += inPiece - 2;
            term = term || qsizetype(piece.values.size()) >= 3 * m;
        }
        return averages >= qsizetype(Confidence::kFewestForNoise) && term;
    };
    qsizetype low = 0;
    qsizetype high = 1;
    for (const Piece &piece : pieces)
        high += qsizetype(piece.values.size());
    while (high - low > 1) {
        const qsizetype m = (low + high) / 2;
        (fits(m) ? low : high) = m;
    }
    return low;
}

std::vector<Confidence::AveragePiece> averages(const std::vector<Piece> &pieces, const Readings &r,
                                               double tau0, qsizetype m)
{
    std::vector<Confidence::AveragePiece> out;
    for (const Piece &piece : pieces) {
        const std::size_t count = piece.values.size() / std::size_t(m);
        if (count == 0)
            continue;
        Confidence::AveragePiece average;
        average.at = double(r.slotOf(piece.seconds.front(), tau0)) / double(m);
        for (std::size_t k = 0; k < count; ++k) {
            double sum = 0;
            for (std::size_t i = k * std::size_t(m); i < (k + 1) * std::size_t(m); ++i)
                sum += piece.values[i] - r.meanValue;
            average.values.push_back(sum / double(m));
        }
        out.push_back(std::move(average));
    }
    return out;
}

// The overlapping Hadamard variance at m and at m / 4, from one running sum,
// with how many pieces give each number of terms at m.
struct Hadamard
{
    double atM = 0;
    qsizetype quarter = 1;
    double atQuarter = 0;
    std::map<qint64, qint64> termsByPiece;
};

Hadamard overlappingHadamard(const std::vector<Piece> &pieces, const Readings &r, qsizetype m)
{
    Hadamard hadamard;
    const qsizetype quarter = hadamard.quarter = std::max<qsizetype>(m / 4, 1);
    double squares = 0;
    double quarterSquares = 0;
    qint64 terms = 0;
    qint64 quarterTerms = 0;
    std::vector<double> running;
    const auto sum = [&](qsizetype n, qsizetype lag) {
        const auto at = [&](qsizetype k) { return running[std::size_t(k)]; };
        double total = 0;
        for (qsizetype i = 0; i + 3 * lag <= n; ++i) {
            const double h = at(i + 3 * lag) - 3 * at(i + 2 * lag) + 3 * at(i + lag) - at(i);
            total += h * h;
        }
        return total;
    };
    for (const Piece &piece : pieces) {
        const auto n = qsizetype(piece.values.size());
        if (n < 3 * quarter)
            continue;
        running.assign(std::size_t(n) + 1, 0);
        for (std::size_t i = 0; i < std::size_t(n); ++i)
            running[i + 1] = running[i] + r.residual(piece.seconds[i], piece.values[i]);
        quarterSquares += sum(n, quarter);
        quarterTerms += n - 3 * quarter + 1;
        if (n < 3 * m)
            continue;
        squares += sum(n, m);
        terms += n - 3 * m + 1;
        ++hadamard.termsByPiece[n - 3 * m + 1];
    }
    const auto variance = [](double sumOfSquares, qsizetype lag, qint64 count) {
        return sumOfSquares / (6.0 * double(lag) * double(lag) * double(count));
    };
    hadamard.atM = variance(squares, m, terms);
    hadamard.atQuarter = variance(quarterSquares, quarter, quarterTerms);
    return hadamard;
}

// The noise at the longest averaging factor m: the slope mu of HVAR ~ m^mu
// from m / 4 to m tells the frequency noises apart (alpha = -1 - mu) where
// the lag-1 autocorrelation of the thirty-odd averages of length m does
// not. Where the slope says PM, the autocorrelation of the averages of
// m / 4 says which; below m = 4, that of the averages of m alone.
std::optional<int> noiseOf(const std::vector<Piece> &pieces, const Readings &r, double tau0,
                           qsizetype m, const Hadamard &hadamard)
{
    if (m < 4)
        return Confidence::identifyNoise(averages(pieces, r, tau0, m));
    const double mu = std::log(hadamard.atM / hadamard.atQuarter)
            / std::log(double(m) / double(hadamard.quarter));
    if (!std::isfinite(mu))
        return std::nullopt;
    const int alpha = -1 - int(std::lround(mu));
    if (alpha <= Confidence::RandomWalkFM)
        return Confidence::RandomWalkFM;
    if (alpha <= Confidence::WhiteFM)
        return alpha;
    const std::optional<int> pm
            = Confidence::identifyNoise(averages(pieces, r, tau0, hadamard.quarter));
    return pm && *pm >= Confidence::FlickerPM ? pm : std::nullopt;
}

} // namespace

std::optional<Linear> linear(const std::vector<Piece> &pieces, double tau0Seconds)
{
    const Readings readings = leastSquares(pieces, tau0Seconds);
    if (readings.count < 3 || !(readings.spread > 0) || !(tau0Seconds > 0))
        return std::nullopt;
    const qsizetype longest = longestFactor(pieces);
    const qsizetype m = std::max<qsizetype>(longest, 1);
    if (longest == 0 && std::none_of(pieces.begin(), pieces.end(), [](const Piece &p) {
            return p.values.size() >= 3;
        }))
        return std::nullopt;

    Linear line;
    line.slope = readings.slope;
    line.ordinaryUncertainty = readings.ordinaryUncertainty;
    line.averagingFactor = m;
    const Hadamard hadamard = overlappingHadamard(pieces, readings, m);
    line.noise = noiseOf(pieces, readings, tau0Seconds, m, hadamard);

    const SlopeForm form = slopeForm(pieces, readings, tau0Seconds);
    const auto ratio = [&](int alpha) {
        return form.variance(alpha) / hadamardForm(double(m), form.step, alpha);
    };
    int alpha = line.noise.value_or(Confidence::WhiteFM);
    double worst = ratio(alpha);
    if (!line.noise) {
        for (const int a : kFrequencyNoises) {
            if (const double r = ratio(a); r > worst) {
                worst = r;
                alpha = a;
            }
        }
    }
    Confidence::GappedEdf edf;
    line.degreesOfFreedom = edf.of({3, true, false}, alpha, double(m), hadamard.termsByPiece);
    const double tail = (1 + std::erf(1 / std::sqrt(2.0))) / 2;
    const double t = line.degreesOfFreedom > 0
            ? boost::math::quantile(boost::math::students_t(line.degreesOfFreedom), tail)
            : std::numeric_limits<double>::infinity();
    line.uncertainty = t * std::sqrt(std::max(0.0, worst * hadamard.atM));
    const QString noise = line.noise
            ? Confidence::noiseName(line.noise)
            : QCoreApplication::translate("Drift",
                                          "the worst of white, flicker and random walk FM");
    line.method = QCoreApplication::translate(
                          "Drift",
                          "least squares; uncertainty for %1 from the Hadamard variance at %2 τ0")
                          .arg(noise)
                          .arg(m);
    return line;
}

namespace {

// Readings, or means of readings over equal stretches of time, with how many
// readings each stands for.
struct Points
{
    std::vector<double> t;
    std::vector<double> f;
    std::vector<double> weight;
};

constexpr std::size_t kMostPoints = 20'000;

Points pointsOf(const std::vector<Piece> &pieces, double origin, double span)
{
    qsizetype count = 0;
    for (const Piece &piece : pieces)
        count += qsizetype(piece.values.size());
    Points p;
    if (std::size_t(count) <= kMostPoints) {
        for (const Piece &piece : pieces) {
            for (std::size_t i = 0; i < piece.values.size(); ++i) {
                p.t.push_back(piece.seconds[i] - origin);
                p.f.push_back(piece.values[i]);
                p.weight.push_back(1);
            }
        }
        return p;
    }
    p.t.assign(kMostPoints, 0);
    p.f.assign(kMostPoints, 0);
    p.weight.assign(kMostPoints, 0);
    for (const Piece &piece : pieces) {
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            const double t = piece.seconds[i] - origin;
            const auto bin = std::min(kMostPoints - 1, std::size_t(t / span * kMostPoints));
            p.t[bin] += t;
            p.f[bin] += piece.values[i];
            p.weight[bin] += 1;
        }
    }
    Points full;
    for (std::size_t k = 0; k < kMostPoints; ++k) {
        if (p.weight[k] == 0)
            continue;
        full.t.push_back(p.t[k] / p.weight[k]);
        full.f.push_back(p.f[k] / p.weight[k]);
        full.weight.push_back(p.weight[k]);
    }
    return full;
}

// For fixed b the model is linear in a and c: their least squares and the
// sum of squares left.
struct Fit
{
    double a = 0;
    double c = 0;
    double squares = std::numeric_limits<double>::infinity();
};

Fit fitFor(const Points &p, double b)
{
    long double w = 0;
    long double sumG = 0;
    long double sumF = 0;
    for (std::size_t i = 0; i < p.t.size(); ++i) {
        w += p.weight[i];
        sumG += p.weight[i] * std::log1p(b * p.t[i]);
        sumF += p.weight[i] * p.f[i];
    }
    const long double meanG = sumG / w;
    const long double meanF = sumF / w;
    long double gg = 0;
    long double gf = 0;
    long double ff = 0;
    for (std::size_t i = 0; i < p.t.size(); ++i) {
        const long double g = std::log1p(b * p.t[i]) - meanG;
        const long double f = p.f[i] - meanF;
        gg += p.weight[i] * g * g;
        gf += p.weight[i] * g * f;
        ff += p.weight[i] * f * f;
    }
    Fit fit;
    if (!(gg > 0))
        return fit;
    fit.a = double(gf / gg);
    fit.c = double(meanF - fit.a * meanG);
    fit.squares = double(std::max(0.0L, ff - gf * gf / gg));
    return fit;
}

} // namespace

std::optional<Ageing> logAgeing(const std::vector<Piece> &pieces)
{
    constexpr double kDay = 86400;
    std::optional<double> first;
    double last = 0;
    for (const Piece &piece : pieces) {
        if (piece.values.empty())
            continue;
        if (!first)
            first = piece.seconds.front();
        last = piece.seconds.back();
    }
    if (!first || last - *first < kDay)
        return std::nullopt;
    const double span = last - *first;
    const Points points = pointsOf(pieces, *first, span);

    // b from a hundredth of the span's rate, where the curve is a line, to
    // a million times it, where it is a logarithm of t.
    constexpr int kSteps = 80;
    const double lowest = std::log(1e-2 / span);
    const double highest = std::log(1e6 / span);
    const auto at = [&](int k) { return lowest + (highest - lowest) * k / kSteps; };
    int best = 0;
    double bestSquares = std::numeric_limits<double>::infinity();
    for (int k = 0; k <= kSteps; ++k) {
        const double squares = fitFor(points, std::exp(at(k))).squares;
        if (squares < bestSquares) {
            bestSquares = squares;
            best = k;
        }
    }
    if (best == 0 || best == kSteps || !std::isfinite(bestSquares))
        return std::nullopt;

    // Golden section on ln b between the grid's neighbours of the best.
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double lo = at(best - 1);
    double hi = at(best + 1);
    double x1 = hi - golden * (hi - lo);
    double x2 = lo + golden * (hi - lo);
    double s1 = fitFor(points, std::exp(x1)).squares;
    double s2 = fitFor(points, std::exp(x2)).squares;
    while (hi - lo > 1e-9) {
        if (s1 <= s2) {
            hi = x2;
            x2 = x1;
            s2 = s1;
            x1 = hi - golden * (hi - lo);
            s1 = fitFor(points, std::exp(x1)).squares;
        } else {
            lo = x1;
            x1 = x2;
            s1 = s2;
            x2 = lo + golden * (hi - lo);
            s2 = fitFor(points, std::exp(x2)).squares;
        }
    }

    // a and c again from every reading, not the means, at the b found.
    Ageing ageing;
    ageing.b = std::exp((lo + hi) / 2);
    Points all;
    qsizetype count = 0;
    for (const Piece &piece : pieces) {
        for (std::size_t i = 0; i < piece.values.size(); ++i) {
            all.t.push_back(piece.seconds[i] - *first);
            all.f.push_back(piece.values[i]);
            all.weight.push_back(1);
            ++count;
        }
    }
    const Fit fit = fitFor(all, ageing.b);
    if (!std::isfinite(fit.squares))
        return std::nullopt;
    ageing.a = fit.a;
    ageing.c = fit.c;
    ageing.originSeconds = *first;
    ageing.residualRms = std::sqrt(fit.squares / double(count));
    ageing.perDayAtEnd = ageing.a * ageing.b / (ageing.b * span + 1) * kDay;
    return ageing;
}

std::vector<Piece> withoutDrift(std::vector<Piece> pieces, double slopePerSecond)
{
    const auto first = std::find_if(pieces.begin(), pieces.end(),
                                    [](const Piece &p) { return !p.seconds.empty(); });
    if (first == pieces.end())
        return pieces;
    const double origin = first->seconds.front();
    for (Piece &piece : pieces) {
        for (std::size_t i = 0; i < piece.values.size(); ++i)
            piece.values[i] -= slopePerSecond * (piece.seconds[i] - origin);
    }
    return pieces;
}

} // namespace freqcounter::Drift
