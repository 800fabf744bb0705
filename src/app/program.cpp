// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "consoleanswer.h"
#include "form1.h"
#include "historywindow.h"
#include "messageboxreporter.h"
#include "readingactions.h"
#include "recordingfile.h"
#include "runtime.h"
#include "stabilitytable.h"
#include "statistics.h"
#include "windowdefinition.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>

#include <chrono>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace freqcounter {

namespace {

#ifdef Q_OS_UNIX
int g_signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char signalled = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &signalled, 1);
}

// Ctrl-C in a terminal, or the session ending, closes the window as the user
// would, so the port is closed and its lock file removed; at any time, the
// box that reports a failure included.
void quitOnTerminationSignals(QObject *context)
{
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [] {
        char signalled = 0;
        while (::read(g_signalPipe[0], &signalled, 1) > 0) {}
        // A box in an event loop of its own, such as the one a failure at
        // start shows before the main loop runs, is closed too: quitting
        // alone would end only the main loop, and only once it runs.
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window->isModal() && window->isVisible())
                window->close();
        }
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
#endif

// The program's own icon: every size built in (the installed theme icon is
// the same drawing).
QIcon applicationIcon()
{
    QIcon icon;
    const QDir builtIn(QStringLiteral(":/icons"));
    for (const QString &file : builtIn.entryList({QStringLiteral("*.png")}, QDir::Files))
        icon.addFile(builtIn.filePath(file));
    return icon;
}

} // namespace

void connectToWindow(Form1 &form, ReadingActions &actions)
{
    QObject::connect(&form, &Form1::readingReceived, &actions, &ReadingActions::readingReceived);
    QObject::connect(&actions, &ReadingActions::readingDescribed, &form,
                     &Form1::setReadingDescription);
    QObject::connect(&form, &Form1::counterSilenceChanged, &actions,
                     &ReadingActions::setCounterSilent);
    QObject::connect(&actions, &ReadingActions::lineSettingsAsked, &form,
                     &Form1::chooseLineSettings);
    QObject::connect(&actions, &ReadingActions::counterMathChanged, &form, &Form1::setCounterMath);
    QObject::connect(&form, &Form1::counterNotice, &actions, [](const QString &notice) {
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1\n").arg(notice),
                             ConsoleAnswer::Stream::Error);
    });
}

int runProgram(const PortDevices &devices, const QString &recordPath, const Comparison &comparison,
               const CounterMath &math)
{
    QApplication::setWindowIcon(applicationIcon());
    Runtime runtime(std::make_unique<MessageBoxReporter>());
#ifdef Q_OS_UNIX
    quitOnTerminationSignals(&runtime);
#endif
    Form1 form(runtime, devices);
    // The window owns its menu and what the menu made.
    auto *actions = new ReadingActions(form, runtime);
    connectToWindow(form, *actions);
    actions->setComparison(comparison, false);
    actions->setCounterMath(math, false);
    if (!form.load())
        return Runtime::kFailureExitStatus;
    if (!recordPath.isEmpty() && !runtime.run([&] { actions->startRecording(recordPath); }))
        return Runtime::kFailureExitStatus;
    form.show();
    const int status = QApplication::exec();
    return runtime.hasFailed() ? Runtime::kFailureExitStatus : status;
}

int viewRecording(const QString &path)
{
    QApplication::setWindowIcon(applicationIcon());
    Runtime runtime(std::make_unique<MessageBoxReporter>());
#ifdef Q_OS_UNIX
    quitOnTerminationSignals(&runtime);
#endif
    bool failed = false;
    const auto fail = [&failed](const QString &text) {
        failed = true;
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1\n").arg(text),
                             ConsoleAnswer::Stream::Error);
        // Shown in the event loop, so that a termination signal still ends it.
        auto *box = new QMessageBox(QMessageBox::Warning, QString(WindowDefinition::kTitle),
                                    HistoryWindow::tr("The recording could not be opened."),
                                    QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setInformativeText(text);
        box->open();
    };
    QString error;
    // Closed, it deletes itself.
    if (HistoryWindow *window = HistoryWindow::openRecording(path, runtime, nullptr, &error)) {
        QObject::connect(window, &HistoryWindow::recordingFailed, window, fail);
        window->show();
    } else {
        fail(QStringLiteral("%1: %2.").arg(QDir::toNativeSeparators(path), error));
    }
    const int status = QApplication::exec();
    return failed || runtime.hasFailed() ? Runtime::kFailureExitStatus : status;
}

int printStabilityTable(const QString &path)
{
    // Every reading of the file, and no more kept of them than the figures
    // need.
    RecordingFile file(path);
    RunStatistics run;
    QString error;
    if (file.open(&error)) {
        const RecordingFile::Sink sink = [&run](const RecordingFile::Reading &reading) {
            run.add(reading.port, reading.device, reading.msecs, reading.mhz, reading.math);
        };
        // The lines are counted in a step of their own, before the first
        // reading.
        do {
            run.reserve(file.rowsAtMost());
        } while (file.readOn(std::chrono::hours(1), sink));
        error = file.failure().value_or(QString());
    }
    const auto tell = [&path](const QString &what) {
        ConsoleAnswer::write(
                QStringLiteral("freqcounter: %1: %2.\n").arg(QDir::toNativeSeparators(path), what),
                ConsoleAnswer::Stream::Error);
    };
    const auto fail = [&tell](const QString &why) {
        tell(why);
        return Runtime::kFailureExitStatus;
    };
    // Rows that could not be read are told of, figures or not.
    if (const RecordingFile::Loaded &loaded = file.loaded(); loaded.unreadable > 0) {
        tell(loaded.unreadable == 1
                     ? QCoreApplication::translate("Program",
                                                   "1 row could not be read, at line %1; it is "
                                                   "left out")
                               .arg(loaded.firstUnreadableLine)
                     : QCoreApplication::translate("Program",
                                                   "%1 rows could not be read, the first at line "
                                                   "%2; they are left out")
                               .arg(loaded.unreadable)
                               .arg(loaded.firstUnreadableLine));
    }
    if (!error.isEmpty())
        return fail(error);
    // The last instrument's readings, as the history window shows them.
    const Statistics figures = run.figures();
    if (figures.missing) {
        return fail(QCoreApplication::translate("Program", "no stability figures: %1")
                            .arg(Statistics::missingText(*figures.missing)));
    }
    ConsoleAnswer::write(QString::fromUtf8(stabilityTable(figures)), ConsoleAnswer::Stream::Output);
    return 0;
}

} // namespace freqcounter
