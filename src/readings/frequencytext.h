// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringView>

#include <optional>

namespace freqcounter {

// Reads the frequency a counter's line of text stands for, in MHz, the unit
// the display gives. It takes the formats counters send: spaces around,
// leading zeros, a sign, exponent notation, a unit (Hz, kHz, MHz or GHz, in
// any case, attached or after a space) and a prefix naming a frequency
// ("F", "F=", "FA" to "FC", "FRQ"). A bare number is in MHz. Anything else is
// not a reading and gives NaN: a period ("PER ..."), an error or overflow
// code even with a number ("ERR 3", "OVF 1", "E5"), an overflow marker
// (100 GHz or more), text that is no number. It never changes what the display shows.
double frequencyMHz(QStringView text);

// The frequency a text the program made stands for, in MHz, of any finite
// size: the counter math may show 100 GHz and more of a reading below it.
// NaN when it is no number.
double shownFrequencyMHz(QStringView text);

// The most digits an exponent has, wherever a number is read.
constexpr int kMaxExponentDigits = 3;
// The longest number the program makes of a reading, by its unit or by the
// counter math; a longer one is no reading (0E-999 in MHz would be a
// thousand digits).
constexpr qsizetype kMaxMadeLength = 40;

// The parts of a frequency's text, as it gives them.
struct FrequencyNumber
{
    bool prefixed = false; // a prefix such as "F=" came first
    bool negative = false;
    QStringView magnitude; // digits, point and exponent, without the sign
    QStringView unit; // empty for MHz
    int powerToMHz = 0; // -6 for Hz
};
// The parts of text that frequencyMHz() reads, without the limit it sets
// on the number's size; nothing when it is no frequency's text.
std::optional<FrequencyNumber> frequencyNumber(QStringView text);

// A time interval's text, as a time-interval counter sends it: a number
// with a sign, in exponent notation or not, and a unit of time after it or
// none ("+1.23456789012E-07", "123.456789 ns", "-5ps").
struct IntervalNumber
{
    bool negative = false;
    QStringView magnitude; // digits, point and exponent, without the sign
    QStringView unit; // empty when it gave none
    int powerToSeconds = 0; // -9 for ns; 0 without a unit
};
// Nothing when the text is no time interval.
std::optional<IntervalNumber> intervalNumber(QStringView text);
// The power of ten that takes a unit of time to seconds ("us", "µs"
// and "μs" are all microseconds); nothing for any other text.
std::optional<int> powerToSeconds(QStringView unit);
// The seconds a time interval with its unit stands for; NaN for a bare
// number, whose unit only its counter knows, and for anything else.
double intervalSeconds(QStringView text);

// The user's locale as figures a person reads on screen use it: with no
// group separators, as the counters' readings beside them have none.
// Files and the command line's answers keep QLocale::c().
QLocale screenLocale();

} // namespace freqcounter
