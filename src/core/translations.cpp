// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <iterator>
#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace freqcounter::Translations {

namespace {

struct Loaded
{
    // The program's own, then Qt's (the buttons of its dialogs).
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    bool installed = false;
};

Loaded &loaded()
{
    static Loaded translations;
    return translations;
}

// The folder the program runs from, before QCoreApplication can tell it.
QString programFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
#if defined(Q_OS_WIN)
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    return QFileInfo(QString::fromWCharArray(path, qsizetype(length))).absolutePath();
#elif defined(Q_OS_LINUX)
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
#else
    return {};
#endif
}

} // namespace

QStringList folders()
{
    QStringList found;
    const QString program = programFolder();
    if (!program.isEmpty()) {
        // Beside the program in the build and on Windows; under share/ once
        // installed on Linux.
        found << QDir(program).filePath(QStringLiteral("translations"))
              << QDir::cleanPath(program + QStringLiteral("/../share/freqcounter/translations"));
    }
    return found;
}

QString load(const QLocale &locale, const QStringList &from)
{
    Loaded &translations = loaded();
    translations = Loaded();
    // English needs no file: the texts are written in it.
    if (locale.uiLanguages().value(0).startsWith(QLatin1StringView("en")))
        return {};
    auto own = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString &folder : from) {
        if (own->load(locale, QStringLiteral("freqcounter"), QStringLiteral("_"), folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        return {};
    QString language = own->language();
    translations.own = std::move(own);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        translations.qt = std::move(qt);
    }
    return language;
}

void install()
{
    Loaded &translations = loaded();
    if (translations.installed)
        return;
    translations.installed = true;
    if (translations.qt)
        QCoreApplication::installTranslator(translations.qt.get());
    if (translations.own)
        QCoreApplication::installTranslator(translations.own.get());
}

QString translate(const char *context, const char *source)
{
    const Loaded &translations = loaded();
    if (translations.own) {
        QString text = translations.own->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace freqcounter::Translations
