// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countermath.h"

#include "decimal.h"
#include "frequencytext.h"
#include "keptsettings.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

namespace freqcounter {

namespace {

// A frequency in MHz for people, in the unit that suits its size: "10.7 MHz",
// "455 kHz", "1.5 Hz"; without its sign.
QString frequencyText(Decimal mhz)
{
    mhz.negative = false;
    static const char16_t *const kUnits[] = {u" MHz", u" kHz", u" Hz"};
    int unit = 0;
    // Below 1 in its unit, and not yet in Hz: a thousand times more of the
    // next.
    while (unit < 2 && mhz.digits.size() <= mhz.scale) {
        if (mhz.isZero()) {
            unit = 2;
            break;
        }
        mhz.scale -= 3;
        if (mhz.scale < 0) {
            mhz.digits.append(-mhz.scale, '0');
            mhz.scale = 0;
        }
        ++unit;
    }
    mhz.dropTrailingZeros();
    return mhz.text() + QString::fromUtf16(kUnits[unit]);
}

std::optional<QString> factorOf(QStringView text)
{
    static const QRegularExpression number(
            QStringLiteral(R"(^([+-]?)(\d+\.?\d*|\.\d+)([eE][+-]?\d{1,%1})?$)")
                    .arg(kMaxExponentDigits));
    text = text.trimmed();
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = std::abs(text.toDouble());
    if (!std::isfinite(value) || value < 1e-12 || value > 1e12)
        return std::nullopt;
    Decimal factor = Decimal::of(text);
    factor.dropTrailingZeros();
    return factor.text();
}

// The offset as a plain decimal text in MHz.
std::optional<QString> offsetOf(QStringView text)
{
    const std::optional<FrequencyNumber> number = frequencyNumber(text);
    if (!number || number->prefixed || number->unit.isEmpty() || !std::isfinite(frequencyMHz(text)))
        return std::nullopt;
    Decimal offset = Decimal::of(number->magnitude, number->negative, number->powerToMHz);
    offset.dropTrailingZeros();
    return offset.text();
}

} // namespace

std::optional<CounterMath> CounterMath::make(QStringView factor, QStringView offset)
{
    const std::optional<QString> madeFactor = factorOf(factor);
    const std::optional<QString> madeOffset = offsetOf(offset);
    if (!madeFactor || !madeOffset)
        return std::nullopt;
    CounterMath math;
    math.m_factor = *madeFactor;
    math.m_offsetMHz = *madeOffset;
    return math;
}

bool CounterMath::isFactor(QStringView factor)
{
    return factorOf(factor).has_value();
}

bool CounterMath::isOffset(QStringView offset)
{
    return offsetOf(offset).has_value();
}

std::optional<QString> CounterMath::applied(QStringView reading) const
{
    const std::optional<FrequencyNumber> number = frequencyNumber(reading);
    if (!number || !std::isfinite(frequencyMHz(reading)))
        return std::nullopt;
    const Decimal read = Decimal::of(number->magnitude, number->negative, number->powerToMHz);
    const Decimal factor = Decimal::of(m_factor);
    // The reading's step times the factor: zeros the factor ends in are
    // never a digit of the reading.
    Decimal scaled = read * factor;
    scaled.dropTrailingZeros(std::max(read.scale + factor.scale - factor.trailingZeros(), 0));
    QString result = (scaled + Decimal::of(m_offsetMHz)).text();
    if (result.size() > kMaxMadeLength)
        return std::nullopt;
    return result;
}

ReceivedReading CounterMath::shown(ReceivedReading reading) const
{
    if (!reading.math.isEmpty()) {
        reading.text = std::exchange(reading.raw, {});
        reading.math.clear();
        if (reading.sent == reading.text)
            reading.sent.clear();
    }
    // A time interval is no frequency to work on.
    if (!isOn() || !reading.unit.isEmpty())
        return reading;
    // Text that is no number is shown as it came, and still under the math's
    // name, so that the math's run of readings is not broken by it.
    reading.sent = reading.asSent();
    reading.raw = reading.text;
    reading.math = name(Language::English);
    if (const std::optional<QString> result = applied(reading.text))
        reading.text = *result;
    return reading;
}

QString CounterMath::offsetText() const
{
    const Decimal offset = Decimal::of(m_offsetMHz);
    if (offset.isZero())
        return QStringLiteral("0 Hz");
    return QString(offset.negative ? u'-' : u'+') + frequencyText(offset);
}

CounterMath::Case CounterMath::commonCase() const
{
    const bool below = m_offsetMHz.startsWith(u'-');
    const bool none = m_offsetMHz == QStringLiteral("0");
    if (m_factor == QStringLiteral("1") && !none)
        return below ? Case::LoMinusIf : Case::LoPlusIf;
    if (m_factor == QStringLiteral("-1") && !none && !below)
        return Case::IfMinusLo;
    const bool whole = !m_factor.contains(u'.') && !m_factor.startsWith(u'-');
    if (none && whole && m_factor != QStringLiteral("1"))
        return Case::Prescaler;
    return Case::Other;
}

QString CounterMath::name(Language language) const
{
    if (!isOn())
        return {};
    const auto text = [language](const char *source) {
        return language == Language::User ? tr(source) : QString::fromUtf8(source);
    };
    const QString minus = QStringLiteral("\u2212");
    const Decimal offset = Decimal::of(m_offsetMHz);
    const QString offsetName = frequencyText(offset);
    const QString sign = offset.negative ? minus : QStringLiteral("+");
    switch (commonCase()) {
    case Case::LoMinusIf:
    case Case::LoPlusIf:
        return text(QT_TRANSLATE_NOOP("CounterMath", "LO %1 %2")).arg(sign, offsetName);
    case Case::IfMinusLo:
        return text(QT_TRANSLATE_NOOP("CounterMath", "%1 %2 LO")).arg(offsetName, minus);
    case Case::Prescaler:
        return text(QT_TRANSLATE_NOOP("CounterMath", "\u00F7%1 prescaler")).arg(m_factor);
    case Case::Other:
        break;
    }
    QString factor = m_factor;
    factor.replace(u'-', minus);
    if (offset.isZero())
        return text(QT_TRANSLATE_NOOP("CounterMath", "%1 \u00D7 reading")).arg(factor);
    return text(QT_TRANSLATE_NOOP("CounterMath", "%1 \u00D7 reading %2 %3"))
            .arg(factor, sign, offsetName);
}

CounterMath CounterMath::kept()
{
    const QSettings stored = keptSettings();
    return make(stored.value(QStringLiteral("math/factor")).toString(),
                stored.value(QStringLiteral("math/offset")).toString())
            .value_or(CounterMath());
}

void CounterMath::keep() const
{
    QSettings stored = keptSettings();
    stored.remove(QStringLiteral("math"));
    if (!isOn())
        return;
    stored.setValue(QStringLiteral("math/factor"), factorText());
    stored.setValue(QStringLiteral("math/offset"), offsetText());
}

} // namespace freqcounter
