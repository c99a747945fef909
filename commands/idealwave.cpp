// SPDX-License-Identifier: MIT
#include "idealwave.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fourier {

namespace {

constexpr double pi = std::numbers::pi;

/// The series' limits, as the waves' data gives them, drawn the way the curves are: the
/// sawtooth upside down.
double drawnLimit(const Wave& wave, double x)
{
    return wave.pointSign * wave.ideal(x);
}

double squareLimit(double x)
{
    return drawnLimit(squareWave, x);
}

double triangleLimit(double x)
{
    return drawnLimit(triangleWave, x);
}

double sawtoothLimit(double x)
{
    return drawnLimit(sawtoothWave, x);
}

double fourSin(double x)
{
    return 4 * std::sin(x);
}

double fourCos(double x)
{
    return 4 * std::cos(x);
}

constexpr IdealWave squareLimitWave { squareLimit, 2 * pi, 0.0, squareWave.jumpSpacing, true,
    -squareWave.limitBound, squareWave.limitBound };
// The triangle turns, at its least and greatest, at every multiple of pi.
constexpr IdealWave triangleLimitWave { triangleLimit, 2 * pi, 0.0, pi, false,
    -triangleWave.limitBound, triangleWave.limitBound };
constexpr IdealWave sawtoothLimitWave { sawtoothLimit, 2 * pi, 0.0, sawtoothWave.jumpSpacing, true,
    -sawtoothWave.limitBound, sawtoothWave.limitBound };
constexpr IdealWave fourSinWave { fourSin, 2 * pi, pi / 2, pi, false, -4.0, 4.0 };
constexpr IdealWave fourCosWave { fourCos, 2 * pi, 0.0, pi, false, -4.0, 4.0 };

/// The least and greatest value \a wave takes for x in [lo, hi], its jumps' segments included.
std::pair<double, double> rangeOver(const IdealWave& wave, double lo, double hi)
{
    if (hi - lo >= wave.period)
        return { wave.least, wave.greatest };
    double least = std::min(wave.at(lo), wave.at(hi));
    double greatest = std::max(wave.at(lo), wave.at(hi));
    // Less than a period holds at most a few of the points where it jumps or turns.
    constexpr double mostPoints = 4;
    const double first = std::ceil((lo - wave.offset) / wave.spacing);
    const double last = std::min(std::floor((hi - wave.offset) / wave.spacing), first + mostPoints);
    for (double k = first; k <= last; ++k) {
        if (wave.jumps)
            return { wave.least, wave.greatest };
        const double value = wave.at(wave.offset + k * wave.spacing);
        least = std::min(least, value);
        greatest = std::max(greatest, value);
    }
    return { least, greatest };
}

} // namespace

const IdealWave* idealWaveOf(StepCommand command)
{
    switch (command) {
    case StepCommand::Sin:
        return &fourSinWave;
    case StepCommand::Cos:
        return &fourCosWave;
    case StepCommand::Square:
        return &squareLimitWave;
    case StepCommand::Triangle:
        return &triangleLimitWave;
    case StepCommand::Sawtooth:
        return &sawtoothLimitWave;
    case StepCommand::Clear:
    case StepCommand::Ideal:
        break;
    }
    return nullptr;
}

SurfacePoints idealWavePixels(const IdealWave& wave, const UserMapping& mapping)
{
    SurfacePoints points;
    const int height = mapping.height();
    for (int column = 0; column < mapping.width(); ++column) {
        const double x1 = mapping.userX(column);
        const double x2 = mapping.userX(column + 1);
        const auto [least, greatest] = rangeOver(wave, std::min(x1, x2), std::max(x1, x2));
        const double p1 = mapping.pixelY(least);
        const double p2 = mapping.pixelY(greatest);
        const double top = std::max(std::min(p1, p2), 0.0);
        const double bottom = std::min(std::max(p1, p2), height - 0.5);
        if (!(top <= bottom))
            continue;
        const float x = toFloat(mapping.userX(column + 0.5));
        if (mapping.column(x) != column)
            continue;
        for (int row = static_cast<int>(top); row <= static_cast<int>(bottom); ++row) {
            const float y = toFloat(mapping.userY(row + 0.5));
            // At a scale so small that floats cannot tell pixels apart, a centre may round into
            // another pixel: it is left out rather than drawn where the wave is not.
            if (mapping.row(y) != row)
                continue;
            points.xs.push_back(x);
            points.ys.push_back(y);
        }
    }
    return points;
}

} // namespace fourier
