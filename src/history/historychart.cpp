#include "historychart.h"

#include "chartscale.h"
#include "readinghistory.h"
#include "windowdefinition.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace freqcounter {

namespace {

constexpr int kTickLength = 4;
constexpr int kGap = 6;

} // namespace

HistoryChart::HistoryChart(const ReadingHistory &history, QWidget *parent)
    : QWidget(parent)
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

void HistoryChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics = fontMetrics();

    const auto [first, last] = shownRange();
    if (first == last) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No readings yet"));
        return;
    }

    // The time axis: from the first reading the span holds (so a history
    // shorter than the span fills the width) to the newest, a second at least.
    const qint64 end = m_history.at(last - 1).msecs;
    const qint64 start = std::min(m_history.at(first).msecs, end - 1000);

    // One pass over the readings: each pixel column's extremes, the marks
    // of port switches, and the whole range.
    const int provisionalWidth = std::max(1, width());
    ChartScale::Reduction reduction
            = ChartScale::reduce(m_history, first, last, start, end, provisionalWidth);
    const std::vector<ChartScale::Column> &columns = reduction.columns;
    ChartScale::Column all = reduction.all;
    const double msPerColumn = reduction.msPerColumn;
    if (all.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No reading in this span is a number"));
        return;
    }
    if (all.high - all.low < 1e-6) { // less than a hertz: show a hertz around it
        const double middle = (all.high + all.low) / 2;
        all.low = middle - 0.5e-6;
        all.high = middle + 0.5e-6;
    }

    // The value axis: ticks at round values, with as many decimals as the
    // step needs.
    const ChartScale::ValueTicks valueTicks = ChartScale::valueTicks(all.low, all.high);
    const QLocale c = QLocale::c();
    int labelWidth = 0;
    for (const double v : valueTicks.values)
        labelWidth = std::max(labelWidth,
                              metrics.horizontalAdvance(c.toString(v, 'f', valueTicks.decimals)));

    // The time axis: ticks at round local times, dated under the time where
    // the span crosses midnight.
    const QList<ChartScale::TimeTick> timeTicks = ChartScale::timeTicks(start, end);
    const bool dated
            = std::any_of(timeTicks.cbegin(), timeTicks.cend(),
                          [](const ChartScale::TimeTick &t) { return t.label.contains(u'\n'); });
    const int timeLabelHeight = metrics.height() * (dated ? 2 : 1);

    const QRect plot
            = rect().adjusted(labelWidth + kGap + kTickLength, metrics.height() + kGap,
                              -kGap - metrics.horizontalAdvance(QStringLiteral("00:00")) / 2,
                              -(timeLabelHeight + kGap + kTickLength));
    if (plot.width() < 2 || plot.height() < 2)
        return;
    const auto xOf = [&](qint64 msecs) {
        return plot.left() + double(msecs - start) * double(plot.width() - 1) / double(end - start);
    };
    const auto yOf = [&](double mhz) {
        return plot.bottom() - (mhz - all.low) * double(plot.height() - 1) / (all.high - all.low);
    };

    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("MHz"));
    QColor grid = palette().color(QPalette::Mid);
    for (const double v : valueTicks.values) {
        const int y = int(std::lround(yOf(v)));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(plot.left() - kTickLength, y, plot.left(), y);
        painter.drawText(QRect(0, y - metrics.height() / 2, labelWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         c.toString(v, 'f', valueTicks.decimals));
    }
    for (const ChartScale::TimeTick &tick : timeTicks) {
        const int x = int(std::lround(xOf(tick.msecs)));
        painter.setPen(grid);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + kTickLength);
        const QRect room(x - width() / 2, plot.bottom() + kTickLength, width(), timeLabelHeight);
        painter.drawText(room, Qt::AlignHCenter | Qt::AlignTop, tick.label);
    }
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    // Port switches: a dashed line, named after the port switched to.
    QPen dashed(palette().color(QPalette::Highlight), 1, Qt::DashLine);
    for (const auto &[msecs, port] : reduction.switches) {
        const int x = int(std::lround(xOf(msecs)));
        painter.setPen(dashed);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.drawText(x + 3, plot.top() + metrics.ascent(), WindowDefinition::portName(port));
    }

    // The readings: each column's range, joined to the next column's. The
    // columns were cut for the whole width; map them onto the plot.
    QPainterPath path;
    bool started = false;
    qsizetype drawn = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ChartScale::Column &column = columns[i];
        if (column.isEmpty())
            continue;
        ++drawn;
        const double x = xOf(start + qint64(double(i) * msPerColumn));
        const QPointF low(x, yOf(column.low));
        const QPointF high(x, yOf(column.high));
        if (!started) {
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
    if (drawn * 4 < plot.width()) { // few readings: show each one
        // As small squares, filled in one go: round dots cost a curve each.
        QList<QRectF> dots;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (!columns[i].isEmpty())
                dots.append(QRectF(xOf(start + qint64(double(i) * msPerColumn)) - 2,
                                   yOf(columns[i].low) - 2, 4, 4));
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Link));
        painter.drawRects(dots);
    }
}

} // namespace freqcounter
