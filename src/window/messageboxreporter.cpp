// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxreporter.h"

#include "windowdefinition.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace freqcounter {

std::unique_ptr<QMessageBox> MessageBoxReporter::createBox(const RuntimeError &error,
                                                           QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical,
                                             QString(WindowDefinition::kTitle), error.text(),
                                             QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("ErrorBox"));
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void MessageBoxReporter::report(const RuntimeError &error)
{
    const QByteArray line = QStringLiteral("freqcounter: %1\n").arg(error.text()).toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);

    QWidget *parent = QApplication::activeWindow();
    const auto box = createBox(error, parent);
    box->exec();

    // Does nothing before the event loop runs; program start checks for the
    // failure itself then.
    QCoreApplication::exit(Runtime::kFailureExitStatus);
}

} // namespace freqcounter
