// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace fourier {

/// A push button that breaks its caption between words onto as many lines as it needs to fit
/// inside the button, centred, with a small margin all round. Its text stays the caption as given.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

    /// Where the caption is laid out, inside the button's margin.
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fourier
