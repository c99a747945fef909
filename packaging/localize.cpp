// SPDX-License-Identifier: MIT
// Writes the desktop entry, the AppStream metadata or the lesson files' type with its texts in
// every language the program speaks. In the template, each text to translate is a placeholder,
// {{name}}: the whole value of a desktop entry's key, or the whole content of an XML element on
// a line of its own. Such a line is written in English, then once for each language with its
// translation, which comes from the program's own translations (the .qm files that lrelease
// makes from translations/*.ts), so that every text has one source. A text that a language
// does not translate is left out for it; the translations_complete test insists on all.
//
// Usage: localize TEMPLATE OUTPUT LANGUAGE=QM-FILE ...
//   a TEMPLATE whose name ends in .desktop.in is a desktop entry, any other is XML
// Exits 0 when OUTPUT is written, 1 on a bad template or translation, 2 on bad usage.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

struct Text {
    const char* name;
    const char* context;
    const char* source;
};

constexpr Text texts[] = {
    { "genericName", "DesktopEntry", QT_TRANSLATE_NOOP("DesktopEntry", "Fourier Series") },
    { "comment", "DesktopEntry",
        QT_TRANSLATE_NOOP("DesktopEntry",
            "Watch the partial sums of the square, triangle and sawtooth series build up their "
            "waves") },
    { "keywords", "DesktopEntry",
        //: Words to find the program by in menus and software centres, each one followed by a
        //: semicolon, the last one too.
        QT_TRANSLATE_NOOP(
            "DesktopEntry", "Fourier;series;harmonics;sine;cosine;square;triangle;sawtooth;") },
    { "projector", "DesktopEntry",
        //: The menu entry's action that starts the program with --zoom 2.
        QT_TRANSLATE_NOOP("DesktopEntry", "Large window (for a projector)") },
    { "summary", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo",
            "Watch Fourier partial sums build up square, triangle and sawtooth waves") },
    { "about", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo",
            "A small program for the classroom that shows how a Fourier series builds up a "
            "periodic signal. Type a number of terms and a scale, press a button, and it draws "
            "y = 4 sin x, y = 4 cos x, or the partial sum of the square, triangle or sawtooth "
            "series on a graduated pair of axes.") },
    { "comparing", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo",
            "Curves pile up until Clear is pressed, so sums with 1, 3, 10 and 100 terms can be "
            "compared on one picture. Thousands of terms are drawn at once; a long sum can be "
            "cancelled.") },
    { "projectorFeature", "Metainfo",
        QT_TRANSLATE_NOOP(
            "Metainfo", "A large window for a classroom projector, from the menu or with --zoom") },
    { "pictureFeature", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo",
            "Copy the picture to the clipboard or save it as PNG for a worksheet or a slide") },
    { "lessonsFeature", "Metainfo",
        QT_TRANSLATE_NOOP(
            "Metainfo", "Undo and redo every click, save the lesson and open it again tomorrow") },
    { "accessibleFeature", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo",
            "Every control named for screen readers; the plot area describes its curves") },
    { "languagesFeature", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo",
            "In English, Spanish, Brazilian Portuguese, French and German, as the desktop "
            "chooses or with --lang") },
    { "screenshot", "Metainfo",
        QT_TRANSLATE_NOOP("Metainfo", "The square series with 1, 3 and 10 terms at scale 10") },
    { "release", "Metainfo",
        //: The notes of the first release.
        QT_TRANSLATE_NOOP("Metainfo",
            "The first release: the sine, the cosine and the square, triangle and sawtooth "
            "partial sums, exact to the pixel at any number of terms, in five languages.") },
    { "lessonType", "MimeType",
        //: What file managers call a lesson file, the program's file type.
        QT_TRANSLATE_NOOP("MimeType", "Fourier Análisis lesson") },
};

struct Language {
    QString code;
    std::unique_ptr<QTranslator> translator;
};

const Text& textNamed(const QString& name)
{
    for (const Text& text : texts) {
        if (name == QLatin1String(text.name))
            return text;
    }
    throw std::runtime_error("no text called " + name.toStdString());
}

