// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "networkaddress.h"
#include "nominal.h"
#include "plotpicture.h"
#include "translations.h"
#include "windowdefinition.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <algorithm>
#include <array>
#include <chrono>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace freqcounter::CommandLine {

using Translations::translate;

namespace {

constexpr std::array<qint16, 2> kNamedPorts{1, 2};

// Qt's own options, written without their leading dash; Qt takes each with
// one dash or two, and those with a value also as -name=value.
const QStringList &qtOptionsWithValue()
{
    static const QStringList options{
            QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
            QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
            QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
            QStringLiteral("qwindowicon"),     QStringLiteral("icon"),
            QStringLiteral("qwindowtitle"),    QStringLiteral("title"),
            QStringLiteral("session"),         QStringLiteral("display"),
            QStringLiteral("style"),           QStringLiteral("stylesheet"),
            QStringLiteral("qmljsdebugger")};
    return options;
}

const QStringList &qtFlags()
{
    static const QStringList flags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"), QStringLiteral("dograb"),
                                   QStringLiteral("testability")};
    return flags;
}

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

// Takes what a value gave, or notes the mistake when it gave nothing.
template<typename T>
void takeOrNote(std::optional<T> &into, std::optional<T> given, const QString &mistake,
                Parsed &parsed)
{
    into = given;
    if (!into && parsed.mistake.isEmpty())
        parsed.mistake = mistake;
}

// Where a usage line shows an option.
enum class Usage { None, Run, Log, View, Stability, Plot, Hat };

// Each option of ours, one row: its names (the first is the long one), the
// name of its value (none for a flag), how the usage line shows it and on
// which line, its help, what a missing value says, and where its value
// goes or what the flag asks for.
struct Option
{
    QStringList names;
    QString valueName;
    QString usage;
    Usage line = Usage::None;
    QString help;
    QString missing;
    void (*take)(Parsed &parsed, const QString &value) = nullptr;
    Request request = Request::Run;

    QString name() const { return names.constFirst(); }
};

QString needsAFile(const char *name)
{
    return translate("CommandLine", "option '--%1' needs a file, for example --%1 readings.csv")
            .arg(QLatin1StringView(name));
}

QString hatNeedsThree()
{
    return translate(
            "CommandLine",
            "option '--three-cornered-hat' needs three recordings, of the pairs A-B, B-C and C-A, "
            "for example --three-cornered-hat ab.csv bc.csv ca.csv");
}

QString needsADevice(qint16 port)
{
    return translate("CommandLine", "option '%1' needs a device, for example %1 /dev/ttyUSB0")
            .arg(PortDevices::option(port));
}

// Takes one of a port's overrides, or notes the mistake when the value is
// none.
template<typename T>
void takeFor(Parsed &parsed, qint16 port, std::optional<T> PortOverrides::*field,
             std::optional<T> given, const QString &mistake)
{
    PortOverrides overrides = parsed.devices.overrides(port);
    takeOrNote(overrides.*field, given, mistake, parsed);
    parsed.devices.setOverrides(port, overrides);
}

std::optional<std::chrono::milliseconds> parseSeconds(const QString &value)
{
    bool isNumber = false;
    const double seconds = value.toDouble(&isNumber);
    if (!isNumber || !(seconds >= 0.1) || seconds > 60.0)
        return std::nullopt;
    return std::chrono::milliseconds(qRound64(seconds * 1000.0));
}

// A device, or a counter on the network as tcp://HOST:PORT.
void takeDevice(Parsed &parsed, qint16 port, const QString &value)
{
    if (NetworkAddress::isAddress(value) && !NetworkAddress::parse(value)) {
        if (parsed.mistake.isEmpty()) {
            parsed.mistake = translate("CommandLine",
                                       "option '%1': %2 is no network address; give "
                                       "tcp://HOST:PORT, such as tcp://192.168.1.20:5025")
                                     .arg(PortDevices::option(port), quoted(value));
        }
        return;
    }
    parsed.devices.name(port, value);
    if (!parsed.portsNamed.contains(port))
        parsed.portsNamed.append(port);
}

