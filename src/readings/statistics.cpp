#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace freqcounter {

namespace {

constexpr double kHzPerMHz = 1e6;
// Gaps looked at for the interval: enough for a steady median, few enough
// to cost nothing on a long span.
constexpr std::size_t kIntervalSamples = 2047;

// One averaging length m of the overlapping and the modified estimator, and
// the sums of the squares of their terms over the span, kept up to date as
// the span moves. A term of the overlapping one is the second difference
// d(i) = S(i+2m) - 2 S(i+m) + S(i) of the running sum S of the readings; one
// of the modified one is the sum of m of them, inner(j) = d(j) + ... + d(j+m-1).
struct Level
{
    qsizetype m = 1;
    qsizetype overlappingFrom = 0;
    qsizetype overlappingTo = 0;
    long double overlappingSum = 0;
    qsizetype modifiedFrom = 0;
    qsizetype modifiedTo = 0;
    long double modifiedSum = 0;
    long double modifiedFirst = 0; // inner(modifiedFrom)
    long double modifiedLast = 0; // inner(modifiedTo - 1)
    // Terms taken out since the sums were last made afresh: rounding grows
    // with them, so the sums are made afresh before they outnumber the rest.
    qsizetype subtracted = 0;
};

} // namespace

// The numbers of the span, oldest first, as hertz from the first one, with
// their running sum; entries before front have left the span and go at the
// next compaction.
struct SpanStatistics::State
{
    const ReadingHistory *history = nullptr;
    qint64 fromSequence = 0;
    qint64 toSequence = 0;
    double referenceHz = 0;
    std::vector<qint64> sequence;
    std::vector<qint64> msecs;
    std::vector<double> hz;
    std::vector<double> runningSum{0.0}; // runningSum[k] = hz[0] + ... + hz[k-1]
    qsizetype front = 0;
    std::vector<Level> levels;

    qsizetype size() const { return qsizetype(hz.size()); }
    qsizetype held() const { return size() - front; }

    double d(qsizetype i, qsizetype m) const
    {
        const auto at = [this](qsizetype k) { return runningSum[std::size_t(k)]; };
        return at(i + 2 * m) - 2.0 * at(i + m) + at(i);
    }

    void clear(const ReadingHistory &from, qint64 at)
    {
        history = &from;
        fromSequence = toSequence = at;
        sequence.clear();
        msecs.clear();
        hz.clear();
        runningSum.assign(1, 0.0);
        front = 0;
        levels.clear();
    }

    void append(const Sample &sample, qint64 place)
    {
        if (std::isnan(sample.mhz))
            return;
        const double value = sample.mhz * kHzPerMHz;
        if (hz.empty())
            referenceHz = value;
        sequence.push_back(place);
        msecs.push_back(sample.msecs);
        hz.push_back(value - referenceHz);
        runningSum.push_back(runningSum.back() + hz.back());
    }

    // Moves the span to the samples [from, to) of a history: what came is
    // appended, what left is dropped; a span that moved back, or another
    // history, starts afresh.
    void follow(const ReadingHistory &of, qsizetype from, qsizetype to)
    {
        const qint64 newFrom = of.sequence(from);
        const qint64 newTo = of.sequence(to);
        if (history != &of || newFrom < fromSequence || newTo < toSequence || newFrom > toSequence)
            clear(of, newFrom);
        for (qint64 place = toSequence; place < newTo; ++place)
            append(of.at(qsizetype(place - of.sequence(0))), place);
        fromSequence = newFrom;
        toSequence = newTo;
        while (front < size() && sequence[std::size_t(front)] < newFrom)
            ++front;
    }

    // Averaging lengths 1, 2, 5, 10, 20, 50, ... while there are four
    // averages of the length among n numbers; a length the span has
    // outgrown is forgotten.
    void keepLevels(qsizetype n)
    {
        std::vector<Level> kept;
        for (qsizetype decade = 1; decade <= n / 4; decade *= 10) {
            for (const qsizetype step : {1, 2, 5}) {
                const qsizetype m = decade * step;
                if (m > n / 4)
                    break;
                const auto old = std::find_if(levels.begin(), levels.end(),
                                              [m](const Level &level) { return level.m == m; });
                kept.push_back(old != levels.end() ? *old : Level{m});
            }
        }
        levels = std::move(kept);
    }

    // Forgets what has left the span, once it is as much as what is held.
    void compact()
    {
        if (front < 4096 || front < held())
            return;
        const auto cut = [this](auto &values) {
            values.erase(values.begin(), values.begin() + std::ptrdiff_t(front));
        };
        cut(sequence);
        cut(msecs);
        cut(hz);
        cut(runningSum);
        for (Level &level : levels) {
            level.overlappingFrom -= front;
            level.overlappingTo -= front;
            level.modifiedFrom -= front;
            level.modifiedTo -= front;
        }
        front = 0;
    }

