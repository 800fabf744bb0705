#include "commandline.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>

namespace freqcounter::CommandLine {

namespace {

constexpr std::array<qint16, 2> kNamedPorts{1, 2};

// Qt's own options that take a value, and those that stand alone, written
// without their leading dash; Qt takes each with one dash or two.
constexpr std::array<QByteArrayView, 14> kQtOptionsWithValue{
        "platform",        "platformpluginpath",
        "platformtheme",   "plugin",
        "qwindowgeometry", "geometry",
        "qwindowicon",     "icon",
        "qwindowtitle",    "title",
        "session",         "display",
        "style",           "stylesheet"};
constexpr std::array<QByteArrayView, 5> kQtFlags{"reverse", "widgetcount", "nograb", "dograb",
                                                 "testability"};
// Those Qt also takes as -name=value.
constexpr std::array<QByteArrayView, 3> kQtOptionsWithEquals{"style", "stylesheet",
                                                             "qmljsdebugger"};

template<std::size_t N>
bool isOneOf(QByteArrayView name, const std::array<QByteArrayView, N> &names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

QByteArrayView withoutDashes(QByteArrayView argument)
{
    if (argument.startsWith("--"))
        return argument.sliced(2);
    if (argument.startsWith("-"))
        return argument.sliced(1);
    return {};
}

QString quoted(QByteArrayView argument)
{
    return QStringLiteral("'%1'").arg(QString::fromLocal8Bit(argument));
}

} // namespace

Parsed parse(int argc, char **argv)
{
    Parsed parsed;
    bool help = false;
    bool version = false;
    bool list = false;
    if (argc > 0)
        parsed.qtArguments.push_back(argv[0]);
    const auto mistake = [&parsed](const QString &what) {
        if (parsed.mistake.isEmpty())
            parsed.mistake = what;
    };

    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "-?") {
            help = true;
            continue;
        }
        if (argument == "--version" || argument == "-v") {
            version = true;
            continue;
        }
        if (argument == "--list-ports") {
            list = true;
            continue;
        }

        if (argument == "--record" || argument.startsWith("--record=")) {
            QByteArrayView path;
            if (argument.startsWith("--record="))
                path = argument.sliced(9);
            else if (i + 1 < argc && !QByteArrayView(argv[i + 1]).startsWith("-"))
                path = argv[++i];
            if (path.isEmpty())
                mistake(QStringLiteral("option '--record' needs a file, for example "
                                       "--record readings.csv"));
            else
                parsed.recordPath = QString::fromLocal8Bit(path);
            continue;
        }

        bool ours = false;
        for (const qint16 port : kNamedPorts) {
            const QByteArray option = PortDevices::option(port).toLatin1();
            QByteArrayView device;
            if (argument == option) {
                ours = true;
                // A device never starts with a dash: that is the next option.
                if (i + 1 < argc && !QByteArrayView(argv[i + 1]).startsWith("-"))
                    device = argv[++i];
            } else if (argument.startsWith(option + '=')) {
                ours = true;
                device = argument.sliced(option.size() + 1);
            }
            if (!ours)
                continue;
            if (device.isEmpty())
                mistake(QStringLiteral("option '%1' needs a device, for example %1 /dev/ttyUSB0")
                                .arg(QString::fromLatin1(option)));
            else
                parsed.devices.name(port, QString::fromLocal8Bit(device));
            break;
        }
        if (ours)
            continue;

        const QByteArrayView name = withoutDashes(argument);
        const qsizetype equals = name.indexOf('=');
        if (isOneOf(name, kQtFlags)
            || (equals > 0 && isOneOf(name.first(equals), kQtOptionsWithEquals))) {
            parsed.qtArguments.push_back(argv[i]);
        } else if (isOneOf(name, kQtOptionsWithValue)) {
            if (i + 1 < argc) {
                parsed.qtArguments.push_back(argv[i]);
                parsed.qtArguments.push_back(argv[++i]);
            } else {
                mistake(QStringLiteral("option %1 needs a value").arg(quoted(argument)));
            }
        } else {
            mistake(QStringLiteral("unknown argument %1").arg(quoted(argument)));
        }
    }
    parsed.qtArguments.push_back(nullptr);

