// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

#include "gappedseries.h"
#include "levelsums.h"
#include "stabilityconfidence.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace freqcounter {

namespace {

namespace Confidence = StabilityConfidence;

constexpr double kHzPerMHz = 1e6;
// The newest averages the noise is identified from at each τ: plenty for a
// certain answer, few enough to cost little on a long span.
constexpr std::size_t kNoiseSamples = 4096;

} // namespace

// What the last span left: its numbers, the sums of each averaging length,
// and the degrees of freedom worked out, for the next refresh.
struct SpanStatistics::State
{
    GappedSeries series;
    LevelSums sums;
    Confidence::GappedEdf edfs;
};

namespace {

// Mean, extremes, spread and drift, in one pass in long double: the
// readings are hertz from the first, and times seconds from the first.
// Gives the mean in hertz.
double moments(const GappedSeries &series, Statistics &s)
{
    const qsizetype first = series.front();
    const qint64 origin = series.msecs(first);
    long double sum = 0;
    long double squares = 0;
    long double seconds = 0;
    long double secondsSquared = 0;
    long double product = 0;
    double low = series.hz(first);
    double high = low;
    for (qsizetype i = first; i < series.size(); ++i) {
        const long double h = series.hz(i);
        const long double t = (long double)(series.msecs(i) - origin) / 1000.0L;
        sum += h;
        squares += h * h;
        seconds += t;
        secondsSquared += t * t;
        product += t * h;
        low = std::min(low, series.hz(i));
        high = std::max(high, series.hz(i));
    }
    const long double count = series.held();
    const long double meanOffset = sum / count;
    const double meanHz = series.referenceHz() + double(meanOffset);
    s.meanMHz = meanHz / kHzPerMHz;
    s.minMHz = (series.referenceHz() + low) / kHzPerMHz;
    s.maxMHz = (series.referenceHz() + high) / kHzPerMHz;
    s.peakToPeakHz = high - low;
    if (count < 2)
        return meanHz;
    const long double variance = std::max(0.0L, squares - count * meanOffset * meanOffset);
    s.stdDevHz = double(std::sqrt(variance / (count - 1)));
    const long double meanSeconds = seconds / count;
    const long double spread = secondsSquared - count * meanSeconds * meanSeconds;
    if (spread > 0) {
        const auto hzPerSecond = double((product - count * meanSeconds * meanOffset) / spread);
        s.driftHzPerMinute = hzPerSecond * 60.0;
        if (meanHz != 0)
            s.driftPpmPerHour = hzPerSecond * 3600.0 / meanHz * 1e6;
    }
    return meanHz;
}

// How many pieces give each number of terms, for an estimator whose terms
// take `span` adjacent numbers and follow one another every `stride`.
std::map<qint64, qint64> termsByPiece(const std::map<qsizetype, qsizetype> &lengths, qsizetype span,
                                      qsizetype stride)
{
    std::map<qint64, qint64> terms;
    for (const auto &[length, pieces] : lengths) {
        if (length >= span)
            terms[(length - span) / stride + 1] += pieces;
    }
    return terms;
}

// A deviation from the sum of the squares of its terms, with the bounds its
// degrees of freedom give for the noise: each piece's own, combined.
struct Figure
{
    double tau0 = 1;
    double meanHz = 1; // its magnitude
    Confidence::GappedEdf &edfs;

