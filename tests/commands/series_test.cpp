// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "commands.h"
#include "fakeform.h"
#include "frame.h"
#include "imagesurface.h"
#include "pixels.h"
#include "plotarea.h"
#include "recordingsurface.h"
#include "sampling.h"
#include "wave.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace fourier {
namespace {

using testing::Call;
using testing::FakeForm;
using testing::RecordingSurface;

constexpr int width = plotAreaWidth;
constexpr int height = plotAreaHeight;
constexpr double pi = std::numbers::pi;
const std::string noSignal = "No Signal Available";

/// One series as the user sees it: its button, the wave it sums, and how it is drawn.
struct Series {
    const char* name;
    void (*command)(FormContext&);
    const Wave* wave;
    double sign;
    std::uint32_t colour;
};

const Series squareSeries { "square", Ejecutar_Click, &squareWave, 1, 0x00800080u };
const Series triangleSeries { "triangle", Command4_Click, &triangleWave, 1, 0x000000FFu };
const Series sawtoothSeries { "sawtooth", Command5_Click, &sawtoothWave, -1, 0x0000FF00u };
const Series allSeries[] = { squareSeries, triangleSeries, sawtoothSeries };

/// What the series commands should leave on a fresh plot area at scale s: each time the frame,
/// then, unless the count is refused, one point per sample.
QImage plainPicture(double s, const std::vector<std::pair<const Series*, double>>& curves)
{
    ImageSurface surface(width, height);
    const float edge = static_cast<float>(s);
    surface.Scale(-edge, edge, edge, -edge);
    for (const auto& [series, n] : curves) {
        drawaxes(surface);
        for (const double x : n > 0 ? curveSamples() : std::span<const double> {}) {
            surface.PSet(static_cast<float>(x),
                static_cast<float>(series->sign * referenceSum(*series->wave, n, x)),
                Colour { series->colour });
        }
    }
    return surface.image();
}

struct CountCase {
    std::string t1;
    std::string t2;
    double s;
    /// How many terms the curves have; 0 when the count is refused.
    int terms;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << "T1 \"" << c.t1 << "\", T2 \"" << c.t2 << '"';
}

class CoefficientCheck : public ::testing::TestWithParam<CountCase> { };

// Every picture is compared with the plain loop's: the curves stay checked whatever path draws
// them.
TEST_P(CoefficientCheck, RefusesCountsUpToZeroAndDrawsWholeTerms)
{
    const CountCase& c = GetParam();
    for (const Series& series : allSeries) {
        SCOPED_TRACE(series.name);
        ImageSurface surface(width, height);
        FakeForm form(surface, c.t1, c.t2);
        series.command(form);
        EXPECT_EQ(
            form.messages, c.terms == 0 ? std::vector { noSignal } : std::vector<std::string> {});
        EXPECT_TRUE(surface.image() == plainPicture(c.s, { { &series, c.terms } }));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, CoefficientCheck,
    ::testing::Values(CountCase { "0", "10", 10, 0 }, CountCase { "-3", "10", 10, 0 },
        CountCase { "", "10", 10, 0 }, CountCase { "abc", "10", 10, 0 },
        CountCase { "-0.5", "-3", -3, 0 }, CountCase { "0.5", "10", 10, 1 },
        CountCase { "1", "20", 20, 1 }, CountCase { "1.99", "10", 10, 1 },
        CountCase { "2.5", "0.5", 0.5, 2 }, CountCase { "3", "10", 10, 3 },
        CountCase { "&H5", "10", 10, 5 }, CountCase { "4", "10", 10, 4 },
        CountCase { "7.5", "-3", -3, 7 }, CountCase { "20", "10", 10, 20 }),
    [](const ::testing::TestParamInfo<CountCase>& param) {
        return "T1_" + testing::textName(param.param.t1) + "_T2_"
            + testing::textName(param.param.t2);
    });

TEST(Sawtooth, IsDrawnUpsideDown)
{
    ImageSurface surface(width, height);
    FakeForm form(surface, "4", "10");
    Command5_Click(form);
    const UserMapping& mapping = surface.mapping();
    const QRgb green = qRgb(0, 255, 0);
    const double peak = 6.10911;
    // A fifth of pi after each multiple of 2 pi the drawn curve is at its lowest, before at its
    // highest, and never beyond.
    for (const double at : { -2 * pi, 0.0, 2 * pi }) {
        for (const double side : { 1.0, -1.0 }) {
            const int c = *mapping.column(static_cast<float>(at + side * pi / 5));
            const int r = *mapping.row(static_cast<float>(-side * peak));
            EXPECT_EQ(surface.image().pixel(c, r), green) << at << ' ' << side;
        }
    }
    const int top = *mapping.row(static_cast<float>(peak));
    const int bottom = *mapping.row(static_cast<float>(-peak));
    int beyond = 0;
    for (int c = 0; c < width; ++c) {
        for (int r = 0; r < height; ++r)
            beyond += (r < top || r > bottom) && surface.image().pixel(c, r) == green ? 1 : 0;
    }
    EXPECT_EQ(beyond, 0);
}

TEST(Square, OneThenThreeThenTenTermsShowThreeCurves)
{
    ImageSurface surface(width, height);
    FakeForm form(surface, "1", "10");
    for (const std::string t1 : { "1", "3", "10" }) {
        form.t1 = t1;
        Ejecutar_Click(form);
    }
    EXPECT_TRUE(surface.image()
        == plainPicture(10, { { &squareSeries, 1 }, { &squareSeries, 3 }, { &squareSeries, 10 } }));
    // At pi/2 each sum is at a crest or a trough: three separate runs of purple in that column.
    const int column = *surface.mapping().column(static_cast<float>(pi / 2));
    const QRgb purple = qRgb(128, 0, 128);
    int runs = 0;
    for (int r = 0; r < height; ++r) {
        const bool here = surface.image().pixel(column, r) == purple;
        runs += here && (r == 0 || surface.image().pixel(column, r - 1) != purple) ? 1 : 0;
    }
    EXPECT_EQ(runs, 3);
}

TEST(SeriesCommands, WithoutAScaleDrawNothingButStillCheckTheCount)
{
    struct Case {
        std::string t1, t2;
        std::vector<std::string> messages;
    };
    const std::string tooLarge = "The value of the Scale Must be less than 20.";
    const std::vector<Case> cases { { "4", "0", {} }, { "0", "0", { noSignal } },
        { "4", "25", { tooLarge } }, { "-1", "25", { tooLarge, noSignal } },
        { "0", "abc", { noSignal } } };
    for (const Series& s : allSeries) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(s.name) + " " + c.t1 + " " + c.t2);
            RecordingSurface surface;
            FakeForm form(surface, c.t1, c.t2);
            s.command(form);
            EXPECT_EQ(form.messages, c.messages);
            const std::size_t clears = c.t2 == "25" ? 1 : 0;
            EXPECT_EQ(surface.calls.size(), surface.count(Call::Op::Scale) + clears);
        }
    }
}

