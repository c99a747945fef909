// SPDX-License-Identifier: MIT
#pragma once

#include "curvefacts.h"

#include <QWidget>
#include <optional>
#include <vector>

class QPainter;

namespace fourier {

/// The parts of a curve over one period, x from -pi to pi: the first three harmonics of its sum,
/// each in its own colour and dash pattern, the partial sum in the curve's colour, the ideal wave
/// in grey, and the harmonic chosen in the spectrum highlighted; a key beneath names each line.
/// A screen reader hears the same in the widget's description.
class PartsView final : public QWidget {
    Q_OBJECT
public:
    explicit PartsView(QWidget* parent = nullptr);

    /// Shows the parts of the curve \a facts tells of, or none.
    void setCurve(const std::optional<CurveFacts>& facts);
    /// Highlights harmonic \a harmonic.
    void setChosen(int harmonic);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    /// One line of the picture, as drawn and as named.
    struct Part;
    /// The lines drawn, back to front.
    std::vector<Part> parts() const;
    /// The key beneath the plot, from \a keyTop down: a stretch of each line and its name, two
    /// to a row.
    void paintKey(QPainter& painter, const std::vector<Part>& lines, double keyTop) const;
    /// Where the period is plotted, in the widget's coordinates, above the key.
    QRectF plotArea() const;
    /// How far from 0 the plot reaches up and down.
    double reach() const;
    void describe();

    std::optional<CurveFacts> m_facts;
    int m_chosen = 1;
};

} // namespace fourier
