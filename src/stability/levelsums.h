// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gappedseries.h"

#include <vector>

namespace freqcounter {

// One averaging length m of the overlapping Allan, the modified Allan and
// the overlapping Hadamard estimator, and the sums of the squares of their
// terms over the span. A term of the overlapping Allan one is the second
// difference d(i) = S(i+2m) - 2 S(i+m) + S(i) of the running sum S of the
// readings; one of the modified one is the sum of m of them,
// inner(j) = d(j) + ... + d(j+m-1); one of the Hadamard one the third
// difference h(i) = S(i+3m) - 3 S(i+2m) + 3 S(i+m) - S(i). A term that spans
// a gap counts in none of the sums.
struct Level
{
    qsizetype m = 1;
    qsizetype overlappingFrom = 0;
    qsizetype overlappingTo = 0;
    long double overlappingSum = 0;
    long double overlappingLinear = 0; // the terms' own sum, for a drift taken out
    qsizetype overlappingTerms = 0;
    qsizetype hadamardFrom = 0;
    qsizetype hadamardTo = 0;
    long double hadamardSum = 0;
    qsizetype hadamardTerms = 0;
    qsizetype modifiedFrom = 0;
    qsizetype modifiedTo = 0;
    long double modifiedSum = 0;
    long double modifiedLinear = 0;
    qsizetype modifiedTerms = 0;
    long double modifiedFirst = 0; // inner(modifiedFrom)
    long double modifiedLast = 0; // inner(modifiedTo - 1)
    // Terms taken out since the sums were last made afresh: rounding grows
    // with them, so the sums are made afresh before they outnumber the rest.
    qsizetype subtracted = 0;
};

// The sums of each averaging length over a gapped series, kept up to date
// as the series' span moves: what the span kept from the last time is not
// summed again.
class LevelSums
{
public:
    const std::vector<Level> &levels() const { return m_levels; }

    // Averaging lengths 1, 2, 5, 10, 20, 50, ... while there are four
    // averages of the length among the series' numbers, each brought up to
    // date; a length the span has outgrown is forgotten.
    void follow(const GappedSeries &series);
    // Everything is summed afresh next time: the series started afresh, or
    // its gaps moved.
    void clear() { m_levels.clear(); }
    // The series dropped this many entries from its start.
    void shift(qsizetype dropped);

private:
    static void update(const GappedSeries &series, Level &level);
    static void sumAfresh(const GappedSeries &series, Level &level);

    std::vector<Level> m_levels;
};

} // namespace freqcounter
