// SPDX-License-Identifier: MIT
#include "closedsum.h"
#include "curvenumbers.h"
#include "fastsum.h"
#include "polygamma.h"
#include "roundoff.h"
#include "sampling.h"
#include "wave.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

namespace fourier {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double infinity = std::numeric_limits<double>::infinity();
/// What the closed forms promise for every |x| up to 1e6 and every count.
constexpr double certifiedPromise = 1e-12;

/// How the loop of one wave reads when it is written out by hand.
struct WrittenLoop {
    const Wave* wave;
    int step;
    bool cosine;
    bool overKSquared;
};

constexpr WrittenLoop loops[] = { { &squareWave, 2, false, false },
    { &triangleWave, 2, true, true }, { &sawtoothWave, 1, false, false } };

/// The sum as the loop is written: k = 1, y = 4 f(x), then each further term in its own order.
double plainSum(const WrittenLoop& s, double n, double x)
{
    const auto f = [&s](double t) { return s.cosine ? std::cos(t) : std::sin(t); };
    double k = 1;
    double y = f(x) * 4;
    for (double term = 2; term <= n; term = term + 1) {
        k = k + s.step;
        y = y + ((4 * (1 / (s.overKSquared ? k * k : k))) * f(k * x));
    }
    return y;
}

TEST(ReferenceSum, IsThePlainLoopBitForBit)
{
    const auto samples = curveSamples();
    std::vector<double> xs { 0, pi / 8, 1e-3, -1e-300, 7.123, samples.front(), samples.back() };
    for (std::size_t i = 0; i < samples.size(); i += 9973)
        xs.push_back(samples[i]);
    for (const WrittenLoop& s : loops) {
        for (const double n : { 0.5, 1.0, 1.99, 2.0, 2.5, 3.0, 4.0, 10.0, 17.0, 100.0, 1000.0 }) {
            int wrong = 0;
            for (const double x : xs) {
                wrong += std::bit_cast<std::uint64_t>(referenceSum(*s.wave, n, x))
                        != std::bit_cast<std::uint64_t>(plainSum(s, n, x))
                    ? 1
                    : 0;
            }
            EXPECT_EQ(wrong, 0) << s.wave->name << " with " << n << " terms";
        }
    }
}

TEST(ReferenceSum, FourTermsHaveTheirClosedForms)
{
    // The square wave's sum rings about pi, highest an eighth of a period from the jump.
    EXPECT_NEAR(referenceSum(squareWave, 4, pi / 8), 3.72035, 1e-5);
    EXPECT_NEAR(referenceSum(squareWave, 4, pi / 4), 2.80149, 1e-5);
    EXPECT_NEAR(referenceSum(squareWave, 4, -pi / 8), -3.72035, 1e-5);
    for (double x = pi / 8; x <= 7 * pi / 8; x += 0.001)
        EXPECT_TRUE(
            referenceSum(squareWave, 4, x) > 2.8014 && referenceSum(squareWave, 4, x) < 3.72036)
            << x;
    EXPECT_NEAR(referenceSum(triangleWave, 4, 0), 4 * (1 + 1.0 / 9 + 1.0 / 25 + 1.0 / 49), 1e-12);
    EXPECT_NEAR(referenceSum(triangleWave, 4, pi), -4.68608, 1e-5);
    EXPECT_NEAR(referenceSum(sawtoothWave, 4, pi / 5), 6.10911, 1e-5);
    EXPECT_NEAR(referenceSum(sawtoothWave, 4, 2 * pi - pi / 5), -6.10911, 1e-5);
}

// The closed forms against the plain loop: the exact sum lies within the certified bound of the
// closed forms' value and within the plain loop's own bound of its value. The counts straddle
// the change from the sum taken term by term to the closed forms (32 terms); the points lie
// beside the jumps, where the sine integral is integrated by quadrature, between them, where
// it comes from its asymptotic series, and far out, where the fold by pi decides everything.
TEST(CertifiedSum, LiesWithinItsBoundOfThePlainLoop)
{
    const std::vector<double> xs { 0, 1e-9, -1e-9, 1e-5, 0.3, pi / 2, std::nextafter(pi / 2, 2.0),
        pi, -pi, std::nextafter(pi, 4.0), 2 * pi, 2 * pi + 1e-7, 6 * pi - 1e-12, 17.3, 20, -20 };
    for (const Wave* wave : { &squareWave, &triangleWave, &sawtoothWave }) {
        const double step = wave->step;
        for (const double count : { -3.0, 0.0, 0.5, 1.0, 2.0, 2.5, 3.0, 7.0, 31.0, 32.0, 32.5, 33.0,
                 34.0, 64.0, 100.0, 1000.0, 12345.6, 100000.0 }) {
            const SumBounds plain = sumBounds(*wave, *extraTermCount(count));
            for (const double x : xs) {
                const CertifiedSum certified = certifiedSum(*wave, count, x);
                const double least = std::abs(std::sin(step * x / 2)) * (1 - 1e-13);
                EXPECT_LE(certified.bound, certifiedPromise)
                    << wave->name << " " << count << " terms at " << x;
                EXPECT_LE(std::abs(certified.value - referenceSum(*wave, count, x)),
                    certified.bound + plain.plainAt(x, least))
                    << wave->name << " " << count << " terms at " << x;
            }
        }
    }
}

/// A wave's partial sums at one x for each of referenceCounts, to 25 digits.
struct HighPrecisionSums {
    const Wave* wave;
    double x;
    std::array<double, 8> sums;
};

constexpr std::array<double, 8> referenceCounts { 40, 1e6, 1e9, 1e12, 1e18, 0x1p60, 1e300,
    infinity };

// Made once by tools/closed_sum_references.py with mpmath: each sum is the series' limit less
// its tail, the tail a Laplace integral without oscillation taken at 40 digits, a method
// unrelated to the closed forms. The points: beside the jump at 0, 9e-11 below pi, between
// jumps, 2.2e-8 below 6 pi, far out, the double nearest a multiple of pi within 1e6 (2.5e-18
// from 58 pi) and -1e6.
const HighPrecisionSums highPrecisionSums[] = {
    { &squareWave, 1e-09,
        { 1.599999999999999530850546e-7, 0.003999999111111218027118943, 3.210825953605389810563555,
            3.141959647936110280348135, 3.141592653185683494556648, 3.141592652856725855906416,
            3.141592653589793238462643, 3.141592653589793238462643 } },
    { &squareWave, 3.1415926535,
        { 1.43669094943237080347103e-8, 0.000359172736714549663197369, 0.3585298166296599747863487,
            3.151311590087578137555971, 3.141592656168763039677281, 3.141592659499066023629211,
            3.141592653589793238462643, 3.141592653589793238462643 } },
    { &squareWave, 1.2,
        { 3.146303244487194135804172, 3.141591952079314747415749, 3.141592654531773724126473,
            3.141592653590816130238625, 3.141592653589793238732584, 3.141592653589793238874832,
            3.141592653589793238462643, 3.141592653589793238462643 } },
    { &squareWave, 18.8495559,
        { -3.446201734973020447722731e-6, -0.08614616189228489811706886,
            -3.113782045429054893905675, -3.141546225900982754129135, -3.141592653614323239712677,
            -3.141592653614892040742753, -3.141592653589793238462643,
            -3.141592653589793238462643 } },
    { &squareWave, -20.0,
        { -3.158097072818617130950764, -3.14159283393669935427958, -3.141592654082079837743878,
            -3.141592653589368152944184, -3.141592653589793238425826, -3.14159265358979323840662,
            -3.141592653589793238462643, -3.141592653589793238462643 } },
    { &squareWave, 182.212373908208,
        { 3.96147607416548928009643e-16, 9.903690185413723200241061e-12,
            9.903690185413723186749624e-9, 9.903690185400231749828497e-6,
            3.118547966770724866793041, 2.890652418635186714313327, 3.141592653589793238462643,
            3.141592653589793238462643 } },
    { &squareWave, -1000000.0,
        { 3.209760842535398219814709, 3.141591931359835690272707, 3.141592654942002267709044,
            3.141592653592570364717368, 3.141592653589793241279592, 3.141592653589793240919277,
            3.141592653589793238462643, 3.141592653589793238462643 } },
    { &triangleWave, 1e-09,
        { 4.909803502343322488094965, 4.934801200542679309722801, 4.934802197750000192358998,
            4.934802197403087121030236, 4.934802197403086655827452, 4.934802197403086655827452,
            4.934802197403086655827452, 4.934802197403086655827452 } },
    { &triangleWave, 3.1415926535,
        { -4.90980350234332256744994, -4.934801200544663183868686, -4.934802199528568114639783,
            -4.934802200262583010142394, -4.934802200262585701153765, -4.934802200262585701153765,
            -4.934802200262585701153765, -4.934802200262585701153765 } },
    { &triangleWave, 1.2,
        { 1.16522118578198502381738, 1.164891016236521658593683, 1.164891016236927563033632,
            1.164891016236927562776813, 1.164891016236927562776813, 1.164891016236927562776813,
            1.164891016236927562776813, 1.164891016236927562776813 } },
    { &triangleWave, 18.8495559,
        { 4.909803502343285454637471, 4.934801199616890697063228, 4.934802132859810368034675,
            4.934802132878666475857029, 4.934802132878666475783332, 4.934802132878666475783332,
            4.934802132878666475783332, 4.934802132878666475783332 } },
    { &triangleWave, -20.0,
        { 1.32030374101441884150265, 1.320575535284426049613908, 1.320575535284966252682075,
            1.320575535284966253171323, 1.320575535284966253171324, 1.320575535284966253171324,
            1.320575535284966253171324, 1.320575535284966253171324 } },
    { &triangleWave, 182.212373908208,
        { 4.909803502343322568094965, 4.934801200544679309500579, 4.934802199544679309417245,
            4.934802200543679309417233, 4.934802200544679301458788, 4.934802200544679301531905,
            4.934802200544679301638905, 4.934802200544679301638905 } },
    { &triangleWave, -1000000.0,
        { 3.811248957227279707294415, 3.811481240042562949552036, 3.811481240041180747228836,
            3.811481240041180745970355, 3.811481240041180745970354, 3.811481240041180745970354,
            3.811481240041180745970354, 3.811481240041180745970354 } },
    { &sawtoothWave, 1e-09,
        { 1.599999999999999952050546e-7, 0.003999999777777451360142878, 3.784332281151674238913425,
            6.280932485876738837670597, 6.283185301828037886361992, 6.283185308512034206029875,
            6.283185305179586476925287, 6.283185305179586476925287 } },
    { &sawtoothWave, 3.1415926535,
        { 3.957789691834656022527974e-28, 2.41328880977366246566302e-19,
            2.412313692415518174550931e-13, 1.776524590404584018992672e-10,
            1.79586367109604465263871e-10, 1.795863702363191548280204e-10,
            1.795863686790463509486327e-10, 1.795863686790463509486327e-10 } },
    { &sawtoothWave, 1.2,
        { 3.893014362152319571059725, 3.883181816730780745160321, 3.883185305963700710131751,
            3.883185307182009471359912, 3.883185307179586562372681, 3.883185307179586562931448,
            3.883185307179586565743129, 3.883185307179586565743129 } },
    { &sawtoothWave, 18.8495559,
        { -3.446201734973441320179208e-6, -0.08615282290778751519895761,
            -6.445790856239834753794085, -6.282999552624837996478512, -6.2831852641922501671217,
            -6.283185264171975215214761, -6.283185264102064789755427,
            -6.283185264102064789755427 } },
    { &sawtoothWave, -20.0,
        { -4.059634734493832061843792, -3.982293630478935373387721, -3.982297146936032648567644,
            -3.982297150253429229046685, -3.982297150257105342084819, -3.982297150257105337720044,
            -3.982297150257105338477007, -3.982297150257105338477007 } },
    { &sawtoothWave, 182.212373908208,
        { 3.96147607416548928009643e-16, 9.903690185413723200241071e-12,
            9.903690185413723196868212e-9, 9.903690185410350337637923e-6,
            7.090541761012346577832199, 7.352248896875717714925505, 6.283185307179586471973442,
            6.283185307179586471973442 } },
    { &sawtoothWave, -1000000.0,
        { 5.643528090922333825697412, 5.568049436244667768652175, 5.56805697697127092314989,
            5.56805697300879226204929, 5.56805697300811638995876, 5.568056973008116386530142,
            5.568056973008116388894623, 5.568056973008116388894623 } },
};

// Counts far beyond any loop, up to the series' limit: the value lies within its bound of the
// reference (which rounding to a double moves by half a unit in its last place), and the
// bound keeps its promise.
TEST(CertifiedSum, LiesWithinItsBoundOfHighPrecisionSumsAtHugeCounts)
{
    for (const HighPrecisionSums& row : highPrecisionSums) {
        for (std::size_t i = 0; i < referenceCounts.size(); ++i) {
            const CertifiedSum certified = certifiedSum(*row.wave, referenceCounts[i], row.x);
            EXPECT_LE(certified.bound, certifiedPromise)
                << row.wave->name << " " << referenceCounts[i] << " terms at " << row.x;
            EXPECT_LE(std::abs(certified.value - row.sums[i]),
                certified.bound + unitRoundoff * std::abs(row.sums[i]))
                << row.wave->name << " " << referenceCounts[i] << " terms at " << row.x;
        }
    }
}

// Each wave's ideal wave, as its data gives it, is the series' limit the closed forms reach, but
// beside a jump, where no double lies on the limit's side of it.
TEST(Waves, TheirIdealWaveIsTheLimitOfTheirSums)
{
    for (const Wave* wave : { &squareWave, &triangleWave, &sawtoothWave }) {
        for (double x = -20; x <= 20; x += 0.37) {
            const double limit = certifiedSum(*wave, infinity, x).value;
            EXPECT_NEAR(wave->ideal(x), limit, 1e-12) << wave->name << " at " << x;
        }
        if (wave->jumpSpacing > 0.0) {
            EXPECT_EQ(wave->ideal(0.0), 0.0) << wave->name;
            // Just past the jump at 0 the sum is at its largest, as summed (before the sign the
            // sawtooth is drawn with).
            EXPECT_NEAR(wave->ideal(0x1p-30), wave->limitBound, 1e-8) << wave->name;
        }
    }
}

// What cannot be certified says so: a value that is not a number and an infinite bound.
TEST(CertifiedSum, AnswersNaNWithAnInfiniteBoundForWhatItCannotTake)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Wave sineOverKSquared { "Other", Basis::Sine, 2, Falloff::OverKSquared, 1.0,
        ClosedForms::None, 0.0, 0.0, 0.0, nullptr };
    const std::vector<std::tuple<const Wave*, double, double>> cases {
        { &squareWave, nan, 1.0 },
        { &triangleWave, 10, nan },
        { &sawtoothWave, 10, infinity },
        { &squareWave, infinity, -infinity },
        { &triangleWave, 1e9, 2 * certifiedReach },
        { &sineOverKSquared, 10, 1.0 },
    };
    for (const auto& [wave, count, x] : cases) {
        const CertifiedSum certified = certifiedSum(*wave, count, x);
        EXPECT_TRUE(std::isnan(certified.value)) << wave->name << " " << count << " at " << x;
        EXPECT_EQ(certified.bound, infinity) << wave->name << " " << count << " at " << x;
    }
}

