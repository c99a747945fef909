// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "form1.h"
#include "language.h"
#include "layout.h"
#include "modaldismisser.h"
#include "picturebox.h"
#include "picturereadout.h"
#include "translations.h"
#include "wrappingbutton.h"

#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace fourier {
namespace {

/// What the desktop says (LANGUAGE, LC_ALL, LC_MESSAGES and LANG, empty when unset) and the
/// options the program is given, and the language it should speak.
struct Choice {
    const char* name;
    std::vector<const char*> options;
    std::array<const char*, 4> variables;
    const char* language;
};

std::vector<Choice> choices()
{
    const auto lang = [](const char* name) {
        return std::array<const char*, 4> { "", "", "", name };
    };
    return {
        { "NothingSet", {}, { "", "", "", "" }, "" },
        { "LangGerman", {}, lang("de_DE.UTF-8"), "de" },
        { "LangC", {}, lang("C"), "" },
        { "LangPosix", {}, lang("POSIX"), "" },
        { "LangCUtf8", {}, lang("C.UTF-8"), "" },
        { "LanguageIgnoredUnderC", {}, { "de", "", "", "C" }, "" },
        { "LanguageIgnoredWithoutLocale", {}, { "de", "", "", "" }, "" },
        { "LanguageCountsUnderCUtf8", {}, { "de", "", "", "C.UTF-8" }, "de" },
        { "LanguageFirstSpoken", {}, { "nl:fr:de", "", "", "es_ES.UTF-8" }, "fr" },
        { "LanguageEnglishFirst", {}, { "en_GB:de", "", "", "de_DE.UTF-8" }, "" },
        { "LanguageNoneSpokenFallsToLocale", {}, { "nl", "", "", "pt_BR.UTF-8" }, "pt_BR" },
        { "LcAllOverLang", {}, { "", "fr_FR.UTF-8", "", "de_DE.UTF-8" }, "fr" },
        { "LcMessagesOverLang", {}, { "", "", "pt_BR.UTF-8", "de_DE.UTF-8" }, "pt_BR" },
        { "LcAllCOverLcMessages", {}, { "es", "C", "de_DE.UTF-8", "" }, "" },
        { "OtherTerritory", {}, lang("es_MX.UTF-8"), "es" },
        { "PortugalReadsBrazilian", {}, lang("pt_PT.UTF-8"), "pt_BR" },
        { "Modifier", {}, lang("de_AT@euro"), "de" },
        { "Unspoken", {}, lang("nl_NL.UTF-8"), "" },
        { "OptionOverDesktop", { "--lang", "fr" }, lang("de_DE.UTF-8"), "fr" },
        { "OptionWithEqualsAndHyphen", { "--lang=pt-BR" }, lang(""), "pt_BR" },
        { "OptionSingleDash", { "-lang", "es" }, lang(""), "es" },
        { "OptionEnglish", { "--lang", "en" }, lang("de_DE.UTF-8"), "" },
        { "OptionC", { "--lang", "C" }, lang("de_DE.UTF-8"), "" },
        { "OptionUnknownIsEnglish", { "--lang", "xx" }, lang("de_DE.UTF-8"), "" },
        { "OptionAmongOthers", { "--zoom", "2", "--lang", "de", "-style", "Fusion" }, lang(""),
            "de" },
    };
}

class LanguageChoice : public ::testing::TestWithParam<Choice> { };

TEST_P(LanguageChoice, FollowsTheOptionThenTheDesktopAsGettextDoes)
{
    const Choice& choice = GetParam();
    QStringList arguments { QStringLiteral("fourier-analysis") };
    for (const char* option : choice.options)
        arguments.append(QString::fromUtf8(option));
    const auto& [language, all, messages, lang] = choice.variables;
    const LocaleVariables variables { QString::fromUtf8(language), QString::fromUtf8(all),
        QString::fromUtf8(messages), QString::fromUtf8(lang) };
    EXPECT_EQ(chosenLanguage(arguments, variables).toStdString(), choice.language);
}

INSTANTIATE_TEST_SUITE_P(Cases, LanguageChoice, ::testing::ValuesIn(choices()),
    [](const ::testing::TestParamInfo<Choice>& param) { return std::string(param.param.name); });

TEST(LanguageChoice, AnUnknownOptionSaysOnceThatTheProgramSpeaksEnglish)
{
    const QString program = QStringLiteral("fourier-analysis");
    const CommandLine unknown = parseCommandLine({ program, QStringLiteral("--lang=xx") });
    EXPECT_EQ(unknown.action, CommandLine::Action::ShowWindow);
    EXPECT_EQ(unknown.warning,
        QCoreApplication::applicationName()
            + QStringLiteral(": there is no translation into 'xx'; the program speaks English\n"));
    EXPECT_TRUE(parseCommandLine({ program, QStringLiteral("--lang=de") }).warning.isEmpty());
}

/// One message of a .ts file.
struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished;
};

