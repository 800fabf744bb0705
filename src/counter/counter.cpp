// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "counter.h"

#include "counteranswer.h"
#include "frequencytext.h"

#include <QRegularExpression>

namespace freqcounter {

Counter::Counter(std::unique_ptr<CounterClock> clock)
    : m_clock(std::move(clock))
{}

QByteArray Counter::opened(const Line &line)
{
    m_line = line;
    const CounterSettings &settings = line.settings;
    m_framer.restart(line.inPieces || settings.asks());
    m_pacing.reset();
    if (settings.asks())
        m_pacing.emplace(settings.answerTime);
    m_echoes.clear();
    m_unfinished = 0;
    m_inError = 0;
    if (settings.setup.isEmpty())
        return {};
    QByteArray setup = settings.setupBytes();
    expectEcho(setup);
    return setup;
}

Counter::Polled Counter::poll(const std::optional<QString> &received)
{
    Polled polled;
    const QDateTime wall = m_clock->wallNow();
    const qint64 steady = m_clock->steadyNowMsecs();
    QList<ReadingFramer::Completed> frames;
    if (received)
        frames = m_framer.take(*received, steady);
    else if (std::optional<QString> text = m_framer.silence())
        frames.append({std::move(*text), 0});

    const std::chrono::milliseconds unfinishedTime
            = m_pacing ? m_line.settings.answerTime : kUnfinishedTime;
    if (m_framer.dropUnfinishedSince(steady - unfinishedTime.count()) && m_unfinished++ == 0) {
        polled.notice = tr("A reading from %1 stayed unfinished for %2 s and was dropped; "
                           "readings are dropped so until a line end comes in time.")
                                .arg(portName())
                                .arg(double(unfinishedTime.count()) / 1000.0);
    }

    bool answered = false;
    for (const ReadingFramer::Completed &frame : std::as_const(frames)) {
        if (isEcho(frame.text))
            continue;
        // A whole answer, whatever it says.
        answered = true;
        if (frame.text.contains(kReceivedInError)) {
            if (m_inError++ == 0) {
                polled.notice = tr("A reading from %1 held a character received in error "
                                   "and was dropped; check the line's settings and its cable.")
                                        .arg(portName());
            }
            continue;
        }
        if (std::optional<ReceivedReading> made = reading(frame, wall, steady))
            polled.readings.append(std::move(*made));
    }
    if (m_pacing && answered)
        m_pacing->answered();
    // Once the last answer is in, or once it has had its time.
    if (m_pacing && m_pacing->askNow(steady)) {
        polled.send = m_line.settings.queryBytes();
        expectEcho(polled.send);
    }
    return polled;
}

std::optional<ReceivedReading> Counter::reading(const ReadingFramer::Completed &frame,
                                                const QDateTime &wall, qint64 steady) const
{
    const CounterSettings &settings = m_line.settings;
    // What a counter answers that is no reading leaves a gap.
    std::optional<CounterReading> read = CounterReading{frame.text, frame.text};
    if (settings.asks() || settings.unit != CounterUnit::MHz)
        read = readCounterLine(frame.text, settings.unit, settings.asks());
    if (!read)
        return std::nullopt;
    // A number the math would make too long is no reading either.
    if (m_math.isOn() && read->unit.isEmpty() && frequencyNumber(read->shown)
        && !m_math.applied(read->shown))
        return std::nullopt;
    // The characters that followed its line end in the same read came after
    // it, one character time each.
    const qint64 before = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  m_line.characterTime * frame.charactersAfter)
                                  .count();
    ReceivedReading made{
            m_line.port, m_line.device,   wall.addMSecs(-before),
            read->shown, steady - before, read->kept == read->shown ? QString() : read->kept};
    made.unit = read->unit;
    return m_math.shown(std::move(made));
}

void Counter::expectEcho(const QByteArray &sent)
{
    static const QRegularExpression lineEnds(QStringLiteral("[\\r\\n]+"));
    for (const QString &line : QString::fromLatin1(sent).split(lineEnds, Qt::SkipEmptyParts))
        m_echoes.append(line.trimmed());
}

bool Counter::isEcho(QStringView line)
{
    // A counter that echoes does so before it answers: the first line that
    // is no echo ends the wait for them.
    if (!m_echoes.isEmpty() && line.trimmed() == m_echoes.constFirst()) {
        m_echoes.removeFirst();
        return true;
    }
    m_echoes.clear();
    return false;
}

QString Counter::portName() const
{
    return tr("port %1 (%2)").arg(m_line.port).arg(m_line.device);
}

} // namespace freqcounter
