#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;

namespace freqcounter {

class HistoryChart;
class ReadingHistory;

// The history window: the chart of the readings over a chosen span and,
// under it, the statistics of that span as text that screen readers read.
// It shows what the history holds and never changes it.
class HistoryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HistoryWindow(const ReadingHistory &history, QWidget *parent = nullptr);

    // New readings have come: redraws soon, at most a few times a second.
    void readingsAdded();

    // Redraws and recomputes now.
    void refresh();

private:
    void addStatistic(const QString &name, const char *objectName);
    void setStatistic(const char *objectName, const QString &value);

    const ReadingHistory &m_history;
    QComboBox *m_spanChoice = nullptr;
    HistoryChart *m_chart = nullptr;
    QWidget *m_statistics = nullptr;
    QTimer *m_refreshTimer = nullptr;
};

} // namespace freqcounter
