// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace freqcounter {

// One whole reading the line delivered: the port and device it came from,
// when its line end arrived, its text in MHz without the unit, and what the
// counter sent where that differs, and the counter math that made the text
// of it. Its time is the
// wall clock's, which the recording keeps; the history is timed by the
// steady clock where a reading has that time too.
struct ReceivedReading
{
    qint16 port = 1;
    QString device;
    QDateTime time;
    QString text;
    qint64 steadyMsecs = 0; // on a SteadyClock; 0 when not known
    // As the counter sent it, with its unit where it gave none; empty when
    // that is the text.
    QString sent{};
    // While counter math is on, its name, and the reading in MHz that the
    // text was made of; both empty without it.
    QString math{};
    QString raw{};
    // The unit of a time interval's text, such as "ns"; empty for a
    // frequency, whose text is in MHz.
    QString unit{};

    const QString &asSent() const { return sent.isEmpty() ? text : sent; }
    // The frequency shown, in MHz, as everything after the display takes
    // it: of any size the math makes, where the counter sent a frequency
    // (below 100 GHz); NaN where it sent none.
    double mhz() const;
    // A time interval's seconds; NaN where the reading is a frequency.
    double seconds() const;
    bool isInterval() const { return !unit.isEmpty(); }
};

} // namespace freqcounter
