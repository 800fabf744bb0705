// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

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
// Gaps looked at for the interval: enough for a steady median, few enough
// to cost nothing on a long span.
constexpr std::size_t kIntervalSamples = 2047;
// The newest averages the noise is identified from at each τ: plenty for a
// certain answer, few enough to cost little on a long span.
constexpr std::size_t kNoiseSamples = 4096;

// One averaging length m of the overlapping Allan, the modified Allan and
// the overlapping Hadamard estimator, and the sums of the squares of their
// terms over the span, kept up to date as the span moves. A term of the
// overlapping Allan one is the second difference
// d(i) = S(i+2m) - 2 S(i+m) + S(i) of the running sum S of the readings; one
// of the modified one is the sum of m of them, inner(j) = d(j) + ... + d(j+m-1);
// one of the Hadamard one the third difference
// h(i) = S(i+3m) - 3 S(i+2m) + 3 S(i+m) - S(i). A term that spans a gap
// counts in none of the sums.
struct Level
{
    qsizetype m = 1;
    qsizetype overlappingFrom = 0;
    qsizetype overlappingTo = 0;
    long double overlappingSum = 0;
    qsizetype overlappingTerms = 0;
    qsizetype hadamardFrom = 0;
    qsizetype hadamardTo = 0;
    long double hadamardSum = 0;
    qsizetype hadamardTerms = 0;
    qsizetype modifiedFrom = 0;
    qsizetype modifiedTo = 0;
    long double modifiedSum = 0;
    qsizetype modifiedTerms = 0;
    long double modifiedFirst = 0; // inner(modifiedFrom)
    long double modifiedLast = 0; // inner(modifiedTo - 1)
    // Terms taken out since the sums were last made afresh: rounding grows
    // with them, so the sums are made afresh before they outnumber the rest.
    qsizetype subtracted = 0;
};

} // namespace

