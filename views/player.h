// SPDX-License-Identifier: MIT
#pragma once

#include "soundoutput.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;

namespace fourier {

class PictureDocument;
struct Wave;

/// The pitches the Harmonics window offers, in Hz; the player starts at defaultPitch.
inline constexpr int playerPitches[] = { 110, 220, 440, 880 };

/// The sound of the picture: its newest curve played as a tone through the system's sound
/// device, again and again without a seam, until it is stopped, the player goes or the picture
/// no longer shows a curve. A new curve, undo and redo change the tone at once, by a crossfade.
/// It fades in when it starts and out when it stops, never cut in the middle of a sample.
///
/// The sound device is reached through a SoundOutput, which the sound module makes: the module
/// and Qt Multimedia under it are loaded on the first Play, never at start-up. The tones are
/// made on the thread the player lives on and handed to the output whole.
class Player final : public QObject {
    Q_OBJECT
public:
    /// Opens the output, or says in \a failure why it cannot.
    using OutputOpener = std::function<std::unique_ptr<SoundOutput>(QString& failure)>;

    /// A silent player of \a document's newest curve, at defaultPitch, whose output \a open
    /// opens on the first Play; by default the sound module found among modulePlaces().
    explicit Player(PictureDocument& document, QObject* parent = nullptr, OutputOpener open = {});
    /// Lets the sound fade out before it goes.
    ~Player() override;

    /// Where the sound module is looked for, in order: beside the program, then where it is
    /// installed, found from the program's folder.
    static QStringList modulePlaces();
    /// The opener that loads the sound module from the first of \a paths that loads.
    static OutputOpener moduleOpener(QStringList paths);

    /// "Play Sound": checked while the sound plays, and toggling it; Ctrl+L wherever the focus
    /// is in the program. Greyed while the picture shows no curve. Its tooltip says what is
    /// heard (see description). It tells of every change of its state with QAction::changed.
    QAction* action() const { return m_action; }
    /// Whether the sound plays.
    bool isPlaying() const { return m_playing; }
    /// The pitch the curves are played at, in Hz.
    int pitch() const { return m_pitch; }
    /// Plays the curves at \a hz from now on (a whole number of Hz within the tone's range, such
    /// as one of playerPitches); a sound playing changes pitch at once.
    void setPitch(int hz);
    /// What playing the newest curve sounds like, in words: that it is a tone of the pitch and,
    /// where harmonics at or above bandLimit are left out, how many of its terms are heard.
    QString description() const;

public Q_SLOTS:
    /// Starts the sound of the newest curve, unless it plays or there is no curve. With no sound
    /// module, no sound device, or one that cannot be opened, failed says so and nothing plays.
    void play();
    /// Fades the sound out.
    void stop();

Q_SIGNALS:
    /// The sound could not be played, or stopped working: \a message says so, once.
    void failed(const QString& message);

private:
    /// The output, opened unless it is; null, after failed, when it cannot be.
    SoundOutput* output();
    /// Follows the picture: another tone, or silence when it shows no curve.
    void followPicture();
    /// Gives the output the tone of the newest curve, unless it has that very sound already
    /// (another count may be heard the same, all its new terms being above the band limit).
    void sendTone(bool evenIfSame);
    /// The output has failed.
    void outputFailed(SoundOutput::Failure failure);
    /// The action's state and words, as the picture and the sound are now.
    void showState();
    void setPlaying(bool playing);

    PictureDocument& m_document;
    OutputOpener m_open;
    QAction* m_action = nullptr;
    int m_pitch = defaultPitch;
    bool m_playing = false;
    /// What the tone last given to the output was made of.
    const Wave* m_toneWave = nullptr;
    int m_toneTerms = 0;
    int m_tonePitch = 0;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace fourier
