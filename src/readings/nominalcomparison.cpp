// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nominalcomparison.h"

#include <QCoreApplication>

#include <cmath>

namespace freqcounter {

void NominalComparison::setComparison(const Comparison &comparison)
{
    m_comparison = comparison;
    if (!m_comparison.nominalHz)
        m_comparison.tolerance.reset();
    m_wasOutside = false;
}

std::optional<double> NominalComparison::halfWidthHz() const
{
    if (!m_comparison.nominalHz || !m_comparison.tolerance)
        return std::nullopt;
    return m_comparison.tolerance->halfWidthHz(*m_comparison.nominalHz);
}

NominalComparison::Compared NominalComparison::compare(const QString &text, double mhz)
{
    Compared compared;
    compared.outside = m_comparison.isOutside(mhz);
    compared.leftTheBand = compared.outside && !m_wasOutside;
    m_wasOutside = compared.outside;
    if (!m_comparison.nominalHz || !std::isfinite(mhz))
        return compared;
    const double nominalHz = *m_comparison.nominalHz;
    compared.offset = Nominal::offsetText(mhz, Nominal::resolutionMHz(text), nominalHz);
    compared.line = compared.offset;
    compared.description
            = QCoreApplication::translate("NominalComparison", "Offset from %1: %2")
                      .arg(Nominal::frequencyText(nominalHz), compared.offset.simplified());
    if (const auto &tolerance = m_comparison.tolerance) {
        if (compared.outside) {
            compared.line += QCoreApplication::translate("NominalComparison", "   outside %1")
                                     .arg(tolerance->text());
        }
        compared.description
                += (compared.outside
                            ? QCoreApplication::translate("NominalComparison", ", outside %1")
                            : QCoreApplication::translate("NominalComparison", ", within %1"))
                           .arg(tolerance->text());
    }
    return compared;
}

} // namespace freqcounter
