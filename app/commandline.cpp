// SPDX-License-Identifier: MIT
#include "commandline.h"

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

/// A refused value is echoed at most this long, so that a pasted page stays a readable line.
constexpr qsizetype longestEcho = 40;

QString programName()
{
    return QCoreApplication::applicationName();
}

/// The parser's help, which names the program after the running application; there is none
/// yet, since the command line is read before Qt starts.
QString helpText(const QCommandLineParser& parser)
{
    return parser.helpText().replace(QStringLiteral("<executable_name>"), programName());
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

/// \a text cut to a readable length for an error message.
QString echoed(const QString& text)
{
    return text.size() <= longestEcho ? text : text.left(longestEcho) + u'\u2026';
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

CommandLine printing(CommandLine::Action action, const QString& message)
{
    CommandLine line;
    line.action = action;
    line.message = message;
    return line;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, bool listQtOptions)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -style): read -xyz as one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Draws y = 4 sin x, y = 4 cos x and the partial sums of the square, triangle and "
        "sawtooth Fourier series.\nQt's standard options such as -platform and -style also "
        "work."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption zoom(QStringLiteral("zoom"),
        QCoreApplication::translate("CommandLine",
            "Make the whole window FACTOR times larger, for a projector (for example 1.5, 2 or "
            "3). A factor too large for the screen is lowered to the largest that fits."),
        QStringLiteral("FACTOR"));
    parser.addOption(zoom);
    parser.addPositionalArgument(QStringLiteral("file"),
        QCoreApplication::translate("CommandLine", "A lesson to open, a .fourier file."),
        QStringLiteral("[file]"));
    addQtOptions(parser, listQtOptions);

    if (!parser.parse(arguments))
        return refuse(parser.errorText(), parser);
    if (parser.isSet(QStringLiteral("help-all")) && !listQtOptions)
        return parseCommandLine(arguments, true);
    // One window opens one lesson.
    if (parser.positionalArguments().size() > 1) {
        return refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(echoed(parser.positionalArguments().at(1))),
            parser);
    }
    if (parser.isSet(help) || listQtOptions)
        return printing(CommandLine::Action::PrintHelp, helpText(parser));
    if (parser.isSet(version)) {
        return printing(CommandLine::Action::PrintVersion,
            programName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() + u'\n');
    }

    CommandLine line;
    if (parser.isSet(zoom) && !readZoom(parser.value(zoom), line)) {
        return refuse(QCoreApplication::translate("CommandLine",
                          "--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not '%1'.")
                          .arg(echoed(parser.value(zoom))),
            parser);
    }
    line.platform = parser.value(QStringLiteral("platform"));
    if (!parser.positionalArguments().isEmpty())
        line.lesson = parser.positionalArguments().constFirst();
    return line;
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
    const QString why = errno ? qt_error_string(errno) : QStringLiteral("output error");
    std::fputs(qPrintable(programName() + QStringLiteral(": write error: ") + why + u'\n'), stderr);
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
