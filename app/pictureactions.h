// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QImage;

namespace fourier {

class Form1;
class PictureBox;
struct Step;

/// The plot area's context menu: "Undo …" and "Redo …", naming the step, then "Copy Picture"
/// and "Save Picture As…", which take the drawing area's own image, pixel for pixel, and change
/// nothing on it, then "Open Lesson…" and "Save Lesson As…". Every entry but the picture's two
/// has keys that reach it wherever the focus is in the window.
class PictureActions final : public QObject {
    Q_OBJECT
public:
    /// Adds the actions to the context menu of \a pictureBox, which owns this object; \a form
    /// is the window whose steps they undo, redo, open and save.
    PictureActions(PictureBox& pictureBox, Form1& form);

    /// Puts the drawing area's image on the clipboard.
    void copyPicture() const;
    /// Asks for a file name, then saves the picture there.
    void savePictureAs();
    /// Saves the picture to \a path as PNG. When that fails, any file already at \a path stays
    /// as it was, a message box says why, and the result is false.
    bool savePicture(const QString& path);
    /// Asks for a lesson file, then opens it.
    void openLesson();
    /// Asks for a file name, then saves the lesson there.
    void saveLessonAs();

private:
    /// Names the step undo and redo would take, and greys them when there is none.
    void showSteps();

    PictureBox& m_pictureBox;
    Form1& m_form;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
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
