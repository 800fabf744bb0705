// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QTest>

using namespace freqcounter;
using CommandLine::Request;

namespace {

QStringList command(std::initializer_list<const char *> arguments)
{
    QStringList list{QStringLiteral("freqcounter")};
    for (const char *argument : arguments)
        list.append(QString::fromUtf8(argument));
    return list;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void understood_data();
    void understood();
    void mistakes_data();
    void mistakes();
    void comparison_data();
    void comparison();
    void recordings_data();
    void recordings();
    void lines_data();
    void lines();
    void threeCorneredHat_data();
    void threeCorneredHat();
};

void TestCommandLine::understood_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("com1");
    QTest::addColumn<QString>("com2");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QStringList>("forQt");

    const QString none;
    const QStringList noQt;
    QTest::newRow("nothing: run on what is found")
            << command({}) << Request::Run << none << none << none << noQt;
    QTest::newRow("devices after a space and after '='")
            << command({"--com1", "/dev/ttyUSB0", "--com2=COM12"}) << Request::Run
            << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("COM12") << none << noQt;
    QTest::newRow("counters on the network, IPv6 in brackets")
            << command({"--com1", "tcp://[::1]:5025", "--com2", "tcp://shack-pi:4001"})
            << Request::Run << QStringLiteral("tcp://[::1]:5025")
            << QStringLiteral("tcp://shack-pi:4001") << none << noQt;
    QTest::newRow("the last of one option twice")
            << command({"--com1", "COM3", "--com1", "COM5"}) << Request::Run
            << QStringLiteral("COM5") << none << none << noQt;
    QTest::newRow("a Windows path outside the ANSI code page to record to")
            << command({"--record", "C:\\Μετρήσεις\\读数.csv"}) << Request::Run << none << none
            << QString::fromUtf8("C:\\Μετρήσεις\\读数.csv") << noQt;
    QTest::newRow("--record=FILE") << command({"--record=readings.csv"}) << Request::Run << none
                                   << none << QStringLiteral("readings.csv") << noQt;
    QTest::newRow("Qt's options with one dash or two, values and flags")
            << command({"-style", "Fusion", "--platform=offscreen", "-reverse"}) << Request::Run
            << none << none << none
            << QStringList{QStringLiteral("-reverse"), QStringLiteral("-platform"),
                           QStringLiteral("offscreen"), QStringLiteral("-style"),
                           QStringLiteral("Fusion")};
    QTest::newRow("a value of Qt's may start with a dash")
            << command({"-title", "-x-"}) << Request::Run << none << none << none
            << QStringList{QStringLiteral("-title"), QStringLiteral("-x-")};
    QTest::newRow("-h") << command({"-h"}) << Request::Help << none << none << none << noQt;
    QTest::newRow("-?") << command({"-?"}) << Request::Help << none << none << none << noQt;
    QTest::newRow("help wins over a mistake")
            << command({"--bogus", "--help"}) << Request::Help << none << none << none << noQt;
    QTest::newRow("version wins over a mistake")
            << command({"--com1", "-v"}) << Request::Version << none << none << none << noQt;
    QTest::newRow("help wins over version")
            << command({"--version", "--help"}) << Request::Help << none << none << none << noQt;
    QTest::newRow("list the ports with a named device")
            << command({"--list-ports", "--com2", "COM7"}) << Request::ListPorts << none
            << QStringLiteral("COM7") << none << noQt;
}

void TestCommandLine::understood()
{
    QFETCH(QStringList, arguments);
    QFETCH(Request, request);
    QFETCH(QString, com1);
    QFETCH(QString, com2);
    QFETCH(QString, record);
    QFETCH(QStringList, forQt);

    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    QCOMPARE(parsed.request, request);
    // Help and the version are answered whatever else is wrong.
    if (request != Request::Help && request != Request::Version)
        QCOMPARE(parsed.mistake, QString());
    QCOMPARE(parsed.devices.named(1), com1);
    QCOMPARE(parsed.devices.named(2), com2);
    QCOMPARE(parsed.recordPath, record);
    QCOMPARE(parsed.qtArguments, QStringList{QStringLiteral("freqcounter")} + forQt);
}

