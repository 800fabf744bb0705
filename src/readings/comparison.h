// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nominal.h"

#include <optional>

namespace freqcounter {

// What the readings are compared with: a nominal frequency, a tolerance
// around it, and whether leaving the band sounds the bell. Kept per user
// for the next start.
struct Comparison
{
    std::optional<double> nominalHz;
    std::optional<Nominal::Tolerance> tolerance;
    bool soundWhenOutside = false;

    // Whether a reading of that many MHz lies outside the band; never
    // without a nominal and a tolerance.
    bool isOutside(double readingMHz) const;

    static Comparison kept();
    void keep() const;
};

} // namespace freqcounter
