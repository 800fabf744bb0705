// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// freqcounter-sim: a stand-in for the frequency counter. It sends a reading
// in MHz as text at the instrument's own pace (1200 baud, 8 data bits, no
// parity, 1 stop bit: 120 characters a second, or as --line says) on a new
// pseudo-terminal, or on a real serial device given with --device. With
// --query it is a bench counter instead: it answers each question (a line
// ending in '?') with a reading in Hz in exponent form, and says nothing
// unasked.

#include "linesettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <random>
#include <string>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_stop{false};

void requestStop(int)
{
    g_stop = true;
}

constexpr int kStaleLimit = 256; // two seconds of line time at 1200 baud

struct Options
{
    QString link;
    QString device;
    double frequency = 145.0;
    long intervalMs = 1000;
    std::string eol = "\r\n";
    long count = 0;
    std::optional<unsigned> seed;
    QString log;
    freqcounter::LineSettings line;
    bool query = false;
    std::optional<quint16> listen;
    long delayMs = 0;
    long dropEvery = 0;
    bool timeInterval = false;
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "freqcounter-sim: %s\n", qPrintable(message));
    std::exit(2);
}

// The terminal's name for a standard speed; none for another.
std::optional<speed_t> speedOf(qint32 baudRate)
{
    static constexpr std::pair<qint32, speed_t> kSpeeds[]{
            {50, B50},         {75, B75},         {110, B110},       {134, B134},
            {150, B150},       {200, B200},       {300, B300},       {600, B600},
            {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
            {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
            {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600}};
    for (const auto &[rate, speed] : kSpeeds) {
        if (rate == baudRate)
            return speed;
    }
    return std::nullopt;
}

Options parseOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Sends frequency readings like the counter does, at 1200 baud 8N1 pacing."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption link(
            QStringLiteral("link"),
            QStringLiteral("Also make a symlink to the pseudo-terminal at PATH."),
            QStringLiteral("PATH"));
    const QCommandLineOption device(QStringLiteral("device"),
                                    QStringLiteral("Send on this existing serial device instead."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption frequency(QStringLiteral("frequency"),
                                       QStringLiteral("Centre frequency in MHz (default 145)."),
                                       QStringLiteral("MHZ"), QStringLiteral("145"));
    const QCommandLineOption interval(
            QStringLiteral("interval"),
            QStringLiteral("Time from one reading to the next (default 1000)."),
            QStringLiteral("MS"), QStringLiteral("1000"));
    const QCommandLineOption eol(
            QStringLiteral("eol"),
            QStringLiteral("What ends a reading: crlf, cr, lf or none (default crlf)."),
            QStringLiteral("END"), QStringLiteral("crlf"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Stop after N readings (default: never)."),
                                   QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the drift, for repeatable runs."),
                                  QStringLiteral("N"));
    const QCommandLineOption log(
            QStringLiteral("log"),
            QStringLiteral("Append each reading, once wholly sent, to FILE (one a line)."),
            QStringLiteral("FILE"));
    const QCommandLineOption line(
            QStringLiteral("line"),
            QStringLiteral("How the line speaks, as BAUD/FORMAT[/FLOW] (default 1200/8n1); "
                           "a pseudo-terminal takes only the speed."),
            QStringLiteral("LINE"), QStringLiteral("1200/8n1"));
    const QCommandLineOption query(
            QStringLiteral("query"),
            QStringLiteral(
                    "Answer only when asked, in Hz in exponent form (+1.45000012345678E+08)."));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("With --query: wait this long before answering."),
                                   QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption drop(
            QStringLiteral("drop-every"),
            QStringLiteral("With --query: leave every Nth question unanswered (default: none)."),
            QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption timeInterval(
            QStringLiteral("time-interval"),
            QStringLiteral("Send time intervals in seconds, in exponent form (+2.00000012345E-07), "
                           "as a time-interval counter between two 1 PPS signals does: a phase "
                           "near 200 ns that wanders."));
    const QCommandLineOption listen(
            QStringLiteral("listen"),
            QStringLiteral("Serve on TCP at 127.0.0.1:PORT instead (0: any free port), one "
                           "connection at a time; prints tcp://127.0.0.1:PORT."),
            QStringLiteral("PORT"));
    parser.addOption(timeInterval);
    parser.addOptions({link, device, frequency, interval, eol, count, seed, log, line, query, delay,
                       drop, listen});
    parser.process(app);

    Options options;
    options.link = parser.value(link);
    options.device = parser.value(device);
    options.log = parser.value(log);
    if (!options.link.isEmpty() && !options.device.isEmpty())
        fail(QStringLiteral("--link and --device exclude each other"));

    bool ok = false;
    options.timeInterval = parser.isSet(timeInterval);
    options.frequency = parser.value(frequency).toDouble(&ok);
    if (!ok || !(options.frequency > 0.0) || options.frequency > 1e6)
        fail(QStringLiteral("--frequency wants a positive number of MHz"));
    options.intervalMs = parser.value(interval).toLong(&ok);
    if (!ok || options.intervalMs < 0)
        fail(QStringLiteral("--interval wants a number of milliseconds"));
    options.query = parser.isSet(query);
    if (parser.isSet(listen)) {
        const uint port = parser.value(listen).toUInt(&ok);
        if (!ok || port > 65535)
            fail(QStringLiteral("--listen wants a TCP port number"));
        if (!options.link.isEmpty() || !options.device.isEmpty())
            fail(QStringLiteral("--listen excludes --link and --device"));
        options.listen = quint16(port);
    }
    options.delayMs = parser.value(delay).toLong(&ok);
    if (!ok || options.delayMs < 0)
        fail(QStringLiteral("--delay wants a number of milliseconds"));
    options.dropEvery = parser.value(drop).toLong(&ok);
    if (!ok || options.dropEvery < 0)
        fail(QStringLiteral("--drop-every wants a number of questions"));
    options.count = parser.value(count).toLong(&ok);
    if (!ok || options.count < 0)
        fail(QStringLiteral("--count wants a number of readings"));
    if (parser.isSet(seed)) {
        options.seed = parser.value(seed).toUInt(&ok);
        if (!ok)
            fail(QStringLiteral("--seed wants a whole number"));
    }

    const auto settings = freqcounter::LineSettings::parse(parser.value(line));
    if (!settings || !speedOf(settings->baudRate))
        fail(QStringLiteral("--line wants BAUD/FORMAT[/FLOW] at a standard rate, such as "
                            "9600/8n1 or 19200/7e2/rtscts"));
    options.line = *settings;

    const QString end = parser.value(eol).toLower();
    if (end == QLatin1StringView("crlf"))
        options.eol = "\r\n";
    else if (end == QLatin1StringView("cr"))
        options.eol = "\r";
    else if (end == QLatin1StringView("lf"))
        options.eol = "\n";
    else if (end == QLatin1StringView("none"))
        options.eol.clear();
    else
        fail(QStringLiteral("--eol wants crlf, cr, lf or none"));
    return options;
}

termios rawLine(const freqcounter::LineSettings &settings)
{
    termios line{};
    ::cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD;
    line.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    line.c_cflag |= settings.dataBits == QSerialPort::Data7 ? CS7 : CS8;
    if (settings.parity != QSerialPort::NoParity)
        line.c_cflag |= PARENB | (settings.parity == QSerialPort::OddParity ? PARODD : 0);
    if (settings.stopBits == QSerialPort::TwoStop)
        line.c_cflag |= CSTOPB;
    if (settings.flowControl == QSerialPort::HardwareControl)
        line.c_cflag |= CRTSCTS;
    else if (settings.flowControl == QSerialPort::SoftwareControl)
        line.c_iflag |= IXON | IXOFF;
    const speed_t speed = speedOf(settings.baudRate).value_or(B1200);
    ::cfsetispeed(&line, speed);
    ::cfsetospeed(&line, speed);
    return line;
}

// One character's time on the line: its start bit, data bits, parity bit
// and stop bits.
long nanosPerCharacter(const freqcounter::LineSettings &line)
{
    const int bits = 1 + int(line.dataBits) + (line.parity == QSerialPort::NoParity ? 0 : 1)
            + (line.stopBits == QSerialPort::TwoStop ? 2 : 1);
    return long(1e9 * bits / line.baudRate);
}

void addNanos(timespec &when, long nanos)
{
    when.tv_nsec += nanos;
    while (when.tv_nsec >= 1'000'000'000L) {
        when.tv_nsec -= 1'000'000'000L;
        ++when.tv_sec;
    }
}

bool laterThan(const timespec &a, const timespec &b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
}

// Sleeps until an absolute time; false when asked to stop.
bool sleepUntil(const timespec &when)
{
    while (!g_stop) {
        const int result = ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &when, nullptr);
        if (result == 0)
            return !g_stop;
        if (result != EINTR)
            return false;
    }
    return false;
}

// A pseudo-terminal keeps what nobody reads; a serial line does not. Drop
// what has piled up while no program had the port open.
void dropStale(int slave)
{
    int queued = 0;
    if (slave >= 0 && ::ioctl(slave, FIONREAD, &queued) == 0 && queued > kStaleLimit)
        ::tcflush(slave, TCIFLUSH);
}

// After the last reading, give the receiving program a moment to take it:
// closing a pseudo-terminal throws away what its device end still holds.
void letTheLineDrain(int out, int slave)
{
    if (slave < 0) {
        ::tcdrain(out);
        return;
    }
    // The last bytes reach the device end a moment after they are written.
    timespec deadline{};
    ::clock_gettime(CLOCK_MONOTONIC, &deadline);
    timespec handedOver = deadline;
    addNanos(handedOver, 50'000'000L);
    if (!sleepUntil(handedOver))
        return;
    deadline.tv_sec += 1;
    int queued = 0;
    while (::ioctl(slave, FIONREAD, &queued) == 0 && queued > 0) {
        timespec now{};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        if (laterThan(now, deadline))
            break;
        timespec pause = now;
        addNanos(pause, 5'000'000L);
        if (!sleepUntil(pause))
            break;
    }
}

// A TCP socket listening on 127.0.0.1 at the port (0: any free one); what
// it listens at is printed as tcp://127.0.0.1:PORT.
int listenOnLoopback(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(fd, 1) != 0
        || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        fail(QStringLiteral("cannot listen on 127.0.0.1:%1: %2")
                     .arg(port)
                     .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    std::printf("tcp://127.0.0.1:%u\n", unsigned(ntohs(address.sin_port)));
    return fd;
}

// The next connection, or -1 when asked to stop first.
int acceptOne(int listener)
{
    while (!g_stop) {
        pollfd waiting{listener, POLLIN, 0};
        if (::poll(&waiting, 1, 100) > 0 && (waiting.revents & POLLIN) != 0) {
            const int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client >= 0)
                return client;
        }
    }
    return -1;
}

// Answers each question that comes (a line ending in '?'), after the delay,
// leaving every dropEvery-th unanswered; other lines (a setup) get none.
// Ends after count answers, or when asked to stop.
template<typename Answer>
void answerQuestions(int fd, const Options &options, Answer answer)
{
    std::string heard;
    long asked = 0;
    long answered = 0;
    while (!g_stop && (options.count == 0 || answered < options.count)) {
        pollfd line{fd, POLLIN, 0};
        if (::poll(&line, 1, 100) < 0 && errno != EINTR)
            return;
        char received[256];
        const ssize_t got = (line.revents & POLLIN) ? ::read(fd, received, sizeof received) : -1;
        if (got == 0)
            return; // a network client left
        if (got < 0) {
            // Nobody has the port open: a pseudo-terminal's end says so at
            // once, again and again.
            if (line.revents & (POLLHUP | POLLERR)) {
                timespec pause{};
                ::clock_gettime(CLOCK_MONOTONIC, &pause);
                addNanos(pause, 50'000'000L);
                sleepUntil(pause);
            }
            continue;
        }
        heard.append(received, std::size_t(got));
        std::size_t end = 0;
        while ((end = heard.find_first_of("\r\n")) != std::string::npos) {
            const std::string said = heard.substr(0, end);
            heard.erase(0, end + 1);
            if (said.empty() || said.back() != '?')
                continue;
            ++asked;
            if (options.dropEvery > 0 && asked % options.dropEvery == 0)
                continue;
            timespec when{};
            ::clock_gettime(CLOCK_MONOTONIC, &when);
            addNanos(when, options.delayMs * 1'000'000L);
            if (!sleepUntil(when) || !answer())
                return;
            ++answered;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("freqcounter-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FREQCOUNTER_VERSION));
    const Options options = parseOptions(app);

    struct sigaction action = {};
    action.sa_handler = requestStop;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: a blocked write ends on a signal
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    int out = -1;
    int slave = -1;
    int listener = -1;
    if (options.listen) {
        listener = listenOnLoopback(*options.listen);
    } else if (!options.device.isEmpty()) {
        out = ::open(options.device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        if (out < 0)
            fail(QStringLiteral("cannot open %1: %2")
                         .arg(options.device, QString::fromLocal8Bit(std::strerror(errno))));
        termios line = rawLine(options.line);
        if (::tcsetattr(out, TCSANOW, &line) != 0)
            fail(QStringLiteral("%1 is not a serial device").arg(options.device));
        std::printf("%s\n", qPrintable(options.device));
    } else {
        termios line = rawLine(options.line);
        char name[256] = {};
        if (::openpty(&out, &slave, name, &line, nullptr) != 0)
            fail(QStringLiteral("cannot open a pseudo-terminal: %1")
                         .arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (!options.link.isEmpty()) {
            const QByteArray linkPath = options.link.toLocal8Bit();
            if (QFileInfo(options.link).isSymLink())
                ::unlink(linkPath.constData());
            if (::symlink(name, linkPath.constData()) != 0)
                fail(QStringLiteral("cannot make the link %1: %2")
                             .arg(options.link, QString::fromLocal8Bit(std::strerror(errno))));
        }
        std::printf("%s\n", name);
    }
    std::fflush(stdout);

    // What was sent, for a test to compare with what arrived.
    std::FILE *sentLog = nullptr;
    if (!options.log.isEmpty()) {
        sentLog = std::fopen(options.log.toLocal8Bit().constData(), "a");
        if (sentLog == nullptr)
            fail(QStringLiteral("cannot open %1: %2")
                         .arg(options.log, QString::fromLocal8Bit(std::strerror(errno))));
    }

    std::mt19937 random(options.seed ? *options.seed : std::random_device{}());
    std::normal_distribution<double> step(0.0, 0.0004);
    const double spread = std::max(0.002, options.frequency * 1e-4);
    double frequency = options.frequency;

    const long nanosPerChar = nanosPerCharacter(options.line);
    timespec next{};
    ::clock_gettime(CLOCK_MONOTONIC, &next);
    int status = 0;
    // Sends one reading at the line's pace from next on; false when asked to
    // stop or when the line is gone.
    const auto send = [&](const std::string &text) {
        const std::string reading = text + options.eol;
        std::size_t written = 0;
        for (const char c : reading) {
            if (!sleepUntil(next))
                break;
            if (::write(out, &c, 1) != 1) {
                // A network client that leaves ends its session only.
                if (!g_stop && !options.listen) {
                    std::fprintf(stderr, "freqcounter-sim: write failed: %s\n",
                                 std::strerror(errno));
                    status = 1;
                    g_stop = true;
                }
                break;
            }
            ++written;
            addNanos(next, nanosPerChar);
        }
        if (sentLog != nullptr && written == reading.size()) {
            std::fprintf(sentLog, "%s\n", text.c_str());
            std::fflush(sentLog);
        }
        return written == reading.size();
    };
    const auto nextFrequency = [&] {
        frequency = std::clamp(frequency + step(random), options.frequency - spread,
                               options.frequency + spread);
        return frequency;
    };
    // Two oscillators 3e-12 apart, each with white FM of 1e-11 at a second,
    // and 50 ps of jitter on the pulses.
    std::normal_distribution<double> wander(3e-12, 1e-11);
    std::normal_distribution<double> jitter(0.0, 50e-12);
    double phase = 2e-7;
    const auto nextInterval = [&] {
        phase += wander(random) * double(options.intervalMs) / 1000.0;
        // With a sign and a decimal point whatever the locale.
        const double value = phase + jitter(random);
        return (value < 0 ? std::string() : std::string("+"))
                + QByteArray::number(value, 'E', 11).toStdString();
    };

    // One session: the line's, or one network connection's.
    const auto serve = [&] {
        if (options.query) {
            answerQuestions(out, options, [&] {
                // As bench counters answer: in Hz, with a sign and an exponent,
                // and a decimal point whatever the locale.
                const std::string answer
                        = '+' + QByteArray::number(nextFrequency() * 1e6, 'E', 14).toStdString();
                ::clock_gettime(CLOCK_MONOTONIC, &next);
                return send(answer);
            });
            return;
        }
        for (long sent = 0; !g_stop && (options.count == 0 || sent < options.count); ++sent) {
            if (!sleepUntil(next))
                break;
            timespec readingStart = next;
            dropStale(slave);
            // With a decimal point whatever the locale, as a counter sends it.
            if (!send(options.timeInterval
                              ? nextInterval()
                              : QByteArray::number(nextFrequency(), 'f', 4).toStdString()))
                break;
            addNanos(readingStart, options.intervalMs * 1'000'000L);
            if (laterThan(readingStart, next))
                next = readingStart;
        }
    };
    if (listener < 0) {
        serve();
    } else {
        // Connection after connection, until asked to stop.
        while (!g_stop && (out = acceptOne(listener)) >= 0) {
            ::clock_gettime(CLOCK_MONOTONIC, &next);
            serve();
            ::close(out);
            out = -1;
        }
    }

    if (!g_stop && out >= 0)
        letTheLineDrain(out, slave);
    if (sentLog != nullptr)
        std::fclose(sentLog);
    if (!options.link.isEmpty())
        ::unlink(options.link.toLocal8Bit().constData());
    if (slave >= 0)
        ::close(slave);
    if (out >= 0)
        ::close(out);
    if (listener >= 0)
        ::close(listener);
    return status;
}
