// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "commands.h"
#include "frame.h"
#include "wave.h"

#include <optional>
#include <string_view>
#include <vector>

namespace fourier {

/// Every kind of step a picture is made of: the six buttons, and the ideal wave behind the newest
/// curve.
enum class StepCommand { Sin, Cos, Clear, Square, Triangle, Sawtooth, Ideal };

/// A sentence in its two forms, for one term and for more; both the same where it holds no count.
struct CountedText {
    std::string_view oneTerm;
    std::string_view terms;

    constexpr std::string_view forTerms(bool one) const { return one ? oneTerm : terms; }
};

/// Everything the program knows of one kind of step, in one row: how a lesson file names it,
/// what runs it, what its curve is and looks like, and how the picture describes it.
struct CommandRow {
    StepCommand command;
    /// The word a lesson file names the step by.
    std::string_view word;
    /// What a click of its button runs.
    void (*click)(FormContext& form);
    /// Whether its curve has the count T1 holds; otherwise it is its wave's first term alone.
    bool series;
    /// The wave its curve sums, or null for a step that draws no curve.
    const Wave* wave;
    Colour colour;
    /// What screen readers say of its curve: for a series %1 is the number of terms and %2 the
    /// scale, otherwise %1 is the scale.
    CountedText description;
    /// What the menu calls the step, as in "Undo Square Series, 10 terms": %1 is the count as
    /// typed.
    CountedText menuName;
    /// What screen readers say of the ideal wave behind its curve: %1 is the scale.
    std::string_view idealDescription;
};

// 4 sin x and 4 cos x are the first terms of the square and triangle waves, and the plain loop
// computes those terms exactly as they are computed alone: the library's sin or cos of x, times
// 4. So with one term these two waves draw the very pixels of the two curves, and the curves go
// the same way as the series.
/// The catalogue of the steps, in the order of StepCommand.
inline constexpr CommandRow commandCatalogue[] = {
    { StepCommand::Sin, "sin", Command2_Click, false, &squareWave, colours::activeCaption,
        { "y = 4 sin x, scale %1", "y = 4 sin x, scale %1" }, { "Sin x", "Sin x" },
        "Ideal wave of y = 4 sin x, scale %1" },
    { StepCommand::Cos, "cos", Command3_Click, false, &triangleWave, colours::buttonText,
        { "y = 4 cos x, scale %1", "y = 4 cos x, scale %1" }, { "Cos x", "Cos x" },
        "Ideal wave of y = 4 cos x, scale %1" },
    { StepCommand::Clear, "clear", Command1_Click, false, nullptr, {}, {}, { "Clear", "Clear" },
        {} },
    { StepCommand::Square, "square", Ejecutar_Click, true, &squareWave, colours::purple,
        { "Square series, %1 term, scale %2", "Square series, %1 terms, scale %2" },
        { "Square Series, %1 term", "Square Series, %1 terms" }, "Ideal square wave, scale %1" },
    { StepCommand::Triangle, "triangle", Command4_Click, true, &triangleWave, colours::red,
        { "Triangle series, %1 term, scale %2", "Triangle series, %1 terms, scale %2" },
        { "Triangular Series, %1 term", "Triangular Series, %1 terms" },
        "Ideal triangle wave, scale %1" },
    { StepCommand::Sawtooth, "sawtooth", Command5_Click, true, &sawtoothWave, colours::green,
        { "Sawtooth series, %1 term, scale %2", "Sawtooth series, %1 terms, scale %2" },
        { "Sawtooth Series, %1 term", "Sawtooth Series, %1 terms" },
        "Ideal sawtooth wave, scale %1" },
    { StepCommand::Ideal, "ideal", drawIdealWave, false, nullptr, {}, {},
        { "Ideal Wave", "Ideal Wave" }, {} },
};

/// The catalogue's row of \a command.
constexpr const CommandRow& commandRow(StepCommand command)
{
    return commandCatalogue[static_cast<std::size_t>(command)];
}

/// The command a lesson file's \a word names, or nothing for a word it does not know.
std::optional<StepCommand> commandNamed(std::string_view word);

/// A curve on the picture, as the note the picture keeps of it tells: the step that drew it and
/// how many terms its sum has.
struct PictureCurve {
    StepCommand command;
    /// The count as the sum uses it: a whole number (see termCount), 1 for Sin x and Cos x.
    double terms;
    /// What screen readers say of it.
    Phrase description;
};

/// The curves drawn on \a pic since its last Cls, oldest first. What else the picture notes,
/// an ideal wave, is no curve.
std::vector<PictureCurve> curvesOn(const PlotSurface& pic);
/// The curve drawn last on \a pic since its last Cls, or nothing.
std::optional<PictureCurve> newestCurve(const PlotSurface& pic);

namespace detail {
/// Whether every row stands at the place of its command.
consteval bool inCommandOrder()
{
    for (std::size_t i = 0; i < std::size(commandCatalogue); ++i) {
        if (static_cast<std::size_t>(commandCatalogue[i].command) != i)
            return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::inCommandOrder(), "a row of the catalogue is out of its command's place");

} // namespace fourier
