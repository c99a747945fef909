// SPDX-License-Identifier: MIT
#include "language.h"

#include <QStringList>

namespace fourier {

namespace {

/// The locale's name without its character set and modifier ("de_DE.UTF-8@euro" is "de_DE"),
/// with its parts joined by an underscore as in the translations' names.
QString bareName(const QString& name)
{
    QString bare = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    bare.replace(QLatin1Char('-'), QLatin1Char('_'));
    return bare.trimmed();
}

bool isCLocale(const QString& bare)
{
    return bare == QLatin1String("C") || bare == QLatin1String("POSIX");
}

} // namespace

LocaleVariables LocaleVariables::fromEnvironment()
{
    return { qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
        qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG") };
}

std::optional<QString> spokenLanguage(const QString& name)
{
    const QString bare = bareName(name);
    if (isCLocale(bare))
        return QString();
    const QString language = bare.section(QLatin1Char('_'), 0, 0).toLower();
    const QString territory = bare.section(QLatin1Char('_'), 1, 1).toUpper();
    if (language == QLatin1String("en"))
        return QString();
    // The language and territory asked for, else the same language spoken elsewhere: a class
    // in Mexico reads Spanish, one in Portugal Brazilian Portuguese, rather than English.
    const QString exact = territory.isEmpty() ? language : language + u'_' + territory;
    for (const char* code : translatedLanguages) {
        if (exact == QLatin1String(code))
            return exact;
    }
    for (const char* code : translatedLanguages) {
        const QString translated = QString::fromLatin1(code);
        if (translated.section(QLatin1Char('_'), 0, 0) == language)
            return translated;
    }
    return std::nullopt;
}

QString desktopLanguage(const LocaleVariables& variables)
{
    QString locale = variables.all;
    if (locale.isEmpty())
        locale = variables.messages;
    if (locale.isEmpty())
        locale = variables.lang;
    // Only a locale called C or POSIX outright turns LANGUAGE off, as in gettext: under
    // C.UTF-8, say, LANGUAGE still counts, and the locale itself still means English.
    if (locale.isEmpty() || isCLocale(locale))
        return {};
    for (const QString& name : variables.language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (const auto spoken = spokenLanguage(name))
            return *spoken;
    }
    return spokenLanguage(locale).value_or(QString());
}

} // namespace fourier
