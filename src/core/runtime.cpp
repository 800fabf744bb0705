// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime.h"

namespace freqcounter {

QString RuntimeError::text() const
{
    QString line = description;
    line.replace(u'\n', u' ');
    return Runtime::tr("Error %1: %2").arg(number).arg(line);
}

Runtime::Runtime(std::unique_ptr<ErrorReporter> reporter, QObject *parent)
    : QObject(parent)
    , m_reporter(std::move(reporter))
{}

Runtime::~Runtime() = default;

void Runtime::fail(const RuntimeError &error)
{
    m_failed = true;
    Q_EMIT failing();
    m_reporter->report(error);
}

} // namespace freqcounter
