// SPDX-License-Identifier: MIT
#pragma once

#include "exportsize.h"
#include "formcontext.h"
#include "imagesurface.h"
#include "step.h"
#include "vectorsurface.h"

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <exception>
#include <optional>
#include <span>

class QPrinter;

namespace fourier {

/// The formats a picture is exported in.
enum class ExportFormat { Png, Svg, Pdf };

/// The format the ending of \a path names: .png, .svg or .pdf, in any case; nothing for any
/// other.
std::optional<ExportFormat> exportFormatOf(const QString& path);

/// The plot area's font \a plotFont, grown with a picture of \a size so that the numbers keep
/// their place beside the axes.
QFont exportFont(const QFont& plotFont, ExportSize size);

/// Takes \a steps one after another on \a surface, which must hold the start-up picture, as
/// opening a lesson does: without their messages, long sums reporting progress to \a window.
/// Returns false when the user cancelled.
bool drawSteps(CommandWindow& window, std::span<const Step> steps, PlotSurface& surface);

/// A picture being drawn afresh to be exported: an image for PNG, shapes for SVG and PDF,
/// \a size large, its numbers in the plot area's font grown to that size and its lines as wide
/// as the size's factor.
class ExportPicture {
    Q_DECLARE_TR_FUNCTIONS(fourier::ExportPicture)
public:
    ExportPicture(ExportFormat format, ExportSize size, const QFont& plotFont);

    /// The surface the picture's steps are to be taken on.
    PlotSurface& surface();

    /// The picture drawn as an image, for PNG; null for the other formats.
    const ImageSurface* image() const { return m_image ? &*m_image : nullptr; }
    /// The picture drawn as shapes, for SVG and PDF; null for PNG.
    const VectorSurface* shapes() const { return m_vector ? &*m_vector : nullptr; }

    /// The curves on the picture in words, one line each, in the application's language: what
    /// the plot area tells a screen reader.
    QString description() const;

    /// Writes the picture to \a path in its format, through writeFileSafely: a file already
    /// there is replaced only by a complete picture. A vector file carries the description.
    /// Returns why it failed, or an empty string.
    QString write(const QString& path) const;

private:
    ExportFormat m_format;
    std::optional<ImageSurface> m_image;
    std::optional<VectorSurface> m_vector;
};

/// The size a picture is drawn at to be printed: on a page of A4 or Letter its curves are about
/// a sixth of a millimetre wide, fine and still dark on paper, and its axes half a millimetre.
inline constexpr ExportSize printSize = *ExportSize::times(3);

/// Prints \a picture on one page of \a printer, as large as the page allows and in shapes, so
/// that it stays sharp; \a caption, unless empty, goes beneath it, wrapped to its width.
/// Returns why it could not be printed, or an empty string.
QString printPicture(QPrinter& printer, const VectorSurface& picture, const QString& caption);

/// Why a picture could not be drawn or written, as the user is told when \a failure was thrown
/// on the way: that there is not enough memory, or the failure's own words.
QString exportFailure(const std::exception& failure);

/// The lines of \a descriptions, the screen reader's, as one caption: "; " between curves.
QString pictureCaption(const QString& descriptions);

} // namespace fourier
