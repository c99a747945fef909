// SPDX-License-Identifier: MIT
// Presses the window's six buttons in an order, and with texts in T1 and T2, that the input
// chooses, drawing on a real image surface, and checks after every press what a user can rely
// on: the right messages, nothing drawn before a scale was accepted, Clear leaves a blank area,
// a cancelled plot leaves no curve behind, a plot that ran shows its curve.

#include "catalogue.h"
#include "commands.h"
#include "frame.h"
#include "imagesurface.h"
#include "pixels.h"
#include "plotarea.h"
#include "val.h"

#include <QGuiApplication>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_view_literals;
using Clock = std::chrono::steady_clock;
using fourier::testing::countColour;
using fourier::testing::gainedColour;

/// How long a plot may go on reporting progress before the form cancels it, as a user would.
/// A plot that does not stop soon after, at any number of terms, runs into the fuzzer's timeout.
constexpr auto plotBudget = std::chrono::milliseconds(100);

/// Texts a user might well type, and texts at the edges of what the commands accept.
/// NUL is written \000 so that a digit after it stays a digit of its own.
constexpr std::string_view interestingTexts[] = { "0"sv, "-0"sv, "4"sv, "10"sv, "1"sv, "2"sv,
    "2.5"sv, "1.999"sv, "3"sv, "7"sv, "100"sv, "1000"sv, "100000"sv, "-1"sv, "-4"sv, "-10"sv,
    "-20"sv, "-20.5"sv, "20"sv, "20.5"sv, "19.9999"sv, "20.000001"sv, "0.5"sv, "0.01"sv, "1e-3"sv,
    "1e-30"sv, "1e-38"sv, "1e-45"sv, "-1e-45"sv, "1.4e-45"sv, "1e-300"sv, "3.4028235e38"sv,
    "3.4028236e38"sv, "1e38"sv, "1e39"sv, "-1e39"sv, "1e308"sv, "1e309"sv, "-1e309"sv,
    "1e999999999999"sv, "123456789"sv, "4294967296"sv, "&H14"sv, "&h0A"sv, "&HFFFFFFFF"sv,
    "&HFFFFFFFFFFFFFFFFFFFF"sv, "&O24"sv, "&o17"sv, "&O777777777777777777777"sv, "&H"sv, "&"sv,
    "&X5"sv, "\0005"sv, "5\0005"sv, " 1 0 "sv, "\t-\n5"sv, "1,5"sv, "1.5.5"sv, "1e"sv, "1e+"sv,
    "-.5"sv, "."sv, "+"sv, "-"sv, "abc"sv, "inf"sv, "nan"sv, "0x10"sv, ""sv, " "sv, "５"sv, "٣"sv,
    "á10"sv, "\xFF\xFE"sv, "\r10"sv };

/// What a button does, as far as the checks below need to know.
enum class Kind { Clear, Curve, Series };

/// One button of the window.
struct Button {
    const char* name;
    void (*click)(fourier::FormContext&);
    Kind kind;
    /// The colour only this button's curve is drawn in, if it has one of its own.
    std::optional<fourier::Colour> curveColour;
    /// From this scale on the curve is sure to cross the area, at points where sample
    /// spacing and rounding cannot push it out.
    double leastScaleShowingCurve;
};

const Button buttons[] = {
    { "Command1_Click (Clear)", fourier::Command1_Click, Kind::Clear, std::nullopt, 0.0 },
    // Crosses the origin.
    { "Command2_Click (Sin x)", fourier::Command2_Click, Kind::Curve,
        fourier::commandRow(fourier::StepCommand::Sin).colour, 0.01 },
    // Drawn in the colour of the axes: whether it shows cannot be told apart.
    { "Command3_Click (Cos x)", fourier::Command3_Click, Kind::Curve, std::nullopt, 0.0 },
    // Crosses the origin.
    { "Ejecutar_Click (square)", fourier::Ejecutar_Click, Kind::Series,
        fourier::commandRow(fourier::StepCommand::Square).colour, 0.01 },
    // Crosses zero at x = pi/2.
    { "Command4_Click (triangle)", fourier::Command4_Click, Kind::Series,
        fourier::commandRow(fourier::StepCommand::Triangle).colour, 2.0 },
    // Crosses the origin.
    { "Command5_Click (sawtooth)", fourier::Command5_Click, Kind::Series,
        fourier::commandRow(fourier::StepCommand::Sawtooth).colour, 0.01 },
};

/// The text as a C string literal would show it.
std::string shown(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            out.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out + "\"";
}

/// A window that answers the commands like a user who reads every message and cancels any
/// plot that takes longer than plotBudget.
class FuzzForm final : public fourier::FormContext {
public:
    explicit FuzzForm(fourier::PlotSurface& pic)
        : m_pic(pic)
    {
    }

    std::string T1Text() const override { return t1; }
    std::string T2Text() const override { return t2; }
    fourier::PlotSurface& Pic() override { return m_pic; }
    void MsgBox(std::string_view text) override { messages.emplace_back(text); }
    bool reportProgress(double fraction) override
    {
        if (!(fraction >= 0.0 && fraction <= 1.0))
            badFraction = fraction;
        if (Clock::now() - m_started > plotBudget)
            cancelled = true;
        return !cancelled;
    }