// The numbers of the span, oldest first, as hertz from the first one, with
// their running sum and where gaps cut them; entries before front have left
// the span and go at the next compaction. It also remembers the degrees of
// freedom it worked out, for the next refresh.
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
    // Whether readings that are no number came between a number and the one
    // before it.
    std::vector<char> holeBefore;
    // cuts[k]: how many of the numbers up to k begin a piece after a gap,
    // counted from the first one held.
    std::vector<qint32> cuts;
    // A pause longer than this, in ms, is a gap; negative until the interval
    // is known. The pauses between the numbers held, counted by length, show
    // whether another limit cuts them elsewhere.
    qint64 gapLimit = -1;
    std::map<qint64, qsizetype> pauses;
    bool pendingHole = false;
    qsizetype front = 0;
    std::vector<Level> levels;
    Confidence::GappedEdf edfs;

    qsizetype size() const { return qsizetype(hz.size()); }
    qsizetype held() const { return size() - front; }

    double at(qsizetype k) const { return runningSum[std::size_t(k)]; }
    double d(qsizetype i, qsizetype m) const { return at(i + 2 * m) - 2.0 * at(i + m) + at(i); }
    long double h(qsizetype i, qsizetype m) const
    {
        return (long double)at(i + 3 * m) - 3.0L * at(i + 2 * m) + 3.0L * at(i + m) - at(i);
    }

    bool cutAt(qsizetype k) const
    {
        if (k == 0)
            return false;
        const auto i = std::size_t(k);
        return holeBefore[i] || (gapLimit >= 0 && msecs[i] - msecs[i - 1] > gapLimit);
    }
    // Whether the `length` numbers from i on lie in one piece.
    bool whole(qsizetype i, qsizetype length) const
    {
        return cuts[std::size_t(i + length - 1)] == cuts[std::size_t(i)];
    }
    qsizetype gapsHeld() const { return held() == 0 ? 0 : cuts.back() - cuts[std::size_t(front)]; }

    void clear(const ReadingHistory &from, qint64 place)
    {
        restart();
        history = &from;
        fromSequence = toSequence = place;
    }

    // Forgets every number, keeping the room they took.
    void restart()
    {
        history = nullptr;
        fromSequence = toSequence = 0;
        sequence.clear();
        msecs.clear();
        hz.clear();
        runningSum.assign(1, 0.0);
        holeBefore.clear();
        cuts.clear();
        gapLimit = -1;
        pauses.clear();
        pendingHole = false;
        front = 0;
        levels.clear();
    }

    void reserve(qsizetype numbers)
    {
        const auto n = std::size_t(numbers);
        sequence.reserve(n);
        msecs.reserve(n);
        hz.reserve(n);
        runningSum.reserve(n + 1);
        holeBefore.reserve(n);
        cuts.reserve(n);
    }

    void append(const Sample &sample, qint64 place)
    {
        if (std::isnan(sample.mhz)) {
            pendingHole = !hz.empty();
            return;
        }
        const double value = sample.mhz * kHzPerMHz;
        if (hz.empty())
            referenceHz = value;
        if (!msecs.empty())
            ++pauses[sample.msecs - msecs.back()];
        sequence.push_back(place);
        msecs.push_back(sample.msecs);
        hz.push_back(value - referenceHz);
        runningSum.push_back(runningSum.back() + hz.back());
        holeBefore.push_back(pendingHole ? 1 : 0);
        pendingHole = false;
        cuts.push_back((cuts.empty() ? 0 : cuts.back()) + (cutAt(size() - 1) ? 1 : 0));
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
        while (front < size() && sequence[std::size_t(front)] < newFrom) {
            ++front;
            if (front < size()) {
                const auto pause
                        = pauses.find(msecs[std::size_t(front)] - msecs[std::size_t(front - 1)]);
                if (--pause->second == 0)
                    pauses.erase(pause);
            }
        }
    }

    // Pauses longer than limit are gaps. Where that cuts the numbers held
    // elsewhere than before, the cuts are counted again and every sum is
    // made afresh.
    void setGapLimit(qint64 limit)
    {
        const qint64 low = std::min(limit, gapLimit);
        const qint64 high = std::max(limit, gapLimit);
        const auto between = pauses.upper_bound(low);
        const bool moved = gapLimit < 0 || (between != pauses.end() && between->first <= high);
        gapLimit = limit;
        if (!moved)
            return;
        qint32 count = 0;
        for (qsizetype k = 0; k < size(); ++k) {
            count += cutAt(k) ? 1 : 0;
            cuts[std::size_t(k)] = count;
        }
        levels.clear();
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
        cut(holeBefore);
        cut(cuts);
        for (Level &level : levels) {
            level.overlappingFrom -= front;
            level.overlappingTo -= front;
            level.hadamardFrom -= front;
            level.hadamardTo -= front;
            level.modifiedFrom -= front;
            level.modifiedTo -= front;
        }
        front = 0;
    }

    void update(Level &level) const;
    void sumAfresh(Level &level) const;
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

    // The newest averages of length m, in runs that no gap cuts, oldest
    // first, each run placed by its first average.
    std::vector<Confidence::AveragePiece> averages(qsizetype m) const
    {
        std::vector<Confidence::AveragePiece> pieces(1);
        std::size_t taken = 0;
        qsizetype end = size();
        while (taken < kNoiseSamples && end - m >= front) {
            const qsizetype begin = end - m;
            if (!whole(begin, m)) {
                if (!pieces.back().values.empty())
                    pieces.emplace_back();
                end -= m;
                continue;
            }
            pieces.back().values.push_back((at(end) - at(begin)) / double(m));
            pieces.back().at = double(begin - front) / double(m);
            ++taken;
            if (cutAt(begin))
                pieces.emplace_back();
            end = begin;
        }
        for (Confidence::AveragePiece &piece : pieces)
            std::reverse(piece.values.begin(), piece.values.end());
        std::reverse(pieces.begin(), pieces.end());
        return pieces;
    }

    // The pieces gaps cut the span into, as [begin, end) of the numbers:
    // found where the count of cuts steps up, a search each.
    std::vector<std::pair<qsizetype, qsizetype>> pieces() const
    {
        std::vector<std::pair<qsizetype, qsizetype>> found;
        auto begin = cuts.cbegin() + std::ptrdiff_t(front);
        while (begin != cuts.cend()) {
            const auto end = std::upper_bound(begin, cuts.cend(), *begin);
            found.emplace_back(begin - cuts.cbegin(), end - cuts.cbegin());
            begin = end;
        }
        return found;
    }
};

