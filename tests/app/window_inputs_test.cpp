// SPDX-License-Identifier: MIT
#include "commands.h"
#include "form1.h"
#include "frame.h"
#include "modaldismisser.h"
#include "picturebox.h"
#include "pixels.h"

#include <QLineEdit>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <string>
#include <vector>

// g++ says AddressSanitizer is on with a macro, clang++ with __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define FOURIER_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FOURIER_ADDRESS_SANITIZER
#endif
#endif

namespace fourier {
namespace {

using testing::ModalDismisser;

constexpr std::string_view scaleMessageText = scaleMessage;
constexpr std::string_view noSignalText = noSignalMessage;

/// What a text typed into a box should lead to.
struct TypedText {
    std::string label;
    std::string text;
    /// As the scale: refused with the message (above 20).
    bool scaleTooLarge;
    /// As the scale, on a fresh window: a coordinate system is set and the frame drawn.
    bool scaleDraws;
    /// As the number of terms: "No Signal Available" (0 or less). Any other count is drawn at
    /// once, up to the largest double and infinity, the series' limit.
    bool noSignal;
};

std::vector<TypedText> typedTexts()
{
    return {
        { "empty", "", false, false, true },
        { "blank", " ", false, false, true },
        { "letters", "abc", false, false, true },
        { "minus", "-", false, false, true },
        { "plus", "+", false, false, true },
        { "point", ".", false, false, true },
        { "exponent only", "e5", false, false, true },
        { "exponent without digits", "1e", false, true, false },
        { "overflow", "1e999", true, false, false },
        { "negative overflow", "-1e999", false, false, true },
        { "underflow", "1e-999", false, false, true },
        { "smallest float", "1e-45", false, true, false },
        { "largest float", "3.4e38", true, false, false },
        { "2 to the 53", "9007199254740992", true, false, false },
        { "a billion billion", "1e18", true, false, false },
        { "beyond float", "-3.4e39", false, false, true },
        { "hex prefix only", "&H", false, false, true },
        { "hex 32 bits", "&HFFFFFFFF", true, false, false },
        { "hex 64 bits", "&HFFFFFFFFFFFFFFFF", true, false, false },
        { "hex 1200 bits", "&H" + std::string(300, 'F'), true, false, false },
        { "octal 36 bits", "&O777777777777", true, false, false },
        { "nan", "nan", false, false, true },
        { "inf", "inf", false, false, true },
        { "C hex", "0x10", false, false, true },
        { "full-width digits", "\xEF\xBC\x91\xEF\xBC\x90", false, false, true },
        { "Arabic-Indic digits", "\xD9\xA1\xD9\xA0", false, false, true },
        { "right-to-left", "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", false, false, true },
        { "embedded NUL",
            std::string("5\0"
                        "7",
                3),
            false, true, false },
        { "a million digits", std::string(1'000'000, '7'), true, false, false },
    };
}

struct Button {
    const char* name;
    void (Form1::*click)();
    bool isSeries;
};

const Button buttons[] = {
    { "Clear", &Form1::Command1_Click, false },
    { "Sin x", &Form1::Command2_Click, false },
    { "Cos x", &Form1::Command3_Click, false },
    { "Square", &Form1::Ejecutar_Click, true },
    { "Triangle", &Form1::Command4_Click, true },
    { "Sawtooth", &Form1::Command5_Click, true },
};

void setTexts(Form1& form, const std::string& t1, const std::string& t2)
{
    form.findChild<QLineEdit*>(QStringLiteral("T1"))->setText(QString::fromStdString(t1));
    form.findChild<QLineEdit*>(QStringLiteral("T2"))->setText(QString::fromStdString(t2));
}

const QImage& picture(Form1& form)
{
    return form.pictureBox().surface().image();
}

bool isBlank(const QImage& image)
{
    return testing::isAll(image, testing::white);
}

/// Whether the sine's crest at x = pi/2 shows in its colour, after Clear and Sin x at scale 10.
bool drawsSine(Form1& form)
{
    setTexts(form, "4", "10");
    form.Command1_Click();
    form.Command2_Click();
    const auto& mapping = form.pictureBox().surface().mapping();
    const auto column = mapping.column(static_cast<float>(std::numbers::pi / 2));
    const auto row = mapping.row(4.0f);
    return column && row && picture(form).pixel(*column, *row) == qRgb(0, 0, 128);
}

/// What one button press on a fresh window led to.
struct Outcome {
    std::vector<std::string> messages;
    int progressDialogs = 0;
    bool blank = true;
    std::size_t curves = 0;
    bool usableAfterwards = false;
};

/// Presses \a button on a fresh window; with \a thenSine, checks afterwards that Sin x still draws.
Outcome pressOnFreshWindow(
    const Button& button, const std::string& t1, const std::string& t2, bool thenSine)
{
    Form1 form;
    ModalDismisser dismisser;
    setTexts(form, t1, t2);
    (form.*button.click)();
    Outcome outcome { dismisser.messages, dismisser.progressDialogsSeen, isBlank(picture(form)),
        form.pictureBox().surface().curveDescriptions().size() };
    outcome.usableAfterwards = !thenSine || drawsSine(form);
    return outcome;
}

std::vector<std::string> messageIf(bool shown, std::string_view text)
{
    return shown ? std::vector<std::string> { std::string(text) } : std::vector<std::string> {};
}

class TypedIntoScale : public ::testing::TestWithParam<TypedText> { };

TEST_P(TypedIntoScale, EveryButtonGivesItsDocumentedResult)
{
    const TypedText& typed = GetParam();
    for (const Button& button : buttons) {
        SCOPED_TRACE(button.name);
        const Outcome outcome
            = pressOnFreshWindow(button, "4", typed.text, &button == std::end(buttons) - 1);
        const bool plots = button.click != &Form1::Command1_Click;
        EXPECT_EQ(outcome.messages, messageIf(plots && typed.scaleTooLarge, scaleMessageText));
        EXPECT_EQ(outcome.blank, !(plots && typed.scaleDraws));
        EXPECT_TRUE(outcome.usableAfterwards);
    }
}

class TypedIntoTerms : public ::testing::TestWithParam<TypedText> { };

TEST_P(TypedIntoTerms, EveryButtonGivesItsDocumentedResult)
{
    const TypedText& typed = GetParam();
    for (const Button& button : buttons) {
        SCOPED_TRACE(button.name);
        const Outcome outcome
            = pressOnFreshWindow(button, typed.text, "10", &button == std::end(buttons) - 1);
        const bool plots = button.click != &Form1::Command1_Click;
        EXPECT_EQ(outcome.messages, messageIf(button.isSeries && typed.noSignal, noSignalText));
        EXPECT_EQ(outcome.progressDialogs, 0);
        const bool curveDrawn = plots && !(button.isSeries && typed.noSignal);
        EXPECT_EQ(outcome.curves, curveDrawn ? 1u : 0u);
        EXPECT_TRUE(outcome.usableAfterwards);
    }
}

std::string typedName(const ::testing::TestParamInfo<TypedText>& info)
{
    std::string name;
    for (const char c : info.param.label)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedIntoScale, ::testing::ValuesIn(typedTexts()), typedName);
INSTANTIATE_TEST_SUITE_P(Texts, TypedIntoTerms, ::testing::ValuesIn(typedTexts()), typedName);

/// The resident memory of this process, in bytes.
long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

struct StormCommand {
    std::size_t button;
    std::string t1;
    std::string t2;
};

TEST(ClickStorm, AThousandCommandsKeepMemoryFlatAndEndOnTheRightPicture)
{
    const std::vector<std::string> counts { "1", "2", "4", "7", "20", "0", "-3", "", "abc", "2.5" };
    const std::vector<std::string> scales { "10", "20", "5", "-10", "0", "25", "abc", "3", "0.5" };
    std::mt19937 random(20261209);
    const auto pick = [&random](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };

    Form1 form;
    // A plot slowed by a busy machine may show its progress dialog; it is left to finish.
    ModalDismisser dismisser(false);
    std::vector<StormCommand> sinceClear;
    std::string scaleAtClear;
    std::string lastAcceptedScale;
    long memorySettled = 0;
    constexpr int commands = 1000;
    for (int i = 1; i <= commands; ++i) {
        StormCommand command { std::uniform_int_distribution<std::size_t>(0, 5)(random),
            pick(counts), pick(scales) };
        setTexts(form, command.t1, command.t2);
        if (command.button == 0) {
            sinceClear.clear();
            scaleAtClear = lastAcceptedScale;
        }
        (form.*buttons[command.button].click)();
        if (command.button != 0) {
            sinceClear.push_back(command);
            const auto& mapping = form.pictureBox().surface().mapping();
            if (mapping.isUserScale()
                && mapping.right() == std::strtod(command.t2.c_str(), nullptr))
                lastAcceptedScale = command.t2;
        }
        // Measured once the history has long been full and the allocator has found its
        // footing, so that what grows after is what the commands keep.
        if (i == 300)
            memorySettled = residentBytes();
    }
    // Under AddressSanitizer freed memory waits in quarantine, so only a plain build can tell.
#if !defined(FOURIER_ADDRESS_SANITIZER)
    const long growth = residentBytes() - memorySettled;
    EXPECT_LT(growth, 2L * 1024 * 1024) << "resident memory grew by " << growth << " bytes";
#else
    static_cast<void>(memorySettled);
#endif

    // The same commands since the last Clear, on a fresh window at the same scale.
    Form1 fresh;
    if (!scaleAtClear.empty()) {
        setTexts(fresh, "1", scaleAtClear);
        fresh.Command2_Click();
    }
    fresh.Command1_Click();
    for (const StormCommand& command : sinceClear) {
        setTexts(fresh, command.t1, command.t2);
        (fresh.*buttons[command.button].click)();
    }
    EXPECT_TRUE(picture(fresh) == picture(form));
    EXPECT_EQ(fresh.pictureBox().surface().curveDescriptions(),
        form.pictureBox().surface().curveDescriptions());
}

} // namespace
} // namespace fourier
