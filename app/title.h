// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace fourier {

/// The application's title: the window's caption, the caption of its message boxes and the
/// title of every picture it exports. It is the program's name, the same in every language.
inline constexpr std::string_view applicationTitle = "Fourier An\xC3\xA1lisis";

} // namespace fourier
