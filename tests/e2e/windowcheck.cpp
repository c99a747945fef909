// SPDX-License-Identifier: MIT
// Checks a capture of the program's window at the initial scale of 10: the window's size, the
// plot area mostly blank, the yellow of the scale's label, and each curve named on the command
// line either drawn where its formula puts it or absent.
//
// Usage: windowcheck CAPTURE.png CURVE=present|absent ...   (CURVE is sine or square)
// Prints what it found; exits 0 when every check passes, 1 when one fails, 2 on bad usage.

#include "plotarea.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Where things are in the window, in pixels at 15 twips a pixel.
constexpr int windowWidth = 624;
constexpr int windowHeight = 487;
/// The plot area inside its sunken two-pixel frame.
const QRect drawingArea(34, 58, fourier::plotAreaWidth, fourier::plotAreaHeight);
/// The label beside the scale's text box, yellow on grey.
const QRect scaleLabel(416, 296, 113, 41);
/// The scale the window starts with: x and y both run from -10 to 10.
constexpr double scale = 10.0;

constexpr QRgb white = qRgb(255, 255, 255);
/// The labels' text colour and background.
constexpr QRgb yellow = qRgb(255, 255, 0);
constexpr QRgb grey = qRgb(128, 128, 128);

/// At least this share of the drawing area is background with two curves, axes and numbers.
constexpr double leastWhiteShare = 0.7;
/// The label's text covers at least this many pixels by at least half.
constexpr int leastYellowPixels = 5;
/// At least this share of the columns shows a drawn curve near its formula: later axes,
/// numbers and curves may cover it in a few.
constexpr double leastCoveredColumns = 0.9;

struct Curve {
    std::string_view name;
    QRgb colour;
    std::function<double(double)> y;
};

double squareSum(double x)
{
    // The window starts with four terms: the odd harmonics 1, 3, 5 and 7.
    double sum = 0.0;
    for (int k = 1; k <= 7; k += 2)
        sum += std::sin(k * x) / k;
    return 4.0 * sum;
}

const std::vector<Curve> curves = {
    { "sine", qRgb(0, 0, 128), [](double x) { return 4.0 * std::sin(x); } },
    { "square", qRgb(128, 0, 128), squareSum },
};

/// The rows, relative to the drawing area, that \a curve passes through in \a column. The
/// column is widened a little on both sides: the program rounds x to float before it picks
/// the column, which may move a sample at the very edge into its neighbour.
std::pair<int, int> rowSpan(const Curve& curve, int column)
{
    constexpr int steps = 256;
    constexpr double overlap = 0.01;
    const double width = drawingArea.width();
    const double height = drawingArea.height();
    int lowest = drawingArea.height();
    int highest = -1;
    for (int i = 0; i <= steps; ++i) {
        const double at = column - overlap + (1 + 2 * overlap) * i / steps;
        const double x = at / width * 2 * scale - scale;
        const int row = static_cast<int>(std::floor((scale - curve.y(x)) / (2 * scale) * height));
        lowest = std::min(lowest, row);
        highest = std::max(highest, row);
    }
    return { lowest, highest };
}

int failures = 0;

void report(bool ok, const std::string& what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
    failures += ok ? 0 : 1;
}

/// Whether \a rgb is yellow ink over the labels' grey, covering at least half the pixel: text
/// is smoothed, so few pixels are pure yellow, but each moves every channel from the grey
/// toward the yellow by the same share.
bool isYellowInk(QRgb rgb)
{
    constexpr double tolerance = 0.03;
    const auto share = [](int channel, int from, int to) {
        return static_cast<double>(channel - from) / (to - from);
    };
    const double red = share(qRed(rgb), qRed(grey), qRed(yellow));
    const double green = share(qGreen(rgb), qGreen(grey), qGreen(yellow));
    const double blue = share(qBlue(rgb), qBlue(grey), qBlue(yellow));
    return red >= 0.5 && std::fabs(red - green) <= tolerance && std::fabs(red - blue) <= tolerance;
}

/// The pixel at (column, row) of the drawing area; an RGB32 image always has full alpha.
QRgb pixelAt(const QImage& image, int column, int row)
{
    return image.pixel(drawingArea.left() + column, drawingArea.top() + row);
}

void checkPresent(const QImage& image, const Curve& curve)
{
    int covered = 0;
    int strays = 0;
    for (int column = 0; column < drawingArea.width(); ++column) {
        const auto [first, last] = rowSpan(curve, column);
        bool near = false;
        for (int row = 0; row < drawingArea.height(); ++row) {
            if (pixelAt(image, column, row) != curve.colour)
                continue;
            if (row >= first && row <= last)
                near = true;
            else
                ++strays;
        }
        covered += near ? 1 : 0;
    }
    const double share = static_cast<double>(covered) / drawingArea.width();
    report(share >= leastCoveredColumns,
        std::string(curve.name) + " drawn near its formula in " + std::to_string(covered) + " of "
            + std::to_string(drawingArea.width()) + " columns");
    report(strays == 0,
        std::string(curve.name) + " pixels away from its formula: " + std::to_string(strays));
}

void checkAbsent(const QImage& image, const Curve& curve)
{
    int found = 0;
    for (int row = 0; row < drawingArea.height(); ++row) {
        for (int column = 0; column < drawingArea.width(); ++column)
            found += pixelAt(image, column, row) == curve.colour ? 1 : 0;
    }
    report(found == 0,
        std::string(curve.name) + " absent; pixels of its colour: " + std::to_string(found));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CAPTURE.png CURVE=present|absent ...\n", argv[0]);
        return 2;
    }
    const QImage image
        = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    report(image.width() == windowWidth && image.height() == windowHeight,
        "window of " + std::to_string(image.width()) + " x " + std::to_string(image.height())
            + " pixels");
    if (image.width() < windowWidth || image.height() < windowHeight)
        return 1;

    int whites = 0;
    for (int row = 0; row < drawingArea.height(); ++row) {
        for (int column = 0; column < drawingArea.width(); ++column)
            whites += pixelAt(image, column, row) == white ? 1 : 0;
    }
    const double whiteShare
        = static_cast<double>(whites) / (drawingArea.width() * drawingArea.height());
    report(whiteShare >= leastWhiteShare,
        "plot area " + std::to_string(static_cast<int>(whiteShare * 100)) + "% white");

    int yellows = 0;
    for (int row = scaleLabel.top(); row <= scaleLabel.bottom(); ++row) {
        for (int column = scaleLabel.left(); column <= scaleLabel.right(); ++column)
            yellows += isYellowInk(image.pixel(column, row)) ? 1 : 0;
    }
    report(yellows >= leastYellowPixels,
        "pixels of yellow text in the scale's label: " + std::to_string(yellows));

    for (int i = 2; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto equals = argument.find('=');
        const auto name = argument.substr(0, equals);
        const auto want = equals == std::string_view::npos ? "" : argument.substr(equals + 1);
        const auto curve = std::find_if(
            curves.begin(), curves.end(), [name](const Curve& c) { return c.name == name; });
        if (curve == curves.end() || (want != "present" && want != "absent")) {
            std::fprintf(stderr, "not understood: %s\n", argv[i]);
            return 2;
        }
        if (want == "present")
            checkPresent(image, *curve);
        else
            checkAbsent(image, *curve);
    }
    return failures == 0 ? 0 : 1;
}
