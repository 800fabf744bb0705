// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "threecorneredhat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace freqcounter::ThreeCorneredHat {

namespace {

constexpr double kSameTau = 1e-9;

const Statistics::Deviation *atTau(const QList<Statistics::Deviation> &list, double tau)
{
    for (const Statistics::Deviation &d : list) {
        if (std::abs(d.tauSeconds - tau) <= kSameTau * std::abs(tau))
            return &d;
    }
    return nullptr;
}

// The oscillator that both `first` and `second` hold and `other` does not.
Oscillator shared(const Statistics::Deviation &first, const Statistics::Deviation &second,
                  const Statistics::Deviation &other)
{
    const auto sq = [](double x) { return x * x; };
    const double variance = (sq(first.value) + sq(second.value) - sq(other.value)) / 2;
    const double lowest = (sq(first.low) + sq(second.low) - sq(other.high)) / 2;
    const double highest = (sq(first.high) + sq(second.high) - sq(other.low)) / 2;
    Oscillator told;
    if (variance > 0) {
        told.told = Oscillator::Told::Deviation;
        told.deviation = std::sqrt(variance);
        told.low = lowest > 0 ? std::sqrt(lowest) : 0.0;
        told.high = std::sqrt(highest);
    } else if (highest > 0) {
        told.told = Oscillator::Told::UpperLimit;
        told.high = std::sqrt(highest);
    }
    return told;
}

} // namespace

QList<Row> separate(const QList<Statistics::Deviation> &ab, const QList<Statistics::Deviation> &bc,
                    const QList<Statistics::Deviation> &ca)
{
    QList<Row> rows;
    for (const Statistics::Deviation &pairAB : ab) {
        const Statistics::Deviation *pairBC = atTau(bc, pairAB.tauSeconds);
        const Statistics::Deviation *pairCA = atTau(ca, pairAB.tauSeconds);
        if (!pairBC || !pairCA)
            continue;
        rows.append({pairAB.tauSeconds,
                     {shared(pairAB, *pairCA, *pairBC), shared(pairAB, *pairBC, *pairCA),
                      shared(*pairBC, *pairCA, pairAB)}});
    }
    return rows;
}

QString text(const Oscillator &oscillator, const QLocale &locale)
{
    const auto number = [&locale](double value) { return locale.toString(value, 'e', 2); };
    switch (oscillator.told) {
    case Oscillator::Told::Deviation:
        return QCoreApplication::translate("ThreeCorneredHat", "%1 (%2 to %3)")
                .arg(number(oscillator.deviation), number(oscillator.low), number(oscillator.high));
    case Oscillator::Told::UpperLimit:
        return QCoreApplication::translate("ThreeCorneredHat", "< %1 (upper limit)")
                .arg(number(oscillator.high));
    case Oscillator::Told::Nothing:
        break;
    }
    return QCoreApplication::translate("ThreeCorneredHat", "nothing can be told");
}

bool spansDiffer(const std::array<double, 3> &spanSeconds)
{
    const auto [shortest, longest] = std::minmax_element(spanSeconds.cbegin(), spanSeconds.cend());
    return *longest - *shortest > 0.1 * *shortest;
}

} // namespace freqcounter::ThreeCorneredHat
