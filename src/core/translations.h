// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program's texts in the user's language: its own translations and Qt's,
// chosen by the locale (LANGUAGE or LANG on Linux, the user's language on
// Windows). They are loaded before Qt starts, so that the command line's
// answers and mistakes are translated too, and handed to the application
// once it exists.
namespace freqcounter::Translations {

// The languages translated, besides English.
inline constexpr const char *kLanguages[] = {"de", "fr", "es", "ja"};

// Where the program's translations are looked for, first found first: the
// folder beside the program, then the one installed with it.
QStringList folders();

// Loads the translations for the locale's languages from the first of the
// folders that has them; English where none has. Returns the language
// loaded, or an empty string for English.
QString load(const QLocale &locale = QLocale::system(), const QStringList &from = folders());

// Hands what load() found to the application, so that tr() finds it. Call
// once the application exists.
void install();

// The text in the language loaded, with or without an application: for the
// texts given before Qt starts.
QString translate(const char *context, const char *source);

} // namespace freqcounter::Translations
