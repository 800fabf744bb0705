// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotframe.h"
#include "plotwidget.h"
#include "statistics.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <optional>
#include <utility>

namespace freqcounter {

// The sigma-tau plot: the stability figures of the fractional frequency (the
// time deviation in seconds) against the averaging time, both axes
// logarithmic, each estimator a curve of its own with the bars of its 68.3 %
// bounds and its name in the legend, which says too when the drift was
// taken out of the readings first. Other recordings' figures can be laid
// beside its own, each recording in a colour and a line of its own and each
// curve named in the legend by its recording; its context menu hides, shows
// or removes them. Which estimators are drawn is the user's choice, in its
// context menu; a curve with no points is absent. It draws the figures it is
// given and computes none.
class StabilityPlot : public PlotWidget
{
    Q_OBJECT

public:
    enum class Marker { Circle, Square, Triangle, Diamond, TriangleDown, Cross, Plus };

    // An estimator the plot can draw: one row per list of Statistics.
    struct Curve
    {
        const char *key; // its name in the settings and its action's objectName
        QString name;
        QColor colour;
        Marker marker;
        QList<Statistics::Deviation> Statistics::*points;
    };
    static const QList<Curve> &curves();

    // Every curve drawn until the user chooses otherwise.
    explicit StabilityPlot(QWidget *parent = nullptr);

    // Takes which curves are drawn from the last run, and keeps each choice
    // for the next.
    void useKeptChoice();

    // Its own figures, named so in the legend while others are compared
    // with them.
    void setFigures(const Statistics &figures, const QString &name = {});

    // Another recording's figures, drawn after those compared before.
    void compare(const QString &name, const Statistics &figures);
    // The names of the recordings compared, in the order they came; or of
    // those shown alone.
    QStringList compared(bool shownOnly = false) const;
    void setComparedShown(qsizetype index, bool shown);
    void removeCompared(qsizetype index);

    // The names of the estimators drawn that have points, in the table's
    // order.
    QStringList shownNames() const;
    // The curves' names, a curve drawn each: the estimator's, and while
    // recordings are compared whose curve it is. The legend gives them, a
    // line each; where they would not fit, as with many recordings on a
    // small plot, it names each recording by its line and each estimator by
    // its marker instead.
    QStringList legendLines() const;

    void paint(QPainter &painter, const QRect &area) const override;

    QSize sizeHint() const override { return {320, 240}; }
    QSize minimumSizeHint() const override { return {200, 150}; }

Q_SIGNALS:
    // A recording was compared, shown, hidden or removed.
    void comparedChanged();

private:
    // A recording compared with its own figures, and its context menu's
    // entry.
    struct Compared
    {
        QString name;
        Statistics figures;
        QAction *entry = nullptr;
        QAction *shown = nullptr;
    };
    // One curve drawn: an estimator of one recording's figures, as it looks.
    struct Drawn
    {
        const Statistics *figures = nullptr;
        const Curve *curve = nullptr;
        QString label;
        QColor colour;
        Qt::PenStyle style = Qt::SolidLine;
        QString recording; // its name, while recordings are compared
    };
    // A line of the legend: a marker, or a stretch of a recording's line,
    // and its text.
    struct Entry
    {
        QString text;
        QColor colour;
        std::optional<Marker> marker;
        Qt::PenStyle style = Qt::NoPen;
    };
    static QList<Entry> legend(const QList<Drawn> &curves, const QFontMetrics &metrics,
                               const PlotFrame &frame, const QPalette &palette);
    // The curves drawn that have points, its own first, each recording's in
    // the table's order.
    QList<Drawn> drawnCurves() const;
    static std::optional<std::pair<PlotFrame::Axis, PlotFrame::Axis>>
    decades(const QList<Drawn> &curves);
    static void drawCurve(QPainter &painter, const PlotFrame &frame, const Drawn &curve);
    static void drawMarker(QPainter &painter, QPointF at, Marker marker);
    static void drawLegend(QPainter &painter, const PlotFrame &frame, const QPalette &palette,
                           const QList<Entry> &entries, const QString &note);

    Statistics m_figures;
    QString m_name;
    QList<Compared> m_compared;
    QList<QAction *> m_choices; // one a curve, in the table's order
    QAction *m_comparedSeparator = nullptr;
    bool m_keepsChoice = false;
};

} // namespace freqcounter
