#pragma once

#include <QString>

#include <exception>
#include <string>

namespace freqcounter {

// The stable numbers of the errors the serial line raises. They are part of
// what users see (and what the README lists), so a number is never reused.
enum class SerialErrorCode : int {
    PortNotFound = 8001,
    InvalidPortNumber = 8002,
    PermissionDenied = 8003,
    PortAlreadyOpen = 8005,
    PortInUse = 8010,
    PortNotOpen = 8012,
    SetupFailed = 8015,
    DeviceLost = 8020,
};

// An error raised by an operation of the serial line: a stable number and a
// description in plain words that names the port and device. It is thrown,
// never reported here; the runtime reports it.
class SerialError : public std::exception
{
public:
    SerialError(SerialErrorCode code, QString description)
        : m_code(code)
        , m_description(std::move(description))
        , m_what(m_description.toStdString())
    {}

    SerialErrorCode code() const noexcept { return m_code; }
    int number() const noexcept { return static_cast<int>(m_code); }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    SerialErrorCode m_code;
    QString m_description;
    std::string m_what;
};

} // namespace freqcounter