std::vector<Message> readTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({ context, {}, {}, false });
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

/// The places (%1, %2, ...) that \a text fills in.
std::multiset<QString> places(const QString& text)
{
    const QRegularExpression place(QStringLiteral("%[1-9]"));
    std::multiset<QString> found;
    for (const QRegularExpressionMatch& match : place.globalMatch(text))
        found.insert(match.captured());
    return found;
}

QString tsPath(const QString& language)
{
    return QStringLiteral(FOURIER_SOURCE_DIR "/translations/fourier-analysis_%1.ts").arg(language);
}

TEST(Translations, EachFileIsALanguageOfTheProgram)
{
    std::set<std::string> files;
    const QDir folder(QStringLiteral(FOURIER_SOURCE_DIR "/translations"));
    for (const QString& name : folder.entryList({ QStringLiteral("*.ts") }))
        files.insert(name.toStdString());
    std::set<std::string> spoken;
    for (const char* language : translatedLanguages)
        spoken.insert("fourier-analysis_" + std::string(language) + ".ts");
    EXPECT_EQ(files, spoken);
}

class EveryLanguage : public ::testing::TestWithParam<const char*> { };

// What the program carries is what the .ts file says: every text has its translation, with the
// same places to fill in, so that no argument is lost or shown twice.
TEST_P(EveryLanguage, LoadsAndTranslatesEveryText)
{
    const QString language = QString::fromLatin1(GetParam());
    const Translations translations(language);
    ASSERT_TRUE(translations.isLoaded());
    const std::vector<Message> messages = readTs(tsPath(language));
    EXPECT_GT(messages.size(), 50u);
    for (const Message& message : messages) {
        SCOPED_TRACE(message.context.toStdString() + ": " + message.source.toStdString());
        EXPECT_TRUE(message.finished);
        EXPECT_FALSE(message.translation.isEmpty());
        const QString carried = translations.translate(
            message.context.toUtf8().constData(), message.source.toUtf8().constData());
        EXPECT_EQ(carried.toStdString(), message.translation.toStdString());
        EXPECT_EQ(places(message.translation), places(message.source));
    }
}

/// A translation installed into the tests' application for as long as it lives.
struct Speaking {
    explicit Speaking(const char* language)
        : translations(QString::fromLatin1(language))
    {
        translations.install();
    }
    Translations translations;
};

/// Where the caption of \a widget is laid out, in the window's coordinates, and the room it has
/// there; false for a widget without a caption.
bool captionPlace(const QWidget& widget, QRect& text, QRect& room)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        room = label->contentsRect().translated(label->pos());
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        text = label->fontMetrics().boundingRect(
            room, static_cast<int>(label->alignment()) | wrap, label->text());
        return true;
    }
    if (const auto* button = qobject_cast<const WrappingButton*>(&widget)) {
        room = button->captionArea().translated(button->pos());
        text = button->fontMetrics().boundingRect(
            room, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        return true;
    }
    return false;
}

