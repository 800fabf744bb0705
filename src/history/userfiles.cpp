// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "userfiles.h"

#include <QDate>
#include <QDir>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace freqcounter {

QString suggestedFile(const QString &extension)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(
            QStringLiteral("freqcounter-%1.%2")
                    .arg(QDate::currentDate().toString(Qt::ISODate), extension));
}

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

void showWarning(QWidget *parent, const QString &text, const QString &details,
                 const QString &objectName)
{
    auto *box = new QMessageBox(QMessageBox::Warning, parent->window()->windowTitle(), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(objectName);
    box->setInformativeText(details);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace freqcounter
