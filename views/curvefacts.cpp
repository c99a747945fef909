// SPDX-License-Identifier: MIT
#include "curvefacts.h"

#include "closedsum.h"

#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

namespace fourier {

namespace {

/// A sum of more terms than this is written as its first three, an ellipsis and its last.
constexpr double termsWrittenOut = 4;
/// The largest harmonic whose square a 64-bit fraction holds.
constexpr std::uint64_t largestSquared = std::uint64_t { 1 } << 32;
constexpr QChar minus = u'\u2212';

QString wholeNumber(std::uint64_t value)
{
    return QString::number(static_cast<qulonglong>(value));
}

/// Counts from here up, where doubles are whole numbers no integer type holds, are written
/// in powers of ten, and a sum of so many terms is not written out to its last.
constexpr double largestWholeCount = 0x1p53;

} // namespace

QString countText(double count)
{
    if (std::isinf(count))
        return QStringLiteral("\u221e");
    if (count < largestWholeCount)
        return wholeNumber(static_cast<std::uint64_t>(count));
    return QString::number(count, 'g', 6);
}

QString shownNumber(double value)
{
    return QString::number(value, 'g', 6);
}

CurveFacts::CurveFacts(PictureCurve curve)
    : m_curve(std::move(curve))
    , m_numbers(curveNumbers(
          *row().wave, m_curve.terms, row().series ? CurveKind::Series : CurveKind::Trigonometric))
{
}

QString CurveFacts::description() const
{
    // The curves' wordings are written out for translators with the commands' other texts, in
    // app/coretexts.cpp.
    const Phrase& phrase = m_curve.description;
    const QString pattern = QCoreApplication::translate("Curve", phrase.pattern.c_str());
    return QString::fromStdString(Phrase::filledIn(pattern.toStdString(), phrase.arguments));
}

std::uint64_t CurveFacts::step() const
{
    return static_cast<std::uint64_t>(row().wave->step);
}

double CurveFacts::coefficient(std::uint64_t harmonic) const
{
    if (harmonic < 1 || (harmonic - 1) % step() != 0
        || static_cast<double>((harmonic - 1) / step()) >= m_curve.terms)
        return 0.0;
    const Wave& wave = *row().wave;
    return wave.pointSign * fourier::coefficient(wave.falloff, static_cast<double>(harmonic));
}

double CurveFacts::termAt(std::uint64_t harmonic, double x) const
{
    return coefficient(harmonic) * basisAt(row().wave->basis, static_cast<double>(harmonic) * x);
}

std::vector<std::uint64_t> CurveFacts::firstHarmonics(std::size_t count) const
{
    std::vector<std::uint64_t> harmonics;
    for (std::size_t i = 0; i < count && static_cast<double>(i) < m_curve.terms; ++i)
        harmonics.push_back(1 + i * step());
    return harmonics;
}

double CurveFacts::harmonicsAbove(std::uint64_t harmonic) const
{
    const double upTo = harmonic < 1 ? 0.0 : static_cast<double>((harmonic - 1) / step() + 1);
    return std::max(m_curve.terms - upTo, 0.0);
}

double CurveFacts::sumAt(double x) const
{
    const Wave& wave = *row().wave;
    return wave.pointSign * certifiedSum(wave, m_curve.terms, x).value;
}

QString CurveFacts::termText(std::uint64_t harmonic) const
{
    const double value = coefficient(harmonic);
    if (value == 0.0)
        return QStringLiteral("0");
    const Wave& wave = *row().wave;
    const bool squared = wave.falloff == Falloff::OverKSquared;
    QString fraction;
    if (squared && harmonic >= largestSquared) {
        fraction = QStringLiteral("4/%1\u00b2").arg(wholeNumber(harmonic));
    } else {
        const std::uint64_t denominator = squared ? harmonic * harmonic : harmonic;
        const std::uint64_t common = std::gcd(std::uint64_t { 4 }, denominator);
        const std::uint64_t top = 4 / common;
        const std::uint64_t bottom = denominator / common;
        if (bottom != 1)
            fraction = wholeNumber(top) + u'/' + wholeNumber(bottom);
        else if (top != 1)
            fraction = wholeNumber(top);
    }
    //: The sine and the cosine as a formula writes them, as in 4/3 sin 3x.
    const QString function = wave.basis == Basis::Sine ? tr("sin") : tr("cos");
    const QString argument
        = harmonic == 1 ? QStringLiteral("x") : wholeNumber(harmonic) + QLatin1Char('x');
    QString term = function + u' ' + argument;
    if (!fraction.isEmpty())
        term = fraction + u' ' + term;
    return value < 0.0 ? QString(minus + term) : term;
}

QString CurveFacts::writtenSum() const
{
    std::vector<std::uint64_t> harmonics = firstHarmonics(
        m_curve.terms > termsWrittenOut ? 3 : static_cast<std::size_t>(m_curve.terms));
    const bool cut = m_curve.terms > termsWrittenOut;
    QString sum = QStringLiteral("y = ");
    const auto append = [&](const QString& term, bool first) {
        if (first)
            sum += term;
        else if (term.startsWith(minus))
            sum += QStringLiteral(" \u2212 ") + term.mid(1);
        else
            sum += QStringLiteral(" + ") + term;
    };
    for (std::size_t i = 0; i < harmonics.size(); ++i)
        append(termText(harmonics[i]), i == 0);
    if (cut && !(m_curve.terms < largestWholeCount)) {
        append(QStringLiteral("\u2026"), false);
    } else if (cut) {
        const auto last = static_cast<std::uint64_t>(m_curve.terms - 1) * step() + 1;
        const QString lastTerm = termText(last);
        const QString ellipsis = QStringLiteral("\u2026");
        append(lastTerm.startsWith(minus) ? QString(minus + ellipsis) : ellipsis, false);
        append(lastTerm, false);
    }
    return sum;
}

QString CurveFacts::termCountText() const
{
    if (m_curve.terms == 1.0)
        return tr("1 term");
    return tr("%1 terms").arg(countText(m_curve.terms));
}

std::vector<CurveFacts::Number> CurveFacts::numberLines() const
{
    std::vector<Number> lines;
    if (const std::optional<Overshoot>& overshoot = m_numbers.overshoot) {
        // The extreme lies at pi / (2m) for the square's m terms, at pi / (m + 1) for the
        // sawtooth's (see curveNumbers).
        const double piOver = step() == 2 ? 2 * m_curve.terms : m_curve.terms + 1;
        lines.push_back({ "overshoot", tr("Overshoot at the jump"),
            //: %1 is the sum's value at its first peak past the jump at x = 0, %2 that peak's
            //: x, %3 the same x as pi over a whole number, %4 how far the peak goes past the
            //: ideal wave, in percent of the jump's height.
            tr("%1 at x = %2 (\u03c0/%3), %4 % of the jump")
                .arg(shownNumber(overshoot->value), shownNumber(overshoot->x), countText(piOver),
                    QString::number(overshoot->percent, 'f', 4)),
            overshoot->percent >= 0.0
                ? tr("However many terms, the sum overshoots the jump by about 9 % of its "
                     "height: more terms squeeze the overshoot towards the jump but never lower "
                     "it.")
                : tr("With so few terms the sum does not yet reach the top of the jump; with "
                     "more it overshoots it, by about 9 % however many terms there are.") });
    }
    if (const std::optional<LargestError>& largest = m_numbers.largestError) {
        lines.push_back({ "maxError", tr("Largest error"),
            //: %1 is how far the sum lies below the ideal wave where it misses it most, %2
            //: that point's x.
            tr("%1 at x = %2").arg(shownNumber(largest->error), shownNumber(largest->x)),
            tr("At its peak the sum falls short of the ideal wave by this much; it shrinks "
               "about as one over the number of terms.") });
    }
    lines.push_back({ "rmsError", tr("RMS error"), shownNumber(m_numbers.rmsError),
        row().series
            ? tr("The typical distance between the sum and the ideal wave over one period, the "
                 "root of their mean square difference; it shrinks as terms are added.")
            : tr("This curve is its own ideal wave: one term is the whole series, so it misses "
                 "nothing and overshoots nowhere.") });
    return lines;
}

} // namespace fourier