/// The translation of \a text into \a language, or nothing when it has none.
std::optional<QString> translated(const Text& text, const Language& language)
{
    const QString translation = language.translator->translate(text.context, text.source);
    if (translation.isEmpty())
        return std::nullopt;
    if (translation.contains(u'\n'))
        throw std::runtime_error("a translation of " + std::string(text.name) + " spans lines");
    // A list in a desktop entry ends in a semicolon; without one its last word would be lost.
    if (QByteArrayView(text.source).endsWith(";") && !translation.endsWith(u';'))
        throw std::runtime_error(
            "the " + language.code.toStdString() + " list " + text.name + " lacks its last ';'");
    return translation;
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

/// One line per word of a keyword list, or the one line of any other text.
QStringList elementLines(
    const QString& indent, const QString& tag, const QString& attributes, const QString& content)
{
    const QStringList words = tag == QLatin1String("keyword")
        ? content.split(u';', Qt::SkipEmptyParts)
        : QStringList { content };
    QStringList lines;
    for (const QString& word : words)
        lines.append(indent + u'<' + tag + attributes + u'>' + escaped(word) + QStringLiteral("</")
            + tag + u'>');
    return lines;
}

QStringList localized(const QString& line, bool desktop, const std::vector<Language>& languages)
{
    const QRegularExpression desktopKey(QStringLiteral(R"(^([A-Za-z]+)=\{\{(\w+)\}\}$)"));
    const QRegularExpression element(QStringLiteral(R"(^(\s*)<([a-z_]+)>\{\{(\w+)\}\}</\2>$)"));
    const QRegularExpressionMatch match = (desktop ? desktopKey : element).match(line);
    if (!match.hasMatch()) {
        if (line.contains(QLatin1String("{{")))
            throw std::runtime_error("a placeholder not alone on its line: " + line.toStdString());
        return { line };
    }
    const Text& text = textNamed(match.captured(desktop ? 2 : 3));
    const QString english = QString::fromUtf8(text.source);
    QStringList lines;
    if (desktop) {
        const QString key = match.captured(1);
        lines.append(key + u'=' + english);
        for (const Language& language : languages) {
            if (const auto translation = translated(text, language))
                lines.append(key + u'[' + language.code + QStringLiteral("]=") + *translation);
        }
        return lines;
    }
    const QString indent = match.captured(1);
    const QString tag = match.captured(2);
    lines.append(elementLines(indent, tag, {}, english));
    for (const Language& language : languages) {
        if (const auto translation = translated(text, language)) {
            lines.append(elementLines(
                indent, tag, QStringLiteral(" xml:lang=\"") + language.code + u'"', *translation));
        }
    }
    return lines;
}

std::vector<Language> readLanguages(int count, char** arguments)
{
    std::vector<Language> languages;
    for (int i = 0; i < count; ++i) {
        const QString argument = QString::fromLocal8Bit(arguments[i]);
        Language language { argument.section(u'=', 0, 0), std::make_unique<QTranslator>() };
        if (language.code.isEmpty() || !language.translator->load(argument.section(u'=', 1)))
            throw std::runtime_error("cannot read the translation " + argument.toStdString());
        languages.push_back(std::move(language));
    }
    return languages;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("Usage: localize TEMPLATE OUTPUT LANGUAGE=QM-FILE ...\n", stderr);
        return 2;
    }
    const QString templatePath = QString::fromLocal8Bit(argv[1]);
    try {
        const std::vector<Language> languages = readLanguages(argc - 3, argv + 3);
        QFile in(templatePath);
        if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
            throw std::runtime_error("cannot read " + templatePath.toStdString());
        const bool desktop = templatePath.endsWith(QLatin1String(".desktop.in"));
        QStringList lines;
        for (const QString& line : QString::fromUtf8(in.readAll()).split(u'\n'))
            lines.append(localized(line, desktop, languages));
        QFile out(QString::fromLocal8Bit(argv[2]));
        const QByteArray bytes = lines.join(u'\n').toUtf8();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(bytes) != bytes.size() || !out.flush())
            throw std::runtime_error("cannot write " + out.fileName().toStdString());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "localize: %s\n", failure.what());
        return 1;
    }
    return 0;
}
