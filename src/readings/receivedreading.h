// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace freqcounter {

// One whole reading the line delivered: the port and device it came from,
// when its line end arrived, and its text without the unit. Its time is the
// wall clock's, which the recording keeps; the history is timed by the
// steady clock where a reading has that time too.
struct ReceivedReading
{
    qint16 port = 1;
    QString device;
    QDateTime time;
    QString text;
    qint64 steadyMsecs = 0; // on a SteadyClock; 0 when not known
};

} // namespace freqcounter
