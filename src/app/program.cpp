// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "consoleanswer.h"
#include "figuretexts.h"
#include "form1.h"
#include "historywindow.h"
#include "messageboxreporter.h"
#include "plotpicture.h"
#include "readingactions.h"
#include "recordingfigures.h"
#include "recordingfile.h"
#include "runtime.h"
#include "stabilityplot.h"
#include "stabilitytable.h"
#include "statistics.h"
#include "threecorneredhattable.h"
#include "windowdefinition.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

#include <array>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <tuple>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
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
        if (qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr) {
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget *window : windows) {
                if (window->isModal() && window->isVisible())
                    window->close();
            }
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
#elif defined(Q_OS_WIN)
std::atomic<bool> g_ended{false};

// Ctrl-C or Ctrl-Break in the console, or the console closed: the logger
// ends as at a termination signal. Windows ends the program once this
// returns from a closed console, so it waits a moment for the end.
BOOL WINAPI onConsoleControl(DWORD event)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
    if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
        for (int i = 0; i < 40 && !g_ended; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return TRUE;
}
#endif

// One line of the logger's for standard error: under systemd with the
// journal's priority before it, elsewhere with the local time.
QString loggerLine(const QString &line, Logger::Level level)
{
    if (qEnvironmentVariableIsSet("JOURNAL_STREAM")) {
        const int priority = level == Logger::Level::Error ? 3
                : level == Logger::Level::Warning          ? 4
                                                           : 6;
        return QStringLiteral("<%1>freqcounter: %2\n").arg(priority).arg(line);
    }
    return QStringLiteral("%1 freqcounter: %2\n")
            .arg(QDateTime::currentDateTime().toString(Qt::ISODate), line);
}

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
    QObject::connect(&actions, &ReadingActions::reconnectChanged, &form, &Form1::setReconnect);
    QObject::connect(&form, &Form1::lineWaiting, &actions, &ReadingActions::setLineWaiting);
    form.setReconnect(actions.reconnects());
    QObject::connect(&form, &Form1::counterNotice, &actions, [](const QString &notice) {
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1\n").arg(notice),
                             ConsoleAnswer::Stream::Error);
    });
}

namespace {

// Every reading the window receives goes to the clients of a server of its
// own; false, told, when it cannot listen.
bool serveFromWindow(Form1 &form, const ServeAddress &where)
{
    auto *server = new ReadingServer(&form);
    if (const std::optional<QString> why = server->listen(where)) {
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1\n").arg(*why),
                             ConsoleAnswer::Stream::Error);
        return false;
    }
    QObject::connect(&form, &Form1::readingReceived, server,
                     [server](const ReceivedReading &reading) {
                         server->send(reading.asSent().toLatin1());
                     });
    server->tellChanges(server, [](const QString &text) {
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1\n").arg(text),
                             ConsoleAnswer::Stream::Error);
    });
    return true;
}

} // namespace

int runProgram(const PortDevices &devices, const WindowRun &run)
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
    actions->setComparison(run.comparison, false);
    actions->setCounterMath(run.math, false);
    if (run.reconnect)
        actions->setReconnect(true, false);
    if (run.serve && !serveFromWindow(form, *run.serve))
        return Runtime::kFailureExitStatus;
    if (!form.load())
        return Runtime::kFailureExitStatus;
    if (!run.recordPath.isEmpty() && !runtime.run([&] { actions->startRecording(run.recordPath); }))
        return Runtime::kFailureExitStatus;
    form.show();
    const int status = QApplication::exec();
    return runtime.hasFailed() ? Runtime::kFailureExitStatus : status;
}

