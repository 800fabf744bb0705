// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordingfigures.h"
#include "statistics.h"

#include <QDialog>

#include <array>
#include <atomic>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace freqcounter {

class Runtime;

// The three-cornered hat of three recordings chosen by the user, of
// oscillators' pairs A−B, B−C and C−A: read on a thread of their own, with
// Cancel, then each oscillator's own deviation shown at each τ with its
// bounds, or its upper limit. It keeps the three pairs' figures, so that
// another deviation is shown without reading them again.
class ThreeCorneredHatDialog : public QDialog
{
    Q_OBJECT

public:
    // The figures are worked out as these options say, the history window's.
    ThreeCorneredHatDialog(Runtime &runtime, const StatisticsOptions &options,
                           QWidget *parent = nullptr);
    // Stops the reading, if one runs.
    ~ThreeCorneredHatDialog() override;

    // The recordings of the pairs A−B, B−C and C−A, as if chosen.
    void setPaths(const std::array<QString, 3> &paths);
    // Reads the chosen recordings on another thread; workedOut() when done.
    void workOut();
    bool isWorking() const { return m_thread != nullptr; }

Q_SIGNALS:
    // The reading ended: the table shows what it gave, the note what was
    // left out or went wrong.
    void workedOut();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void choose(std::size_t pair);
    void stop();
    void read();
    void showRows();
    void setWorking(bool working);

    Runtime &m_runtime;
    StatisticsOptions m_options;
    std::array<QLineEdit *, 3> m_paths{};
    QComboBox *m_statistic = nullptr;
    QPushButton *m_workOut = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_busy = nullptr;
    QLabel *m_note = nullptr;
    QTableWidget *m_table = nullptr;
    QThread *m_thread = nullptr;
    std::atomic<bool> m_stop = false;
    // Written by the thread only while it runs, read here only after.
    std::optional<std::array<RecordingFigures, 3>> m_running;
    QStringList m_runningNotes;
    std::optional<std::array<RecordingFigures, 3>> m_pairs;
    // Which reading a finished thread is of, so that one cancelled and
    // followed by another is not taken for it.
    quint64 m_runs = 0;
};

} // namespace freqcounter