    Statistics::Deviation of(const Confidence::Estimator &estimator, qsizetype m,
                             long double sumOfSquares, qsizetype terms, long double weight,
                             std::optional<int> noise,
                             const std::map<qint64, qint64> &pieceTerms) const
    {
        const double power = estimator.modified ? 4 : 2;
        const long double variance = std::max(0.0L, sumOfSquares)
                / (weight * std::pow((long double)m, (long double)power) * (long double)terms);
        Statistics::Deviation d;
        d.tauSeconds = tau0 * double(m);
        d.value = double(std::sqrt(variance)) / meanHz;
        d.terms = terms;
        d.noise = noise;
        if (noise) {
            d.edf = edfs.of(estimator, *noise, double(m), pieceTerms);
        } else {
            // Not knowing the noise, the widest bounds any of them gives.
            d.edf = std::numeric_limits<double>::infinity();
            for (int alpha = Confidence::RandomWalkFM; alpha <= Confidence::WhitePM; ++alpha)
                d.edf = std::min(d.edf, edfs.of(estimator, alpha, double(m), pieceTerms));
        }
        std::tie(d.low, d.high) = Confidence::bounds(d.value, d.edf);
        return d;
    }
};

constexpr Confidence::Estimator kAllan{2, false, false};
constexpr Confidence::Estimator kOverlappingAllan{2, true, false};
constexpr Confidence::Estimator kModifiedAllan{2, true, true};
constexpr Confidence::Estimator kOverlappingHadamard{3, true, false};

// The noise at each level's τ, where enough averages tell.
std::vector<std::optional<int>> noises(const SpanStatistics::State &state)
{
    std::vector<std::optional<int>> found;
    found.reserve(state.sums.levels().size());
    for (const Level &level : state.sums.levels())
        found.push_back(
                Confidence::identifyNoise(newestAverages(state.series, level.m, kNoiseSamples)));
    return found;
}

// The Allan deviations, normal, overlapping and modified, the overlapping
// Hadamard deviation and the time deviation.
void stability(SpanStatistics::State &state, Statistics &s, double meanHz)
{
    const GappedSeries &series = state.series;
    const Figure figure{*s.tau0Seconds, std::abs(meanHz), state.edfs};
    state.sums.follow(series);
    const std::vector<Level> &levels = state.sums.levels();
    const std::vector<std::optional<int>> noise = noises(state);
    const auto noiseAt = [&](qsizetype m) {
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (levels[i].m == m)
                return noise[i];
        }
        return std::optional<int>();
    };
    const std::vector<std::pair<qsizetype, qsizetype>> pieces = series.pieces();
    std::map<qsizetype, qsizetype> lengths;
    for (const auto &[begin, end] : pieces)
        ++lengths[end - begin];

    // Each piece's terms from its own first number on. At tau0 they are
    // the overlapping estimator's, whose sum is kept up to date.
    for (const qsizetype m : {1, 10, 100}) {
        long double squared = 0;
        qsizetype terms = 0;
        if (m == 1 && !levels.empty()) {
            squared = levels.front().overlappingSum;
            terms = levels.front().overlappingTerms;
        } else {
            for (const auto &[begin, end] : pieces) {
                for (qsizetype i = begin; i + 2 * m <= end; i += m) {
                    const double term = series.d(i, m);
                    squared += static_cast<long double>(term) * term;
                    ++terms;
                }
            }
        }
        if (terms < 1)
            break;
        s.allan.append(figure.of(kAllan, m, squared, terms, 2, noiseAt(m),
                                 termsByPiece(lengths, 2 * m, m)));
    }
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const Level &level = levels[i];
        const qsizetype m = level.m;
        if (level.overlappingTerms > 0) {
            s.overlappingAllan.append(figure.of(kOverlappingAllan, m, level.overlappingSum,
                                                level.overlappingTerms, 2, noise[i],
                                                termsByPiece(lengths, 2 * m, 1)));
        }
        if (level.modifiedTerms > 0) {
            const Statistics::Deviation modified
                    = figure.of(kModifiedAllan, m, level.modifiedSum, level.modifiedTerms, 2,
                                noise[i], termsByPiece(lengths, 3 * m - 1, 1));
            s.modifiedAllan.append(modified);
            // TVAR(tau) = tau^2 / 3 MVAR(tau), in seconds.
            const double toSeconds = modified.tauSeconds / std::sqrt(3.0);
            Statistics::Deviation time = modified;
            time.value *= toSeconds;
            time.low *= toSeconds;
            time.high *= toSeconds;
            s.timeDeviation.append(time);
        }
        if (level.hadamardTerms > 0) {
            s.overlappingHadamard.append(figure.of(kOverlappingHadamard, m, level.hadamardSum,
                                                   level.hadamardTerms, 6, noise[i],
                                                   termsByPiece(lengths, 3 * m, 1)));
        }
    }
}

} // namespace

