// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotframe.h"
#include "plotwidget.h"
#include "statistics.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

namespace freqcounter {

// The sigma-tau plot: the stability figures of the fractional frequency (the
// time deviation in seconds) against the averaging time, both axes
// logarithmic, each estimator a curve of its own with the bars of its 68.3 %
// bounds and its name in the legend, which says too when the drift was
// taken out of the readings first. Which curves are drawn is the user's
// choice, in its context menu; a curve with no points is absent. It draws
// the figures it is given and computes none.
class StabilityPlot : public PlotWidget
{
    Q_OBJECT

public:
    enum class Marker { Circle, Square, Triangle, Diamond, TriangleDown, Cross, Plus };

    // An estimator the plot can draw: one row per list of Statistics.
    struct Curve
    {
        const char *key; // its name in the settings and its action's objectName
        QString name;
        QColor colour;
        Marker marker;
        QList<Statistics::Deviation> Statistics::*points;
    };
    static const QList<Curve> &curves();

    // Every curve drawn until the user chooses otherwise.
    explicit StabilityPlot(QWidget *parent = nullptr);

    // Takes which curves are drawn from the last run, and keeps each choice
    // for the next.
    void useKeptChoice();

    void setFigures(const Statistics &figures);

    // The names of the curves drawn that have points, in the table's order.
    QStringList shownNames() const;

    void paint(QPainter &painter, const QRect &area) const override;

    QSize sizeHint() const override { return {320, 240}; }
    QSize minimumSizeHint() const override { return {200, 150}; }

private:
    // The curves drawn that have points.
    QList<const Curve *> shownCurves() const;
    std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>>
    decades(const QList<const Curve *> &curves) const;
    void drawCurve(QPainter &painter, const PlotFrame &frame, const Curve &curve) const;
    static void drawMarker(QPainter &painter, QPointF at, Marker marker);
    static void drawLegend(QPainter &painter, const PlotFrame &frame, const QPalette &palette,
                           const QList<const Curve *> &curves, const QString &note);

    Statistics m_figures;
    QList<QAction *> m_choices; // one a curve, in the table's order
    bool m_keepsChoice = false;
};

} // namespace freqcounter
