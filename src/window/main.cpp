#include "commandline.h"
#include "program.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace freqcounter;
    switch (CommandLine::request(argc, argv)) {
    case CommandLine::Request::Help:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        return 0;
    case CommandLine::Request::Run:
        break;
    }

    QApplication app(argc, argv);
    const QString leftover = CommandLine::leftover(QCoreApplication::arguments());
    if (!leftover.isEmpty()) {
        std::fprintf(stderr, "freqcounter: unknown argument '%s'\n%s", qPrintable(leftover),
                     qPrintable(CommandLine::usageLine()));
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("freqcounter"));
    QApplication::setApplicationVersion(QStringLiteral(FREQCOUNTER_VERSION));
    return runProgram();
}
