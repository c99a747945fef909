// SPDX-License-Identifier: MIT
#pragma once

#include "dataexport.h"
#include "exportsize.h"
#include "tone.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>

namespace fourier {

struct LocaleVariables;

/// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { ShowWindow, PrintHelp, PrintVersion, Refuse, Export, Describe };
    Action action = Action::ShowWindow;
    /// The help or version text for standard output, or the error and usage for standard error.
    QString message;
    /// How many times larger the window should be, at least 1 (--zoom).
    std::optional<double> zoom;
    /// The platform plugin Qt was told to use (-platform), or empty.
    QString platform;
    /// The lesson file to open in the window, to export or to describe.
    QString lesson;
    /// Whether the Harmonics window opens beside the main one (--harmonics).
    bool harmonics = false;
    /// Whether the description is one JSON document (--json, with --describe).
    bool json = false;
    /// Where to write the lesson's picture, without opening a window (--export).
    QString exportPath;
    /// The size to export it at (--size).
    ExportSize exportSize;
    /// How many seconds the export may take before it gives up (--time-limit), or none.
    std::optional<double> timeLimit;
    /// How long a sound exported lasts, in seconds (--seconds).
    double soundSeconds = defaultSoundSeconds;
    /// The pitch a sound is exported at, in Hz (--pitch).
    int pitch = defaultPitch;
    /// How many points a table of values exported has (--points).
    std::size_t points = defaultDataPoints;
    /// A line for standard error whatever the action, or empty: that --lang asked for a
    /// language the program does not speak, and so it speaks English.
    QString warning;
};

/// The language --lang asks for in \a arguments, the program's name first, as it is written;
/// nothing when the option is not given. Read before anything else, since every text the
/// program writes is in that language.
std::optional<QString> languageOption(const QStringList& arguments);

/// The language the program speaks, one of translatedLanguages or an empty string for English:
/// the one --lang in \a arguments asks for (English when the program does not speak it),
/// otherwise the desktop's, as \a variables say (see desktopLanguage).
QString chosenLanguage(const QStringList& arguments, const LocaleVariables& variables);

/// Reads the program's arguments, the program's name first. Qt's own options (-platform,
/// -style, ...) are accepted here and left for QApplication to act on; \a listQtOptions puts
/// them in the help, as --help-all asks.
CommandLine parseCommandLine(const QStringList& arguments, bool listQtOptions = false);

/// Writes the help or version \a text to standard output and returns the program's exit
/// status: 0, or 1 with one line on standard error when it cannot all be written (standard
/// output on a full disk, or a pipe whose reader has gone), as the GNU tools do.
int printToStandardOutput(const QString& text);

/// Writes one line to standard error, the program's name and \a message, and returns the
/// program's exit status for a failure, 1.
int failWithLine(const QString& message);

/// The zoom the window gets: \a wanted when a window of \a window pixels fits in \a room (both
/// measured at zoom 1), otherwise the largest quarter step that fits, but never below 1.
double fittingZoom(double wanted, QSize window, QSizeF room);

} // namespace fourier
