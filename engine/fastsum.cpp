// SPDX-License-Identifier: MIT
#include "fastsum.h"

#include <algorithm>

namespace fourier {

namespace {

/// From this count on every double is a whole number, and the plain loop would run for ages.
constexpr double endlessCount = 0x1p53;

/// How far from its group's anchor a sample may lie for the recurrence to start from the anchor.
/// Within it the Taylor series of cos and sin to the seventh power leave out less than 10^-19.
constexpr double anchorReach = 1.0 / 64;

} // namespace

std::optional<std::uint64_t> extraTermCount(double count)
{
    if (!(count >= 2.0))
        return 0;
    if (count >= endlessCount)
        return std::nullopt;
    // The counter runs over the whole numbers 2 .. floor(count).
    return static_cast<std::uint64_t>(count) - 1;
}

// Why the bound holds. Write k_j = 1 + j d for term j (d the wave's step), c_j for its
// coefficient (c_0 = 4, exactly the plain loop's value for the others), b for sin (cos for
// the triangle) and S(x) = sum over j of c_j b(k_j x), computed exactly. Both sums are
// compared with S, so their distance is at most the sum of the two distances. With
// u = 2^-53:
//
// - The library's sin and cos are within one unit in the last place, so within g = 2u of
//   the true value for any result of magnitude up to 1.
// - A complex product rounded part by part is within m |z| |w| of the exact one, with
//   m = sqrt(2) (2 + u) u: each part a c - b d or a d + b c takes at most two roundings of
//   at most u (|a c| + |b d|) <= u |z| |w| each, with or without a fused multiply-add.
// - The plain loop rounds k x to a double, which moves it by at most u k |x|, and sin and cos
//   move by no more than their argument. Then the library (g), the product c_j b (u c_j
//   (1 + g)), and the addition (u times the partial sum).
// - The recurrence starts from z_0 within e_0 of e^{ix}. Taken from the library, e_0 =
//   sqrt(2) g. Turned from its group's anchor a (library) through r, the Taylor series of
//   e^{i(x - a)}, e_0 = sqrt(2) g (1 + t) + t + m (1 + sqrt(2) g)(1 + t), where t = 2u bounds
//   |r - e^{i(x - a)}|: for |x - a| <= 1/64 the series leave out less than 10^-19, rounding
//   x - a turns r by at most u/64, and the polynomials' roundings cost at most u in cos and
//   u/16 in sin. The step w = z_0^d takes d - 1 rounded products and lands within some delta
//   of e^{idx}. Then z_{j+1} = z_j w rounded gives e_{j+1} <= e_j + (1 + e_j) rho with
//   rho = delta + m (1 + delta), since |z_j| <= 1 + e_j and |w| <= 1 + delta. Term j is off
//   by at most c_j e_j, its product by u c_j (1 + e_j), its addition by u times the partial
//   sum.
// - Every partial sum of either loop is at most P_j = (P_{j-1} + c_j (1 + e_j)(1 + u))(1 + u).
//
// So |fast - plain| <= sum_j c_j (e_j + g) + sum_{j>=1} [u c_j (2 + e_j + g) + 2 u Q_j]
// + u |x| sum_{j>=1} c_j k_j, with Q_j = P_{j-1} + c_j (1 + e_j)(1 + u). The plain loop's own
// rounding of k x dominates for large counts. Each sum has a closed form that is no smaller,
// so the bound costs the same for a billion terms as for four (J terms after the base one,
// d the step):
//
// - 1 + e_j = (1 + e_0)(1 + rho)^j, so every e_j is at most E = e_J; being convex in j, e_j is
//   also at most e_0 + (j / J)(E - e_0), and sum_j c_j e_j at most e_0 C + (E - e_0) W / J with
//   W >= sum_j c_j j: (1 + u)^2 4 J / d, or (1 + u)^2 (4 / d) ln(1 + J d) / d.
// - Each c_j is within (1 + u)^2 of 4 / k_j or 4 / k_j^2, and the sum over j >= 1 of 1 / k_j is
//   at most ln(1 + J d) / d, of 1 / k_j^2 at most 1 / d: this gives C >= sum_j c_j.
// - sum_{j>=1} c_j k_j is at most (1 + u)^2 times 4 J, or 4 ln(1 + J d) / d.
// - By induction P_j <= (1 + u)^{2j + 2} (1 + E) C, so every Q_j is at most that for j = J.
//
// The result is doubled: that covers the rounding of this computation itself and leaves a
// margin should the library be off by more than it claims.
CertaintyBound certaintyBound(const Wave& wave, std::uint64_t extraTerms)
{
    constexpr double u = 0x1p-53;
    constexpr double library = 2 * u;
    constexpr double rootTwo = 1.4142135623730952; // rounded up
    constexpr double margin = 2.0;
    constexpr double product = rootTwo * (2 + u) * u;

    constexpr double rotation = 2 * u;
    const double startError = std::max(rootTwo * library,
        rootTwo * library * (1 + rotation) + rotation
            + product * (1 + rootTwo * library) * (1 + rotation));
    double stepError = startError;
    for (int m = 1; m < wave.step; ++m)
        stepError += (1 + stepError) * (startError + product * (1 + startError));
    const double rho = stepError + product * (1 + stepError);

    const double terms = static_cast<double>(extraTerms);
    const double step = wave.step;
    const double termError
        = startError + (1 + startError) * std::expm1(terms * std::log1p(rho) * (1 + 1e-12));
    const double harmonic = std::log1p(terms * step) / step;
    const double coefficientRounding = (1 + u) * (1 + u);
    const bool overK = wave.falloff == Falloff::OverK;
    const double coefficients
        = seriesAmplitude + seriesAmplitude * coefficientRounding * (overK ? harmonic : 1 / step);
    const double perUnitX = seriesAmplitude * coefficientRounding * (overK ? terms : harmonic);
    const double partial
        = std::exp((2 * terms + 2) * std::log1p(u) * (1 + 1e-12)) * (1 + termError) * coefficients;
    const double weighted
        = seriesAmplitude * coefficientRounding / step * (overK ? terms : harmonic);
    const double termErrors = startError * coefficients
        + (extraTerms == 0 ? 0.0 : (termError - startError) * weighted / terms);
    const double base = termErrors * (1 + u) + coefficients * library
        + u * (coefficients - seriesAmplitude) * (2 + termError + library)
        + 2 * u * terms * partial;
    constexpr double rounding = 1 + 1e-10;
    return CertaintyBound { margin * rounding * base, margin * rounding * u * perUnitX };
}

bool wideKernelAvailable()
{
#ifdef FOURIER_AVX2_KERNEL
    static const bool available = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    }();
    return available;
#else
    return false;
#endif
}

