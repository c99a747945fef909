// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "describelesson.h"
#include "form1.h"
#include "headlessexport.h"
#include "language.h"
#include "safewrite.h"
#include "startup.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

/// Acts on the command line: prints the help, the version or why it is refused, or says that
/// no display is there. Returns the program's exit status then, or nothing to go on and show
/// the window or export the picture.
std::optional<int> actOn(const fourier::CommandLine& line)
{
    using fourier::CommandLine;
    if (!line.warning.isEmpty())
        std::fputs(qPrintable(line.warning), stderr);
    switch (line.action) {
    case CommandLine::Action::PrintHelp:
    case CommandLine::Action::PrintVersion:
        return fourier::printToStandardOutput(line.message);
    case CommandLine::Action::Refuse:
        std::fputs(qPrintable(line.message), stderr);
        return 2;
    case CommandLine::Action::Export:
    case CommandLine::Action::Describe:
        // Drawn off screen: no display is needed.
        return std::nullopt;
    case CommandLine::Action::ShowWindow:
        break;
    }
    if (const QString missing = fourier::missingDisplay(line.platform); !missing.isEmpty()) {
        std::fputs(qPrintable(missing + QLatin1Char('\n')), stderr);
        return 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // A file-size limit (ulimit -f) then makes a save fail with a message instead of killing
    // the program.
    fourier::ignoreFileSizeSignal();
    fourier::provideRuntimeDirectory();
    QCoreApplication::setApplicationName(QStringLiteral("fourier-analysis"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FOURIER_VERSION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    fourier::ApplicationArguments applicationArguments(argc, argv);
    // The language comes first: the help and every error are written in it.
    fourier::Translations translations(
        fourier::chosenLanguage(arguments, fourier::LocaleVariables::fromEnvironment()));
    fourier::CommandLine line;
    {
        // Read without a display, so that --help and --version need none.
        const auto core = fourier::startCoreApplication(applicationArguments, translations);
        line = fourier::parseCommandLine(arguments);
        if (const std::optional<int> status = actOn(line))
            return *status;
    }

    if (line.action == fourier::CommandLine::Action::Export) {
        const auto application
            = fourier::startOffscreenApplication(applicationArguments, translations);
        return fourier::exportLesson(line);
    }
    if (line.action == fourier::CommandLine::Action::Describe) {
        const auto application
            = fourier::startOffscreenApplication(applicationArguments, translations);
        return fourier::describeLesson(line);
    }
    const auto application
        = fourier::startApplication(applicationArguments, line.zoom, translations);
    QApplication::setDesktopFileName(QStringLiteral(FOURIER_APP_ID));
    fourier::Form1 form;
    form.show();
    // Decoding the icon takes as long as laying out the whole window: it follows the window
    // onto the screen rather than holding it back.
    QTimer::singleShot(0, &form,
        [] { QApplication::setWindowIcon(QIcon(QStringLiteral(":/fourier-analysis.png"))); });
    // Opened once the window is up, so that a message about the file has the window behind it.
    if (!line.lesson.isEmpty())
        QTimer::singleShot(0, &form, [&form, &line] { form.openLesson(line.lesson); });
    // Beside the window once the window is placed, and following the lesson as it opens.
    if (line.harmonics)
        QTimer::singleShot(0, &form, [&form] { form.showHarmonics(); });
    return QApplication::exec();
}
