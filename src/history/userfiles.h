// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace freqcounter {

// Where a file the user saves is first suggested: today's
// freqcounter-YYYY-MM-DD.EXTENSION in the documents folder, or in the home
// folder where there is none.
QString suggestedFile(const QString &extension);

// Writes the whole file or, with the reason in error, nothing of it.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error);

// A warning that leaves the program running: shown without blocking the
// readings, and gone once answered.
void showWarning(QWidget *parent, const QString &text, const QString &details,
                 const QString &objectName = {});

} // namespace freqcounter
