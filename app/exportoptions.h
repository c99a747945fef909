// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QString>
#include <optional>

class QCommandLineParser;

namespace fourier {

struct CommandLine;

/// The options of an export without a window: where to, and what goes with a picture, a sound
/// or a table of values.
inline constexpr QLatin1String exportOption("export");
inline constexpr QLatin1String sizeOption("size");
inline constexpr QLatin1String timeLimitOption("time-limit");
inline constexpr QLatin1String secondsOption("seconds");
inline constexpr QLatin1String pitchOption("pitch");
inline constexpr QLatin1String pointsOption("points");

/// Tells \a parser the export's options, described in the current language.
void describeExportOptions(QCommandLineParser& parser);

/// Reads --export and the options that go with it into \a line. Returns why they cannot be
/// acted on, or nothing.
std::optional<QString> readExport(const QCommandLineParser& parser, CommandLine& line);

} // namespace fourier
