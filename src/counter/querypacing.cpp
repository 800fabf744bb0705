// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "querypacing.h"

namespace freqcounter {

QueryPacing::QueryPacing(std::chrono::milliseconds answerTime)
    : m_answerTime(answerTime)
{}

bool QueryPacing::askNow(qint64 nowMsecs)
{
    if (m_awaiting) {
        if (nowMsecs - m_askedAt < m_answerTime.count())
            return false;
        ++m_missed;
    }
    m_awaiting = true;
    m_askedAt = nowMsecs;
    return true;
}

void QueryPacing::answered()
{
    m_awaiting = false;
    m_missed = 0;
}

} // namespace freqcounter
