// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counteranswer.h"

#include "decimal.h"
#include "frequencytext.h"

#include <cmath>

namespace freqcounter {

std::optional<CounterReading> readCounterLine(const QString &text, CounterUnit unit, bool asked)
{
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
    const int power = ownUnit ? number->powerToMHz : int(unit);
    const QString shown = power == 0 && !ownUnit && !number->prefixed
            ? trimmed
            : Decimal::of(number->magnitude, number->negative, power).text();
    if (shown.size() > kMaxMadeLength)
        return std::nullopt;
    return CounterReading{shown, kept};
}

} // namespace freqcounter
