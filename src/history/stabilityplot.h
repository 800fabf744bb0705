#pragma once

#include "statistics.h"

#include <QWidget>

namespace freqcounter {

// The sigma-tau plot: the overlapping and the modified Allan deviation of
// the fractional frequency against the averaging time, both axes
// logarithmic, each point with its error bar. It draws the figures it is
// given and computes none.
class StabilityPlot : public QWidget
{
    Q_OBJECT

public:
    explicit StabilityPlot(QWidget *parent = nullptr);

    void setFigures(const QList<Statistics::Deviation> &overlapping,
                    const QList<Statistics::Deviation> &modified);

    QSize sizeHint() const override { return {320, 240}; }
    QSize minimumSizeHint() const override { return {200, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Statistics::Deviation> m_overlapping;
    QList<Statistics::Deviation> m_modified;
};

} // namespace freqcounter
