// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"

#include <QElapsedTimer>
#include <QWidget>
#include <chrono>
#include <memory>

class QLineEdit;
class QProgressDialog;

namespace fourier {

class PictureBox;
struct ControlLayout;

/// The program's one window: the plot area, the two text boxes, six buttons and their labels,
/// laid out from the control table. Each button runs its command with the window as the
/// command's form.
class Form1 final : public QWidget, public FormContext {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    std::string T1Text() const override;
    std::string T2Text() const override;
    PlotSurface& Pic() override;
    void MsgBox(std::string_view text) override;
    bool reportProgress(double fraction) override;

    /// The widget that shows the plot area.
    PictureBox& pictureBox() { return *m_pic; }

    /// How long a plot runs before its progress dialog appears.
    static constexpr std::chrono::milliseconds progressDelay { 500 };

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Ejecutar_Click();
    void Command4_Click();
    void Command5_Click();

private:
    /// Title, fixed size, colours and font of the window itself.
    void setUpWindow();
    /// The widget of \a control, wired as its kind wants: a button to its slot, a text box to
    /// its role. Place, name and colours are applyLayout's.
    QWidget* makeControl(const ControlLayout& control);
    /// Names the plot area, and each text box after the label beside it.
    void nameForScreenReaders();
    void run(void (*command)(FormContext&));

    PictureBox* m_pic = nullptr;
    QLineEdit* m_t1 = nullptr;
    QLineEdit* m_t2 = nullptr;
    QElapsedTimer m_commandTimer;
    std::unique_ptr<QProgressDialog> m_progress;
    bool m_running = false;
};

} // namespace fourier
