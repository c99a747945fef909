// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <cstddef>
#include <vector>

namespace fourier::testing {

/// The colour of an empty plot area.
inline constexpr QRgb white = qRgb(255, 255, 255);

/// Calls \a visit with the colour, column and row of every pixel of \a image, row by row.
template <class Visit>
void forEachPixel(const QImage& image, Visit&& visit)
{
    // Scan lines hold the colours themselves only in the surface's own format; a grab of a
    // widget may come in another.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < rgb.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
        for (int column = 0; column < rgb.width(); ++column)
            visit(line[column], column, row);
    }
}

/// How many pixels of \a image are \a colour.
inline std::size_t countColour(const QImage& image, QRgb colour)
{
    std::size_t count = 0;
    forEachPixel(image, [&](QRgb pixel, int, int) { count += pixel == colour ? 1 : 0; });
    return count;
}

/// Whether every pixel of \a image is \a colour.
inline bool isAll(const QImage& image, QRgb colour)
{
    return countColour(image, colour) == static_cast<std::size_t>(image.width()) * image.height();
}

/// The pixels of \a image that are not \a background, as (column, row), row by row.
inline std::vector<QPoint> ink(const QImage& image, QRgb background = white)
{
    std::vector<QPoint> points;
    forEachPixel(image, [&](QRgb pixel, int column, int row) {
        if (pixel != background)
            points.emplace_back(column, row);
    });
    return points;
}

/// How many pixels differ between \a a and \a b, which are of one size.
inline std::size_t differingPixels(const QImage& a, const QImage& b)
{
    const QImage other = b.convertToFormat(QImage::Format_RGB32);
    std::size_t count = 0;
    forEachPixel(a, [&](QRgb pixel, int column, int row) {
        count += pixel != reinterpret_cast<const QRgb*>(other.constScanLine(row))[column] ? 1 : 0;
    });
    return count;
}

/// Whether \a after holds a pixel of \a colour where \a before, of the same size, did not.
inline bool gainedColour(const QImage& before, const QImage& after, QRgb colour)
{
    const QImage was = before.convertToFormat(QImage::Format_RGB32);
    bool gained = false;
    forEachPixel(after, [&](QRgb pixel, int column, int row) {
        gained = gained
            || (pixel == colour
                && reinterpret_cast<const QRgb*>(was.constScanLine(row))[column] != colour);
    });
    return gained;
}

} // namespace fourier::testing
