// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace freqcounter {

// The serial line's stored settings: what the window definition fixes for
// the line before it is ever opened, beside its speed and format, which
// LineSettings' own defaults are (1200 baud, 8 data bits, no parity, 1 stop
// bit). At run time only the port number changes, and the line's speed and
// format where a user gives them.
struct SerialSettings
{
    qint16 commPort = 1;
    qint64 inBufferSize = 1024;
    qint64 outBufferSize = 512;
    // Stands for a character received with a parity error where the line
    // cannot tell it apart from one the counter sends; the line marks such a
    // character as received in error instead, so that no reading holding it
    // is ever shown. Kept so that the line carries the whole stored
    // definition.
    char parityReplace = '?';
};

} // namespace freqcounter
