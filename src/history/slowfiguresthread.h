// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QObject>

#include <atomic>

class QThread;

namespace freqcounter {

// Works out a span's slow figures on a thread of its own, one computation at
// a time, and hands the result back on the thread it lives in. It knows
// neither whose the figures are nor where they are shown.
class SlowFiguresThread : public QObject
{
    Q_OBJECT

public:
    explicit SlowFiguresThread(QObject *parent = nullptr);
    // Stops the computation running, if any.
    ~SlowFiguresThread() override;

    bool isRunning() const { return m_thread != nullptr; }
    // Starts working out these; false, starting nothing, while one runs.
    bool start(SlowFigures figures);
    // Ends the computation running early and waits for its thread; its
    // result is dropped.
    void stop();
    // The figures of the computation that finished last.
    const SlowFigures::Figures &result() const { return m_result; }

Q_SIGNALS:
    // A computation ran to its end: result() has its figures.
    void finished();

private:
    void end();

    QThread *m_thread = nullptr;
    std::atomic<bool> m_stop = false;
    // Written by the thread only while it runs, read here only after.
    SlowFigures::Figures m_running;
    SlowFigures::Figures m_result;
    // Which computation a finished signal is of, so that one stopped and
    // followed by another is not taken for it.
    quint64 m_runs = 0;
};

} // namespace freqcounter
