// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotframe.h"
#include "statistics.h"

#include <QColor>
#include <QWidget>

#include <optional>
#include <span>

namespace freqcounter {

// The sigma-tau plot: the overlapping and the modified Allan deviation and
// the overlapping Hadamard deviation of the fractional frequency, and the
// time deviation in seconds, against the averaging time, both axes
// logarithmic, each point with the bar of its 68.3 % bounds. It draws the figures it is
// given and computes none.
class StabilityPlot : public QWidget
{
    Q_OBJECT

public:
    explicit StabilityPlot(QWidget *parent = nullptr);

    void setFigures(const Statistics &figures);

    QSize sizeHint() const override { return {320, 240}; }
    QSize minimumSizeHint() const override { return {200, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Series
    {
        QString name;
        QColor colour;
        bool squares = false;
        const QList<Statistics::Deviation> *points = nullptr;
    };
    static std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>>
    decades(std::span<const Series> series);
    static void drawSeries(QPainter &painter, const PlotFrame &frame, const Series &series);
    void drawLegend(QPainter &painter, std::span<const Series> series) const;

    QList<Statistics::Deviation> m_overlapping;
    QList<Statistics::Deviation> m_modified;
    QList<Statistics::Deviation> m_hadamard;
    QList<Statistics::Deviation> m_time;
};

} // namespace freqcounter
