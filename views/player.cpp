// SPDX-License-Identifier: MIT
#include "player.h"

#include "document.h"
#include "fade.h"
#include "playersource.h"
#include "wav.h"

#include <QAction>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QKeySequence>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <utility>
#include <vector>

namespace fourier {

namespace {

/// How much sound waits in the device's buffer: enough that a late feed leaves no gap, little
/// enough that a new curve is heard at once.
constexpr std::chrono::milliseconds bufferLength { 100 };
/// How often the buffer is topped up.
constexpr std::chrono::milliseconds feedInterval { 10 };
/// How long the output keeps feeding silence once the sound has faded out, before it lets the
/// device go: long enough for everything in the buffer to be heard.
constexpr std::chrono::milliseconds drainLength { 250 };
/// How long the player waits, as it goes, for the sound to fade out and be heard.
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

} // namespace

/// The player's end on its own thread: the sound device and the stream of samples fed to it.
/// Every call comes on that thread.
class SoundOutput final : public QObject {
public:
    /// \a failed is called, on this thread, with why the device failed.
    explicit SoundOutput(std::function<void(const QString&)> failed)
        : m_failed(std::move(failed))
        , m_timer(new QTimer(this))
    {
        m_timer->setTimerType(Qt::PreciseTimer);
        m_timer->setInterval(feedInterval);
        connect(m_timer, &QTimer::timeout, this, [this] { feed(); });
    }

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

    /// Fades the sound out; once it has been heard, the device is let go.
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
            fail(Player::tr("the sound device does not play 16-bit sound at 44,100 Hz"));
            return false;
        }
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(static_cast<qsizetype>(samplesIn(bufferLength) * bytesPerSample));
        m_device = m_sink->start();
        if (!m_device || m_sink->error() != QAudio::NoError) {
            fail(Player::tr("the sound device could not be opened"));
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
    void fail(const QString& reason)
    {
        close();
        m_source = PlayerSource();
        m_failed(reason);
        if (m_shuttingDown)
            QThread::currentThread()->quit();
    }

    void feed()
    {
        if (!m_sink)
            return;
        const QAudio::Error error = m_sink->error();
        if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError) {
            fail(Player::tr("the sound device stopped working"));
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

    std::function<void(const QString&)> m_failed;
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

Player::Player(PictureDocument& document, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_action(new QAction(tr("Play Sound"), this))
{
    m_action->setCheckable(true);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    m_action->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_action, &QAction::triggered, this, [this](bool on) {
        if (on)
            play();
        else
            stop();
    });
    m_document.watch([this] { followPicture(); });
    m_thread.setObjectName(QStringLiteral("sound"));
    showState();
}

Player::~Player()
{
    if (!m_output)
        return;
    SoundOutput* output = m_output.get();
    QMetaObject::invokeMethod(output, [output] { output->shutDown(); });
    if (!m_thread.wait(QDeadlineTimer(goingTime))) {
        QMetaObject::invokeMethod(
            output, [output] { output->closeNow(); }, Qt::BlockingQueuedConnection);
        m_thread.wait();
    }
}

void Player::setPitch(int hz)
{
    m_pitch = tonePitch(hz);
    if (m_playing)
        sendTone(false);
    showState();
}

QString Player::description() const
{
    const std::optional<StepCurve> newest = m_document.newestCurve();
    if (!newest)
        return tr("Plays the newest curve as a tone. The picture shows no curve.");
    const double terms = termCount(newest->count);
    const int heard = audibleTerms(newest->wave(), m_pitch);
    if (terms <= heard)
        return tr("Plays the newest curve as a tone of %1 Hz.").arg(m_pitch);
    return tr("Plays the newest curve as a tone of %1 Hz. Harmonics at 20 kHz and above cannot "
              "be heard, so at %1 Hz only the first %2 of its %3 terms sound.")
        .arg(m_pitch)
        .arg(heard)
        .arg(terms, 0, 'f', 0);
}

void Player::play()
{
    if (m_playing || !m_document.newestCurve()) {
        showState();
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        showState();
        Q_EMIT failed(tr("The sound cannot be played: %1").arg(tr("there is no sound device")));
        return;
    }
    if (!m_output) {
        m_output = std::make_unique<SoundOutput>([this](const QString& reason) {
            QMetaObject::invokeMethod(
                this, [this, reason] { outputFailed(reason); }, Qt::QueuedConnection);
        });
        m_output->moveToThread(&m_thread);
        m_thread.start();
    }
    setPlaying(true);
    sendTone(true);
    SoundOutput* output = m_output.get();
    QMetaObject::invokeMethod(output, [output, device] { output->start(device); });
}

void Player::stop()
{
    if (!m_playing) {
        showState();
        return;
    }
    SoundOutput* output = m_output.get();
    QMetaObject::invokeMethod(output, [output] { output->stop(); });
    setPlaying(false);
}

void Player::followPicture()
{
    if (!m_document.newestCurve())
        stop();
    else if (m_playing)
        sendTone(false);
    showState();
}

void Player::sendTone(bool evenIfSame)
{
    const std::optional<StepCurve> newest = m_document.newestCurve();
    if (!newest || !m_output)
        return;
    auto tone = std::make_shared<const Tone>(newest->wave(), newest->count, m_pitch);
    if (!evenIfSame && &newest->wave() == m_toneWave && tone->heardTerms() == m_toneTerms
        && tone->pitch() == m_tonePitch)
        return;
    m_toneWave = &newest->wave();
    m_toneTerms = tone->heardTerms();
    m_tonePitch = tone->pitch();
    SoundOutput* output = m_output.get();
    QMetaObject::invokeMethod(
        output, [output, tone = std::move(tone)]() mutable { output->setTone(std::move(tone)); });
}

void Player::outputFailed(const QString& reason)
{
    if (!m_playing)
        return;
    setPlaying(false);
    Q_EMIT failed(tr("The sound cannot be played: %1").arg(reason));
}

void Player::setPlaying(bool playing)
{
    m_playing = playing;
    showState();
    Q_EMIT playingChanged(playing);
}

void Player::showState()
{
    m_action->setChecked(m_playing);
    m_action->setEnabled(m_playing || m_document.newestCurve().has_value());
    const QString words = description();
    m_action->setToolTip(words);
    m_action->setStatusTip(words);
}

} // namespace fourier
