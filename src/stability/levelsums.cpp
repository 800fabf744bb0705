// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelsums.h"

#include <algorithm>

namespace freqcounter {

void LevelSums::follow(const GappedSeries &series)
{
    const qsizetype n = series.held();
    std::vector<Level> kept;
    for (qsizetype decade = 1; decade <= n / 4; decade *= 10) {
        for (const qsizetype step : {1, 2, 5}) {
            const qsizetype m = decade * step;
            if (m > n / 4)
                break;
            const auto old = std::find_if(m_levels.begin(), m_levels.end(),
                                          [m](const Level &level) { return level.m == m; });
            kept.push_back(old != m_levels.end() ? *old : Level{m});
        }
    }
    m_levels = std::move(kept);
    for (Level &level : m_levels)
        update(series, level);
}

void LevelSums::shift(qsizetype dropped)
{
    for (Level &level : m_levels) {
        level.overlappingFrom -= dropped;
        level.overlappingTo -= dropped;
        level.hadamardFrom -= dropped;
        level.hadamardTo -= dropped;
        level.modifiedFrom -= dropped;
        level.modifiedTo -= dropped;
    }
}

void LevelSums::sumAfresh(const GappedSeries &series, Level &level)
{
    const qsizetype m = level.m;
    level.overlappingSum = 0;
    level.overlappingLinear = 0;
    level.overlappingTerms = 0;
    for (qsizetype i = series.front(); i < series.size() - 2 * m + 1; ++i) {
        if (series.whole(i, 2 * m)) {
            level.overlappingSum += static_cast<long double>(series.d(i, m)) * series.d(i, m);
            level.overlappingLinear += series.d(i, m);
            ++level.overlappingTerms;
        }
    }
    level.hadamardSum = 0;
    level.hadamardTerms = 0;
    for (qsizetype i = series.front(); i < series.size() - 3 * m + 1; ++i) {
        if (series.whole(i, 3 * m)) {
            level.hadamardSum += series.h(i, m) * series.h(i, m);
            ++level.hadamardTerms;
        }
    }
    const qsizetype modifiedTo = series.size() - 3 * m + 2;
    long double inner = 0;
    for (qsizetype i = series.front(); i < series.front() + m; ++i)
        inner += series.d(i, m);
    level.modifiedFirst = inner;
    level.modifiedSum = 0;
    level.modifiedLinear = 0;
    level.modifiedTerms = 0;
    for (qsizetype j = series.front(); j < modifiedTo; ++j) {
        if (series.whole(j, 3 * m - 1)) {
            level.modifiedSum += inner * inner;
            level.modifiedLinear += inner;
            ++level.modifiedTerms;
        }
        level.modifiedLast = inner;
        if (j + 1 < modifiedTo)
            inner += series.d(j + m, m) - series.d(j, m);
    }
    level.subtracted = 0;
}

void LevelSums::update(const GappedSeries &series, Level &level)
{
    const qsizetype m = level.m;
    const qsizetype overlappingTo = series.size() - 2 * m + 1;
    const qsizetype modifiedTo = series.size() - 3 * m + 2;
    const qsizetype hadamardTo = series.size() - 3 * m + 1;
    const bool afresh = level.overlappingTo <= level.overlappingFrom
            || level.modifiedTo <= level.modifiedFrom || level.hadamardTo <= level.hadamardFrom
            || series.front() < level.overlappingFrom || series.front() >= level.hadamardTo
            || level.subtracted > hadamardTo - series.front();
    if (afresh) {
        sumAfresh(series, level);
    } else {
        long double unused = 0;
        const auto take = [&](long double &sum, long double &linear, qsizetype &terms,
                              long double term, int sign) {
            sum += sign * term * term;
            linear += sign * term;
            terms += sign;
        };
        for (qsizetype i = level.overlappingFrom; i < series.front(); ++i) {
            if (series.whole(i, 2 * m))
                take(level.overlappingSum, level.overlappingLinear, level.overlappingTerms,
                     series.d(i, m), -1);
            ++level.subtracted;
        }
        for (qsizetype i = level.overlappingTo; i < overlappingTo; ++i) {
            if (series.whole(i, 2 * m))
                take(level.overlappingSum, level.overlappingLinear, level.overlappingTerms,
                     series.d(i, m), +1);
        }
        for (qsizetype i = level.hadamardFrom; i < series.front(); ++i) {
            if (series.whole(i, 3 * m))
                take(level.hadamardSum, unused, level.hadamardTerms, series.h(i, m), -1);
        }
        for (qsizetype i = level.hadamardTo; i < hadamardTo; ++i) {
            if (series.whole(i, 3 * m))
                take(level.hadamardSum, unused, level.hadamardTerms, series.h(i, m), +1);
        }
        for (qsizetype j = level.modifiedFrom; j < series.front(); ++j) {
            if (series.whole(j, 3 * m - 1))
                take(level.modifiedSum, level.modifiedLinear, level.modifiedTerms,
                     level.modifiedFirst, -1);
            level.modifiedFirst += series.d(j + m, m) - series.d(j, m);
        }
        for (qsizetype j = level.modifiedTo; j < modifiedTo; ++j) {
            level.modifiedLast += series.d(j - 1 + m, m) - series.d(j - 1, m);
            if (series.whole(j, 3 * m - 1))
                take(level.modifiedSum, level.modifiedLinear, level.modifiedTerms,
                     level.modifiedLast, +1);
        }
    }
    level.overlappingFrom = series.front();
    level.overlappingTo = overlappingTo;
    level.modifiedFrom = series.front();
    level.modifiedTo = modifiedTo;
    level.hadamardFrom = series.front();
    level.hadamardTo = hadamardTo;
}

} // namespace freqcounter
