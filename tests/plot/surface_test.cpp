// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "imagesurface.h"
#include "picturebox.h"
#include "pixels.h"
#include "plotarea.h"
#include "readout.h"
#include "vectorsurface.h"

#include <QGuiApplication>
#include <QPainter>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace fourier {
namespace {

constexpr int width = plotAreaWidth;
constexpr int height = plotAreaHeight;
constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

using testing::ink;

TEST(PictureBox, DrawsInsideATwoPixelBorder)
{
    constexpr int border = PictureBox::borderWidth;
    PictureBox box(width + 2 * border, height + 2 * border);
    EXPECT_EQ(box.contentsRect(), QRect(border, border, width, height));
    EXPECT_EQ(box.surface().image().size(), QSize(width, height));
    EXPECT_TRUE(ink(box.surface().image()).empty());
    // The initial system: one unit a twip, 15 twips a pixel, from the top-left corner down.
    const UserMapping& initial = box.surface().mapping();
    EXPECT_FALSE(initial.isUserScale());
    EXPECT_EQ(initial.column(15.0f * 100 + 14.9f), 100);
    EXPECT_EQ(initial.row(15.0f * (height - 1)), height - 1);
    EXPECT_FALSE(initial.column(15.0f * width).has_value());
    EXPECT_FALSE(initial.row(-0.001f).has_value());
}

struct Edges {
    float x1, y1, x2, y2;
};

void PrintTo(const Edges& e, std::ostream* os)
{
    *os << e.x1 << ", " << e.y1 << " to " << e.x2 << ", " << e.y2;
}

class EveryPixelCentre : public ::testing::TestWithParam<Edges> { };

// A point (x - x1) / (x2 - x1) of the way across lies in column floor(that * width), whichever
// way the axes run; x1 and y1 are inside the area, x2 and y2 just outside.
TEST_P(EveryPixelCentre, LandsInItsOwnPixel)
{
    const Edges e = GetParam();
    ImageSurface surface(width, height);
    ASSERT_TRUE(surface.Scale(e.x1, e.y1, e.x2, e.y2));
    const UserMapping& mapping = surface.mapping();
    EXPECT_TRUE(mapping.isUserScale());
    for (int c = 0; c < width; ++c) {
        const double x = e.x1 + (c + 0.5) / width * (double(e.x2) - e.x1);
        EXPECT_EQ(mapping.column(static_cast<float>(x)), c) << "x " << x;
    }
    for (int r = 0; r < height; ++r) {
        const double y = e.y1 + (r + 0.5) / height * (double(e.y2) - e.y1);
        EXPECT_EQ(mapping.row(static_cast<float>(y)), r) << "y " << y;
    }
    EXPECT_EQ(mapping.column(e.x1), 0);
    EXPECT_EQ(mapping.row(e.y1), 0);
    EXPECT_FALSE(mapping.column(e.x2).has_value());
    EXPECT_FALSE(mapping.row(e.y2).has_value());
}

INSTANTIATE_TEST_SUITE_P(Scales, EveryPixelCentre,
    ::testing::Values(Edges { -10, 10, 10, -10 }, Edges { 10, -10, -10, 10 },
        Edges { -20, 20, 20, -20 }, Edges { 0, 0, 1, 1 }, Edges { -3, 7, 50, -0.5f },
        Edges { -1e30f, 1e30f, 1e30f, -1e30f }, Edges { 0.25f, 1e-6f, 0.5f, 2e-6f }),
    [](const ::testing::TestParamInfo<Edges>& param) {
        const Edges& e = param.param;
        return "x_" + testing::numberName(e.x1) + "_to_" + testing::numberName(e.x2) + "_y_"
            + testing::numberName(e.y1) + "_to_" + testing::numberName(e.y2);
    });

TEST(UserMapping, EdgesADenormalApartStillMakeASystem)
{
    const float tiny = std::numeric_limits<float>::denorm_min();
    ImageSurface surface(width, height);
    ASSERT_TRUE(surface.Scale(-tiny, tiny, tiny, -tiny));
    EXPECT_EQ(surface.mapping().column(0.0f), width / 2);
    EXPECT_EQ(surface.mapping().row(0.0f), height / 2);
    EXPECT_FALSE(surface.mapping().column(tiny).has_value());
}

TEST(UserMapping, AnUnusableScaleIsRefusedAndChangesNothing)
{
    const std::vector<Edges> refused { { 1, 0, 1, 5 }, { 0, 2, 5, 2 }, { -0.0f, 1, 0.0f, 0 },
        { nan, 1, 1, 0 }, { 0, nan, 1, 0 }, { 0, 1, inf, 0 }, { 0, 1, 1, -inf },
        { -inf, inf, 1, 0 } };
    for (const bool afterUserScale : { false, true }) {
        ImageSurface surface(width, height);
        if (afterUserScale) {
            ASSERT_TRUE(surface.Scale(-5, 5, 5, -5));
        }
        const UserMapping before = surface.mapping();
        for (const Edges& e : refused) {
            EXPECT_FALSE(surface.Scale(e.x1, e.y1, e.x2, e.y2)) << e.x1 << ' ' << e.y1;
            const UserMapping& now = surface.mapping();
            EXPECT_EQ(now.isUserScale(), before.isUserScale());
            EXPECT_TRUE(now.left() == before.left() && now.top() == before.top()
                && now.right() == before.right() && now.bottom() == before.bottom());
        }
    }
}

TEST(ImageSurface, PSetPaintsTheColourItNames)
{
    const std::vector<std::pair<std::uint32_t, QRgb>> table { { 0x80000002u, qRgb(0, 0, 128) },
        { 0x8000000Cu, qRgb(128, 128, 128) }, { 0x80000012u, qRgb(0, 0, 0) },
        { 0x80000014u, qRgb(255, 255, 255) }, { 0x00800080u, qRgb(128, 0, 128) },
        { 0x000000FFu, qRgb(255, 0, 0) }, { 0x0000FF00u, qRgb(0, 255, 0) },
        { 0x00FF0000u, qRgb(0, 0, 255) }, { 0x0000FFFFu, qRgb(255, 255, 0) },
        { 0x00123456u, qRgb(0x56, 0x34, 0x12) } };
    ImageSurface surface(width, height);
    surface.Scale(0, 0, width, height);
    for (std::size_t i = 0; i < table.size(); ++i) {
        surface.PSet(static_cast<float>(i) + 0.5f, 3.5f, Colour { table[i].first });
        EXPECT_EQ(surface.image().pixel(int(i), 3), table[i].second) << std::hex << table[i].first;
    }
}

TEST(ImageSurface, FarAwayAndNonFinitePointsAndTextNeverReachThePicture)
{
    ImageSurface surface(width, height);
    for (const bool scaled : { false, true }) {
        if (scaled)
            surface.Scale(-10, 10, 10, -10);
        for (const float far : { 1e30f, -1e30f, inf, -inf, nan, 3.4e38f }) {
            surface.PSet(far, 1, colours::red);
            surface.PSet(1, far, colours::red);
            surface.CurrentX(far);
            surface.CurrentY(0);
            surface.Print(-20);
            surface.CurrentX(0);
            surface.CurrentY(far);
            surface.Print(-20);
        }
    }
    EXPECT_TRUE(ink(surface.image()).empty());
}

// At scale 10 the user origin is pixel (186, 162).
TEST(ImageSurface, LinesAreClippedWithoutWrappingAround)
{
    struct LineCase {
        const char* name;
        Edges line;
        /// Whether a pixel may be inked.
        std::function<bool(QPoint)> allowed;
        std::size_t mustInk;
    };
    const auto middleRow = [](QPoint p) { return p.y() == 162; };
    const auto middleColumn = [](QPoint p) { return p.x() == 186; };
    const auto rightHalfOfRow = [](QPoint p) { return p.y() == 162 && p.x() >= 186; };
    const auto onDiagonal = [](QPoint p) {
        return std::abs(p.y() + 0.5 - (20 - (p.x() + 0.5) / 18.65) * 16.25) <= 1.5;
    };
    const auto nothing = [](QPoint) { return false; };
    const std::vector<LineCase> cases {
        { "across", { -10, 0, 10, 0 }, middleRow, width },
        { "down", { 0, 10, 0, -10 }, middleColumn, height },
        { "far ends", { -1e30f, 0, 1e30f, 0 }, middleRow, width },
        { "far ends upward", { 0, -1e30f, 0, 1e30f }, middleColumn, height },
        { "far end right", { 0, 0, 1e30f, 0 }, rightHalfOfRow, width - 186 },
        { "far diagonal", { -1e30f, -1e30f, 1e30f, 1e30f }, onDiagonal, width },
        { "infinite end", { 0, 0, inf, 0 }, rightHalfOfRow, 0 },
        { "both infinite", { -inf, 0, inf, 0 }, middleRow, 0 },
        { "not a number", { nan, 0, 5, 0 }, nothing, 0 },
        { "wholly outside", { 1e30f, 1e30f, 2e30f, 2e30f }, nothing, 0 },
        { "above the area", { -1e30f, 11, 1e30f, 11 }, nothing, 0 },
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        ImageSurface surface(width, height);
        surface.Scale(-10, 10, 10, -10);
        surface.Line(c.line.x1, c.line.y1, c.line.x2, c.line.y2);
        const auto points = ink(surface.image());
        for (const QPoint p : points) {
            EXPECT_TRUE(c.allowed(p)) << p.x() << ", " << p.y();
            EXPECT_EQ(surface.image().pixel(p), qRgb(0, 0, 0));
        }
        EXPECT_GE(points.size(), c.mustInk);
    }
}

// A line k pixels wide covers the k by k block around each cell of the thin line, cut at the
// edges of the area.
TEST(ImageSurface, AWideLineIsABandAroundTheThinOne)
{
    struct WideCase {
        const char* name;
        Edges line;
        int width;
        /// The band the wide line fills whole: columns and rows from first to last.
        QRect band;
    };
    const std::vector<WideCase> cases {
        { "across, 2 wide", { -10, 0, 10, 0 }, 2, QRect(0, 162, width, 2) },
        { "across, 3 wide", { -10, 0, 10, 0 }, 3, QRect(0, 161, width, 3) },
        { "down, 8 wide", { 0, 10, 0, -10 }, 8, QRect(183, 0, 8, height) },
        { "along the top edge, 8 wide", { -20, 10, 20, 10 }, 8, QRect(0, 0, width, 5) },
        { "along the right edge, 3 wide", { 10, -20, 10, 20 }, 3, QRect(width - 1, 0, 1, height) },
        { "a short mark, 4 wide", { -0.2f, 5, 0.2f, 5 }, 4, QRect(181, 80, 12, 4) },
    };
    for (const WideCase& c : cases) {
        SCOPED_TRACE(c.name);
        ImageSurface surface(width, height);
        surface.setLineWidth(c.width);
        surface.Scale(-10, 10, 10, -10);
        surface.Line(c.line.x1, c.line.y1, c.line.x2, c.line.y2);
        const auto points = ink(surface.image());
        EXPECT_EQ(points.size(), static_cast<std::size_t>(c.band.width() * c.band.height()));
        for (const QPoint p : points)
            EXPECT_TRUE(c.band.contains(p)) << p.x() << ", " << p.y();
    }
}

/// A light colour drawn behind the picture.
constexpr Colour pink { 0x00C0C0FFu };

/// Points on every pixel of a band along the x axis, through the numbers beneath it, the marks
/// and the curves: what is drawn behind them.
void drawBehind(PlotSurface& pic)
{
    std::vector<float> xs;
    std::vector<float> ys;
    for (double x = -10; x <= 10; x += 0.02) {
        for (double y = -0.8; y <= 0.3; y += 0.02) {
            xs.push_back(static_cast<float>(x));
            ys.push_back(static_cast<float>(y));
        }
    }
    pic.PSetBehind(xs, ys, pink);
}

/// Draws on \a pic at scale 10 what a picture is made of: two axes with their marks and
/// numbers, a curve of many points, a lone point and a band behind them; the curve is yellow on
/// \a yellowTurn and purple otherwise. The band is left out unless \a behind.
void drawPicture(PlotSurface& pic, bool yellowTurn = false, bool behind = true)
{
    pic.Scale(-10, 10, 10, -10);
    std::vector<float> xs;
    std::vector<float> ys;
    for (double x = -20; x <= 20; x += 0.001) {
        xs.push_back(static_cast<float>(x));
        ys.push_back(static_cast<float>(4 * std::sin(3 * x) + 0.1 * x * x));
    }
    pic.PSetMany(xs, ys, yellowTurn ? colours::yellow : colours::purple);
    for (int i = -10; i <= 10; i += 2) {
        pic.Line(-0.2f, float(i), 0.2f, float(i));
        pic.Line(float(i), -0.2f, float(i), 0.2f);
        pic.CurrentX(float(i) - 0.2f);
        pic.CurrentY(-0.3f);
        pic.Print(i);
    }
    pic.Line(-20, 0, 20, 0);
    pic.Line(0, 20, 0, -20);
    pic.PSet(5, 5, colours::red);
    if (behind)
        drawBehind(pic);
    pic.PSetMany(std::span(xs).first(500), std::span(ys).first(500), colours::green);
}

struct RepeatCase {
    const char* name;
    int factor;
    /// How often the picture is drawn, one turn after another.
    int turns;
};

const RepeatCase repeatCases[] = {
    { "once", 1, 1 },
    { "once, 3 times larger", 3, 1 },
    // As a long lesson's steps draw: the axes over the curves, each curve over the others, the
    // numbers printed again over and over, which darkens the blended edges of their letters.
    { "300 times, the curve purple and yellow in turn", 1, 300 },
};

// The shapes of a vector surface, painted on an image of its size, are the very pixels an image
// surface of that size sets: every curve point in its own pixel, every line as wide, every
// number's letters as dark, however often the picture was drawn over itself.
TEST(VectorSurface, PaintedOnAnImageSetsThePixelsOfAnImageSurface)
{
    for (const RepeatCase& c : repeatCases) {
        SCOPED_TRACE(c.name);
        QFont font = QGuiApplication::font();
        font.setPointSizeF(font.pointSizeF() * c.factor);
        ImageSurface image(width * c.factor, height * c.factor);
        VectorSurface shapes(width * c.factor, height * c.factor);
        image.setFont(font);
        shapes.setFont(font);
        image.setLineWidth(c.factor);
        shapes.setLineWidth(c.factor);
        for (int turn = 0; turn < c.turns; ++turn) {
            drawPicture(image, turn % 2 == 1);
            drawPicture(shapes, turn % 2 == 1);
        }
        const auto paint = [&shapes, &image] {
            QImage painted(image.image().size(), QImage::Format_RGB32);
            painted.fill(Qt::black);
            QPainter painter(&painted);
            shapes.paint(painter);
            return painted;
        };
        const QImage drawn = image.image();
        EXPECT_EQ(testing::differingPixels(drawn, paint()), 0u);
        if (c.turns == 1) {
            // The band took every pixel it covers that was still white, and no other.
            ImageSurface without(width * c.factor, height * c.factor);
            without.setFont(font);
            without.setLineWidth(c.factor);
            drawPicture(without, false, false);
            ImageSurface band(width * c.factor, height * c.factor);
            band.Scale(-10, 10, 10, -10);
            drawBehind(band);
            const QRgb pinkRgb = toQRgb(pink);
            std::size_t taken = 0;
            testing::forEachPixel(without.image(), [&](QRgb was, int column, int row) {
                const QRgb now = drawn.pixel(column, row);
                const bool inBand = band.image().pixel(column, row) == pinkRgb;
                taken += now == pinkRgb ? 1 : 0;
                EXPECT_EQ(now, inBand && was == testing::white ? pinkRgb : was)
                    << column << ", " << row;
            });
            EXPECT_GT(taken, 1000u * c.factor * c.factor);
        }

        // Once cleared, only the background is painted, and what is drawn then; the state saved
        // before comes back whole.
        const auto before = shapes.saveState();
        shapes.Cls();
        shapes.PSet(5, 5, colours::red);
        image.Cls();
        image.PSet(5, 5, colours::red);
        const QImage cleared = paint();
        EXPECT_EQ(testing::differingPixels(image.image(), cleared), 0u);
        EXPECT_EQ(ink(cleared).size(), 1u);
        shapes.restoreState(*before);
        EXPECT_EQ(shapes.mapping().right(), 10);
        EXPECT_EQ(testing::differingPixels(drawn, paint()), 0u);
    }
}

TEST(ImageSurface, ClsWhitensKeepsTheSystemAndPrintsFromTheOrigin)
{
    ImageSurface surface(width, height);
    surface.Scale(-10, 10, 10, -10);
    surface.Line(-10, -10, 10, 10);
    surface.CurrentX(-8);
    surface.CurrentY(-8);
    surface.Cls();
    EXPECT_TRUE(ink(surface.image()).empty());
    EXPECT_EQ(surface.mapping().right(), 10);
    surface.Print(5);
    const auto points = ink(surface.image());
    ASSERT_FALSE(points.empty());
    for (const QPoint p : points) {
        EXPECT_TRUE(p.x() >= 186 && p.x() < 186 + 60) << p.x();
        EXPECT_TRUE(p.y() >= 162 && p.y() < 162 + 40) << p.y();
    }
}

TEST(ImageSurface, PrintedNumbersKeepAPlaceForTheSign)
{
    EXPECT_EQ(printedText(5), " 5 ");
    EXPECT_EQ(printedText(-5), "-5 ");
    EXPECT_EQ(printedText(0), " 0 ");
    EXPECT_EQ(printedText(-20), "-20 ");
    EXPECT_EQ(printedText(std::numeric_limits<int>::min()), "-2147483648 ");
    // The blank before a positive number shows as room left of its first ink.
    const auto leftmostInk = [](int value) {
        ImageSurface surface(width, height);
        surface.CurrentX(150);
        surface.CurrentY(150);
        surface.Print(value);
        int leftmost = width;
        for (const QPoint p : ink(surface.image()))
            leftmost = std::min(leftmost, p.x());
        return leftmost;
    };
    EXPECT_GT(leftmostInk(5), leftmostInk(-5));
    EXPECT_GE(leftmostInk(-5), 10);
}

/// Draws a curve noted as \a pattern filled in with \a arguments: a point at the centre of every
/// column of the area at height \a y.
void curveAt(
    ImageSurface& surface, float y, const char* pattern, std::vector<std::string> arguments)
{
    std::vector<float> xs;
    const UserMapping& mapping = surface.mapping();
    for (int column = 0; column < width; ++column)
        xs.push_back(static_cast<float>(mapping.userX(column + 0.5)));
    const std::vector<float> ys(xs.size(), y);
    surface.PSetMany(xs, ys, colours::purple);
    surface.describeCurve({ pattern, std::move(arguments) });
}

/// Three partial sums of the square wave where they pass x = pi/2 at scale 10, in rows 97, 106
/// and 113.
void threeSums(ImageSurface& surface)
{
    surface.Scale(-10, 10, 10, -10);
    curveAt(surface, 4.0f, "Square series, %1 term, scale %2", { "1", "10" });
    curveAt(surface, 3.45f, "Square series, %1 terms, scale %2", { "3", "10" });
    curveAt(surface, 3.02f, "Square series, %1 terms, scale %2", { "10", "10" });
}

std::string readAt(const ImageSurface& surface, int column, int row)
{
    std::string text;
    for (const Phrase& line : readoutAt(surface.mapping(), surface.curves(), column, row))
        text += (text.empty() ? "" : "\n") + line.text();
    return text;
}

// Column 215 holds x = pi/2 at scale 10; its centre is at 1.55496, 0.49496 pi.
TEST(Readout, GivesThePointAndTheCurvesThroughItOrBesideIt)
{
    struct ReadCase {
        const char* name;
        std::function<void(ImageSurface&)> draw;
        int column;
        int row;
        std::string reads;
    };
    const std::vector<ReadCase> cases {
        { "on a curve", threeSums, 215, 113,
            "x = 1.55 (0.49\u03c0)\ny = 3.02\nSquare series, 10 terms, scale 10" },
        { "a pixel beside a curve", threeSums, 215, 105,
            "x = 1.55 (0.49\u03c0)\ny = 3.51\nSquare series, 3 terms, scale 10" },
        { "two pixels from a curve", threeSums, 215, 104, "x = 1.55 (0.49\u03c0)\ny = 3.57" },
        { "blank area at the origin", threeSums, 186, 162, "x = 0.00 (0.00\u03c0)\ny = 0.00" },
        { "curves on one another, newest first and each once",
            [](ImageSurface& surface) {
                surface.Scale(-10, 10, 10, -10);
                curveAt(surface, 4.0f, "y = 4 sin x, scale %1", { "10" });
                curveAt(surface, 4.0f, "Square series, %1 term, scale %2", { "1", "10" });
                curveAt(surface, 4.0f, "y = 4 sin x, scale %1", { "10" });
            },
            215, 97,
            "x = 1.55 (0.49\u03c0)\ny = 4.00\ny = 4 sin x, scale 10\n"
            "Square series, 1 term, scale 10" },
        { "a negative scale, where the axes run the other way",
            [](ImageSurface& surface) {
                surface.Scale(10, -10, -10, 10);
                curveAt(surface, 3.02f, "Square series, %1 terms, scale %2", { "10", "-10" });
            },
            width - 1 - 215, 211,
            "x = 1.55 (0.49\u03c0)\ny = 3.02\nSquare series, 10 terms, scale -10" },
        { "scale 0.5, a decimal more",
            [](ImageSurface& surface) { surface.Scale(-0.5f, 0.5f, 0.5f, -0.5f); }, 0, 0,
            "x = -0.499 (-0.1587\u03c0)\ny = 0.498" },
        { "a scale so small that fixed decimals would be all zeros",
            [](ImageSurface& surface) { surface.Scale(-1e-9f, 1e-9f, 1e-9f, -1e-9f); }, 0, 0,
            "x = -9.973e-10 (-3.175e-10\u03c0)\ny = 9.969e-10" },
        { "only noted curves after a Cls, not lines or points",
            [](ImageSurface& surface) {
                threeSums(surface);
                surface.Cls();
                surface.Line(-10, 3.02f, 10, 3.02f);
                surface.PSet(1.55f, 3.02f, colours::red);
            },
            215, 113, "x = 1.55 (0.49\u03c0)\ny = 3.02" },
        { "before any scale", [](ImageSurface& surface) { surface.PSet(0, 0, colours::red); }, 0, 0,
            "Nothing to read yet: type a scale and click a button to draw." },
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        ImageSurface surface(width, height);
        c.draw(surface);
        const QImage before = surface.image();
        EXPECT_EQ(readAt(surface, c.column, c.row), c.reads);
        EXPECT_EQ(surface.image(), before);
        // A state put back reads as it did.
        const auto state = surface.saveState();
        surface.Cls();
        surface.restoreState(*state);
        EXPECT_EQ(readAt(surface, c.column, c.row), c.reads);
    }
    EXPECT_EQ(resolvedNumber(-0.004, 20.0 / width, 10), "0.00");
}

// A curve's record is exactly the pixels it set, however they lie, in no more than a bit each.
TEST(CurvePixels, HoldExactlyThePixelsSetInABitEachAtMost)
{
    struct Shape {
        const char* name;
        std::function<bool(int column, int row)> set;
        std::size_t mostBytes;
    };
    const std::vector<Shape> shapes {
        { "a sine wave",
            [](int column, int row) {
                return row == static_cast<int>(162.5 - 60 * std::sin(column / 20.0));
            },
            2'000 },
        { "one pixel in every other, all over",
            [](int column, int row) { return (column + row) % 2 == 0; },
            sizeof(CurvePixels) + (width * height + 7) / 8 },
        { "nothing", [](int, int) { return false; }, sizeof(CurvePixels) },
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        ImageSurface surface(width, height);
        surface.Scale(0, 0, width, height);
        std::vector<float> xs;
        std::vector<float> ys;
        for (int column = 0; column < width; ++column) {
            for (int row = 0; row < height; ++row) {
                if (shape.set(column, row)) {
                    xs.push_back(static_cast<float>(column) + 0.5f);
                    ys.push_back(static_cast<float>(row) + 0.5f);
                }
            }
        }
        surface.PSetMany(xs, ys, colours::green);
        surface.describeCurve({ "a curve", {} });
        ASSERT_EQ(surface.curves().size(), 1u);
        const CurvePixels& pixels = *surface.curves().front().pixels;
        int wrong = 0;
        for (int column = 0; column < width; ++column) {
            for (int row = 0; row < height; ++row)
                wrong += pixels.contains(column, row) == shape.set(column, row) ? 0 : 1;
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_LE(pixels.bytes(), shape.mostBytes);
    }
}

} // namespace
} // namespace fourier
