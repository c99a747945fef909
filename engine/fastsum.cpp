// SPDX-License-Identifier: MIT
#include "fastsum.h"

#include "roundoff.h"

#include <algorithm>
#include <numbers>

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

namespace {

constexpr double u = unitRoundoff;
constexpr double library = 2 * u;
constexpr double margin = 2.0;
constexpr double rounding = 1 + 1e-10;

/// The pieces of the bounds below, for one wave and count.
struct BoundParts {
    double terms;
    double step;
    double startError;
    double stepError;
    double product;
    double termError;
    double coefficients;
    double termErrors;
    double perUnitX;
    double partial;
};

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
BoundParts boundParts(const Wave& wave, std::uint64_t extraTerms)
{
    constexpr double rootTwo = 1.4142135623730952; // rounded up
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
    return { terms, step, startError, stepError, product, termError, coefficients, termErrors,
        perUnitX, partial };
}

/// What bounds the partial sums S_j of one wave: all of them at every x, their limit, and the
/// sum over j of their tails, at least |sin(d x / 2)| = 1.
struct PartialSums {
    double largest;
    double level;
    double tails;
};

PartialSums partialSums(const Wave& wave, double terms, double coefficients)
{
    constexpr double up = 1 + 1e-12;
    const double level = wave.limitBound * up;
    switch (wave.closedForms) {
    case ClosedForms::OddSines:
        return { wave.partialSumBound, level, 2 * std::log((2 * terms + 3) / 3) * up };
    case ClosedForms::AllSines:
        return { wave.partialSumBound, level, 4 * std::log((terms + 2) / 2) * up };
    case ClosedForms::OddCosinesOverSquares:
        return { coefficients, level, 2.0 / 3 * up };
    case ClosedForms::None:
        break;
    }
    return { coefficients, coefficients, 0.0 };
}

} // namespace

CertaintyBound certaintyBound(const Wave& wave, std::uint64_t extraTerms)
{
    const BoundParts p = boundParts(wave, extraTerms);
    const double base = p.termErrors * (1 + u) + p.coefficients * library
        + u * (p.coefficients - seriesAmplitude) * (2 + p.termError + library)
        + 2 * u * p.terms * p.partial;
    return CertaintyBound { margin * rounding * base, margin * rounding * u * p.perUnitX };
}

