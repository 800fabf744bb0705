// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "slowfiguresthread.h"

#include <QThread>

#include <utility>

namespace freqcounter {

SlowFiguresThread::SlowFiguresThread(QObject *parent)
    : QObject(parent)
{}

SlowFiguresThread::~SlowFiguresThread()
{
    stop();
}

bool SlowFiguresThread::start(SlowFigures figures)
{
    if (m_thread)
        return false;
    m_stop = false;
    const quint64 run = ++m_runs;
    m_thread = QThread::create(
            [this, figures = std::move(figures)] { m_running = figures.compute(&m_stop); });
    // Emitted on the thread as it ends; handled here, on this object's.
    connect(m_thread, &QThread::finished, this, [this, run] {
        if (run != m_runs || !m_thread)
            return;
        end();
        m_result = std::exchange(m_running, {});
        Q_EMIT finished();
    });
    m_thread->start(QThread::LowPriority);
    return true;
}

void SlowFiguresThread::stop()
{
    if (!m_thread)
        return;
    m_stop = true;
    end();
    m_running = {};
}

void SlowFiguresThread::end()
{
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
}

} // namespace freqcounter
