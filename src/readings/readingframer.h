// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <QList>

#include <optional>

namespace freqcounter {

// Turns the text the counter sends, one read at a time, into whole readings.
// A reading ends at CR or LF (a run of them is one end) or at a poll that
// finds nothing waiting; line ends are never part of a reading. It knows
// nothing of ports or widgets.
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
    // reading: everything up to the next reading end is dropped.
    void restart();

    // The text of one read. Returns every reading it completed, oldest first.
    QList<Completed> take(QStringView received);

    // A poll found nothing waiting: ends a reading that has no line end.
    std::optional<QString> silence();

    qsizetype pendingLength() const { return m_pending.size(); }

private:
    std::optional<QString> endReading();

    QString m_pending;
    bool m_dropping = true;
};

} // namespace freqcounter
