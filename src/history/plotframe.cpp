// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotframe.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace freqcounter {

namespace {

constexpr int kTickLength = 4;
constexpr int kGap = 5;

double scaled(double value, bool logarithmic)
{
    return logarithmic ? std::log10(value) : value;
}

} // namespace

PlotFrame::PlotFrame(const QPainter &painter, const QRect &area, const QPalette &palette,
                     Axis horizontal, Axis vertical, const QString &unit,
                     const QString &horizontalTitle)
    : m_area(area)
    , m_palette(palette)
    , m_metrics(painter.fontMetrics())
    , m_horizontal(std::move(horizontal))
    , m_vertical(std::move(vertical))
    , m_unit(unit)
    , m_horizontalTitle(horizontalTitle)
{
    const QFontMetrics &metrics = m_metrics;
    for (const Tick &tick : m_vertical.ticks)
        m_valueLabelWidth = std::max(m_valueLabelWidth, metrics.horizontalAdvance(tick.label));
    int lines = 1;
    int halfLabel = 0;
    for (const Tick &tick : m_horizontal.ticks) {
        lines = std::max(lines, int(tick.label.count(u'\n')) + 1);
        for (const QStringView line : QStringView(tick.label).split(u'\n'))
            halfLabel = std::max(halfLabel, metrics.horizontalAdvance(line.toString()) / 2);
    }
    m_tickLabelHeight = lines * metrics.height();
    const int below = m_tickLabelHeight + (m_horizontalTitle.isEmpty() ? 0 : metrics.height());
    m_plot = area.adjusted(m_valueLabelWidth + kGap + kTickLength, metrics.height() + kGap,
                           -kGap - halfLabel, -(below + kGap + kTickLength));
}

double PlotFrame::xOf(double value) const
{
    const double low = scaled(m_horizontal.low, m_horizontal.logarithmic);
    const double high = scaled(m_horizontal.high, m_horizontal.logarithmic);
    return m_plot.left()
            + (scaled(value, m_horizontal.logarithmic) - low) * (m_plot.width() - 1) / (high - low);
}

double PlotFrame::yOf(double value) const
{
    const double low = scaled(m_vertical.low, m_vertical.logarithmic);
    const double high = scaled(m_vertical.high, m_vertical.logarithmic);
    return m_plot.bottom()
            - (scaled(value, m_vertical.logarithmic) - low) * (m_plot.height() - 1) / (high - low);
}

void PlotFrame::draw(QPainter &painter) const
{
    const QFontMetrics &metrics = m_metrics;
    const int width = m_area.width();
    const QColor grid = m_palette.color(QPalette::Mid);
    const QColor text = m_palette.color(QPalette::Text);

    painter.setPen(text);
    painter.drawText(QRect(m_area.left(), m_area.top(), width, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_unit);
    for (const Tick &tick : m_vertical.ticks) {
        const int y = int(std::lround(yOf(tick.at)));
        painter.setPen(grid);
        painter.drawLine(m_plot.left(), y, m_plot.right(), y);
        painter.setPen(text);
        painter.drawLine(m_plot.left() - kTickLength, y, m_plot.left(), y);
        painter.drawText(
                QRect(m_area.left(), y - metrics.height() / 2, m_valueLabelWidth, metrics.height()),
                Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    for (const Tick &tick : m_horizontal.ticks) {
        const int x = int(std::lround(xOf(tick.at)));
        painter.setPen(grid);
        painter.drawLine(x, m_plot.top(), x, m_plot.bottom());
        painter.setPen(text);
        painter.drawLine(x, m_plot.bottom(), x, m_plot.bottom() + kTickLength);
        const QRect room(x - width / 2, m_plot.bottom() + kTickLength, width, m_tickLabelHeight);
        painter.drawText(room, Qt::AlignHCenter | Qt::AlignTop, tick.label);
    }
    if (!m_horizontalTitle.isEmpty()) {
        painter.drawText(QRect(m_plot.left(), m_plot.bottom() + kTickLength + m_tickLabelHeight,
                               m_plot.width(), metrics.height()),
                         Qt::AlignCenter, m_horizontalTitle);
    }
    painter.drawRect(m_plot.adjusted(0, 0, -1, -1));
}

void PlotFrame::clear(QPainter &painter, const QRect &area, const QPalette &palette)
{
    painter.fillRect(area, palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Text));
}

void PlotFrame::say(QPainter &painter, const QRect &area, const QString &text)
{
    painter.drawText(area, Qt::AlignCenter, text);
}

} // namespace freqcounter
