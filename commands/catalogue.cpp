// SPDX-License-Identifier: MIT
#include "catalogue.h"

#include <charconv>

namespace fourier {

namespace {

/// The curve \a description tells of, or nothing when it is the note of no curve.
std::optional<PictureCurve> curveDescribedBy(const Phrase& description)
{
    for (const CommandRow& row : commandCatalogue) {
        if (!row.wave
            || (description.pattern != row.description.oneTerm
                && description.pattern != row.description.terms))
            continue;
        if (!row.series)
            return PictureCurve { row.command, 1.0, description };
        // The count is written as the whole number of terms the sum has, every digit of it.
        if (description.arguments.empty())
            return std::nullopt;
        const std::string& count = description.arguments.front();
        double terms = 0.0;
        const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), terms);
        if (error != std::errc() || end != count.data() + count.size())
            return std::nullopt;
        return PictureCurve { row.command, terms, description };
    }
    return std::nullopt;
}

} // namespace

std::optional<StepCommand> commandNamed(std::string_view word)
{
    for (const CommandRow& row : commandCatalogue) {
        if (row.word == word)
            return row.command;
    }
    return std::nullopt;
}

std::vector<PictureCurve> curvesOn(const PlotSurface& pic)
{
    std::vector<PictureCurve> curves;
    for (const Phrase& description : pic.curveDescriptions()) {
        if (std::optional<PictureCurve> curve = curveDescribedBy(description))
            curves.push_back(std::move(*curve));
    }
    return curves;
}

std::optional<PictureCurve> newestCurve(const PlotSurface& pic)
{
    const std::vector<Phrase> descriptions = pic.curveDescriptions();
    for (auto it = descriptions.rbegin(); it != descriptions.rend(); ++it) {
        if (std::optional<PictureCurve> curve = curveDescribedBy(*it))
            return curve;
    }
    return std::nullopt;
}

} // namespace fourier
