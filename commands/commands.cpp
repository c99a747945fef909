// SPDX-License-Identifier: MIT
#include "commands.h"

#include "catalogue.h"
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

/// Draws \a wave with \a count terms in \a colour and notes it in the words of \a pattern,
/// filled in with \a arguments and the scale, on the surface and to the form. A cancelled
/// curve draws and notes nothing at all.
void plotCurve(FormContext& form, const Wave& wave, Colour colour, double count,
    std::string_view pattern, std::vector<std::string> arguments)
{
    PlotSurface& pic = form.Pic();
    if (form.drawsCurves()) {
        const auto points = computeCurve(wave, count, pic.mapping(),
            [&form](double fraction) { return form.reportProgress(fraction); });
        if (!points)
            return;
        pic.PSetMany(points->xs, points->ys, colour);
    }
    const Phrase description = curveDescription(pattern, std::move(arguments), pic);
    pic.describeCurve(description);
    form.curveDrawn(count, description);
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
