// SPDX-License-Identifier: MIT
#pragma once

namespace fourier {

/// Makes assistive technology present the window as a window and the plot area as a picture,
/// instead of a filler and a frame (which screen readers take for another window). Names,
/// descriptions and everything else stay Qt's. Calling it again changes nothing.
void installAccessibleRoles();

} // namespace fourier
