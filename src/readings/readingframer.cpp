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

void ReadingFramer::restart()
{
    m_pending.clear();
    m_dropping = true;
}

QList<ReadingFramer::Completed> ReadingFramer::take(QStringView received)
{
    QList<Completed> completed;
    qsizetype start = 0;
    while (start < received.size()) {
        qsizetype end = start;
        while (end < received.size() && !isLineEnd(received[end]))
            ++end;

        const QStringView piece = received.sliced(start, end - start);
        if (!m_dropping) {
            if (m_pending.size() + piece.size() > kMaxReadingLength) {
                // Nothing this long is a reading; keep memory bounded and
                // wait for the next reading end to find the thread again.
                m_pending.clear();
                m_dropping = true;
            } else {
                m_pending.append(piece);
            }
        }

        if (end < received.size()) {
            if (std::optional<QString> reading = endReading())
                completed.append({std::move(*reading), received.size() - end - 1});
        }
        start = end + 1;
    }
    return completed;
}

std::optional<QString> ReadingFramer::silence()
{
    return endReading();
}

std::optional<QString> ReadingFramer::endReading()
{
    if (m_dropping) {
        m_dropping = false;
        return std::nullopt;
    }
    if (m_pending.isEmpty())
        return std::nullopt;
    return std::exchange(m_pending, QString());
}

} // namespace freqcounter
