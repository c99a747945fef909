// SPDX-License-Identifier: MIT
#include "commands.h"
#include "fakeform.h"
#include "frame.h"
#include "imagesurface.h"
#include "plotarea.h"
#include "recordingsurface.h"
#include "sampling.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace fourier {
namespace {

using testing::Call;
using testing::FakeForm;
using testing::RecordingSurface;

constexpr double pi = std::numbers::pi;
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb navy = qRgb(0, 0, 128);
const std::string tooLarge = "The value of the Scale Must be less than 20.";

struct Trig {
    const char* name;
    void (*command)(FormContext&);
    double (*function)(double);
    std::uint32_t colour;
};

class TrigCommand : public ::testing::TestWithParam<Trig> { };

TEST_P(TrigCommand, ScalesDrawsTheFrameThenSetsThePixelsOfEverySample)
{
    const Trig& trig = GetParam();
    RecordingSurface surface;
    // The count of terms is not theirs to read: a count that stops a series changes nothing.
    FakeForm form(surface, "0", "10");
    trig.command(form);
    EXPECT_TRUE(form.messages.empty());
    // The scale, then the frame exactly as drawaxes draws it, then the curve.
    RecordingSurface frame;
    drawaxes(frame);
    const auto& calls = surface.calls;
    ASSERT_GT(calls.size(), 1 + frame.calls.size());
    EXPECT_EQ(calls[0], (Call { Call::Op::Scale, -10, 10, 10, -10 }));
    EXPECT_TRUE(std::equal(frame.calls.begin(), frame.calls.end(), calls.begin() + 1));
    using Pixel = std::pair<int, int>;
    const UserMapping& mapping = surface.mapping();
    const auto pixelOf = [&mapping](float x, float y) -> std::optional<Pixel> {
        const auto column = mapping.column(x);
        const auto row = mapping.row(y);
        if (!column || !row)
            return std::nullopt;
        return Pixel { *column, *row };
    };
    std::set<Pixel> drawn;
    int wrong = 0;
    for (std::size_t at = 1 + frame.calls.size(); at < calls.size(); ++at) {
        const Call& call = calls[at];
        wrong += call.op != Call::Op::PSet || call.colour.value != trig.colour ? 1 : 0;
        if (const auto pixel = pixelOf(call.a, call.b))
            drawn.insert(*pixel);
    }
    EXPECT_EQ(wrong, 0);
    // Every sample's point, as the curve is defined: 4 f(x) at each curve sample.
    std::set<Pixel> expected;
    for (const double x : curveSamples()) {
        if (const auto pixel
            = pixelOf(static_cast<float>(x), static_cast<float>(trig.function(x) * 4)))
            expected.insert(*pixel);
    }
    EXPECT_TRUE(drawn == expected)
        << drawn.size() << " pixels drawn, " << expected.size() << " expected";
}

INSTANTIATE_TEST_SUITE_P(Commands, TrigCommand,
    ::testing::Values(
        Trig { "sin", Command2_Click, [](double x) { return std::sin(x); }, 0x80000002u },
        Trig { "cos", Command3_Click, [](double x) { return std::cos(x); }, 0x80000012u }),
    [](const ::testing::TestParamInfo<Trig>& param) { return std::string(param.param.name); });

/// A plot area of the window's size, and a form to run commands on it.
struct Plot {
    ImageSurface surface { plotAreaWidth, plotAreaHeight };
    FakeForm form { surface, "4", "10" };