void TestCommandLine::mistakes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mistake");

    const QString needsDevice
            = QStringLiteral("option '--com1' needs a device, for example --com1 /dev/ttyUSB0");
    QTest::newRow("unknown option")
            << command({"--bogus"}) << QStringLiteral("unknown argument '--bogus'");
    QTest::newRow("unknown short option")
            << command({"-x"}) << QStringLiteral("unknown argument '-x'");
    QTest::newRow("unknown option with a value")
            << command({"--bogus=1"}) << QStringLiteral("unknown argument '--bogus=1'");
    QTest::newRow("a word that is no option")
            << command({"stray-word"}) << QStringLiteral("unknown argument 'stray-word'");
    QTest::newRow("a second recording for --view, which opens one")
            << command({"--view", "a.csv", "b.csv"}) << QStringLiteral("unknown argument 'b.csv'");
    QTest::newRow("a lone '--'") << command({"--"}) << QStringLiteral("unknown argument '--'");
    QTest::newRow("device missing at the end") << command({"--com1"}) << needsDevice;
    QTest::newRow("device empty after '='") << command({"--com1="}) << needsDevice;
    QTest::newRow("device missing before the next option")
            << command({"--com1", "--list-ports"}) << needsDevice;
    QTest::newRow("file missing")
            << command({"--record"})
            << QStringLiteral("option '--record' needs a file, for example --record readings.csv");
    QTest::newRow("value of Qt's missing")
            << command({"-platform"}) << QStringLiteral("option '-platform' needs a value");
    QTest::newRow("a value for an option that takes none")
            << command({"--list-ports=yes"})
            << QStringLiteral("unexpected value after '--list-ports'");
    const QString noFrequency = QStringLiteral(
            "option '--nominal': '%1' is no frequency above 0; give one such as 10MHz, 10 MHz "
            "or 10000000 Hz (MHz without a unit)");
    QTest::newRow("a nominal in words") << command({"--nominal", "ten"}) << noFrequency.arg(u"ten");
    QTest::newRow("a nominal of 0") << command({"--nominal", "0"}) << noFrequency.arg(u"0");
    QTest::newRow("a negative nominal")
            << command({"--nominal=-10MHz"}) << noFrequency.arg(u"-10MHz");
    QTest::newRow("a negative nominal after a space")
            << command({"--nominal", "-10MHz"}) << noFrequency.arg(u"-10MHz");
    QTest::newRow("an infinite nominal")
            << command({"--nominal", "inf"}) << noFrequency.arg(u"inf");
    QTest::newRow("a nominal with a counter's prefix")
            << command({"--nominal", "F 10"}) << noFrequency.arg(u"F 10");
    QTest::newRow("a tolerance without a nominal")
            << command({"--tolerance", "10ppm"})
            << QStringLiteral("option '--tolerance' needs a nominal frequency: give --nominal "
                              "too, such as --nominal 10MHz");
    QTest::newRow("a tolerance in per cent")
            << command({"--nominal", "10MHz", "--tolerance", "1%"})
            << QStringLiteral("option '--tolerance': '1%' is no tolerance above 0 in ppm, ppb "
                              "or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz");
    QTest::newRow("a tolerance without a unit")
            << command({"--nominal", "10MHz", "--tolerance", "10"})
            << QStringLiteral("option '--tolerance': '10' is no tolerance above 0 in ppm, ppb "
                              "or Hz; give one such as 10ppm, 0.5 ppm, 50ppb or 25Hz");
    QTest::newRow("a network address without a port")
            << command({"--com1", "tcp://192.168.1.20"})
            << QStringLiteral("option '--com1': 'tcp://192.168.1.20' is no network address; give "
                              "tcp://HOST:PORT, such as tcp://192.168.1.20:5025");
    QTest::newRow("a network address with a path")
            << command({"--com2=tcp://counter:5025/scpi"})
            << QStringLiteral("option '--com2': 'tcp://counter:5025/scpi' is no network "
                              "address; give tcp://HOST:PORT, such as tcp://192.168.1.20:5025");
    QTest::newRow("a line with no format")
            << command({"--line1", "9600"})
            << QStringLiteral("option '--line1': '9600' is no line setting; give "
                              "BAUD/FORMAT[/FLOW], such as 9600/8n1, 19200/7e2/rtscts or "
                              "4800/8n1/xonxoff (baud 50 to 4000000, 7 or 8 data bits, parity n, "
                              "e or o, 1 or 2 stop bits)");
    QTest::newRow("a line missing before the next option")
            << command({"--line2", "--com1", "/dev/ttyUSB0"})
            << QStringLiteral("option '--line2' needs the line's settings, for example --line2 "
                              "9600/8n1");
    const QString noFactor = QStringLiteral(
            "option '--scale': '%1' is no factor; give a number other than 0, such as 64, -1 or "
            "0.5");
    QTest::newRow("a factor of 0") << command({"--scale", "0"}) << noFactor.arg(u"0");
    QTest::newRow("an infinite factor") << command({"--scale=inf"}) << noFactor.arg(u"inf");
    QTest::newRow("a factor that is no number")
            << command({"--scale", "nan"}) << noFactor.arg(u"nan");
    const QString noOffset = QStringLiteral(
            "option '--offset': '%1' is no frequency with its unit; give one such as -10.7MHz, "
            "+455kHz or 0Hz");
    QTest::newRow("an offset with no unit")
            << command({"--offset", "-10.7"}) << noOffset.arg(u"-10.7");
    QTest::newRow("an offset that is no frequency")
            << command({"--scale", "-1", "--offset", "IF"}) << noOffset.arg(u"IF");
    const QString needsThree = QStringLiteral(
            "option '--three-cornered-hat' needs three recordings, of the pairs A-B, B-C and C-A, "
            "for example --three-cornered-hat ab.csv bc.csv ca.csv");
    QTest::newRow("a three-cornered hat of two pairs")
            << command({"--three-cornered-hat", "ab.csv", "bc.csv"}) << needsThree;
    QTest::newRow("a three-cornered hat of none")
            << command({"--three-cornered-hat"}) << needsThree;
    QTest::newRow("a three-cornered hat of four pairs")
            << command({"--three-cornered-hat", "ab.csv", "bc.csv", "ca.csv", "da.csv"})
            << QStringLiteral("unknown argument 'da.csv'");
    QTest::newRow("the first mistake is the one named")
            << command({"--record", "--bogus"})
            << QStringLiteral("option '--record' needs a file, for example --record readings.csv");
}

