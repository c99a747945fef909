// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace fourier {

/// Reads the number at the start of a typed text, the way every command reads T1 and T2.
///
/// - Blanks, tabs and line feeds are dropped wherever they stand, before anything else.
/// - A decimal number is an optional sign, digits, an optional point and digits, and an
///   optional exponent (E or e, an optional sign, digits). Only the full stop is a decimal
///   point, whatever the locale. An exponent letter without digits is not part of the number.
/// - &H and &O (either case) introduce a hexadecimal or octal whole number of any length,
///   read as a non-negative value: &HFFFFFFFF is 4294967295, not -1.
/// - Reading stops at the first character that cannot continue the number; a text that does not
///   start with a number reads as 0. Any other character, including every non-ASCII one (such
///   as full-width or Arabic-Indic digits) and NUL, stops the reading.
/// - A value too large for a double reads as +infinity or -infinity; one too small reads as 0
///   with its sign. Otherwise the result is the double nearest to the number typed.
///
/// Time and memory are linear in the length of the text.
double Val(std::string_view text);

} // namespace fourier
