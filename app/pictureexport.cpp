// SPDX-License-Identifier: MIT
#include "pictureexport.h"

#include "coretexts.h"
#include "replay.h"
#include "safewrite.h"
#include "title.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIODevice>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStringList>
#include <QSvgGenerator>
#include <algorithm>
#include <new>

namespace fourier {

namespace {

/// The resolution a picture's pixels are meant for, as a screen shows them: a vector file of
/// the plot area's size is as large as the plot area on a screen of usual density.
constexpr int screenDpi = 96;
/// The resolution a PDF file's shapes are placed at; fine enough to place every pixel's square
/// exactly at 8 times the plot area.
constexpr int pdfDpi = 1200;
/// Room between the printed picture and its caption, in points.
constexpr double captionGap = 6.0;
/// The caption's letters, in points.
constexpr double captionPoints = 10.0;

/// The program's name, which a drawing and a document carry as their title.
QString documentTitle()
{
    return QString::fromUtf8(
        applicationTitle.data(), static_cast<qsizetype>(applicationTitle.size()));
}

QString writeSvg(const VectorSurface& picture, QIODevice& device, const QString& description)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(QSize(picture.width(), picture.height()));
    generator.setViewBox(QRect(0, 0, picture.width(), picture.height()));
    generator.setResolution(screenDpi);
    generator.setTitle(documentTitle());
    generator.setDescription(description);
    QPainter painter;
    if (!painter.begin(&generator))
        return ExportPicture::tr("the drawing could not be started");
    picture.paint(painter);
    return painter.end() ? QString() : ExportPicture::tr("the drawing could not be finished");
}

QString writePdf(const VectorSurface& picture, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setTitle(documentTitle());
    writer.setCreator(documentTitle());
    writer.setResolution(pdfDpi);
    // Exactly the picture's size: a standard paper size near it would crop it or leave a margin.
    const QSizeF inches = QSizeF(picture.width(), picture.height()) / screenDpi;
    writer.setPageLayout(
        QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return ExportPicture::tr("the drawing could not be started");
    constexpr double dotsPerPixel = static_cast<double>(pdfDpi) / screenDpi;
    painter.scale(dotsPerPixel, dotsPerPixel);
    picture.paint(painter);
    return painter.end() ? QString() : ExportPicture::tr("the drawing could not be finished");
}

} // namespace

std::optional<ExportFormat> exportFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ExportFormat::Png;
    if (suffix == QLatin1String("svg"))
        return ExportFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    return std::nullopt;
}

QFont exportFont(const QFont& plotFont, ExportSize size)
{
    QFont font = plotFont;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * size.factor())));
    else
        font.setPointSizeF(font.pointSizeF() * size.factor());
    return font;
}

bool drawSteps(CommandWindow& window, std::span<const Step> steps, PlotSurface& surface)
{
    ReplayWindow onSurface(window, surface);
    // Nothing is undone on an export: the states of the steps are not kept.
    HistoryLimits limits;
    limits.undoSteps = 0;
    return replay(onSurface, steps, limits).has_value();
}

ExportPicture::ExportPicture(ExportFormat format, ExportSize size, const QFont& plotFont)
    : m_format(format)
{
    const QFont font = exportFont(plotFont, size);
    if (format == ExportFormat::Png) {
        m_image.emplace(size.width(), size.height());
        m_image->setFont(font);
        m_image->setLineWidth(size.lineWidth());
    } else {
        m_vector.emplace(size.width(), size.height());
        m_vector->setFont(font);
        m_vector->setLineWidth(size.lineWidth());
    }
}

PlotSurface& ExportPicture::surface()
{
    if (m_image)
        return *m_image;
    return *m_vector;
}

QString ExportPicture::description() const
{
    QStringList lines;
    for (const Phrase& curve :
        m_image ? m_image->curveDescriptions() : m_vector->curveDescriptions())
        lines.append(translatedDescription(curve));
    return lines.join(QLatin1Char('\n'));
}

QString ExportPicture::write(const QString& path) const
{
    return writeFileSafely(path, [&](QIODevice& device) -> QString {
        switch (m_format) {
        case ExportFormat::Png: {
            QImageWriter writer(&device, "png");
            return writer.write(m_image->image()) ? QString() : writer.errorString();
        }
        case ExportFormat::Svg:
            return writeSvg(*m_vector, device, description());
        case ExportFormat::Pdf:
            return writePdf(*m_vector, device);
        }
        return {};
    });
}

QString printPicture(QPrinter& printer, const VectorSurface& picture, const QString& caption)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return ExportPicture::tr("the printer could not be started");
    // The painter starts at the printable area's top-left corner, in the printer's dots.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QFont captionFont = QGuiApplication::font();
    captionFont.setPointSizeF(captionPoints);
    const QFontMetricsF metrics(captionFont, &printer);
    constexpr int captionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const double gap = caption.isEmpty() ? 0.0 : captionGap * printer.resolution() / 72.0;
    const auto captionHeight = [&](double width) {
        return caption.isEmpty()
            ? 0.0
            : metrics.boundingRect(QRectF(0, 0, width, page.height()), captionFlags, caption)
                  .height();
    };

    // As large as the page allows, with room beneath for the caption, which wraps to the
    // picture's width: measured at the page's width, then again at the picture's.
    double scale = std::min(page.width() / picture.width(), page.height() / picture.height());
    for (int pass = 0; pass < 2; ++pass) {
        const double room = page.height() - captionHeight(picture.width() * scale) - gap;
        scale = std::max(0.0, std::min(scale, room / picture.height()));
    }
    const QRectF placed((page.width() - picture.width() * scale) / 2, 0, picture.width() * scale,
        picture.height() * scale);
    painter.save();
    painter.translate(placed.topLeft());
    painter.scale(scale, scale);
    picture.paint(painter);
    painter.restore();
    if (!caption.isEmpty()) {
        painter.setFont(captionFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(placed.left(), placed.bottom() + gap, placed.width(),
                             page.height() - placed.bottom() - gap),
            captionFlags, caption);
    }
    return painter.end() ? QString() : ExportPicture::tr("the printing could not be finished");
}

QString exportFailure(const std::exception& failure)
{
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return ExportPicture::tr("not enough memory to export this picture");
    return QString::fromLocal8Bit(failure.what());
}

QString pictureCaption(const QString& descriptions)
{
    return descriptions.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QStringLiteral("; "));
}

} // namespace fourier
