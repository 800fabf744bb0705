#include "displayfit.h"

#include <QFontMetrics>

#include <cmath>

namespace freqcounter {

namespace {

constexpr qreal kSmallestPoints = 4.0;
constexpr qreal kStep = 0.25;

int advanceOf(const QFont &font, const QString &text, QPaintDevice *device)
{
    return QFontMetrics(font, device).horizontalAdvance(text);
}

} // namespace

QFont fontFittingWidth(const QFont &nominal, const QString &text, int width, QPaintDevice *device)
{
    const int nominalAdvance = advanceOf(nominal, text, device);
    if (nominalAdvance <= width || nominalAdvance == 0)
        return nominal;

    // Text width grows almost in proportion to the size; start from that
    // estimate and step down past the rounding of hinted glyphs.
    const qreal estimate = nominal.pointSizeF() * width / nominalAdvance;
    qreal points = std::floor(estimate / kStep) * kStep;
    QFont font = nominal;
    for (; points > kSmallestPoints; points -= kStep) {
        font.setPointSizeF(points);
        if (advanceOf(font, text, device) <= width)
            return font;
    }
    font.setPointSizeF(kSmallestPoints);
    return font;
}

} // namespace freqcounter
