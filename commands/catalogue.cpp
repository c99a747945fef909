// SPDX-License-Identifier: MIT
#include "catalogue.h"

namespace fourier {

std::optional<StepCommand> commandNamed(std::string_view word)
{
    for (const CommandRow& row : commandCatalogue) {
        if (row.word == word)
            return row.command;
    }
    return std::nullopt;
}

} // namespace fourier