void RotationSummer::start(std::span<const double> xs)
{
    const std::size_t samples = xs.size();
    const double anchor = xs[samples / 2];
    double reach = 0.0;
    for (const double x : xs)
        reach = std::max(reach, std::abs(x - anchor));
    if (reach <= anchorReach) {
        // One library call for the group: each sample is its anchor turned through the few
        // hundredths of a radian between them, by the Taylor series of cos and sin.
        const double anchorCos = std::cos(anchor);
        const double anchorSin = std::sin(anchor);
        for (std::size_t s = 0; s < samples; ++s) {
            const double d = xs[s] - anchor;
            const double t = d * d;
            const double cosD = 1.0 + t * (-0.5 + t * (1.0 / 24 - t * (1.0 / 720)));
            const double sinD = d + d * (t * (-1.0 / 6 + t * (1.0 / 120 - t * (1.0 / 5040))));
            m_re[s] = anchorCos * cosD - anchorSin * sinD;
            m_im[s] = anchorCos * sinD + anchorSin * cosD;
        }
    } else {
        for (std::size_t s = 0; s < samples; ++s) {
            m_re[s] = std::cos(xs[s]);
            m_im[s] = std::sin(xs[s]);
        }
    }
    std::copy_n(m_re.begin(), samples, m_stepRe.begin());
    std::copy_n(m_im.begin(), samples, m_stepIm.begin());
    for (int m = 1; m < m_wave.step; ++m) {
        for (std::size_t s = 0; s < samples; ++s) {
            const double re = m_stepRe[s] * m_re[s] - m_stepIm[s] * m_im[s];
            m_stepIm[s] = m_stepRe[s] * m_im[s] + m_stepIm[s] * m_re[s];
            m_stepRe[s] = re;
        }
    }
    const auto& basis = m_wave.basis == Basis::Cosine ? m_re : m_im;
    for (std::size_t s = 0; s < samples; ++s)
        m_sums[s] = basis[s] * seriesAmplitude;
}

RotationSummer::RotationSummer(
    const Wave& wave, std::optional<std::uint64_t> extraTerms, bool allowWide)
    : m_wave(wave)
    , m_extraTerms(extraTerms)
    , m_kernel(baselineKernel::rotateAndSum)
{
#ifdef FOURIER_AVX2_KERNEL
    if (allowWide && wideKernelAvailable())
        m_kernel = avx2Kernel::rotateAndSum;
#else
    static_cast<void>(allowWide);
#endif
}

bool RotationSummer::sum(std::span<const double> xs, std::span<double> ys,
    const std::function<bool()>& keepGoing, std::atomic<std::uint64_t>& done)
{
    const std::size_t samples = std::min(xs.size(), groupSize);
    if (samples == 0)
        return true;
    start(xs.first(samples));
    done.fetch_add(samples, std::memory_order_relaxed);

    std::int64_t k = 1;
    std::uint64_t taken = 0;
    while (!m_extraTerms || taken < *m_extraTerms) {
        if (!keepGoing())
            return false;
        const std::size_t terms = m_extraTerms
            ? static_cast<std::size_t>(std::min<std::uint64_t>(termBlock, *m_extraTerms - taken))
            : termBlock;
        for (std::size_t t = 0; t < terms; ++t) {
            k += m_wave.step;
            m_coefficients[t] = coefficient(m_wave.falloff, static_cast<double>(k));
        }
        m_kernel(m_coefficients.data(), terms, samples, m_re.data(), m_im.data(), m_stepRe.data(),
            m_stepIm.data(), m_sums.data(), m_wave.basis == Basis::Cosine);
        taken += terms;
        done.fetch_add(terms * samples, std::memory_order_relaxed);
    }
    std::copy_n(m_sums.begin(), samples, ys.begin());
    return true;
}

} // namespace fourier
