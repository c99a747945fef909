// SPDX-License-Identifier: MIT
#include "imagesurface.h"

#include "vectorstate.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

namespace fourier {

namespace {

/// How far outside the area a line end is pulled in before it is rasterized: enough
/// to keep the line's slope exact at the edge, small enough for int arithmetic.
constexpr double lineMargin = 2.0;

/// How far outside the area a text may start and still show some ink.
constexpr double textReach = 1000.0;

/// The stretch [lo, hi] of one axis.
struct Span {
    double lo;
    double hi;
};

/// Clips the segment (x1, y1)-(x2, y2), in user units, to the box \a xs by \a ys, keeping its
/// direction. Returns false when nothing of it is inside.
///
/// Stepping in from an end far away (at 1e30, or at 20 when the scale is 1e-20) would round off
/// the very offset that places the line in the box. So the line is held as u dv - v du = k along
/// its longer axis u: k is a difference of two products of floats, each exact in double, and the
/// points worked out near the box are as exact as the box's own coordinates.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, Span xs, Span ys)
{
    const bool alongX = std::abs(x2 - x1) >= std::abs(y2 - y1);
    double& u1 = alongX ? x1 : y1;
    double& v1 = alongX ? y1 : x1;
    double& u2 = alongX ? x2 : y2;
    double& v2 = alongX ? y2 : x2;
    const Span us = alongX ? xs : ys;
    const Span vs = alongX ? ys : xs;
    const double du = u2 - u1;
    const double dv = v2 - v1;
    const double k = u1 * v2 - v1 * u2;
    double lo = std::max(std::min(u1, u2), us.lo);
    double hi = std::min(std::max(u1, u2), us.hi);
    if (dv != 0.0) {
        const double atLo = (k + vs.lo * du) / dv;
        const double atHi = (k + vs.hi * du) / dv;
        lo = std::max(lo, std::min(atLo, atHi));
        hi = std::min(hi, std::max(atLo, atHi));
    } else if (v1 < vs.lo || v1 > vs.hi) {
        return false;
    }
    if (!(lo <= hi))
        return false;
    // An end that was not cut keeps its own coordinates.
    const auto vAt = [&](double u) { return u == u1 ? v1 : u == u2 ? v2 : (u * dv - k) / du; };
    const double first = u1 <= u2 ? lo : hi;
    const double last = u1 <= u2 ? hi : lo;
    const double vFirst = vAt(first);
    const double vLast = vAt(last);
    u1 = first;
    v1 = vFirst;
    u2 = last;
    v2 = vLast;
    return true;
}

/// zlib's fastest level: a plot area's long runs of background shrink about as well at it as at
/// the default, in a fraction of the time.
constexpr int compressionLevel = 1;

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

    QByteArray pixels;
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
    const QByteArray pixels = qUncompress(saved.pixels);
    if (pixels.size() != m_image.sizeInBytes())
        throw std::bad_alloc();
    std::vector<DrawnCurve> curves = saved.curves;
    // Nothing below can fail, so the surface is never left half restored.
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
    for (const float p : { x1, y1, x2, y2 }) {
        if (!std::isfinite(p))
            return;
    }
    const int width = m_image.width();
    const int height = m_image.height();
    const double left = m_mapping.left();
    const double right = m_mapping.right();
    const double top = m_mapping.top();
    const double bottom = m_mapping.bottom();
    const double marginX = lineMargin * std::abs(right - left) / width;
    const double marginY = lineMargin * std::abs(bottom - top) / height;
    double ux1 = x1;
    double uy1 = y1;
    double ux2 = x2;
    double uy2 = y2;
    if (!clipSegment(ux1, uy1, ux2, uy2,
            { std::min(left, right) - marginX, std::max(left, right) + marginX },
            { std::min(top, bottom) - marginY, std::max(top, bottom) + marginY }))
        return;
    const double px1 = m_mapping.pixelX(ux1);
    const double py1 = m_mapping.pixelY(uy1);
    const double px2 = m_mapping.pixelX(ux2);
    const double py2 = m_mapping.pixelY(uy2);
    // The cut ends lie within the margin; this only keeps the conversions below defined.
    constexpr double reach = 1e6;
    for (const double p : { px1, py1, px2, py2 }) {
        if (!(std::abs(p) < reach))
            return;
    }

    // Bresenham between the two end cells; every cell is range-checked before it is written.
    int c = static_cast<int>(std::floor(px1));
    int r = static_cast<int>(std::floor(py1));
    const int cEnd = static_cast<int>(std::floor(px2));
    const int rEnd = static_cast<int>(std::floor(py2));
    const int dc = std::abs(cEnd - c);
    const int dr = -std::abs(rEnd - r);
    const int sc = c < cEnd ? 1 : -1;
    const int sr = r < rEnd ? 1 : -1;
    int err = dc + dr;
    const QRgb rgb = toQRgb(foreground);
    for (;;) {
        if (c >= 0 && c < width && r >= 0 && r < height)
            setPixel(c, r, rgb);
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
