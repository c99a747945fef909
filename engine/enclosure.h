// SPDX-License-Identifier: MIT
#pragma once

#include "wave.h"

#include <optional>

namespace fourier {

/// A closed interval of values; lo > hi never arises, an unknown value is (-inf, inf).
struct Interval {
    double lo;
    double hi;
};

/// A sample whose sum is known to lie in an interval: an anchor of the enclosures.
struct KnownSum {
    double x;
    Interval sum;
};

/// A stretch [x1, x2] of the line with the least |sin| of the derivative's denominator on it (0
/// when it vanishes there), which most bounds need.
struct LineSpan {
    double x1;
    double x2;
    double least;
};

/// An anchor prepared for integrating by parts from it: its sum plus its own oscillating term,
/// and the size of its remainder term.
struct PreparedAnchor {
    KnownSum known;
    Interval start;
    double remainder;
};

/// Proven bounds on the exact partial sum S(x) of one wave with n terms, from its closed forms:
/// the limit of the series with the size of its tail, the closed-form derivatives, and the
/// derivative integrated by parts. None of them sums a term, so their cost does not grow with n.
///
/// Each bound holds for every x of a stretch [x1, x2] and is widened for its own rounding.
/// The sum drawn by the plain loop differs from S(x) by at most its certainty bound, which the
/// caller adds.
class SumEnclosures {
public:
    /// The bounds for \a wave with \a terms terms, or nothing for a wave whose closed forms are
    /// not known here.
    static std::optional<SumEnclosures> forWave(const Wave& wave, double terms);

    /// The stretch [x1, x2], x1 <= x2, with what the bounds need of it.
    LineSpan stretch(double x1, double x2) const;

    /// S over \a s from the limit of the series and the size of its tail.
    Interval limit(const LineSpan& s) const;
    /// \a anchor made ready for fromAnchor, or nothing for a wave that cannot use it.
    std::optional<PreparedAnchor> prepare(const KnownSum& anchor) const;
    /// S over \a s from \a anchor by one integration by parts of the closed-form derivative;
    /// (-inf, inf) unless both lie between the same two singular points of the derivative. Tight
    /// for a single sample when n is large.
    Interval fromAnchor(const PreparedAnchor& anchor, const LineSpan& s) const;
    /// The largest |S'| on \a s.
    double slopeBound(const LineSpan& s) const;
    /// The largest |S''| on \a s.
    double curvatureBound(const LineSpan& s) const;

    /// Where the integration by parts is taken from: one anchor between each two neighbouring
    /// singular points serves every stretch between them. The index of the piece of the line
    /// that holds [x1, x2], or nothing when a singular point lies in it (or near it) or the
    /// wave has none.
    std::optional<long> singularFreePiece(double x1, double x2) const;
    /// The index of the singular-free piece that holds \a x (or would, were x not on a
    /// singular point), or nothing for a wave whose derivative has no singular points.
    std::optional<long> pieceContaining(double x) const;
    /// Where singular-free piece \a piece begins: a singular point.
    double pieceStart(long piece) const;
    /// The middle of singular-free piece \a piece, the best place for its anchor.
    double pieceMiddle(long piece) const;

private:
    enum class Shape { Square, Triangle, Sawtooth };
    SumEnclosures(Shape shape, double terms);

    /// The least |sin| of the derivative's denominator on [x1, x2] (0 when it vanishes there).
    double leastDenominator(double x1, double x2) const;
    /// The integration by parts: S has the term cos(frequency x) / (divisor sin(angle x)), and
    /// a remainder of remainderFactor times remainderAt at both ends.
    double frequency() const;
    double divisor() const;
    double remainderFactor() const;
    double remainderAt(double t) const;

    Shape m_shape;
    double m_terms;
    /// The distance between neighbouring zeros of the derivative's denominator.
    double m_period;
    /// The denominator is sin(m_halfAngle * x).
    double m_angleFactor;
};

} // namespace fourier