/// psi'(x) and psi'''(x) to 17 digits.
struct HighPrecisionPolygamma {
    double x;
    double trigamma;
    double pentagamma;
};

// Made by tools/curve_number_references.py from mpmath's own polygamma functions. The points:
// raised by the recurrence, from far and from one step below where the asymptotic series take
// over (32), at it, and beyond, up to where n + 1/2 is no longer a double.
const HighPrecisionPolygamma highPrecisionPolygamma[] = {
    { 0.001, 1.0000016425331958e+6, 6.0000000000064686e+12 },
    { 0.5, 4.9348022005446793, 97.409091034002437 },
    { 1.0, 1.6449340668482264, 6.4939394022668291 },
    { 2.5, 0.49035775610023486, 0.22390584881725205 },
    { 31.99, 0.031753445286707124, 6.4016683248779004e-5 },
    { 32.0, 0.03174336652030209, 6.39557547779763e-5 },
    { 100.5, 0.0099999166695831027, 1.9999000087487086e-6 },
    { 1000000.5, 9.9999999999991667e-7, 1.999999999999e-18 },
    { 1e+18, 1.0e-18, 2.0e-54 },
};

// The tails of the inverse squares and fourth powers: within their bound of mpmath, the bound a
// few dozen u of the value; what is not a positive x has no value.
TEST(Polygamma, LiesWithinItsBoundOfHighPrecisionValues)
{
    for (const HighPrecisionPolygamma& row : highPrecisionPolygamma) {
        for (const auto& [certified, exact] : { std::pair { trigamma(row.x), row.trigamma },
                 std::pair { pentagamma(row.x), row.pentagamma } }) {
            EXPECT_LE(std::abs(certified.value - exact), certified.bound + unitRoundoff * exact)
                << row.x << " " << exact;
            EXPECT_LE(certified.bound, 64 * unitRoundoff * exact) << row.x << " " << exact;
        }
    }
    for (const double x : { 0.0, -1.0, std::numeric_limits<double>::quiet_NaN() }) {
        EXPECT_TRUE(std::isnan(trigamma(x).value)) << x;
        EXPECT_EQ(pentagamma(x).bound, infinity) << x;
    }
    EXPECT_EQ(trigamma(infinity).value, 0.0);
}

