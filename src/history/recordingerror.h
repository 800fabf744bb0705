#pragma once

#include <QString>

#include <exception>
#include <string>

namespace freqcounter {

// The stable numbers of the errors a recording file raises, in the runtime's
// own numbering of file errors.
enum class RecordingErrorCode : int {
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    FileAccessError = 75,
};

// A recording file that could not be opened or written: a stable number and
// a description that names the file and the cause. Thrown, never reported
// here; the runtime reports it.
class RecordingError : public std::exception
{
public:
    RecordingError(RecordingErrorCode code, QString description)
        : m_code(code)
        , m_description(std::move(description))
        , m_what(m_description.toStdString())
    {}

    int number() const noexcept { return static_cast<int>(m_code); }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    RecordingErrorCode m_code;
    QString m_description;
    std::string m_what;
};

} // namespace freqcounter
