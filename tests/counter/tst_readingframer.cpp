// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingframer.h"

#include <QTest>

using namespace freqcounter;

namespace {

// One poll of the line, as the poll handler sees it: text read, a poll that
// found nothing waiting, or the line being opened again.
struct Tick
{
    enum class Kind { Read, Silent, Reopen };
    Kind kind = Kind::Read;
    QString text;
};
using Ticks = QList<Tick>;

Tick read(const QString &text)
{
    return {Tick::Kind::Read, text};
}

Tick quiet()
{
    return {Tick::Kind::Silent, {}};
}

Tick reopen()
{
    return {Tick::Kind::Reopen, {}};
}

QString s(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// The readings each tick completed, oldest first and joined by '|'; an empty
// entry where it completed none.
QStringList run(ReadingFramer &framer, const Ticks &ticks)
{
    QStringList shown;
    for (const Tick &tick : ticks) {
        QStringList readings;
        switch (tick.kind) {
        case Tick::Kind::Read:
            for (const ReadingFramer::Completed &reading : framer.take(tick.text))
                readings.append(reading.text);
            break;
        case Tick::Kind::Silent:
            if (const std::optional<QString> reading = framer.silence())
                readings.append(*reading);
            break;
        case Tick::Kind::Reopen:
            framer.restart();
            break;
        }
        shown.append(readings.join(u'|'));
    }
    return shown;
}

// A framer on a line that was opened and has been quiet since.
ReadingFramer settledFramer()
{
    ReadingFramer framer;
    framer.restart();
    framer.silence();
    return framer;
}

} // namespace

Q_DECLARE_METATYPE(Ticks)

class TestReadingFramer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A line opened and quiet since: whole readings, a reading split
    // anywhere, readings over the bound.
    void settledLine_data();
    void settledLine();
    void afterOpening_data();
    void afterOpening();
    void endlessStreamStaysBounded();
    void completedHowLongBeforeTheRead();

private:
    static void wholeReadings();
    static void readingSplitAnywhere();
    static void overlongReadings();
};

void TestReadingFramer::settledLine_data()
{
    QTest::addColumn<Ticks>("ticks");
    QTest::addColumn<QStringList>("shown");
    wholeReadings();
    readingSplitAnywhere();
    overlongReadings();
}

void TestReadingFramer::settledLine()
{
    QFETCH(Ticks, ticks);
    QFETCH(QStringList, shown);

    ReadingFramer framer = settledFramer();
    QCOMPARE(run(framer, ticks), shown);
}

void TestReadingFramer::wholeReadings()
{
    QTest::newRow("CRLF") << Ticks{read(s("145.2371\r\n"))} << QStringList{s("145.2371")};
    QTest::newRow("CR only") << Ticks{read(s("145.2371\r"))} << QStringList{s("145.2371")};
    QTest::newRow("LF only") << Ticks{read(s("145.2371\n"))} << QStringList{s("145.2371")};
    QTest::newRow("LFCR") << Ticks{read(s("145.2371\n\r"))} << QStringList{s("145.2371")};
    QTest::newRow("a run of line ends is one boundary")
            << Ticks{read(s("145.2\r\n\r\n\n\r")), quiet()} << QStringList{s("145.2"), {}};
    QTest::newRow("no line end, then a silent tick")
            << Ticks{read(s("433.92")), quiet()} << QStringList{{}, s("433.92")};
    QTest::newRow("no line end, spread over ticks, then silence")
            << Ticks{read(s("433.")), read(s("9200")), quiet()}
            << QStringList{{}, {}, s("433.9200")};
    QTest::newRow("silence ends a reading; what follows is a new one")
            << Ticks{read(s("145.2")), quiet(), read(s("3\r\n"))}
            << QStringList{{}, s("145.2"), s("3")};
    QTest::newRow("silence with nothing pending shows nothing")
            << Ticks{quiet(), quiet()} << QStringList{{}, {}};
    QTest::newRow("silence after a line end shows nothing more")
            << Ticks{read(s("1.5\r\n")), quiet()} << QStringList{s("1.5"), {}};
    QTest::newRow("three readings in one read: all three, in order")
            << Ticks{read(s("1.1\r\n2.2\r\n3.3\r\n"))} << QStringList{s("1.1|2.2|3.3")};
    QTest::newRow("three readings in one read, different line ends")
            << Ticks{read(s("1.1\r2.2\n\r3.3\n"))} << QStringList{s("1.1|2.2|3.3")};
    QTest::newRow("several complete and one pending")
            << Ticks{read(s("1.1\r\n2.2\r\n3.")), read(s("3\r\n"))}
            << QStringList{s("1.1|2.2"), s("3.3")};
    QTest::newRow("empty read") << Ticks{read(QString())} << QStringList{{}};
    QTest::newRow("line ends only") << Ticks{read(s("\r\n\n\r\r"))} << QStringList{{}};
    QTest::newRow("control characters, markup and escapes are kept")
            << Ticks{read(QStringLiteral("\x1b[1m<b>14\t5</b>") + QChar(0) + s("\r\n"))}
            << QStringList{QStringLiteral("\x1b[1m<b>14\t5</b>") + QChar(0)};
    QTest::newRow("characters above 0x7F are kept")
            << Ticks{read(QString::fromLatin1("\xB5\xFF 1\n"))}
            << QStringList{QString::fromLatin1("\xB5\xFF 1")};
}

