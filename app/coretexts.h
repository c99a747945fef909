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

} // namespace fourier