SpanStatistics::SpanStatistics()
    : m_state(std::make_unique<State>())
{}

SpanStatistics::~SpanStatistics() = default;

namespace {

// The figures of the numbers a state holds, of count readings.
Statistics figuresOf(SpanStatistics::State &state, qsizetype count)
{
    Statistics s;
    s.count = count;
    s.numbers = state.series.held();
    const double meanHz = s.numbers > 0 ? moments(state.series, s) : 0;
    const std::optional<double> tau0 = s.numbers >= 2 ? state.series.medianPause() : std::nullopt;
    if (tau0) {
        s.tau0Seconds = *tau0 / 1000.0;
        if (state.series.setInterval(*tau0))
            state.sums.clear();
        s.gaps = state.series.gapsHeld();
    }
    if (s.numbers < 2)
        s.missing = Statistics::Missing::TooFewNumbers;
    else if (!tau0)
        s.missing = Statistics::Missing::NoInterval;
    else if (meanHz == 0)
        s.missing = Statistics::Missing::ZeroMean;
    else
        stability(state, s, meanHz);
    if (!s.missing && s.allan.isEmpty())
        s.missing = Statistics::Missing::NoTwoInARow;
    return s;
}

} // namespace

Statistics SpanStatistics::of(const ReadingHistory &history, qsizetype from, qsizetype to)
{
    from = std::clamp<qsizetype>(from, 0, history.size());
    to = std::clamp<qsizetype>(to, from, history.size());
    State &state = *m_state;
    if (state.series.follow(history, from, to))
        state.sums.clear();
    Statistics s = figuresOf(state, to - from);
    state.sums.shift(state.series.compact());
    return s;
}

RunStatistics::RunStatistics()
    : m_state(std::make_unique<SpanStatistics::State>())
{}

RunStatistics::~RunStatistics() = default;

void RunStatistics::reserve(qsizetype readings)
{
    m_state->series.reserve(readings);
}

void RunStatistics::add(qint16 port, const QString &device, qint64 msecs, double mhz,
                        const QString &math)
{
    if (!m_instrument || std::get<0>(*m_instrument) != port || std::get<1>(*m_instrument) != device
        || std::get<2>(*m_instrument) != math) {
        m_state->series.restart();
        m_state->sums.clear();
        m_count = 0;
        m_instrument = {port, device, math};
    }
    // Time never goes back, as in a history.
    m_lastMsecs = m_count == 0 ? msecs : std::max(msecs, m_lastMsecs);
    Sample sample;
    sample.msecs = m_lastMsecs;
    sample.mhz = mhz;
    m_state->series.append(sample, m_count++);
}

Statistics RunStatistics::figures()
{
    return figuresOf(*m_state, m_count);
}

Statistics Statistics::of(const ReadingHistory &history, qsizetype from, qsizetype to)
{
    return SpanStatistics().of(history, from, to);
}

QString Statistics::missingText(Missing why)
{
    switch (why) {
    case Missing::TooFewNumbers:
        return QCoreApplication::translate("Statistics", "fewer than two readings are numbers");
    case Missing::NoInterval:
        return QCoreApplication::translate(
                "Statistics", "the readings have no interval: all their time stamps are the same");
    case Missing::ZeroMean:
        return QCoreApplication::translate(
                "Statistics", "the readings' mean is zero, and a fractional frequency needs one");
    case Missing::NoTwoInARow:
        return QCoreApplication::translate("Statistics",
                                           "gaps leave no two readings one interval apart");
    }
    return {};
}

} // namespace freqcounter
