// SPDX-License-Identifier: MIT
#include "frame.h"

#include "val.h"

#include <cmath>
#include <sstream>
#include <utility>

namespace fourier {

namespace {

/// The axes and their graduation run over this range, whatever the scale.
constexpr int frameExtent = 20;
/// Half the length of a graduation mark.
constexpr double markHalfLength = 0.2;
/// Where an x-axis number starts, relative to its mark.
constexpr double xNumberDx = -0.2;
constexpr double xNumberY = -0.3;
/// Where a y-axis number starts, relative to its mark.
constexpr double yNumberX = 0.3;

void line(PlotSurface& pic, double x1, double y1, double x2, double y2)
{
    pic.Line(toFloat(x1), toFloat(y1), toFloat(x2), toFloat(y2));
}

void printAt(PlotSurface& pic, double x, double y, int value)
{
    pic.CurrentX(toFloat(x));
    pic.CurrentY(toFloat(y));
    pic.Print(value);
}

} // namespace

bool setscale(FormContext& form)
{
    PlotSurface& pic = form.Pic();
    const double s = Val(form.T2Text());
    if (s > largestScale) {
        pic.Cls();
        form.pictureErased();
        form.MsgBox(scaleMessage);
    } else {
        // A refused system (s of 0, or one that is 0 or infinite in float) keeps the old one.
        pic.Scale(toFloat(-s), toFloat(s), toFloat(s), toFloat(-s));
    }
    return pic.mapping().isUserScale();
}

void drawaxes(PlotSurface& pic)
{
    line(pic, -frameExtent, 0.0, frameExtent, 0.0);
    line(pic, 0.0, frameExtent, 0.0, -frameExtent);
    for (int i = -frameExtent; i <= frameExtent; ++i) {
        const double at = i;
        line(pic, -markHalfLength, at, markHalfLength, at);
        line(pic, at, -markHalfLength, at, markHalfLength);
        printAt(pic, at + xNumberDx, xNumberY, i);
        printAt(pic, yNumberX, at, i);
    }
}

Phrase curveDescription(
    std::string_view pattern, std::vector<std::string> arguments, const PlotSurface& pic)
{
    // The right edge is the scale itself: Scale(-s, s, s, -s) put it there.
    std::ostringstream scale;
    scale << pic.mapping().right();
    arguments.push_back(scale.str());
    return { std::string(pattern), std::move(arguments) };
}

void Command1_Click(FormContext& form)
{
    form.Pic().Cls();
    form.pictureErased();
}

} // namespace fourier