void takeLine(Parsed &parsed, qint16 port, const QString &value)
{
    takeFor(parsed, port, &PortOverrides::line, LineSettings::parse(value),
            translate("CommandLine",
                      "option '--line%1': %2 is no line setting; give BAUD/FORMAT[/FLOW], "
                      "such as 9600/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff (baud 50 to "
                      "4000000, 7 or 8 data bits, parity n, e or o, 1 or 2 stop bits)")
                    .arg(port)
                    .arg(quoted(value)));
}

void takeText(Parsed &parsed, qint16 port, std::optional<QString> PortOverrides::*field,
              const QString &value)
{
    PortOverrides overrides = parsed.devices.overrides(port);
    overrides.*field = value;
    parsed.devices.setOverrides(port, overrides);
}

void takeUnit(Parsed &parsed, qint16 port, const QString &value)
{
    takeFor(parsed, port, &PortOverrides::unit, parseCounterUnit(value),
            translate("CommandLine",
                      "option '--unit%1': %2 is no unit a counter reads in; give Hz, kHz "
                      "or MHz, or for time intervals s, ms, us, ns or ps")
                    .arg(port)
                    .arg(quoted(value)));
}

void takeAnswerTime(Parsed &parsed, qint16 port, const QString &value)
{
    takeFor(parsed, port, &PortOverrides::answerTime, parseSeconds(value),
            translate("CommandLine",
                      "option '--timeout%1': %2 is no time an answer may take; give "
                      "seconds from 0.1 to 60, such as 2")
                    .arg(port)
                    .arg(quoted(value)));
}

// A port's own options: --line1, --setup1, --query1, --unit1 and --timeout1,
// the same for Com2; the second port's help says only that.
QList<Option> portOptions(qint16 port)
{
    const auto name = [port](const char *what) {
        return QStringLiteral("%1%2").arg(QLatin1StringView(what)).arg(port);
    };
    const auto needs = [&name](const char *what, const char *value, const char *example) {
        return translate("CommandLine", "option '--%1' needs %2, for example --%1 %3")
                .arg(name(what), translate("CommandLine", value), QLatin1StringView(example));
    };
    const bool first = port == 1;
    const auto help = [first, port](const char *text) {
        return first ? translate("CommandLine", text)
                     : translate("CommandLine", "the same for Com%1").arg(port);
    };
    // The value after the option's name: which port, and what was given.
    using Take = void (*)(Parsed &, const QString &);
    const std::array<Take, 5> takes = first
            ? std::array<Take, 5>{
                    [](Parsed &p, const QString &v) { takeLine(p, 1, v); },
                    [](Parsed &p, const QString &v) { takeText(p, 1, &PortOverrides::setup, v); },
                    [](Parsed &p, const QString &v) { takeText(p, 1, &PortOverrides::query, v); },
                    [](Parsed &p, const QString &v) { takeUnit(p, 1, v); },
                    [](Parsed &p, const QString &v) { takeAnswerTime(p, 1, v); }}
            : std::array<Take, 5>{
                    [](Parsed &p, const QString &v) { takeLine(p, 2, v); },
                    [](Parsed &p, const QString &v) { takeText(p, 2, &PortOverrides::setup, v); },
                    [](Parsed &p, const QString &v) { takeText(p, 2, &PortOverrides::query, v); },
                    [](Parsed &p, const QString &v) { takeUnit(p, 2, v); },
                    [](Parsed &p, const QString &v) { takeAnswerTime(p, 2, v); }};
    const auto usage = [&name](const char *what, const char *value) {
        return QStringLiteral("[--%1 %2]").arg(name(what), QLatin1StringView(value));
    };
    return {
            {{name("line")},
             QStringLiteral("LINE"),
             usage("line", "LINE"),
             Usage::Run,
             help(QT_TRANSLATE_NOOP("CommandLine",
                                    "how Com1's line speaks, as BAUD/FORMAT[/FLOW]: 9600/8n1,\n"
                                    "19200/7e2/rtscts, 4800/8n1/xonxoff (1200/8n1 unless\n"
                                    "kept from Line Settings...)")),
             needs("line", QT_TRANSLATE_NOOP("CommandLine", "the line's settings"), "9600/8n1"),
             takes[0]},
            {{name("setup")},
             QStringLiteral("TEXT"),
             {},
             Usage::None,
             help(QT_TRANSLATE_NOOP("CommandLine",
                                    "sent once after each opening, such as *RST;:CONF:FREQ")),
             needs("setup", QT_TRANSLATE_NOOP("CommandLine", "the text to send"), "*RST"),
             takes[1]},
            {{name("query")},
             QStringLiteral("TEXT"),
             usage("query", "TEXT"),
             Usage::Run,
             help(QT_TRANSLATE_NOOP("CommandLine",
                                    "sent at each poll once the last answer is in, such as\n"
                                    "READ? (\\r and \\n stand for CR and LF; a line feed\n"
                                    "follows)")),
             needs("query", QT_TRANSLATE_NOOP("CommandLine", "the text to send"), "READ?"),
             takes[2]},
            {{name("unit")},
             QStringLiteral("UNIT"),
             {},
             Usage::None,
             help(QT_TRANSLATE_NOOP(
                     "CommandLine",
                     "the unit of the counter's readings: Hz, kHz or MHz\n(MHz unless kept); s, "
                     "ms, "
                     "us, ns or ps for a time-interval\ncounter, whose readings are phases")),
             needs("unit", QT_TRANSLATE_NOOP("CommandLine", "a unit"), "Hz"),
             takes[3]},
            {{name("timeout")},
             QStringLiteral("S"),
             {},
             Usage::None,
             help(QT_TRANSLATE_NOOP(
                     "CommandLine",
                     "how long an answer may take, 0.1 to 60 seconds\n(2 unless kept), then the "
                     "query is asked again")),
             needs("timeout", QT_TRANSLATE_NOOP("CommandLine", "a number of seconds"), "2"),
             takes[4]},
    };
}

