// SPDX-License-Identifier: MIT
#pragma once

#include "plotarea.h"
#include "plotsurface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fourier::testing {

/// One call made on a RecordingSurface.
struct Call {
    enum class Op { Scale, Cls, Line, PSet, PSetBehind, CurrentX, CurrentY, Print };
    Op op;
    float a = 0;
    float b = 0;
    float c = 0;
    float d = 0;
    int value = 0;
    Colour colour {};
    friend bool operator==(const Call&, const Call&) = default;
};

/// A plot surface that keeps the calls made on it, in order, and keeps the coordinate system
/// as a real surface of the same size would.
class RecordingSurface final : public PlotSurface {
public:
    RecordingSurface(int width = plotAreaWidth, int height = plotAreaHeight)
        : m_mapping(UserMapping::initial(width, height))
        , m_width(width)
        , m_height(height)
    {
    }

    bool Scale(float x1, float y1, float x2, float y2) override
    {
        calls.push_back({ Call::Op::Scale, x1, y1, x2, y2 });
        const auto mapping = UserMapping::fromEdges(m_width, m_height, x1, y1, x2, y2);
        if (mapping)
            m_mapping = *mapping;
        return mapping.has_value();
    }
    void Cls() override
    {
        calls.push_back({ Call::Op::Cls });
        descriptions.clear();
    }
    void Line(float x1, float y1, float x2, float y2) override
    {
        calls.push_back({ Call::Op::Line, x1, y1, x2, y2 });
    }
    void PSet(float x, float y, Colour colour) override
    {
        calls.push_back({ Call::Op::PSet, x, y, 0, 0, 0, colour });
    }
    /// Each point is one call: which pixels it sets depends on a picture this surface does not
    /// keep.
    void PSetBehind(std::span<const float> xs, std::span<const float> ys, Colour colour) override
    {
        for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i)
            calls.push_back({ Call::Op::PSetBehind, xs[i], ys[i], 0, 0, 0, colour });
    }
    void CurrentX(float x) override { calls.push_back({ Call::Op::CurrentX, x }); }
    void CurrentY(float y) override { calls.push_back({ Call::Op::CurrentY, y }); }
    void Print(int value) override { calls.push_back({ Call::Op::Print, 0, 0, 0, 0, value }); }
    const UserMapping& mapping() const override { return m_mapping; }
    void describeCurve(const Phrase& description) override { descriptions.push_back(description); }
    std::vector<Phrase> curveDescriptions() const override { return descriptions; }

    /// Its state is every call made so far, with the notes and the coordinate system.
    std::unique_ptr<const SurfaceState> saveState() const override
    {
        return std::make_unique<State>(*this);
    }
    void restoreState(const SurfaceState& state) override
    {
        const auto& saved = dynamic_cast<const State&>(state);
        calls = saved.calls;
        descriptions = saved.descriptions;
        m_mapping = saved.mapping;
    }

    /// How many calls of \a op were made.
    std::size_t count(Call::Op op) const
    {
        std::size_t n = 0;
        for (const Call& call : calls)
            n += call.op == op ? 1 : 0;
        return n;
    }

    std::vector<Call> calls;
    /// The curves noted since the last Cls.
    std::vector<Phrase> descriptions;

private:
    struct State final : SurfaceState {
        explicit State(const RecordingSurface& surface)
            : calls(surface.calls)
            , descriptions(surface.descriptions)
            , mapping(surface.m_mapping)
        {
        }
        std::size_t bytes() const override { return sizeof *this + calls.size() * sizeof(Call); }
        std::vector<Call> calls;
        std::vector<Phrase> descriptions;
        UserMapping mapping;
    };

    UserMapping m_mapping;
    int m_width;
    int m_height;
};

} // namespace fourier::testing
