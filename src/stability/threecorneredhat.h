// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <array>

// The three-cornered hat: each of three oscillators' own deviation, from
// the deviations of their three pairs measured over the same span, A−B, B−C
// and C−A. With the oscillators' noises uncorrelated, σ²_AB = σ²_A + σ²_B
// and so on, which gives σ²_A = (σ²_AB + σ²_CA − σ²_BC) / 2, σ²_B =
// (σ²_AB + σ²_BC − σ²_CA) / 2 and σ²_C = (σ²_BC + σ²_CA − σ²_AB) / 2.
// The bounds are interval arithmetic on the pairs' 68.3 % bounds: for A,
// (low²_AB + low²_CA − high²_BC) / 2 to (high²_AB + high²_CA − low²_BC) / 2,
// likewise for B and C; they hold whenever each pair's interval holds, so
// they hold at least as often as the three together do. An estimate that
// comes out negative, where one oscillator is far better than the others, is
// no deviation: only the upper bound is told, as an upper limit, or nothing
// where that too is not above zero.
namespace freqcounter::ThreeCorneredHat {

// What can be told of one oscillator at one τ.
struct Oscillator
{
    enum class Told {
        Deviation, // deviation, low and high
        UpperLimit, // high alone: the deviation is below it
        Nothing, // not even a limit
    };
    Told told = Told::Nothing;
    double deviation = 0;
    double low = 0;
    double high = 0;
};

// The three oscillators, A, B and C, at one τ.
struct Row
{
    double tauSeconds = 0;
    std::array<Oscillator, 3> oscillators;
};

// At each τ the three pairs share, within a relative 1e-9, in the order of
// ab's; a τ that one of them lacks is left out. The deviations are of one
// estimator, each pair's own.
QList<Row> separate(const QList<Statistics::Deviation> &ab, const QList<Statistics::Deviation> &bc,
                    const QList<Statistics::Deviation> &ca);

// What is told, for people to read, in the locale's numbers of three
// digits: "1.23e-11 (1.10e-11 to 1.37e-11)", "< 2.50e-13 (upper limit)", or
// that nothing can be told.
QString text(const Oscillator &oscillator, const QLocale &locale);

// The pairs are to be measured over the same span: whether the spans from
// their first to their last readings differ by more than a tenth of the
// shortest.
bool spansDiffer(const std::array<double, 3> &spanSeconds);

} // namespace freqcounter::ThreeCorneredHat
