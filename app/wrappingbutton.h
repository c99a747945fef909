#pragma once

#include <QPushButton>

namespace fourier {

/// A push button whose caption wraps onto further lines when it is wider than the button, the
/// way captions on classic dialog buttons do. Its text stays the caption as given.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fourier
