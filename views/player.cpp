// SPDX-License-Identifier: MIT
#include "player.h"

#include "catalogue.h"
#include "curvefacts.h"
#include "document.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QLibrary>
#include <optional>
#include <utility>

namespace fourier {

namespace {

/// The newest curve of \a document's picture and its wave, or nothing.
struct NewestCurve {
    const Wave& wave;
    double terms;
};
std::optional<NewestCurve> newestOf(PictureDocument& document)
{
    const std::optional<PictureCurve> newest = newestCurve(document.surface());
    if (!newest)
        return std::nullopt;
    const Wave* wave = commandRow(newest->command).wave;
    if (!wave)
        return std::nullopt;
    return NewestCurve { *wave, newest->terms };
}

QString cannotPlay(const QString& reason)
{
    return Player::tr("The sound cannot be played: %1").arg(reason);
}

} // namespace

Player::Player(PictureDocument& document, QObject* parent, OutputOpener open)
    : QObject(parent)
    , m_document(document)
    , m_open(std::move(open))
    , m_action(new QAction(tr("Play Sound"), this))
{
    if (!m_open) {
        m_open = [](QString& failure) { return moduleOpener(modulePlaces())(failure); };
    }
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
    showState();
}

Player::~Player()
{
    // The output fades the sound out and lets its thread go before anything else goes.
    m_output.reset();
}

QStringList Player::modulePlaces()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(FOURIER_AUDIO_MODULE);
    return { programFolder.filePath(name),
        QDir::cleanPath(
            programFolder.filePath(QStringLiteral(FOURIER_AUDIO_FROM_PROGRAM)) + u'/' + name) };
}

Player::OutputOpener Player::moduleOpener(QStringList paths)
{
    return [paths = std::move(paths)](QString& failure) -> std::unique_ptr<SoundOutput> {
        failure
            = tr("the sound module %1 is not installed").arg(QStringLiteral(FOURIER_AUDIO_MODULE));
        for (const QString& path : paths) {
            if (!QFileInfo::exists(path))
                continue;
            // Once loaded, the module stays for as long as the program runs: its output may
            // outlive any one player.
            QLibrary module(path);
            const auto open
                = reinterpret_cast<OpenSoundOutput>(module.resolve(openSoundOutputSymbol));
            if (!open) {
                failure = tr("the sound module could not be loaded: %1").arg(module.errorString());
                continue;
            }
            std::unique_ptr<SoundOutput> output;
            open(soundOutputVersion, &output);
            if (output)
                return output;
            failure = tr("the sound module %1 belongs to another version of the program")
                          .arg(QDir::toNativeSeparators(path));
        }
        return nullptr;
    };
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
    const std::optional<NewestCurve> newest = newestOf(m_document);
    if (!newest)
        return tr("Plays the newest curve as a tone. The picture shows no curve.");
    const int heard = audibleTerms(newest->wave, m_pitch);
    if (newest->terms <= heard)
        return tr("Plays the newest curve as a tone of %1 Hz.").arg(m_pitch);
    return tr("Plays the newest curve as a tone of %1 Hz. Harmonics at 20 kHz and above cannot "
              "be heard, so at %1 Hz only the first %2 of its %3 terms sound.")
        .arg(m_pitch)
        .arg(heard)
        .arg(countText(newest->terms));
}

void Player::play()
{
    if (m_playing || !newestOf(m_document) || !output()) {
        showState();
        return;
    }
    sendTone(true);
    if (!m_output->start()) {
        showState();
        Q_EMIT failed(cannotPlay(tr("there is no sound device")));
        return;
    }
    setPlaying(true);
}

void Player::stop()
{
    if (!m_playing) {
        showState();
        return;
    }
    m_output->stop();
    setPlaying(false);
}

SoundOutput* Player::output()
{
    if (m_output)
        return m_output.get();
    QString failure;
    m_output = m_open(failure);
    if (!m_output) {
        Q_EMIT failed(cannotPlay(failure));
        return nullptr;
    }
    // The output fails on a thread of its own; the player hears of it on its own thread.
    m_output->onFailure([this](SoundOutput::Failure why) {
        QMetaObject::invokeMethod(
            this, [this, why] { outputFailed(why); }, Qt::QueuedConnection);
    });
    return m_output.get();
}

void Player::followPicture()
{
    if (!newestOf(m_document))
        stop();
    else if (m_playing)
        sendTone(false);
    showState();
}

void Player::sendTone(bool evenIfSame)
{
    const std::optional<NewestCurve> newest = newestOf(m_document);
    if (!newest || !m_output)
        return;
    auto tone = std::make_shared<const Tone>(newest->wave, newest->terms, m_pitch);
    if (!evenIfSame && &newest->wave == m_toneWave && tone->heardTerms() == m_toneTerms
        && tone->pitch() == m_tonePitch)
        return;
    m_toneWave = &newest->wave;
    m_toneTerms = tone->heardTerms();
    m_tonePitch = tone->pitch();
    m_output->setTone(std::move(tone));
}

void Player::outputFailed(SoundOutput::Failure failure)
{
    if (!m_playing)
        return;
    setPlaying(false);
    switch (failure) {
    case SoundOutput::Failure::UnsupportedFormat:
        Q_EMIT failed(cannotPlay(tr("the sound device does not play 16-bit sound at 44,100 Hz")));
        return;
    case SoundOutput::Failure::CannotOpen:
        Q_EMIT failed(cannotPlay(tr("the sound device could not be opened")));
        return;
    case SoundOutput::Failure::StoppedWorking:
        Q_EMIT failed(cannotPlay(tr("the sound device stopped working")));
        return;
    }
}

void Player::setPlaying(bool playing)
{
    m_playing = playing;
    showState();
}

void Player::showState()
{
    m_action->setChecked(m_playing);
    m_action->setEnabled(m_playing || newestOf(m_document).has_value());
    const QString words = description();
    m_action->setToolTip(words);
    m_action->setStatusTip(words);
}

} // namespace fourier
