// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "displayfit.h"

#include <QFontMetrics>

#include <algorithm>
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

bool fitsIn(const QFont &font, const QString &text, QSize box, QPaintDevice *device)
{
    const QFontMetrics metrics(font, device);
    return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

QFont fontFillingBox(const QFont &family, const QString &text, QSize box, QPaintDevice *device)
{
    // Width and height grow almost in proportion to the size: measure once
    // at a reference size, then step down past the rounding of hinting.
    constexpr qreal kReference = 100.0;
    QFont font = family;
    font.setPointSizeF(kReference);
    const QFontMetrics metrics(font, device);
    const int advance = std::max(1, metrics.horizontalAdvance(text));
    const int height = std::max(1, metrics.height());
    const qreal estimate
            = kReference * std::min(qreal(box.width()) / advance, qreal(box.height()) / height);
    for (qreal points = std::floor(estimate / kStep) * kStep; points > kSmallestPoints;
         points -= kStep) {
        font.setPointSizeF(points);
        if (fitsIn(font, text, box, device))
            return font;
    }
    font.setPointSizeF(kSmallestPoints);
    return font;
}

} // namespace freqcounter
