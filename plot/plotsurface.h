// SPDX-License-Identifier: MIT
#pragma once

#include "colour.h"
#include "phrase.h"
#include "usermapping.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fourier {

/// Everything a surface holds at one moment (its picture, coordinate system, current position
/// and notes), kept so that the surface can be put back to that moment without drawing again.
class SurfaceState {
public:
    virtual ~SurfaceState() = default;
    /// The memory the state takes, in bytes.
    virtual std::size_t bytes() const = 0;
};

/// The drawing surface the commands draw on. Coordinates are user coordinates in single
/// precision; the commands compute in double and round at this boundary.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    /// Sets the user coordinate system: x1 at the left edge, x2 at the right, y1 at the top,
    /// y2 at the bottom. Returns false, leaving the system as it was, when the edges cannot
    /// define one.
    virtual bool Scale(float x1, float y1, float x2, float y2) = 0;
    /// Fills the area with the background colour and moves the current position to (0, 0);
    /// the coordinate system stays.
    virtual void Cls() = 0;
    /// Draws a line in the foreground colour; whatever falls outside the area is clipped.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    /// Sets the pixel under (x, y) to \a colour; nothing happens outside the area.
    virtual void PSet(float x, float y, Colour colour) = 0;
    /// Sets the x of the current position, where the next text starts.
    virtual void CurrentX(float x) = 0;
    /// Sets the y of the current position, where the next text starts.
    virtual void CurrentY(float y) = 0;
    /// Draws \a value as text with its top-left corner at the current position.
    virtual void Print(int value) = 0;

    /// The coordinate system in force.
    virtual const UserMapping& mapping() const = 0;

    /// What the surface holds now, to be put back later by restoreState.
    virtual std::unique_ptr<const SurfaceState> saveState() const = 0;
    /// Puts back a state this surface, or one of the same kind and size, saved. Either the whole
    /// state comes back or, when that fails, an exception leaves the surface as it was.
    virtual void restoreState(const SurfaceState& state) = 0;

    /// Notes, in words, a curve that has just been drawn, for those who cannot see the picture.
    /// Cls forgets every note along with the picture.
    virtual void describeCurve(const Phrase& description) { static_cast<void>(description); }
    /// The notes of the curves drawn since the last Cls, oldest first.
    virtual std::vector<Phrase> curveDescriptions() const = 0;

    /// Sets one point per pair of coordinates, all in \a colour: what a run of PSet calls does,
    /// for surfaces that can do it faster.
    virtual void PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour)
    {
        const auto count = xs.size() < ys.size() ? xs.size() : ys.size();
        for (std::size_t i = 0; i < count; ++i)
            PSet(xs[i], ys[i], colour);
    }
    /// Sets to \a colour, of the pixels under the points given, those that still show the
    /// background: what is drawn behind the picture, which no line, number or point drawn so far
    /// loses a pixel to, and which whatever is drawn later covers.
    virtual void PSetBehind(std::span<const float> xs, std::span<const float> ys, Colour colour)
        = 0;
};

/// The text Print draws for \a value: a blank or a minus sign, the digits, one blank.
std::string printedText(int value);

} // namespace fourier