const QList<Option> &options()
{
    static const QList<Option> table = QList<Option>{
            {{QStringLiteral("com1")},
             QStringLiteral("DEVICE"),
             QStringLiteral("[--com1 DEVICE]"),
             Usage::Run,
             translate("CommandLine", "the device of the Com1 button, such as /dev/ttyUSB0,\n"
                            "/dev/serial/by-id/usb-FTDI_...-port0 or COM5; or a\n"
                            "counter on the network, tcp://HOST:PORT"),
             needsADevice(1),
             [](Parsed &parsed, const QString &value) { takeDevice(parsed, 1, value); }},
            {{QStringLiteral("com2")},
             QStringLiteral("DEVICE"),
             QStringLiteral("[--com2 DEVICE]"),
             Usage::Run,
             translate("CommandLine", "the device of the Com2 button"),
             needsADevice(2),
             [](Parsed &parsed, const QString &value) { takeDevice(parsed, 2, value); }},
            {{QStringLiteral("forget-com1")},
             {},
             QStringLiteral("[--forget-com1] [--forget-com2]"),
             Usage::Run,
             translate("CommandLine", "forget the device or address Line Settings... kept\n"
                            "for the Com1 button, then start"),
             {},
             [](Parsed &parsed, const QString &) { parsed.forget.append(1); }},
            {{QStringLiteral("forget-com2")},
             {},
             {},
             Usage::None,
             translate("CommandLine", "the same for Com2"),
             {},
             [](Parsed &parsed, const QString &) { parsed.forget.append(2); }},
    } + portOptions(1) + portOptions(2) + QList<Option>{
            {{QStringLiteral("record")},
             QStringLiteral("FILE"),
             QStringLiteral("[--record FILE]"),
             Usage::Run,
             translate("CommandLine", "record every reading shown to a CSV file, from the\n"
                            "start (appended to when it exists)"),
             needsAFile("record"),
             [](Parsed &parsed, const QString &value) { parsed.recordPath = value; }},
            {{QStringLiteral("no-window")},
             {},
             QStringLiteral("--no-window"),
             Usage::Log,
             translate("CommandLine", "read the counter with no window and no display:\n"
                            "record it (--record) or serve it (--serve), riding\n"
                            "through lost lines, until ended by a signal"),
             {},
             nullptr,
             Request::Log},
            {{QStringLiteral("serve")},
             QStringLiteral("PORT"),
             QStringLiteral("[--serve [ADDRESS:]PORT]"),
             Usage::Log,
             translate("CommandLine", "serve each reading as the counter sent it, a line\n"
                            "each, on TCP port PORT, to other windows reading\n"
                            "tcp://HOST:PORT; to this machine alone unless given\n"
                            "as ADDRESS:PORT, such as 0.0.0.0:5025 for every network"),
             translate("CommandLine", "option '--serve' needs a port, for example --serve 5025"),
             [](Parsed &parsed, const QString &value) {
                 const ServeAddress::Parsed given = ServeAddress::parse(value);
                 takeOrNote(parsed.serve, given.address,
                            translate("CommandLine", "option '--serve': %1").arg(given.mistake),
                            parsed);
             }},
            {{QStringLiteral("reconnect")},
             {},
             QStringLiteral("[--reconnect]"),
             Usage::Run,
             translate("CommandLine", "wait for a lost line and reopen it, instead of ending;\n"
                            "for this run, as the menu's Reconnect When Lost"),
             {},
             [](Parsed &parsed, const QString &) { parsed.reconnect = true; }},
            {{QStringLiteral("nominal")},
             QStringLiteral("FREQ"),
             QStringLiteral("[--nominal FREQ [--tolerance TOL]]"),
             Usage::Run,
             translate("CommandLine", "compare each reading with this frequency: 10MHz,\n"
                            "10 MHz, 10000000 Hz (MHz without a unit); kept for\n"
                            "the next start, as the menu's Compare with Nominal"),
             translate("CommandLine", "option '--nominal' needs a frequency, for example --nominal 10MHz"),
             [](Parsed &parsed, const QString &value) {
                 takeOrNote(parsed.nominalHz, Nominal::parseFrequencyHz(value),
                            translate("CommandLine", "option '--nominal': %1 is no frequency above 0; give "
                                           "one such as 10MHz, 10 MHz or 10000000 Hz (MHz without "
                                           "a unit)")
                                    .arg(quoted(value)),
                            parsed);
             }},
            {{QStringLiteral("tolerance")},
             QStringLiteral("TOL"),
             {},
             Usage::None,
             translate("CommandLine", "the band around it, such as 10ppm, 50ppb or 25Hz;\n"
                            "a reading outside it shows in a warning colour"),
             translate("CommandLine", "option '--tolerance' needs a tolerance, for example --tolerance "
                            "10ppm"),
             [](Parsed &parsed, const QString &value) {
                 takeOrNote(parsed.tolerance, Nominal::parseTolerance(value),
                            translate("CommandLine", "option '--tolerance': %1 is no tolerance above 0 in "
                                           "ppm, ppb or Hz; give one such as 10ppm, 0.5 ppm, "
                                           "50ppb or 25Hz")
                                    .arg(quoted(value)),
                            parsed);
             }},
            {{QStringLiteral("scale")},
             QStringLiteral("FACTOR"),
             QStringLiteral("[--scale FACTOR] [--offset FREQ]"),
             Usage::Run,
             translate("CommandLine", "show FACTOR times each reading: 64 behind a\n"
                            "divide-by-64 prescaler, -1 for IF - LO; for this\n"
                            "run only, as --offset"),
             translate("CommandLine", "option '--scale' needs a factor, for example --scale 64"),
             [](Parsed &parsed, const QString &value) {
                 const bool factor = CounterMath::isFactor(value);
                 takeOrNote(parsed.scale, factor ? std::optional(value) : std::nullopt,
                            translate("CommandLine", "option '--scale': %1 is no factor; give a number "
                                           "other than 0, such as 64, -1 or 0.5")
                                    .arg(quoted(value)),
                            parsed);
             }},
            {{QStringLiteral("offset")},
             QStringLiteral("FREQ"),
             {},
             Usage::None,
             translate("CommandLine", "add FREQ, with its sign and unit, to each reading:\n"
                            "-10.7MHz shows LO - IF, +455kHz LO + IF"),
             translate("CommandLine", "option '--offset' needs a frequency, for example --offset -10.7MHz"),
             [](Parsed &parsed, const QString &value) {
                 const bool offset = CounterMath::isOffset(value);
                 takeOrNote(parsed.offset, offset ? std::optional(value) : std::nullopt,
                            translate("CommandLine", "option '--offset': %1 is no frequency with its unit; "
                                           "give one such as -10.7MHz, +455kHz or 0Hz")
                                    .arg(quoted(value)),
                            parsed);
             }},
            {{QStringLiteral("list-ports")},
             {},
             QStringLiteral("[--list-ports]"),
             Usage::Run,
             translate("CommandLine", "list the serial ports found and which of them Com1\n"
                            "and Com2 take, then exit"),
             {},
             nullptr,
             Request::ListPorts},
            {{QStringLiteral("view")},
             QStringLiteral("FILE"),
             QStringLiteral("--view FILE"),
             Usage::View,
             translate("CommandLine", "look at a recording (or an export) again in a history\n"
                            "window of its own; no port is opened"),
             needsAFile("view"),
             [](Parsed &parsed, const QString &value) { parsed.viewPath = value; }},
            {{QStringLiteral("stability")},
             QStringLiteral("FILE"),
             QStringLiteral("--stability FILE [FILE...]"),
             Usage::Stability,
             translate("CommandLine", "print the stability table of a recording as CSV,\n"
                            "then exit; of several, one table with the\n"
                            "recording in a first column"),
             needsAFile("stability"),
             [](Parsed &parsed, const QString &value) { parsed.stabilityPath = value; }},
            {{QStringLiteral("remove-drift")},
             QStringLiteral("none|linear"),
             QStringLiteral("[--remove-drift none|linear]"),
             Usage::Stability,
             translate("CommandLine", "with --stability, --plot or --three-cornered-hat:\n"
                            "take the drift of the straight-line fit out of\n"
                            "every deviation (none)"),
             translate("CommandLine", "option '--remove-drift' needs none or linear"),
             [](Parsed &parsed, const QString &value) {
                 if (value == QStringLiteral("none") || value == QStringLiteral("linear")) {
                     parsed.figures.removeDrift = value == QStringLiteral("linear");
                 } else if (parsed.mistake.isEmpty()) {
                     parsed.mistake = translate("CommandLine", "option '--remove-drift': %1 is neither none "
                                                     "nor linear")
                                              .arg(quoted(value));
                 }
             }},
            {{QStringLiteral("ageing")},
             {},
             QStringLiteral("[--ageing]"),
             Usage::Stability,
             translate("CommandLine", "with --stability: fit the logarithmic model of\n"
                            "ageing to a day or more of readings"),
             {},
             [](Parsed &parsed, const QString &) { parsed.figures.ageing = true; }},
            {{QStringLiteral("plot")},
             QStringLiteral("OUT"),
             QStringLiteral("--plot OUT.svg|OUT.png RECORDING [RECORDING...]"),
             Usage::Plot,
             translate("CommandLine", "draw the sigma-tau plot of a recording, every\n"
                            "estimator, into an SVG or PNG picture of 1200x800\n"
                            "with no display, then exit; of several, all their\n"
                            "curves on one plot"),
             translate("CommandLine", "option '--plot' needs a picture and a recording, for example "
                            "--plot sigma-tau.svg readings.csv"),
             [](Parsed &parsed, const QString &value) {
                 if (PlotPicture::formatOf(value)) {
                     parsed.plotPath = value;
                 } else if (parsed.mistake.isEmpty()) {
                     parsed.mistake = translate("CommandLine", "option '--plot': %1 is no picture file; give "
                                                     "one ending in .svg or .png")
                                              .arg(quoted(value));
                 }
             }},
            {{QStringLiteral("three-cornered-hat")},
             QStringLiteral("AB.csv"),
             QStringLiteral("--three-cornered-hat AB.csv BC.csv CA.csv"),
             Usage::Hat,
             translate("CommandLine", "print as CSV each of three oscillators' own\n"
                            "deviations, from recordings of their pairs A-B,\n"
                            "B-C and C-A over the same span, then exit"),
             hatNeedsThree(),
             [](Parsed &parsed, const QString &value) { parsed.hatPaths.prepend(value); }},
            {{QStringLiteral("help"), QStringLiteral("h"), QStringLiteral("?")},
             {},
             QStringLiteral("[--help]"),
             Usage::Run,
             translate("CommandLine", "show this help and exit"),
             {},
             nullptr,
             Request::Help},
            {{QStringLiteral("version"), QStringLiteral("v")},
             {},
             QStringLiteral("[--version]"),
             Usage::Run,
             translate("CommandLine", "show the version and exit"),
             {},
             nullptr,
             Request::Version},
    };
    return table;
}

