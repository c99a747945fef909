// SPDX-License-Identifier: MIT
#pragma once

#include "wave.h"

#include <optional>

namespace fourier {

/// What a curve drawn from a wave is meant to approach. A series approaches its ideal wave; the
/// curves 4 sin x and 4 cos x, drawn as the first term of the square and the triangle, are
/// their own ideal and miss nothing, while the one-term square series misses the square wave.
enum class CurveKind { Series, Trigonometric };

/// The first extreme of a partial sum past its jump at x = 0, where it rings highest beyond
/// the ideal wave (docs/closed-forms.md, "The curve's numbers").
struct Overshoot {
    /// Where the extreme lies: 0 for the series' limit, where it has drawn in to the jump.
    double x;
    /// The drawn curve's value there (the sawtooth's drawn upside down, as it is shown).
    double value;
    /// How far the value goes past the ideal wave's beside the jump, in percent of the jump;
    /// negative where a short sum falls short of it.
    double percent;
};

/// Where the curve lies farthest from its ideal wave, for a curve without jumps.
struct LargestError {
    double x;
    /// The drawn curve's value there.
    double value;
    /// The ideal wave's value there less the curve's.
    double error;
};

/// The numbers that describe how closely a curve follows its ideal wave, each within 1e-9 of
/// the exact one at any count.
struct CurveNumbers {
    /// For a series with a jump: the square and the sawtooth.
    std::optional<Overshoot> overshoot;
    /// For a series without a jump: the triangle.
    std::optional<LargestError> largestError;
    /// The root mean square of the curve less its ideal wave over one period; 0 for the limit.
    double rmsError;
};

/// The numbers of the curve of \a wave, the square, the triangle or the sawtooth, with
/// termCount(\a count) terms, or of the series' limit for an infinite count, in constant time.
/// A trigonometric curve has neither an overshoot nor a largest error, and an RMS error of 0. A
/// NaN count gives neither, and a NaN RMS error.
CurveNumbers curveNumbers(const Wave& wave, double count, CurveKind kind);

} // namespace fourier
