// SPDX-License-Identifier: MIT
#pragma once

#include "document.h"
#include "formcontext.h"
#include "lessonwindow.h"
#include "step.h"

#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;
class QProgressDialog;

namespace fourier {

class HarmonicsWindow;
class PictureBox;
class Player;
struct ControlLayout;

/// The program's one window: the plot area, the two text boxes, six buttons and their labels,
/// laid out from the control table. Each button runs its command with the window as the
/// command's form, and each click is a step of the picture's history, which can be undone,
/// redone, saved as a lesson and opened again.
class Form1 final : public QWidget, public FormContext, public LessonWindow {
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
    /// What plays the picture's newest curve; it says in a message box when it cannot.
    Player& player() { return *m_player; }

    /// The picture the window shows.
    PictureDocument& document() override { return *m_document; }
    const PictureDocument& document() const { return *m_document; }
    /// Puts the picture back as it was before the last step, without its messages.
    void undo() override;
    /// Takes the step undone last again, as undo found it.
    void redo() override;
    /// Opens the lesson file at \a path: its steps replayed from the start-up picture with no
    /// message, the boxes showing the last step's texts, and the steps as the history. A file
    /// that is refused gets a message box; it and a cancelled replay change nothing. Returns
    /// whether the lesson was opened.
    bool openLesson(const QString& path) override;
    /// Saves the steps in force as a lesson file at \a path. When that fails, any file already
    /// there stays as it was, a message box says why, and the result is false.
    bool saveLesson(const QString& path) override;
    /// Draws the steps in force afresh on \a surface, which holds the start-up picture at any
    /// size, as opening their lesson would: a long sum shows the progress window, and no other
    /// command can start meanwhile. Returns false when the user cancelled, or after a message
    /// when the steps are no longer all kept. An exception while drawing (no memory) is thrown
    /// on to the caller, once the window is ready for the next command.
    bool drawAfresh(PlotSurface& surface) override;
    /// Draws the ideal wave behind the newest curve, a step of the history like a click.
    void drawIdealWave() override;
    /// Shows the Harmonics window, made the first time, beside this one.
    void showHarmonics() override;

public Q_SLOTS:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Ejecutar_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    /// Keeps the undo and redo keys for the text boxes' own typing.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// Asks whether to save a changed lesson first, and keeps the window when the user says so.
    void closeEvent(QCloseEvent* event) override;

private:
    /// Title, fixed size, colours and font of the window itself.
    void setUpWindow();
    /// The widget of \a control, wired as its kind wants: a button to its slot, a text box to
    /// its role. Place, name and colours are applyLayout's.
    QWidget* makeControl(const ControlLayout& control);
    /// Makes \a button run the slot its \a name gives, as Command1 runs Command1_Click.
    void connectToSlot(QPushButton& button, std::string_view name);
    /// Names the plot area, and each text box after the label beside it.
    void nameForScreenReaders();
    /// Runs \a work, which draws, unless a command is running already: an exception becomes a
    /// message, and the plot area is shown afresh afterwards. Returns whether it ran to its end.
    bool run(const std::function<void()>& work);
    /// One click of a button: its command run with the boxes' texts, as a step of the history.
    void click(StepCommand command);
    /// Undo or redo, as \a step: the picture put back and shown, or \a failed told with why.
    void stepThroughHistory(bool (PictureDocument::*step)(), const QString& failed);
    /// Whether the picture may go: it was kept in no lesson file, or not changed since, or the
    /// user chose to save it (and it was saved) or to discard the changes.
    bool mayLeavePicture();
    /// A message box with a file's name or contents in it, shown as plain text.
    void warn(const QString& text);

    PictureBox* m_pic = nullptr;
    QLineEdit* m_t1 = nullptr;
    QLineEdit* m_t2 = nullptr;
    std::unique_ptr<PictureDocument> m_document;
    Player* m_player = nullptr;
    /// Made when first shown; a window of its own, which this one owns.
    HarmonicsWindow* m_harmonics = nullptr;
    QElapsedTimer m_commandTimer;
    std::unique_ptr<QProgressDialog> m_progress;
    bool m_running = false;
};

} // namespace fourier
