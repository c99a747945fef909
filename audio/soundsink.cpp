// SPDX-License-Identifier: MIT
// The sound module: the player's SoundOutput on Qt Multimedia's QAudioSink. It is built apart
// from the program and loaded on the first Play, so that the program starts without the sound
// system's libraries.
#include "playersource.h"
#include "soundoutput.h"
#include "wav.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <exception>
#include <type_traits>
#include <utility>
#include <vector>

namespace fourier {
namespace {

/// How much sound waits in the device's buffer: enough that a late feed leaves no gap, little
/// enough that a new curve is heard at once.
constexpr std::chrono::milliseconds bufferLength { 100 };
/// How often the buffer is topped up.
constexpr std::chrono::milliseconds feedInterval { 10 };
/// How long the feeder keeps feeding silence once the sound has faded out, before it lets the
/// device go: long enough for everything in the buffer to be heard.
constexpr std::chrono::milliseconds drainLength { 250 };
/// How long the output waits, as it goes, for the sound to fade out and be heard.
constexpr std::chrono::milliseconds goingTime { 1000 };
constexpr int bytesPerSample = 2;

constexpr std::size_t samplesIn(std::chrono::milliseconds length)
{
    return static_cast<std::size_t>(sampleRate * length.count() / 1000);
}

QAudioFormat soundFormat()
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

/// The output's end on its own thread: the sound device and the stream of samples fed to it.
/// Every call comes on that thread, so that nothing the window does (a long sum, before its
/// progress dialog shows) leaves a gap in the sound.
class SinkFeeder final : public QObject {
public:
    SinkFeeder()
        : m_timer(new QTimer(this))
    {
        m_timer->setTimerType(Qt::PreciseTimer);
        m_timer->setInterval(feedInterval);
        connect(m_timer, &QTimer::timeout, this, [this] { feed(); });
    }

    void onFailure(SoundOutput::FailureHandler handler) { m_failed = std::move(handler); }
    void setTone(std::shared_ptr<const Tone> tone) { m_source.setTone(std::move(tone)); }

    /// Fades the sound in on \a device, opening it unless it is open.
    void start(const QAudioDevice& device)
    {
        m_draining = 0;
        if (!m_sink && !open(device))
            return;
        m_source.start();
        feed();
    }

    void stop() { m_source.stop(); }

    /// Fades the sound out, lets the device go once it has been heard, and ends the thread.
    void shutDown()
    {
        m_shuttingDown = true;
        m_source.stop();
        if (!m_sink)
            QThread::currentThread()->quit();
    }

    /// Lets the device go at once and ends the thread.
    void closeNow()
    {
        close();
        QThread::currentThread()->quit();
    }

private:
    bool open(const QAudioDevice& device)
    {
        const QAudioFormat format = soundFormat();
        if (!device.isFormatSupported(format)) {
            fail(SoundOutput::Failure::UnsupportedFormat);
            return false;
        }
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(static_cast<qsizetype>(samplesIn(bufferLength) * bytesPerSample));
        m_device = m_sink->start();
        if (!m_device || m_sink->error() != QAudio::NoError) {
            fail(SoundOutput::Failure::CannotOpen);
            return false;
        }
        m_timer->start();
        return true;
    }

    void close()
    {
        m_timer->stop();
        m_device = nullptr;
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
    }

    /// Lets the device go, and starts again from silence, after a failure.
    void fail(SoundOutput::Failure failure)
    {
        close();
        m_source = PlayerSource();
        if (m_failed)
            m_failed(failure);
        if (m_shuttingDown)
            QThread::currentThread()->quit();
    }

    void feed();

