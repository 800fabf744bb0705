// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace freqcounter {

// The History window's figures as text, a row each, worked out without a
// widget: whose they are, the count, the interval, the gaps, the mean and
// the offset from the nominal, the extremes, the spread, the drift a day
// with its uncertainty, the ageing, whether the drift is taken out of the
// deviations, and each deviation at 1, 10 and 100 tau0 with its bounds and
// noise. A figure there are too few readings for, or none at all, says why;
// a slow one not yet worked out says that it is being.
class FigureTexts
{
    Q_DECLARE_TR_FUNCTIONS(FigureTexts)

public:
    struct Row
    {
        const char *objectName; // of the label that shows it
        QString name;
    };

    // What the figures are of, and how far they are worked out.
    struct Context
    {
        QString instrument; // whose they are
        std::optional<double> nominalHz;
        // The slow figures (SlowFigures) are still being worked out.
        bool working = false;
        // The logarithmic ageing was asked for, of readings this long from
        // the first to the last.
        bool ageing = false;
        double spanSeconds = 0;
    };

    static QList<Row> rows();
    // The rows' texts, in the same order.
    static QStringList texts(const Statistics &figures, const Context &context);
    // The rows' longer explanations, for a tooltip and a screen reader, in
    // the same order; empty where a row has none.
    static QStringList details(const Statistics &figures, const Context &context);

    // The caption of a plot saved as a picture: what it is of (a recording's
    // name), the first and last time stamp of its readings (milliseconds
    // since the epoch, shown in local time) with the time between and the
    // interval, and the estimators drawn, when there are any, with their
    // bounds and whether the linear drift was taken out first.
    static QStringList caption(const QString &of, qint64 firstMsecs, qint64 lastMsecs,
                               std::optional<double> tau0Seconds, const QStringList &estimators,
                               bool driftRemoved = false);

    // A recording (or an instrument) and the span of its readings, as the
    // caption has them.
    struct Spanned
    {
        QString of;
        qint64 firstMsecs = 0;
        qint64 lastMsecs = 0;
        std::optional<double> tau0Seconds;
    };
    // What the sigma-tau plot's legend names a recording's curves by when
    // several are compared: its name and its first and last time stamp, the
    // last without its date when it is the first's.
    static QString legendName(const Spanned &recording);
    // The caption of a plot comparing recordings: their names, then each
    // one's span as caption() has it, then the estimators as caption() has
    // them.
    static QStringList comparisonCaption(const QList<Spanned> &recordings,
                                         const QStringList &estimators, bool driftRemoved = false);

private:
    static QString span(qint64 firstMsecs, qint64 lastMsecs, std::optional<double> tau0Seconds);
    static QString estimatorsLine(const QStringList &estimators, bool driftRemoved);
};

} // namespace freqcounter
