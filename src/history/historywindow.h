#pragma once

#include "statistics.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;

namespace freqcounter {

class HistoryChart;
class ReadingHistory;
class Runtime;
class StabilityPlot;

// The history window: the chart of the readings over a chosen span and,
// under it, the figures of the one instrument read since the last port
// switch within that span: the statistics as text that screen readers read,
// and the sigma-tau plot. It saves that instrument's readings for analysis,
// shows what the history holds and never changes it. Its refresh runs
// through the runtime, as the window's handlers do.
class HistoryWindow : public QWidget
{
    Q_OBJECT

public:
    HistoryWindow(const ReadingHistory &history, Runtime &runtime, QWidget *parent = nullptr);

    // New readings have come: redraws soon, at most twice a second.
    void readingsAdded();

    // Redraws and recomputes now.
    void refresh();

    // The readings the figures are of: [first, last) of the history.
    std::pair<qsizetype, qsizetype> figuresRange() const;

    QSize sizeHint() const override { return QWidget::sizeHint().expandedTo({900, 640}); }

    // Refreshes, then writes the figures' readings for analysis under a
    // header of their own figures; false, with the reason in error, when the
    // file could not be written.
    bool saveForAnalysis(const QString &path, QString *error = nullptr);

private:
    void addStatistic(const QString &name, const char *objectName);
    void setStatistic(const char *objectName, const QString &value);
    void chooseAnalysisFile();

    const ReadingHistory &m_history;
    Runtime &m_runtime;
    SpanStatistics m_span;
    Statistics m_figures;
    QComboBox *m_spanChoice = nullptr;
    HistoryChart *m_chart = nullptr;
    QWidget *m_statistics = nullptr;
    StabilityPlot *m_stability = nullptr;
    QTimer *m_refreshTimer = nullptr;
};

} // namespace freqcounter
