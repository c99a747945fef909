// SPDX-License-Identifier: MIT
#pragma once

#include "languages.h"

#include <QString>
#include <optional>

namespace fourier {

/// The variables a desktop chooses its programs' language with, as gettext reads them.
struct LocaleVariables {
    /// LANGUAGE: languages in the order they are preferred, separated by colons.
    QString language;
    /// LC_ALL, LC_MESSAGES and LANG: a locale's name, such as de_DE.UTF-8.
    QString all;
    QString messages;
    QString lang;

    /// The variables as this process was started with them.
    static LocaleVariables fromEnvironment();
};

/// The language the program speaks to someone who asks for \a name, a language code or a
/// locale's name ("de", "pt-BR", "fr_CA.UTF-8"): one of translatedLanguages, or an empty string
/// for English (also what C and POSIX ask for). Nothing when the program does not speak it.
std::optional<QString> spokenLanguage(const QString& name);

/// The language the desktop asks for, as gettext works it out: the first of LC_ALL,
/// LC_MESSAGES and LANG that is set names the locale, and the locale C or POSIX (or none)
/// means English whatever LANGUAGE says; otherwise the first language in LANGUAGE that the
/// program speaks, then the locale's own. An empty string for English.
QString desktopLanguage(const LocaleVariables& variables);

} // namespace fourier