/// A series curve's numbers: where its overshoot or largest error lies, the drawn value there,
/// the overshoot in percent of the jump (square, sawtooth) or the largest error (triangle), and
/// the RMS error.
struct HighPrecisionCurveNumbers {
    const Wave* wave;
    double count;
    std::array<double, 4> numbers;
};

// Made by tools/curve_number_references.py with mpmath: the values at the exact extreme
// pi / (2m) or pi / (m + 1) are the closed sums tool's Laplace integrals, the errors and RMS
// errors mpmath's polygamma functions, the limit 2 Si(pi) / pi times the ideal wave beside the
// jump. What would underflow to 0 as a double is written as 0.
const HighPrecisionCurveNumbers highPrecisionCurveNumbers[] = {
    { &squareWave, 1, { 1.5707963267948966, 4.0, 13.661977236758134, 1.3673347801798061 } },
    { &squareWave, 2,
        { 0.78539816339744831, 3.7712361663282535, 10.021087743807071, 0.99031081595652066 } },
    { &squareWave, 4,
        { 0.39269908169872415, 3.7203529792168698, 9.2112566689024176, 0.70530150012460682 } },
    { &squareWave, 100,
        { 0.015707963267948966, 3.7039002841991921, 8.9494038949777385, 0.1414207670010533 } },
    { &squareWave, 1e6,
        { 1.5707963267948966e-6, 3.7038741039651941, 8.9489872236125302, 0.0014142135623730361 } },
    { &squareWave, 1e9,
        { 1.5707963267948966e-9, 3.7038741039649323, 8.9489872236083635, 4.4721359549995794e-5 } },
    { &squareWave, 1e18,
        { 1.5707963267948966e-18, 3.7038741039649323, 8.9489872236083635, 1.414213562373095e-9 } },
    { &squareWave, 1e300,
        { 1.5707963267948965e-300, 3.7038741039649323, 8.9489872236083635,
            1.414213562373095e-150 } },
    { &squareWave, 0x1.fffffffffffffp+1023,
        { 8.7378446094761496e-309, 3.7038741039649323, 8.9489872236083635,
            1.0547686614862999e-154 } },
    { &squareWave, infinity, { 0, 3.7038741039649323, 8.9489872236083635, 0 } },
    { &triangleWave, 1, { 0, 4.0, 0.93480220054467931, 0.34267222360958356 } },
    { &triangleWave, 2, { 0, 4.4444444444444444, 0.49035775610023486, 0.13659729402433638 } },
    { &triangleWave, 4, { 0, 4.6860770975056689, 0.24872510303901038, 0.050268038671345456 } },
    { &triangleWave, 100, { 0, 4.9248022838750962, 0.0099999166695831027, 0.0004082380850219543 } },
    { &triangleWave, 1e6,
        { 0, 4.9348012005446793, 9.9999999999991667e-7, 4.0824829046376095e-10 } },
    { &triangleWave, 1e9, { 0, 4.9348021995446793, 1.0e-9, 1.2909944487358056e-14 } },
    { &triangleWave, 1e18, { 0, 4.9348022005446793, 1.0e-18, 4.0824829046386302e-28 } },
    { &triangleWave, 1e300, { 0, 4.9348022005446793, 9.9999999999999995e-301, 0 } },
    { &triangleWave, 0x1.fffffffffffffp+1023,
        { 0, 4.9348022005446793, 5.5626846462680041e-309, 0 } },
    { &triangleWave, infinity, { 0, 4.9348022005446793, 0, 0 } },
    { &sawtoothWave, 1, { 1.5707963267948966, -4.0, -18.169011381620933, 2.2714472335464479 } },
    { &sawtoothWave, 2,
        { 1.0471975511965977, -5.1961524227066319, -8.6503328433655963, 1.7774905160888515 } },
    { &sawtoothWave, 4,
        { 0.62831853071795865, -6.1091146491128776, -1.3852102839287915, 1.3306327990459737 } },
    { &sawtoothWave, 100,
        { 0.031104877758314785, -7.3454357954019681, 8.453120800118559, 0.28213708247351778 } },
    { &sawtoothWave, 1e6,
        { 3.1415895120002812e-6, -7.4077419247497935, 8.9489372236500301, 0.0028284264176395562 } },
    { &sawtoothWave, 1e9,
        { 3.1415926504482006e-9, -7.4077482016466794, 8.9489871736083636, 8.9442719077630908e-5 } },
    { &sawtoothWave, 1e18,
        { 3.1415926535897932e-18, -7.4077482079298647, 8.9489872236083635,
            2.8284271247461901e-9 } },
    { &sawtoothWave, 1e300,
        { 3.1415926535897931e-300, -7.4077482079298647, 8.9489872236083635,
            2.82842712474619e-150 } },
    { &sawtoothWave, 0x1.fffffffffffffp+1023,
        { 1.7475689218952299e-308, -7.4077482079298647, 8.9489872236083635,
            2.1095373229725999e-154 } },
    { &sawtoothWave, infinity, { 0, -7.4077482079298647, 8.9489872236083635, 0 } },
};

