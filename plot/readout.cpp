// SPDX-License-Identifier: MIT
#include "readout.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <numbers>
#include <sstream>

namespace fourier {

namespace {

/// Beyond these a number in fixed decimals is mostly zeros: it is written in powers of ten.
constexpr int mostFixedDecimals = 6;
constexpr double largestFixed = 1e6;

/// How many places a step's logarithm may fall short of a whole number and still count as it:
/// log10 of 0.1 need not be exactly -1.
constexpr double logSlack = 1e-9;

/// The fewest decimals whose last place is no larger than \a step.
int decimalsFor(double step)
{
    return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - logSlack)));
}

} // namespace

std::string resolvedNumber(double value, double step, double extent)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    const int decimals = decimalsFor(step);
    if (decimals <= mostFixedDecimals && extent < largestFixed) {
        text << std::fixed << std::setprecision(decimals) << value;
    } else {
        // The digits the step resolves at the size of the axis's own numbers.
        const int digits
            = std::max(0, static_cast<int>(std::ceil(std::log10(extent / step) - logSlack)));
        text << std::scientific << std::setprecision(digits) << value;
    }
    std::string written = text.str();
    const std::string mantissa = written.substr(0, written.find('e'));
    if (written.front() == '-' && mantissa.find_first_of("123456789") == std::string::npos)
        written.erase(0, 1);
    return written;
}

std::vector<Phrase> readoutAt(
    const UserMapping& mapping, std::span<const DrawnCurve> curves, int column, int row)
{
    if (!mapping.isUserScale())
        return { { std::string(readoutHint), {} } };
    const double stepX = std::abs(mapping.right() - mapping.left()) / mapping.width();
    const double stepY = std::abs(mapping.bottom() - mapping.top()) / mapping.height();
    const double extentX = std::max(std::abs(mapping.left()), std::abs(mapping.right()));
    const double extentY = std::max(std::abs(mapping.top()), std::abs(mapping.bottom()));
    constexpr double pi = std::numbers::pi;
    // The pixel's centre; the mapping knows which way each axis runs.
    const double x = mapping.userX(column + 0.5);
    const double y = mapping.userY(row + 0.5);
    std::vector<Phrase> lines {
        { std::string(readoutX),
            { resolvedNumber(x, stepX, extentX),
                resolvedNumber(x / pi, stepX / pi, extentX / pi) } },
        { std::string(readoutY), { resolvedNumber(y, stepY, extentY) } },
    };
    const auto coordinates = static_cast<std::ptrdiff_t>(lines.size());
    for (auto curve = curves.rbegin(); curve != curves.rend(); ++curve) {
        if (!curve->pixels || !curve->pixels->near(column, row, readoutReach))
            continue;
        // The same curve drawn twice is one curve to read.
        if (std::find(lines.begin() + coordinates, lines.end(), curve->description) != lines.end())
            continue;
        lines.push_back(curve->description);
    }
    return lines;
}

} // namespace fourier
