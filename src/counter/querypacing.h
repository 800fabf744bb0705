// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <chrono>

namespace freqcounter {

// When to ask a counter that answers only when asked: at a poll, once its
// last answer is in, or once an answer has been awaited longer than it may
// take. Ten questions in a row without an answer make the counter silent,
// until it answers again.
class QueryPacing
{
public:
    static constexpr int kSilentAfter = 10;

    explicit QueryPacing(std::chrono::milliseconds answerTime);

    // At a poll: whether to ask now. An unanswered question that has had its
    // time counts as missed.
    bool askNow(qint64 nowMsecs);
    // A whole answer came, whatever it says.
    void answered();

    int missedInARow() const { return m_missed; }
    bool silent() const { return m_missed >= kSilentAfter; }

private:
    std::chrono::milliseconds m_answerTime;
    bool m_awaiting = false;
    qint64 m_askedAt = 0;
    int m_missed = 0;
};

} // namespace freqcounter
