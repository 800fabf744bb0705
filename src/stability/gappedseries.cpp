// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gappedseries.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace freqcounter {

namespace {

// The numbers whose stamps give the grid its period and phase at the start,
// and the periods tried, in steps of a thousandth up to 15 % either side of
// the interval.
constexpr qsizetype kAcquired = 256;
constexpr qsizetype kFewestAcquired = 16;
constexpr double kPeriodStep = 1e-3;
constexpr int kPeriodSteps = 150;
// A pause of more slots than this may have let the grid slip: its phase
// is found again from the numbers that follow.
constexpr qint64 kLongestFollowed = 64;
// How far each number pulls the grid's phase and its period: slowly enough
// that jitter of 40 % moves the grid by a few per cent, fast enough to follow
// a counter whose interval drifts by a part in a thousand.
constexpr double kPhaseGain = 1.0 / 32;
constexpr double kPeriodGain = kPhaseGain * kPhaseGain / 4;

} // namespace

qsizetype GappedSeries::gapsHeld() const
{
    return held() == 0 ? 0 : m_cuts.back() - m_cuts[std::size_t(m_front)];
}

std::vector<std::pair<qsizetype, qsizetype>> GappedSeries::pieces() const
{
    // Where the count of cuts steps up, a search each.
    std::vector<std::pair<qsizetype, qsizetype>> found;
    auto begin = m_cuts.cbegin() + std::ptrdiff_t(m_front);
    while (begin != m_cuts.cend()) {
        const auto end = std::upper_bound(begin, m_cuts.cend(), *begin);
        found.emplace_back(begin - m_cuts.cbegin(), end - m_cuts.cbegin());
        begin = end;
    }
    return found;
}

void GappedSeries::restart()
{
    m_history = nullptr;
    m_fromSequence = m_toSequence = 0;
    m_sequence.clear();
    m_msecs.clear();
    m_hz.clear();
    m_runningSum.assign(1, 0.0);
    m_holeBefore.clear();
    m_gapBefore.clear();
    m_cuts.clear();
    m_interval = m_period = m_slot = 0;
    m_pauses.clear();
    m_pendingHole = false;
    m_front = 0;
    m_phaseTaken = m_pairEnd = -1;
}

void GappedSeries::reserve(qsizetype numbers)
{
    const auto n = std::size_t(numbers);
    m_sequence.reserve(n);
    m_msecs.reserve(n);
    m_hz.reserve(n);
    m_runningSum.reserve(n + 1);
    m_holeBefore.reserve(n);
    m_gapBefore.reserve(n);
    m_cuts.reserve(n);
}

void GappedSeries::append(const Sample &sample, qint64 place)
{
    if (std::isnan(sample.mhz)) {
        m_pendingHole = !m_hz.empty();
        return;
    }
    const double value = sample.mhz * 1e6;
    if (m_hz.empty())
        m_referenceHz = value;
    if (!m_msecs.empty())
        ++m_pauses[sample.msecs - m_msecs.back()];
    m_sequence.push_back(place);
    m_msecs.push_back(sample.msecs);
    m_hz.push_back(value - m_referenceHz);
    m_runningSum.push_back(m_runningSum.back() + m_hz.back());
    m_holeBefore.push_back(m_pendingHole ? 1 : 0);
    m_pendingHole = false;
    const qsizetype k = size() - 1;
    const bool emptySlot = m_interval > 0 && takeSlot(k);
    m_gapBefore.push_back(k > 0 && (m_holeBefore.back() || emptySlot) ? 1 : 0);
    m_cuts.push_back((m_cuts.empty() ? 0 : m_cuts.back()) + m_gapBefore.back());
}

