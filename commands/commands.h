// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"

#include <string_view>

namespace fourier {

/// Told to the user when the number of coefficients is 0 or less.
inline constexpr std::string_view noSignalMessage = "No Signal Available";

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

/// "Calculate  Square Series": the frame, the coefficient checks, then the square wave.
void Ejecutar_Click(FormContext& form);
/// "Calculate Triangular Series": the frame, the coefficient checks, then the triangle wave.
void Command4_Click(FormContext& form);
/// "Calculate Sawtooh Series": the frame, the coefficient checks, then the sawtooth.
void Command5_Click(FormContext& form);

} // namespace fourier
