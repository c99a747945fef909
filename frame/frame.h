// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"

#include <string>
#include <string_view>
#include <vector>

namespace fourier {

/// The largest scale the frame accepts; scales above it are refused with scaleMessage.
inline constexpr double largestScale = 20.0;
/// Told to the user when the scale typed is above largestScale.
inline constexpr std::string_view scaleMessage = "The value of the Scale Must be less than 20.";

/// Sets the plot area's coordinate system from the scale in T2: x and y both from -s to s,
/// y growing upward. A scale above 20 clears the area and says so; a scale that cannot define
/// a coordinate system (0, non-finite, or one that vanishes or overflows in float) is passed
/// over silently. Both keep the system that was in force.
///
/// Returns whether the area is now in a system the user's scale set, that is whether the
/// command may draw. The area's initial system is never drawn in: everything would pile into
/// a few pixels in its corner.
bool setscale(FormContext& form);

/// Draws the two axes from -20 to 20 with a mark and a number at every whole unit.
void drawaxes(PlotSurface& pic);

/// The words that describe a curve just drawn: \a pattern with \a arguments in its first places
/// and, in the place after them, the scale the area is drawn at now.
Phrase curveDescription(
    std::string_view pattern, std::vector<std::string> arguments, const PlotSurface& pic);

/// Clear: erases the plot area, keeping its coordinate system and the texts.
void Command1_Click(FormContext& form);

} // namespace fourier
