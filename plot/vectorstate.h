// SPDX-License-Identifier: MIT
#pragma once

namespace fourier {

/// Tells the processor that no upper half of a vector register is in use on this thread.
///
/// Library code that returns with them in use (Qt's text and image routines do) leaves every
/// later scalar floating-point instruction many times slower, on this thread and on threads
/// started from it, until this is done: a curve's plain loop then takes 100 ms instead of 7.
/// ImageSurface does it after each of those routines it runs, so whoever draws next need not.
void clearUpperVectorState();

} // namespace fourier
