// SPDX-License-Identifier: MIT
#pragma once

#include "certifiedsum.h"

namespace fourier {

/// psi'(x) = sum over j >= 0 of 1 / (x + j)^2, for a finite x > 0, with a proven bound of a few
/// dozen u of the value (docs/closed-forms.md, "The polygamma functions"). It is the tail of
/// the series of inverse squares from x on: what a partial sum of 1 / k^2 leaves out. +infinity
/// gives 0; zero, a negative x and NaN give NaN with an infinite bound.
CertifiedSum trigamma(double x);

/// psi'''(x) = 6 times the sum over j >= 0 of 1 / (x + j)^4, for a finite x > 0, likewise.
/// Where the value overflows (x below about 1e-77) it is infinite, and so is its bound.
CertifiedSum pentagamma(double x);

} // namespace fourier
