// SPDX-License-Identifier: MIT
#pragma once

#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

namespace fourier::testing {

/// A name GoogleTest accepts for a parameterised case, made from a typed text: letters and
/// digits stay, each other character becomes a word ("minus", "point", "blank", "amp", or its
/// code such as x00), parts joined by "_". "-2.5" is minus_2_point_5; the empty text is "empty".
/// A text longer than 24 characters is cut after 16 and ends in "etc" and its length.
inline std::string textName(std::string_view text)
{
    constexpr std::size_t longest = 24;
    constexpr std::size_t kept = 16;
    if (text.empty())
        return "empty";
    const std::string_view shown = text.size() > longest ? text.substr(0, kept) : text;
    std::string name;
    const auto part = [&name](std::string_view word) {
        if (!name.empty())
            name += '_';
        name += word;
    };
    bool inWord = false;
    for (const char c : shown) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (!inWord)
                part({});
            name += c;
            inWord = true;
            continue;
        }
        inWord = false;
        switch (c) {
        case '-':
            part("minus");
            break;
        case '+':
            part("plus");
            break;
        case '.':
            part("point");
            break;
        case ' ':
            part("blank");
            break;
        case '&':
            part("amp");
            break;
        case ',':
            part("comma");
            break;
        case '\t':
            part("tab");
            break;
        case '\n':
            part("newline");
            break;
        default: {
            char code[8];
            std::snprintf(code, sizeof code, "x%02X", static_cast<unsigned char>(c));
            part(code);
        }
        }
    }
    if (shown.size() < text.size())
        part("etc" + std::to_string(text.size()));
    return name;
}

/// A name GoogleTest accepts for a number in a case name: -10 is m10, 0.5 is 0p5, 1e-06 is 1em06.
inline std::string numberName(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    std::string name;
    for (const char c : std::string_view(text)) {
        if (c == '-')
            name += 'm';
        else if (c == '.')
            name += 'p';
        else if (c != '+')
            name += c;
    }
    return name;
}

} // namespace fourier::testing
