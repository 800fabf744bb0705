// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotwidget.h"

#include <QPainter>

namespace freqcounter {

void PlotWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paint(painter, rect());
}

} // namespace freqcounter
