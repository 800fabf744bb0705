// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "receivedreading.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <optional>

namespace freqcounter {

// The frequency the user means, made of the counter's reading: factor ×
// reading + offset. A receiver's dial is the oscillator's reading plus or
// minus the IF; behind a prescaler the reading times its ratio. It works
// on the reading's decimal text, so that no binary rounding ever shows: the
// result keeps every digit the reading resolves, scaled by the factor, and
// gains none. Kept per user for the next start.
class CounterMath
{
    Q_DECLARE_TR_FUNCTIONS(CounterMath)

public:
    // No math: factor 1, offset 0.
    CounterMath() = default;

    // A factor such as "64", "-1" or "0.5", and an offset with its unit such
    // as "-10.7MHz" or "+455 kHz". Nothing when the factor is 0, no finite
    // number or beyond 1e-12 to 1e12 in size, or the offset has no unit,
    // is no frequency or is 100 GHz or more in size.
    static std::optional<CounterMath> make(QStringView factor, QStringView offset);
    static bool isFactor(QStringView factor);
    static bool isOffset(QStringView offset);

    // The common cases, as a receiver or a prescaler has them; Other for
    // any other math, and for none.
    enum class Case { LoMinusIf, LoPlusIf, IfMinusLo, Prescaler, Other };
    Case commonCase() const;

    // Whether it changes the reading at all.
    bool isOn() const
    {
        return m_factor != QStringLiteral("1") || m_offsetMHz != QStringLiteral("0");
    }

    // The shown frequency's text in MHz, of a reading's text in MHz (or with
    // its own unit or prefix); nothing when the reading is no number, or the
    // result would be longer than any number made of a reading.
    std::optional<QString> applied(QStringView reading) const;

    // The reading as shown with this math: its text the math's result of
    // the counter's reading, which it keeps in raw, and the math's name on
    // it, in English, as a recording keeps it whatever the user's language;
    // as the counter gave it while the math is off. A reading shown with
    // other math is made anew from the counter's.
    ReceivedReading shown(ReceivedReading reading) const;

    enum class Language { User, English };
    // What the math is, for the window's title: "LO − 10.7 MHz",
    // "LO + 455 kHz", "10.7 MHz − LO", "÷64 prescaler", "2.5 × reading +
    // 1 MHz"; empty when it is off. In the user's language unless asked
    // for English, as files keep it.
    QString name(Language language = Language::User) const;
    // The factor and the offset as the dialog and the command line take
    // them: "64", "-10.7 MHz".
    QString factorText() const { return m_factor; }
    QString offsetText() const;

    static CounterMath kept();
    void keep() const;

    bool operator==(const CounterMath &) const = default;

private:
    // Plain decimal texts without exponent or needless zeros; the offset in
    // MHz.
    QString m_factor = QStringLiteral("1");
    QString m_offsetMHz = QStringLiteral("0");
};

} // namespace freqcounter