    /// Forgets what the previous command said and starts its clock.
    void startCommand()
    {
        messages.clear();
        cancelled = false;
        badFraction.reset();
        m_started = Clock::now();
    }

    std::string t1 = "4";
    std::string t2 = "10";
    std::vector<std::string> messages;
    bool cancelled = false;
    std::optional<double> badFraction;

private:
    fourier::PlotSurface& m_pic;
    Clock::time_point m_started;
};

std::string pickText(FuzzedDataProvider& fdp)
{
    const auto interesting = [&fdp] {
        return std::string(interestingTexts[fdp.ConsumeIntegralInRange<std::size_t>(
            0, std::size(interestingTexts) - 1)]);
    };
    switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0:
    case 1:
        return interesting();
    case 2:
        return interesting() + fdp.ConsumeRandomLengthString(8);
    default:
        return fdp.ConsumeRandomLengthString(24);
    }
}

/// Checks what holds after \a button was pressed; \a before is the picture before the press.
/// Returns what went wrong, or nothing.
std::optional<std::string> check(const Button& button, const FuzzForm& form,
    const fourier::ImageSurface& surface, const QImage& before)
{
    const QImage& image = surface.image();
    if (image.width() != fourier::plotAreaWidth || image.height() != fourier::plotAreaHeight)
        return "the picture changed size";
    if (form.badFraction)
        return "progress reported outside 0 to 1: " + std::to_string(*form.badFraction);

    const double scaleTyped = fourier::Val(form.t2);
    const double count = fourier::Val(form.t1);
    std::vector<std::string> expected;
    if (button.kind != Kind::Clear && scaleTyped > fourier::largestScale)
        expected.emplace_back(fourier::scaleMessage);
    if (button.kind == Kind::Series && count <= 0.0)
        expected.emplace_back(fourier::noSignalMessage);
    if (form.messages != expected) {
        std::string said;
        for (const auto& message : form.messages)
            said += "\n    " + shown(message);
        return "the messages shown were not the ones due:" + (said.empty() ? " none" : said);
    }

    const QRgb background = fourier::toQRgb(fourier::ImageSurface::background);
    const auto pixels = static_cast<std::size_t>(image.width()) * image.height();
    const fourier::UserMapping& mapping = surface.mapping();
    if ((button.kind == Kind::Clear || !mapping.isUserScale())
        && countColour(image, background) != pixels)
        return mapping.isUserScale() ? "Clear left something in the picture"
                                     : "something was drawn before any scale was accepted";

    if (!button.curveColour)
        return std::nullopt;
    const QRgb curve = fourier::toQRgb(*button.curveColour);
    if (form.cancelled && gainedColour(before, image, curve))
        return "a cancelled plot left points of its curve";
    const double scale = std::fabs(mapping.right());
    const bool drawn
        = mapping.isUserScale() && !form.cancelled && (button.kind != Kind::Series || count > 0.0);
    // With many terms a series is near its ideal wave, which for a wave that jumps at 0 keeps
    // away from the axis on either side, the sum's rise across the jump narrowing as 1/n: from
    // a thousand terms it may pass between the samples, and in a small view the rest of the
    // curve lies wholly outside.
    const fourier::Wave* wave = nullptr;
    for (const fourier::CommandRow& row : fourier::commandCatalogue) {
        if (row.click == button.click)
            wave = row.wave;
    }
    constexpr double riseBetweenSamples = 1000;
    const bool mayLieOutside = fourier::termCount(count) >= riseBetweenSamples && wave
        && wave->jumpSpacing > 0.0 && scale < 2 * wave->limitBound;
    if (drawn && !mayLieOutside && scale >= button.leastScaleShowingCurve
        && scale <= fourier::largestScale && countColour(image, curve) == 0)
        return "the curve is missing at scale " + std::to_string(mapping.right());
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static_cast<void>(argc);
    static_cast<void>(argv);
    // Printing numbers needs a GUI application; this one has no screen. It gets arguments of
    // its own so that it cannot take any of the fuzzer's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_commands";
    static char* qtArgv[] = { name, nullptr };
    static QGuiApplication application(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    fourier::ImageSurface surface(fourier::plotAreaWidth, fourier::plotAreaHeight);
    FuzzForm form(surface);
    std::string history;
    for (int presses = fdp.ConsumeIntegralInRange(1, 3); presses > 0; --presses) {
        const Button& button
            = buttons[fdp.ConsumeIntegralInRange<std::size_t>(0, std::size(buttons) - 1)];
        if (fdp.ConsumeBool())
            form.t1 = pickText(fdp);
        if (fdp.ConsumeBool())
            form.t2 = pickText(fdp);
        history += "\n  T1 = " + shown(form.t1) + ", T2 = " + shown(form.t2) + ", " + button.name;

        const QImage before = surface.image();
        form.startCommand();
        button.click(form);
        if (const auto failure = check(button, form, surface, before)) {
            std::fprintf(stderr, "%s\nafter:%s\n", failure->c_str(), history.c_str());
            std::abort();
        }
    }
    return 0;
}
