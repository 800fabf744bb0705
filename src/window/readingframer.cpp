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

std::optional<QString> ReadingFramer::take(QStringView received)
{
    std::optional<QString> completed;
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

        if (end < received.size())
            endReading(completed);
        start = end + 1;
    }
    return completed;
}

std::optional<QString> ReadingFramer::silence()
{
    std::optional<QString> completed;
    endReading(completed);
    return completed;
}

void ReadingFramer::endReading(std::optional<QString> &completed)
{
    if (m_dropping) {
        m_dropping = false;
        return;
    }
    if (!m_pending.isEmpty())
        completed = std::exchange(m_pending, QString());
}

} // namespace freqcounter