// The two halves of the bound, sharper. Of the sum above, the plain loop alone makes
// sum_j c_j g + sum_{j>=1} [u c_j (1 + g) + u Q_j] + u |x| sum_{j>=1} c_j k_j, and the
// recurrence |sum_j c_j (b(z_j) - b(e^{i k_j x}))| + sum_{j>=1} [u c_j (1 + e_j) + u Q_j].
// Only what rests on the library's accuracy is doubled: the roundings of the additions and of
// k x are the arithmetic's own. Two parts can be made much smaller:
//
// - The partial sums. No partial sum of S exceeds A = pi Si(pi) for the square wave, or
//   2 pi Si(pi) for the sawtooth. S_J / 4 is the integral from 0 to x of sin(2 (J + 1) t) /
//   (2 sin t), or of sin((J + 1/2) t) / (2 sin(t / 2)) - 1/2. On (0, pi/2], or (0, pi], the
//   lobes of the first integrand alternate and shrink, so its integral lies between 0 and its
//   first lobe, which sin t >= 2t / pi (sin(t / 2) >= t / pi) bounds by (pi / 4) Si(pi), or
//   (pi / 2) Si(pi); the symmetries of S cover every other x. Nearer the truth, S_j lies within
//   its tail of the limit (pi, 2 pi and pi^2 / 2 at most), and by Abel's summation the tail
//   after k_j is at most 4 / (k_{j+1} s), or 4 / (k_{j+1}^2 s) for the triangle, with
//   s = |sin(d x / 2)|: summed over j, 2 ln((2J + 3) / 3) / s, 4 ln((J + 2) / 2) / s and
//   (2 / 3) / s. The reference's c_j move S by at most u C more, and either loop's partial sums
//   lie within the whole bound of S's.
// - The recurrence's errors turn with its terms and so largely cancel. With omega = e^{idx},
//   z_j - e^{i k_j x} = (z_0 - e^{ix}) w^j + e^{ix} (w^j - omega^j) + sum_{i<j} r_i w^{j-1-i},
//   where r_i, the rounding of the product that gives z_{i+1}, is at most m (1 + E)(1 + delta).
//   The c_j do not increase, so by Abel's inequality |sum_j c_j v_j| is at most the first c_j
//   times the largest |sum_{j<=p} v_j|. The partial sums of w^j are at most H = (1 + G) /
//   (2 s - delta) (|1 - omega| = 2 s) with G = (1 + delta)^(J + 1); those of omega^j at most
//   1 / s. This gives e_0 c_0 H for the start and m (1 + E)(1 + delta)(C - c_0) H for the
//   products. Writing w^j - omega^j = omega^j beta_j, beta_j = (1 + eta)^j - 1 with
//   |eta| <= delta, so |beta_j| <= j delta G and |beta_{j+1} - beta_j| <= delta G, summation by
//   parts gives at most delta G ((1 + u)^2 4 / d + 2 (C - c_0)) / s for the step
//   (c_J J <= (1 + u)^2 4 / d). Away from the points where s vanishes this is far below
//   sum_j c_j e_j; the smaller of the two is taken.
SumBounds sumBounds(const Wave& wave, std::uint64_t extraTerms)
{
    const BoundParts p = boundParts(wave, extraTerms);
    const double c = p.coefficients;
    const double rest = c - seriesAmplitude;
    const PartialSums sums = partialSums(wave, p.terms, c);
    SumBounds bounds;
    bounds.m_certainty = certaintyBound(wave, extraTerms);
    bounds.m_terms = p.terms;
    bounds.m_linearPartial = p.partial;
    bounds.m_largestPartial = sums.largest + u * c;
    bounds.m_partialLevel = sums.level + u * c;
    bounds.m_tails = sums.tails;
    bounds.m_plainBase = margin * rounding * (c * library + u * rest * (1 + library));
    bounds.m_plainPerUnitX = rounding * u * p.perUnitX;
    bounds.m_recurrenceBase = margin * rounding * u * rest * (1 + p.termError);
    bounds.m_linearTermErrors = p.termErrors;
    const double delta = p.stepError;
    const double grown = std::exp((p.terms + 1) * std::log1p(delta) * (1 + 1e-12)) * (1 + 1e-12);
    bounds.m_stepError = delta;
    bounds.m_beforeTurn
        = (p.startError * seriesAmplitude + p.product * (1 + p.termError) * (1 + delta) * rest)
        * (1 + grown);
    bounds.m_afterTurn = delta * grown * ((1 + u) * (1 + u) * seriesAmplitude / p.step + 2 * rest);
    bounds.m_perUnitX = p.perUnitX;
    bounds.m_termError = p.termError;
    bounds.m_coefficients = c;
    bounds.m_step = p.step;
    return bounds;
}

double SumBounds::additionsAt(double x, double least) const
{
    const double deviation = m_certainty.at(x);
    double sum = m_terms * std::min(m_linearPartial, m_largestPartial + deviation);
    if (least > 0)
        sum = std::min(sum, m_terms * (m_partialLevel + deviation) + m_tails / least);
    return rounding * u * sum;
}

double SumBounds::plainAt(double x, double least) const
{
    return m_plainBase + additionsAt(x, least) + m_plainPerUnitX * std::abs(x);
}

double SumBounds::termErrorsAt(double least) const
{
    double termErrors = m_linearTermErrors;
    const double gap = 2 * least - m_stepError;
    if (gap > 0)
        termErrors = std::min(termErrors, m_beforeTurn / gap + m_afterTurn / least);
    return margin * rounding * termErrors * (1 + u);
}

double SumBounds::recurrenceAt(double x, double least) const
{
    return termErrorsAt(least) + m_recurrenceBase + additionsAt(x, least);
}

