// SPDX-License-Identifier: MIT
#pragma once

#include "curvefacts.h"

#include <QWidget>
#include <array>
#include <optional>

class QHBoxLayout;
class QGridLayout;
class QComboBox;
class QLabel;
class QPushButton;

namespace fourier {

class PartsView;
class PictureDocument;
class Player;
class AmplitudeView;

/// The Harmonics window: what the newest curve on the picture is made of and how closely it
/// follows its ideal wave. It shows the sum written out with its count of terms, the spectrum of
/// its harmonics, its parts over one period, and its numbers, each with one sentence of what it
/// means; with no curve since the last Clear it says how to draw one. It follows the picture
/// after every step, undo, redo and opened lesson. Its foot row plays the curve: Play and Stop,
/// the pitch, and what is heard of the curve at that pitch.
///
/// A window of its own beside the main one, not modal; Escape closes it. Every part is named for
/// screen readers and reached with Tab.
class HarmonicsWindow final : public QWidget {
    Q_OBJECT
public:
    /// A window showing the newest curve of \a document, which must outlive it, beside
    /// \a parent, the main window; its Play button plays it with \a player.
    HarmonicsWindow(PictureDocument& document, Player& player, QWidget* parent);

    /// Shows the window and brings it forward; the first time, beside \a mainWindow and not
    /// over it, where the screen has room.
    void showBeside(const QWidget& mainWindow);

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The rows of the curve's numbers: a name, the value, and a sentence of what it means.
    QGridLayout* makeNumberRows();
    /// Play, the pitch and what is heard, left of Close in the foot row.
    void makeSoundControls();
    /// Shows the player's state on Play and beside it.
    void showSound();
    /// Tab goes through the window from top to bottom.
    void orderTabs();
    /// One of the curve's numbers as the window shows it.
    struct NumberRow {
        QLabel* name;
        QLabel* value;
        QLabel* meaning;
    };

    /// Shows the newest curve of the picture, or how to draw one.
    void follow();
    /// Shows \a facts' numbers in their rows, and hides the rows the curve has no number for.
    void showNumbers(const CurveFacts& facts);

    PictureDocument& m_document;
    Player& m_player;
    QLabel* m_heading = nullptr;
    /// How to draw a curve, while there is none.
    QLabel* m_hint = nullptr;
    QLabel* m_sum = nullptr;
    AmplitudeView* m_spectrum = nullptr;
    PartsView* m_parts = nullptr;
    QWidget* m_curveParts = nullptr;
    std::array<NumberRow, 3> m_numbers {};
    QHBoxLayout* m_footRow = nullptr;
    QPushButton* m_play = nullptr;
    QComboBox* m_pitch = nullptr;
    /// What is heard of the curve, beside Play.
    QLabel* m_heard = nullptr;
    QPushButton* m_close = nullptr;
    bool m_placed = false;
};

} // namespace fourier