    void update(Level &level) const
    {
        const qsizetype m = level.m;
        const qsizetype overlappingTo = size() - 2 * m + 1;
        const qsizetype modifiedTo = size() - 3 * m + 2;
        const bool afresh = level.overlappingTo <= level.overlappingFrom
                || level.modifiedTo <= level.modifiedFrom || front < level.overlappingFrom
                || front >= level.overlappingTo || front >= level.modifiedTo
                || level.subtracted > modifiedTo - front;
        if (afresh) {
            level.overlappingSum = 0;
            for (qsizetype i = front; i < overlappingTo; ++i)
                level.overlappingSum += static_cast<long double>(d(i, m)) * d(i, m);
            long double inner = 0;
            for (qsizetype i = front; i < front + m; ++i)
                inner += d(i, m);
            level.modifiedFirst = inner;
            level.modifiedSum = 0;
            for (qsizetype j = front; j < modifiedTo; ++j) {
                level.modifiedSum += inner * inner;
                level.modifiedLast = inner;
                if (j + 1 < modifiedTo)
                    inner += d(j + m, m) - d(j, m);
            }
            level.subtracted = 0;
        } else {
            for (qsizetype i = level.overlappingFrom; i < front; ++i) {
                level.overlappingSum -= static_cast<long double>(d(i, m)) * d(i, m);
                ++level.subtracted;
            }
            for (qsizetype i = level.overlappingTo; i < overlappingTo; ++i)
                level.overlappingSum += static_cast<long double>(d(i, m)) * d(i, m);
            for (qsizetype j = level.modifiedFrom; j < front; ++j) {
                level.modifiedSum -= level.modifiedFirst * level.modifiedFirst;
                level.modifiedFirst += d(j + m, m) - d(j, m);
            }
            for (qsizetype j = level.modifiedTo; j < modifiedTo; ++j) {
                level.modifiedLast += d(j - 1 + m, m) - d(j - 1, m);
                level.modifiedSum += level.modifiedLast * level.modifiedLast;
            }
        }
        level.overlappingFrom = front;
        level.overlappingTo = overlappingTo;
        level.modifiedFrom = front;
        level.modifiedTo = modifiedTo;
    }
};

namespace {

// Mean, extremes, spread and drift, in one pass in long double: the
// readings are hertz from the first, and times seconds from the first.
// Gives the mean in hertz.
double moments(const SpanStatistics::State &state, Statistics &s)
{
    const auto first = std::size_t(state.front);
    const qint64 origin = state.msecs[first];
    long double sum = 0;
    long double squares = 0;
    long double seconds = 0;
    long double secondsSquared = 0;
    long double product = 0;
    double low = state.hz[first];
    double high = low;
    for (std::size_t i = first; i < state.hz.size(); ++i) {
        const long double h = state.hz[i];
        const long double t = (long double)(state.msecs[i] - origin) / 1000.0L;
        sum += h;
        squares += h * h;
        seconds += t;
        secondsSquared += t * t;
        product += t * h;
        low = std::min(low, state.hz[i]);
        high = std::max(high, state.hz[i]);
    }
    const long double count = state.held();
    const long double meanOffset = sum / count;
    const double meanHz = state.referenceHz + double(meanOffset);
    s.meanMHz = meanHz / kHzPerMHz;
    s.minMHz = (state.referenceHz + low) / kHzPerMHz;
    s.maxMHz = (state.referenceHz + high) / kHzPerMHz;
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

// The median gap between readings, of an even sample of them.
double interval(const SpanStatistics::State &state)
{
    std::vector<qint64> gaps;
    const std::size_t stride
            = std::max<std::size_t>(1, std::size_t(state.held() - 1) / kIntervalSamples);
    for (std::size_t i = std::size_t(state.front) + 1; i < state.msecs.size(); i += stride)
        gaps.push_back(state.msecs[i] - state.msecs[i - 1]);
    std::nth_element(gaps.begin(), gaps.begin() + std::ptrdiff_t(gaps.size() / 2), gaps.end());
    return double(gaps[gaps.size() / 2]) / 1000.0;
}

// The Allan deviations, normal, overlapping and modified.
void stability(SpanStatistics::State &state, Statistics &s, double meanHz)
{
    const qsizetype n = state.held();
    const double tau0 = *s.tau0Seconds;
    const auto deviation = [&](qsizetype m, long double sumOfSquares, double power,
                               qsizetype terms) {
        const long double variance = std::max(0.0L, sumOfSquares)
                / (2.0L * std::pow((long double)m, (long double)power) * (long double)terms);
        const double value = double(std::sqrt(variance)) / meanHz;
        return Statistics::Deviation{tau0 * double(m), value, value / std::sqrt(double(terms)),
                                     terms};
    };
    for (const qsizetype m : {1, 10, 100}) {
        const qsizetype terms = n / m - 1;
        if (terms < 1)
            break;
        long double squared = 0;
        for (qsizetype k = 0; k < terms; ++k) {
            const double term = state.d(state.front + k * m, m);
            squared += static_cast<long double>(term) * term;
        }
        s.allan.append(deviation(m, squared, 2, terms));
    }
    state.keepLevels(n);
    for (Level &level : state.levels) {
        state.update(level);
        s.overlappingAllan.append(deviation(level.m, level.overlappingSum, 2,
                                            level.overlappingTo - level.overlappingFrom));
        s.modifiedAllan.append(
                deviation(level.m, level.modifiedSum, 4, level.modifiedTo - level.modifiedFrom));
    }
}

} // namespace

SpanStatistics::SpanStatistics()
    : m_state(std::make_unique<State>())
{}

SpanStatistics::~SpanStatistics() = default;

Statistics SpanStatistics::of(const ReadingHistory &history, qsizetype from, qsizetype to)
{
    from = std::clamp<qsizetype>(from, 0, history.size());
    to = std::clamp<qsizetype>(to, from, history.size());
    State &state = *m_state;
    state.follow(history, from, to);

    Statistics s;
    s.count = to - from;
    s.numbers = state.held();
    if (s.numbers > 0) {
        const double meanHz = moments(state, s);
        if (s.numbers >= 2)
            s.tau0Seconds = interval(state);
        if (s.tau0Seconds && *s.tau0Seconds > 0 && meanHz != 0)
            stability(state, s, meanHz);
    }
    state.compact();
    return s;
}

Statistics Statistics::of(const ReadingHistory &history, qsizetype from, qsizetype to)
{
    return SpanStatistics().of(history, from, to);
}

} // namespace freqcounter
