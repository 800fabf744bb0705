// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison.h"

#include "keptsettings.h"

#include <cmath>

namespace freqcounter {

bool Comparison::isOutside(double readingMHz) const
{
    if (!nominalHz || !tolerance || !std::isfinite(readingMHz))
        return false;
    return std::abs(readingMHz * 1e6 - *nominalHz) > tolerance->halfWidthHz(*nominalHz);
}

Comparison Comparison::kept()
{
    const QSettings stored = keptSettings();
    Comparison comparison;
    bool read = false;
    const double nominal = stored.value(QStringLiteral("compare/nominalHz")).toDouble(&read);
    if (read && nominal > 0 && std::isfinite(nominal))
        comparison.nominalHz = nominal;
    const double tolerance = stored.value(QStringLiteral("compare/tolerance")).toDouble(&read);
    const int unit = stored.value(QStringLiteral("compare/toleranceUnit")).toInt();
    if (read && tolerance > 0 && std::isfinite(tolerance) && unit >= 0 && unit <= 2)
        comparison.tolerance = Nominal::Tolerance{tolerance, Nominal::Tolerance::Unit(unit)};
    comparison.soundWhenOutside
            = stored.value(QStringLiteral("compare/soundWhenOutside"), false).toBool();
    return comparison;
}

void Comparison::keep() const
{
    QSettings stored = keptSettings();
    stored.remove(QStringLiteral("compare"));
    if (nominalHz)
        stored.setValue(QStringLiteral("compare/nominalHz"), *nominalHz);
    if (tolerance) {
        stored.setValue(QStringLiteral("compare/tolerance"), tolerance->value);
        stored.setValue(QStringLiteral("compare/toleranceUnit"), int(tolerance->unit));
    }
    stored.setValue(QStringLiteral("compare/soundWhenOutside"), soundWhenOutside);
}

} // namespace freqcounter