void GappedSeries::acquire(qsizetype k)
{
    // The grid whose slots the stamps that follow fit best: the period and
    // phase at which their phases, taken round a circle, agree most. Missed
    // readings leave that as it is; the pauses one by one would not.
    const qsizetype end = std::min(size(), k + kAcquired);
    const auto sum = [&](double period) {
        std::complex<double> sum;
        for (qsizetype j = k; j < end; ++j)
            sum += std::polar(1.0, 2 * std::numbers::pi * double(msecs(j) - msecs(k)) / period);
        return sum;
    };
    const double around = m_period;
    if (end - k < kFewestAcquired) {
        // Too few to tell a period: the one followed so far, at their phase.
        m_slot = double(msecs(k)) + m_period * std::arg(sum(m_period)) / (2 * std::numbers::pi);
        return;
    }
    double best = around;
    double most = -1;
    for (int step = -kPeriodSteps; step <= kPeriodSteps; ++step) {
        const double period = around * (1 + kPeriodStep * step);
        const double agreement = std::abs(sum(period));
        if (agreement > most) {
            most = agreement;
            best = period;
        }
    }
    // Closer, by golden sections of the step about the best.
    double low = best - around * kPeriodStep;
    double high = best + around * kPeriodStep;
    const double golden = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 24; ++i) {
        const double a = high - golden * (high - low);
        const double b = low + golden * (high - low);
        if (std::abs(sum(a)) > std::abs(sum(b)))
            high = b;
        else
            low = a;
    }
    m_period = (low + high) / 2;
    m_slot = double(msecs(k)) + m_period * std::arg(sum(m_period)) / (2 * std::numbers::pi);
}

bool GappedSeries::takeSlot(qsizetype k)
{
    if (k == m_front || k == 0) {
        acquire(k);
        return false;
    }
    const auto t = double(msecs(k));
    const qint64 steps = std::llround((t - m_slot) / m_period);
    if (steps <= 0)
        return false; // a stamp shared with the number before: the same slot
    if (steps > kLongestFollowed) {
        acquire(k);
        return true;
    }
    const double expected = m_slot + double(steps) * m_period;
    const double error = t - expected;
    m_slot = expected + kPhaseGain * error;
    m_period += kPeriodGain * error / double(steps);
    return steps > 1;
}

bool GappedSeries::follow(const ReadingHistory &of, qsizetype from, qsizetype to)
{
    const qint64 newFrom = of.sequence(from);
    const qint64 newTo = of.sequence(to);
    const bool afresh = m_history != &of || newFrom < m_fromSequence || newTo < m_toSequence
            || newFrom > m_toSequence;
    if (afresh) {
        restart();
        m_history = &of;
        m_fromSequence = m_toSequence = newFrom;
    }
    for (qint64 place = m_toSequence; place < newTo; ++place)
        append(of.at(qsizetype(place - of.sequence(0))), place);
    m_fromSequence = newFrom;
    m_toSequence = newTo;
    while (m_front < size() && m_sequence[std::size_t(m_front)] < newFrom) {
        ++m_front;
        if (m_front < size()) {
            const auto pause = m_pauses.find(m_msecs[std::size_t(m_front)]
                                             - m_msecs[std::size_t(m_front - 1)]);
            if (--pause->second == 0)
                m_pauses.erase(pause);
        }
    }
    return afresh;
}

std::optional<double> GappedSeries::medianPause() const
{
    qsizetype count = 0;
    for (auto it = m_pauses.upper_bound(0); it != m_pauses.end(); ++it)
        count += it->second;
    if (count == 0)
        return std::nullopt;
    // The pauses at ranks (count - 1) / 2 and count / 2, counted from zero.
    std::optional<qint64> lower;
    qsizetype seen = 0;
    for (auto it = m_pauses.upper_bound(0); it != m_pauses.end(); ++it) {
        seen += it->second;
        if (!lower && seen > (count - 1) / 2)
            lower = it->first;
        if (seen > count / 2)
            return (double(*lower) + double(it->first)) / 2;
    }
    return std::nullopt;
}