void TestReadingFramer::readingSplitAnywhere()
{
    const QString sent = s("1234.5678\r\n");
    const QString reading = s("1234.5678");
    for (qsizetype at = 0; at <= sent.size(); ++at) {
        const QString first = sent.left(at);
        const QString second = sent.mid(at);
        // Shown at the tick that brings the first line end.
        const bool firstEnds = first.contains(u'\r');
        const QByteArray name = QStringLiteral("split after %1 characters").arg(at).toLatin1();
        QTest::newRow(name.constData())
                << Ticks{read(first), read(second)}
                << (firstEnds ? QStringList{reading, {}} : QStringList{{}, reading});
    }
}

void TestReadingFramer::afterOpening_data()
{
    QTest::addColumn<Ticks>("ticks");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("the tail of a reading is dropped")
            << Ticks{read(s("5678\r\n145.2\r\n"))} << QStringList{s("145.2")};
    QTest::newRow("the tail is dropped, every reading after it kept")
            << Ticks{read(s("5678\r\n145.2\r\n145.3\r\n145.4\r\n"))}
            << QStringList{s("145.2|145.3|145.4")};
    QTest::newRow("the tail and its line end arrive apart")
            << Ticks{read(s("5678\r")), read(s("\n145.2\r\n"))} << QStringList{{}, s("145.2")};
    QTest::newRow("a line end first: nothing is dropped after it")
            << Ticks{read(s("\n145.2\r\n"))} << QStringList{s("145.2")};
    QTest::newRow("a silent tick ends the drop")
            << Ticks{quiet(), read(s("145.2\r\n"))} << QStringList{{}, s("145.2")};
    QTest::newRow("a tail without line end is dropped at the silence")
            << Ticks{read(s("678")), quiet(), read(s("145.3")), quiet()}
            << QStringList{{}, {}, {}, s("145.3")};
    QTest::newRow("reopening drops what was pending")
            << Ticks{quiet(), read(s("145.2")), reopen(), read(s("371\r\n433.9\r\n"))}
            << QStringList{{}, {}, {}, s("433.9")};
    QTest::newRow("reopening in mid-reading, then silence")
            << Ticks{quiet(), read(s("145.2")), reopen(), quiet(), read(s("433.9\r"))}
            << QStringList{{}, {}, {}, {}, s("433.9")};
}

void TestReadingFramer::afterOpening()
{
    QFETCH(Ticks, ticks);
    QFETCH(QStringList, shown);

    ReadingFramer framer;
    framer.restart();
    QCOMPARE(run(framer, ticks), shown);
}

void TestReadingFramer::overlongReadings()
{
    const QString longest(ReadingFramer::kMaxReadingLength, u'1');
    const QString tooLong(ReadingFramer::kMaxReadingLength + 1, u'2');

    QTest::newRow("a reading as long as the bound is shown")
            << Ticks{read(longest + s("\r\n"))} << QStringList{longest};
    QTest::newRow("one character over is dropped whole")
            << Ticks{read(tooLong + s("\r\n")), read(s("145.2\r\n"))}
            << QStringList{{}, s("145.2")};
    QTest::newRow("over the bound across ticks is dropped whole")
            << Ticks{read(longest), read(s("23")), read(s("45\r\n7.5\r\n"))}
            << QStringList{{}, {}, s("7.5")};
    QTest::newRow("over the bound across three reads, ending in a short tail")
            << Ticks{read(longest), read(longest), read(s("45\r\n"))} << QStringList{{}, {}, {}};
    QTest::newRow("over the bound across three reads, the tail ended by silence")
            << Ticks{read(longest), read(longest), read(s("45")), quiet(), read(s("1.5\r\n"))}
            << QStringList{{}, {}, {}, {}, s("1.5")};
    QTest::newRow("an overlong reading ended by silence is dropped")
            << Ticks{read(tooLong), quiet(), read(s("1.5\r\n"))} << QStringList{{}, {}, s("1.5")};
}

void TestReadingFramer::endlessStreamStaysBounded()
{
    ReadingFramer framer = settledFramer();
    const QString chunk(1024, u'9');
    for (int i = 0; i < 1024; ++i) { // a megabyte with neither line end nor silence
        QVERIFY(framer.take(chunk).isEmpty());
        QVERIFY(framer.pendingLength() <= ReadingFramer::kMaxReadingLength);
    }
    const QList<ReadingFramer::Completed> last = framer.take(s("99\r\n145.2\r\n"));
    QCOMPARE(last.size(), 1);
    QCOMPARE(last.first().text, s("145.2"));
}

void TestReadingFramer::completedHowLongBeforeTheRead()
{
    // Counted from each reading's first line-end character to the end of the read.
    ReadingFramer framer = settledFramer();
    const QList<ReadingFramer::Completed> completed = framer.take(s("1.1\r\n22.2\n3.33\r\n4"));
    QCOMPARE(completed.size(), 3);
    QCOMPARE(completed.at(0).charactersAfter, 13);
    QCOMPARE(completed.at(1).charactersAfter, 7);
    QCOMPARE(completed.at(2).charactersAfter, 2);
}

QTEST_GUILESS_MAIN(TestReadingFramer)
#include "tst_readingframer.moc"
