// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "wave.h"

#include <string_view>

namespace fourier {

/// How the plot area describes a series curve to those who cannot see it, in whole sentences
/// that the window can translate as they are: %1 is the number of terms, %2 the scale.
struct SeriesWording {
    std::string_view oneTerm;
    std::string_view terms;
};

/// The curve a series button draws: the wave the engine sums, its colour and its words.
struct SeriesCurve {
    const Wave& wave;
    Colour colour;
    SeriesWording wording;
};

/// The curve Sin x or Cos x draws; its words have the scale as %1.
struct TrigonometricCurve {
    const Wave& wave;
    Colour colour;
    std::string_view wording;
};

inline constexpr SeriesCurve squareCurve { squareWave, colours::purple,
    { "Square series, %1 term, scale %2", "Square series, %1 terms, scale %2" } };
inline constexpr SeriesCurve triangleCurve { triangleWave, colours::red,
    { "Triangle series, %1 term, scale %2", "Triangle series, %1 terms, scale %2" } };
inline constexpr SeriesCurve sawtoothCurve { sawtoothWave, colours::green,
    { "Sawtooth series, %1 term, scale %2", "Sawtooth series, %1 terms, scale %2" } };

// 4 sin x and 4 cos x are the first terms of the square and triangle waves, and the plain loop
// computes those terms exactly as they are computed alone: the library's sin or cos of x, times
// 4. So with one term these two waves draw the very pixels of the two curves, and the curves go
// the same way as the series.
inline constexpr TrigonometricCurve sineCurve { squareWave, colours::activeCaption,
    "y = 4 sin x, scale %1" };
inline constexpr TrigonometricCurve cosineCurve { triangleWave, colours::buttonText,
    "y = 4 cos x, scale %1" };

} // namespace fourier
