// SPDX-License-Identifier: MIT
#pragma once

#include "tone.h"

#include <functional>
#include <memory>

namespace fourier {

/// Where the player's sound goes: the system's sound device, fed from a PlayerSource on a thread
/// of its own. The program reaches it through this interface alone, in a module of its own that
/// is loaded on the first Play (see OpenSoundOutput), so that the sound system's libraries cost
/// nothing at start-up. Every call comes from the thread the output was made on.
class SoundOutput {
public:
    /// Why the sound stopped.
    enum class Failure {
        /// The device does not play 16-bit mono sound at sampleRate.
        UnsupportedFormat,
        /// The device could not be opened.
        CannotOpen,
        /// The device stopped working while it played.
        StoppedWorking,
    };
    using FailureHandler = std::function<void(Failure)>;

    SoundOutput() = default;
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;
    /// Lets the sound fade out and be heard, a second at most, and lets the device go.
    virtual ~SoundOutput() = default;

    /// Calls \a handler, on the output's own thread, each time the device fails; the sound is
    /// then silent and the device let go, until start.
    virtual void onFailure(FailureHandler handler) = 0;
    /// Makes \a tone the one heard: from its start when nothing plays, by a crossfade otherwise.
    virtual void setTone(std::shared_ptr<const Tone> tone) = 0;
    /// Fades the tone in on the system's default sound device, opening it unless it is open;
    /// false, with nothing played, when the system has no sound device.
    virtual bool start() = 0;
    /// Fades the sound out; once it has been heard the device is let go.
    virtual void stop() = 0;
};

/// The version of SoundOutput a module is built for: a module of another makes nothing.
inline constexpr int soundOutputVersion = 1;

/// The sound module's one entry, an extern "C" function by the name openSoundOutputSymbol: when
/// \a version is soundOutputVersion, it puts a new output in \a output. It throws nothing; when
/// it cannot make one, \a output stays empty.
using OpenSoundOutput = void (*)(int version, std::unique_ptr<SoundOutput>* output);
inline constexpr char openSoundOutputSymbol[] = "fourier_open_sound_output";

} // namespace fourier
