// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "historywindow.h"
#include "recordingfigures.h"
#include "runtime.h"
#include "threecorneredhatdialog.h"
#include "windowtesting.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace freqcounter;

class TestThreeCorneredHatDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void pairsGiveEachOscillator();
    void anotherDeviationNeedsNoReading();
    void recordingThatCannotBeReadIsSaid();
    void cancelledReadingLeavesNoTrace();

private:
    // Readings a second apart of 10 MHz plus one pattern times `times`, in
    // units of 1e-5 MHz.
    QString recording(const char *name, int times, int rows = 400);
    // The pairs of 10, 7 and 7 times the pattern: A's and B's deviations are
    // sqrt(50)/10 of A−B's, C's estimate (49 + 49 − 100) / 2 of the
    // pattern's variance, below zero.
    std::array<QString, 3> pairs();
    // Opened as the history window's button opens it.
    ThreeCorneredHatDialog *opened();
    QTableWidget *table() const { return test::item<QTableWidget>(m_window.get(), "hat"); }

    QTemporaryDir m_dir;
    QList<RuntimeError> m_errors;
    std::unique_ptr<Runtime> m_runtime;
    ReadingHistory m_history;
    std::unique_ptr<HistoryWindow> m_window;
};

void TestThreeCorneredHatDialog::init()
{
    m_errors.clear();
    m_runtime = std::make_unique<Runtime>(std::make_unique<test::RecordingReporter>(m_errors));
    m_window = std::make_unique<HistoryWindow>(m_history, *m_runtime);
}

QString TestThreeCorneredHatDialog::recording(const char *name, int times, int rows)
{
    QString path = m_dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("time,port,device,reading\r\n");
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'796'655'600'000, Qt::UTC);
    for (int i = 0; i < rows; ++i) {
        file.write(
                start.addSecs(i).toString(Qt::ISODateWithMs).toLatin1() + ",1,/dev/ttyUSB0,"
                + QByteArray::number(10.0 + times * double((qint64(i) * 7919) % 97) * 1e-5, 'f', 5)
                + "\r\n");
    }
    return path;
}

std::array<QString, 3> TestThreeCorneredHatDialog::pairs()
{
    return {recording("ab.csv", 10), recording("bc.csv", 7), recording("ca.csv", 7)};
}

ThreeCorneredHatDialog *TestThreeCorneredHatDialog::opened()
{
    test::item<QPushButton>(m_window.get(), "threeCorneredHat")->click();
    return m_window->findChild<ThreeCorneredHatDialog *>();
}

void TestThreeCorneredHatDialog::pairsGiveEachOscillator()
{
    ThreeCorneredHatDialog *dialog = opened();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    const std::array<QString, 3> paths = pairs();
    dialog->setPaths(paths);
    QSignalSpy workedOut(dialog, &ThreeCorneredHatDialog::workedOut);
    test::item<QPushButton>(dialog, "workOut")->click();
    QVERIFY(dialog->isWorking());
    QVERIFY(workedOut.wait());
    QVERIFY(!dialog->isWorking());

    QStringList notes;
    const std::optional<RecordingFigures> ab = RecordingFigures::read(paths[0], {}, &notes);
    QVERIFY(ab);
    const QList<Statistics::Deviation> &pair = ab->figures.overlappingAllan;
    QCOMPARE(table()->rowCount(), pair.size());
    for (int r = 0; r < table()->rowCount(); ++r) {
        QCOMPARE(table()->item(r, 0)->text(), QStringLiteral("%1 s").arg(pair.at(r).tauSeconds));
        for (const int column : {1, 2}) {
            const QString told = table()->item(r, column)->text();
            const double deviation = QLocale().toDouble(told.section(u' ', 0, 0));
            QVERIFY2(std::abs(deviation / (pair.at(r).value * std::sqrt(50.0) / 10) - 1) < 0.01,
                     qPrintable(told));
        }
        const QString c = table()->item(r, 3)->text();
        QVERIFY2(c.startsWith(QStringLiteral("< ")) && c.endsWith(QStringLiteral("(upper limit)")),
                 qPrintable(c));
    }
    QVERIFY(test::item<QLabel>(dialog, "note")->isHidden());
    QVERIFY(m_errors.isEmpty());
}

void TestThreeCorneredHatDialog::anotherDeviationNeedsNoReading()
{
    ThreeCorneredHatDialog *dialog = opened();
    dialog->setPaths(pairs());
    QSignalSpy workedOut(dialog, &ThreeCorneredHatDialog::workedOut);
    dialog->workOut();
    QVERIFY(workedOut.wait());
    const QString oadev = table()->item(0, 1)->text();
    // The time deviation at 1 s is the modified Allan deviation over
    // sqrt(3), which at 1 s is the overlapping Allan deviation.
    test::item<QComboBox>(dialog, "statistic")->setCurrentIndex(2);
    QVERIFY(!dialog->isWorking());
    const double tdev = QLocale().toDouble(table()->item(0, 1)->text().section(u' ', 0, 0));
    QVERIFY2(std::abs(tdev * std::sqrt(3.0) / QLocale().toDouble(oadev.section(u' ', 0, 0)) - 1)
                     < 0.01,
             qPrintable(table()->item(0, 1)->text()));
    QCOMPARE(workedOut.count(), 1);
}

void TestThreeCorneredHatDialog::recordingThatCannotBeReadIsSaid()
{
    ThreeCorneredHatDialog *dialog = opened();
    std::array<QString, 3> paths = pairs();
    paths[1] = m_dir.filePath(QStringLiteral("no such file.csv"));
    dialog->setPaths(paths);
    QSignalSpy workedOut(dialog, &ThreeCorneredHatDialog::workedOut);
    dialog->workOut();
    QVERIFY(workedOut.wait());
    const QLabel *note = test::item<QLabel>(dialog, "note");
    QVERIFY(!note->isHidden());
    QVERIFY2(note->text().contains(QStringLiteral("no such file.csv")), qPrintable(note->text()));
    QCOMPARE(table()->rowCount(), 0);
}

// Cancelled, it stops at once; what the cancelled reading would have given
// never shows, and the next reading is not taken for it.
void TestThreeCorneredHatDialog::cancelledReadingLeavesNoTrace()
{
    ThreeCorneredHatDialog *dialog = opened();
    dialog->setPaths(
            {recording("long.csv", 10, 300'000), recording("bc.csv", 7), recording("ca.csv", 7)});
    QSignalSpy workedOut(dialog, &ThreeCorneredHatDialog::workedOut);
    dialog->workOut();
    QVERIFY(dialog->isWorking());
    test::item<QPushButton>(dialog, "cancelWorkOut")->click();
    QVERIFY(!dialog->isWorking());
    QCoreApplication::processEvents();
    QCOMPARE(workedOut.count(), 0);
    QCOMPARE(table()->rowCount(), 0);

    dialog->setPaths(pairs());
    dialog->workOut();
    QVERIFY(workedOut.wait());
    QCOMPARE(workedOut.count(), 1);
    QVERIFY(table()->rowCount() > 0);
}

QTEST_MAIN(TestThreeCorneredHatDialog)
#include "tst_threecorneredhatdialog.moc"