// The near-plain sum N. Let S~ = sum_j c_j b(p_j), with p_j = k_j x rounded as the plain loop
// rounds it (p_0 = x): the plain loop differs from S~ by its library, its products and its
// additions only. k_j x = p_j + r_j exactly, r_j found by splitting the factors in halves
// (Dekker), and b(p_j) = b(k_j x) - r_j b'(k_j x) within r_j^2 / 2 + |r_j|^3 / 6, with
// r_j <= u k_j |x|. N takes z_j for e^{i k_j x} in both, so it is off from S~ by at most the
// recurrence's term errors above and sum_j c_j r_j e_j <= u |x| E sum_j c_j k_j; by the
// Taylor remainders, at most 2 (1 + u)^2 (u x)^2 J (1 + d (J + 1) / 2) (1 + u |x| k_J / 3);
// by the three roundings of each term, 2.0001 u c_j (1 + E); and by the compensated sum
// (Ogita, Rump and Oishi's Sum2), u |N| and gamma_J^2 times the sum of |terms|, with
// gamma_J = J u / (1 - J u).
double SumBounds::nearPlainAt(double x, double least, double sum) const
{
    const double J = m_terms;
    const double gamma = J * u / (1 - J * u);
    const double ux = u * std::abs(x);
    const double own = ux * m_perUnitX * m_termError * (1 + u)
        + 2 * (1 + u) * (1 + u) * ux * ux * J * (1 + m_step * (J + 1) / 2)
            * (1 + ux * (1 + m_step * J) / 3)
        + 2.0001 * u * (m_coefficients - seriesAmplitude) * (1 + m_termError)
        + u * std::abs(sum) * (1 + 2 * u) + gamma * gamma * m_coefficients * (1 + m_termError) * 2;
    return m_plainBase + additionsAt(x, least) + termErrorsAt(least) + rounding * own;
}

namespace {

/// a b = product + error exactly, by Dekker's splitting of each factor into halves; a and b
/// are far from overflow and underflow here.
void exactProduct(double a, double b, double& product, double& error)
{
    constexpr double splitter = 0x1p27 + 1;
    const auto split = [](double v, double& high, double& low) {
        const double c = splitter * v;
        high = c - (c - v);
        low = v - high;
    };
    double aHigh;
    double aLow;
    double bHigh;
    double bLow;
    split(a, aHigh, aLow);
    split(b, bHigh, bLow);
    product = a * b;
    error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
}

} // namespace

std::optional<double> nearPlainSum(
    const Wave& wave, std::uint64_t extraTerms, double x, const std::function<bool()>& keepGoing)
{
    const bool cosine = wave.basis == Basis::Cosine;
    double re = std::cos(x);
    double im = std::sin(x);
    // The step as RotationSummer takes it, d - 1 products of the start.
    double stepRe = re;
    double stepIm = im;
    for (int m = 1; m < wave.step; ++m) {
        const double turned = stepRe * re - stepIm * im;
        stepIm = stepRe * im + stepIm * re;
        stepRe = turned;
    }
    double sum = (cosine ? re : im) * seriesAmplitude;
    double compensation = 0.0;
    std::int64_t k = 1;
    for (std::uint64_t j = 1; j <= extraTerms; ++j) {
        if (j % RotationSummer::termBlock == 0 && !keepGoing())
            return std::nullopt;
        const double turned = re * stepRe - im * stepIm;
        im = re * stepIm + im * stepRe;
        re = turned;
        k += wave.step;
        const double kd = static_cast<double>(k);
        double argument;
        double dropped;
        exactProduct(kd, x, argument, dropped);
        // The plain loop takes sin or cos at k x - dropped.
        const double basis = cosine ? re + im * dropped : im - re * dropped;
        const double term = coefficient(wave.falloff, kd) * basis;
        const double next = sum + term;
        const double back = next - sum;
        compensation += (sum - (next - back)) + (term - back);
        sum = next;
    }
    return sum + compensation;
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
