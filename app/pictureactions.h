// SPDX-License-Identifier: MIT
#pragma once

#include "dataexport.h"
#include "exportsize.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QImage;
class QPrinter;

namespace fourier {

class LessonWindow;
class PictureBox;
class Player;
struct Step;

/// The plot area's context menu: "Undo …" and "Redo …", naming the step; "Draw Ideal Wave",
/// a step too, which draws behind the picture what the newest curve tends to; "Harmonics…", the
/// window of what the newest curve is made of; "Copy Picture" and
/// "Save Picture As…", which take the drawing area's own image, pixel for pixel, and change
/// nothing on it; "Export Picture…" and "Print…", which draw the picture afresh from its steps
/// at a larger size; then "Open Lesson…" and "Save Lesson As…"; last the player's "Play Sound".
/// Every entry but Copy and Save Picture has keys that reach it wherever the focus is in the
/// window, Play Sound's wherever it is in the program.
class PictureActions final : public QObject {
    Q_OBJECT
public:
    /// Adds the actions to the context menu of \a pictureBox, which owns this object; \a window
    /// shows the picture whose steps they undo, redo, open and save, and \a player plays it.
    PictureActions(PictureBox& pictureBox, LessonWindow& window, Player& player);

    /// Puts the picture on the clipboard as an image of the size exported last: the drawing
    /// area's own image until a larger size has been exported, then the picture drawn afresh.
    /// When that fails, a message box says why and the clipboard keeps what it held.
    void copyPicture();
    /// Asks for a file name, then saves the picture there.
    void savePictureAs();
    /// Saves the picture to \a path as PNG. When that fails, any file already at \a path stays
    /// as it was, a message box says why, and the result is false.
    bool savePicture(const QString& path);
    /// Asks for a file name and a size, then exports the picture there.
    void exportPictureAs();
    /// Draws the picture afresh at \a size and writes it to \a path as PNG, SVG or PDF, as the
    /// name's ending says; or, for .wav and .csv, writes its curves as exportCurves does. When
    /// that fails or is cancelled, any file already at \a path stays as it was, a message box
    /// says why (unless the user cancelled), and the result is false.
    bool exportPicture(const QString& path, ExportSize size);
    /// Writes the picture's newest curve to \a path as a WAV file of defaultSoundSeconds at the
    /// player's pitch, or the values of all its curves at defaultDataPoints over the x range it
    /// shows as CSV, as \a format says. When that fails, any file already at \a path stays as it
    /// was, a message box says why, and the result is false.
    bool exportCurves(const QString& path, DataFormat format);
    /// The size the picture was exported at last, the plot area's own until then.
    ExportSize lastExportSize() const { return m_lastSize; }
    /// Shows the print preview, from which the picture is printed.
    void printPreview();
    /// Draws the picture afresh and prints it on \a printer, with the curves listed beneath it
    /// when \a caption is true. Returns false when it was cancelled or could not be printed,
    /// which a message box then says.
    bool print(QPrinter& printer, bool caption);
    /// Asks for a lesson file, then opens it.
    void openLesson();
    /// Asks for a file name, then saves the lesson there.
    void saveLessonAs();

private:
    /// Names the step undo and redo would take, and greys them when there is none.
    void showSteps();

    /// A message box that says \a text, a file's name in it, as plain text.
    void warn(const QString& text);

    PictureBox& m_pictureBox;
    LessonWindow& m_window;
    Player& m_player;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    ExportSize m_lastSize;
    QString m_lastExportPath;
    bool m_printCaption = true;
};

/// The keys that undo: Ctrl+Z.
QList<QKeySequence> undoKeys();
/// The keys that redo: Ctrl+Shift+Z and Ctrl+Y.
QList<QKeySequence> redoKeys();

/// How the menu names \a step, as in "Square Series, 10 terms".
QString stepName(const Step& step);

/// Writes \a image to \a path as PNG, through writeFileSafely: a file already at \a path is
/// replaced only by a complete picture. Returns why it failed, or an empty string.
QString writePng(const QImage& image, const QString& path);

} // namespace fourier