    Plot& operator()(void (*command)(FormContext&), std::string t2 = "10")
    {
        form.t2 = std::move(t2);
        command(form);
        return *this;
    }
    const QImage& image() const { return surface.image(); }
    /// The pixel under user (x, y); the point must be inside the area.
    QPoint at(double x, double y) const
    {
        return { *surface.mapping().column(static_cast<float>(x)),
            *surface.mapping().row(static_cast<float>(y)) };
    }
    std::vector<int> rowsOf(int column, QRgb colour) const
    {
        std::vector<int> rows;
        for (int r = 0; r < plotAreaHeight; ++r) {
            if (image().pixel(column, r) == colour)
                rows.push_back(r);
        }
        return rows;
    }
};

TEST(SinX, AtScaleTenCrossesTheAxisAtMultiplesOfPiAndStaysWithinFour)
{
    Plot plot;
    plot(Command2_Click);
    EXPECT_EQ(plot.at(0, 0), QPoint(186, 162));
    for (int k = -3; k <= 3; ++k)
        EXPECT_EQ(plot.image().pixel(plot.at(k * pi, 0)), navy) << k;
    EXPECT_EQ(plot.image().pixel(plot.at(pi / 2, 4)), navy);
    EXPECT_EQ(plot.image().pixel(plot.at(-pi / 2, -4)), navy);
    for (int c = 0; c < plotAreaWidth; ++c) {
        const auto rows = plot.rowsOf(c, navy);
        ASSERT_FALSE(rows.empty()) << c;
        EXPECT_GE(rows.front(), plot.at(0, 4).y());
        EXPECT_LE(rows.back(), plot.at(0, -4).y());
    }
}

TEST(SinX, AtScaleThreeLosesItsCrests)
{
    Plot plot;
    plot(Command2_Click, "3");
    EXPECT_TRUE(plot.rowsOf(plot.at(pi / 2, 0).x(), navy).empty());
    EXPECT_TRUE(plot.rowsOf(plot.at(-pi / 2, 0).x(), navy).empty());
    const auto edge = plot.rowsOf(plot.at(0.85, 0).x(), navy);
    ASSERT_FALSE(edge.empty());
    EXPECT_EQ(edge.front(), 0);
}

TEST(SinAndCos, OneAfterTheOtherShowBoth)
{
    Plot sine;
    sine(Command2_Click);
    Plot cosine;
    cosine(Command3_Click);
    Plot both;
    both(Command2_Click)(Command3_Click);
    // Where Cos x inks fully, black; where it inks nothing, what Sin x left. Edges of numbers,
    // inked twice, are neither.
    int differences = 0;
    for (int r = 0; r < plotAreaHeight; ++r) {
        for (int c = 0; c < plotAreaWidth; ++c) {
            const QRgb alone = cosine.image().pixel(c, r);
            if (alone == black || alone == white) {
                const QRgb expected = alone == black ? black : sine.image().pixel(c, r);
                differences += both.image().pixel(c, r) != expected ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(both.image().pixel(both.at(2 * pi, 4)), black);
    EXPECT_EQ(both.image().pixel(both.at(pi / 2, 4)), navy);
}

TEST(SinAndCos, ClearErasesButKeepsTheScale)
{
    Plot cosine;
    cosine(Command3_Click, "5");
    Plot cleared;
    cleared(Command2_Click, "5")(Command1_Click);
    EXPECT_TRUE(cleared.image() == Plot().image());
    // An empty scale keeps the system the Sin x before Clear set.
    cleared(Command3_Click, "");
    EXPECT_TRUE(cleared.image() == cosine.image());
    EXPECT_TRUE(cleared.form.messages.empty());
}

TEST(SinAndCos, ANegativeScaleMirrorsBothAxes)
{
    Plot plain;
    plain(Command2_Click, "10");
    Plot mirrored;
    mirrored(Command2_Click, "-10");
    const QPoint crest = mirrored.at(pi / 2, 4);
    EXPECT_EQ(crest, QPoint(plotAreaWidth - 1, plotAreaHeight - 1) - plain.at(pi / 2, 4));
    EXPECT_EQ(mirrored.image().pixel(crest), navy);
}

TEST(SinAndCos, DrawOnlyInAScaleTheUserSet)
{
    for (const auto command : { Command2_Click, Command3_Click }) {
        Plot plot;
        plot(command, "25");
        EXPECT_EQ(plot.form.messages, std::vector { tooLarge });
        for (const std::string ignored : { "0", "", "abc", "1e-50", "-1e39", "-1e999", "-0" })
            plot(command, ignored);
        EXPECT_TRUE(plot.image() == Plot().image());
        EXPECT_EQ(plot.form.messages.size(), 1u);
    }
    // Once a scale was set, a scale too large clears and draws again at that scale.
    Plot plot;
    plot(Command2_Click, "10")(Command3_Click, "25");
    EXPECT_TRUE(plot.image() == Plot()(Command3_Click).image());
    plot(Command2_Click, "0");
    EXPECT_TRUE(plot.image() == Plot()(Command3_Click)(Command2_Click).image());
    EXPECT_EQ(plot.form.messages, std::vector { tooLarge });
}

} // namespace
} // namespace fourier
