// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Comparing readings with a nominal frequency: the texts a user gives the
// nominal and the tolerance in, the offset of a reading from the nominal,
// and that offset as text with the digits the reading resolves.
namespace freqcounter::Nominal {

// The half-width of the band around the nominal a reading should stay in.
struct Tolerance
{
    enum class Unit { Ppm, Ppb, Hz };
    double value = 0;
    Unit unit = Unit::Ppm;

    double halfWidthHz(double nominalHz) const;
    // "±10 ppm", as the user gave it.
    QString text() const;
    bool operator==(const Tolerance &) const = default;
};

// A frequency as "10MHz", "10 MHz", "10000000 Hz", "2.4 GHz" or "10" (MHz,
// the display's unit), in Hz; nothing when it is no frequency or not above
// zero.
std::optional<double> parseFrequencyHz(QStringView text);
// A tolerance as "10ppm", "0.5 ppm", "50ppb" or "25Hz"; nothing without one
// of those units or when not above zero.
std::optional<Tolerance> parseTolerance(QStringView text);

// The smallest step a reading's text shows, in MHz: 1e-7 for "10.0000123".
double resolutionMHz(QStringView readingText);

// The offset of a reading from the nominal: "+12.3 Hz   +1.23 ppm", in ppb
// below 1 ppm, always signed, with as many digits as the reading's
// resolution gives and no more.
QString offsetText(double readingMHz, double resolutionMHz, double nominalHz);

// A frequency for people: "10 MHz", "433.92 MHz", "32.768 kHz".
QString frequencyText(double hz);

} // namespace freqcounter::Nominal
