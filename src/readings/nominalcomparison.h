// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"

#include <QString>

#include <optional>

namespace freqcounter {

// Each reading held against the nominal frequency and the tolerance: its
// offset as the large display's line says it, what the display tells screen
// readers beside it, whether it lies outside the band, and whether it has
// just left it (the bell rings then, once). It knows no widget; the
// context menu shows what it works out.
class NominalComparison
{
public:
    struct Compared
    {
        QString offset; // "+12.3 Hz   +1.23 ppm"; empty without a nominal
        QString line; // the offset, and "outside ±10 ppm" when it is
        QString description; // "Offset from 10 MHz: ..., within ±10 ppm"
        bool outside = false;
        bool leftTheBand = false; // outside now, and the reading before was not
    };

    const Comparison &comparison() const { return m_comparison; }
    // A new comparison starts afresh: no reading has left its band yet.
    void setComparison(const Comparison &comparison);
    // The band's half-width around the nominal, in Hz; nothing without a
    // nominal and a tolerance.
    std::optional<double> halfWidthHz() const;

    // A reading as it came and in MHz (NaN when it is no number).
    Compared compare(const QString &text, double mhz);

private:
    Comparison m_comparison;
    bool m_wasOutside = false;
};

} // namespace freqcounter
