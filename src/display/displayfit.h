// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QPaintDevice;

namespace freqcounter {

// The font a text is drawn in so that it fits a width: the nominal font when
// it fits, otherwise the largest smaller point size (in quarter points) that
// does, down to a floor below which nothing is legible anyway.
QFont fontFittingWidth(const QFont &nominal, const QString &text, int width, QPaintDevice *device);

// Whether a text in a font fits a box, its whole line height included.
bool fitsIn(const QFont &font, const QString &text, QSize box, QPaintDevice *device);

// The font of that family in which a text fills a box: the largest point
// size (in quarter points) at which it still fits.
QFont fontFillingBox(const QFont &family, const QString &text, QSize box, QPaintDevice *device);

} // namespace freqcounter