int runLogger(Logger::Setup setup)
{
    Logger logger(std::move(setup));
    QObject::connect(&logger, &Logger::told, &logger, [](const QString &line, Logger::Level level) {
        ConsoleAnswer::write(loggerLine(line, level), ConsoleAnswer::Stream::Error);
    });
    QObject::connect(&logger, &Logger::failed, &logger,
                     [] { QCoreApplication::exit(Runtime::kFailureExitStatus); });
#ifdef Q_OS_UNIX
    quitOnTerminationSignals(&logger);
#elif defined(Q_OS_WIN)
    ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
#endif
    if (!logger.start())
        return Runtime::kFailureExitStatus;
    const int status = QCoreApplication::exec();
    logger.finish();
#ifdef Q_OS_WIN
    g_ended = true;
#endif
    return status;
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

namespace {

void tell(const QString &path, const QString &what)
{
    ConsoleAnswer::write(
            QStringLiteral("freqcounter: %1: %2.\n").arg(QDir::toNativeSeparators(path), what),
            ConsoleAnswer::Stream::Error);
}

// Every reading of the file; what was left out or went wrong told.
std::optional<RecordingFigures> readFigures(const QString &path, const StatisticsOptions &options)
{
    QStringList notes;
    std::optional<RecordingFigures> read = RecordingFigures::read(path, options, &notes);
    for (const QString &note : std::as_const(notes))
        tell(path, note);
    return read;
}

} // namespace

int printStabilityTable(const QStringList &paths, const StatisticsOptions &options)
{
    if (paths.size() == 1) {
        const std::optional<RecordingFigures> read = readFigures(paths.constFirst(), options);
        if (!read)
            return Runtime::kFailureExitStatus;
        ConsoleAnswer::write(QString::fromUtf8(stabilityTable(read->figures)),
                             ConsoleAnswer::Stream::Output);
        return 0;
    }
    // Those that can be read are printed, whatever the others; when none
    // can, nothing is.
    QList<NamedFigures> recordings;
    for (const QString &path : paths) {
        if (const std::optional<RecordingFigures> read = readFigures(path, options))
            recordings.append({path, read->figures});
    }
    if (!recordings.isEmpty()) {
        ConsoleAnswer::write(QString::fromUtf8(stabilityTable(recordings)),
                             ConsoleAnswer::Stream::Output);
    }
    return recordings.size() == paths.size() ? 0 : Runtime::kFailureExitStatus;
}

int printThreeCorneredHat(const std::array<QString, 3> &paths, const StatisticsOptions &options)
{
    // The table has none of the slow figures.
    StatisticsOptions fast = options;
    fast.slow = false;
    QStringList notes;
    const std::optional<std::array<RecordingFigures, 3>> pairs
            = RecordingFigures::readPairs(paths, fast, &notes);
    for (const QString &note : std::as_const(notes)) {
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1.\n").arg(note),
                             ConsoleAnswer::Stream::Error);
    }
    if (!pairs)
        return Runtime::kFailureExitStatus;
    ConsoleAnswer::write(QString::fromUtf8(threeCorneredHatTable(
                                 pairs->at(0).figures, pairs->at(1).figures, pairs->at(2).figures)),
                         ConsoleAnswer::Stream::Output);
    return 0;
}

int plotRecording(const QString &out, const QStringList &paths, const StatisticsOptions &options)
{
    StabilityPlot plot;
    QList<FigureTexts::Spanned> spans;
    bool driftRemoved = false;
    for (const QString &path : paths) {
        const std::optional<RecordingFigures> read = readFigures(path, options);
        if (!read)
            return Runtime::kFailureExitStatus;
        const FigureTexts::Spanned span{QFileInfo(path).fileName(), read->firstMsecs,
                                        read->lastMsecs, read->figures.tau0Seconds};
        if (spans.isEmpty())
            plot.setFigures(read->figures, FigureTexts::legendName(span));
        else
            plot.compare(FigureTexts::legendName(span), read->figures);
        spans.append(span);
        driftRemoved = driftRemoved || read->figures.driftRemoved;
    }
    const QStringList caption = spans.size() == 1
            ? FigureTexts::caption(spans.constFirst().of, spans.constFirst().firstMsecs,
                                   spans.constFirst().lastMsecs, spans.constFirst().tau0Seconds,
                                   plot.shownNames(), driftRemoved)
            : FigureTexts::comparisonCaption(spans, plot.shownNames(), driftRemoved);
    QString error;
    if (!PlotPicture::save(plot, out, PlotPicture::kDefaultSize, caption, &error)) {
        tell(out, error);
        return Runtime::kFailureExitStatus;
    }
    return 0;
}

} // namespace freqcounter
