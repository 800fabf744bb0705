// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "serialline.h"
#include "windowonptys.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace freqcounter;
using freqcounter::test::kWaiting;
using freqcounter::test::TickRecorder;
using freqcounter::test::WindowOnPtys;

namespace {

// Lock files held for a device, in the folders QSerialPort may put them.
int lockFilesFor(const QString &device)
{
    QString name = QStringLiteral("LCK..") + device.mid(QStringLiteral("/dev/").size());
    name.replace(u'/', u'_');
    QSet<QString> folders;
    for (const char *folder : {"/var/lock", "/run/lock", "/var/spool/locks", "/tmp"})
        folders.insert(QDir(QString::fromLatin1(folder)).canonicalPath());
    folders.remove(QString());
    int found = 0;
    for (const QString &folder : std::as_const(folders))
        found += QDir(folder).exists(name) ? 1 : 0;
    return found;
}

} // namespace

class TestPortSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void followsTheChosenPort();
    void backToComOneIsAsAtStart();
    void halfReadingsAcrossTheSwitchAreNeverShown();
    void keyboardSelectionKeepsTheLineOnTheNamedPort();
    void missingSecondPortReportsOnce();
    void manySwitchesLeakNothing();

private:
    void loadAndSettle();
    void click(const char *option);
    SerialLine *line() { return test::item<SerialLine>(m_window->form.get(), "MSComm1"); }
    QRadioButton *option(const char *name)
    {
        return test::item<QRadioButton>(m_window->form.get(), name);
    }

    std::unique_ptr<WindowOnPtys> m_window;
    std::unique_ptr<TickRecorder> m_ticks;
};

void TestPortSelection::init()
{
    m_window = std::make_unique<WindowOnPtys>(2);
    QVERIFY(m_window->isValid());
    m_ticks = std::make_unique<TickRecorder>(m_window->form.get());
}

void TestPortSelection::cleanup()
{
    m_ticks.reset();
    m_window.reset();
}

void TestPortSelection::loadAndSettle()
{
    QVERIFY(m_window->loadAndSettle(*m_ticks));
}

void TestPortSelection::click(const char *name)
{
    QTest::mouseClick(option(name), Qt::LeftButton);
}

void TestPortSelection::followsTheChosenPort()
{
    loadAndSettle();
    QVERIFY(m_window->pty(1).send("145.1\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("145.1 MHz")});

    click("Option2");
    QVERIFY(option("Option2")->isChecked());
    QVERIFY(line()->portOpen());
    QCOMPARE(line()->commPort(), qint16(2));

    // The display keeps the last reading until port 2 brings a whole one;
    // what port 1 still sends is not shown.
    QVERIFY(m_window->pty(1).send("145.2\r\n"));
    QCOMPARE(m_ticks->next(2), QStringList(2, QStringLiteral("145.1 MHz")));
    QVERIFY(m_window->pty(2).send("433.92\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("433.92 MHz")});
    QVERIFY(m_window->pty(1).send("145.3\r\n"));
    QCOMPARE(m_ticks->next(2), QStringList(2, QStringLiteral("433.92 MHz")));
    QCOMPARE(m_window->errors.size(), 0);
}

void TestPortSelection::backToComOneIsAsAtStart()
{
    loadAndSettle();
    click("Option2");
    QCOMPARE(m_ticks->next(1), QStringList{kWaiting});
    click("Option1");

    QVERIFY(option("Option1")->isChecked());
    QVERIFY(!option("Option2")->isChecked());
    QVERIFY(line()->portOpen());
    QCOMPARE(line()->commPort(), qint16(1));
    QCOMPARE(line()->deviceName(), m_window->pty(1).devicePath());

    QCOMPARE(m_ticks->next(1), QStringList{kWaiting});
    QVERIFY(m_window->pty(2).send("433.92\r\n"));
    QVERIFY(m_window->pty(1).send("145.1\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("145.1 MHz")});
    QCOMPARE(m_window->errors.size(), 0);
}

void TestPortSelection::halfReadingsAcrossTheSwitchAreNeverShown()
{
    loadAndSettle();
    // Port 1 is halfway through a reading, and port 2's counter too, when
    // the switch comes.
    QVERIFY(m_window->pty(1).send("145."));
    QVERIFY(m_window->pty(2).send("433."));
    click("Option2");
    QVERIFY(m_window->pty(2).send("92\r\n"));
    QCOMPARE(m_ticks->next(2), QStringList(2, kWaiting));
    QVERIFY(m_window->pty(2).send("433.93\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("433.93 MHz")});
}

void TestPortSelection::keyboardSelectionKeepsTheLineOnTheNamedPort()
{
    loadAndSettle();
    option("Option1")->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Space}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        const qint16 named = option("Option2")->isChecked() ? 2 : 1;
        QVERIFY(line()->portOpen());
        QCOMPARE(line()->commPort(), named);
    }
    QCOMPARE(m_window->errors.size(), 0);
}

void TestPortSelection::missingSecondPortReportsOnce()
{
    const QByteArray missing("/dev/freqcounter-no-second-port");
    qputenv("FREQCOUNTER_COM2", missing);
    loadAndSettle();

    click("Option2");
    QTRY_COMPARE(m_window->errors.size(), 1);
    QCOMPARE(m_window->errors.first().number, 8001);
    QVERIFY(m_window->errors.first().description.contains(QString::fromLatin1(missing)));
    QVERIFY(m_window->errors.first().description.contains(QStringLiteral("port 2")));
    QVERIFY(!m_window->form->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    // Clicks after the failure do nothing more.
    click("Option1");
    click("Option2");
    QCOMPARE(m_window->errors.size(), 1);
}

void TestPortSelection::manySwitchesLeakNothing()
{
    loadAndSettle();
    const int descriptors = test::openDescriptorCount();
    QCOMPARE(lockFilesFor(m_window->pty(1).devicePath()), 1);

    for (int i = 0; i < 250; ++i) {
        click("Option2");
        click("Option1");
        if (i % 25 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();

    QCOMPARE(m_window->errors.size(), 0);
    QVERIFY(line()->portOpen());
    QCOMPARE(line()->commPort(), qint16(1));
    QCOMPARE(test::openDescriptorCount(), descriptors);
    QCOMPARE(lockFilesFor(m_window->pty(1).devicePath()), 1);
    QCOMPARE(lockFilesFor(m_window->pty(2).devicePath()), 0);

    // The line still reads.
    QVERIFY(m_window->pty(1).send("145.1\r\n"));
    m_ticks->next(1); // the first text after a switch may be a tail: dropped
    QVERIFY(m_window->pty(1).send("145.2\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("145.2 MHz")});

    m_ticks.reset();
    m_window->form.reset();
    QCOMPARE(lockFilesFor(m_window->pty(1).devicePath()), 0);
}

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
