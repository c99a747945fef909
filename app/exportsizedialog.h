// SPDX-License-Identifier: MIT
#pragma once

#include "exportsize.h"

#include <QDialog>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace fourier {

/// Asks how large a picture is exported: a number of times the plot area's size, from 1 to 8,
/// or a width in pixels, the height following the plot area's shape.
class ExportSizeDialog final : public QDialog {
    Q_OBJECT
public:
    /// A dialog that offers \a initial, the size chosen last.
    explicit ExportSizeDialog(ExportSize initial, QWidget* parent = nullptr);

    /// The size chosen.
    ExportSize size() const;

private:
    /// Shows the chosen size in pixels, and lets only the chosen way of giving it be edited.
    void showSize();

    QRadioButton* m_byFactor = nullptr;
    QSpinBox* m_factor = nullptr;
    QRadioButton* m_byWidth = nullptr;
    QSpinBox* m_width = nullptr;
    QLabel* m_pixels = nullptr;
};

} // namespace fourier
