// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "nominal.h"

#include "frequencytext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace freqcounter::Nominal {

namespace {

// Digits after the point that show a step of `resolution`, 0 at least.
int decimalsFor(double resolution)
{
    if (!(resolution > 0) || !std::isfinite(resolution))
        return 0;
    return std::clamp(int(std::ceil(-std::log10(resolution) - 1e-9)), 0, 12);
}

// In the user's locale, as a person reads it on screen, with no group
// separators, as the reading beside it has none.
QString signedText(double value, int decimals)
{
    const QLocale locale = screenLocale();
    const QString text = locale.toString(std::abs(value), 'f', decimals);
    const bool zero = text.count(u'0') + text.count(locale.decimalPoint()) == text.size();
    return (value < 0 && !zero ? QStringLiteral("-") : QStringLiteral("+")) + text;
}

} // namespace

double Tolerance::halfWidthHz(double nominalHz) const
{
    switch (unit) {
    case Unit::Ppm:
        return value * nominalHz * 1e-6;
    case Unit::Ppb:
        return value * nominalHz * 1e-9;
    case Unit::Hz:
        return value;
    }
    return value;
}

QString Tolerance::text() const
{
    static const char *const kUnits[] = {"ppm", "ppb", "Hz"};
    return QStringLiteral("\u00B1%1 %2")
            .arg(QLocale::c().toString(value, 'g', 12), QString::fromLatin1(kUnits[int(unit)]));
}

std::optional<double> parseFrequencyHz(QStringView text)
{
    text = text.trimmed();
    // The counters' own prefixes have no place here.
    if (text.isEmpty() || text.front().isLetter())
        return std::nullopt;
    const double mhz = frequencyMHz(text);
    if (!std::isfinite(mhz) || !(mhz > 0))
        return std::nullopt;
    return mhz * 1e6;
}

std::optional<Tolerance> parseTolerance(QStringView text)
{
    text = text.trimmed();
    static const std::pair<const char16_t *, Tolerance::Unit> kUnits[]
            = {{u"ppm", Tolerance::Unit::Ppm},
               {u"ppb", Tolerance::Unit::Ppb},
               {u"hz", Tolerance::Unit::Hz}};
    for (const auto &[unit, kind] : kUnits) {
        const QStringView name(unit);
        if (!text.endsWith(name, Qt::CaseInsensitive))
            continue;
        bool isNumber = false;
        const double value = text.chopped(name.size()).trimmed().toDouble(&isNumber);
        if (!isNumber || !std::isfinite(value) || !(value > 0))
            return std::nullopt;
        return Tolerance{value, kind};
    }
    return std::nullopt;
}

double resolutionMHz(QStringView readingText)
{
    // The step of the number's last digit, before any exponent or unit,
    // after any prefix; scaled as the exponent and the unit scale the
    // number.
    qsizetype start = 0;
    while (start < readingText.size() && !readingText[start].isDigit())
        ++start;
    qsizetype end = start;
    while (end < readingText.size() && readingText[end].isDigit())
        ++end;
    qsizetype decimals = 0;
    if (end < readingText.size() && readingText[end] == u'.') {
        ++end;
        while (end < readingText.size() && readingText[end].isDigit()) {
            ++end;
            ++decimals;
        }
    }
    double resolution = std::pow(10.0, -double(decimals));
    const double value = shownFrequencyMHz(readingText);
    const double shown = readingText.sliced(start, end - start).toString().toDouble();
    if (std::isfinite(value) && shown != 0 && value != 0)
        resolution *= std::abs(value / shown);
    return resolution;
}

QString offsetText(double readingMHz, double resolutionMHz, double nominalHz)
{
    const double offsetHz = readingMHz * 1e6 - nominalHz;
    const double resolutionHz = resolutionMHz * 1e6;
    const double ppm = offsetHz / nominalHz * 1e6;
    const double resolutionPpm = resolutionHz / nominalHz * 1e6;
    const QString hz = signedText(offsetHz, decimalsFor(resolutionHz))
            + QCoreApplication::translate("Nominal", " Hz");
    QString relative;
    if (std::abs(ppm) < 1) {
        relative = signedText(ppm * 1e3, decimalsFor(resolutionPpm * 1e3))
                + QCoreApplication::translate("Nominal", " ppb");
    } else {
        relative = signedText(ppm, decimalsFor(resolutionPpm))
                + QCoreApplication::translate("Nominal", " ppm");
    }
    return hz + QStringLiteral("   ") + relative;
}

QString frequencyText(double hz)
{
    const QLocale c = QLocale::c();
    if (hz >= 1e9)
        return c.toString(hz / 1e9, 'g', 12) + QStringLiteral(" GHz");
    if (hz >= 1e6)
        return c.toString(hz / 1e6, 'g', 12) + QStringLiteral(" MHz");
    if (hz >= 1e3)
        return c.toString(hz / 1e3, 'g', 12) + QStringLiteral(" kHz");
    return c.toString(hz, 'g', 12) + QStringLiteral(" Hz");
}

} // namespace freqcounter::Nominal
