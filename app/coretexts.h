// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "phrase.h"

#include <QString>
#include <string_view>

namespace fourier {

/// \a text, a message of the commands, in the running application's language.
QString translatedMessage(std::string_view text);

/// What the menu calls a step of \a command with one term, or with more, in the running
/// application's language; a series' name has the count as %1.
QString translatedStepName(StepCommand command, bool oneTerm);

/// The words of \a description, a curve's, in the running application's language.
QString translatedDescription(const Phrase& description);

/// \a line, a line of what a pixel of the picture reads (see readoutAt), in the running
/// application's language: the readout's own sentences and the curves' descriptions.
QString translatedReadoutLine(const Phrase& line);

} // namespace fourier
