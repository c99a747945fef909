// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"

#include <QString>
#include <span>

namespace fourier {

struct CommandLine;

/// The curves \a curves as --describe writes them: for each, oldest first, its description as
/// screen readers hear it, then its numbers, one to a line, in the user's language.
QString describedCurves(std::span<const PictureCurve> curves);

/// The curves \a curves as --describe --json writes them: one JSON document, {"curves": [...]},
/// each curve with its description, wave, count of terms, overshoot, largest error and RMS error,
/// the numbers in full precision.
QString curvesAsJson(std::span<const PictureCurve> curves);

/// What --describe asks for: draws the lesson \a line names off screen and writes to standard
/// output the curves of its final picture since the last Clear, as text or, with --json, as
/// JSON. The running application must be able to draw text (a QGuiApplication).
///
/// Returns the program's exit status: 0 once it is written; 1, with one line on standard error,
/// when the lesson cannot be read or drawn (a step's number of terms too large to add up) or the
/// description cannot be written.
int describeLesson(const CommandLine& line);

} // namespace fourier
