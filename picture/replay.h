// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"
#include "history.h"
#include "step.h"

#include <optional>
#include <span>

namespace fourier {

/// Takes \a steps one after another on \a form's plot area, as clicks of their buttons with
/// their texts in the boxes would, and shows none of their messages. The area must show the
/// start-up picture: a surface as it was made, in its initial coordinate system.
///
/// Long sums report progress through \a form as a click's would; between steps the replay
/// reports how far it has got, so that a long lesson can be cancelled too. Returns the steps'
/// history, their outcomes filled in, or nothing when the user cancelled: the area then holds
/// part of the lesson.
std::optional<StepHistory> replay(
    FormContext& form, std::span<const Step> steps, HistoryLimits limits = {});

} // namespace fourier
