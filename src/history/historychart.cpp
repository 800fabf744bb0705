#include "historychart.h"

#include "readinghistory.h"

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

// A step of 1, 2 or 5 times a power of ten that cuts the range into at most
// about five pieces.
double valueStep(double range)
{
    const double rough = range / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10.0 * power;
}

// A step in seconds that suits a clock: at most about six ticks.
qint64 timeStepSeconds(double spanSeconds)
{
    static constexpr std::array<qint64, 20> kSteps{1,     2,     5,     10,    15,     30,    60,
                                                   120,   300,   600,   900,   1800,   3600,  7200,
                                                   10800, 21600, 43200, 86400, 172800, 604800};
    for (const qint64 step : kSteps) {
        if (spanSeconds / double(step) <= 6.0)
            return step;
    }
    return kSteps.back();
}

struct Column
{
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    bool isEmpty() const { return low > high; }
};

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
    std::vector<Column> columns(static_cast<std::size_t>(provisionalWidth));
    std::vector<std::pair<qint64, qint16>> switches;
    Column all;
    const double msPerColumn = double(end - start) / double(std::max(1, provisionalWidth - 1));
    for (qsizetype i = first; i < last; ++i) {
        const Sample &sample = m_history.at(i);
        if (sample.portChanged)
            switches.emplace_back(sample.msecs, sample.port);
        if (std::isnan(sample.mhz))
            continue;
        const auto at = std::clamp<qsizetype>(qsizetype(double(sample.msecs - start) / msPerColumn),
                                              0, provisionalWidth - 1);
        Column &column = columns[std::size_t(at)];
        column.low = std::min(column.low, sample.mhz);
        column.high = std::max(column.high, sample.mhz);
        all.low = std::min(all.low, sample.mhz);
        all.high = std::max(all.high, sample.mhz);
    }
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
    const double step = valueStep(all.high - all.low);
    const int decimals = std::max(0, int(-std::floor(std::log10(step))));
    const QLocale c = QLocale::c();
    QList<double> values;
    int labelWidth = 0;
    for (double v = std::ceil(all.low / step) * step; v <= all.high + step * 1e-9; v += step) {
        values.append(v);
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(c.toString(v, 'f', decimals)));
    }

    const QRect plot
            = rect().adjusted(labelWidth + kGap + kTickLength, metrics.height() + kGap,
                              -kGap - metrics.horizontalAdvance(QStringLiteral("00:00")) / 2,
                              -(metrics.height() + kGap + kTickLength));
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
    for (const double v : std::as_const(values)) {
        const int y = int(std::lround(yOf(v)));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(plot.left() - kTickLength, y, plot.left(), y);
        painter.drawText(QRect(0, y - metrics.height() / 2, labelWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, c.toString(v, 'f', decimals));
    }

    // The time axis: ticks at round local times.
    const qint64 stepSeconds = timeStepSeconds(double(end - start) / 1000.0);
    const QString format = stepSeconds < 60 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");
    const qint64 offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(start).offsetFromUtc()) * 1000;
    const qint64 stepMs = stepSeconds * 1000;
    qint64 tick = ((start + offsetMs + stepMs - 1) / stepMs) * stepMs - offsetMs;
    for (; tick <= end; tick += stepMs) {
        const int x = int(std::lround(xOf(tick)));
        painter.setPen(grid);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + kTickLength);
        const QString label = QDateTime::fromMSecsSinceEpoch(tick).toString(format);
        const int w = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x - w / 2, plot.bottom() + kTickLength, w, metrics.height()),
                         Qt::AlignCenter, label);
    }
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    // Port switches: a dashed line, named after the port switched to.
    QPen dashed(palette().color(QPalette::Highlight), 1, Qt::DashLine);
    for (const auto &[msecs, port] : switches) {
        const int x = int(std::lround(xOf(msecs)));
        painter.setPen(dashed);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.drawText(x + 3, plot.top() + metrics.ascent(), tr("Com%1").arg(port));
    }

    // The readings: each column's range, joined to the next column's. The
    // columns were cut for the whole width; map them onto the plot.
    QPainterPath path;
    bool started = false;
    qsizetype drawn = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column &column = columns[i];
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
    // of the whole rest of the chart, four times a second.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Link), 1));
    painter.drawPath(path);
    if (drawn * 4 < plot.width()) { // few readings: show each one
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(palette().color(QPalette::Link));
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (!columns[i].isEmpty())
                painter.drawEllipse(
                        QPointF(xOf(start + qint64(double(i) * msPerColumn)), yOf(columns[i].low)),
                        2, 2);
        }
    }
}

} // namespace freqcounter
