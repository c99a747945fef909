// SPDX-License-Identifier: MIT
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace fourier {

namespace {

/// Options QGuiApplication and QApplication read themselves; each takes a value.
constexpr const char* qtOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme",
    "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry",
    "name", "title", "style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine" };
/// Qt's options that take no value.
constexpr const char* qtFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

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

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
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
    for (const char* name : qtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return refuse(parser.errorText(), parser);
    if (!parser.positionalArguments().isEmpty()) {
        return refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().constFirst()),
            parser);
    }

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::PrintHelp;
        line.message = helpText(parser);
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::PrintVersion;
        line.message
            = programName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() + u'\n';
        return line;
    }
    if (parser.isSet(zoom)) {
        bool isNumber = false;
        const QString text = parser.value(zoom);
        const double factor = text.trimmed().toDouble(&isNumber);
        // The negation also refuses NaN, which compares false with everything.
        if (!isNumber || !(factor >= 1.0) || !std::isfinite(factor)) {
            return refuse(QCoreApplication::translate("CommandLine",
                              "--zoom wants a factor of 1 or more, such as 1.5, 2 or 3, not '%1'.")
                              .arg(text),
                parser);
        }
        line.zoom = factor;
    }
    line.platform = parser.value(QStringLiteral("platform"));
    return line;
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
