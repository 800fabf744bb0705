// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuretexts.h"
#include "frequencytext.h"

#include "nominal.h"
#include "stabilityconfidence.h"
#include "windowdefinition.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace freqcounter {

namespace {

QString mhz(double value)
{
    return screenLocale().toString(value, 'f', 7) + QString(WindowDefinition::kUnit);
}

QString hz(double value, int decimals)
{
    return screenLocale().toString(value, 'f', decimals) + QStringLiteral(" Hz");
}

// A phase or its spread, in the unit that puts one to three digits before
// the point: "123.4568 ns".
QString phaseText(double value)
{
    double scale = 1e-12;
    QString unit = QStringLiteral(" ps");
    for (const auto &[factor, name] : {std::pair{1.0, u" s"}, std::pair{1e-3, u" ms"},
                                       std::pair{1e-6, u" \u00b5s"}, std::pair{1e-9, u" ns"}}) {
        if (std::abs(value) >= factor) {
            scale = factor;
            unit = QString::fromUtf16(name);
            break;
        }
    }
    return screenLocale().toString(value / scale, 'g', 7) + unit;
}

QString seconds(double value)
{
    return screenLocale().toString(value, 'g', 3) + QStringLiteral(" s");
}

// Each deviation nearest 1, 10 and 100 times the interval (TheoBR's fall
// between), with its 68.3 % bounds and the noise they are for: "9.16e-08
// (8.65e-08 to 9.77e-08, white FM) at 2 s". A deviation with a unit of its
// own has it after each figure.
QString deviations(const QList<Statistics::Deviation> &list, const Statistics &s,
                   const QString &unit = {})
{
    const double tau0 = s.tau0Seconds.value_or(1);
    const auto number = [&](double v) { return screenLocale().toString(v, 'e', 2) + unit; };
    // Farther than this factor from a multiple, a deviation is not of it.
    constexpr double kNearest = 1.6;
    QStringList parts;
    for (const double multiple : {1.0, 10.0, 100.0}) {
        const Statistics::Deviation *nearest = nullptr;
        double distance = std::log(kNearest);
        for (const Statistics::Deviation &d : list) {
            const double away = std::abs(std::log(d.tauSeconds / (multiple * tau0)));
            if (away < distance) {
                distance = away;
                nearest = &d;
            }
        }
        if (!nearest)
            continue;
        const Statistics::Deviation &d = *nearest;
        parts.append(FigureTexts::tr("%1 (%2 to %3, %4) at %5")
                             .arg(number(d.value), number(d.low), number(d.high),
                                  StabilityConfidence::noiseName(d.noise), seconds(d.tauSeconds)));
    }
    return parts.join(QStringLiteral("; "));
}

// The power of ten in superscript digits: "·10⁻⁹"; nothing for 10⁰.
QString timesTenTo(int exponent)
{
    if (exponent == 0)
        return {};
    static const char16_t digits[]
            = u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
    QString text = QStringLiteral("\u00B710");
    if (exponent < 0)
        text += QChar(u'\u207B');
    const QString number = QString::number(std::abs(exponent));
    for (const QChar digit : number)
        text += QChar(digits[digit.digitValue()]);
    return text;
}

// The exponent of ten that shows value with one digit before the point
// once rounded to two after it.
int exponentOf(double value)
{
    value = std::abs(value);
    if (!(value > 0) || !std::isfinite(value))
        return 0;
    int exponent = int(std::floor(std::log10(value)));
    if (std::round(value / std::pow(10.0, exponent) * 100) >= 1000)
        ++exponent;
    return exponent;
}

// A signed number with two decimals in the locale's digits; one that rounds
// to zero is "+0.00".
QString signedFixed(double value)
{
    const double rounded = std::round(value * 100) / 100;
    const QString text = screenLocale().toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
    return rounded < 0 ? text : QStringLiteral("+") + text;
}

// A value and its uncertainty to the power of ten of the larger:
// "(+1.23 ± 0.45)·10⁻⁹".
QString withUncertainty(double value, double uncertainty)
{
    const int exponent = exponentOf(std::max(std::abs(value), uncertainty));
    const double scale = std::pow(10.0, -exponent);
    return QStringLiteral("(%1 \u00B1 %2)")
                   .arg(signedFixed(value * scale),
                        screenLocale().toString(uncertainty * scale, 'f', 2))
            + timesTenTo(exponent);
}

// "+1.23·10⁻¹⁰".
QString signedPower(double value)
{
    const int exponent = exponentOf(value);
    return signedFixed(value * std::pow(10.0, -exponent)) + timesTenTo(exponent);
}

// What a row of figures is shown from: the statistics, and what they are of.
struct Shown
{
    const Statistics &s;
    const FigureTexts::Context &c;
};

// The History window's figures, one row each: the value's object name, the
// row's name, its text, and the longer explanation of some; a figure there
// are too few readings for has no text.
struct FigureRow
{
    const char *objectName;
    const char *name;
    std::optional<QString> (*text)(const Shown &);
    QString (*detail)(const Shown &) = nullptr;
};

template<typename T, typename F>
std::optional<QString> ifAny(const std::optional<T> &value, F format)
{
    return value ? std::optional(format(*value)) : std::nullopt;
}

std::optional<QString> ifAny(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional(text);
}

// A slow figure's text, or while it is worked out, that it is.
std::optional<QString> slow(const Shown &f, std::optional<QString> text)
{
    if (!text && f.c.working && !f.s.missing)
        return FigureTexts::tr("working out\u2026");
    return text;
}

constexpr double kSecondsPerDay = 86400;

std::optional<QString> ageingText(const Shown &f)
{
    if (!f.c.ageing)
        return FigureTexts::tr("not fitted");
    if (f.s.missing)
        return std::nullopt;
    if (f.c.spanSeconds < kSecondsPerDay)
        return FigureTexts::tr("needs a day of readings");
    if (f.s.ageing)
        return FigureTexts::tr("%1 a day").arg(signedPower(f.s.ageing->perDayAtEnd));
    if (f.c.working)
        return FigureTexts::tr("working out\u2026");
    return FigureTexts::tr("none: the readings are not log-shaped");
}

QString driftDetail(const Shown &f)
{
    if (!f.s.drift)
        return {};
    return FigureTexts::tr("Of the straight line through the readings, with its 68 % standard "
                           "uncertainty for %1: %2")
            .arg(StabilityConfidence::noiseName(f.s.drift->noise), f.s.drift->method);
}

const FigureRow kFigureRows[] = {
        {"instrument", QT_TRANSLATE_NOOP("FigureTexts", "Figures of"),
         [](const Shown &f) { return std::optional(f.c.instrument); }},
        {"count", QT_TRANSLATE_NOOP("FigureTexts", "Readings"),
         [](const Shown &f) {
             QString count = QString::number(f.s.count);
             if (f.s.numbers != f.s.count)
                 count += FigureTexts::tr(" (%1 of them numbers)").arg(f.s.numbers);
             return std::optional(count);
         }},
        {"interval", QT_TRANSLATE_NOOP("FigureTexts", "Interval"),
         [](const Shown &f) { return ifAny(f.s.tau0Seconds, seconds); }},
        {"gaps", QT_TRANSLATE_NOOP("FigureTexts", "Gaps"),
         [](const Shown &f) {
             if (!f.s.tau0Seconds)
                 return std::optional<QString>();
             return std::optional(f.s.gaps == 0 ? FigureTexts::tr("none")
                                                : QString::number(f.s.gaps));
         }},
        {"mean", QT_TRANSLATE_NOOP("FigureTexts", "Mean"),
         [](const Shown &f) {
             if (f.s.phase)
                 return std::optional(phaseText(f.s.phase->meanSeconds));
             return ifAny(f.s.meanMHz, mhz);
         }},
        {"offsetFromNominal", QT_TRANSLATE_NOOP("FigureTexts", "Offset from nominal"),
         [](const Shown &f) {
             // Of time intervals, the offset from the reference: the
             // phase's slope.
             if (f.s.phase) {
                 return ifAny(f.s.phase->frequencyOffset, [](double offset) {
                     return FigureTexts::tr("%1 (%2 parts in 10\u00b9\u00b2) from the "
                                            "reference, the phase's slope")
                             .arg(screenLocale().toString(offset, 'e', 3),
                                  screenLocale().toString(offset * 1e12, 'f', 3));
                 });
             }
             if (!f.c.nominalHz)
                 return std::optional(FigureTexts::tr("no nominal set"));
             if (!f.s.meanMHz)
                 return std::optional<QString>();
             // Of the mean, to the 0.1 Hz it is shown with.
             return std::optional(
                     FigureTexts::tr("%1 (mean against %2)")
                             .arg(Nominal::offsetText(*f.s.meanMHz, 1e-7, *f.c.nominalHz)
                                          .simplified(),
                                  Nominal::frequencyText(*f.c.nominalHz)));
         }},
        {"minimum", QT_TRANSLATE_NOOP("FigureTexts", "Minimum"),
         [](const Shown &f) {
             if (f.s.phase)
                 return std::optional(phaseText(f.s.phase->minSeconds));
             return ifAny(f.s.minMHz, mhz);
         }},
        {"maximum", QT_TRANSLATE_NOOP("FigureTexts", "Maximum"),
         [](const Shown &f) {
             if (f.s.phase)
                 return std::optional(phaseText(f.s.phase->maxSeconds));
             return ifAny(f.s.maxMHz, mhz);
         }},
        {"peakToPeak", QT_TRANSLATE_NOOP("FigureTexts", "Peak to peak"),
         [](const Shown &f) {
             if (f.s.phase)
                 return std::optional(phaseText(f.s.phase->peakToPeakSeconds));
             return ifAny(f.s.peakToPeakHz, [](double v) { return hz(v, 1); });
         }},
        {"standardDeviation", QT_TRANSLATE_NOOP("FigureTexts", "Standard deviation"),
         [](const Shown &f) {
             if (f.s.phase)
                 return ifAny(f.s.phase->stdDevSeconds, phaseText);
             return ifAny(f.s.stdDevHz, [](double v) { return hz(v, 2); });
         }},
        {"drift", QT_TRANSLATE_NOOP("FigureTexts", "Drift"),
         [](const Shown &f) {
             return slow(f, ifAny(f.s.drift, [](const Statistics::Drift &d) {
                             return FigureTexts::tr("%1 a day")
                                     .arg(withUncertainty(d.perDay, d.perDayUncertainty));
                         }));
         },
         driftDetail},
        {"driftHz", QT_TRANSLATE_NOOP("FigureTexts", "Drift in hertz"),
         [](const Shown &f) {
             if (f.s.phase)
                 return std::optional(FigureTexts::tr("none: the readings are time intervals"));
             return slow(f, ifAny(f.s.drift, [](const Statistics::Drift &d) {
                             return FigureTexts::tr("%1 Hz a day")
                                     .arg(withUncertainty(d.hzPerDay, d.hzPerDayUncertainty));
                         }));
         },
         driftDetail},
        {"ageing", QT_TRANSLATE_NOOP("FigureTexts", "Ageing at the end"), ageingText,
         [](const Shown &f) {
             if (!f.s.ageing)
                 return QString();
             const QLocale locale = screenLocale();
             return FigureTexts::tr("The fit f(t) = a ln(b t + 1) + c, t in days from the first "
                                    "reading: a = %1, b = %2 a day; the readings lie %3 (rms) "
                                    "from it")
                     .arg(locale.toString(f.s.ageing->a, 'e', 3),
                          locale.toString(f.s.ageing->bPerDay, 'e', 3),
                          locale.toString(f.s.ageing->residualRms, 'e', 2));
         }},
        {"deviationsOf", QT_TRANSLATE_NOOP("FigureTexts", "Deviations"),
         [](const Shown &f) {
             return std::optional(f.s.driftRemoved
                                          ? FigureTexts::tr("with the linear drift removed")
                                          : FigureTexts::tr("of the readings as read"));
         }},
        {"allanDeviation", QT_TRANSLATE_NOOP("FigureTexts", "Allan deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.allan, f.s)); }},
        {"overlappingAllanDeviation",
         QT_TRANSLATE_NOOP("FigureTexts", "Overlapping Allan deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.overlappingAllan, f.s)); }},
        {"modifiedAllanDeviation", QT_TRANSLATE_NOOP("FigureTexts", "Modified Allan deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.modifiedAllan, f.s)); }},
        {"overlappingHadamardDeviation",
         QT_TRANSLATE_NOOP("FigureTexts", "Overlapping Hadamard deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.overlappingHadamard, f.s)); }},
        {"timeDeviation", QT_TRANSLATE_NOOP("FigureTexts", "Time deviation"),
         [](const Shown &f) {
             return ifAny(deviations(f.s.timeDeviation, f.s, QStringLiteral(" s")));
         }},
        {"totalDeviation", QT_TRANSLATE_NOOP("FigureTexts", "Total deviation"),
         [](const Shown &f) { return slow(f, ifAny(deviations(f.s.totalDeviation, f.s))); }},
        {"modifiedTotalDeviation", QT_TRANSLATE_NOOP("FigureTexts", "Modified total deviation"),
         [](const Shown &f) { return slow(f, ifAny(deviations(f.s.modifiedTotal, f.s))); }},
        {"theoBR", QT_TRANSLATE_NOOP("FigureTexts", "TheoBR"),
         [](const Shown &f) { return slow(f, ifAny(deviations(f.s.theoBR, f.s))); }},
};

} // namespace

QList<FigureTexts::Row> FigureTexts::rows()
{
    QList<Row> rows;
    for (const FigureRow &row : kFigureRows)
        rows.append({row.objectName, tr(row.name)});
    return rows;
}

QStringList FigureTexts::texts(const Statistics &figures, const Context &context)
{
    const Shown shown{figures, context};
    // A figure that cannot be had says why.
    const QString none = figures.missing ? Statistics::missingText(*figures.missing)
                                         : tr("not enough readings");
    QStringList texts;
    for (const FigureRow &row : kFigureRows)
        texts.append(row.text(shown).value_or(none));
    return texts;
}

QStringList FigureTexts::details(const Statistics &figures, const Context &context)
{
    const Shown shown{figures, context};
    QStringList details;
    for (const FigureRow &row : kFigureRows)
        details.append(row.detail ? row.detail(shown) : QString());
    return details;
}

namespace {

// A time stamp as a caption shows it, in local time.
QString stamp(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

QString FigureTexts::span(qint64 firstMsecs, qint64 lastMsecs, std::optional<double> tau0Seconds)
{
    const qint64 total = (lastMsecs - firstMsecs) / 1000;
    QString duration = tr("%1 s").arg(total % 60);
    if (total >= 60)
        duration = tr("%1 min %2").arg(total / 60 % 60).arg(duration);
    if (total >= 3600)
        duration = tr("%1 h %2").arg(total / 3600).arg(duration);
    QString span = tr("%1 to %2 (%3)").arg(stamp(firstMsecs), stamp(lastMsecs), duration);
    if (tau0Seconds)
        span += tr(", \u03C4\u2080 = %1").arg(seconds(*tau0Seconds));
    return span;
}

QString FigureTexts::estimatorsLine(const QStringList &estimators, bool driftRemoved)
{
    return driftRemoved ? tr("%1, each with its 68.3 % confidence bounds, of the readings "
                             "with the linear drift removed")
                                  .arg(estimators.join(QStringLiteral(", ")))
                        : tr("%1, each with its 68.3 % confidence bounds")
                                  .arg(estimators.join(QStringLiteral(", ")));
}

QStringList FigureTexts::caption(const QString &of, qint64 firstMsecs, qint64 lastMsecs,
                                 std::optional<double> tau0Seconds, const QStringList &estimators,
                                 bool driftRemoved)
{
    QStringList lines{of, span(firstMsecs, lastMsecs, tau0Seconds)};
    if (!estimators.isEmpty())
        lines.append(estimatorsLine(estimators, driftRemoved));
    return lines;
}

QString FigureTexts::legendName(const Spanned &recording)
{
    // The date once when both are of the same day.
    const QDateTime first = QDateTime::fromMSecsSinceEpoch(recording.firstMsecs);
    const QDateTime last = QDateTime::fromMSecsSinceEpoch(recording.lastMsecs);
    return tr("%1, %2 to %3")
            .arg(recording.of, stamp(recording.firstMsecs),
                 first.date() == last.date() ? last.toString(QStringLiteral("HH:mm:ss"))
                                             : stamp(recording.lastMsecs));
}

QStringList FigureTexts::comparisonCaption(const QList<Spanned> &recordings,
                                           const QStringList &estimators, bool driftRemoved)
{
    QStringList names;
    for (const Spanned &recording : recordings)
        names.append(recording.of);
    QStringList lines{tr("%1 compared").arg(names.join(QStringLiteral(", ")))};
    for (const Spanned &recording : recordings) {
        lines.append(tr("%1: %2").arg(
                recording.of,
                span(recording.firstMsecs, recording.lastMsecs, recording.tau0Seconds)));
    }
    if (!estimators.isEmpty())
        lines.append(estimatorsLine(estimators, driftRemoved));
    return lines;
}

} // namespace freqcounter
