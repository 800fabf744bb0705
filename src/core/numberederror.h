// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// The errors of one kind, numbered by that kind's enum of stable numbers;
// a handler catches one kind by its name, or every kind as NumberedError.
template<typename Code>
class NumberedErrorOf : public NumberedError
{
public:
    NumberedErrorOf(Code code, QString description)
        : NumberedError(static_cast<int>(code), std::move(description))
    {}
};

} // namespace freqcounter
