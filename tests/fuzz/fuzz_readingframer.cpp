// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the reading framer. The input is a script of polls:
// each control byte picks a silent tick, a reopened line (framed by line
// ends only, or not), an unfinished reading's time running out, or a read
// of the next few bytes as text. Whatever the input, every reading shown must be
// non-empty, hold no line end, be a contiguous piece of what was received
// since the line was opened, be completed inside the read that completed it,
// and the framer must hold no more than its bound.

#include "readingframer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "reading framer broke its promise: %s\n", what);
        std::abort();
    }
}

void check(const std::optional<QString> &shown, const QString &received)
{
    if (!shown)
        return;
    require(!shown->isEmpty(), "an empty reading was shown");
    require(!shown->contains(u'\r') && !shown->contains(u'\n'), "a line end was shown");
    require(shown->size() <= freqcounter::ReadingFramer::kMaxReadingLength,
            "a reading over the bound was shown");
    require(received.contains(*shown), "a reading that was never received in one piece");
}

void check(const QList<freqcounter::ReadingFramer::Completed> &completed, const QString &text,
           const QString &received)
{
    for (const freqcounter::ReadingFramer::Completed &reading : completed) {
        check(reading.text, received);
        require(reading.charactersAfter >= 0 && reading.charactersAfter < text.size(),
                "a reading completed outside the read that completed it");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    freqcounter::ReadingFramer framer;
    framer.restart();
    QString received;

    size_t at = 0;
    qint64 now = 0;
    while (at < size) {
        const uint8_t control = data[at++];
        now += 100;
        switch (control % 5) {
        case 0:
            check(framer.silence(), received);
            break;
        case 1:
            framer.restart((control & 0x80) != 0);
            received.clear();
            break;
        case 2:
            framer.dropUnfinishedSince(now - qint64{control >> 3} * 100);
            break;
        default: {
            // Up to 63 bytes, or a long run of one repeated byte.
            size_t length = control >> 2;
            if (length == 63 && at < size) {
                const QString run(qsizetype(data[at] % 8) * 512 + 1, QChar(data[at] & 0x7f));
                ++at;
                received += run;
                check(framer.take(run, now), run, received);
                break;
            }
            length = std::min(length, size - at);
            const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data + at),
                                                     qsizetype(length));
            at += length;
            received += text;
            check(framer.take(text, now), text, received);
            break;
        }
        }
        require(framer.pendingLength() <= freqcounter::ReadingFramer::kMaxReadingLength,
                "the framer holds more than its bound");
    }
    return 0;
}
