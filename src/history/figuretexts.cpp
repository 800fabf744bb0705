// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "figuretexts.h"

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
    return QLocale::c().toString(value, 'f', 7) + QString(WindowDefinition::kUnit);
}

QString hz(double value, int decimals)
{
    return QLocale::c().toString(value, 'f', decimals) + QStringLiteral(" Hz");
}

QString signedNumber(double value, int decimals)
{
    const QString text = QLocale::c().toString(value, 'f', decimals);
    return value >= 0 ? QStringLiteral("+") + text : text;
}

QString seconds(double value)
{
    return QLocale::c().toString(value, 'g', 3) + QStringLiteral(" s");
}

// Each deviation at 1, 10 and 100 times the interval, with its 68.3 %
// bounds and the noise they are for: "9.16e-08 (8.65e-08 to 9.77e-08,
// white FM) at 2 s". A deviation with a unit of its own has it after each
// figure.
QString deviations(const QList<Statistics::Deviation> &list, const Statistics &s,
                   const QString &unit = {})
{
    const double tau0 = s.tau0Seconds.value_or(1);
    const auto number = [&](double v) { return QLocale::c().toString(v, 'e', 2) + unit; };
    QStringList parts;
    for (const Statistics::Deviation &d : list) {
        const long multiple = std::lround(d.tauSeconds / tau0);
        if (multiple != 1 && multiple != 10 && multiple != 100)
            continue;
        parts.append(FigureTexts::tr("%1 (%2 to %3, %4) at %5")
                             .arg(number(d.value), number(d.low), number(d.high),
                                  StabilityConfidence::noiseName(d.noise), seconds(d.tauSeconds)));
    }
    return parts.join(QStringLiteral("; "));
}

// What a row of figures is shown from: the statistics, and whose they are.
struct Shown
{
    const Statistics &s;
    QString instrument;
    std::optional<double> nominalHz;
};

// The History window's figures, one row each: the value's object name, the
// row's name, and its text; a figure there are too few readings for has
// no text.
struct FigureRow
{
    const char *objectName;
    const char *name;
    std::optional<QString> (*text)(const Shown &);
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

const FigureRow kFigureRows[] = {
        {"instrument", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Figures of"),
         [](const Shown &f) { return std::optional(f.instrument); }},
        {"count", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Readings"),
         [](const Shown &f) {
             QString count = QString::number(f.s.count);
             if (f.s.numbers != f.s.count)
                 count += FigureTexts::tr(" (%1 of them numbers)").arg(f.s.numbers);
             return std::optional(count);
         }},
        {"interval", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Interval"),
         [](const Shown &f) { return ifAny(f.s.tau0Seconds, seconds); }},
        {"gaps", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Gaps"),
         [](const Shown &f) {
             if (!f.s.tau0Seconds)
                 return std::optional<QString>();
             return std::optional(f.s.gaps == 0 ? FigureTexts::tr("none")
                                                : QString::number(f.s.gaps));
         }},
        {"mean", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Mean"),
         [](const Shown &f) { return ifAny(f.s.meanMHz, mhz); }},
        {"offsetFromNominal", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Offset from nominal"),
         [](const Shown &f) {
             if (!f.nominalHz)
                 return std::optional(FigureTexts::tr("no nominal set"));
             if (!f.s.meanMHz)
                 return std::optional<QString>();
             // Of the mean, to the 0.1 Hz it is shown with.
             return std::optional(FigureTexts::tr("%1 (mean against %2)")
                                          .arg(Nominal::offsetText(*f.s.meanMHz, 1e-7, *f.nominalHz)
                                                       .simplified(),
                                               Nominal::frequencyText(*f.nominalHz)));
         }},
        {"minimum", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Minimum"),
         [](const Shown &f) { return ifAny(f.s.minMHz, mhz); }},
        {"maximum", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Maximum"),
         [](const Shown &f) { return ifAny(f.s.maxMHz, mhz); }},
        {"peakToPeak", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Peak to peak"),
         [](const Shown &f) { return ifAny(f.s.peakToPeakHz, [](double v) { return hz(v, 1); }); }},
        {"standardDeviation", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Standard deviation"),
         [](const Shown &f) { return ifAny(f.s.stdDevHz, [](double v) { return hz(v, 2); }); }},
        {"drift", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Drift"),
         [](const Shown &f) {
             return ifAny(f.s.driftHzPerMinute, [&](double perMinute) {
                 QString drift = signedNumber(perMinute, 2) + FigureTexts::tr(" Hz per minute");
                 if (f.s.driftPpmPerHour)
                     drift += FigureTexts::tr(", %1 ppm per hour")
                                      .arg(signedNumber(*f.s.driftPpmPerHour, 4));
                 return drift;
             });
         }},
        {"allanDeviation", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Allan deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.allan, f.s)); }},
        {"overlappingAllanDeviation",
         QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Overlapping Allan deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.overlappingAllan, f.s)); }},
        {"modifiedAllanDeviation",
         QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Modified Allan deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.modifiedAllan, f.s)); }},
        {"overlappingHadamardDeviation",
         QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Overlapping Hadamard deviation"),
         [](const Shown &f) { return ifAny(deviations(f.s.overlappingHadamard, f.s)); }},
        {"timeDeviation", QT_TRANSLATE_NOOP("freqcounter::FigureTexts", "Time deviation"),
         [](const Shown &f) {
             return ifAny(deviations(f.s.timeDeviation, f.s, QStringLiteral(" s")));
         }},
};

} // namespace

QList<FigureTexts::Row> FigureTexts::rows()
{
    QList<Row> rows;
    for (const FigureRow &row : kFigureRows)
        rows.append({row.objectName, tr(row.name)});
    return rows;
}

QStringList FigureTexts::texts(const Statistics &figures, const QString &instrument,
                               std::optional<double> nominalHz)
{
    const Shown shown{figures, instrument, nominalHz};
    // A figure that cannot be had says why.
    const QString none = figures.missing ? Statistics::missingText(*figures.missing)
                                         : tr("not enough readings");
    QStringList texts;
    for (const FigureRow &row : kFigureRows)
        texts.append(row.text(shown).value_or(none));
    return texts;
}

QStringList FigureTexts::caption(const QString &of, qint64 firstMsecs, qint64 lastMsecs,
                                 std::optional<double> tau0Seconds, const QStringList &estimators)
{
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    const qint64 total = (lastMsecs - firstMsecs) / 1000;
    QString duration = tr("%1 s").arg(total % 60);
    if (total >= 60)
        duration = tr("%1 min %2").arg(total / 60 % 60).arg(duration);
    if (total >= 3600)
        duration = tr("%1 h %2").arg(total / 3600).arg(duration);
    QString span
            = tr("%1 to %2 (%3)")
                      .arg(QDateTime::fromMSecsSinceEpoch(firstMsecs).toString(format),
                           QDateTime::fromMSecsSinceEpoch(lastMsecs).toString(format), duration);
    if (tau0Seconds)
        span += tr(", \u03C4\u2080 = %1").arg(seconds(*tau0Seconds));
    QStringList lines{of, span};
    if (!estimators.isEmpty()) {
        lines.append(tr("%1, each with its 68.3 % confidence bounds")
                             .arg(estimators.join(QStringLiteral(", "))));
    }
    return lines;
}

} // namespace freqcounter