void TestCommandLine::mistakes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mistake);

    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    QCOMPARE(parsed.request, Request::Mistake);
    QCOMPARE(parsed.mistake, mistake);
}

void TestCommandLine::recordings_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<bool>("removeDrift");

    QTest::newRow("--stability of one recording")
            << command({"--stability", "a.csv"}) << Request::Stability << QStringLiteral("a.csv")
            << QStringList() << false;
    QTest::newRow("--stability of three, in their order")
            << command({"--stability", "c.csv", "a.csv", "b b.csv"}) << Request::Stability
            << QStringLiteral("c.csv")
            << QStringList{QStringLiteral("a.csv"), QStringLiteral("b b.csv")} << false;
    QTest::newRow("--stability's recordings around another option")
            << command({"--stability", "a.csv", "--remove-drift", "linear", "b.csv"})
            << Request::Stability << QStringLiteral("a.csv") << QStringList{QStringLiteral("b.csv")}
            << true;
    QTest::newRow("--plot of one recording")
            << command({"--plot", "out.svg", "a.csv"}) << Request::Plot << QStringLiteral("a.csv")
            << QStringList() << false;
    QTest::newRow("--plot of three")
            << command({"--plot", "out.png", "a.csv", "b.csv", "c.csv"}) << Request::Plot
            << QStringLiteral("a.csv")
            << QStringList{QStringLiteral("b.csv"), QStringLiteral("c.csv")} << false;
}

void TestCommandLine::recordings()
{
    QFETCH(QStringList, arguments);
    QFETCH(Request, request);
    QFETCH(QString, first);
    QFETCH(QStringList, more);
    QFETCH(bool, removeDrift);

    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    QCOMPARE(parsed.mistake, QString());
    QCOMPARE(parsed.request, request);
    QCOMPARE(request == Request::Plot ? parsed.plotRecording : parsed.stabilityPath, first);
    QCOMPARE(parsed.moreRecordings, more);
    QCOMPARE(parsed.figures.removeDrift, removeDrift);
}

