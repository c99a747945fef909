// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fourier {

/// A sentence kept as its English pattern, with numbered places (%1, %2, ...) and the words
/// that go in them, so that the window can put the whole sentence in the user's language
/// before the words are filled in.
struct Phrase {
    std::string pattern;
    std::vector<std::string> arguments;

    /// The English sentence.
    std::string text() const { return filledIn(pattern, arguments); }

    /// \a pattern with each %1 to %9 replaced by that argument; a place with no argument, and
    /// every other character, stays as it is.
    static std::string filledIn(
        std::string_view pattern, const std::vector<std::string>& arguments);

    bool operator==(const Phrase&) const = default;
};

} // namespace fourier
