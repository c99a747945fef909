// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace fourier {

/// Advances a group of partial sums by \a terms terms of the rotation recurrence. Sample s holds
/// z = (re[s], im[s]), the current term's cos and sin, and the step w = (stepRe[s], stepIm[s]);
/// each term turns z by w and adds coefficients[t] times im (re when \a cosine) to sums[s].
/// The arrays hold \a samples values each and must not overlap.
using RotationKernel = void (*)(const double* coefficients, std::size_t terms, std::size_t samples,
    double* re, double* im, const double* stepRe, const double* stepIm, double* sums, bool cosine);

// The same source is built once for any x86-64 and, where the compiler can, once more for
// processors with AVX2 and FMA. Each build has its own namespace so that the two never meet.

namespace baselineKernel {
/// The RotationKernel every processor runs.
void rotateAndSum(const double* coefficients, std::size_t terms, std::size_t samples, double* re,
    double* im, const double* stepRe, const double* stepIm, double* sums, bool cosine);
} // namespace baselineKernel

#ifdef FOURIER_AVX2_KERNEL
namespace avx2Kernel {
/// The RotationKernel for processors with AVX2 and FMA; others must never call it.
void rotateAndSum(const double* coefficients, std::size_t terms, std::size_t samples, double* re,
    double* im, const double* stepRe, const double* stepIm, double* sums, bool cosine);
} // namespace avx2Kernel
#endif

} // namespace fourier
