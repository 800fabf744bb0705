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

private:
    QTemporaryDir m_dir;
    QString m_recording;
};

void TestProgram::initTestCase()
{
    // Ten minutes of readings a second apart, scattered by a few hertz.
    m_recording = m_dir.filePath(QStringLiteral("oscillator run.csv"));
    QFile file(m_recording);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("time,port,device,reading\r\n");
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'655'600'000, Qt::UTC);
    for (int i = 0; i < 600; ++i) {
        file.write(start.addSecs(i).toString(Qt::ISODateWithMs).toLatin1() + ",1,/dev/ttyUSB0,"
                   + QByteArray::number(10.0 + ((i * 7919) % 97) * 1e-7, 'f', 9) + "\r\n");
    }
}

void TestProgram::plotRecording_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("an SVG naming its estimators") << QStringLiteral("sigma-tau.svg");
    QTest::newRow("a PNG that is a picture") << QStringLiteral("sigma-tau.PNG");
}

void TestProgram::plotRecording()
{
    QFETCH(QString, name);
    const QString out = m_dir.filePath(name);
    if (!PlotPicture::writes(*PlotPicture::formatOf(name)))
        QSKIP("This build saves no such pictures");
    QCOMPARE(freqcounter::plotRecording(out, m_recording), 0);
    if (name.endsWith(QStringLiteral(".svg"))) {
        QFile svg(out);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(svg.readAll());
        for (const QString &shown :
             {QStringLiteral(">OADEV<"), QStringLiteral(">MDEV<"), QStringLiteral(">OHDEV<"),
              QStringLiteral(">TDEV (s)<"), QStringLiteral(">oscillator run.csv<"),
              QStringLiteral("\u03C4\u2080 = 1 s"), QStringLiteral(">10\u2070<"),
              QStringLiteral(">10\u207B")})
            QVERIFY2(text.contains(shown), qPrintable(shown));
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

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
