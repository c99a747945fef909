// SPDX-License-Identifier: MIT
#include "commands.h"

#include "curve.h"
#include "frame.h"
#include "val.h"

#include <iomanip>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fourier {

namespace {

/// Draws \a wave with \a count terms and notes it in the words of \a pattern, filled in with
/// \a arguments and the scale. A cancelled curve draws nothing at all.
void plotCurve(FormContext& form, const Wave& wave, double count, std::string_view pattern,
    std::vector<std::string> arguments)
{
    PlotSurface& pic = form.Pic();
    const auto points = computeCurve(wave, count, pic.mapping(),
        [&form](double fraction) { return form.reportProgress(fraction); });
    if (!points)
        return;
    pic.PSetMany(points->xs, points->ys, wave.colour);
    pic.describeCurve(curveDescription(pattern, std::move(arguments), pic));
}

/// Draws \a wave with the count T1 holds now, described in \a wording.
void plotWave(FormContext& form, const Wave& wave, const SeriesWording& wording)
{
    const double count = Val(form.T1Text());
    const double terms = termCount(count);
    std::ostringstream shown;
    shown << std::fixed << std::setprecision(0) << terms;
    plotCurve(form, wave, count, terms == 1.0 ? wording.oneTerm : wording.terms, { shown.str() });
}

/// Sin x and Cos x: the frame and the curve, whatever the count says.
void plotTrigonometric(FormContext& form, const Wave& curve, std::string_view wording)
{
    if (!setscale(form))
        return;
    drawaxes(form.Pic());
    plotCurve(form, curve, 1.0, wording, {});
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
    if (canDraw)
        method(form);
}

} // namespace

void square(FormContext& form)
{
    plotWave(form, squareWave, squareWording);
}
void triangule(FormContext& form)
{
    plotWave(form, triangleWave, triangleWording);
}
void sawtooth(FormContext& form)
{
    plotWave(form, sawtoothWave, sawtoothWording);
}

void Command2_Click(FormContext& form)
{
    plotTrigonometric(form, sineCurve, sineWording);
}
void Command3_Click(FormContext& form)
{
    plotTrigonometric(form, cosineCurve, cosineWording);
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
