#include "form1.h"
#include "ptypair.h"
#include "runtime.h"
#include "serialline.h"
#include "windowtesting.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace freqcounter;
using freqcounter::test::PtyPair;
using freqcounter::test::RecordingReporter;
using freqcounter::test::TickRecorder;

namespace {

const QString kWaiting = QStringLiteral("Waiting");

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
    SerialLine *line() { return m_form->findChild<SerialLine *>(QStringLiteral("MSComm1")); }
    QRadioButton *option(const char *name)
    {
        return m_form->findChild<QRadioButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<PtyPair> m_com1;
    std::unique_ptr<PtyPair> m_com2;
    QList<RuntimeError> m_errors;
    std::unique_ptr<Runtime> m_runtime;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<TickRecorder> m_ticks;
};

void TestPortSelection::init()
{
    m_com1 = std::make_unique<PtyPair>();
    m_com2 = std::make_unique<PtyPair>();
    QVERIFY(m_com1->isValid() && m_com2->isValid());
    qputenv("FREQCOUNTER_COM1", m_com1->devicePath().toLocal8Bit());
    qputenv("FREQCOUNTER_COM2", m_com2->devicePath().toLocal8Bit());
    m_errors.clear();
    m_runtime = std::make_unique<Runtime>(std::make_unique<RecordingReporter>(m_errors));
    m_form = std::make_unique<Form1>(*m_runtime);
    m_ticks = std::make_unique<TickRecorder>(m_form.get());
}

void TestPortSelection::cleanup()
{
    m_ticks.reset();
    m_form.reset();
    m_runtime.reset();
    m_com1.reset();
    m_com2.reset();
    qunsetenv("FREQCOUNTER_COM1");
    qunsetenv("FREQCOUNTER_COM2");
}

void TestPortSelection::loadAndSettle()
{
    QVERIFY(m_form->load());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(m_ticks->next(1), QStringList{kWaiting});
}

void TestPortSelection::click(const char *name)
{
    QTest::mouseClick(option(name), Qt::LeftButton);
}

void TestPortSelection::followsTheChosenPort()
{
    loadAndSettle();
    QVERIFY(m_com1->send("145.1\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("145.1 MHz")});

    click("Option2");
    QVERIFY(option("Option2")->isChecked());
    QVERIFY(line()->portOpen());
    QCOMPARE(line()->commPort(), qint16(2));

    // The display keeps the last reading until port 2 brings a whole one;
    // what port 1 still sends is not shown.
    QVERIFY(m_com1->send("145.2\r\n"));
    QCOMPARE(m_ticks->next(2), QStringList(2, QStringLiteral("145.1 MHz")));
    QVERIFY(m_com2->send("433.92\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("433.92 MHz")});
    QVERIFY(m_com1->send("145.3\r\n"));
    QCOMPARE(m_ticks->next(2), QStringList(2, QStringLiteral("433.92 MHz")));
    QCOMPARE(m_errors.size(), 0);
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
    QCOMPARE(line()->deviceName(), m_com1->devicePath());

    QCOMPARE(m_ticks->next(1), QStringList{kWaiting});
    QVERIFY(m_com2->send("433.92\r\n"));
    QVERIFY(m_com1->send("145.1\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("145.1 MHz")});
    QCOMPARE(m_errors.size(), 0);
}

void TestPortSelection::halfReadingsAcrossTheSwitchAreNeverShown()
{
    loadAndSettle();
    // Port 1 is halfway through a reading, and port 2's counter too, when
    // the switch comes.
    QVERIFY(m_com1->send("145."));
    QVERIFY(m_com2->send("433."));
    click("Option2");
    QVERIFY(m_com2->send("92\r\n"));
    QCOMPARE(m_ticks->next(2), QStringList(2, kWaiting));
    QVERIFY(m_com2->send("433.93\r\n"));
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
    QCOMPARE(m_errors.size(), 0);
}

void TestPortSelection::missingSecondPortReportsOnce()
{
    const QByteArray missing("/dev/freqcounter-no-second-port");
    qputenv("FREQCOUNTER_COM2", missing);
    loadAndSettle();

    click("Option2");
    QTRY_COMPARE(m_errors.size(), 1);
    QCOMPARE(m_errors.first().number, 8001);
    QVERIFY(m_errors.first().description.contains(QString::fromLatin1(missing)));
    QVERIFY(m_errors.first().description.contains(QStringLiteral("port 2")));
    QVERIFY(!m_form->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    // Clicks after the failure do nothing more.
    click("Option1");
    click("Option2");
    QCOMPARE(m_errors.size(), 1);
}

void TestPortSelection::manySwitchesLeakNothing()
{
    loadAndSettle();
    const int descriptors = test::openDescriptorCount();
    QCOMPARE(lockFilesFor(m_com1->devicePath()), 1);

    for (int i = 0; i < 250; ++i) {
        click("Option2");
        click("Option1");
        if (i % 25 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();

    QCOMPARE(m_errors.size(), 0);
    QVERIFY(line()->portOpen());
    QCOMPARE(line()->commPort(), qint16(1));
    QCOMPARE(test::openDescriptorCount(), descriptors);
    QCOMPARE(lockFilesFor(m_com1->devicePath()), 1);
    QCOMPARE(lockFilesFor(m_com2->devicePath()), 0);

    // The line still reads.
    QVERIFY(m_com1->send("145.1\r\n"));
    m_ticks->next(1); // the first text after a switch may be a tail: dropped
    QVERIFY(m_com1->send("145.2\r\n"));
    QCOMPARE(m_ticks->next(1), QStringList{QStringLiteral("145.2 MHz")});

    m_ticks.reset();
    m_form.reset();
    QCOMPARE(lockFilesFor(m_com1->devicePath()), 0);
}

QTEST_MAIN(TestPortSelection)
#include "tst_portselection.moc"
