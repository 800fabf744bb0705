// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a test keeps between runs goes to a folder of its own that goes with
// it: never the user's settings, nor, under Wine, the registry that every
// test of one prefix would share and find the last one's choices in.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void keepSettingsApart()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("no folder for the test's settings: %s", qPrintable(folder.errorString()));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(keepSettingsApart)
