#include "commandline.h"
#include "program.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace freqcounter;
    CommandLine::Parsed parsed = CommandLine::parse(argc, argv);
    switch (parsed.request) {
    case CommandLine::Request::Help:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        return 0;
    case CommandLine::Request::Mistake:
        std::fprintf(stderr, "freqcounter: %s\n%s", qPrintable(parsed.mistake),
                     qPrintable(CommandLine::usageLine()));
        return 2;
    case CommandLine::Request::ListPorts:
        std::fputs(qPrintable(CommandLine::portListing(parsed.devices, parsed.devices.found())),
                   stdout);
        return 0;
    case CommandLine::Request::Run:
        break;
    }

    int qtArgc = static_cast<int>(parsed.qtArguments.size()) - 1;
    QApplication app(qtArgc, parsed.qtArguments.data());
    const QString leftover = CommandLine::leftover(QCoreApplication::arguments());
    if (!leftover.isEmpty()) {
        std::fprintf(stderr, "freqcounter: unknown argument '%s'\n%s", qPrintable(leftover),
                     qPrintable(CommandLine::usageLine()));
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("freqcounter"));
    QApplication::setApplicationVersion(QStringLiteral(FREQCOUNTER_VERSION));
    return runProgram(parsed.devices, parsed.recordPath);
}