/// An error or an RMS error within this part of itself, or within the smallest double that
/// underflow leaves.
bool nearRelative(double value, double exact)
{
    return std::abs(value - exact) <= 1e-13 * exact + 1e-300;
}

// From one term, where the sawtooth falls short of its jump and the square overshoots it by
// more than it ever will again, to the largest double, where the extreme lies at a subnormal x,
// and the limit: every number close to the exact one.
TEST(CurveNumbers, MatchHighPrecisionValuesAtEveryCount)
{
    for (const auto& [wave, count, exact] : highPrecisionCurveNumbers) {
        const CurveNumbers numbers = curveNumbers(*wave, count, CurveKind::Series);
        const double x = numbers.overshoot ? numbers.overshoot->x : numbers.largestError->x;
        const double value
            = numbers.overshoot ? numbers.overshoot->value : numbers.largestError->value;
        ASSERT_EQ(numbers.overshoot.has_value(), wave != &triangleWave) << wave->name;
        ASSERT_EQ(numbers.largestError.has_value(), wave == &triangleWave) << wave->name;
        EXPECT_LE(std::abs(x - exact[0]), 1e-15 * exact[0]) << wave->name << " " << count;
        EXPECT_LE(std::abs(value - exact[1]), certifiedPromise) << wave->name << " " << count;
        if (numbers.overshoot)
            EXPECT_LE(std::abs(numbers.overshoot->percent - exact[2]), 20 * certifiedPromise)
                << wave->name << " " << count;
        else
            EXPECT_TRUE(nearRelative(numbers.largestError->error, exact[2]))
                << wave->name << " " << count << " " << numbers.largestError->error;
        EXPECT_TRUE(nearRelative(numbers.rmsError, exact[3]))
            << wave->name << " " << count << " " << numbers.rmsError;
    }
}