void SpanStatistics::State::sumAfresh(Level &level) const
{
    const qsizetype m = level.m;
    level.overlappingSum = 0;
    level.overlappingTerms = 0;
    for (qsizetype i = front; i < size() - 2 * m + 1; ++i) {
        if (whole(i, 2 * m)) {
            level.overlappingSum += static_cast<long double>(d(i, m)) * d(i, m);
            ++level.overlappingTerms;
        }
    }
    level.hadamardSum = 0;
    level.hadamardTerms = 0;
    for (qsizetype i = front; i < size() - 3 * m + 1; ++i) {
        if (whole(i, 3 * m)) {
            level.hadamardSum += h(i, m) * h(i, m);
            ++level.hadamardTerms;
        }
    }
    const qsizetype modifiedTo = size() - 3 * m + 2;
    long double inner = 0;
    for (qsizetype i = front; i < front + m; ++i)
        inner += d(i, m);
    level.modifiedFirst = inner;
    level.modifiedSum = 0;
    level.modifiedTerms = 0;
    for (qsizetype j = front; j < modifiedTo; ++j) {
        if (whole(j, 3 * m - 1)) {
            level.modifiedSum += inner * inner;
            ++level.modifiedTerms;
        }
        level.modifiedLast = inner;
        if (j + 1 < modifiedTo)
            inner += d(j + m, m) - d(j, m);
    }
    level.subtracted = 0;
}

void SpanStatistics::State::update(Level &level) const
{
    const qsizetype m = level.m;
    const qsizetype overlappingTo = size() - 2 * m + 1;
    const qsizetype modifiedTo = size() - 3 * m + 2;
    const qsizetype hadamardTo = size() - 3 * m + 1;
    const bool afresh = level.overlappingTo <= level.overlappingFrom
            || level.modifiedTo <= level.modifiedFrom || level.hadamardTo <= level.hadamardFrom
            || front < level.overlappingFrom || front >= level.hadamardTo
            || level.subtracted > hadamardTo - front;
    if (afresh) {
        sumAfresh(level);
    } else {
        const auto take = [&](long double &sum, qsizetype &terms, long double term, int sign) {
            sum += sign * term * term;
            terms += sign;
        };
        for (qsizetype i = level.overlappingFrom; i < front; ++i) {
            if (whole(i, 2 * m))
                take(level.overlappingSum, level.overlappingTerms, d(i, m), -1);
            ++level.subtracted;
        }
        for (qsizetype i = level.overlappingTo; i < overlappingTo; ++i) {
            if (whole(i, 2 * m))
                take(level.overlappingSum, level.overlappingTerms, d(i, m), +1);
        }
        for (qsizetype i = level.hadamardFrom; i < front; ++i) {
            if (whole(i, 3 * m))
                take(level.hadamardSum, level.hadamardTerms, h(i, m), -1);
        }
        for (qsizetype i = level.hadamardTo; i < hadamardTo; ++i) {
            if (whole(i, 3 * m))
                take(level.hadamardSum, level.hadamardTerms, h(i, m), +1);
        }
        for (qsizetype j = level.modifiedFrom; j < front; ++j) {
            if (whole(j, 3 * m - 1))
                take(level.modifiedSum, level.modifiedTerms, level.modifiedFirst, -1);
            level.modifiedFirst += d(j + m, m) - d(j, m);
        }
        for (qsizetype j = level.modifiedTo; j < modifiedTo; ++j) {
            level.modifiedLast += d(j - 1 + m, m) - d(j - 1, m);
            if (whole(j, 3 * m - 1))
                take(level.modifiedSum, level.modifiedTerms, level.modifiedLast, +1);
        }
    }
    level.overlappingFrom = front;
    level.overlappingTo = overlappingTo;
    level.modifiedFrom = front;
    level.modifiedTo = modifiedTo;
    level.hadamardFrom = front;
    level.hadamardTo = hadamardTo;
}

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

