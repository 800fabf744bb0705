// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counteranswer.h"

#include "frequencytext.h"

#include <QRegularExpression>

#include <cmath>

namespace freqcounter {

namespace {

// The number's text moved by a power of ten: its digits kept, its point
// moved, zeros added only where the point moves past the digits.
QString movedByPowerOfTen(const QRegularExpressionMatch &number, int power)
{
    const QString whole = number.captured(2);
    const QString fraction = number.captured(3);
    QString digits = whole + fraction;
    qsizetype point = whole.size() + number.captured(4).toInt() + power;
    // Leading zeros carry no digit of the reading; one before the point is
    // written anew where needed.
    while (digits.size() > 1 && digits.front() == u'0') {
        digits.remove(0, 1);
        --point;
    }
    QString moved;
    if (point <= 0)
        moved = QStringLiteral("0.") + QString(-point, u'0') + digits;
    else if (point >= digits.size())
        moved = digits + QString(point - digits.size(), u'0');
    else
        moved = digits.first(point) + u'.' + digits.sliced(point);
    return number.captured(1) == QStringLiteral("-") ? u'-' + moved : moved;
}

} // namespace

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
    return CounterReading{movedByPowerOfTen(number, powerToMHz), kept};
}

} // namespace freqcounter
