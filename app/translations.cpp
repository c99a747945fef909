// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace fourier {

Translations::Translations(const QString& language)
    : m_language(language)
{
    if (m_language.isEmpty())
        return;
    // Qt's translations are the system's, where the qt6-translations-l10n package puts them.
    static_cast<void>(m_qt.load(QStringLiteral("qtbase_") + m_language,
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    static_cast<void>(
        m_program.load(QStringLiteral(":/translations/fourier-analysis_") + m_language));
}

Translations::~Translations()
{
    if (m_localeChanged)
        QLocale::setDefault(QLocale::system());
}

void Translations::install()
{
    if (m_language.isEmpty())
        return;
    // The translator installed last is asked first: the program's own translation goes after
    // Qt's, so that it may carry Qt texts that Qt's own translation lacks.
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
    if (!m_program.isEmpty())
        QCoreApplication::installTranslator(&m_program);
    QLocale::setDefault(QLocale(m_language));
    m_localeChanged = true;
}

QString Translations::translate(const char* context, const char* source) const
{
    const QString translated = m_program.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

} // namespace fourier
