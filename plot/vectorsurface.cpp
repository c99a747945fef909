// SPDX-License-Identifier: MIT
#include "vectorsurface.h"

#include "placement.h"
#include "vectorstate.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <map>
#include <new>
#include <stdexcept>
#include <tuple>
#include <unordered_map>

namespace fourier {

struct VectorSurface::Picture {
    /// A line is the same line drawn again when its ends and width are.
    using LineKey = std::tuple<double, double, double, double, int>;
    /// A number is printed again when its text and corner are.
    using TextKey = std::tuple<double, double, QString>;

    /// What is painted, by the number it was drawn as, which is also the order it is painted
    /// in.
    std::map<std::uint32_t, Mark> marks;
    /// The number the next mark is drawn as; 0 numbers none.
    std::uint32_t next = 1;
    /// The point mark that set each pixel last, or 0, column by column; empty until a point
    /// is set.
    std::vector<std::uint32_t> owners;
    /// The mark that draws each line now.
    std::map<LineKey, std::uint32_t> lines;
    /// The marks that print each number now, oldest first.
    std::map<TextKey, std::deque<std::uint32_t>> texts;

    /// Keeps \a mark as the last one drawn; returns its number.
    std::uint32_t add(Mark mark)
    {
        if (next == std::numeric_limits<std::uint32_t>::max())
            throw std::length_error("more marks than a picture can number");
        marks.emplace_hint(marks.end(), next, std::move(mark));
        return next++;
    }

    std::size_t bytes() const
    {
        // A node of a map is about its value and four pointers.
        constexpr std::size_t node = 4 * sizeof(void*);
        std::size_t total = sizeof *this + owners.capacity() * sizeof(std::uint32_t)
            + marks.size() * (node + sizeof(std::uint32_t) + sizeof(Mark))
            + lines.size() * (node + sizeof(LineKey) + sizeof(std::uint32_t))
            + texts.size() * (node + sizeof(TextKey) + sizeof(std::deque<std::uint32_t>));
        for (const auto& [key, copies] : texts) {
            total += static_cast<std::size_t>(std::get<QString>(key).capacity()) * sizeof(QChar)
                + copies.size() * sizeof(std::uint32_t);
        }
        return total;
    }
};

struct VectorSurface::State final : public SurfaceState {
    State(std::shared_ptr<const Picture> drawn, const UserMapping& system, double x, double y,
        std::vector<Phrase> notes)
        : picture(std::move(drawn))
        , mapping(system)
        , currentX(x)
        , currentY(y)
        , descriptions(std::move(notes))
    {
    }

    std::size_t bytes() const override
    {
        std::size_t total = sizeof *this + picture->bytes();
        for (const Phrase& line : descriptions) {
            total += sizeof line + line.pattern.capacity();
            for (const std::string& word : line.arguments)
                total += sizeof word + word.capacity();
        }
        return total;
    }

