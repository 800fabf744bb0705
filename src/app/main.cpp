// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "consoleanswer.h"
#include "program.h"
#include "scrollareaaccessible.h"
#include "translations.h"

#include <QApplication>

#include <vector>

namespace {

// --forget-com1, --forget-com2: the devices Line Settings kept go.
void forgetDevices(const QList<qint16> &ports)
{
    using namespace freqcounter;
    for (const qint16 port : ports) {
        const QString kept = PortDevices::kept(port);
        if (kept.isEmpty())
            continue;
        PortDevices::keep(port, QString());
        ConsoleAnswer::write(Translations::translate(
                                     "CommandLine", "freqcounter: Com%1 no longer stands for %2.\n")
                                     .arg(port)
                                     .arg(kept),
                             ConsoleAnswer::Stream::Error);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    using namespace freqcounter;
    using ConsoleAnswer::Stream;
    // What was kept from the last run, which the command line overrides for
    // this one.
    // In the user's language from the first answer on.
    Translations::load();
    Comparison comparison = Comparison::kept();
    const QStringList arguments = CommandLine::programArguments(argc, argv);
    // The logger shows no box, not even for a mistake: nobody may be there
    // to close it.
    if (arguments.contains(QStringLiteral("--no-window")))
        ConsoleAnswer::withoutBoxes();
    const CommandLine::Parsed parsed
            = CommandLine::parse(arguments, comparison.nominalHz.has_value());
    switch (parsed.request) {
    case CommandLine::Request::Help:
        ConsoleAnswer::write(CommandLine::helpText(), Stream::Output);
        return 0;
    case CommandLine::Request::Version:
        ConsoleAnswer::write(CommandLine::versionText(), Stream::Output);
        return 0;
    case CommandLine::Request::Mistake:
        ConsoleAnswer::write(QStringLiteral("freqcounter: %1\n").arg(parsed.mistake)
                                     + CommandLine::usageLine(),
                             Stream::Error);
        return 2;
    case CommandLine::Request::ListPorts:
        ConsoleAnswer::write(CommandLine::portListing(parsed.devices, parsed.devices.found()),
                             Stream::Output);
        return 0;
    case CommandLine::Request::Stability: {
        // For the notes in the user's language; the table itself is the
        // same in every language.
        QCoreApplication app(argc, argv);
        Translations::install();
        return printStabilityTable(QStringList{parsed.stabilityPath} + parsed.moreRecordings,
                                   parsed.figures);
    }
    case CommandLine::Request::ThreeCorneredHat: {
        QCoreApplication app(argc, argv);
        Translations::install();
        return printThreeCorneredHat(
                {parsed.hatPaths.at(0), parsed.hatPaths.at(1), parsed.hatPaths.at(2)},
                parsed.figures);
    }
    case CommandLine::Request::Run:
    case CommandLine::Request::Log:
    case CommandLine::Request::View:
    case CommandLine::Request::Plot:
        break;
    }

    // Counter math given on the command line is for this run alone.
    CounterMath math = CounterMath::kept();
    if (parsed.scale || parsed.offset) {
        math = CounterMath::make(parsed.scale.value_or(QStringLiteral("1")),
                                 parsed.offset.value_or(QStringLiteral("0Hz")))
                       .value_or(CounterMath());
    }
    if (parsed.request == CommandLine::Request::Log) {
        // No display is needed, nor looked for.
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("freqcounter"));
        QCoreApplication::setApplicationVersion(QStringLiteral(FREQCOUNTER_VERSION));
        Translations::install();
        forgetDevices(parsed.forget);
        Logger::Setup setup{parsed.devices, parsed.portsNamed, parsed.recordPath, math,
                            parsed.serve};
        if (setup.ports.isEmpty())
            setup.ports = {1};
        return runLogger(std::move(setup));
    }

    // A picture is drawn with no display: unless a platform is named, none
    // is looked for.
    if (parsed.request == CommandLine::Request::Plot
        && !parsed.qtArguments.contains(QStringLiteral("-platform"))
        && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // QApplication keeps pointers into these for as long as it runs.
    std::vector<QByteArray> qtArguments;
    qtArguments.reserve(std::size_t(parsed.qtArguments.size()));
    for (const QString &argument : parsed.qtArguments)
        qtArguments.push_back(argument.toLocal8Bit());
    std::vector<char *> qtArgv;
    qtArgv.reserve(qtArguments.size() + 1);
    for (QByteArray &argument : qtArguments)
        qtArgv.push_back(argument.data());
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    QApplication app(qtArgc, qtArgv.data());
    Translations::install();
    const QString leftover = CommandLine::leftover(QCoreApplication::arguments());
    if (!leftover.isEmpty()) {
        ConsoleAnswer::write(
                Translations::translate("CommandLine", "freqcounter: unknown argument '%1'\n")
                                .arg(leftover)
                        + CommandLine::usageLine(),
                Stream::Error);
        return 2;
    }
    // Before any window: a screen reader may read the first one as it opens.
    ScrollAreaAccessible::install();
    QApplication::setApplicationName(QStringLiteral("freqcounter"));
    QApplication::setApplicationVersion(QStringLiteral(FREQCOUNTER_VERSION));
    if (parsed.request == CommandLine::Request::View)
        return viewRecording(parsed.viewPath);
    if (parsed.request == CommandLine::Request::Plot)
        return plotRecording(parsed.plotPath,
                             QStringList{parsed.plotRecording} + parsed.moreRecordings,
                             parsed.figures);
    forgetDevices(parsed.forget);
    if (parsed.nominalHz) {
        comparison.nominalHz = parsed.nominalHz;
        comparison.tolerance = parsed.tolerance;
    } else if (parsed.tolerance) {
        comparison.tolerance = parsed.tolerance;
    }
    return runProgram(parsed.devices,
                      {parsed.recordPath, comparison, math, parsed.serve, parsed.reconnect});
}
