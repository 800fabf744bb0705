// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QPainter;

namespace freqcounter {

// A plot of the History window that draws itself through one function onto
// any paint device: the screen in its paint event, or a picture saved. It
// draws what it was given and works nothing out.
class PlotWidget : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The whole plot in area, in the widget's font and colours.
    virtual void paint(QPainter &painter, const QRect &area) const = 0;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace freqcounter
