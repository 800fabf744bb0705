// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countermath.h"
#include "countersettings.h"
#include "querypacing.h"
#include "readingframer.h"
#include "receivedreading.h"
#include "steadyclock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <chrono>
#include <memory>
#include <optional>

namespace freqcounter {

// Where a counter's times come from: the wall clock, which the recording
// keeps, and a clock that never steps back, which times the history.
// Replaceable, so that a test can move time.
class CounterClock
{
public:
    virtual ~CounterClock() = default;
    virtual QDateTime wallNow() const { return QDateTime::currentDateTime(); }
    virtual qint64 steadyNowMsecs() const { return m_steady.nowMsecs(); }

private:
    SteadyClock m_steady;
};

// Reads a counter from what its line delivers: frames whole readings as the
// counter ends them, asks a counter that must be asked once its last answer
// is in, takes the counter's unit and applies the counter math, and times
// each reading by when its line end came. It knows no port, no line and no
// widget: whoever holds the line hands it what each poll found, sends what
// it says to send, and shows or keeps the readings it gives.
class Counter
{
    Q_DECLARE_TR_FUNCTIONS(Counter)

public:
    // What the counter is told of its line at each opening.
    struct Line
    {
        qint16 port = 1;
        QString device;
        CounterSettings settings{};
        // How long one character takes on the line: readings that arrive
        // together are spaced by it. None on the network, where they did
        // come together.
        std::chrono::microseconds characterTime{0};
        // A network link hands a line over in pieces, with pauses between:
        // then only line ends end readings, from the start.
        bool inPieces = false;
    };

    // What one poll gave.
    struct Polled
    {
        QList<ReceivedReading> readings; // whole readings, oldest first
        QByteArray send; // for the counter now; empty for nothing
        QString notice; // to be said once: readings are being dropped
    };

    // How long a reading of a counter that talks by itself may stay
    // unfinished once it is framed by line ends; an asked counter's may take
    // its answer time.
    static constexpr std::chrono::milliseconds kUnfinishedTime{2000};
    // Stands for a character the line received in error.
    static constexpr QChar kReceivedInError{0xFFFD};

    explicit Counter(std::unique_ptr<CounterClock> clock = std::make_unique<CounterClock>());

    // The line has just been opened, and may have come in halfway through
    // a reading. Returns what to send first: the setup; empty for nothing.
    QByteArray opened(const Line &line);

    // One poll: what the line delivered, a character per byte received and
    // kReceivedInError for one received in error; nothing when nothing
    // waited.
    Polled poll(const std::optional<QString> &received);

    const CounterMath &math() const { return m_math; }
    void setMath(const CounterMath &math) { m_math = math; }

    // A counter that must be asked has left many questions in a row
    // unanswered.
    bool silent() const { return m_pacing && m_pacing->silent(); }
    // Readings dropped since the line was opened: left unfinished past
    // their time, or holding a character received in error.
    qsizetype unfinished() const { return m_unfinished; }
    qsizetype receivedInError() const { return m_inError; }

private:
    void expectEcho(const QByteArray &sent);
    bool isEcho(QStringView line);
    std::optional<ReceivedReading> reading(const ReadingFramer::Completed &frame,
                                           const QDateTime &wall, qint64 steady) const;
    QString portName() const;

    std::unique_ptr<CounterClock> m_clock;
    Line m_line;
    ReadingFramer m_framer;
    std::optional<QueryPacing> m_pacing;
    CounterMath m_math;
    // The lines just sent that a counter may echo before it answers.
    QStringList m_echoes;
    qsizetype m_unfinished = 0;
    qsizetype m_inError = 0;
};

} // namespace freqcounter
