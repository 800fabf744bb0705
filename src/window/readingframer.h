#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace freqcounter {

// Turns the text the counter sends, one read at a time, into whole readings.
// A reading ends at CR or LF (a run of them is one end) or at a poll that
// finds nothing waiting; line ends are never part of a reading. It knows
// nothing of ports or widgets.
class ReadingFramer
{
public:
    // Longer than any reading a counter sends; a longer run is dropped whole.
    static constexpr qsizetype kMaxReadingLength = 1024;

    // The line has just been opened and may have come in halfway through a
    // reading: everything up to the next reading end is dropped.
    void restart();

    // The text of one read. Returns the newest reading it completed, if any.
    std::optional<QString> take(QStringView received);

    // A poll found nothing waiting: ends a reading that has no line end.
    std::optional<QString> silence();

    qsizetype pendingLength() const { return m_pending.size(); }

private:
    void endReading(std::optional<QString> &completed);

    QString m_pending;
    bool m_dropping = true;
};

} // namespace freqcounter
