// SPDX-License-Identifier: MIT
#include "playersource.h"

#include <algorithm>
#include <utility>

namespace fourier {

namespace {

/// The sample of \a tone at \a position, silence for no tone, and moves \a position on.
double take(const std::shared_ptr<const Tone>& tone, std::size_t& position)
{
    if (!tone)
        return 0.0;
    const double sample = tone->at(position);
    position = (position + 1) % tone->loop().size();
    return sample;
}

} // namespace

void PlayerSource::setTone(std::shared_ptr<const Tone> tone)
{
    if (m_gainStep == 0) {
        m_tone = std::move(tone);
        m_position = 0;
        m_outgoing.reset();
        m_waiting.reset();
        m_crossfadeStep = fadeSamples;
    } else if (m_crossfadeStep < fadeSamples) {
        m_waiting = std::move(tone);
    } else {
        beginCrossfade(std::move(tone));
    }
}

void PlayerSource::beginCrossfade(std::shared_ptr<const Tone> tone)
{
    m_outgoing = std::exchange(m_tone, std::move(tone));
    m_outgoingPosition = std::exchange(m_position, 0);
    m_crossfadeStep = 0;
}

void PlayerSource::start()
{
    m_playing = true;
}

void PlayerSource::stop()
{
    m_playing = false;
}

void PlayerSource::render(std::span<double> out)
{
    for (double& sample : out)
        sample = next();
}

double PlayerSource::next()
{
    double sample = take(m_tone, m_position);
    if (m_crossfadeStep < fadeSamples) {
        const double in = fadeGain(m_crossfadeStep);
        sample = in * sample + (1.0 - in) * take(m_outgoing, m_outgoingPosition);
        if (++m_crossfadeStep == fadeSamples) {
            m_outgoing.reset();
            if (m_waiting)
                beginCrossfade(std::move(m_waiting));
        }
    }
    sample *= fadeGain(m_gainStep);
    m_gainStep = m_playing ? std::min(m_gainStep + 1, fadeSamples) : std::max(m_gainStep - 1, 0);
    return sample;
}

} // namespace fourier
