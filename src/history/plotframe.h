// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetrics>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QString>

class QPainter;

namespace freqcounter {

// The frame every plot of the History window shares: the unit over the
// value axis, labelled ticks and grid lines on both axes, a title under the
// horizontal axis, and the mapping from values to pixels inside it.
class PlotFrame
{
public:
    struct Tick
    {
        double at = 0;
        QString label; // may hold a line break
    };
    struct Axis
    {
        double low = 0;
        double high = 1;
        bool logarithmic = false;
        QList<Tick> ticks;
    };

    // Lays the plot out in the area the painter draws on, in the painter's
    // font, leaving room for the labels; the title under the horizontal axis
    // may be empty.
    PlotFrame(const QPainter &painter, const QRect &area, const QPalette &palette, Axis horizontal,
              Axis vertical, const QString &unit, const QString &horizontalTitle = {});

    // False when the widget is too small to hold a plot.
    bool hasRoom() const { return m_plot.width() >= 2 && m_plot.height() >= 2; }
    const QRect &plot() const { return m_plot; }
    double xOf(double value) const;
    double yOf(double value) const;

    void draw(QPainter &painter) const;

    // Clears an area's background for a new picture.
    static void clear(QPainter &painter, const QRect &area, const QPalette &palette);
    // A picture that is only a sentence, in the middle.
    static void say(QPainter &painter, const QRect &area, const QString &text);

private:
    QRect m_area;
    QPalette m_palette;
    QFontMetrics m_metrics;
    Axis m_horizontal;
    Axis m_vertical;
    QString m_unit;
    QString m_horizontalTitle;
    int m_valueLabelWidth = 0;
    int m_tickLabelHeight = 0;
    QRect m_plot;
};

} // namespace freqcounter