// Every caption fits its control at the window's one font: inside the control, on the lines
// it wraps to, and clear of the controls that lie over a label.
TEST_P(EveryLanguage, EveryCaptionFitsItsControlAtTheEnglishFont)
{
    const QFont english = Form1().font();
    const Speaking speaking(GetParam());
    Form1 form;
    EXPECT_EQ(form.font(), english);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Fourier An\xC3\xA1lisis"));
    const auto widgets = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int captions = 0;
    for (const QWidget* widget : widgets) {
        QRect text;
        QRect room;
        if (!captionPlace(*widget, text, room))
            continue;
        ++captions;
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->font(), english);
        EXPECT_TRUE(room.contains(text))
            << "the caption takes " << text.width() << " x " << text.height()
            << " where there is room for " << room.width() << " x " << room.height();
        if (!qobject_cast<const QLabel*>(widget))
            continue;
        for (const QWidget* over : widgets) {
            if (!qobject_cast<const QLabel*>(over)) {
                EXPECT_FALSE(over->geometry().intersects(text))
                    << "the caption runs under " << over->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(captions, 13);
}

struct Spoken {
    const char* language;
    const char* clear;
    const char* noSignal;
    const char* description;
    const char* qtCancel;
    /// The menu's entry that undoes the square series' click.
    const char* undo;
    /// What opening a lesson whose second step names no command says, %1 for its path.
    const char* badLesson;
    /// What the plot area reads before any scale.
    const char* hint;
};

const Spoken spoken[] = {
    { "es", "Borrar", "No hay señal disponible", "Serie cuadrada, 4 términos, escala 2.5",
        "Cancelar", "Deshacer: Serie cuadrada, 4 términos",
        "No se pudo abrir la lección %1: paso 2: orden desconocida «squar»",
        "Aún no hay nada que leer: escriba una escala y pulse un botón para dibujar." },
    { "pt_BR", "Limpar", "Nenhum sinal disponível", "Série quadrada, 4 termos, escala 2.5",
        "Cancelar", "Desfazer: Série quadrada, 4 termos",
        "Não foi possível abrir a lição %1: passo 2: comando desconhecido “squar”",
        "Ainda não há nada para ler: digite uma escala e pressione um botão para desenhar." },
    { "fr", "Effacer", "Aucun signal disponible", "Série carrée, 4 termes, échelle 2.5", "Annuler",
        "Annuler\u00a0: Série carrée, 4 termes",
        "La leçon %1 n'a pas pu être ouverte\u00a0: étape 2\u00a0: commande inconnue "
        "«\u00a0squar\u00a0»",
        "Rien à lire pour l'instant\u00a0: saisissez une échelle et appuyez sur un bouton pour "
        "tracer." },
    { "de", "Löschen", "Kein Signal verfügbar", "Rechteckreihe, 4 Glieder, Maßstab 2.5",
        "Abbrechen", "Rückgängig: Rechteckreihe, 4 Glieder",
        "Die Lektion %1 konnte nicht geöffnet werden: Schritt 2: unbekannter Befehl "
        "„squar“",
        "Noch nichts abzulesen: Geben Sie einen Maßstab ein und drücken Sie eine Schaltfläche, um "
        "zu zeichnen." },
};

class InEveryLanguage : public ::testing::TestWithParam<Spoken> { };

// The window speaks the language everywhere a user meets it: its captions, its messages, what
// screen readers say of the picture (an undone one too), what the picture reads before any scale,
// the menu's undo, a refused lesson, and Qt's own buttons; numbers are read with the full stop
// whatever the language, and the picture is the English one pixel for pixel.
TEST_P(InEveryLanguage, TheWindowSpeaksItAndReadsNumbersAsInEnglish)
{
    const Spoken& expected = GetParam();
    Form1 english;
    english.findChild<QLineEdit*>(QStringLiteral("T2"))->setText(QStringLiteral("2.5"));
    english.Ejecutar_Click();

    const Speaking speaking(expected.language);
    Form1 form;
    testing::ModalDismisser dismisser;
    auto* clear = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    EXPECT_EQ(clear->text().toStdString(), expected.clear);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(clear)->text(QAccessible::Name).toStdString(),
        expected.clear);
    const auto* readout = form.pictureBox().findChild<PictureReadout*>();
    ASSERT_NE(readout, nullptr);
    EXPECT_EQ(readout->textAt({ 0, 0 }).toStdString(), expected.hint);
    form.findChild<QLineEdit*>(QStringLiteral("T2"))->setText(QStringLiteral("2.5"));
    form.Ejecutar_Click();
    EXPECT_EQ(form.pictureBox().surface().mapping().right(), 2.5f);
    EXPECT_TRUE(form.pictureBox().surface().image() == english.pictureBox().surface().image());
    EXPECT_EQ(form.pictureBox().accessibleDescription().toStdString(), expected.description);
    QAction* undo = form.pictureBox().actions().value(0);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text().toStdString(), expected.undo);

    form.findChild<QLineEdit*>(QStringLiteral("T1"))->setText(QStringLiteral("0"));
    form.Ejecutar_Click();
    EXPECT_EQ(dismisser.messages, std::vector<std::string> { expected.noSignal });
    form.Command1_Click();
    EXPECT_TRUE(form.pictureBox().accessibleDescription().isEmpty());
    undo->trigger();
    EXPECT_EQ(form.pictureBox().accessibleDescription().toStdString(), expected.description);

    QTemporaryDir folder;
    const QString lesson = folder.filePath(QStringLiteral("typo.fourier"));
    QFile file(lesson);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [
        {"command": "sin", "terms": "1", "scale": "10"},
        {"command": "squar", "terms": "1", "scale": "10"}]})");
    file.close();
    EXPECT_FALSE(form.openLesson(lesson));
    ASSERT_EQ(dismisser.messages.size(), 2u);
    EXPECT_EQ(dismisser.messages[1],
        QString::fromUtf8(expected.badLesson).arg(QDir::toNativeSeparators(lesson)).toStdString());
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), expected.qtCancel);
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::ValuesIn(translatedLanguages),
    [](const ::testing::TestParamInfo<const char*>& param) { return std::string(param.param); });
INSTANTIATE_TEST_SUITE_P(Languages, InEveryLanguage, ::testing::ValuesIn(spoken),
    [](const ::testing::TestParamInfo<Spoken>& param) {
        return std::string(param.param.language);
    });

} // namespace
} // namespace fourier
