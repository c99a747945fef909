// SPDX-License-Identifier: MIT
#pragma once

#include "formcontext.h"

#include <functional>
#include <string>
#include <vector>

namespace fourier::testing {

/// A form for commands run in tests: texts set by the test, messages collected instead of shown,
/// progress answered by a callback the test chooses.
class FakeForm final : public FormContext {
public:
    explicit FakeForm(PlotSurface& surface, std::string text1 = "4", std::string text2 = "10")
        : t1(std::move(text1))
        , t2(std::move(text2))
        , m_surface(surface)
    {
    }

    std::string T1Text() const override { return t1; }
    std::string T2Text() const override { return t2; }
    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view text) override { messages.emplace_back(text); }
    bool reportProgress(double fraction) override
    {
        ++progressReports;
        return onProgress ? onProgress(fraction) : true;
    }

    std::string t1;
    std::string t2;
    std::vector<std::string> messages;
    int progressReports = 0;
    /// Answers each progress report; none means "go on".
    std::function<bool(double)> onProgress;

private:
    PlotSurface& m_surface;
};

} // namespace fourier::testing
