// SPDX-License-Identifier: MIT
#pragma once

#include "curvefacts.h"

#include <QWidget>
#include <optional>

namespace fourier {

/// The spectrum of a curve: a bar for the amplitude of each harmonic up to the 40th, a bar of
/// height 0 for a harmonic the sum does not have, and how many more the sum has. One harmonic is
/// chosen, by a click on its bar or with the arrow keys; its bar is highlighted and its term
/// named above the bars. A screen reader hears the amplitudes and the chosen harmonic in the
/// widget's description.
class AmplitudeView final : public QWidget {
    Q_OBJECT
public:
    /// The harmonics that have a bar.
    static constexpr int shownHarmonics = 40;

    explicit AmplitudeView(QWidget* parent = nullptr);

    /// Shows the spectrum of the curve \a facts tells of, or none.
    void setCurve(const std::optional<CurveFacts>& facts);
    /// The harmonic chosen, from 1 to shownHarmonics.
    int chosen() const { return m_chosen; }
    /// Chooses harmonic \a harmonic, kept within 1 to shownHarmonics.
    void choose(int harmonic);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    /// The harmonic chosen is now \a harmonic.
    void chosenChanged(int harmonic);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    /// Where the bars stand, in the widget's coordinates.
    QRectF barArea() const;
    /// The line above the bars: the chosen harmonic, its term and its amplitude.
    QString chosenText() const;
    /// The line beneath them: how many harmonics the sum has beyond the last bar.
    QString moreText() const;
    /// Puts what the spectrum shows into its accessible description.
    void describe();

    std::optional<CurveFacts> m_facts;
    int m_chosen = 1;
};

} // namespace fourier
