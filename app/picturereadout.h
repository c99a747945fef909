// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

class QKeyEvent;

namespace fourier {

class PictureBox;

/// The plot area's readout of its picture: where the pointer rests, a tooltip that follows it
/// with the point's coordinates and the curves through it; while the plot area has the focus, a
/// probe that the arrow keys move (ten pixels at a time with Shift, back to the origin with
/// Home, away with Escape or when the focus leaves for anything but the plot area's menu), whose
/// reading becomes the plot area's description, which screen readers announce. Before any scale
/// there is only a hint of how to start. Neither the tooltip nor the probe is ever drawn into the
/// picture.
class PictureReadout final : public QObject {
    Q_OBJECT
public:
    /// Reads the picture of \a pictureBox, which owns this object.
    explicit PictureReadout(PictureBox& pictureBox);

    /// What \a pixel of the drawing area reads, in the user's language, one line each.
    QString textAt(QPoint pixel) const;

    /// How far Shift and an arrow key move the probe, in pixels.
    static constexpr int longStep = 10;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Shows the tooltip for \a position in the plot area, or hides it off the drawing area.
    /// Returns whether it shows.
    bool showTip(QPoint position, QPoint globalPosition);
    /// Moves the probe as \a key asks; returns false for a key the probe does not take.
    bool moveProbe(const QKeyEvent& key);
    /// Shows the probe, and tells screen readers what it reads, or the hint when there is
    /// nothing to read.
    void announce();
    /// Hides the probe and gives the plot area its description of the curves back.
    void stopAnnouncing();
    /// Reads afresh a picture that has changed under the probe or the tooltip.
    void pictureChanged();
    /// Where the probe starts: the origin, or the middle of the area when that is out of sight.
    QPoint origin() const;

    PictureBox& m_pictureBox;
    /// Where the probe is, or was when it was hidden; nothing until it is first shown.
    std::optional<QPoint> m_probeAt;
    /// Whether the plot area's description is the probe's reading, or the hint.
    bool m_announcing = false;
    /// Whether the tooltip is the readout's, and where it was asked for.
    bool m_tipShown = false;
    QPoint m_tipPosition;
    QPoint m_tipGlobalPosition;
};

} // namespace fourier
