// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historychart.h"
#include "frequencytext.h"

#include "readinghistory.h"
#include "windowdefinition.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace freqcounter {

HistoryChart::HistoryChart(const ReadingHistory &history, QWidget *parent)
    : PlotWidget(parent)
    , m_history(history)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Chart of the readings over time"));
}

void HistoryChart::setSpan(std::chrono::milliseconds span)
{
    m_span = span;
    update();
}

std::pair<qsizetype, qsizetype> HistoryChart::shownRange() const
{
    if (m_history.isEmpty() || m_span.count() <= 0)
        return {0, m_history.size()};
    const qint64 newest = m_history.at(m_history.size() - 1).msecs;
    return {m_history.lowerBound(newest - m_span.count()), m_history.size()};
}

void HistoryChart::paint(QPainter &painter, const QRect &area) const
{
    painter.setFont(font());
    PlotFrame::clear(painter, area, palette());

    const auto [first, last] = shownRange();
    if (first == last) {
        PlotFrame::say(painter, area, tr("No readings yet"));
        return;
    }

    // The time axis: from the first reading the span holds (so a history
    // shorter than the span fills the width) to the newest, a second at least.
    const qint64 end = m_history.at(last - 1).msecs;
    const qint64 start = std::min(m_history.at(first).msecs, end - 1000);

    // One pass over the readings: each pixel column's extremes, the marks
    // of port switches, and the whole range.
    const ChartScale::Reduction reduction
            = ChartScale::reduce(m_history, first, last, start, end, std::max(1, area.width()));
    if (reduction.all.isEmpty()) {
        PlotFrame::say(painter, area, tr("No reading in this span is a number"));
        return;
    }

    // A time-interval counter's phase, in seconds, has an axis of its own.
    const bool phase = m_history.instrumentOf(last - 1).phase;
    QString unit = tr("MHz");
    const PlotFrame frame(
            painter, area, palette(), timeAxis(start, end),
            phase ? phaseAxis(reduction.all, unit) : valueAxis(withNominal(reduction.all)), unit);
    if (!frame.hasRoom())
        return;
    frame.draw(painter);
    if (!phase)
        drawNominal(painter, frame);
    drawSwitches(painter, frame, reduction.switches);
    drawReadings(painter, frame, reduction, start);
}

PlotFrame::Axis HistoryChart::timeAxis(qint64 start, qint64 end)
{
    // Ticks at round local times, dated under the time where the span
    // crosses midnight.
    PlotFrame::Axis axis{double(start), double(end), false, {}};
    for (const ChartScale::TimeTick &tick : ChartScale::timeTicks(start, end))
        axis.ticks.append({double(tick.msecs), tick.label});
    return axis;
}

PlotFrame::Axis HistoryChart::valueAxis(ChartScale::Column range)
{
    if (range.high - range.low < 1e-6) { // less than a hertz: show a hertz around it
        const double middle = (range.high + range.low) / 2;
        range.low = middle - 0.5e-6;
        range.high = middle + 0.5e-6;
    }
    // Ticks at round values, with as many decimals as the step needs.
    const ChartScale::ValueTicks ticks = ChartScale::valueTicks(range.low, range.high);
    PlotFrame::Axis axis{range.low, range.high, false, {}};
    for (const double v : ticks.values)
        axis.ticks.append({v, screenLocale().toString(v, 'f', ticks.decimals)});
    return axis;
}

PlotFrame::Axis HistoryChart::phaseAxis(ChartScale::Column range, QString &unit)
{
    if (range.high - range.low < 1e-12) { // less than a picosecond: show one around it
        const double middle = (range.high + range.low) / 2;
        range.low = middle - 0.5e-12;
        range.high = middle + 0.5e-12;
    }
    // Ticks at round values of the unit that puts one to three digits
    // before the point of the larger end.
    const double largest = std::max(std::abs(range.low), std::abs(range.high));
    double scale = 1e-12;
    unit = tr("ps");
    for (const auto &[factor, name] : {std::pair{1.0, tr("s")}, std::pair{1e-3, tr("ms")},
                                       std::pair{1e-6, tr("\u00b5s")}, std::pair{1e-9, tr("ns")}}) {
        if (largest >= factor) {
            scale = factor;
            unit = name;
            break;
        }
    }
    const ChartScale::ValueTicks ticks
            = ChartScale::valueTicks(range.low / scale, range.high / scale);
    PlotFrame::Axis axis{range.low, range.high, false, {}};
    for (const double v : ticks.values)
        axis.ticks.append({v * scale, screenLocale().toString(v, 'f', ticks.decimals)});
    return axis;
}

