#include "commandline.h"

#include <QByteArrayView>

namespace freqcounter::CommandLine {

Request request(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "-?")
            return Request::Help;
        if (argument == "--version" || argument == "-v")
            return Request::Version;
    }
    return Request::Run;
}

QString leftover(const QStringList &arguments)
{
    return arguments.size() > 1 ? arguments.at(1) : QString();
}

QString usageLine()
{
    return QStringLiteral("Usage: freqcounter [--help] [--version] [Qt options]\n");
}

QString helpText()
{
    return usageLine()
            + QStringLiteral(
                    "\n"
                    "Shows the live reading of a 2 GHz frequency counter on a serial port\n"
                    "(1200 baud, 8 data bits, no parity, 1 stop bit) in a window titled\n"
                    "\"2GHz Frequency counter\". It takes no options for its work.\n"
                    "\n"
                    "  -h, --help     show this help and exit\n"
                    "  -v, --version  show the version and exit\n"
                    "\n"
                    "The Com1 and Com2 buttons choose the port: /dev/ttyS0 and /dev/ttyS1,\n"
                    "unless FREQCOUNTER_COM1 and FREQCOUNTER_COM2 name other devices, for\n"
                    "example /dev/ttyUSB0 or /dev/serial/by-id/usb-FTDI_...-port0.\n"
                    "Qt's own options, such as -platform and -style, are accepted.\n");
}

QString versionText()
{
    return QStringLiteral("freqcounter %1\n").arg(QStringLiteral(FREQCOUNTER_VERSION));
}

} // namespace freqcounter::CommandLine
