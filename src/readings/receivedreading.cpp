// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "receivedreading.h"

#include "frequencytext.h"

#include <cmath>
#include <limits>

namespace freqcounter {

double ReceivedReading::mhz() const
{
    if (isInterval())
        return std::numeric_limits<double>::quiet_NaN();
    if (math.isEmpty())
        return frequencyMHz(text);
    if (!std::isfinite(frequencyMHz(raw)))
        return std::numeric_limits<double>::quiet_NaN();
    return shownFrequencyMHz(text);
}

double ReceivedReading::seconds() const
{
    if (!isInterval())
        return std::numeric_limits<double>::quiet_NaN();
    return intervalSeconds(QString(text + unit));
}

} // namespace freqcounter
