// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"

#include <string_view>

namespace fourier {

/// Told to the user when the number of coefficients is 0 or less.
inline constexpr std::string_view noSignalMessage = "No Signal Available";
/// Told to the user who asks for the ideal wave with no curve drawn since the last Clear.
inline constexpr std::string_view noCurveMessage = "Draw a curve first.";

/// Draws the square-wave partial sum with the number of terms in T1, in purple.
void square(FormContext& form);
/// Draws the triangle-wave partial sum with the number of terms in T1, in red.
void triangule(FormContext& form);
/// Draws the sawtooth partial sum with the number of terms in T1, upside down, in green.
void sawtooth(FormContext& form);

/// Sin x: the frame and y = 4 sin x.
void Command2_Click(FormContext& form);
/// Cos x: the frame and y = 4 cos x.
void Command3_Click(FormContext& form);

/// Draw Ideal Wave: behind the picture, the limit of the series of the newest curve since the
/// last Clear, across the plot area at the scale in force, in a light tint of the curve's colour
/// and with a vertical segment at each jump. It takes only pixels that still show the
/// background, so the axes and every curve keep theirs, and later curves draw over it. With no
/// curve it draws nothing and says noCurveMessage.
void drawIdealWave(FormContext& form);

/// "Calculate  Square Series": the frame, the coefficient checks, then the square wave.
void Ejecutar_Click(FormContext& form);
/// "Calculate Triangular Series": the frame, the coefficient checks, then the triangle wave.
void Command4_Click(FormContext& form);
/// "Calculate Sawtooh Series": the frame, the coefficient checks, then the sawtooth.
void Command5_Click(FormContext& form);

} // namespace fourier
