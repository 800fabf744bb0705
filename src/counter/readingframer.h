// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace freqcounter {

// Turns the text the counter sends, one read at a time, into whole readings.
// A reading ends at CR or LF (a run of them is one end); line ends are never
// part of a reading. Until a counter has ended a reading with a line end, a
// poll that finds nothing waiting ends one too; from its first line end on,
// and from the start where it is framed by line ends only, a reading ends
// only at its line end, and one that stays unfinished is dropped when told
// so. It knows nothing of ports, clocks or widgets.
class ReadingFramer
{
public:
    struct Completed
    {
        QString text;
        // How many characters of the same read followed its line end: how
        // long before the read it was completed.
        qsizetype charactersAfter = 0;
    };

    // Longer than any reading a counter sends; a longer run is dropped whole.
    static constexpr qsizetype kMaxReadingLength = 1024;

    // The line has just been opened and may have come in halfway through a
    // reading: everything up to the next reading end is dropped. With
    // byLineEnds, only line ends end readings from the start.
    void restart(bool byLineEnds = false);

    // The text of one read, and when it was read (on any clock that
    // unfinished() is asked with). Returns every reading it completed,
    // oldest first.
    QList<Completed> take(QStringView received, qint64 atMsecs = 0);

    // A poll found nothing waiting: ends a reading while readings are not
    // framed by line ends, and in any case whatever was being dropped.
    std::optional<QString> silence();

    // Drops the reading begun before the time given that has no end yet,
    // and what follows up to its line end; whether there was one.
    bool dropUnfinishedSince(qint64 msecs);

    // Whether only line ends end readings now.
    bool byLineEnds() const { return m_byLineEnds; }
    qsizetype pendingLength() const { return m_pending.size(); }

private:
    // What is being dropped: nothing, everything up to the next reading end
    // of any kind, or everything up to the next line end.
    enum class Drop { None, ToAnyEnd, ToLineEnd };

    std::optional<QString> endReading();

    QString m_pending;
    Drop m_dropping = Drop::ToAnyEnd;
    bool m_byLineEnds = false;
    qint64 m_pendingSince = 0; // when its first character came
};

} // namespace freqcounter
