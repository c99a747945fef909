// SPDX-License-Identifier: MIT
#include "commands.h"

#include "catalogue.h"
#include "curve.h"
#include "frame.h"
#include "idealwave.h"
#include "val.h"

#include <iomanip>
#include <optional>
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

/// Draws the curve of \a command, a series, with the count T1 holds now.
void plotSeries(FormContext& form, StepCommand command)
{
    const CommandRow& row = commandRow(command);
    const double count = Val(form.T1Text());
    const double terms = termCount(count);
    std::ostringstream shown;
    shown << std::fixed << std::setprecision(0) << terms;
    plotCurve(form, *row.wave, row.colour, count, row.description.forTerms(terms == 1.0),
        { shown.str() });
}

/// Sin x and Cos x: the frame and the curve, whatever the count says.
void plotTrigonometric(FormContext& form, StepCommand command)
{
    if (!setscale(form))
        return;
    drawaxes(form.Pic());
    const CommandRow& row = commandRow(command);
    plotCurve(form, *row.wave, row.colour, 1.0, row.description.oneTerm, {});
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
    plotSeries(form, StepCommand::Square);
}
void triangule(FormContext& form)
{
    plotSeries(form, StepCommand::Triangle);
}
void sawtooth(FormContext& form)
{
    plotSeries(form, StepCommand::Sawtooth);
}

void Command2_Click(FormContext& form)
{
    plotTrigonometric(form, StepCommand::Sin);
}
void Command3_Click(FormContext& form)
{
    plotTrigonometric(form, StepCommand::Cos);
}

void drawIdealWave(FormContext& form)
{
    PlotSurface& pic = form.Pic();
    const std::optional<PictureCurve> curve = newestCurve(pic);
    if (!curve) {
        form.MsgBox(noCurveMessage);
        return;
    }
    const CommandRow& row = commandRow(curve->command);
    const SurfacePoints points = idealWavePixels(*idealWaveOf(curve->command), pic.mapping());
    pic.PSetBehind(points.xs, points.ys, lightTint(row.colour));
    pic.describeCurve(curveDescription(row.idealDescription, {}, pic));
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
