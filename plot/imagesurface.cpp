// SPDX-License-Identifier: MIT
#include "imagesurface.h"

#include "placement.h"
#include "vectorstate.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>

namespace fourier {

namespace {

/// zlib's fastest level: a plot area's long runs of background shrink about as well at it as at
/// the default, in a fraction of the time.
constexpr int compressionLevel = 1;

/// The one colour every pixel of \a image has, or nothing when it has more than one.
std::optional<QRgb> singleColour(const QImage& image)
{
    const auto* first = reinterpret_cast<const QRgb*>(image.constBits());
    const auto count = static_cast<std::size_t>(image.sizeInBytes()) / sizeof(QRgb);
    if (count == 0 || image.depth() != 32)
        return std::nullopt;
    const QRgb colour = first[0];
    return std::all_of(first, first + count, [colour](QRgb pixel) { return pixel == colour; })
        ? std::optional<QRgb>(colour)
        : std::nullopt;
}

/// An ImageSurface's state, its pixels compressed.
class ImageState final : public SurfaceState {
public:
    ImageState(QByteArray compressed, QSize imageSize, const UserMapping& system, double x,
        double y, std::vector<DrawnCurve> drawn)
        : pixels(std::move(compressed))
        , size(imageSize)
        , mapping(system)
        , currentX(x)
        , currentY(y)
        , curves(std::move(drawn))
    {
    }

    /// A curve's pixels are counted in full in every state that shares them: the figure stays
    /// the same for as long as the state lives, as the history's accounting needs.
    std::size_t bytes() const override
    {
        std::size_t total = sizeof *this + static_cast<std::size_t>(pixels.capacity());
        for (const DrawnCurve& curve : curves) {
            const Phrase& line = curve.description;
            total += sizeof curve + line.pattern.capacity() + curve.pixels->bytes();
            for (const std::string& word : line.arguments)
                total += sizeof word + word.capacity();
        }
        return total;
    }