    SoundOutput::FailureHandler m_failed;
    QTimer* m_timer;
    std::unique_ptr<QAudioSink> m_sink;
    /// Where the samples are written, the sink's; null while closed.
    QIODevice* m_device = nullptr;
    PlayerSource m_source;
    /// The samples of silence written since the sound fell silent.
    std::size_t m_draining = 0;
    bool m_shuttingDown = false;
    std::vector<double> m_samples;
    QByteArray m_bytes;
};

void SinkFeeder::feed()
{
    if (!m_sink)
        return;
    const QAudio::Error error = m_sink->error();
    if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError) {
        fail(SoundOutput::Failure::StoppedWorking);
        return;
    }
    const auto room = static_cast<std::size_t>(
        std::min(m_sink->bytesFree(), m_sink->bufferSize()) / bytesPerSample);
    if (room == 0)
        return;
    m_samples.resize(room);
    m_source.render(m_samples);
    m_bytes.resize(static_cast<qsizetype>(room * bytesPerSample));
    for (std::size_t i = 0; i < room; ++i) {
        // Little-endian, as the format's Int16 is on every machine Qt Multimedia runs on here.
        const auto sample = static_cast<std::uint16_t>(pcm16(m_samples[i]));
        m_bytes[static_cast<qsizetype>(2 * i)] = static_cast<char>(sample & 0xffu);
        m_bytes[static_cast<qsizetype>(2 * i + 1)] = static_cast<char>(sample >> 8);
    }
    m_device->write(m_bytes);
    if (!m_source.isSilent())
        return;
    m_draining += room;
    if (m_draining < samplesIn(drainLength))
        return;
    close();
    if (m_shuttingDown)
        QThread::currentThread()->quit();
}

/// The SoundOutput the program gets: a SinkFeeder on a thread of its own, every call handed
/// over to that thread in order.
class SinkOutput final : public SoundOutput {
public:
    SinkOutput()
        : m_feeder(std::make_unique<SinkFeeder>())
    {
        m_thread.setObjectName(QStringLiteral("sound"));
        m_feeder->moveToThread(&m_thread);
        m_thread.start();
    }

    ~SinkOutput() override
    {
        SinkFeeder* feeder = m_feeder.get();
        QMetaObject::invokeMethod(feeder, [feeder] { feeder->shutDown(); });
        if (!m_thread.wait(QDeadlineTimer(goingTime))) {
            QMetaObject::invokeMethod(
                feeder, [feeder] { feeder->closeNow(); }, Qt::BlockingQueuedConnection);
            m_thread.wait();
        }
    }

    void onFailure(FailureHandler handler) override
    {
        SinkFeeder* feeder = m_feeder.get();
        QMetaObject::invokeMethod(feeder, [feeder, handler = std::move(handler)]() mutable {
            feeder->onFailure(std::move(handler));
        });
    }

    void setTone(std::shared_ptr<const Tone> tone) override
    {
        SinkFeeder* feeder = m_feeder.get();
        QMetaObject::invokeMethod(feeder,
            [feeder, tone = std::move(tone)]() mutable { feeder->setTone(std::move(tone)); });
    }

    bool start() override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        SinkFeeder* feeder = m_feeder.get();
        QMetaObject::invokeMethod(feeder, [feeder, device] { feeder->start(device); });
        return true;
    }

    void stop() override
    {
        SinkFeeder* feeder = m_feeder.get();
        QMetaObject::invokeMethod(feeder, [feeder] { feeder->stop(); });
    }

private:
    QThread m_thread;
    /// Lives on m_thread; goes once the thread has ended.
    std::unique_ptr<SinkFeeder> m_feeder;
};

} // namespace
} // namespace fourier

extern "C" Q_DECL_EXPORT void fourier_open_sound_output(
    int version, std::unique_ptr<fourier::SoundOutput>* output) noexcept
{
    static_assert(
        std::is_convertible_v<decltype(&fourier_open_sound_output), fourier::OpenSoundOutput>);
    if (version != fourier::soundOutputVersion || !output)
        return;
    try {
        *output = std::make_unique<fourier::SinkOutput>();
    } catch (const std::exception&) {
        output->reset();
    }
}
