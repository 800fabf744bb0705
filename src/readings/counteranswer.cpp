// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counteranswer.h"

#include "decimal.h"
#include "frequencytext.h"

#include <QRegularExpression>

#include <cmath>

namespace freqcounter {

std::optional<CounterReading> readCounterLine(const QString &text, int powerToMHz,
                                              QStringView unitName, bool asked)
{
    static const QRegularExpression plainNumber(
            QStringLiteral(R"(^\s*([+-]?)(\d*)(?:\.(\d*))?(?:[eE]([+-]?\d{1,4}))?\s*$)"));
    const QRegularExpressionMatch number = plainNumber.match(text);
    const bool isNumber
            = number.hasMatch() && (!number.captured(2).isEmpty() || !number.captured(3).isEmpty());
    if (!isNumber) {
        // An answer in words, or with its own unit.
        if (asked && !std::isfinite(frequencyMHz(text)))
            return std::nullopt;
        return CounterReading{text, text};
    }
    const QString kept
            = powerToMHz == 0 ? text.trimmed() : text.trimmed() + u' ' + unitName.toString();
    // Overflow marks are numbers too large to be a frequency.
    if (!std::isfinite(frequencyMHz(kept)))
        return std::nullopt;
    if (powerToMHz == 0)
        return CounterReading{kept, kept};
    const QString magnitude = number.captured(2) + u'.' + number.captured(3) + u'e'
            + (number.captured(4).isEmpty() ? QStringLiteral("0") : number.captured(4));
    return CounterReading{
            Decimal::of(magnitude, number.captured(1) == QStringLiteral("-"), powerToMHz).text(),
            kept};
}

} // namespace freqcounter
