// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counteranswer.h"

#include "decimal.h"
#include "frequencytext.h"

#include <cmath>

namespace freqcounter {

namespace {

// A time interval in the unit that puts one to three digits before its
// point, as an instrument ranges its display: "+1.23456789012E-07" in
// seconds shows as "123.456789012" ns.
std::optional<CounterReading> readIntervalLine(const QString &text, CounterUnit unit, bool asked)
{
    const std::optional<IntervalNumber> number = intervalNumber(text);
    if (!number)
        return asked ? std::nullopt : std::optional(CounterReading{text, text});
    const QString trimmed = text.trimmed();
    const int power = number->unit.isEmpty() ? unitPower(unit) : number->powerToSeconds;
    bool isNumber = false;
    const double magnitude = number->magnitude.toDouble(&isNumber) * std::pow(10.0, power);
    // Overflow marks, and anything of a thousand seconds and more.
    if (!isNumber || !std::isfinite(magnitude) || magnitude >= 1000)
        return std::nullopt;
    CounterUnit shownUnit = CounterUnit::ps;
    for (const CounterUnit candidate :
         {CounterUnit::s, CounterUnit::ms, CounterUnit::us, CounterUnit::ns}) {
        if (magnitude >= std::pow(10.0, unitPower(candidate)) * (1 - 1e-12)) {
            shownUnit = candidate;
            break;
        }
    }
    CounterReading read;
    read.shown
            = Decimal::of(number->magnitude, number->negative, power - unitPower(shownUnit)).text();
    read.unit = counterUnitName(shownUnit);
    read.kept = number->unit.isEmpty() ? trimmed + u' ' + counterUnitName(unit) : trimmed;
    if (read.shown.size() > kMaxMadeLength)
        return std::nullopt;
    return read;
}

} // namespace

std::optional<CounterReading> readCounterLine(const QString &text, CounterUnit unit, bool asked)
{
    if (isTimeUnit(unit))
        return readIntervalLine(text, unit, asked);
    const std::optional<FrequencyNumber> number = frequencyNumber(text);
    if (!number) {
        // An answer in words, such as a SCPI error.
        if (asked)
            return std::nullopt;
        return CounterReading{text, text};
    }
    const bool ownUnit = !number->unit.isEmpty();
    const QString trimmed = text.trimmed();
    const QString kept = ownUnit || unit == CounterUnit::MHz
            ? trimmed
            : trimmed + u' ' + counterUnitName(unit);
    // Overflow marks are numbers too large to be a frequency.
    if (!std::isfinite(frequencyMHz(kept)))
        return std::nullopt;
    const int power = ownUnit ? number->powerToMHz : unitPower(unit);
    const QString shown = power == 0 && !ownUnit && !number->prefixed
            ? trimmed
            : Decimal::of(number->magnitude, number->negative, power).text();
    if (shown.size() > kMaxMadeLength)
        return std::nullopt;
    return CounterReading{shown, kept};
}

} // namespace freqcounter
