// SPDX-License-Identifier: MIT
#pragma once

#include "phrase.h"

#include <QString>
#include <string_view>

namespace fourier {

/// \a text, a message of the commands, in the running application's language.
QString translatedMessage(std::string_view text);

/// The words of \a description, a curve's, in the running application's language.
QString translatedDescription(const Phrase& description);

/// \a line, a line of what a pixel of the picture reads (see readoutAt), in the running
/// application's language: the readout's own sentences and the curves' descriptions.
QString translatedReadoutLine(const Phrase& line);

} // namespace fourier
