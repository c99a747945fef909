// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "curvenumbers.h"
#include "idealwave.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <vector>

namespace fourier {

/// What is told of one curve of the picture, in the user's language: the sum written out, its
/// harmonics, and its numbers with what each means. The Harmonics window shows it, and
/// --describe prints it.
class CurveFacts {
    Q_DECLARE_TR_FUNCTIONS(fourier::CurveFacts)
public:
    explicit CurveFacts(PictureCurve curve);

    /// One of the curve's numbers: what it is called, its value, and one plain sentence of what
    /// it means.
    struct Number {
        /// A name for the program, as --describe --json names it.
        const char* key;
        QString name;
        QString value;
        QString meaning;
    };

    const PictureCurve& curve() const { return m_curve; }
    const CommandRow& row() const { return commandRow(m_curve.command); }
    const CurveNumbers& numbers() const { return m_numbers; }
    /// The wave the curve tends to.
    const IdealWave& idealWave() const { return *idealWaveOf(m_curve.command); }

    /// What screen readers say of the curve.
    QString description() const;
    /// The sum as a textbook writes it: "y = 4 sin x + 4/3 sin 3x + … + 4/19 sin 19x".
    QString writtenSum() const;
    /// Its count of terms: "10 terms".
    QString termCountText() const;
    /// The term of harmonic \a harmonic as a textbook writes it, with its sign when negative:
    /// "4/3 sin 3x", "−2 sin 2x"; "0" for a harmonic the sum does not have.
    QString termText(std::uint64_t harmonic) const;

    /// The coefficient of harmonic \a harmonic in the sum, as the curve is drawn (the sawtooth
    /// upside down); 0 for a harmonic it does not have.
    double coefficient(std::uint64_t harmonic) const;
    /// The term of harmonic \a harmonic at \a x, as drawn.
    double termAt(std::uint64_t harmonic, double x) const;
    /// The harmonics of the sum's first \a count terms, in order.
    std::vector<std::uint64_t> firstHarmonics(std::size_t count) const;
    /// How many of the sum's harmonics lie above harmonic \a harmonic.
    double harmonicsAbove(std::uint64_t harmonic) const;
    /// The drawn partial sum at \a x, exact within 1e-12.
    double sumAt(double x) const;

    /// The curve's numbers, each with its meaning: the overshoot at the jump or the largest
    /// error, where the wave has one, and the RMS error.
    std::vector<Number> numberLines() const;

private:
    /// How many times the harmonics step from one term to the next.
    std::uint64_t step() const;

    PictureCurve m_curve;
    CurveNumbers m_numbers;
};

/// \a value with six significant digits, as every number the program shows is written: with a
/// full stop, whatever the language.
QString shownNumber(double value);
/// A count of terms as the window writes it: whole, in powers of ten from 2^53 on, or the sign
/// of infinity.
QString countText(double count);

} // namespace fourier
