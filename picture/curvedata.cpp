// SPDX-License-Identifier: MIT
#include "curvedata.h"

#include "closedsum.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace fourier {

namespace {

/// Digits enough for any double to be read back as itself.
constexpr int significantDigits = 17;

void appendNumber(std::string& out, double value)
{
    std::array<char, 32> digits {};
    // Adding 0 turns -0 into 0, which a spreadsheet would show the same and a reader need not
    // wonder at.
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value + 0.0,
        std::chars_format::general, significantDigits);
    out.append(digits.data(), written.ptr);
}

/// \a text as a field of RFC 4180: in double quotes, each double quote in it doubled.
void appendQuoted(std::string& out, const std::string& text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

constexpr std::string_view lineEnd = "\r\n";

} // namespace

DataRange dataRange(double left, double right)
{
    return { std::max(std::min(left, right), sampleFirst),
        std::min(std::max(left, right), sampleLast) };
}

double dataX(DataRange range, std::size_t index, std::size_t points)
{
    const double share = static_cast<double>(index) / static_cast<double>(points - 1);
    return std::lerp(range.from, range.to, share);
}

std::optional<std::string> curveValuesCsv(std::span<const PictureCurve> curves,
    std::span<const std::string> headings, DataRange range, std::size_t points,
    const std::function<bool(double)>& keepGoing)
{
    std::string out = "x";
    for (const std::string& heading : headings) {
        out += ',';
        appendQuoted(out, heading);
    }
    out += lineEnd;
    for (std::size_t i = 0; i < points; ++i) {
        const double x = dataX(range, i, points);
        appendNumber(out, x);
        for (const PictureCurve& curve : curves) {
            const Wave& wave = *commandRow(curve.command).wave;
            out += ',';
            appendNumber(out, wave.pointSign * certifiedSum(wave, curve.terms, x).value);
        }
        out += lineEnd;
        if (!keepGoing(static_cast<double>(i + 1) / static_cast<double>(points)))
            return std::nullopt;
    }
    return out;
}

} // namespace fourier
