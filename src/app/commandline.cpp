// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "nominal.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <array>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace freqcounter::CommandLine {

namespace {

constexpr std::array<qint16, 2> kNamedPorts{1, 2};

// Qt's own options, written without their leading dash; Qt takes each with
// one dash or two, and those with a value also as -name=value.
const QStringList kQtOptionsWithValue{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
        QStringLiteral("qwindowicon"),     QStringLiteral("icon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("title"),
        QStringLiteral("session"),         QStringLiteral("display"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
        QStringLiteral("qmljsdebugger")};
const QStringList kQtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                           QStringLiteral("nograb"), QStringLiteral("dograb"),
                           QStringLiteral("testability")};

QString quoted(const QString &argument)
{
    return QStringLiteral("'%1'").arg(argument);
}

// "--com1=x" as "com1", "-platform" as "platform"; empty for no option.
QString optionName(const QString &argument)
{
    qsizetype dashes = 0;
    while (dashes < 2 && dashes < argument.size() && argument.at(dashes) == u'-')
        ++dashes;
    if (dashes == 0)
        return {};
    return argument.sliced(dashes).section(u'=', 0, 0);
}

// Our options with a value, and what is said when the value is missing.
struct OwnValueOption
{
    QString name;
    QString missing;
};

QList<OwnValueOption> ownValueOptions()
{
    QList<OwnValueOption> options;
    for (const qint16 port : kNamedPorts) {
        const QString option = PortDevices::option(port);
        options.append({option.sliced(2),
                        QStringLiteral("option '%1' needs a device, for example %1 /dev/ttyUSB0")
                                .arg(option)});
    }
    options.append({QStringLiteral("nominal"),
                    QStringLiteral("option '--nominal' needs a frequency, for example "
                                   "--nominal 10MHz")});
    options.append({QStringLiteral("tolerance"),
                    QStringLiteral("option '--tolerance' needs a tolerance, for example "
                                   "--tolerance 10ppm")});
    for (const char *name : {"record", "view", "stability"}) {
        const QString option = QString::fromLatin1(name);
        options.append({option,
                        QStringLiteral("option '--%1' needs a file, for example "
                                       "--%1 readings.csv")
                                .arg(option)});
    }
    return options;
}

// Whether the argument after one of our options is its value: anything but
// the next option, and for a frequency or a tolerance a negative number too,
// so that it is named as the mistake it is.
bool takesAsValue(const OwnValueOption &option, const QString &next)
{
    if (!next.startsWith(u'-'))
        return true;
    const bool number = next.size() > 1 && (next.at(1).isDigit() || next.at(1) == u'.');
    return number
            && (option.name == QStringLiteral("nominal")
                || option.name == QStringLiteral("tolerance"));
}

// The arguments as QCommandLineParser is to take them: it takes whatever
// follows an option with a value as the value, both "--com1 X" and
// "--com1=X". A device or a file of ours never starts with a dash, though:
// that is the next option, and the one before it has no value. Such an
// option, a value of Qt's missing at the end, and a lone "--" are noted as
// the mistake and left out; a value of Qt's is whatever follows.
QStringList withoutMissingValues(const QStringList &arguments, const QList<OwnValueOption> &own,
                                 QString &mistake)
{
    const auto note = [&mistake](const QString &what) {
        if (mistake.isEmpty())
            mistake = what;
    };
    QStringList result{arguments.value(0)};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const QString name = optionName(argument);
        const bool valueFollows = !argument.contains(u'=') && i + 1 < arguments.size();
        const auto ours = std::find_if(own.cbegin(), own.cend(),
                                       [&](const OwnValueOption &o) { return o.name == name; });
        if (argument == QStringLiteral("--")) {
            note(QStringLiteral("unknown argument %1").arg(quoted(argument)));
        } else if (ours != own.cend() && !argument.contains(u'=')
                   && !(valueFollows && takesAsValue(*ours, arguments.at(i + 1)))) {
            note(ours->missing);
        } else if (kQtOptionsWithValue.contains(name) && !argument.contains(u'=')) {
            if (valueFollows)
                result.append({argument, arguments.at(++i)});
            else
                note(QStringLiteral("option %1 needs a value").arg(quoted(argument)));
        } else {
            result.append(argument);
        }
    }
    return result;
}

// The argument as it was given that the parser names only by its name.
QString givenAs(const QStringList &arguments, const QString &name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (optionName(arguments.at(i)) == name)
            return arguments.at(i);
    }
    return name;
}

// Takes what a value gave, or notes the mistake when it gave nothing.
template<typename T>
void takeOrNote(std::optional<T> &into, std::optional<T> given, const QString &mistake,
                Parsed &parsed)
{
    into = given;
    if (!into && parsed.mistake.isEmpty())
        parsed.mistake = mistake;
}

