// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "echo.h"
#include "exportoptions.h"
#include "language.h"
#include "pictureexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace fourier {

namespace {

/// One of the options QGuiApplication and QApplication read themselves, as --help-all lists it.
struct QtOption {
    const char* name;
    /// What its value is, or null for an option that takes none.
    const char* value;
    const char* description;
};

constexpr QtOption qtOptions[] = {
    { "platform", "name",
        QT_TRANSLATE_NOOP("CommandLine", "The platform plugin: xcb, wayland, offscreen, ...") },
    { "platformpluginpath", "path",
        QT_TRANSLATE_NOOP("CommandLine", "Where to look for platform plugins.") },
    { "platformtheme", "name", QT_TRANSLATE_NOOP("CommandLine", "The platform theme.") },
    { "plugin", "name",
        QT_TRANSLATE_NOOP("CommandLine", "A further plugin to load, such as an input device's.") },
    { "qwindowgeometry", "geometry",
        QT_TRANSLATE_NOOP("CommandLine", "The main window's size and place, as WxH+X+Y.") },
    { "qwindowicon", "icon", QT_TRANSLATE_NOOP("CommandLine", "The main window's icon.") },
    { "qwindowtitle", "title", QT_TRANSLATE_NOOP("CommandLine", "The main window's title.") },
    { "session", "id", QT_TRANSLATE_NOOP("CommandLine", "The session to restore.") },
    { "display", "name", QT_TRANSLATE_NOOP("CommandLine", "The X display to use.") },
    { "geometry", "geometry", QT_TRANSLATE_NOOP("CommandLine", "The same as -qwindowgeometry.") },
    { "name", "name",
        QT_TRANSLATE_NOOP("CommandLine", "The application's name for the window system.") },
    { "title", "title", QT_TRANSLATE_NOOP("CommandLine", "The same as -qwindowtitle.") },
    { "style", "name", QT_TRANSLATE_NOOP("CommandLine", "The widget style: Fusion, Windows, ...") },
    { "stylesheet", "file", QT_TRANSLATE_NOOP("CommandLine", "A style sheet to apply.") },
    { "qmljsdebugger", "value",
        QT_TRANSLATE_NOOP("CommandLine", "Settings for the QML debugger.") },
    { "dialogs", "value",
        QT_TRANSLATE_NOOP("CommandLine", "How the platform's own dialogs are used.") },
    { "fontengine", "name", QT_TRANSLATE_NOOP("CommandLine", "The font engine to use.") },
    { "reverse", nullptr,
        QT_TRANSLATE_NOOP("CommandLine", "Lay the window out from right to left.") },
    { "widgetcount", nullptr,
        QT_TRANSLATE_NOOP("CommandLine", "Say how many widgets remain at the end.") },
    { "nograb", nullptr,
        QT_TRANSLATE_NOOP("CommandLine", "Never grab the mouse or the keyboard.") },
    { "dograb", nullptr,
        QT_TRANSLATE_NOOP(
            "CommandLine", "Grab the mouse and the keyboard even under a debugger.") },
    { "sync", nullptr,
        QT_TRANSLATE_NOOP("CommandLine", "Talk to the X server synchronously, for debugging.") },
};

// Qt's parser writes these itself, in Qt's translation, which lacks some of them in some
// languages. The program carries its own, which Qt finds first.
[[maybe_unused]] constexpr const char* parserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

constexpr QLatin1String zoomOption("zoom");
constexpr QLatin1String langOption("lang");
constexpr QLatin1String describeOption("describe");
constexpr QLatin1String jsonOption("json");
constexpr QLatin1String harmonicsOption("harmonics");
/// The program's options that take a value: each says one thing, so it may be given once.
constexpr QLatin1String valueOptions[] = { zoomOption, langOption, exportOption, sizeOption,
    timeLimitOption, secondsOption, pitchOption, pointsOption };
QString programName()
{
    return QCoreApplication::applicationName();
}

/// The parser's help, with the program called by its name, as its manual page calls it: the
/// parser calls it as it was started (a path, say), or <executable_name> with no application.
QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                         : QStringLiteral("<executable_name>");
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0 && at < text.indexOf(u'\n'))
        text.replace(at, started.size(), programName());
    return text;
}

CommandLine refuse(const QString& error, const QCommandLineParser& parser)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.message
        = programName() + QStringLiteral(": ") + error + QLatin1Char('\n') + helpText(parser);
    return line;
}

