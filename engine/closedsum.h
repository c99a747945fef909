// SPDX-License-Identifier: MIT
#pragma once

#include "certifiedsum.h"
#include "wave.h"

namespace fourier {

/// The farthest from 0 an x may lie for certifiedSum; beyond it the answer is NaN.
inline constexpr double certifiedReach = 0x1p30;

/// certifiedSum's bound never exceeds largestCertifiedBound for any |x| up to this.
inline constexpr double certifiedTightReach = 1e6;
/// The largest bound certifiedSum gives for |x| <= certifiedTightReach, at any count.
inline constexpr double largestCertifiedBound = 1e-12;

/// Whether certifiedSum knows the closed forms of \a wave: the square, the triangle and the
/// sawtooth.
bool hasClosedForms(const Wave& wave);

/// The exact partial sum of \a wave at \a x with termCount(count) terms, the series' limit for
/// an infinite count, from its closed forms: its cost does not grow with the count. The sum is
/// the exact one of the series at the double \a x (the sawtooth's as the series is written, not
/// negated as it is drawn), not the plain loop's rounded one.
///
/// The bound is proven (docs/closed-forms.md) and at most largestCertifiedBound for every
/// |x| <= certifiedTightReach and every count, up to the largest double; it stays honest, if
/// larger, up to certifiedReach. Counts below 2, zero and negative ones among them, give the base
/// term alone, as in the plain loop. A NaN count or x, an infinite x, an x beyond certifiedReach
/// and a wave other than the square, the triangle and the sawtooth give a NaN value with an
/// infinite bound.
CertifiedSum certifiedSum(const Wave& wave, double count, double x);

} // namespace fourier
