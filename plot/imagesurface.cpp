#include "imagesurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fourier {

namespace {

/// How far outside the area a line end is pulled in before it is rasterized: enough
/// to keep the line's slope exact at the edge, small enough for int arithmetic.
constexpr double lineMargin = 2.0;

/// How far outside the area a text may start and still show some ink.
constexpr double textReach = 1000.0;

/// Clips the segment (x1, y1)-(x2, y2) to the rectangle [lo, hiX] x [lo, hiY]
/// (Liang-Barsky). Returns false when nothing of it is inside.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double lo, double hiX, double hiY)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { x1 - lo, hiX - x1, y1 - lo, hiY - y1 };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double ax = x1 + t0 * dx;
    const double ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

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
    m_currentX = 0.0;
    m_currentY = 0.0;
    m_descriptions.clear();
}

void ImageSurface::describeCurve(std::string_view description)
{
    m_descriptions.emplace_back(description);
}

void ImageSurface::setPixel(int column, int row, QRgb rgb)
{
    reinterpret_cast<QRgb*>(m_image.scanLine(row))[column] = rgb;
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    double px1 = m_mapping.pixelX(x1);
    double py1 = m_mapping.pixelY(y1);
    double px2 = m_mapping.pixelX(x2);
    double py2 = m_mapping.pixelY(y2);
    for (const double p : { px1, py1, px2, py2 }) {
        if (!std::isfinite(p))
            return;
    }
    const int width = m_image.width();
    const int height = m_image.height();
    if (!clipSegment(px1, py1, px2, py2, -lineMargin, width + lineMargin, height + lineMargin))
        return;

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
        setPixel(*column, *row, toQRgb(colour));
}

void ImageSurface::PSetMany(std::span<const float> xs, std::span<const float> ys, Colour colour)
{
    const QRgb rgb = toQRgb(colour);
    const std::size_t count = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = m_mapping.column(xs[i]);
        const auto row = m_mapping.row(ys[i]);
        if (column && row)
            setPixel(*column, *row, rgb);
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
}

} // namespace fourier