// Cancelling at the first or second report leaves the frame and no trace of the curve, at counts
// far beyond the plain loop's reach and at the series' limit. The first report comes before any
// sum; the closed forms may draw the whole curve before a second.
using CancelCase = std::tuple<Series, const char*, int>;

class Cancel : public ::testing::TestWithParam<CancelCase> { };

TEST_P(Cancel, LeavesTheFrameAndNoCurve)
{
    const auto [series, count, cancelAt] = GetParam();
    ImageSurface surface(width, height);
    FakeForm form(surface, count, "20");
    form.onProgress = [&form, cancelAt = cancelAt](double fraction) {
        EXPECT_GE(fraction, 0.0);
        EXPECT_LE(fraction, 1.0);
        return form.progressReports < cancelAt;
    };
    series.command(form);
    EXPECT_TRUE(form.messages.empty());
    const std::size_t curvePixels
        = testing::countColour(surface.image(), toQRgb(Colour { series.colour }));
    if (form.progressReports < cancelAt) {
        // Drawn before the report that would cancel it, the curve is whole: a pixel or more in
        // every column.
        EXPECT_GT(cancelAt, 1);
        EXPECT_GE(curvePixels, static_cast<std::size_t>(width));
        return;
    }
    EXPECT_EQ(form.progressReports, cancelAt);
    EXPECT_EQ(curvePixels, 0u);
    EXPECT_GT(testing::countColour(surface.image(), toQRgb(ImageSurface::foreground)), 0u);
}

std::string cancelName(const ::testing::TestParamInfo<CancelCase>& param)
{
    const auto [series, count, cancelAt] = param.param;
    return std::string(series.name) + "_n" + count + "_cancelAt" + std::to_string(cancelAt);
}

INSTANTIATE_TEST_SUITE_P(Commands, Cancel,
    ::testing::Combine(::testing::ValuesIn(allSeries),
        ::testing::Values("1e9", "1e12", "1e300", "1e400"), ::testing::Values(1, 2)),
    cancelName);

} // namespace
} // namespace fourier