    /// Shared with the surface until the surface is drawn on again.
    std::shared_ptr<const Picture> picture;
    UserMapping mapping;
    double currentX;
    double currentY;
    std::vector<Phrase> descriptions;
};

namespace {

/// A number printed again where it stands adds nothing to the pixels its letters cover whole,
/// but darkens the blended ones at their edges a little more, as it does on an image. Each time
/// such a pixel changes, each of its channels moves at least one of 255 steps towards the ink,
/// and once printing leaves it as it is, printing again does too: so over its last 255
/// printings a number reaches the pixels any number of printings more would give, and the
/// older ones are not kept.
constexpr std::size_t textRepeats = 255;

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
    , m_picture(std::make_shared<Picture>())
{
}

VectorSurface::Picture& VectorSurface::drawing()
{
    // A saved state shares the picture; drawing on from it takes a copy of its own.
    if (m_picture.use_count() > 1)
        m_picture = std::make_shared<Picture>(*m_picture);
    return *m_picture;
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
    m_picture = std::make_shared<Picture>();
    m_currentX = 0.0;
    m_currentY = 0.0;
    m_descriptions.clear();
}

void VectorSurface::Line(float x1, float y1, float x2, float y2)
{
    const std::optional<LineCells> cells = lineCells(m_mapping, x1, y1, x2, y2);
    if (!cells)
        return;
    const QLineF line(blockCentre(cells->column1, m_lineWidth),
        blockCentre(cells->row1, m_lineWidth), blockCentre(cells->column2, m_lineWidth),
        blockCentre(cells->row2, m_lineWidth));
    Picture& picture = drawing();
    const std::uint32_t mark = picture.add(LineMark { line, m_lineWidth });
    // The line covers its pixels in the one colour of lines whatever was drawn between, so
    // only its last drawing counts.
    const auto [kept, added] = picture.lines.try_emplace(
        Picture::LineKey { line.x1(), line.y1(), line.x2(), line.y2(), m_lineWidth }, mark);
    if (!added) {
        picture.marks.erase(kept->second);
        kept->second = mark;
    }
}

std::uint32_t VectorSurface::pointMarkOf(Colour colour)
{
    Picture& picture = drawing();
    if (!picture.marks.empty()) {
        auto& [number, last] = *picture.marks.rbegin();
        if (const auto* points = std::get_if<PointMark>(&last); points && points->colour == colour)
            return number;
    }
    if (picture.owners.empty())
        picture.owners.assign(static_cast<std::size_t>(width()) * height(), 0);
    return picture.add(PointMark { colour, 0 });
}

void VectorSurface::setCell(int column, int row, std::uint32_t mark)
{
    Picture& picture = *m_picture;
    std::uint32_t& owner
        = picture
              .owners[static_cast<std::size_t>(column) * height() + static_cast<std::size_t>(row)];
    if (owner == mark)
        return;
    // A pixel set again shows only its last colour: the earlier point gives it up, and a point
    // mark left with no pixel is gone.
    if (owner != 0) {
        const auto earlier = picture.marks.find(owner);
        if (--std::get<PointMark>(earlier->second).cells == 0)
            picture.marks.erase(earlier);
    }
    owner = mark;
    ++std::get<PointMark>(picture.marks.rbegin()->second).cells;
}

void VectorSurface::PSet(float x, float y, Colour colour)
{
    const auto column = m_mapping.column(x);
    const auto row = m_mapping.row(y);
    if (column && row)
        setCell(*column, *row, pointMarkOf(colour));
}

void VectorSurface::PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour)
{
    const std::size_t count = std::min(xs.size(), ys.size());
    std::uint32_t mark = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = m_mapping.column(xs[i]);
        const auto row = m_mapping.row(ys[i]);
        if (!column || !row)
            continue;
        if (mark == 0)
            mark = pointMarkOf(colour);
        setCell(*column, *row, mark);
    }
}

void VectorSurface::PSetBehind(std::span<const float> xs, std::span<const float> ys, Colour colour)
{
    // Lines and numbers keep no pixels of their own here, and a number's letters blend into
    // the pixels at their edges: only the picture painted tells which pixels are untouched.
    QImage shown(width(), height(), QImage::Format_RGB32);
    if (shown.isNull())
        throw std::bad_alloc();
    {
        QPainter painter(&shown);
        paint(painter);
    }
    clearUpperVectorState();
    const QRgb empty = toQRgb(background);
    const std::size_t count = std::min(xs.size(), ys.size());
    std::uint32_t mark = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = m_mapping.column(xs[i]);
        const auto row = m_mapping.row(ys[i]);
        if (!column || !row)
            continue;
        QRgb& pixel = reinterpret_cast<QRgb*>(shown.scanLine(*row))[*column];
        if (pixel != empty)
            continue;
        if (mark == 0)
            mark = pointMarkOf(colour);
        setCell(*column, *row, mark);
        pixel = toQRgb(colour);
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
        const QPointF corner(std::floor(px), std::floor(py));
        const QString text = QString::fromStdString(printedText(value));
        Picture& picture = drawing();
        std::deque<std::uint32_t>& copies
            = picture.texts[Picture::TextKey { corner.x(), corner.y(), text }];
        copies.push_back(picture.add(TextMark { corner, text }));
        if (copies.size() > textRepeats) {
            picture.marks.erase(copies.front());
            copies.pop_front();
        }
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
    return std::make_unique<State>(m_picture, m_mapping, m_currentX, m_currentY, m_descriptions);
}

void VectorSurface::restoreState(const SurfaceState& state)
{
    const auto& saved = dynamic_cast<const State&>(state);
    if (saved.mapping.width() != width() || saved.mapping.height() != height())
        throw std::invalid_argument("a saved picture of another size");
    // The notes are copied first: should that fail, the surface is left as it was. The picture
    // is shared, and copied only when the surface is drawn on again.
    std::vector<Phrase> descriptions = saved.descriptions;
    m_picture = std::const_pointer_cast<Picture>(saved.picture);
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
    // Each point mark's pixels, gathered from the pixels' owners.
    std::unordered_map<std::uint32_t, std::vector<QPoint>> cells;
    const std::vector<std::uint32_t>& owners = m_picture->owners;
    for (std::size_t at = 0; at < owners.size(); ++at) {
        if (owners[at] != 0) {
            cells[owners[at]].emplace_back(
                static_cast<int>(at / static_cast<std::size_t>(height())),
                static_cast<int>(at % static_cast<std::size_t>(height())));
        }
    }
    for (const auto& [number, mark] : m_picture->marks) {
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
            painter.fillPath(cellShape(std::move(cells[number])), toQColor(points->colour));
        }
    }
    painter.restore();
}

} // namespace fourier
