// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "form1.h"
#include "safewrite.h"
#include "startup.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char* argv[])
{
    using fourier::CommandLine;
    // A file-size limit (ulimit -f) then makes a save fail with a message instead of killing
    // the program.
    fourier::ignoreFileSizeSignal();
    QCoreApplication::setApplicationName(QStringLiteral("fourier-analysis"));
    QCoreApplication::setApplicationVersion(QStringLiteral(FOURIER_VERSION));

    // Read before Qt starts, so that --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine line = fourier::parseCommandLine(arguments);
    switch (line.action) {
    case CommandLine::Action::PrintHelp:
    case CommandLine::Action::PrintVersion:
        return fourier::printToStandardOutput(line.message);
    case CommandLine::Action::Refuse:
        std::fputs(qPrintable(line.message), stderr);
        return 2;
    case CommandLine::Action::ShowWindow:
        break;
    }
    if (const QString missing = fourier::missingDisplay(line.platform); !missing.isEmpty()) {
        std::fputs(qPrintable(missing + QLatin1Char('\n')), stderr);
        return 1;
    }

    fourier::ApplicationArguments applicationArguments(argc, argv);
    const auto application = fourier::startApplication(applicationArguments, line.zoom);
    QApplication::setDesktopFileName(QStringLiteral("fourier-analysis"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/fourier-analysis.png")));
    fourier::Form1 form;
    form.show();
    return QApplication::exec();
}