void TestCommandLine::comparison_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("nominalKept");
    QTest::addColumn<double>("nominalHz"); // 0 for none
    QTest::addColumn<double>("tolerance"); // 0 for none
    QTest::addColumn<int>("unit");

    const int ppm = int(Nominal::Tolerance::Unit::Ppm);
    const int ppb = int(Nominal::Tolerance::Unit::Ppb);
    const int hz = int(Nominal::Tolerance::Unit::Hz);
    QTest::newRow("MHz attached") << command({"--nominal", "10MHz"}) << false << 10e6 << 0.0 << 0;
    QTest::newRow("MHz after a space")
            << command({"--nominal", "10 MHz"}) << false << 10e6 << 0.0 << 0;
    QTest::newRow("Hz") << command({"--nominal=10000000 Hz"}) << false << 10e6 << 0.0 << 0;
    QTest::newRow("no unit is MHz")
            << command({"--nominal", "433.92"}) << false << 433.92e6 << 0.0 << 0;
    QTest::newRow("GHz") << command({"--nominal", "2.4GHz"}) << false << 2.4e9 << 0.0 << 0;
    QTest::newRow("ppm attached") << command({"--nominal", "10MHz", "--tolerance", "10ppm"})
                                  << false << 10e6 << 10.0 << ppm;
    QTest::newRow("ppm after a space") << command({"--nominal", "10MHz", "--tolerance", "0.5 ppm"})
                                       << false << 10e6 << 0.5 << ppm;
    QTest::newRow("ppb") << command({"--nominal", "10MHz", "--tolerance=50ppb"}) << false << 10e6
                         << 50.0 << ppb;
    QTest::newRow("Hz") << command({"--nominal", "32.768kHz", "--tolerance", "25Hz"}) << false
                        << 32768.0 << 25.0 << hz;
    QTest::newRow("a tolerance for the nominal kept")
            << command({"--tolerance", "10ppm"}) << true << 0.0 << 10.0 << ppm;
}

void TestCommandLine::comparison()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, nominalKept);
    QFETCH(double, nominalHz);
    QFETCH(double, tolerance);
    QFETCH(int, unit);

    const CommandLine::Parsed parsed = CommandLine::parse(arguments, nominalKept);
    QCOMPARE(parsed.mistake, QString());
    QCOMPARE(parsed.request, Request::Run);
    QCOMPARE(parsed.nominalHz.value_or(0), nominalHz);
    QCOMPARE(parsed.tolerance.has_value(), tolerance > 0);
    if (parsed.tolerance) {
        QCOMPARE(parsed.tolerance->value, tolerance);
        QCOMPARE(int(parsed.tolerance->unit), unit);
    }
}

void TestCommandLine::lines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line1"); // empty for none given
    QTest::addColumn<QString>("line2");

    QTest::newRow("none: each as kept, or 1200/8n1") << command({}) << QString() << QString();
    QTest::newRow("each port its own")
            << command({"--line1", "9600/7e1", "--line2=115200/8n2/rtscts"})
            << QStringLiteral("9600/7e1") << QStringLiteral("115200/8n2/rtscts");
    QTest::newRow("the second port alone") << command({"--line2", "4800/8n1/xonxoff"}) << QString()
                                           << QStringLiteral("4800/8n1/xonxoff");
}

void TestCommandLine::lines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, line1);
    QFETCH(QString, line2);

    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    QCOMPARE(parsed.request, Request::Run);
    const auto text = [](const std::optional<LineSettings> &line) {
        return line ? line->text() : QString();
    };
    QCOMPARE(text(parsed.devices.overrides(1).line), line1);
    QCOMPARE(text(parsed.devices.overrides(2).line), line2);
}

void TestCommandLine::threeCorneredHat_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<bool>("removeDrift");

    const QStringList three{QStringLiteral("ab.csv"), QStringLiteral("bc.csv"),
                            QStringLiteral("ca.csv")};
    QTest::newRow("the pairs in their order")
            << command({"--three-cornered-hat", "ab.csv", "bc.csv", "ca.csv"}) << three << false;
    QTest::newRow("the first after '=', the drift taken out before") << command(
            {"--remove-drift", "linear", "--three-cornered-hat=ab.csv", "bc.csv", "ca.csv"})
                                                                     << three << true;
    QTest::newRow("with the ageing after")
            << command({"--three-cornered-hat", "ab.csv", "bc.csv", "ca.csv", "--ageing"}) << three
            << false;
}

void TestCommandLine::threeCorneredHat()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, paths);
    QFETCH(bool, removeDrift);

    const CommandLine::Parsed parsed = CommandLine::parse(arguments);
    QCOMPARE(parsed.mistake, QString());
    QCOMPARE(parsed.request, Request::ThreeCorneredHat);
    QCOMPARE(parsed.hatPaths, paths);
    QCOMPARE(parsed.figures.removeDrift, removeDrift);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
