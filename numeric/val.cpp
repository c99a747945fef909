// SPDX-License-Identifier: MIT
#include "val.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace fourier {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

/// Reads \a digits (a run of hex digits, possibly huge) as a correctly rounded double.
double fromHexDigits(std::string_view digits)
{
    // Leading zeros would only lengthen the work; an all-zero run is zero.
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return 0.0;
    digits.remove_prefix(first);
    double value = 0.0;
    const auto [end, error] = std::from_chars(
        digits.data(), digits.data() + digits.size(), value, std::chars_format::hex);
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity();
    return value;
}

/// Reads a run of octal digits by regrouping its bits as hex digits.
double fromOctalDigits(std::string_view digits)
{
    const char* const hexChars = "0123456789ABCDEF";
    // Octal digits carry 3 bits each; pad at the front to a whole number of hex digits.
    const std::size_t bits = digits.size() * 3;
    const std::size_t padded = (bits + 3) / 4 * 4;
    std::string hex;
    hex.reserve(padded / 4);
    unsigned nibble = 0;
    std::size_t bit = padded - bits;
    for (const char c : digits) {
        const unsigned value = static_cast<unsigned>(c - '0');
        for (int shift = 2; shift >= 0; --shift) {
            nibble = (nibble << 1) | ((value >> shift) & 1u);
            if (++bit % 4 == 0) {
                hex.push_back(hexChars[nibble]);
                nibble = 0;
            }
        }
    }
    return fromHexDigits(hex);
}

/// Reads the exponent that may follow a mantissa ending at \a at in \a text ("e-5", "E+12"):
/// puts it in \a exponent, saturated far beyond any double's, and returns where the number
/// ends. An "e" that no digit follows is no exponent, and the number ends at \a at.
std::size_t readExponent(std::string_view text, std::size_t at, long long& exponent)
{
    if (at >= text.size() || (text[at] != 'e' && text[at] != 'E'))
        return at;
    std::size_t j = at + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
        negativeExponent = text[j] == '-';
        ++j;
    }
    if (j >= text.size() || !isDigit(text[j]))
        return at;
    constexpr long long saturated = 1'000'000'000'000LL;
    for (; j < text.size() && isDigit(text[j]); ++j) {
        if (exponent < saturated)
            exponent = exponent * 10 + (text[j] - '0');
    }
    if (negativeExponent)
        exponent = -exponent;
    return j;
}

/// Reads a decimal number from \a text, which holds no blanks; \a text may go on past it.
double fromDecimal(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    bool anyDigit = false;
    // The decimal exponent of the first significant digit, counted so as to tell an overflow
    // from an underflow when the value does not fit a double.
    long long magnitude = 0;
    bool significant = false;
    while (i < text.size() && isDigit(text[i])) {
        significant = significant || text[i] != '0';
        if (significant)
            ++magnitude;
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            if (!significant && text[i] != '0')
                significant = true;
            else if (!significant)
                --magnitude;
            anyDigit = true;
            ++i;
        }
    }
    if (!anyDigit)
        return 0.0;
    long long exponent = 0;
    const std::size_t end = readExponent(text, i, exponent);
    double value = 0.0;
    const auto result = std::from_chars(
        text.data() + mantissaStart, text.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

double Val(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (!isBlank(c))
            compact.push_back(c);
    }
    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        const auto digits = s.substr(2);
        if (kind == 'h' || kind == 'H') {
            std::size_t n = 0;
            while (n < digits.size() && isHexDigit(digits[n]))
                ++n;
            return fromHexDigits(digits.substr(0, n));
        }
        if (kind == 'o' || kind == 'O') {
            std::size_t n = 0;
            while (n < digits.size() && isOctalDigit(digits[n]))
                ++n;
            return fromOctalDigits(digits.substr(0, n));
        }
        return 0.0;
    }
    return fromDecimal(s);
}

} // namespace fourier
