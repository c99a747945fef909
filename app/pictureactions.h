// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QImage;

namespace fourier {

class PictureBox;

/// The plot area's context menu: "Copy Picture" and "Save Picture As…". Both take the drawing
/// area's own image, pixel for pixel, and change nothing on it.
class PictureActions final : public QObject {
    Q_OBJECT
public:
    /// Adds the two actions to the context menu of \a pictureBox, which owns this object.
    explicit PictureActions(PictureBox& pictureBox);

    /// Puts the drawing area's image on the clipboard.
    void copyPicture() const;
    /// Asks for a file name, then saves the picture there.
    void savePictureAs();
    /// Saves the picture to \a path as PNG. When that fails, any file already at \a path stays
    /// as it was, a message box says why, and the result is false.
    bool savePicture(const QString& path);

private:
    PictureBox& m_pictureBox;
};

/// Writes \a image to \a path as PNG, through writeFileSafely: a file already at \a path is
/// replaced only by a complete picture. Returns why it failed, or an empty string.
QString writePng(const QImage& image, const QString& path);

} // namespace fourier