/// Qt's options are accepted here and left for QApplication to act on. Only --help-all lists
/// them; the plain help keeps to the program's own.
void addQtOptions(QCommandLineParser& parser, bool listed)
{
    for (const QtOption& qt : qtOptions) {
        const QString name = QString::fromLatin1(qt.name);
        const QString description
            = listed ? QCoreApplication::translate("CommandLine", qt.description) : QString();
        QCommandLineOption option = qt.value
            ? QCommandLineOption(name, description, QString::fromLatin1(qt.value))
            : QCommandLineOption(name, description);
        if (!listed)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

/// Reads --zoom's factor into \a line; false when it is no factor of 1 or more.
bool readZoom(const QString& text, CommandLine& line)
{
    bool isNumber = false;
    const double factor = text.trimmed().toDouble(&isNumber);
    // The negation also refuses NaN, which compares false with everything.
    if (!isNumber || !(factor >= 1.0) || !std::isfinite(factor))
        return false;
    line.zoom = factor;
    return true;
}

/// Reads --describe and --json into \a line. Returns why they cannot be acted on, or nothing.
std::optional<QString> readDescribe(const QCommandLineParser& parser, CommandLine& line)
{
    if (!parser.isSet(describeOption)) {
        if (parser.isSet(jsonOption))
            return QCoreApplication::translate("CommandLine", "--json goes with --describe.");
        return std::nullopt;
    }
    if (parser.isSet(exportOption)) {
        return QCoreApplication::translate(
            "CommandLine", "--describe and --export do not go together.");
    }
    if (parser.positionalArguments().isEmpty()) {
        return QCoreApplication::translate(
            "CommandLine", "--describe wants a lesson file to describe.");
    }
    line.action = CommandLine::Action::Describe;
    line.json = parser.isSet(jsonOption);
    return std::nullopt;
}

CommandLine printing(CommandLine::Action action, const QString& message)
{
    CommandLine line;
    line.action = action;
    line.message = message;
    return line;
}

/// Tells \a parser the options that show the picture another way: its numbers, the Harmonics
/// window.
void describeViewOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(describeOption,
        QCoreApplication::translate("CommandLine",
            "Draw the lesson file without a window and write, for each curve of its picture "
            "since the last Clear, oldest first, what screen readers say of it and its numbers: "
            "the overshoot at the jump or the largest error, and the RMS error.")));
    parser.addOption(QCommandLineOption(jsonOption,
        QCoreApplication::translate(
            "CommandLine", "With --describe: write one JSON document instead.")));
    parser.addOption(QCommandLineOption(harmonicsOption,
        QCoreApplication::translate("CommandLine",
            "Open the Harmonics window beside the main window: the newest curve's sum, spectrum, "
            "parts and numbers.")));
}

