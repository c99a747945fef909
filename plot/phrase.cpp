// SPDX-License-Identifier: MIT
#include "phrase.h"

namespace fourier {

std::string Phrase::filledIn(std::string_view pattern, const std::vector<std::string>& arguments)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool isPlace = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1'
            && pattern[i + 1] <= '9';
        const auto argument = isPlace ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (isPlace && argument < arguments.size()) {
            text += arguments[argument];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace fourier
