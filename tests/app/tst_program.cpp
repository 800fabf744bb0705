// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotpicture.h"
#include "program.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace freqcounter;

class TestProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void plotRecording_data();
    void plotRecording();
    void plotFails();

private:
    QTemporaryDir m_dir;
    QString m_recording;
    QString m_reference;
};

namespace {

// Readings count seconds apart from start, scattered by a few hertz.
bool writeRecording(const QString &path, qint64 startMsecs, int count, int seconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("time,port,device,reading\r\n");
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(startMsecs, Qt::UTC);
    for (int i = 0; i < count; ++i) {
        file.write(start.addSecs(qint64(i) * seconds).toString(Qt::ISODateWithMs).toLatin1()
                   + ",1,/dev/ttyUSB0,"
                   + QByteArray::number(10.0 + ((i * 7919) % 97) * 1e-7, 'f', 9) + "\r\n");
    }
    return true;
}

QString stamp(qint64 msecs, const char *format = "yyyy-MM-dd HH:mm:ss")
{
    return QDateTime::fromMSecsSinceEpoch(msecs).toString(QString::fromLatin1(format));
}

constexpr qint64 kStart = 1'796'655'600'000;
constexpr qint64 kReferenceStart = kStart + 3'600'000;

} // namespace

void TestProgram::initTestCase()
{
    // Ten minutes of readings a second apart; then, an hour on, another
    // oscillator's, five minutes two seconds apart.
    m_recording = m_dir.filePath(QStringLiteral("oscillator run.csv"));
    QVERIFY(writeRecording(m_recording, kStart, 600, 1));
    m_reference = m_dir.filePath(QStringLiteral("reference.csv"));
    QVERIFY(writeRecording(m_reference, kReferenceStart, 150, 2));
}

void TestProgram::plotRecording_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("recordings");
    QTest::addColumn<QStringList>("shown");

    const QString one = QStringLiteral("oscillator run.csv");
    const QString other = QStringLiteral("reference.csv");
    QTest::newRow("an SVG naming its estimators")
            << QStringLiteral("sigma-tau.svg") << QStringList{one}
            << QStringList{QStringLiteral(">OADEV<"),
                           QStringLiteral(">MDEV<"),
                           QStringLiteral(">OHDEV<"),
                           QStringLiteral(">TDEV (s)<"),
                           QStringLiteral(">oscillator run.csv<"),
                           QStringLiteral("\u03C4\u2080 = 1 s"),
                           QStringLiteral(">10\u2070<"),
                           QStringLiteral(">10\u207B")};
    QTest::newRow("a PNG that is a picture")
            << QStringLiteral("sigma-tau.PNG") << QStringList{one} << QStringList();
    // Each curve by its recording's name and span, each span in the caption.
    // Each curve by its recording's name and span, each span in the caption;
    // of a day, the legend's span gives the date once.
    const QString to = QStringLiteral(" to ");
    const QString spanOne = stamp(kStart) + to + stamp(kStart + 599'000, "HH:mm:ss");
    const QString spanOther
            = stamp(kReferenceStart) + to + stamp(kReferenceStart + 298'000, "HH:mm:ss");
    const QString captionOther = stamp(kReferenceStart) + to + stamp(kReferenceStart + 298'000);
    QTest::newRow("an SVG comparing two recordings names both")
            << QStringLiteral("compared.svg") << QStringList{one, other}
            << QStringList{QStringLiteral(">oscillator run.csv, reference.csv compared<"),
                           QStringLiteral(">OADEV of oscillator run.csv, %1<").arg(spanOne),
                           QStringLiteral(">MDEV of oscillator run.csv, %1<").arg(spanOne),
                           QStringLiteral(">OADEV of reference.csv, %1<").arg(spanOther),
                           QStringLiteral(">TDEV (s) of reference.csv, %1<").arg(spanOther),
                           QStringLiteral(">reference.csv: %1 (4 min 58 s), ").arg(captionOther),
                           QStringLiteral("\u03C4\u2080 = 2 s")};
}

void TestProgram::plotRecording()
{
    QFETCH(QString, name);
    QFETCH(QStringList, recordings);
    QFETCH(QStringList, shown);
    const QString out = m_dir.filePath(name);
    if (!PlotPicture::writes(*PlotPicture::formatOf(name)))
        QSKIP("This build saves no such pictures");
    QStringList paths;
    for (const QString &recording : recordings)
        paths.append(m_dir.filePath(recording));
    QCOMPARE(freqcounter::plotRecording(out, paths), 0);
    if (name.endsWith(QStringLiteral(".svg"))) {
        QFile svg(out);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        for (const QString &expected : shown)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        return;
    }
    const QImage image(out);
    QCOMPARE(image.size(), QSize(1200, 800));
    // A blank picture is one colour; the curves bring several.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 4, qPrintable(QString::number(colours.size())));
}

void TestProgram::plotFails()
{
    // One recording of several that cannot be read: no picture at all.
    const QString out = m_dir.filePath(QStringLiteral("unwritten.png"));
    QCOMPARE(freqcounter::plotRecording(
                     out, {m_recording, m_dir.filePath(QStringLiteral("no such file.csv"))}),
             1);
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
