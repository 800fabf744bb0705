// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequencytext.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace freqcounter {

namespace {

constexpr double kNotAReading = std::numeric_limits<double>::quiet_NaN();
// Far above any counter's range: overflow markers such as 9.91E37 land here.
constexpr double kLimitMHz = 100'000;
// The prefixes naming a frequency: "F", one of the channels "FA" to "FC",
// or "FRQ". Any other word is no frequency, even when a number follows it:
// an error or overflow code such as "ERR 3", "OVF 1" or "E5".
bool isFrequencyPrefix(QStringView word)
{
    if (word.isEmpty())
        return true;
    for (const char16_t *prefix : {u"F", u"FA", u"FB", u"FC", u"FRQ"}) {
        if (word.compare(QStringView(prefix), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The power of ten that takes a unit to MHz; nothing when it is no unit of
// frequency.
std::optional<int> powerToMHz(QStringView unit)
{
    if (unit.isEmpty() || unit.compare(u"MHz", Qt::CaseInsensitive) == 0)
        return 0;
    if (unit.compare(u"kHz", Qt::CaseInsensitive) == 0)
        return -3;
    if (unit.compare(u"Hz", Qt::CaseInsensitive) == 0)
        return -6;
    if (unit.compare(u"GHz", Qt::CaseInsensitive) == 0)
        return 3;
    return std::nullopt;
}

// The number from `at` on: a sign, digits with at most one point, an
// exponent of one to three digits. Where it ends, or -1 when there is none.
qsizetype scanNumber(QStringView text, qsizetype at, bool &negative, QStringView &magnitude)
{
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    const qsizetype first = at;
    qsizetype digits = 0;
    while (at < text.size() && isDigit(text[at])) {
        ++at;
        ++digits;
    }
    if (at < text.size() && text[at] == u'.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) {
            ++at;
            ++digits;
        }
    }
    if (digits == 0)
        return -1;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        qsizetype exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        qsizetype exponentDigits = 0;
        while (exponent + exponentDigits < text.size() && isDigit(text[exponent + exponentDigits]))
            ++exponentDigits;
        if (exponentDigits < 1 || exponentDigits > kMaxExponentDigits)
            return -1;
        at = exponent + exponentDigits;
    }
    magnitude = text.sliced(first, at - first);
    return at;
}

double unitFactor(int powerToMHz)
{
    switch (powerToMHz) {
    case -6:
        return 1e-6;
    case -3:
        return 1e-3;
    case 3:
        return 1e3;
    default:
        return 1.0;
    }
}

} // namespace

std::optional<FrequencyNumber> frequencyNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype at = 0;
    const auto skipSpaces = [&] {
        while (at < text.size() && text[at] == u' ')
            ++at;
    };

    // A short letter prefix naming what was measured.
    while (at < text.size() && isAsciiLetter(text[at]))
        ++at;
    if (!isFrequencyPrefix(text.first(at)))
        return std::nullopt;
    FrequencyNumber found;
    found.prefixed = at > 0;
    if (at > 0 && at < text.size() && (text[at] == u'=' || text[at] == u':'))
        ++at;
    skipSpaces();

    at = scanNumber(text, at, found.negative, found.magnitude);
    if (at < 0)
        return std::nullopt;

    skipSpaces();
    found.unit = text.sliced(at);
    const std::optional<int> power = powerToMHz(found.unit);
    if (!power)
        return std::nullopt;
    found.powerToMHz = *power;
    return found;
}

namespace {

// The magnitude's value; NaN when it cannot be read.
double magnitudeValue(QStringView magnitude)
{
    const QByteArray number = magnitude.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(number.cbegin(), number.cend(), value);
    if (error != std::errc() || end != number.cend())
        return kNotAReading;
    return value;
}

double valueMHz(QStringView text, double limitMHz)
{
    const std::optional<FrequencyNumber> found = frequencyNumber(text);
    if (!found)
        return kNotAReading;
    const double value = magnitudeValue(found->magnitude) * unitFactor(found->powerToMHz);
    if (!std::isfinite(value) || value >= limitMHz)
        return kNotAReading;
    return found->negative ? -value : value;
}

} // namespace

double frequencyMHz(QStringView text)
{
    return valueMHz(text, kLimitMHz);
}

double shownFrequencyMHz(QStringView text)
{
    return valueMHz(text, std::numeric_limits<double>::infinity());
}

std::optional<int> powerToSeconds(QStringView unit)
{
    static constexpr std::pair<const char16_t *, int> kUnits[]
            = {{u"s", 0},        {u"ms", -3}, {u"us", -6}, {u"\u00b5s", -6},
               {u"\u03bcs", -6}, {u"ns", -9}, {u"ps", -12}};
    for (const auto &[name, power] : kUnits) {
        // "ms" and "Ms" differ; only the second letter's case is free.
        if (unit.size() == QStringView(name).size()
            && unit.first(unit.size() - 1) == QStringView(name).first(unit.size() - 1)
            && unit.back().toLower() == QStringView(name).back())
            return power;
    }
    return std::nullopt;
}

std::optional<IntervalNumber> intervalNumber(QStringView text)
{
    text = text.trimmed();
    IntervalNumber found;
    qsizetype at = scanNumber(text, 0, found.negative, found.magnitude);
    if (at < 0)
        return std::nullopt;
    while (at < text.size() && text[at] == u' ')
        ++at;
    found.unit = text.sliced(at);
    if (found.unit.isEmpty())
        return found;
    const std::optional<int> power = powerToSeconds(found.unit);
    if (!power)
        return std::nullopt;
    found.powerToSeconds = *power;
    return found;
}

double intervalSeconds(QStringView text)
{
    const std::optional<IntervalNumber> found = intervalNumber(text);
    if (!found || found->unit.isEmpty())
        return kNotAReading;
    const double value = magnitudeValue(found->magnitude) * std::pow(10.0, found->powerToSeconds);
    if (!std::isfinite(value))
        return kNotAReading;
    return found->negative ? -value : value;
}

QLocale screenLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace freqcounter
