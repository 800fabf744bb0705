// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilityplot.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace freqcounter {

namespace {

constexpr int kGap = 4;

} // namespace

StabilityPlot::StabilityPlot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Sigma-tau plot of the overlapping and modified Allan deviation, the "
                         "overlapping Hadamard deviation and the time deviation"));
}

void StabilityPlot::setFigures(const Statistics &figures)
{
    m_overlapping = figures.overlappingAllan;
    m_modified = figures.modifiedAllan;
    m_hadamard = figures.overlappingHadamard;
    m_time = figures.timeDeviation;
    update();
}

void StabilityPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PlotFrame::clear(painter, *this);

    const std::array<Series, 4> series{
            Series{tr("OADEV"), palette().color(QPalette::Link), false, &m_overlapping},
            Series{tr("MDEV"), palette().color(QPalette::Highlight).darker(130), true, &m_modified},
            Series{tr("OHDEV"), QColor(0xd9, 0x5f, 0x02), false, &m_hadamard},
            Series{tr("TDEV (s)"), QColor(0x75, 0x70, 0xb3), true, &m_time}};
    const std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>> axes = decades(series);
    if (!axes) {
        PlotFrame::say(painter, *this, tr("Not enough readings for a sigma-tau plot"));
        return;
    }
    const PlotFrame frame(*this, axes->first, axes->second, tr("\u03C3(\u03C4)"),
                          tr("\u03C4 in seconds"));
    if (!frame.hasRoom())
        return;
    frame.draw(painter);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(frame.plot());
    for (const Series &s : series)
        drawSeries(painter, frame, s);
    painter.setClipping(false);
    drawLegend(painter, series);
}

std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>>
StabilityPlot::decades(std::span<const Series> series)
{
    // The decades the points and their error bars reach; a point of zero
    // deviation has no place on a logarithmic axis.
    double lowTau = HUGE_VAL, highTau = 0, low = HUGE_VAL, high = 0;
    for (const Series &s : series) {
        for (const Statistics::Deviation &d : *s.points) {
            if (!(d.value > 0) || !(d.tauSeconds > 0))
                continue;
            lowTau = std::min(lowTau, d.tauSeconds);
            highTau = std::max(highTau, d.tauSeconds);
            low = std::min(low, std::max(d.low, d.value / 10));
            high = std::max(high, d.high);
        }
    }
    if (highTau == 0)
        return std::nullopt;
    const auto axis = [](double from, double to) {
        const int first = int(std::floor(std::log10(from)));
        const int last = std::max(first + 1, int(std::ceil(std::log10(to))));
        PlotFrame::Axis a{std::pow(10.0, first), std::pow(10.0, last), true, {}};
        for (int e = first; e <= last; ++e)
            a.ticks.append({std::pow(10.0, e), QStringLiteral("1e%1").arg(e)});
        return a;
    };
    return std::pair{axis(lowTau, highTau), axis(low, high)};
}

void StabilityPlot::drawSeries(QPainter &painter, const PlotFrame &frame, const Series &series)
{
    // The points joined, each with the bar of its 68.3 % bounds.
    painter.setPen(QPen(series.colour, 1));
    painter.setBrush(series.colour);
    QPointF previous;
    bool started = false;
    for (const Statistics::Deviation &d : *series.points) {
        if (!(d.value > 0))
            continue;
        const QPointF at(frame.xOf(d.tauSeconds), frame.yOf(d.value));
        if (started)
            painter.drawLine(previous, at);
        const double bottom = d.low > 0 ? frame.yOf(d.low) : frame.plot().bottom();
        painter.drawLine(QPointF(at.x(), frame.yOf(d.high)), QPointF(at.x(), bottom));
        if (series.squares)
            painter.drawRect(QRectF(at.x() - 2.5, at.y() - 2.5, 5, 5));
        else
            painter.drawEllipse(at, 2.5, 2.5);
        previous = at;
        started = true;
    }
}

void StabilityPlot::drawLegend(QPainter &painter, std::span<const Series> series) const
{
    // Above the plot on the right, in the order of the series.
    const QFontMetrics metrics = fontMetrics();
    int total = 0;
    for (const Series &s : series)
        total += metrics.horizontalAdvance(s.name) + 3 * kGap;
    int left = width() - total;
    for (const Series &s : series) {
        const int w = metrics.horizontalAdvance(s.name);
        painter.setPen(s.colour);
        painter.drawText(QRect(left, 0, w, metrics.height()), Qt::AlignCenter, s.name);
        left += w + 3 * kGap;
    }
}

} // namespace freqcounter
