// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "formcontext.h"
#include "phrase.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fourier {

/// The most steps a lesson file holds.
inline constexpr std::size_t maxLessonSteps = 10'000;
/// The largest lesson file, in bytes.
inline constexpr std::size_t maxLessonBytes = std::size_t { 1 } << 20;

/// A curve a step drew: the kind of step, whose row in the catalogue has its wave and colour,
/// the count of terms asked for, and the words that describe it.
struct StepCurve {
    StepCommand command = StepCommand::Square;
    /// The number T1 held (1 for Sin x and Cos x, the first term of their wave); the sum has
    /// termCount(count) terms.
    double count = 1.0;
    Phrase description;

    /// The wave the curve sums.
    const Wave& wave() const { return *commandRow(command).wave; }

    friend bool operator==(const StepCurve&, const StepCurve&) = default;
};

/// What a click led to.
struct StepOutcome {
    /// The messages it showed, in order.
    std::vector<std::string> messages;
    /// Whether the user cancelled its curve, so that only the frame was drawn.
    bool cancelled = false;
    /// Whether it erased the picture (Clear, or a scale too large) before anything it drew.
    bool erased = false;
    /// The curve it drew, if any.
    std::optional<StepCurve> curve;

    friend bool operator==(const StepOutcome&, const StepOutcome&) = default;
};

/// One click of a button: which one, what the two boxes held, and what came of it.
struct Step {
    StepCommand command = StepCommand::Clear;
    /// T1's text at the click, the number of terms, as UTF-8.
    std::string terms;
    /// T2's text at the click, the scale, as UTF-8.
    std::string scale;
    StepOutcome outcome;

    friend bool operator==(const Step&, const Step&) = default;
};

/// Brings \a curves, those of a picture oldest first, up to date with \a step taken on it: none
/// are left when the step erased the picture, and the step's own curve comes last.
void addCurve(std::vector<StepCurve>& curves, const Step& step);

/// Whether \a step is a series whose count its button refuses as too large to add up (see
/// countTooLarge): it draws the frame and no curve.
bool asksTooManyTerms(const Step& step);

/// Whether a step shows its messages as it runs.
enum class Messages { Show, Hide };

/// Takes \a step as a click of its button with its texts in the boxes would: on \a window's plot
/// area, with its progress reports, and with its message boxes unless \a messages hides them.
/// Fills in the step's outcome as it goes, so that it holds what happened even when the
/// command throws.
///
/// A step that was cancelled once is taken again as it ended: the scale is set and the frame
/// drawn, and its curve is not begun.
void takeStep(CommandWindow& window, Step& step, Messages messages);

} // namespace fourier
