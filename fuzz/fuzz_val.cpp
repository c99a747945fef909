// SPDX-License-Identifier: MIT
// Feeds arbitrary text to Val and checks what its reading rules promise for every input:
// never NaN, blanks ignored wherever they stand, reading stops at a character that cannot
// continue a number, a leading sign only flips the result, and decimal, hexadecimal and octal
// numbers are read as the C library reads the same digits.

#include "val.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

using fourier::Val;

/// The text as a C string literal would show it, shortened when long.
std::string shown(std::string_view text)
{
    constexpr std::size_t longest = 200;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < longest; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            out.push_back(static_cast<char>(byte));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    out += text.size() > longest ? "\"..." : "\"";
    return out;
}

/// Equal to the bit, so that -0 and 0 differ.
bool same(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

/// Stops the run when \a got is not bit for bit \a expected.
void expectSame(const char* rule, std::string_view text, double got, double expected,
    std::string_view reference)
{
    if (same(got, expected))
        return;
    std::fprintf(stderr, "%s\n  Val(%s) = %a (%.17g)\n  expected %a (%.17g) from %s\n", rule,
        shown(text).c_str(), got, got, expected, expected, shown(reference).c_str());
    std::abort();
}

/// \a data with each byte replaced by the character of \a alphabet it selects.
std::string mapped(std::string_view data, std::string_view alphabet)
{
    std::string out;
    out.reserve(data.size());
    for (const char c : data)
        out.push_back(alphabet[static_cast<unsigned char>(c) % alphabet.size()]);
    return out;
}

/// The C library's reading of \a text, in the C locale this process runs in.
double libraryReading(const std::string& text)
{
    return std::strtod(text.c_str(), nullptr);
}

/// The hexadecimal digits of the whole number whose octal digits are \a octal, worked out
/// through the bits one by one.
std::string octalAsHex(std::string_view octal)
{
    std::string bits;
    for (const char c : octal) {
        const int value = c - '0';
        for (int shift = 2; shift >= 0; --shift)
            bits.push_back(((value >> shift) & 1) != 0 ? '1' : '0');
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex.push_back("0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)]);
    return hex;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

/// \a text with blanks put between its characters (and at both ends) as \a fdp decides.
std::string withBlanks(std::string_view text, FuzzedDataProvider& fdp)
{
    constexpr std::string_view blanks = " \t\n";
    std::string out;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const auto choice = fdp.ConsumeIntegral<std::uint8_t>();
        for (unsigned n = choice % 4u; n > 0; --n)
            out.push_back(blanks[(choice / 4u + n) % blanks.size()]);
        if (i < text.size())
            out.push_back(text[i]);
    }
    return out;
}

/// Characters that can continue no number at any point of one: after any of them, whatever
/// follows is never read.
constexpr std::string_view stoppers[] = { ",", "x", "_", "$", "\r", "\v", "\f",
    std::string_view("\0", 1), "\xC3\xA1", "\xEF\xBC\x95", "\xD9\xA3", "\xFF" };

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    FuzzedDataProvider fdp(data, size);
    const std::string text = fdp.ConsumeRandomLengthString();
    const double value = Val(text);
    if (std::isnan(value)) {
        std::fprintf(stderr, "Val(%s) is NaN\n", shown(text).c_str());
        std::abort();
    }

    const std::string spaced = withBlanks(text, fdp);
    expectSame("blanks must not change the reading", spaced, Val(spaced), value, text);

    const std::size_t cut = fdp.ConsumeIntegralInRange<std::size_t>(0, text.size());
    const std::string_view stopper
        = stoppers[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(stoppers) - 1)];
    const std::string head = text.substr(0, cut);
    const std::string stopped = head + std::string(stopper) + text.substr(cut);
    expectSame("reading must stop at a character that continues no number", stopped, Val(stopped),
        Val(head), head);

    // A sign is only part of a number when digits follow it; "-." is no number at all.
    std::string compact;
    for (const char c : text) {
        if (!isBlank(c))
            compact.push_back(c);
    }
    const auto digitAt = [&compact](std::size_t i) {
        return i < compact.size() && compact[i] >= '0' && compact[i] <= '9';
    };
    if (digitAt(0) || (!compact.empty() && compact[0] == '.' && digitAt(1))) {
        expectSame(
            "a minus sign must only flip the sign", "-" + text, Val("-" + text), -value, text);
        expectSame("a plus sign must change nothing", "+" + text, Val("+" + text), value, text);
    }

    const std::string decimal = mapped(raw, "0123456789.eE+-");
    expectSame("a decimal number must read as strtod reads it", decimal, Val(decimal),
        libraryReading(decimal), decimal);

    const std::string hex = mapped(raw, "0123456789abcdefABCDEF");
    const std::string octal = mapped(raw, "01234567");
    const bool upper = size > 0 && (data[0] & 1u) != 0;
    const std::string hexText = (upper ? "&H" : "&h") + hex;
    const std::string octalText = (upper ? "&O" : "&o") + octal;
    const double hexExpected = hex.empty() ? 0.0 : libraryReading("0x" + hex);
    const double octalExpected = octal.empty() ? 0.0 : libraryReading("0x" + octalAsHex(octal));
    expectSame("&H digits must read as strtod reads 0x digits", hexText, Val(hexText), hexExpected,
        "0x" + hex);
    expectSame("&O digits must read as their value in hex", octalText, Val(octalText),
        octalExpected, "0x" + octalAsHex(octal));
    return 0;
}
