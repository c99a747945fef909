// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTranslator>

namespace fourier {

/// The program's texts and Qt's own (its dialogs, its buttons, its command-line parser) in one
/// language, loaded once and installed into each application object the program makes.
class Translations {
public:
    /// Loads the translations into \a language, one of translatedLanguages; an empty string
    /// loads none, and the program speaks English.
    explicit Translations(const QString& language);
    /// Gives the application back its own locale, if install changed it.
    ~Translations();

    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    /// The language loaded, or an empty string for English.
    const QString& language() const { return m_language; }
    /// Whether the program's own translation into the language was found and read.
    bool isLoaded() const { return !m_program.isEmpty(); }

    /// Makes the running application speak the language, and format numbers and dates in
    /// Qt's dialogs as it does. A new application object needs it again.
    void install();

    /// \a source of \a context in the language, without an application object: for what is
    /// written while none can take a translation yet.
    QString translate(const char* context, const char* source) const;

private:
    QString m_language;
    QTranslator m_program;
    QTranslator m_qt;
    bool m_localeChanged = false;
};

} // namespace fourier
