// SPDX-License-Identifier: MIT
#include "rotationkernel.h"

// This file is compiled twice, with FOURIER_KERNEL_NAMESPACE naming the copy: -O3 for every
// processor, and -O3 for AVX2 and FMA. It must not use inline functions or templates from other
// headers: the linker keeps one body of each, and an AVX2 body picked for code that runs
// everywhere would fault on older processors. Only plain loops over plain arrays live here.

namespace fourier::FOURIER_KERNEL_NAMESPACE {

namespace {

/// The whole kernel, for the sine (\a Cosine false) or the cosine component. The sample loop is
/// innermost so that the compiler runs it over several samples at once; __restrict tells it the
/// arrays are distinct, which spares it a run-time overlap check.
template <bool Cosine>
void advance(const double* __restrict coefficients, std::size_t terms, std::size_t samples,
    double* __restrict re, double* __restrict im, const double* __restrict stepRe,
    const double* __restrict stepIm, double* __restrict sums)
{
    for (std::size_t t = 0; t < terms; ++t) {
        const double c = coefficients[t];
        for (std::size_t s = 0; s < samples; ++s) {
            const double nextRe = re[s] * stepRe[s] - im[s] * stepIm[s];
            const double nextIm = re[s] * stepIm[s] + im[s] * stepRe[s];
            re[s] = nextRe;
            im[s] = nextIm;
            sums[s] = sums[s] + c * (Cosine ? nextRe : nextIm);
        }
    }
}

} // namespace

void rotateAndSum(const double* coefficients, std::size_t terms, std::size_t samples, double* re,
    double* im, const double* stepRe, const double* stepIm, double* sums, bool cosine)
{
    if (cosine)
        advance<true>(coefficients, terms, samples, re, im, stepRe, stepIm, sums);
    else
        advance<false>(coefficients, terms, samples, re, im, stepRe, stepIm, sums);
}

} // namespace fourier::FOURIER_KERNEL_NAMESPACE