// The median of the pauses between numbers that are not zero, of an even
// sample of them, in ms; nothing when every pause is zero.
std::optional<qint64> interval(const SpanStatistics::State &state)
{
    std::vector<qint64> pauses;
    const std::size_t stride
            = std::max<std::size_t>(1, std::size_t(state.held() - 1) / kIntervalSamples);
    for (std::size_t i = std::size_t(state.front) + 1; i < state.msecs.size(); i += stride) {
        if (state.msecs[i] > state.msecs[i - 1])
            pauses.push_back(state.msecs[i] - state.msecs[i - 1]);
    }
    if (pauses.empty()) {
        // A sample can miss the few that move; the span cannot.
        const auto moves = state.pauses.upper_bound(0);
        if (moves == state.pauses.end())
            return std::nullopt;
        return moves->first;
    }
    std::nth_element(pauses.begin(), pauses.begin() + std::ptrdiff_t(pauses.size() / 2),
                     pauses.end());
    return pauses[pauses.size() / 2];
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
    found.reserve(state.levels.size());
    for (const Level &level : state.levels)
        found.push_back(Confidence::identifyNoise(state.averages(level.m)));
    return found;
}

// The Allan deviations, normal, overlapping and modified, the overlapping
// Hadamard deviation and the time deviation.
void stability(SpanStatistics::State &state, Statistics &s, double meanHz)
{
    const qsizetype n = state.held();
    const Figure figure{*s.tau0Seconds, std::abs(meanHz), state.edfs};
    state.keepLevels(n);
    for (Level &level : state.levels)
        state.update(level);
    const std::vector<std::optional<int>> noise = noises(state);
    const auto noiseAt = [&](qsizetype m) {
        for (std::size_t i = 0; i < state.levels.size(); ++i) {
            if (state.levels[i].m == m)
                return noise[i];
        }
        return std::optional<int>();
    };
    const std::vector<std::pair<qsizetype, qsizetype>> pieces = state.pieces();
    std::map<qsizetype, qsizetype> lengths;
    for (const auto &[begin, end] : pieces)
        ++lengths[end - begin];

    // Each piece's terms from its own first number on. At tau0 they are
    // the overlapping estimator's, whose sum is kept up to date.
    for (const qsizetype m : {1, 10, 100}) {
        long double squared = 0;
        qsizetype terms = 0;
        if (m == 1 && !state.levels.empty()) {
            squared = state.levels.front().overlappingSum;
            terms = state.levels.front().overlappingTerms;
        } else {
            for (const auto &[begin, end] : pieces) {
                for (qsizetype i = begin; i + 2 * m <= end; i += m) {
                    const double term = state.d(i, m);
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
    for (std::size_t i = 0; i < state.levels.size(); ++i) {
        const Level &level = state.levels[i];
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
    s.numbers = state.held();
    const double meanHz = s.numbers > 0 ? moments(state, s) : 0;
    const std::optional<qint64> tau0 = s.numbers >= 2 ? interval(state) : std::nullopt;
    if (tau0) {
        s.tau0Seconds = double(*tau0) / 1000.0;
        // A pause takes the nearest whole number of slots: from one and a
        // half intervals on, it is two or more, and leaves a slot empty.
        state.setGapLimit((3 * *tau0 + 1) / 2 - 1);
        s.gaps = state.gapsHeld();
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
    state.follow(history, from, to);
    Statistics s = figuresOf(state, to - from);
    state.compact();
    return s;
}

RunStatistics::RunStatistics()
    : m_state(std::make_unique<SpanStatistics::State>())
{}

RunStatistics::~RunStatistics() = default;

void RunStatistics::reserve(qsizetype readings)
{
    m_state->reserve(readings);
}

void RunStatistics::add(qint16 port, const QString &device, qint64 msecs, double mhz)
{
    if (!m_instrument || m_instrument->first != port || m_instrument->second != device) {
        m_state->restart();
        m_count = 0;
        m_instrument = {port, device};
    }
    // Time never goes back, as in a history.
    m_lastMsecs = m_count == 0 ? msecs : std::max(msecs, m_lastMsecs);
    Sample sample;
    sample.msecs = m_lastMsecs;
    sample.mhz = mhz;
    m_state->append(sample, m_count++);
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