// Our options' values, and Qt's options as QApplication is to take them.
void takeValues(const QCommandLineParser &parser, const QList<OwnValueOption> &own, Parsed &parsed)
{
    for (qsizetype i = 0; i < own.size(); ++i) {
        const QString &name = own.at(i).name;
        if (!parser.isSet(name))
            continue;
        const QString value = parser.value(name);
        if (value.isEmpty() && parsed.mistake.isEmpty())
            parsed.mistake = own.at(i).missing;
        else if (i < qsizetype(kNamedPorts.size()))
            parsed.devices.name(kNamedPorts.at(std::size_t(i)), value);
        else if (name == QStringLiteral("record"))
            parsed.recordPath = value;
        else if (name == QStringLiteral("view"))
            parsed.viewPath = value;
        else if (name == QStringLiteral("nominal"))
            takeOrNote(parsed.nominalHz, Nominal::parseFrequencyHz(value),
                       QStringLiteral("option '--nominal': %1 is no frequency above 0; give one "
                                      "such as 10MHz, 10 MHz or 10000000 Hz (MHz without a unit)")
                               .arg(quoted(value)),
                       parsed);
        else if (name == QStringLiteral("tolerance"))
            takeOrNote(parsed.tolerance, Nominal::parseTolerance(value),
                       QStringLiteral("option '--tolerance': %1 is no tolerance above 0 in ppm, "
                                      "ppb or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz")
                               .arg(quoted(value)),
                       parsed);
        else
            parsed.stabilityPath = value;
    }
    for (const QString &name : kQtFlags) {
        if (parser.isSet(name))
            parsed.qtArguments.append(u'-' + name);
    }
    for (const QString &name : kQtOptionsWithValue) {
        for (const QString &value : parser.values(name)) {
            // Qt takes its debugger's settings only as -name=value.
            if (name == QStringLiteral("qmljsdebugger"))
                parsed.qtArguments.append(u'-' + name + u'=' + value);
            else
                parsed.qtArguments.append({u'-' + name, value});
        }
    }
}

} // namespace

QStringList programArguments(int argc, char **argv)
{
#ifdef Q_OS_WIN
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    int count = 0;
    LPWSTR *wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 0; i < count; ++i)
        arguments.append(QString::fromWCharArray(wide[i]));
    ::LocalFree(wide);
    return arguments;
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
#endif
}

Parsed parse(const QStringList &arguments, bool nominalKept)
{
    Parsed parsed;
    parsed.qtArguments.append(arguments.value(0));
    const QList<OwnValueOption> own = ownValueOptions();
    const QStringList taken = withoutMissingValues(arguments, own, parsed.mistake);

    QCommandLineParser parser;
    // Qt's options are words after one dash (-platform), so ours are too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
            QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption list(QStringLiteral("list-ports"));
    parser.addOptions({help, version, list});
    for (const OwnValueOption &option : own)
        parser.addOption(QCommandLineOption(option.name, {}, QStringLiteral("value")));
    for (const QString &name : kQtOptionsWithValue) {
        QCommandLineOption option(name, {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool understood = parser.parse(taken);
    if (parsed.mistake.isEmpty()) {
        if (!parser.unknownOptionNames().isEmpty()) {
            parsed.mistake
                    = QStringLiteral("unknown argument %1")
                              .arg(quoted(givenAs(arguments, parser.unknownOptionNames().first())));
        } else if (!understood) {
            // Such as a value given to an option that takes none.
            QString error = parser.errorText();
            if (error.endsWith(u'.'))
                error.chop(1);
            parsed.mistake = error.isEmpty() ? error : error.first(1).toLower() + error.sliced(1);
        } else if (!parser.positionalArguments().isEmpty()) {
            parsed.mistake = QStringLiteral("unknown argument %1")
                                     .arg(quoted(parser.positionalArguments().first()));
        }
    }

    takeValues(parser, own, parsed);
    if (parsed.tolerance && !parsed.nominalHz && !nominalKept && parsed.mistake.isEmpty()) {
        parsed.mistake = QStringLiteral("option '--tolerance' needs a nominal frequency: give "
                                        "--nominal too, such as --nominal 10MHz");
    }
    if (parser.isSet(help))
        parsed.request = Request::Help;
    else if (parser.isSet(version))
        parsed.request = Request::Version;
    else if (!parsed.mistake.isEmpty())
        parsed.request = Request::Mistake;
    else if (parser.isSet(list))
        parsed.request = Request::ListPorts;
    else if (!parsed.stabilityPath.isEmpty())
        parsed.request = Request::Stability;
    else if (!parsed.viewPath.isEmpty())
        parsed.request = Request::View;
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
                          "[--nominal FREQ [--tolerance TOL]] [--list-ports] [--help] "
                          "[--version] [Qt options]\n"
                          "       freqcounter --view FILE [Qt options]\n"
                          "       freqcounter --stability FILE\n");
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
                    "  --com1 DEVICE  the device of the Com1 button, such as /dev/ttyUSB0,\n"
                    "                 /dev/serial/by-id/usb-FTDI_...-port0 or COM5\n"
                    "  --com2 DEVICE  the device of the Com2 button\n"
                    "  --record FILE  record every reading shown to a CSV file, from the\n"
                    "                 start (appended to when it exists)\n"
                    "  --nominal FREQ compare each reading with this frequency: 10MHz,\n"
                    "                 10 MHz, 10000000 Hz (MHz without a unit); kept for\n"
                    "                 the next start, as the menu's Compare with Nominal\n"
                    "  --tolerance TOL  the band around it, such as 10ppm, 50ppb or 25Hz;\n"
                    "                 a reading outside it shows in a warning colour\n"
                    "  --list-ports   list the serial ports found and which of them Com1\n"
                    "                 and Com2 take, then exit\n"
                    "  --view FILE    look at a recording (or an export) again in a history\n"
                    "                 window of its own; no port is opened\n"
                    "  --stability FILE  print the stability table of a recording as CSV,\n"
                    "                 then exit\n"
                    "  -h, --help     show this help and exit\n"
                    "  -v, --version  show the version and exit\n"
                    "\n"
                    "Each button's device is, first that applies: its option, the variable\n"
                    "FREQCOUNTER_COM1 or FREQCOUNTER_COM2, or the serial ports found, USB\n"
                    "adapters first (by serial number, then name), then the rest, such as\n"
                    "a mainboard's /dev/ttyS0 or COM1: Com1 takes the first, Com2 the\n"
                    "second. The device is looked up again each time its port is opened,\n"
                    "at start and at every click.\n"
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
