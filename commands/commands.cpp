// SPDX-License-Identifier: MIT
#include "commands.h"

#include "curve.h"
#include "curves.h"
#include "frame.h"
#include "val.h"

#include <iomanip>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fourier {

namespace {

/// Draws \a wave with \a count terms in \a colour and notes it in the words of \a pattern,
/// filled in with \a arguments and the scale. A cancelled curve draws nothing at all.
void plotCurve(FormContext& form, const Wave& wave, Colour colour, double count,
    std::string_view pattern, std::vector<std::string> arguments)
{
    PlotSurface& pic = form.Pic();
    const auto points = computeCurve(wave, count, pic.mapping(),
        [&form](double fraction) { return form.reportProgress(fraction); });
    if (!points)
        return;
    pic.PSetMany(points->xs, points->ys, colour);
    pic.describeCurve(curveDescription(pattern, std::move(arguments), pic));
}

/// Draws \a curve with the count T1 holds now.
void plotSeries(FormContext& form, const SeriesCurve& curve)
{
    const double count = Val(form.T1Text());
    const double terms = termCount(count);
    std::ostringstream shown;
    shown << std::fixed << std::setprecision(0) << terms;
    plotCurve(form, curve.wave, curve.colour, count,
        terms == 1.0 ? curve.wording.oneTerm : curve.wording.terms, { shown.str() });
}

/// Sin x and Cos x: the frame and the curve, whatever the count says.
void plotTrigonometric(FormContext& form, const TrigonometricCurve& curve)
{
    if (!setscale(form))
        return;
    drawaxes(form.Pic());
    plotCurve(form, curve.wave, curve.colour, 1.0, curve.wording, {});
}

void runSeriesCommand(FormContext& form, void (*method)(FormContext&))
{
    const bool canDraw = setscale(form);
    const double count = Val(form.T1Text());
    if (canDraw)
        drawaxes(form.Pic());
    if (count <= 0.0) {
        form.MsgBox(noSignalMessage);
        return;
    }
    // Refused before any sum starts: waiting for one that cannot end would help nobody.
    if (countTooLarge(count)) {
        form.MsgBox(tooManyTermsMessage);
        return;
    }
    if (canDraw)
        method(form);
}

} // namespace

bool countTooLarge(double count)
{
    return isEndlessCount(count);
}

void square(FormContext& form)
{
    plotSeries(form, squareCurve);
}
void triangule(FormContext& form)
{
    plotSeries(form, triangleCurve);
}
void sawtooth(FormContext& form)
{
    plotSeries(form, sawtoothCurve);
}

void Command2_Click(FormContext& form)
{
    plotTrigonometric(form, sineCurve);
}
void Command3_Click(FormContext& form)
{
    plotTrigonometric(form, cosineCurve);
}

void Ejecutar_Click(FormContext& form)
{
    runSeriesCommand(form, square);
}
void Command4_Click(FormContext& form)
{
    runSeriesCommand(form, triangule);
}
void Command5_Click(FormContext& form)
{
    runSeriesCommand(form, sawtooth);
}

} // namespace fourier