// Whether the argument after one of our options is its value: anything but
// the next option, and for a frequency, a tolerance or a factor a negative
// number too: a negative factor or offset is meant, a negative nominal is
// named as the mistake it is.
bool takesAsValue(const Option &option, const QString &next)
{
    if (!next.startsWith(u'-'))
        return true;
    const bool number = next.size() > 1 && (next.at(1).isDigit() || next.at(1) == u'.');
    return number
            && (option.name() == QStringLiteral("nominal")
                || option.name() == QStringLiteral("tolerance")
                || option.name() == QStringLiteral("scale")
                || option.name() == QStringLiteral("offset"));
}

// The arguments as QCommandLineParser is to take them: it takes whatever
// follows an option with a value as the value, both "--com1 X" and
// "--com1=X". A device or a file of ours never starts with a dash, though:
// that is the next option, and the one before it has no value. Such an
// option, a value of Qt's missing at the end, and a lone "--" are noted as
// the mistake and left out; a value of Qt's is whatever follows.
QStringList withoutMissingValues(const QStringList &arguments, QString &mistake)
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
        const QList<Option> &own = options();
        const auto ours = std::find_if(own.cbegin(), own.cend(), [&](const Option &o) {
            return !o.valueName.isEmpty() && o.name() == name;
        });
        if (argument == QStringLiteral("--")) {
            note(translate("CommandLine", "unknown argument %1").arg(quoted(argument)));
        } else if (ours != own.cend() && !argument.contains(u'=')
                   && !(valueFollows && takesAsValue(*ours, arguments.at(i + 1)))) {
            note(ours->missing);
        } else if (qtOptionsWithValue().contains(name) && !argument.contains(u'=')) {
            if (valueFollows)
                result.append({argument, arguments.at(++i)});
            else
                note(translate("CommandLine", "option %1 needs a value").arg(quoted(argument)));
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

// Our options' values, and Qt's options as QApplication is to take them.
void takeValues(const QCommandLineParser &parser, Parsed &parsed)
{
    for (const Option &option : options()) {
        if (option.take == nullptr || !parser.isSet(option.name()))
            continue;
        const QString value = parser.value(option.name());
        if (option.valueName.isEmpty())
            option.take(parsed, {});
        else if (value.isEmpty() && parsed.mistake.isEmpty())
            parsed.mistake = option.missing;
        else if (!value.isEmpty())
            option.take(parsed, value);
    }
    for (const QString &name : qtFlags()) {
        if (parser.isSet(name))
            parsed.qtArguments.append(u'-' + name);
    }
    for (const QString &name : qtOptionsWithValue()) {
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
    const QStringList taken = withoutMissingValues(arguments, parsed.mistake);

    QCommandLineParser parser;
    // Qt's options are words after one dash (-platform), so ours are too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option &option : options()) {
        parser.addOption(option.valueName.isEmpty()
                                 ? QCommandLineOption(option.names)
                                 : QCommandLineOption(option.names, {}, option.valueName));
    }
    for (const QString &name : qtOptionsWithValue()) {
        QCommandLineOption option(name, {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : qtFlags()) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool understood = parser.parse(taken);
    if (parsed.mistake.isEmpty()) {
        if (!parser.unknownOptionNames().isEmpty()) {
            parsed.mistake = translate("CommandLine", "unknown argument %1")
                                     .arg(quoted(givenAs(
                                             arguments, parser.unknownOptionNames().constFirst())));
        } else if (!understood) {
            // Such as a value given to an option that takes none.
            QString error = parser.errorText();
            if (error.endsWith(u'.'))
                error.chop(1);
            parsed.mistake = error.isEmpty() ? error : error.first(1).toLower() + error.sliced(1);
        } else {
            // The arguments that are no option's value: --plot's recordings,
            // --stability's after the first, the three-cornered hat's second
            // and third.
            QStringList positional = parser.positionalArguments();
            if (parser.isSet(QStringLiteral("plot"))) {
                if (positional.isEmpty()) {
                    parsed.mistake = translate("CommandLine",
                                               "option '--plot' needs a recording after the "
                                               "picture, for example --plot sigma-tau.svg "
                                               "readings.csv");
                } else {
                    parsed.plotRecording = positional.takeFirst();
                }
            }
            if (parser.isSet(QStringLiteral("three-cornered-hat")) && parsed.mistake.isEmpty()) {
                if (positional.size() < 2) {
                    parsed.mistake = hatNeedsThree();
                } else {
                    parsed.hatPaths.append(positional.takeFirst());
                    parsed.hatPaths.append(positional.takeFirst());
                }
            }
            if (parser.isSet(QStringLiteral("plot")) || parser.isSet(QStringLiteral("stability")))
                parsed.moreRecordings = std::exchange(positional, {});
            if (!positional.isEmpty() && parsed.mistake.isEmpty()) {
                parsed.mistake = translate("CommandLine", "unknown argument %1")
                                         .arg(quoted(positional.constFirst()));
            }
        }
    }

    takeValues(parser, parsed);
    if (parsed.tolerance && !parsed.nominalHz && !nominalKept && parsed.mistake.isEmpty()) {
        parsed.mistake = translate("CommandLine",
                                   "option '--tolerance' needs a nominal frequency: give "
                                   "--nominal too, such as --nominal 10MHz");
    }
    // Help and the version first, then a mistake, then what is asked for.
    const auto asked = [&parser](Request request) {
        return std::any_of(options().cbegin(), options().cend(), [&](const Option &option) {
            return option.request == request && parser.isSet(option.name());
        });
    };
    if (asked(Request::Help))
        parsed.request = Request::Help;
    else if (asked(Request::Version))
        parsed.request = Request::Version;
    else if (!parsed.mistake.isEmpty())
        parsed.request = Request::Mistake;
    else if (asked(Request::ListPorts))
        parsed.request = Request::ListPorts;
    else if (!parsed.plotPath.isEmpty())
        parsed.request = Request::Plot;
    else if (!parsed.hatPaths.isEmpty())
        parsed.request = Request::ThreeCorneredHat;
    else if (!parsed.stabilityPath.isEmpty())
        parsed.request = Request::Stability;
    else if (!parsed.viewPath.isEmpty())
        parsed.request = Request::View;
    else if (asked(Request::Log))
        parsed.request = Request::Log;
    if (parsed.request == Request::Log && parsed.recordPath.isEmpty() && !parsed.serve) {
        parsed.request = Request::Mistake;
        parsed.mistake = translate("CommandLine",
                                   "option '--no-window' needs --record FILE or --serve "
                                   "PORT: with no window there is nothing else to do");
    }
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
            rows.append(PortDescription{.device = device});
            buttons.append(QStringList());
        }
        buttons[at].append(QStringLiteral("Com%1").arg(port));
    }
    if (rows.isEmpty())
        return translate("CommandLine", "No serial port was found.\n");

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
    QStringList run;
    QStringList log;
    QStringList view;
    QStringList stability;
    QStringList plot;
    QStringList hat;
    for (const Option &option : options()) {
        if (option.line == Usage::Run)
            run.append(option.usage);
        else if (option.line == Usage::Log)
            log.append(option.usage);
        else if (option.line == Usage::View)
            view.append(option.usage);
        else if (option.line == Usage::Stability)
            stability.append(option.usage);
        else if (option.line == Usage::Plot)
            plot.append(option.usage);
        else if (option.line == Usage::Hat)
            hat.append(option.usage);
    }
    // The logger takes the window's options of the line, the counter and the
    // file; the usage line names only its own.
    log.insert(1, QStringLiteral("[--record FILE]"));
    log.append(QStringLiteral("[--com1 DEVICE] [--com2 DEVICE] [...]"));
    // Each way of starting it a line, the further ones as "or:" as GNU's
    // programs write them, which help2man reads into the manual's synopsis.
    return translate("CommandLine",
                     "Usage: freqcounter %1 [Qt options]\n"
                     "  or:  freqcounter %2\n"
                     "  or:  freqcounter %3 [Qt options]\n"
                     "  or:  freqcounter %4\n"
                     "  or:  freqcounter %5\n"
                     "  or:  freqcounter %6\n")
            .arg(run.join(u' '), log.join(u' '), view.join(u' '), stability.join(u' '),
                 plot.join(u' '), hat.join(u' '));
}

QString helpText()
{
    QString options;
    for (const Option &option : CommandLine::options()) {
        // "  --com1 DEVICE  the device ...", its further lines under the first.
        QStringList names;
        for (const QString &name : option.names)
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        std::rotate(names.begin(), names.begin() + 1, names.end());
        QString given = names.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty())
            given += u' ' + option.valueName;
        const QStringList lines = option.help.split(u'\n');
        options += QStringLiteral("  ") + given.leftJustified(13) + QStringLiteral("  ")
                + lines.first() + u'\n';
        for (const QString &line : lines.sliced(1))
            options += QString(17, u' ') + line + u'\n';
    }
    return usageLine()
            + translate("CommandLine",
                        "\n"
                        "Shows the live reading of a 2 GHz frequency counter on a serial port\n"
                        "(1200 baud, 8 data bits, no parity, 1 stop bit, unless told otherwise)\n"
                        "in a window titled \"%1\".\n"
                        "\n")
                      .arg(WindowDefinition::kTitle)
            + translate("CommandLine", "Options:\n") + options
            + translate("CommandLine",
                        "\n"
                        "Each button's device is, first that applies: its option, the variable\n"
                        "FREQCOUNTER_COM1 or FREQCOUNTER_COM2, the device chosen in the menu's\n"
                        "Line Settings before, or the serial ports found, USB adapters first\n"
                        "(by serial number, then name), then the rest, such as\n"
                        "a mainboard's /dev/ttyS0 or COM1: Com1 takes the first, Com2 the\n"
                        "second. The device is looked up again each time its port is opened,\n"
                        "at start and at every click.\n"
                        "Qt's own options, such as -platform and -style, are accepted.\n"
                        "\n"
                        "Right-click the window for more: copy the reading, record to a file,\n"
                        "and the history (Ctrl+H): a chart of the readings with statistics.\n"
                        "\n"
                        "With --no-window it reads --com1 (and --com2) with every option above\n"
                        "for the line, the counter and the math, waits for a lost line, and\n"
                        "tells each change on standard error. It ends with status 0 on SIGTERM,\n"
                        "SIGINT or SIGHUP (Ctrl+C on Windows), 1 on a failure waiting cannot\n"
                        "mend (such as a file that cannot be written), 2 on a mistake here.\n");
}

QString versionText()
{
    return QStringLiteral("freqcounter %1\n").arg(QStringLiteral(FREQCOUNTER_VERSION));
}

} // namespace freqcounter::CommandLine
