// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "fakeform.h"
#include "frame.h"
#include "imagesurface.h"
#include "plotarea.h"
#include "recordingsurface.h"

#include <bit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fourier {
namespace {

using testing::Call;
using testing::FakeForm;
using testing::RecordingSurface;
using Op = Call::Op;

constexpr int width = plotAreaWidth;
constexpr int height = plotAreaHeight;
const QRgb black = qRgb(0, 0, 0);
const std::string tooLarge = "The value of the Scale Must be less than 20.";

bool same(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

void expectCall(const Call& call, Op op, float a, float b = 0, float c = 0, float d = 0)
{
    EXPECT_EQ(call.op, op);
    EXPECT_TRUE(same(call.a, a) && same(call.b, b) && same(call.c, c) && same(call.d, d))
        << call.a << ' ' << call.b << ' ' << call.c << ' ' << call.d << " instead of " << a << ' '
        << b << ' ' << c << ' ' << d;
}

void expectPrint(const Call& call, int value)
{
    EXPECT_EQ(call.op, Op::Print);
    EXPECT_EQ(call.value, value);
}

/// Checks the frame's 330 calls starting at \a at, and returns where they end.
std::size_t expectAxes(const std::vector<Call>& calls, std::size_t at)
{
    EXPECT_GE(calls.size(), at + 2 + 41 * 8);
    expectCall(calls[at++], Op::Line, -20, 0, 20, 0);
    expectCall(calls[at++], Op::Line, 0, 20, 0, -20);
    for (int i = -20; i <= 20 && at + 8 <= calls.size(); ++i) {
        const float fi = static_cast<float>(i);
        expectCall(calls[at++], Op::Line, -0.2f, fi, 0.2f, fi);
        expectCall(calls[at++], Op::Line, fi, -0.2f, fi, 0.2f);
        expectCall(calls[at++], Op::CurrentX, static_cast<float>(i - 0.2));
        expectCall(calls[at++], Op::CurrentY, -0.3f);
        expectPrint(calls[at++], i);
        expectCall(calls[at++], Op::CurrentX, 0.3f);
        expectCall(calls[at++], Op::CurrentY, fi);
        expectPrint(calls[at++], i);
    }
    return at;
}

TEST(Frame, AxesAreTwoLinesThenAMarkAndTwoNumbersAtEveryUnit)
{
    RecordingSurface surface;
    drawaxes(surface);
    EXPECT_EQ(expectAxes(surface.calls, 0), surface.calls.size());
    EXPECT_EQ(surface.count(Op::Line), 84u);
    EXPECT_EQ(surface.count(Op::Print), 82u);
}

struct ScaleCase {
    std::string t2;
    enum { Accepted, TooLarge, Ignored } outcome;
    float s = 0;
};

void PrintTo(const ScaleCase& c, std::ostream* os)
{
    *os << "T2 \"" << c.t2 << '"';
}

class SetScale : public ::testing::TestWithParam<ScaleCase> { };

TEST_P(SetScale, SetsRefusesOrPassesOverTheScale)
{
    const ScaleCase& c = GetParam();
    for (const bool hadScale : { false, true }) {
        SCOPED_TRACE(hadScale ? "after scale 10" : "fresh");
        RecordingSurface surface;
        FakeForm form(surface, "4", "10");
        if (hadScale) {
            ASSERT_TRUE(setscale(form));
        }
        surface.calls.clear();
        form.t2 = c.t2;
        const bool drawable = setscale(form);
        const bool refused = c.outcome == ScaleCase::TooLarge;
        EXPECT_EQ(form.messages, refused ? std::vector { tooLarge } : std::vector<std::string> {});
        EXPECT_EQ(surface.count(Op::Cls), refused ? 1u : 0u);
        EXPECT_EQ(drawable, c.outcome == ScaleCase::Accepted || hadScale);
        EXPECT_EQ(surface.mapping().isUserScale(), drawable);
        const float s = c.outcome == ScaleCase::Accepted ? c.s : 10.0f;
        if (drawable) {
            const UserMapping& m = surface.mapping();
            EXPECT_TRUE(m.left() == -s && m.top() == s && m.right() == s && m.bottom() == -s);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SetScale,
    ::testing::Values(ScaleCase { "10", ScaleCase::Accepted, 10 },
        ScaleCase { "20", ScaleCase::Accepted, 20 }, ScaleCase { "-10", ScaleCase::Accepted, -10 },
        ScaleCase { "0.5", ScaleCase::Accepted, 0.5f },
        ScaleCase { "-3.4e38", ScaleCase::Accepted, -3.4e38f },
        ScaleCase { "1e-45", ScaleCase::Accepted, 1e-45f },
        ScaleCase { "20.000001", ScaleCase::TooLarge }, ScaleCase { "25", ScaleCase::TooLarge },
        ScaleCase { "1e999", ScaleCase::TooLarge }, ScaleCase { "&HFF", ScaleCase::TooLarge },
        ScaleCase { "0", ScaleCase::Ignored }, ScaleCase { "", ScaleCase::Ignored },
        ScaleCase { "abc", ScaleCase::Ignored }, ScaleCase { "1e-50", ScaleCase::Ignored },
        ScaleCase { "-1e39", ScaleCase::Ignored }, ScaleCase { "-1e999", ScaleCase::Ignored }),
    [](const ::testing::TestParamInfo<ScaleCase>& param) {
        return "T2_" + testing::textName(param.param.t2);
    });

TEST(Frame, AxesCrossTheWholeAreaAtAnyScale)
{
    for (const std::string t2 : { "20", "1", "-7", "1e-5", "1e-20", "-1e-30", "1e-45" }) {
        SCOPED_TRACE(t2);
        ImageSurface surface(width, height);
        FakeForm form(surface, "4", t2);
        ASSERT_TRUE(setscale(form));
        drawaxes(surface);
        const int originColumn = *surface.mapping().column(0.0f);
        const int originRow = *surface.mapping().row(0.0f);
        int gaps = 0;
        for (int c = 0; c < width; ++c)
            gaps += surface.image().pixel(c, originRow) != black ? 1 : 0;
        for (int r = 0; r < height; ++r)
            gaps += surface.image().pixel(originColumn, r) != black ? 1 : 0;
        EXPECT_EQ(gaps, 0);
    }
}

} // namespace
} // namespace fourier
