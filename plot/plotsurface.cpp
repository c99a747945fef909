// SPDX-License-Identifier: MIT
#include "plotsurface.h"

namespace fourier {

std::string printedText(int value)
{
    // The blank before a non-negative number keeps the place of the sign.
    const std::string digits = std::to_string(value);
    return (value < 0 ? digits : " " + digits) + " ";
}

} // namespace fourier
