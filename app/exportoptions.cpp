// SPDX-License-Identifier: MIT
#include "exportoptions.h"

#include "commandline.h"
#include "dataexport.h"
#include "echo.h"
#include "fade.h"
#include "pictureexport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cmath>

namespace fourier {

namespace {

/// The options that go with an export of one kind alone, and the kind.
struct KindOption {
    QLatin1String name;
    std::optional<DataFormat> kind;
};
constexpr KindOption kindOptions[]
    = { { sizeOption, std::nullopt }, { secondsOption, DataFormat::Sound },
          { pitchOption, DataFormat::Sound }, { pointsOption, DataFormat::Values } };

/// Reads --size's value into \a line: a whole factor from 1 to 8, or a width in pixels such as
/// 1920px. False when it is neither.
bool readSize(const QString& text, CommandLine& line)
{
    const QString trimmed = text.trimmed();
    const bool inPixels = trimmed.endsWith(QLatin1String("px"));
    bool isNumber = false;
    const int value = (inPixels ? trimmed.chopped(2) : trimmed).toInt(&isNumber);
    const std::optional<ExportSize> size = !isNumber ? std::nullopt
        : inPixels                                   ? ExportSize::ofWidth(value)
                                                     : ExportSize::times(value);
    if (!size)
        return false;
    line.exportSize = *size;
    return true;
}

/// Reads --time-limit's seconds into \a line; false when they are no number above 0.
bool readTimeLimit(const QString& text, CommandLine& line)
{
    bool isNumber = false;
    const double seconds = text.trimmed().toDouble(&isNumber);
    // The negation also refuses NaN, which compares false with everything.
    if (!isNumber || !(seconds > 0.0) || !std::isfinite(seconds))
        return false;
    line.timeLimit = seconds;
    return true;
}

/// Reads --seconds' length into \a line; false when it is no number from shortestStretch to
/// longestStretch.
bool readSeconds(const QString& text, CommandLine& line)
{
    bool isNumber = false;
    const double seconds = text.trimmed().toDouble(&isNumber);
    // The negation also refuses NaN, which compares false with everything.
    if (!isNumber || !(seconds >= shortestStretch && seconds <= longestStretch))
        return false;
    line.soundSeconds = seconds;
    return true;
}

/// Reads --pitch's whole number of Hz into \a line; false when it is none from lowestPitch to
/// highestPitch.
bool readPitch(const QString& text, CommandLine& line)
{
    bool isNumber = false;
    const int hz = text.trimmed().toInt(&isNumber);
    if (!isNumber || hz < lowestPitch || hz > highestPitch)
        return false;
    line.pitch = hz;
    return true;
}

/// Reads --points' whole number into \a line; false when it is none from fewestDataPoints to
/// mostDataPoints.
bool readPoints(const QString& text, CommandLine& line)
{
    bool isNumber = false;
    const qlonglong points = text.trimmed().toLongLong(&isNumber);
    if (!isNumber || points < static_cast<qlonglong>(fewestDataPoints)
        || points > static_cast<qlonglong>(mostDataPoints))
        return false;
    line.points = static_cast<std::size_t>(points);
    return true;
}

/// Why \a option, which goes with an export of \a kind alone, cannot be given with an export
/// to \a path: a picture for no kind, or nothing when it can.
std::optional<QString> kindRefused(
    QLatin1String option, std::optional<DataFormat> kind, const QString& path)
{
    if (dataFormatOf(path) == kind)
        return std::nullopt;
    if (!kind) {
        return QCoreApplication::translate(
            "CommandLine", "--%1 goes with a picture: an export to .png, .svg or .pdf.")
            .arg(option);
    }
    if (*kind == DataFormat::Sound) {
        return QCoreApplication::translate(
            "CommandLine", "--%1 goes with a sound: an export to .wav.")
            .arg(option);
    }
    return QCoreApplication::translate(
        "CommandLine", "--%1 goes with curve data: an export to .csv.")
        .arg(option);
}

/// Reads --seconds, --pitch and --points into \a line. Returns why one cannot be acted on, or
/// nothing.
std::optional<QString> readDataOptions(const QCommandLineParser& parser, CommandLine& line)
{
    if (parser.isSet(secondsOption) && !readSeconds(parser.value(secondsOption), line)) {
        return QCoreApplication::translate("CommandLine",
            "--seconds wants a number of seconds from 0.1 to 60, such as 2 or 0.5, not '%1'.")
            .arg(echoed(parser.value(secondsOption)));
    }
    if (parser.isSet(pitchOption) && !readPitch(parser.value(pitchOption), line)) {
        return QCoreApplication::translate("CommandLine",
            "--pitch wants a whole number of Hz from %1 to %2, such as 220 or 440, not '%3'.")
            .arg(lowestPitch)
            .arg(highestPitch)
            .arg(echoed(parser.value(pitchOption)));
    }
    if (parser.isSet(pointsOption) && !readPoints(parser.value(pointsOption), line)) {
        return QCoreApplication::translate("CommandLine",
            "--points wants a whole number of points from %1 to %2, such as 1001, not '%3'.")
            .arg(fewestDataPoints)
            .arg(mostDataPoints)
            .arg(echoed(parser.value(pointsOption)));
    }
    return std::nullopt;
}

/// Tells \a parser the options of an export of a sound or of curve data.
void describeDataOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(secondsOption,
        QCoreApplication::translate("CommandLine",
            "With --export to .wav: a sound SECONDS long, from 0.1 to 60 (2 unless given)."),
        QCoreApplication::translate("CommandLine", "SECONDS")));
    parser.addOption(QCommandLineOption(pitchOption,
        QCoreApplication::translate("CommandLine",
            "With --export to .wav: the curve's period sounds HZ times a second, from 20 to "
            "2000 (220 unless given). Harmonics at 20 kHz and above are left out: they cannot "
            "be heard."),
        //: The value of --pitch, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "HZ")));
    parser.addOption(QCommandLineOption(pointsOption,
        QCoreApplication::translate("CommandLine",
            "With --export to .csv: the values at N points spread evenly over the picture's x "
            "range, ends included, from 2 to 400001 (1001 unless given)."),
        //: The value of --points, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "N")));
}

} // namespace

void describeExportOptions(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(exportOption,
        QCoreApplication::translate("CommandLine",
            "Draw the lesson file without a window and write the picture to OUT: a PNG image, an "
            "SVG drawing or a PDF document, as its ending .png, .svg or .pdf says. Or write its "
            "newest curve as a sound (.wav), or the values of its curves (.csv)."),
        //: The value of --export, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "OUT")));
    parser.addOption(QCommandLineOption(sizeOption,
        QCoreApplication::translate("CommandLine",
            "With --export: a picture SIZE times the plot area's size, from 1 (the default) to "
            "8, or SIZE pixels wide when it ends in px, as in 1920px."),
        //: The value of --size, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "SIZE")));
    parser.addOption(QCommandLineOption(timeLimitOption,
        QCoreApplication::translate("CommandLine",
            "With --export: give up, writing nothing, when the picture is not drawn within "
            "SECONDS seconds."),
        //: The value of --time-limit, in capitals as the help shows it.
        QCoreApplication::translate("CommandLine", "SECONDS")));
    describeDataOptions(parser);
}

std::optional<QString> readExport(const QCommandLineParser& parser, CommandLine& line)
{
    if (!parser.isSet(exportOption)) {
        for (const QLatin1String option :
            { sizeOption, timeLimitOption, secondsOption, pitchOption, pointsOption }) {
            if (parser.isSet(option)) {
                return QCoreApplication::translate("CommandLine", "--%1 goes with --export.")
                    .arg(option);
            }
        }
        return std::nullopt;
    }
    const QString path = parser.value(exportOption);
    if (!exportFormatOf(path) && !dataFormatOf(path)) {
        return QCoreApplication::translate("CommandLine",
            "--export wants a file name ending in .png, .svg, .pdf, .wav or .csv, not '%1'.")
            .arg(echoed(path));
    }
    for (const KindOption& option : kindOptions) {
        if (!parser.isSet(option.name))
            continue;
        if (std::optional<QString> refused = kindRefused(option.name, option.kind, path))
            return refused;
    }
    if (std::optional<QString> refused = readDataOptions(parser, line))
        return refused;
    if (parser.isSet(sizeOption) && !readSize(parser.value(sizeOption), line)) {
        return QCoreApplication::translate("CommandLine",
            "--size wants a whole factor from 1 to 8, or a width from %1 to %2 pixels such as "
            "1920px, not '%3'.")
            .arg(ExportSize::smallestWidth)
            .arg(ExportSize::largestWidth)
            .arg(echoed(parser.value(sizeOption)));
    }
    if (parser.isSet(timeLimitOption) && !readTimeLimit(parser.value(timeLimitOption), line)) {
        return QCoreApplication::translate("CommandLine",
            "--time-limit wants a number of seconds above 0, such as 60 or 2.5, not '%1'.")
            .arg(echoed(parser.value(timeLimitOption)));
    }
    if (parser.positionalArguments().isEmpty())
        return QCoreApplication::translate("CommandLine", "--export wants a lesson file to draw.");
    line.action = CommandLine::Action::Export;
    line.exportPath = path;
    return std::nullopt;
}

} // namespace fourier
