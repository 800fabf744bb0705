// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gappedseries.h"

#include <algorithm>
#include <cmath>

namespace freqcounter {

bool GappedSeries::cutAt(qsizetype k) const
{
    if (k == 0)
        return false;
    const auto i = std::size_t(k);
    return m_holeBefore[i] || (m_gapLimit >= 0 && m_msecs[i] - m_msecs[i - 1] > m_gapLimit);
}

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
    m_cuts.clear();
    m_gapLimit = -1;
    m_pauses.clear();
    m_pendingHole = false;
    m_front = 0;
}

void GappedSeries::reserve(qsizetype numbers)
{
    const auto n = std::size_t(numbers);
    m_sequence.reserve(n);
    m_msecs.reserve(n);
    m_hz.reserve(n);
    m_runningSum.reserve(n + 1);
    m_holeBefore.reserve(n);
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
    m_cuts.push_back((m_cuts.empty() ? 0 : m_cuts.back()) + (cutAt(size() - 1) ? 1 : 0));
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

bool GappedSeries::setGapLimit(qint64 limit)
{
    const qint64 low = std::min(limit, m_gapLimit);
    const qint64 high = std::max(limit, m_gapLimit);
    const auto between = m_pauses.upper_bound(low);
    const bool moved = m_gapLimit < 0 || (between != m_pauses.end() && between->first <= high);
    m_gapLimit = limit;
    if (!moved)
        return false;
    qint32 count = 0;
    for (qsizetype k = 0; k < size(); ++k) {
        count += cutAt(k) ? 1 : 0;
        m_cuts[std::size_t(k)] = count;
    }
    return true;
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
        pieces.back().values.push_back((series.at(end) - series.at(begin)) / double(m));
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
