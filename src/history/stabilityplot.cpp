#include "stabilityplot.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace freqcounter {

namespace {

constexpr int kGap = 4;
constexpr int kTickLength = 4;

QString powerOfTen(int exponent)
{
    return QStringLiteral("1e%1").arg(exponent);
}

} // namespace

StabilityPlot::StabilityPlot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Sigma-tau plot of the overlapping and modified Allan deviation"));
}

void StabilityPlot::setFigures(const QList<Statistics::Deviation> &overlapping,
                               const QList<Statistics::Deviation> &modified)
{
    m_overlapping = overlapping;
    m_modified = modified;
    update();
}

void StabilityPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics = fontMetrics();

    // The decades the points and their error bars reach; a point of zero
    // deviation has no place on a logarithmic axis.
    double lowTau = HUGE_VAL, highTau = 0, low = HUGE_VAL, high = 0;
    for (const auto *series : {&m_overlapping, &m_modified}) {
        for (const Statistics::Deviation &d : *series) {
            if (!(d.value > 0) || !(d.tauSeconds > 0))
                continue;
            lowTau = std::min(lowTau, d.tauSeconds);
            highTau = std::max(highTau, d.tauSeconds);
            low = std::min(low, std::max(d.value - d.error, d.value / 10));
            high = std::max(high, d.value + d.error);
        }
    }
    if (highTau == 0) {
        painter.drawText(rect(), Qt::AlignCenter, tr("Not enough readings for a sigma-tau plot"));
        return;
    }
    const int firstTau = int(std::floor(std::log10(lowTau)));
    const int lastTau = std::max(firstTau + 1, int(std::ceil(std::log10(highTau))));
    const int firstDecade = int(std::floor(std::log10(low)));
    const int lastDecade = std::max(firstDecade + 1, int(std::ceil(std::log10(high))));

    int labelWidth = 0;
    for (int e = firstDecade; e <= lastDecade; ++e)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(powerOfTen(e)));
    const QRect plot = rect().adjusted(labelWidth + kGap + kTickLength, metrics.height() + kGap,
                                       -kGap - metrics.horizontalAdvance(powerOfTen(lastTau)) / 2,
                                       -(2 * metrics.height() + kGap + kTickLength));
    if (plot.width() < 2 || plot.height() < 2)
        return;
    const auto xOf = [&](double tau) {
        return plot.left()
                + (std::log10(tau) - firstTau) * (plot.width() - 1) / double(lastTau - firstTau);
    };
    const auto yOf = [&](double value) {
        return plot.bottom()
                - (std::log10(value) - firstDecade) * (plot.height() - 1)
                / double(lastDecade - firstDecade);
    };

    painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("\u03C3(\u03C4)"));
    const QColor grid = palette().color(QPalette::Mid);
    for (int e = firstDecade; e <= lastDecade; ++e) {
        const int y = int(std::lround(yOf(std::pow(10.0, e))));
        painter.setPen(grid);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(0, y - metrics.height() / 2, labelWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, powerOfTen(e));
    }
    for (int e = firstTau; e <= lastTau; ++e) {
        const int x = int(std::lround(xOf(std::pow(10.0, e))));
        painter.setPen(grid);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(palette().color(QPalette::Text));
        const QString label = powerOfTen(e);
        const int w = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x - w / 2, plot.bottom() + kTickLength, w, metrics.height()),
                         Qt::AlignCenter, label);
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + kTickLength + metrics.height(),
                           plot.width(), metrics.height()),
                     Qt::AlignCenter, tr("\u03C4 in seconds"));
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    // Each series: its points joined, each with its error bar.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot);
    const auto draw = [&](const QList<Statistics::Deviation> &series, const QColor &colour,
                          bool squares) {
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        QPointF previous;
        bool started = false;
        for (const Statistics::Deviation &d : series) {
            if (!(d.value > 0))
                continue;
            const QPointF at(xOf(d.tauSeconds), yOf(d.value));
            if (started)
                painter.drawLine(previous, at);
            const double bottom = d.value - d.error > 0 ? yOf(d.value - d.error) : plot.bottom();
            painter.drawLine(QPointF(at.x(), yOf(d.value + d.error)), QPointF(at.x(), bottom));
            if (squares)
                painter.drawRect(QRectF(at.x() - 2.5, at.y() - 2.5, 5, 5));
            else
                painter.drawEllipse(at, 2.5, 2.5);
            previous = at;
            started = true;
        }
    };
    const QColor overlapping = palette().color(QPalette::Link);
    const QColor modified = palette().color(QPalette::Highlight).darker(130);
    draw(m_overlapping, overlapping, false);
    draw(m_modified, modified, true);

    // The legend, above the plot on the right.
    painter.setClipping(false);
    int right = width() - kGap;
    for (const auto &[name, colour] :
         {std::pair{tr("modified"), modified}, std::pair{tr("overlapping"), overlapping}}) {
        const int w = metrics.horizontalAdvance(name);
        painter.setPen(colour);
        painter.drawText(QRect(right - w, 0, w, metrics.height()), Qt::AlignCenter, name);
        right -= w + 3 * kGap;
    }
}

} // namespace freqcounter
