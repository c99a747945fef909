// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "formcontext.h"

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

/// What a click led to.
struct StepOutcome {
    /// The messages it showed, in order.
    std::vector<std::string> messages;
    /// Whether the user cancelled its curve, so that only the frame was drawn.
    bool cancelled = false;

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
