#pragma once

#include <QString>

#include <exception>
#include <string>

namespace freqcounter {

// An error an operation raises for the runtime to report: a stable number,
// which users see and the README lists, and a description in plain words.
// It is thrown, never reported where it is raised.
class NumberedError : public std::exception
{
public:
    NumberedError(int number, QString description)
        : m_number(number)
        , m_description(std::move(description))
        , m_what(m_description.toStdString())
    {}

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

} // namespace freqcounter