// The figures a lesson quotes, a fractional count taken as its whole terms, and 4 sin x and
// 4 cos x, which are their own ideal wave where the one-term square and triangle series are not.
TEST(CurveNumbers, GiveTheLessonsFiguresAndNothingForSineAndCosine)
{
    const CurveNumbers four = curveNumbers(squareWave, 4, CurveKind::Series);
    EXPECT_EQ(
        curveNumbers(squareWave, 4.5, CurveKind::Series).overshoot->value, four.overshoot->value);
    EXPECT_NEAR(four.overshoot->x, 0.392699, 1e-6);
    EXPECT_NEAR(four.overshoot->value, 3.72035, 1e-5);
    EXPECT_NEAR(four.overshoot->percent, 9.2113, 1e-4);
    EXPECT_NEAR(four.rmsError, 0.705302, 1e-6);
    const CurveNumbers hundred = curveNumbers(squareWave, 100, CurveKind::Series);
    EXPECT_NEAR(hundred.overshoot->value, 3.70390, 1e-5);
    EXPECT_NEAR(hundred.overshoot->percent, 8.9494, 1e-4);
    const CurveNumbers triangle = curveNumbers(triangleWave, 4, CurveKind::Series);
    EXPECT_NEAR(triangle.largestError->error, 0.248725, 1e-6);
    EXPECT_NEAR(triangle.rmsError, 0.0502680, 1e-7);
    const double gibbs = curveNumbers(sawtoothWave, infinity, CurveKind::Series).overshoot->percent;
    EXPECT_NEAR(gibbs, 8.949, 1e-3);

    for (const Wave* wave : { &squareWave, &triangleWave }) {
        const CurveNumbers exact = curveNumbers(*wave, 1, CurveKind::Trigonometric);
        EXPECT_FALSE(exact.overshoot.has_value()) << wave->name;
        EXPECT_FALSE(exact.largestError.has_value()) << wave->name;
        EXPECT_EQ(exact.rmsError, 0.0) << wave->name;
        EXPECT_GT(curveNumbers(*wave, 1, CurveKind::Series).rmsError, 0.3) << wave->name;
    }
    EXPECT_TRUE(std::isnan(
        curveNumbers(squareWave, std::numeric_limits<double>::quiet_NaN(), CurveKind::Series)
            .rmsError));
}

} // namespace
} // namespace fourier