bool GappedSeries::setInterval(double intervalMsecs)
{
    if (m_interval > 0 && std::abs(intervalMsecs - m_interval) <= m_interval / 256)
        return false;
    m_interval = m_period = intervalMsecs;
    bool moved = false;
    qint32 count = m_front > 0 ? m_cuts[std::size_t(m_front - 1)] : 0;
    for (qsizetype k = m_front; k < size(); ++k) {
        const auto i = std::size_t(k);
        const bool emptySlot = takeSlot(k);
        const char gap = k > 0 && (m_holeBefore[i] || emptySlot) ? 1 : 0;
        moved = moved || gap != m_gapBefore[i];
        m_gapBefore[i] = gap;
        count += gap;
        m_cuts[i] = count;
    }
    return moved;
}

void GappedSeries::takeDifferences(const GappedSeries &phases, double intervalSeconds)
{
    restart();
    m_phaseTaken = m_pairEnd = -1;
    reserve(phases.held());
    m_referenceHz = 0;
    m_interval = m_period = intervalSeconds * 1000;
    followDifferences(phases);
}

void GappedSeries::followDifferences(const GappedSeries &phases)
{
    // The phases are held as microseconds from the first.
    const double scale = 1e-3 / m_interval;
    const qsizetype first = phases.front();
    qsizetype p = phases.size();
    while (p > first + 1 && phases.m_sequence[std::size_t(p - 1)] > m_phaseTaken)
        --p;
    for (p = std::max(p, first + 1); p < phases.size(); ++p) {
        // A pair of phases in adjacent slots; the first of each run of them
        // after one that is not begins a piece.
        if (phases.cutAt(p))
            continue;
        const qint64 start = phases.m_sequence[std::size_t(p - 1)];
        const char gap = !m_hz.empty() && m_pairEnd != start ? 1 : 0;
        m_sequence.push_back(start);
        m_msecs.push_back(phases.msecs(p - 1));
        m_hz.push_back((phases.hz(p) - phases.hz(p - 1)) * scale);
        m_runningSum.push_back(m_runningSum.back() + m_hz.back());
        m_holeBefore.push_back(gap);
        m_gapBefore.push_back(gap);
        m_cuts.push_back((m_cuts.empty() ? 0 : m_cuts.back()) + gap);
        m_pairEnd = phases.m_sequence[std::size_t(p)];
    }
    if (phases.size() > 0)
        m_phaseTaken = std::max(m_phaseTaken, phases.m_sequence.back());
    // What left with the phases: a difference whose first phase did.
    if (phases.held() > 0) {
        const qint64 from = phases.m_sequence[std::size_t(first)];
        while (m_front < size() && m_sequence[std::size_t(m_front)] < from)
            ++m_front;
    }
}

qsizetype GappedSeries::compact()
{
    if (m_front < 4096 || m_front < held())
        return 0;
    const auto cut = [this](auto &values) {
        values.erase(values.begin(), values.begin() + std::ptrdiff_t(m_front));
    };
    cut(m_sequence);
    cut(m_msecs);
    cut(m_hz);
    cut(m_runningSum);
    cut(m_holeBefore);
    cut(m_gapBefore);
    cut(m_cuts);
    return std::exchange(m_front, 0);
}

std::vector<StabilityConfidence::AveragePiece> newestAverages(const GappedSeries &series,
                                                              qsizetype m, std::size_t newest)
{
    std::vector<StabilityConfidence::AveragePiece> pieces(1);
    std::size_t taken = 0;
    qsizetype end = series.size();
    while (taken < newest && end - m >= series.front()) {
        const qsizetype begin = end - m;
        if (!series.whole(begin, m)) {
            if (!pieces.back().values.empty())
                pieces.emplace_back();
            end -= m;
            continue;
        }
        pieces.back().values.push_back((series.runningSum(end) - series.runningSum(begin))
                                       / double(m));
        pieces.back().at = double(begin - series.front()) / double(m);
        ++taken;
        if (series.cutAt(begin))
            pieces.emplace_back();
        end = begin;
    }
    for (StabilityConfidence::AveragePiece &piece : pieces)
        std::reverse(piece.values.begin(), piece.values.end());
    std::reverse(pieces.begin(), pieces.end());
    return pieces;
}

} // namespace freqcounter
