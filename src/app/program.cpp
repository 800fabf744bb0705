#include "program.h"

#include "form1.h"
#include "messageboxreporter.h"
#include "readingactions.h"
#include "runtime.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

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
// would, so the port is closed and its lock file removed.
void quitOnTerminationSignals(QObject *context)
{
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [] {
        char signalled = 0;
        while (::read(g_signalPipe[0], &signalled, 1) > 0) {}
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

int runProgram(const PortDevices &devices, const QString &recordPath)
{
    QApplication::setWindowIcon(applicationIcon());
    Runtime runtime(std::make_unique<MessageBoxReporter>());
#ifdef Q_OS_UNIX
    quitOnTerminationSignals(&runtime);
#endif
    Form1 form(runtime, devices);
    ReadingActions actions(form, runtime);
    QObject::connect(&form, &Form1::readingReceived, &actions, &ReadingActions::readingReceived);
    if (!form.load())
        return Runtime::kFailureExitStatus;
    if (!recordPath.isEmpty() && !runtime.run([&] { actions.startRecording(recordPath); }))
        return Runtime::kFailureExitStatus;
    form.show();
    const int status = QApplication::exec();
    return runtime.hasFailed() ? Runtime::kFailureExitStatus : status;
}

} // namespace freqcounter
