// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingframer.h"

#include <utility>

namespace freqcounter {

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

void ReadingFramer::restart(bool byLineEnds)
{
    m_pending.clear();
    m_dropping = Drop::ToAnyEnd;
    m_byLineEnds = byLineEnds;
}

QList<ReadingFramer::Completed> ReadingFramer::take(QStringView received, qint64 atMsecs)
{
    QList<Completed> completed;
    qsizetype start = 0;
    while (start < received.size()) {
        qsizetype end = start;
        while (end < received.size() && !isLineEnd(received[end]))
            ++end;

        const QStringView piece = received.sliced(start, end - start);
        if (m_dropping == Drop::None) {
            if (m_pending.size() + piece.size() > kMaxReadingLength) {
                // Nothing this long is a reading; keep memory bounded and
                // wait for the next reading end to find the thread again.
                m_pending.clear();
                m_dropping = m_byLineEnds ? Drop::ToLineEnd : Drop::ToAnyEnd;
            } else {
                if (m_pending.isEmpty() && !piece.isEmpty())
                    m_pendingSince = atMsecs;
                m_pending.append(piece);
            }
        }

        if (end < received.size()) {
            // The counter ends its readings with line ends: from now on
            // only they do.
            m_byLineEnds = true;
            if (std::optional<QString> reading = endReading())
                completed.append({std::move(*reading), received.size() - end - 1});
        }
        start = end + 1;
    }
    return completed;
}

std::optional<QString> ReadingFramer::silence()
{
    if (m_dropping == Drop::ToAnyEnd) {
        m_dropping = Drop::None;
        return std::nullopt;
    }
    if (m_byLineEnds || m_dropping == Drop::ToLineEnd)
        return std::nullopt;
    return endReading();
}

bool ReadingFramer::dropUnfinishedSince(qint64 msecs)
{
    if (!m_byLineEnds || m_pending.isEmpty() || m_pendingSince >= msecs)
        return false;
    m_pending.clear();
    m_dropping = Drop::ToLineEnd;
    return true;
}

std::optional<QString> ReadingFramer::endReading()
{
    if (m_dropping != Drop::None) {
        m_dropping = Drop::None;
        return std::nullopt;
    }
    if (m_pending.isEmpty())
        return std::nullopt;
    return std::exchange(m_pending, QString());
}

} // namespace freqcounter