/// Tells \a parser every option the program takes, described in the current language.
void describeOptions(QCommandLineParser& parser, bool listQtOptions)
{
    // Qt's own options are single-dash words (-platform, -style): read -xyz as one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Draws y = 4 sin x, y = 4 cos x and the partial sums of the square, triangle and "
        "sawtooth Fourier series.\nQt's standard options such as -platform and -style also "
        "work."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(zoomOption,
        QCoreApplication::translate("CommandLine",
            "Make the whole window FACTOR times larger, for a projector (for example 1.5, 2 or "
            "3). A factor too large for the screen is lowered to the largest that fits."),
        //: The value of --zoom, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "FACTOR")));
    parser.addOption(QCommandLineOption(langOption,
        QCoreApplication::translate("CommandLine",
            "Speak the language CODE instead of the desktop's: es (Spanish), pt_BR (Brazilian "
            "Portuguese), fr (French), de (German) or en (English)."),
        //: The value of --lang, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "CODE")));
    describeExportOptions(parser);
    describeViewOptions(parser);
    parser.addPositionalArgument(
        //: The name of the one argument, a file, as the help lists it.
        QCoreApplication::translate("CommandLine", "file"),
        QCoreApplication::translate("CommandLine",
            "A lesson to open, or to draw with --export or --describe: a .fourier file."),
        //: The argument in the help's first line, in brackets since it may be left out.
        QCoreApplication::translate("CommandLine", "[file]"));
    addQtOptions(parser, listQtOptions);
}

/// The line that says the program has no translation into the language \a code asks for, or
/// nothing when it has.
QString unknownLanguageWarning(const QString& code)
{
    if (spokenLanguage(code))
        return {};
    return programName() + QStringLiteral(": ")
        + QCoreApplication::translate(
            "CommandLine", "there is no translation into '%1'; the program speaks English")
              .arg(echoed(code))
        + u'\n';
}

/// What the arguments ask for, but for the warning about the language.
CommandLine readCommandLine(const QStringList& arguments, bool listQtOptions)
{
    QCommandLineParser parser;
    describeOptions(parser, listQtOptions);
    if (!parser.parse(arguments))
        return refuse(withControlsEscaped(parser.errorText()), parser);
    if (parser.isSet(QStringLiteral("help-all")) && !listQtOptions)
        return readCommandLine(arguments, true);
    // One window opens one lesson.
    if (parser.positionalArguments().size() > 1) {
        return refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(echoed(parser.positionalArguments().at(1))),
            parser);
    }
    // A second value would silently win over the first: --export a.png --export b.svg would
    // write one of them and drop the other without a word.
    for (const QLatin1String option : valueOptions) {
        if (parser.values(option).size() > 1) {
            return refuse(
                QCoreApplication::translate("CommandLine", "--%1 is given more than once.")
                    .arg(option),
                parser);
        }
    }
    if (parser.isSet(QStringLiteral("help")) || listQtOptions)
        return printing(CommandLine::Action::PrintHelp, helpText(parser));
    if (parser.isSet(QStringLiteral("version"))) {
        return printing(CommandLine::Action::PrintVersion,
            programName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() + u'\n');
    }

    CommandLine line;
    if (parser.isSet(zoomOption) && !readZoom(parser.value(zoomOption), line)) {
        return refuse(QCoreApplication::translate("CommandLine",
                          "--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not '%1'.")
                          .arg(echoed(parser.value(zoomOption))),
            parser);
    }
    if (const std::optional<QString> error = readExport(parser, line))
        return refuse(*error, parser);
    if (const std::optional<QString> error = readDescribe(parser, line))
        return refuse(*error, parser);
    line.harmonics = parser.isSet(harmonicsOption);
    if (line.harmonics && line.action != CommandLine::Action::ShowWindow) {
        return refuse(QCoreApplication::translate("CommandLine",
                          "--harmonics opens a window, which --export and --describe do not."),
            parser);
    }
    line.platform = parser.value(QStringLiteral("platform"));
    if (!parser.positionalArguments().isEmpty())
        line.lesson = parser.positionalArguments().constFirst();
    return line;
}

} // namespace

std::optional<QString> languageOption(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser, false);
    // Whatever else is wrong with the arguments is parseCommandLine's to say, in this language.
    static_cast<void>(parser.parse(arguments));
    if (!parser.isSet(langOption))
        return std::nullopt;
    return parser.value(langOption);
}

QString chosenLanguage(const QStringList& arguments, const LocaleVariables& variables)
{
    if (const std::optional<QString> option = languageOption(arguments))
        return spokenLanguage(*option).value_or(QString());
    return desktopLanguage(variables);
}

CommandLine parseCommandLine(const QStringList& arguments, bool listQtOptions)
{
    CommandLine line = readCommandLine(arguments, listQtOptions);
    if (const std::optional<QString> language = languageOption(arguments))
        line.warning = unknownLanguageWarning(*language);
    return line;
}

int failWithLine(const QString& message)
{
    std::fputs(
        qPrintable(QCoreApplication::applicationName() + QStringLiteral(": ") + message + u'\n'),
        stderr);
    return EXIT_FAILURE;
}

int printToStandardOutput(const QString& text)
{
    // A reader that has gone (a closed pipe) must give an error to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    const QByteArray bytes = text.toLocal8Bit();
    const auto size = static_cast<std::size_t>(bytes.size());
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0)
        return EXIT_SUCCESS;
    const QString why = errno ? qt_error_string(errno)
                              : QCoreApplication::translate("CommandLine", "output error");
    std::fputs(
        qPrintable(programName() + QStringLiteral(": ")
            + QCoreApplication::translate("CommandLine", "write error: %1").arg(why) + u'\n'),
        stderr);
    return EXIT_FAILURE;
}

double fittingZoom(double wanted, QSize window, QSizeF room)
{
    const double fits = std::min(room.width() / window.width(), room.height() / window.height());
    if (wanted <= fits)
        return wanted;
    constexpr double steps = 4.0;
    return std::max(1.0, std::floor(fits * steps) / steps);
}

} // namespace fourier
