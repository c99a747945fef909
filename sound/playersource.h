// SPDX-License-Identifier: MIT
#pragma once

#include "fade.h"
#include "tone.h"

#include <cstddef>
#include <memory>
#include <span>

namespace fourier {

/// The endless sound the player pulls its samples from: a tone's loop again and again, faded in
/// when it starts and out when it stops, and passed to the next tone by a crossfade, so that
/// nothing the user does makes it click. Stopping never cuts it: it falls silent at the end of
/// its fade. Its calls come from one thread.
class PlayerSource {
public:
    /// Makes \a tone the one heard. When nothing is heard it takes over at once, from its start.
    /// Otherwise the sound crossfades over fadeSamples (each a raised cosine, as the fades)
    /// from the tone heard, which goes on from where it is, to \a tone from its start; a tone
    /// given during a crossfade waits for it to end, and of several only the last is kept.
    void setTone(std::shared_ptr<const Tone> tone);
    /// Fades the sound in over fadeSamples from the gain it has: from silence, or back up from
    /// a fade out under way.
    void start();
    /// Fades the sound out over fadeSamples from the gain it has, and then keeps silent.
    void stop();
    /// Whether nothing more will be heard until start(): stopped, and the fade out over.
    bool isSilent() const { return !m_playing && m_gainStep == 0; }
    /// Writes the next samples into \a out, all of it; 0 once silent.
    void render(std::span<double> out);

private:
    double next();
    void beginCrossfade(std::shared_ptr<const Tone> tone);

    /// The tone heard, or faded in during a crossfade, and the index of its next sample.
    std::shared_ptr<const Tone> m_tone;
    std::size_t m_position = 0;
    /// The tone faded out during a crossfade, and the index of its next sample.
    std::shared_ptr<const Tone> m_outgoing;
    std::size_t m_outgoingPosition = 0;
    /// The tone to crossfade to once the crossfade under way ends.
    std::shared_ptr<const Tone> m_waiting;
    /// How far the crossfade has come; fadeSamples when there is none.
    int m_crossfadeStep = fadeSamples;
    /// How far the sound has faded in; it counts down while it fades out.
    int m_gainStep = 0;
    bool m_playing = false;
};

} // namespace fourier
