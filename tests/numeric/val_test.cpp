// SPDX-License-Identifier: MIT
#include "casenames.h"
#include "val.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace fourier {
namespace {

struct ValCase {
    std::string text;
    double expected;
};

void PrintTo(const ValCase& c, std::ostream* os)
{
    *os << '"' << c.text.substr(0, 40) << '"';
}

class ValReads : public ::testing::TestWithParam<ValCase> { };

TEST_P(ValReads, TheLeadingNumber)
{
    const auto& [text, expected] = GetParam();
    const double value = Val(text);
    if (std::isinf(expected))
        EXPECT_EQ(value, expected) << '"' << text << '"';
    else
        EXPECT_DOUBLE_EQ(value, expected) << '"' << text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(expected)) << '"' << text << '"';
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Texts, ValReads,
    ::testing::Values(
        // Plain numbers and the window's own texts.
        ValCase { "4", 4 }, ValCase { "10", 10 }, ValCase { "2.5", 2.5 }, ValCase { "-3", -3 },
        ValCase { "+7", 7 }, ValCase { ".5", 0.5 }, ValCase { "-.25", -0.25 }, ValCase { "5.", 5 },
        ValCase { "007", 7 },
        // Nothing that starts a number reads as 0.
        ValCase { "", 0 }, ValCase { "abc", 0 }, ValCase { "-", 0 }, ValCase { "+", 0 },
        ValCase { ".", 0 }, ValCase { "e5", 0 }, ValCase { "nan", 0 }, ValCase { "inf", 0 },
        ValCase { "-.", 0 },
        // Reading stops where the number does.
        ValCase { "12abc", 12 }, ValCase { "1,5", 1 }, ValCase { "1.2.3", 1.2 },
        ValCase { "0x10", 0 }, ValCase { "3-4", 3 }, ValCase { "1e", 1 }, ValCase { "1e+", 1 },
        ValCase { "2E-x", 2 }, ValCase { "--3", 0 },
        // Exponents.
        ValCase { "1e1", 10 }, ValCase { "1E+2", 100 }, ValCase { "25e-1", 2.5 },
        ValCase { "1.5E3", 1500 },
        // Blanks, tabs and line feeds vanish wherever they stand.
        ValCase { "1 2", 12 }, ValCase { "- 3", -3 }, ValCase { " \t4\n2 ", 42 },
        ValCase { "1\t.\n5", 1.5 }, ValCase { "1 e 2", 100 }, ValCase { "\r5", 0 },
        // Hexadecimal and octal whole numbers, read as non-negative values of any size.
        ValCase { "&H", 0 }, ValCase { "&HFF", 255 }, ValCase { "&hff", 255 },
        ValCase { "&H1G", 1 }, ValCase { "&O17", 15 }, ValCase { "&o777", 511 },
        ValCase { "&O8", 0 }, ValCase { "&HFFFFFFFF", 4294967295.0 },
        ValCase { "&HFFFFFFFFFFFFFFFF", 18446744073709551615.0 },
        ValCase { "&O777777777777", 68719476735.0 }, ValCase { "& H10", 16 }, ValCase { "&X1", 0 },
        ValCase { "&", 0 }, ValCase { "&H" + std::string(300, 'F'), inf },
        ValCase { "&O1" + std::string(400, '0'), inf },
        // Beyond double's range: infinity outwards, signed zero inwards.
        ValCase { "1e999", inf }, ValCase { "-1e999", -inf }, ValCase { "1e-999", 0 },
        ValCase { "-1e-999", -0.0 }, ValCase { "1e99999999999999999999", inf },
        ValCase { "0.0001e-99999999999999999999", 0 }, ValCase { "3.4e38", 3.4e38 },
        ValCase { "1e-310", 1e-310 },
        // Characters outside ASCII, and NUL, end the number.
        ValCase { "\xEF\xBC\x91\xEF\xBC\x90", 0 }, ValCase { "\xD9\xA1\xD9\xA0", 0 },
        ValCase { "1\xEF\xBC\x90", 1 },
        ValCase { std::string("7\0"
                              "9",
                      3),
            7 },
        ValCase { "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D 5", 0 }),
    [](const ::testing::TestParamInfo<ValCase>& param) {
        return fourier::testing::textName(param.param.text);
    });

TEST(Val, AMillionCharactersIsLinear)
{
    const std::string digits(1'000'000, '1');
    std::string blanks(1'000'000, ' ');
    blanks.back() = '9';
    std::string manyZeros = "0." + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(Val(digits), inf);
    EXPECT_EQ(Val(blanks), 9);
    EXPECT_EQ(Val(manyZeros), 0);
    EXPECT_EQ(Val("&H" + std::string(1'000'000, '0') + "1"), 1);
    EXPECT_EQ(Val("&O" + std::string(1'000'000, '7')), inf);
}

} // namespace
} // namespace fourier
