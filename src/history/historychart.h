// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chartscale.h"
#include "plotframe.h"
#include "plotwidget.h"

#include <chrono>
#include <optional>

namespace freqcounter {

class ReadingHistory;

// Draws the readings of a time span ending at the newest one as one line,
// MHz against local time, with readable ticks on both axes and a mark where
// the port was switched. It reduces the readings to the lowest and highest
// of each pixel column, so a full history draws as fast as a short one.
// Readings that are not numbers are not drawn.
class HistoryChart : public PlotWidget
{
    Q_OBJECT

public:
    explicit HistoryChart(const ReadingHistory &history, QWidget *parent = nullptr);

    // The span shown, ending at the newest reading; zero for everything.
    void setSpan(std::chrono::milliseconds span);
    std::chrono::milliseconds span() const { return m_span; }

    // The nominal frequency and the tolerance's half-width, in Hz, drawn as
    // a line and a band; nothing for none.
    void setNominal(std::optional<double> nominalHz, std::optional<double> halfWidthHz);

    // The readings the span holds: [first, last).
    std::pair<qsizetype, qsizetype> shownRange() const;

    QSize sizeHint() const override { return {640, 300}; }
    QSize minimumSizeHint() const override { return {240, 140}; }

    void paint(QPainter &painter, const QRect &area) const override;

private:
    static PlotFrame::Axis timeAxis(qint64 start, qint64 end);
    static PlotFrame::Axis valueAxis(ChartScale::Column range);
    // Of phases in seconds; unit is given the unit its labels are in.
    static PlotFrame::Axis phaseAxis(ChartScale::Column range, QString &unit);
    ChartScale::Column withNominal(ChartScale::Column range) const;
    void drawNominal(QPainter &painter, const PlotFrame &frame) const;
    void drawSwitches(QPainter &painter, const PlotFrame &frame,
                      const std::vector<ChartScale::PortSwitch> &switches) const;
    void drawReadings(QPainter &painter, const PlotFrame &frame,
                      const ChartScale::Reduction &reduction, qint64 start) const;

    const ReadingHistory &m_history;
    std::chrono::milliseconds m_span{0};
    std::optional<double> m_nominalHz;
    std::optional<double> m_halfWidthHz;
};

} // namespace freqcounter
