// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue.h"
#include "usermapping.h"

#include <vector>

namespace fourier {

/// The wave a curve's series tends to as its count grows without end, as the curve is drawn
/// (the sawtooth upside down); 4 sin x and 4 cos x are their own. Each is periodic, and at
/// evenly spaced points it either jumps across its whole range or turns at its least or greatest
/// value; between them it is monotone.
struct IdealWave {
    /// Its value at x; at a jump, the middle of the jump.
    double (*at)(double x);
    double period;
    /// Where it jumps or turns: at offset + k spacing for every whole k.
    double offset;
    double spacing;
    /// Whether it jumps there, from its least value to its greatest or back.
    bool jumps;
    double least;
    double greatest;
};

/// The ideal wave of the curves \a command draws, or null for a step that draws none.
const IdealWave* idealWaveOf(StepCommand command);

/// Points, as user coordinates a surface takes.
struct SurfacePoints {
    std::vector<float> xs;
    std::vector<float> ys;
};

/// The pixels \a wave passes through across the area \a mapping maps, as the centres of those
/// pixels: in each column, every row from the least to the greatest value the wave takes over
/// the column's x, so that a jump is a vertical segment and the line has no gaps.
SurfacePoints idealWavePixels(const IdealWave& wave, const UserMapping& mapping);

} // namespace fourier
