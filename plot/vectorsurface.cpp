// SPDX-License-Identifier: MIT
#include "vectorsurface.h"

#include "placement.h"
#include "vectorstate.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace fourier {

struct VectorSurface::State final : public SurfaceState {
    State(std::vector<Mark> drawn, const UserMapping& system, double x, double y,
        std::vector<Phrase> notes)
        : marks(std::move(drawn))
        , mapping(system)
        , currentX(x)
        , currentY(y)
        , descriptions(std::move(notes))
    {
    }

    std::size_t bytes() const override
    {
        std::size_t total = sizeof *this + marks.capacity() * sizeof(Mark);
        for (const Mark& mark : marks) {
            if (const auto* points = std::get_if<PointMark>(&mark))
                total += points->cells.capacity() * sizeof(QPoint);
            else if (const auto* text = std::get_if<TextMark>(&mark))
                total += static_cast<std::size_t>(text->text.capacity()) * sizeof(QChar);
        }
        for (const Phrase& line : descriptions) {
            total += sizeof line + line.pattern.capacity();
            for (const std::string& word : line.arguments)
                total += sizeof word + word.capacity();
        }
        return total;
    }

    std::vector<Mark> marks;
    UserMapping mapping;
    double currentX;
    double currentY;
    std::vector<Phrase> descriptions;
};

namespace {

QColor toQColor(Colour colour)
{
    return QColor::fromRgb(toQRgb(colour));
}

/// The centre of the square of \a width cells that a line of that width puts on \a cell, as
/// ImageSurface stamps it: from (width - 1) / 2 cells before the cell to width / 2 after it.
double blockCentre(int cell, int width)
{
    const int first = cell - (width - 1) / 2;
    const int last = cell + width / 2;
    return (first + last + 1) / 2.0;
}

/// A run of pixels: the columns [firstColumn, lastColumn] of the rows [firstRow, lastRow].
struct Run {
    int firstColumn;
    int lastColumn;
    int firstRow;
    int lastRow;
};

/// The pixels \a cells cover, as one shape of as few rectangles as runs of neighbours allow:
/// each column's runs of rows, joined with the same run in the columns beside it. A curve of a
/// few thousand points becomes a few hundred rectangles, which keeps a vector file small.
QPainterPath cellShape(std::vector<QPoint> cells)
{
    std::sort(cells.begin(), cells.end(),
        [](QPoint a, QPoint b) { return std::tie(a.rx(), a.ry()) < std::tie(b.rx(), b.ry()); });
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
    std::vector<Run> runs;
    for (const QPoint cell : cells) {
        if (!runs.empty() && runs.back().firstColumn == cell.x()
            && runs.back().lastRow + 1 == cell.y())
            runs.back().lastRow = cell.y();
        else
            runs.push_back({ cell.x(), cell.x(), cell.y(), cell.y() });
    }
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) {
        return std::tie(a.firstRow, a.lastRow, a.firstColumn)
            < std::tie(b.firstRow, b.lastRow, b.firstColumn);
    });
    std::vector<Run> joined;
    for (const Run& run : runs) {
        if (!joined.empty() && joined.back().firstRow == run.firstRow
            && joined.back().lastRow == run.lastRow
            && joined.back().lastColumn + 1 == run.firstColumn)
            joined.back().lastColumn = run.lastColumn;
        else
            joined.push_back(run);
    }
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    for (const Run& run : joined) {
        shape.addRect(run.firstColumn, run.firstRow, run.lastColumn - run.firstColumn + 1,
            run.lastRow - run.firstRow + 1);
    }
    return shape;
}

/// The size of \a font's letters in pixels on an image, which is what it is sized for.
double imagePixels(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    static const int imageDpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
    return font.pointSizeF() * imageDpi / 72.0;
}

/// \a font for \a painter's device, which may have any resolution, so that its letters are as
/// large in the painter's coordinates as they would be in an image's pixels. The family is the
/// one the font resolved to, so that a vector file names a font its reader can find.
QFont deviceFont(const QFont& font, const QPainter& painter)
{
    QFont sized = font;
    sized.setFamily(QFontInfo(font).family());
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 72;
    sized.setPointSizeF(imagePixels(font) * 72.0 / dpi);
    return sized;
}

} // namespace

VectorSurface::VectorSurface(int width, int height)
    : m_mapping(UserMapping::initial(width, height))
{
}

bool VectorSurface::Scale(float x1, float y1, float x2, float y2)
{
    const auto mapping = UserMapping::fromEdges(width(), height(), x1, y1, x2, y2);
    if (!mapping)
        return false;
    m_mapping = *mapping;
    return true;
}