ChartScale::Column HistoryChart::withNominal(ChartScale::Column range) const
{
    // The nominal and its band join the value axis when they lie near the
    // readings; a nominal far off would leave the readings a flat line.
    if (!m_nominalHz)
        return range;
    const double nominal = *m_nominalHz / 1e6;
    const double half = m_halfWidthHz.value_or(0) / 1e6;
    const double near = 10 * std::max(range.high - range.low, 1e-6);
    if (nominal + half < range.low - near || nominal - half > range.high + near)
        return range;
    range.add(nominal - half);
    range.add(nominal + half);
    return range;
}

void HistoryChart::setNominal(std::optional<double> nominalHz, std::optional<double> halfWidthHz)
{
    m_nominalHz = nominalHz;
    m_halfWidthHz = halfWidthHz;
    update();
}

void HistoryChart::drawNominal(QPainter &painter, const PlotFrame &frame) const
{
    // The band shaded, the nominal a line across it; clipped to the plot.
    if (!m_nominalHz)
        return;
    painter.save();
    painter.setClipRect(frame.plot());
    const double nominal = *m_nominalHz / 1e6;
    QColor band = palette().color(QPalette::Highlight);
    band.setAlpha(40);
    if (m_halfWidthHz) {
        const double half = *m_halfWidthHz / 1e6;
        const double top = frame.yOf(nominal + half);
        painter.fillRect(QRectF(frame.plot().left(), top, frame.plot().width(),
                                frame.yOf(nominal - half) - top),
                         band);
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashDotLine));
    const double y = frame.yOf(nominal);
    painter.drawLine(QPointF(frame.plot().left(), y), QPointF(frame.plot().right(), y));
    painter.restore();
}

void HistoryChart::drawSwitches(QPainter &painter, const PlotFrame &frame,
                                const std::vector<ChartScale::PortSwitch> &switches) const
{
    // A dashed line, named after the port switched to.
    const QRect &plot = frame.plot();
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    for (const auto &[msecs, port] : switches) {
        const int x = int(std::lround(frame.xOf(double(msecs))));
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.drawText(x + 3, plot.top() + painter.fontMetrics().ascent(),
                         WindowDefinition::portName(port));
    }
}

void HistoryChart::drawReadings(QPainter &painter, const PlotFrame &frame,
                                const ChartScale::Reduction &reduction, qint64 start) const
{
    // Each column's range, joined to the next column's unless a gap lies
    // between. The columns were cut for the whole width; map them onto the
    // plot.
    const auto xOf = [&](std::size_t column) {
        return frame.xOf(double(start + qint64(double(column) * reduction.msPerColumn)));
    };
    QPainterPath path;
    bool started = false;
    qsizetype drawn = 0;
    for (std::size_t i = 0; i < reduction.columns.size(); ++i) {
        const ChartScale::Column &column = reduction.columns[i];
        if (column.isEmpty())
            continue;
        ++drawn;
        const QPointF low(xOf(i), frame.yOf(column.low));
        const QPointF high(xOf(i), frame.yOf(column.high));
        if (!started || column.gapBefore) {
            path.moveTo(low);
            started = true;
        } else {
            path.lineTo(low);
        }
        if (high != low)
            path.lineTo(high);
    }
    // A one-pixel line, smoothed: a wider one costs the stroker twice the time
    // of the whole rest of the chart, at every refresh.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Link), 1));
    painter.drawPath(path);
    if (drawn * 4 >= frame.plot().width())
        return;
    // Few readings: show each one, as small squares filled in one go (round
    // dots cost a curve each).
    QList<QRectF> dots;
    for (std::size_t i = 0; i < reduction.columns.size(); ++i) {
        if (!reduction.columns[i].isEmpty())
            dots.append(QRectF(xOf(i) - 2, frame.yOf(reduction.columns[i].low) - 2, 4, 4));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Link));
    painter.drawRects(dots);
}

} // namespace freqcounter
