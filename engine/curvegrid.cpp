// SPDX-License-Identifier: MIT
#include "curvegrid.h"

#include <array>
#include <cmath>

namespace fourier {

namespace {

/// A column with fewer samples than this is left to the per-sample path: at such scales there
/// are few samples to sum in all.
constexpr std::size_t fewestSamplesPerColumn = 8;

/// Where inside a row a float y is looked for, its middle first: in a row only a few floats
/// tall, the float nearest the middle may round into the next row.
constexpr std::array rowProbes { 0.5, 0.25, 0.75, 0.1, 0.9 };

} // namespace

CurveGrid::CurveGrid(const UserMapping& mapping, std::span<const double> samples, double pointSign)
    : m_mapping(mapping)
    , m_samples(samples)
    , m_pointSign(pointSign)
    , m_height(mapping.height())
    , m_rowsPerUnit(
          static_cast<double>(mapping.height()) / std::abs(mapping.bottom() - mapping.top()))
{
}

std::optional<CurveGrid> CurveGrid::make(
    const UserMapping& mapping, std::span<const double> samples, double pointSign)
{
    CurveGrid grid(mapping, samples, pointSign);
    if (!grid.findColumns() || !grid.findRowPoints())
        return std::nullopt;
    grid.m_marks.assign(grid.blocks() * static_cast<std::size_t>(grid.m_height), 0);
    return grid;
}

bool CurveGrid::findColumns()
{
    const auto columnOf
        = [this](double x) { return static_cast<int>(m_mapping.pixelX(static_cast<float>(x))); };
    std::size_t at = 0;
    while (at < m_samples.size()) {
        const int column = columnOf(m_samples[at]);
        // Columns move monotonically with x, so the samples of this one are a run.
        const auto end = std::partition_point(m_samples.begin() + static_cast<std::ptrdiff_t>(at),
            m_samples.end(), [&](double x) { return columnOf(x) == column; });
        m_blockFirst.push_back(static_cast<std::uint32_t>(at));
        m_blockColumn.push_back(column);
        at = static_cast<std::size_t>(end - m_samples.begin());
    }
    m_blockFirst.push_back(static_cast<std::uint32_t>(m_samples.size()));
    return m_samples.size() >= fewestSamplesPerColumn * m_blockColumn.size();
}

bool CurveGrid::findRowPoints()
{
    m_rowY.resize(static_cast<std::size_t>(m_height));
    const double unitsPerRow = (m_mapping.bottom() - m_mapping.top()) / m_height;
    for (int row = 0; row < m_height; ++row) {
        bool found = false;
        for (const double within : rowProbes) {
            const float y = toFloat(m_mapping.top() + (row + within) * unitsPerRow);
            if (m_mapping.row(y) == row) {
                m_rowY[static_cast<std::size_t>(row)] = y;
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

std::size_t CurveGrid::blockOf(std::size_t index) const
{
    return static_cast<std::size_t>(
        std::upper_bound(m_blockFirst.begin(), m_blockFirst.end(), index) - m_blockFirst.begin()
        - 1);
}

bool CurveGrid::rowsGrow() const
{
    return m_mapping.pixelY(toFloat(m_pointSign)) > m_mapping.pixelY(0.0f);
}

int CurveGrid::rowOf(double sum) const
{
    const double p = m_mapping.pixelY(toFloat(m_pointSign * sum));
    if (!(p >= 0.0))
        return -1;
    if (p >= static_cast<double>(m_height))
        return m_height;
    return static_cast<int>(p);
}

bool CurveGrid::marked(std::size_t block, int row) const
{
    return m_marks[block * static_cast<std::size_t>(m_height) + static_cast<std::size_t>(row)] != 0;
}

void CurveGrid::mark(std::size_t block, int row)
{
    if (row >= 0 && row < m_height)
        m_marks[block * static_cast<std::size_t>(m_height) + static_cast<std::size_t>(row)] = 1;
}

void CurveGrid::markRows(std::size_t block, int from, int to)
{
    for (int row = std::max(from, 0); row <= std::min(to, m_height - 1); ++row)
        mark(block, row);
}

bool CurveGrid::allMarked(std::size_t block, int from, int to) const
{
    for (int row = std::max(from, 0); row <= std::min(to, m_height - 1); ++row) {
        if (!marked(block, row))
            return false;
    }
    return true;
}

void CurveGrid::addPoints(CurvePoints& points) const
{
    for (std::size_t block = 0; block < blocks(); ++block) {
        const float x = static_cast<float>(m_samples[m_blockFirst[block]]);
        for (int row = 0; row < m_height; ++row) {
            if (marked(block, row)) {
                points.xs.push_back(x);
                points.ys.push_back(m_rowY[static_cast<std::size_t>(row)]);
            }
        }
    }
}

} // namespace fourier
