// SPDX-License-Identifier: MIT
#pragma once

#include "rotationkernel.h"
#include "wave.h"

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace fourier {

/// How many terms follow the base term when the plain loop is asked for \a count, or nothing
/// when it would never end in practice: from 2^53 up (counts so large that they are all whole
/// numbers) and for infinity. NaN and counts below 2 give the base term alone.
std::optional<std::uint64_t> extraTermCount(double count);

/// A proven bound on |sum by the rotation recurrence - referenceSum| at x: base + perUnitX |x|.
struct CertaintyBound {
    double base = 0.0;
    double perUnitX = 0.0;
    double at(double x) const { return base + perUnitX * std::abs(x); }
};

/// The bound for \a wave with \a extraTerms terms after the base one, in closed form: its cost
/// does not grow with the count.
CertaintyBound certaintyBound(const Wave& wave, std::uint64_t extraTerms);

/// The certainty bound's two halves, how far the rotation recurrence's sum and how far the plain
/// loop's lie from the exact partial sum, each sharper than the whole for a large count: the
/// recurrence's rounding errors turn with its terms and largely cancel, and the partial sums
/// keep near the series' limit, except near the points where sin(d x / 2) vanishes (d the
/// wave's step). Dearer than CertaintyBound::at, for the few samples and stretches the
/// enclosures look at. \a least is a lower bound on |sin(d x / 2)| at x (0 when nothing is
/// known of it).
class SumBounds {
public:
    /// At least |sum by the rotation recurrence - exact sum| at x.
    double recurrenceAt(double x, double least) const;
    /// At least |referenceSum - exact sum| at x.
    double plainAt(double x, double least) const;
    /// At least |referenceSum - nearPlainSum| at x, where nearPlainSum gave \a sum.
    double nearPlainAt(double x, double least, double sum) const;

private:
    friend SumBounds sumBounds(const Wave& wave, std::uint64_t extraTerms);
    /// The rounding of either loop's additions.
    double additionsAt(double x, double least) const;
    /// The recurrence's errors in its terms, summed.
    double termErrorsAt(double least) const;

    CertaintyBound m_certainty;
    double m_terms = 0.0;
    double m_linearPartial = 0.0;
    double m_largestPartial = 0.0;
    double m_partialLevel = 0.0;
    double m_tails = 0.0;
    double m_plainBase = 0.0;
    double m_plainPerUnitX = 0.0;
    double m_recurrenceBase = 0.0;
    double m_linearTermErrors = 0.0;
    double m_stepError = 0.0;
    double m_beforeTurn = 0.0;
    double m_afterTurn = 0.0;
    double m_perUnitX = 0.0;
    double m_termError = 0.0;
    double m_coefficients = 0.0;
    double m_step = 0.0;
};

/// The two halves for \a wave with \a extraTerms terms after the base one, in closed form.
SumBounds sumBounds(const Wave& wave, std::uint64_t extraTerms);

/// The sum at \a x with \a extraTerms terms after the base one, far nearer the plain loop's
/// than the rotation recurrence's: the recurrence with the plain loop's own rounding of k x put
/// in, to first order, and its additions compensated, so that what is left between the two is
/// mostly the plain loop's own additions. Under half the plain loop's time, on one
/// thread: for the few samples whose row the other sums leave in question. Nothing once
/// \a keepGoing, asked every RotationSummer::termBlock terms, says to stop.
std::optional<double> nearPlainSum(
    const Wave& wave, std::uint64_t extraTerms, double x, const std::function<bool()>& keepGoing);

/// Whether this processor can run the AVX2 copy of the kernel.
bool wideKernelAvailable();

/// Sums one wave at groups of samples by the rotation recurrence: the base term from the
/// library's sin and cos (at the group's middle sample, turned to each of the others), every
/// further term by turning the previous one through the angle between harmonics. Holds the state of
/// one group, so each thread has its own.
class RotationSummer {
public:
    /// The most samples one call takes.
    static constexpr std::size_t groupSize = 256;
    /// How many terms are taken between two looks at whether to stop.
    static constexpr std::size_t termBlock = 512;

    /// A summer for \a wave with \a extraTerms terms after the base one (none: endless), on the
    /// AVX2 kernel when \a allowWide and the processor has it.
    RotationSummer(const Wave& wave, std::optional<std::uint64_t> extraTerms, bool allowWide);

    /// Writes the sum at each of \a xs (at most groupSize) to \a ys and returns true, or returns
    /// false once \a keepGoing, asked every termBlock terms, says to stop. Adds the samples times
    /// the terms done to \a done as it goes.
    bool sum(std::span<const double> xs, std::span<double> ys,
        const std::function<bool()>& keepGoing, std::atomic<std::uint64_t>& done);

private:
    /// Sets the first term, the step and the sum of the base term for \a xs.
    void start(std::span<const double> xs);

    const Wave& m_wave;
    std::optional<std::uint64_t> m_extraTerms;
    RotationKernel m_kernel;
    std::array<double, groupSize> m_re;
    std::array<double, groupSize> m_im;
    std::array<double, groupSize> m_stepRe;
    std::array<double, groupSize> m_stepIm;
    std::array<double, groupSize> m_sums;
    std::array<double, termBlock> m_coefficients;
};

} // namespace fourier