    if (help)
        parsed.request = Request::Help;
    else if (version)
        parsed.request = Request::Version;
    else if (!parsed.mistake.isEmpty())
        parsed.request = Request::Mistake;
    else if (list)
        parsed.request = Request::ListPorts;
    return parsed;
}

QString leftover(const QStringList &arguments)
{
    return arguments.size() > 1 ? arguments.at(1) : QString();
}

QString portListing(const PortDevices &devices, const QList<PortDescription> &found)
{
    // One row per port found, then any named device that is none of them.
    QList<PortDescription> rows = found;
    QList<QStringList> buttons(rows.size());
    for (const qint16 port : kNamedPorts) {
        const QString device = devices.deviceFor(port, found);
        if (device.isEmpty())
            continue;
        qsizetype at = indexOfPort(rows, device);
        if (at < 0) {
            at = rows.size();
            rows.append(PortDescription{device, {}, {}, {}, {}, false});
            buttons.append(QStringList());
        }
        buttons[at].append(QStringLiteral("Com%1").arg(port));
    }
    if (rows.isEmpty())
        return QStringLiteral("No serial port was found.\n");

    QList<QStringList> table{{QStringLiteral("DEVICE"), QStringLiteral("STABLE NAME"),
                              QStringLiteral("DESCRIPTION"), QStringLiteral("MANUFACTURER"),
                              QStringLiteral("BUTTON")}};
    const auto orDash
            = [](const QString &text) { return text.isEmpty() ? QStringLiteral("-") : text; };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const PortDescription &port = rows.at(i);
        table.append({port.device, orDash(port.stableName), orDash(port.description),
                      orDash(port.manufacturer), orDash(buttons.at(i).join(u','))});
    }

    QList<qsizetype> widths(table.first().size(), 0);
    for (const QStringList &row : std::as_const(table)) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row.at(column).size());
    }
    QString listing;
    for (const QStringList &row : std::as_const(table)) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            if (column + 1 < row.size())
                line += row.at(column).leftJustified(widths.at(column) + 2);
            else
                line += row.at(column);
        }
        listing += line + u'\n';
    }
    return listing;
}

QString usageLine()
{
    return QStringLiteral("Usage: freqcounter [--com1 DEVICE] [--com2 DEVICE] [--record FILE] "
                          "[--list-ports] [--help] [--version] [Qt options]\n");
}

QString helpText()
{
    return usageLine()
            + QStringLiteral(
                    "\n"
                    "Shows the live reading of a 2 GHz frequency counter on a serial port\n"
                    "(1200 baud, 8 data bits, no parity, 1 stop bit) in a window titled\n"
                    "\"2GHz Frequency counter\".\n"
                    "\n"
                    "  --com1 DEVICE  the device of the Com1 button, such as /dev/ttyUSB0\n"
                    "                 or /dev/serial/by-id/usb-FTDI_...-port0\n"
                    "  --com2 DEVICE  the device of the Com2 button\n"
                    "  --record FILE  record every reading shown to a CSV file, from the\n"
                    "                 start (appended to when it exists)\n"
                    "  --list-ports   list the serial ports found and which of them Com1\n"
                    "                 and Com2 take, then exit\n"
                    "  -h, --help     show this help and exit\n"
                    "  -v, --version  show the version and exit\n"
                    "\n"
                    "Each button's device is, first that applies: its option, the variable\n"
                    "FREQCOUNTER_COM1 or FREQCOUNTER_COM2, or the serial ports found, USB\n"
                    "adapters first (by serial number, then name), then the rest, such as\n"
                    "a mainboard's /dev/ttyS0: Com1 takes the first, Com2 the second. On\n"
                    "Windows they are COM1 and COM2 unless named. The device is looked up\n"
                    "again each time its port is opened, at start and at every click.\n"
                    "Qt's own options, such as -platform and -style, are accepted.\n"
                    "\n"
                    "Right-click the window for more: copy the reading, record to a file,\n"
                    "and the history (Ctrl+H): a chart of the readings with statistics.\n");
}

QString versionText()
{
    return QStringLiteral("freqcounter %1\n").arg(QStringLiteral(FREQCOUNTER_VERSION));
}

} // namespace freqcounter::CommandLine