    /// The pixels compressed, or empty when every pixel is \a fill.
    QByteArray pixels;
    std::optional<QRgb> fill;
    QSize size;
    UserMapping mapping;
    double currentX;
    double currentY;
    std::vector<DrawnCurve> curves;
};

/// The marks of the curve being drawn are kept as 64 pixels a word.
constexpr std::size_t markBits = 64;

} // namespace

QRgb toQRgb(Colour colour)
{
    const Rgb rgb = resolve(colour);
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

ImageSurface::ImageSurface(int width, int height)
    : m_image(width, height, QImage::Format_RGB32)
    , m_mapping(UserMapping::initial(width, height))
{
    // QImage gives a null image when its pixels cannot be had; drawing on it would write
    // nowhere.
    if (m_image.isNull() && width > 0 && height > 0)
        throw std::bad_alloc();
    m_image.fill(toQRgb(background));
    clearUpperVectorState();
}

bool ImageSurface::Scale(float x1, float y1, float x2, float y2)
{
    const auto mapping = UserMapping::fromEdges(m_image.width(), m_image.height(), x1, y1, x2, y2);
    if (!mapping)
        return false;
    m_mapping = *mapping;
    return true;
}

void ImageSurface::Cls()
{
    m_image.fill(toQRgb(background));
    clearUpperVectorState();
    m_currentX = 0.0;
    m_currentY = 0.0;
    m_curves.clear();
    clearMarks();
}

void ImageSurface::describeCurve(const Phrase& description)
{
    auto pixels = std::make_shared<const CurvePixels>(m_marks, m_image.width(), m_image.height());
    m_curves.push_back({ description, std::move(pixels) });
    clearMarks();
}

std::vector<Phrase> ImageSurface::curveDescriptions() const
{
    std::vector<Phrase> lines;
    lines.reserve(m_curves.size());
    for (const DrawnCurve& curve : m_curves)
        lines.push_back(curve.description);
    return lines;
}

void ImageSurface::clearMarks()
{
    std::fill(m_marks.begin(), m_marks.end(), 0);
}

std::unique_ptr<const SurfaceState> ImageSurface::saveState() const
{
    // The start-up picture and a cleared one are one colour: kept as that colour, they cost
    // nothing to save, where compressing them would hold up the window's first appearance.
    if (const std::optional<QRgb> fill = singleColour(m_image)) {
        auto state = std::make_unique<ImageState>(
            QByteArray(), m_image.size(), m_mapping, m_currentX, m_currentY, m_curves);
        state->fill = fill;
        return state;
    }
    QByteArray pixels = qCompress(m_image.constBits(), m_image.sizeInBytes(), compressionLevel);
    // qCompress says it ran out of memory only by giving nothing back.
    if (pixels.isEmpty())
        throw std::bad_alloc();
    pixels.squeeze();
    return std::make_unique<ImageState>(
        std::move(pixels), m_image.size(), m_mapping, m_currentX, m_currentY, m_curves);
}

void ImageSurface::restoreState(const SurfaceState& state)
{
    const auto& saved = dynamic_cast<const ImageState&>(state);
    if (saved.size != m_image.size())
        throw std::invalid_argument("a saved picture of another size");
    const QByteArray pixels = saved.fill ? QByteArray() : qUncompress(saved.pixels);
    if (!saved.fill && pixels.size() != m_image.sizeInBytes())
        throw std::bad_alloc();
    std::vector<DrawnCurve> curves = saved.curves;
    // Nothing below can fail, so the surface is never left half restored.
    if (saved.fill)
        m_image.fill(*saved.fill);
    else
        std::memcpy(m_image.bits(), pixels.constData(), static_cast<std::size_t>(pixels.size()));
    m_mapping = saved.mapping;
    m_currentX = saved.currentX;
    m_currentY = saved.currentY;
    m_curves = std::move(curves);
    clearMarks();
}

void ImageSurface::setPixel(int column, int row, QRgb rgb)
{
    reinterpret_cast<QRgb*>(m_image.scanLine(row))[column] = rgb;
}

void ImageSurface::setPoint(int column, int row, QRgb rgb)
{
    setPixel(column, row, rgb);
    const auto height = static_cast<std::size_t>(m_image.height());
    if (m_marks.empty())
        m_marks.resize(
            (static_cast<std::size_t>(m_image.width()) * height + markBits - 1) / markBits);
    const std::size_t bit
        = static_cast<std::size_t>(column) * height + static_cast<std::size_t>(row);
    m_marks[bit / markBits] |= std::uint64_t { 1 } << (bit % markBits);
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    const std::optional<LineCells> cells = lineCells(m_mapping, x1, y1, x2, y2);
    if (!cells)
        return;
    const int width = m_image.width();
    const int height = m_image.height();
    // A wide line is a square of m_lineWidth cells stamped on each cell of the thin one.
    const int before = (m_lineWidth - 1) / 2;
    const int after = m_lineWidth / 2;
    const QRgb rgb = toQRgb(foreground);
    const auto draw = [&](int column, int row) {
        if (m_lineWidth == 1) {
            if (column >= 0 && column < width && row >= 0 && row < height)
                setPixel(column, row, rgb);
            return;
        }
        for (int r = std::max(row - before, 0); r <= std::min(row + after, height - 1); ++r) {
            for (int c = std::max(column - before, 0); c <= std::min(column + after, width - 1);
                 ++c)
                setPixel(c, r, rgb);
        }
    };

    // Bresenham between the two end cells; every cell is range-checked before it is written.
    int c = cells->column1;
    int r = cells->row1;
    const int cEnd = cells->column2;
    const int rEnd = cells->row2;
    const int dc = std::abs(cEnd - c);
    const int dr = -std::abs(rEnd - r);
    const int sc = c < cEnd ? 1 : -1;
    const int sr = r < rEnd ? 1 : -1;
    int err = dc + dr;
    for (;;) {
        draw(c, r);
        if (c == cEnd && r == rEnd)
            break;
        const int e2 = 2 * err;
        if (e2 >= dr) {
            err += dr;
            c += sc;
        }
        if (e2 <= dc) {
            err += dc;
            r += sr;
        }
    }
}

void ImageSurface::PSet(float x, float y, Colour colour)
{
    const auto column = m_mapping.column(x);
    const auto row = m_mapping.row(y);
    if (column && row)
        setPoint(*column, *row, toQRgb(colour));
}

void ImageSurface::PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour)
{
    const QRgb rgb = toQRgb(colour);
    const std::size_t count = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = m_mapping.column(xs[i]);
        const auto row = m_mapping.row(ys[i]);
        if (column && row)
            setPoint(*column, *row, rgb);
    }
}

void ImageSurface::PSetBehind(std::span<const float> xs, std::span<const float> ys, Colour colour)
{
    const QRgb rgb = toQRgb(colour);
    const QRgb empty = toQRgb(background);
    const std::size_t count = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = m_mapping.column(xs[i]);
        const auto row = m_mapping.row(ys[i]);
        if (column && row
            && reinterpret_cast<const QRgb*>(m_image.constScanLine(*row))[*column] == empty)
            setPoint(*column, *row, rgb);
    }
}

void ImageSurface::CurrentX(float x)
{
    m_currentX = x;
}

void ImageSurface::CurrentY(float y)
{
    m_currentY = y;
}

void ImageSurface::Print(int value)
{
    const double px = m_mapping.pixelX(m_currentX);
    const double py = m_mapping.pixelY(m_currentY);
    const double lineHeight = QFontMetricsF(m_font).lineSpacing();
    if (px > -textReach && px < m_image.width() + textReach && py > -textReach
        && py < m_image.height() + textReach) {
        QPainter painter(&m_image);
        painter.setFont(m_font);
        painter.setPen(QColor::fromRgb(toQRgb(foreground)));
        painter.drawText(QRectF(std::floor(px), std::floor(py), textReach, textReach),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
            QString::fromStdString(printedText(value)));
    }
    // Like a line of printed text, the next one would start at the left edge, one line lower.
    m_currentX = m_mapping.left();
    m_currentY += lineHeight * (m_mapping.bottom() - m_mapping.top()) / m_image.height();
    clearUpperVectorState();
}

} // namespace fourier