void VectorSurface::Cls()
{
    m_marks.clear();
    m_currentX = 0.0;
    m_currentY = 0.0;
    m_descriptions.clear();
}

void VectorSurface::Line(float x1, float y1, float x2, float y2)
{
    const std::optional<LineCells> cells = lineCells(m_mapping, x1, y1, x2, y2);
    if (!cells)
        return;
    m_marks.emplace_back(LineMark {
        QLineF(blockCentre(cells->column1, m_lineWidth), blockCentre(cells->row1, m_lineWidth),
            blockCentre(cells->column2, m_lineWidth), blockCentre(cells->row2, m_lineWidth)),
        m_lineWidth });
}

std::vector<QPoint>& VectorSurface::cellsOf(Colour colour)
{
    if (!m_marks.empty()) {
        if (auto* points = std::get_if<PointMark>(&m_marks.back());
            points && points->colour == colour)
            return points->cells;
    }
    return std::get<PointMark>(m_marks.emplace_back(PointMark { colour, {} })).cells;
}

void VectorSurface::PSet(float x, float y, Colour colour)
{
    const auto column = m_mapping.column(x);
    const auto row = m_mapping.row(y);
    if (column && row)
        cellsOf(colour).emplace_back(*column, *row);
}

void VectorSurface::PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour)
{
    const std::size_t count = std::min(xs.size(), ys.size());
    std::vector<QPoint>* cells = nullptr;
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = m_mapping.column(xs[i]);
        const auto row = m_mapping.row(ys[i]);
        if (!column || !row)
            continue;
        if (!cells)
            cells = &cellsOf(colour);
        cells->emplace_back(*column, *row);
    }
}

void VectorSurface::CurrentX(float x)
{
    m_currentX = x;
}

void VectorSurface::CurrentY(float y)
{
    m_currentY = y;
}

void VectorSurface::Print(int value)
{
    const double px = m_mapping.pixelX(m_currentX);
    const double py = m_mapping.pixelY(m_currentY);
    const double lineHeight = QFontMetricsF(m_font).lineSpacing();
    if (px > -textReach && px < width() + textReach && py > -textReach
        && py < height() + textReach) {
        m_marks.emplace_back(TextMark {
            QPointF(std::floor(px), std::floor(py)), QString::fromStdString(printedText(value)) });
    }
    // As on an image: the next text would start at the left edge, one line lower.
    m_currentX = m_mapping.left();
    m_currentY += lineHeight * (m_mapping.bottom() - m_mapping.top()) / height();
    clearUpperVectorState();
}

void VectorSurface::describeCurve(const Phrase& description)
{
    m_descriptions.push_back(description);
}

std::unique_ptr<const SurfaceState> VectorSurface::saveState() const
{
    return std::make_unique<State>(m_marks, m_mapping, m_currentX, m_currentY, m_descriptions);
}

void VectorSurface::restoreState(const SurfaceState& state)
{
    const auto& saved = dynamic_cast<const State&>(state);
    if (saved.mapping.width() != width() || saved.mapping.height() != height())
        throw std::invalid_argument("a saved picture of another size");
    // Copied first: should that fail, the surface is left as it was.
    std::vector<Mark> marks = saved.marks;
    std::vector<Phrase> descriptions = saved.descriptions;
    m_marks = std::move(marks);
    m_mapping = saved.mapping;
    m_currentX = saved.currentX;
    m_currentY = saved.currentY;
    m_descriptions = std::move(descriptions);
}

void VectorSurface::paint(QPainter& painter) const
{
    painter.save();
    const QRectF area(0, 0, width(), height());
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, toQColor(background));
    painter.setFont(deviceFont(m_font, painter));
    for (const Mark& mark : m_marks) {
        if (const auto* line = std::get_if<LineMark>(&mark)) {
            if (line->line.p1() == line->line.p2()) {
                const double half = line->width / 2.0;
                painter.fillRect(
                    QRectF(line->line.p1() - QPointF(half, half), QSizeF(line->width, line->width)),
                    toQColor(foreground));
                continue;
            }
            // Square ends cover the end cells whole, as the image's last cells do.
            painter.setPen(QPen(toQColor(foreground), line->width, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(line->line);
        } else if (const auto* text = std::get_if<TextMark>(&mark)) {
            painter.setPen(toQColor(foreground));
            painter.drawText(QRectF(text->corner, QSizeF(textReach, textReach)),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text->text);
        } else if (const auto* points = std::get_if<PointMark>(&mark)) {
            painter.fillPath(cellShape(points->cells), toQColor(points->colour));
        }
    }
    painter.restore();
}

} // namespace fourier
