// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countersettings.h"

#include <QString>

#include <optional>

namespace freqcounter {

// One whole line from a counter as the display shows it (in MHz, or for a
// time interval in the unit beside it) and as the recording keeps it (as the
// counter sent it, its unit after it where it gave none).
struct CounterReading
{
    QString shown;
    QString kept;
    QString unit{}; // of a time interval; empty for a frequency
};

// Reads a counter's line when its unit is not MHz, or when it was asked for
// it. A number is moved to MHz by its own unit, or else by the counter's, on
// its decimal text, so that it keeps every digit the counter sent and gains
// none a binary float would add: "+1.00000000012345E+07" in Hz shows as
// "10.0000000012345". A plain number in MHz shows as it came. An overflow
// mark (9.91E37), anything of 100 GHz or more, and a number that would run
// past kMaxMadeLength (frequencytext.h) characters are no readings; nor is an answer that
// says no frequency, such as a SCPI error. Nothing when the line is no
// reading. Text from a counter that talks by itself, and that is no number,
// is shown as it came. A counter of time intervals gives each in the unit
// that puts one to three digits before the point, every digit kept.
std::optional<CounterReading> readCounterLine(const QString &text, CounterUnit unit, bool asked);

} // namespace freqcounter
