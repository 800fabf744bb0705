// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

#include "drift.h"
#include "gappedseries.h"
#include "levelsums.h"
#include "stabilityconfidence.h"
#include "totaldeviations.h"

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
    // The frequencies; of a time-interval counter, those its phases give.
    GappedSeries series;
    // A time-interval counter's phases, when the span is of one.
    GappedSeries phases;
    bool isPhase = false;
    // The phases started afresh since their frequencies were taken.
    bool phasesAfresh = true;
    LevelSums sums;
    Confidence::GappedEdf edfs;
    // The noise identified at each averaging length.
    std::map<qsizetype, std::optional<int>> noises;
    // How the slow figures of the span are to be worked out, once asked;
    // nothing when it has no stability figures.
    struct Slow
    {
        double meanHz = 1;
        double removedHzPerSecond = 0;
        double tau0 = 1;
        bool ageing = false;
    };
    std::optional<Slow> slow;
};

// What the slow figures of the numbers a state holds are worked out from.
struct SlowFigures::Input
{
    static SlowFigures take(const SpanStatistics::State &state)
    {
        SlowFigures taken;
        if (!state.slow)
            return taken;
        const GappedSeries &series = state.series;
        taken.m_meanHz = state.slow->meanHz;
        taken.m_tau0 = state.slow->tau0;
        taken.m_removedHzPerSecond = state.slow->removedHzPerSecond;
        taken.m_ageing = state.slow->ageing;
        taken.m_noises = state.noises;
        const qint64 origin = series.msecs(series.front());
        for (const auto &[begin, end] : series.pieces()) {
            taken.m_starts.push_back(double(series.msecs(begin) - origin) / 1000.0);
            std::vector<double> &piece = taken.m_pieces.emplace_back();
            piece.reserve(std::size_t(end - begin));
            for (qsizetype k = begin; k < end; ++k)
                piece.push_back(series.hz(k));
        }
        return taken;
    }
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
// A sum of squared terms with the same amount taken out of each term, from
// the terms' own sum.
long double without(long double squares, long double linear, qsizetype terms, long double each)
{
    return squares - 2 * each * linear + (long double)terms * each * each;
}

void stability(SpanStatistics::State &state, Statistics &s, double meanHz, double driftPerSlot)
{
    const GappedSeries &series = state.series;
    const Figure figure{*s.tau0Seconds, std::abs(meanHz), state.edfs};
    state.sums.follow(series);
    const std::vector<Level> &levels = state.sums.levels();
    const std::vector<std::optional<int>> noise = noises(state);
    state.noises.clear();
    for (std::size_t i = 0; i < levels.size(); ++i)
        state.noises[levels[i].m] = noise[i];
    // A drift of b a slot adds b m^2 to every second difference of lag m,
    // and b m^3 to every term of the modified estimator; the third
    // differences it leaves alone.
    const auto allanDrift = [driftPerSlot](qsizetype m) {
        return (long double)driftPerSlot * (long double)m * (long double)m;
    };
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
            terms = levels.front().overlappingTerms;
            squared = without(levels.front().overlappingSum, levels.front().overlappingLinear,
                              terms, allanDrift(1));
        } else {
            for (const auto &[begin, end] : pieces) {
                for (qsizetype i = begin; i + 2 * m <= end; i += m) {
                    const long double term = series.d(i, m) - allanDrift(m);
                    squared += term * term;
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
            s.overlappingAllan.append(figure.of(
                    kOverlappingAllan, m,
                    without(level.overlappingSum, level.overlappingLinear, level.overlappingTerms,
                            allanDrift(m)),
                    level.overlappingTerms, 2, noise[i], termsByPiece(lengths, 2 * m, 1)));
        }
        if (level.modifiedTerms > 0) {
            const Statistics::Deviation modified = figure.of(
                    kModifiedAllan, m,
                    without(level.modifiedSum, level.modifiedLinear, level.modifiedTerms,
                            allanDrift(m) * (long double)m),
                    level.modifiedTerms, 2, noise[i], termsByPiece(lengths, 3 * m - 1, 1));
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

// The deviations of the numbers a state holds, in hertz of this mean (one
// for fractional frequencies), with this drift taken out; the slow figures
// too, when asked.
void deviationsOf(SpanStatistics::State &state, Statistics &s, double meanHz,
                  double driftHzPerSecond, const Statistics::Options &options)
{
    stability(state, s, meanHz, driftHzPerSecond * *s.tau0Seconds);
    state.slow = {meanHz, driftHzPerSecond, *s.tau0Seconds, options.ageing};
    if (options.slow)
        SlowFigures::put(SlowFigures::Input::take(state).compute(), s);
}

// The figures as they are given: why there are none, and then no slow
// figures to work out.
Statistics finished(SpanStatistics::State &state, Statistics s)
{
    if (!s.missing && s.allan.isEmpty())
        s.missing = Statistics::Missing::NoTwoInARow;
    if (s.missing)
        state.slow.reset();
    return s;
}

// The figures of the phases a state holds, of count readings: the
// deviations are those of their differences.
Statistics phaseFiguresOf(SpanStatistics::State &state, qsizetype count,
                          const Statistics::Options &options)
{
    Statistics s;
    s.count = count;
    s.numbers = state.phases.held();
    if (s.numbers > 0) {
        // The phases are held in microseconds.
        Statistics x;
        moments(state.phases, x);
        Statistics::Phase phase;
        phase.meanSeconds = *x.meanMHz;
        phase.minSeconds = *x.minMHz;
        phase.maxSeconds = *x.maxMHz;
        phase.peakToPeakSeconds = *x.peakToPeakHz / 1e6;
        if (x.stdDevHz)
            phase.stdDevSeconds = *x.stdDevHz / 1e6;
        if (x.driftHzPerMinute)
            phase.frequencyOffset = *x.driftHzPerMinute / 60.0 / 1e6;
        s.phase = phase;
    }
    const std::optional<double> tau0 = s.numbers >= 2 ? state.phases.medianPause() : std::nullopt;
    if (tau0) {
        s.tau0Seconds = *tau0 / 1000.0;
        // The frequencies follow the phases while their grid stays; each is
        // a difference over the grid's interval.
        const bool recut = state.phases.setInterval(*tau0);
        s.gaps = state.phases.gapsHeld();
        if (recut || state.phasesAfresh || state.series.interval() != state.phases.interval()) {
            state.series.takeDifferences(state.phases, state.phases.interval() / 1000.0);
            state.sums.clear();
        } else {
            state.series.followDifferences(state.phases);
        }
        state.phasesAfresh = false;
    } else {
        state.series.restart();
        state.sums.clear();
    }
    if (s.numbers < 2)
        s.missing = Statistics::Missing::TooFewNumbers;
    else if (!tau0)
        s.missing = Statistics::Missing::NoInterval;
    else if (state.series.held() > 0) {
        // The frequencies are fractional already: their scale is one. Their
        // drift is needed only to take it out.
        Statistics y;
        if (options.removeDrift)
            moments(state.series, y);
        const double driftPerSecond
                = options.removeDrift && y.driftHzPerMinute ? *y.driftHzPerMinute / 60.0 : 0.0;
        s.driftRemoved = options.removeDrift && y.driftHzPerMinute;
        deviationsOf(state, s, 1.0, driftPerSecond, options);
    }
    return finished(state, std::move(s));
}

// The figures of the numbers a state holds, of count readings.
Statistics figuresOf(SpanStatistics::State &state, qsizetype count,
                     const Statistics::Options &options)
{
    if (state.isPhase)
        return phaseFiguresOf(state, count, options);
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
    else {
        const double driftHzPerSecond
                = options.removeDrift && s.driftHzPerMinute ? *s.driftHzPerMinute / 60.0 : 0.0;
        s.driftRemoved = options.removeDrift && s.driftHzPerMinute;
        deviationsOf(state, s, meanHz, driftHzPerSecond, options);
    }
    return finished(state, std::move(s));
}

} // namespace

Statistics SpanStatistics::of(const ReadingHistory &history, qsizetype from, qsizetype to,
                              const Statistics::Options &options)
{
    from = std::clamp<qsizetype>(from, 0, history.size());
    to = std::clamp<qsizetype>(to, from, history.size());
    State &state = *m_state;
    const bool phase = from < to && history.instrumentOf(from).phase;
    if (phase != state.isPhase) {
        state.series.restart();
        state.phases.restart();
        state.sums.clear();
        state.isPhase = phase;
        state.phasesAfresh = true;
    }
    if (phase) {
        if (state.phases.follow(history, from, to))
            state.phasesAfresh = true;
        Statistics s = figuresOf(state, to - from, options);
        state.phases.compact();
        state.sums.shift(state.series.compact());
        return s;
    }
    if (state.series.follow(history, from, to))
        state.sums.clear();
    Statistics s = figuresOf(state, to - from, options);
    state.sums.shift(state.series.compact());
    return s;
}

RunStatistics::RunStatistics()
    : m_state(std::make_unique<SpanStatistics::State>())
{}

RunStatistics::~RunStatistics() = default;

void RunStatistics::reserve(qsizetype readings)
{
    // Made once the first reading tells which series takes them.
    m_reserved = std::max(m_reserved, readings);
}

void RunStatistics::add(qint16 port, const QString &device, qint64 msecs, double mhz,
                        const QString &math, bool phase)
{
    // What is no number keeps to the run of the readings before it.
    if (std::isnan(mhz) && m_instrument && std::get<0>(*m_instrument) == port
        && std::get<1>(*m_instrument) == device && std::get<2>(*m_instrument) == math)
        phase = std::get<3>(*m_instrument);
    if (!m_instrument || *m_instrument != std::tuple(port, device, math, phase)) {
        SpanStatistics::State &state = *m_state;
        state.series.restart();
        state.phases.restart();
        state.sums.clear();
        state.isPhase = phase;
        state.phasesAfresh = true;
        (phase ? state.phases : state.series).reserve(m_reserved);
        m_unwrapping.restart();
        m_count = 0;
        m_instrument = {port, device, math, phase};
    }
    if (m_count == 0)
        m_firstMsecs = msecs;
    // Time never goes back, as in a history.
    m_lastMsecs = m_count == 0 ? msecs : std::max(msecs, m_lastMsecs);
    Sample sample;
    sample.msecs = m_lastMsecs;
    sample.mhz = phase ? m_unwrapping.take(mhz) : mhz;
    (phase ? m_state->phases : m_state->series).append(sample, m_count++);
}

Statistics RunStatistics::figures(const Statistics::Options &options)
{
    return figuresOf(*m_state, m_count, options);
}

Statistics RunStatistics::finalFigures(const Statistics::Options &options)
{
    Statistics::Options fast = options;
    fast.slow = false;
    Statistics s = figuresOf(*m_state, m_count, fast);
    if (options.slow && !s.missing) {
        const SlowFigures slow = SlowFigures::Input::take(*m_state);
        m_state = std::make_unique<SpanStatistics::State>();
        m_instrument.reset();
        m_count = 0;
        SlowFigures::put(slow.compute(), s);
    }
    return s;
}

SlowFigures SpanStatistics::slowFigures() const
{
    return SlowFigures::Input::take(*m_state);
}

Statistics Statistics::of(const ReadingHistory &history, qsizetype from, qsizetype to,
                          const Options &options)
{
    return SpanStatistics().of(history, from, to, options);
}

SlowFigures::Figures SlowFigures::compute(const std::atomic<bool> *stop) const
{
    Figures figures;
    constexpr double kSecondsPerDay = 86400;
    const double scale = 1 / std::abs(m_meanHz);
    // A piece's numbers lie in adjacent slots of the grid from its first on.
    const auto secondsAt
            = [this](std::size_t p, std::size_t k) { return m_starts[p] + double(k) * m_tau0; };
    {
        std::vector<Drift::Piece> drifting(m_pieces.size());
        for (std::size_t p = 0; p < m_pieces.size(); ++p) {
            drifting[p].values = m_pieces[p];
            drifting[p].seconds.reserve(m_pieces[p].size());
            for (std::size_t k = 0; k < m_pieces[p].size(); ++k)
                drifting[p].seconds.push_back(secondsAt(p, k));
        }
        if (const std::optional<Drift::Linear> line = Drift::linear(drifting, m_tau0)) {
            Statistics::Drift d;
            d.hzPerDay = line->slope * kSecondsPerDay;
            d.hzPerDayUncertainty = line->uncertainty * kSecondsPerDay;
            d.perDay = d.hzPerDay / m_meanHz;
            d.perDayUncertainty = d.hzPerDayUncertainty * scale;
            d.noise = line->noise;
            d.method = line->method;
            figures.drift = d;
        }
        if (m_ageing) {
            for (Drift::Piece &piece : drifting) {
                for (double &v : piece.values)
                    v *= scale;
            }
            if (const std::optional<Drift::Ageing> fit = Drift::logAgeing(drifting)) {
                Statistics::Ageing a;
                a.a = fit->a;
                a.bPerDay = fit->b * kSecondsPerDay;
                a.perDayAtEnd = fit->perDayAtEnd;
                a.residualRms = fit->residualRms;
                figures.ageing = a;
            }
        }
    }
    // The deviations of the hertz, scaled to fractional frequency after, the
    // drift taken out of a copy when asked.
    std::vector<std::vector<double>> withoutDrift;
    if (m_removedHzPerSecond != 0) {
        withoutDrift.resize(m_pieces.size());
        for (std::size_t p = 0; p < m_pieces.size(); ++p) {
            withoutDrift[p].reserve(m_pieces[p].size());
            for (std::size_t k = 0; k < m_pieces[p].size(); ++k)
                withoutDrift[p].push_back(m_pieces[p][k] - m_removedHzPerSecond * secondsAt(p, k));
        }
    }
    const std::vector<std::vector<double>> &hz = withoutDrift.empty() ? m_pieces : withoutDrift;
    std::vector<TotalDeviations::Piece> pieces(hz.begin(), hz.end());
    const std::vector<TotalDeviations::Row> rows = TotalDeviations::sweep(pieces, stop);
    // The noise of a length with too few averages to tell is taken as the
    // one told at the longest shorter τ, for the modified total's bias; its
    // bounds are the widest any noise gives, as everywhere.
    std::optional<int> lastTold;
    for (const TotalDeviations::Row &row : rows) {
        const auto found = m_noises.find(qsizetype(row.m));
        const std::optional<int> noise = found != m_noises.end() ? found->second : std::nullopt;
        if (noise)
            lastTold = noise;
        const auto deviation = [&](const TotalDeviations::Deviation &from, double tau, double value,
                                   const auto &edfOf) {
            Statistics::Deviation d;
            d.tauSeconds = tau;
            d.value = value * scale;
            d.terms = from.terms;
            d.noise = noise;
            if (noise) {
                d.edf = edfOf(*noise);
            } else {
                d.edf = std::numeric_limits<double>::infinity();
                for (int alpha = Confidence::RandomWalkFM; alpha <= Confidence::WhitePM; ++alpha)
                    d.edf = std::min(d.edf, edfOf(alpha));
            }
            std::tie(d.low, d.high) = Confidence::bounds(d.value, d.edf);
            return d;
        };
        const double tau = m_tau0 * double(row.m);
        if (row.total.terms > 0) {
            figures.total.append(deviation(row.total, tau, row.total.deviation, [&](int alpha) {
                return TotalDeviations::totalEdf(alpha, row.m, row.total.pieces);
            }));
        }
        if (row.modifiedTotal.terms > 0) {
            const double value = TotalDeviations::unbiasedModifiedTotal(
                    row.modifiedTotal.deviation, lastTold.value_or(Confidence::WhiteFM));
            figures.modifiedTotal.append(deviation(row.modifiedTotal, tau, value, [&](int alpha) {
                return TotalDeviations::modifiedTotalEdf(alpha, row.m, row.modifiedTotal.pieces);
            }));
        }
        if (row.theoBR.terms > 0) {
            figures.theoBR.append(deviation(row.theoBR, 0.75 * m_tau0 * double(row.theoM),
                                            row.theoBR.deviation, [&](int alpha) {
                                                return TotalDeviations::theo1Edf(alpha, row.theoM,
                                                                                 row.theoBR.pieces);
                                            }));
        }
    }
    return figures;
}

void SlowFigures::put(const Figures &figures, Statistics &into)
{
    into.totalDeviation = figures.total;
    into.modifiedTotal = figures.modifiedTotal;
    into.theoBR = figures.theoBR;
    into.drift = figures.drift;
    into.ageing = figures.ageing;
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
