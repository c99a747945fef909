// SPDX-License-Identifier: MIT
#include "coretexts.h"

#include "catalogue.h"
#include "commands.h"
#include "frame.h"
#include "readout.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <string>

namespace fourier {

namespace {

// The commands know no Qt, so their texts are written out again here for lupdate to find, and
// the compiler checks that each is the commands' very text.

constexpr std::array<std::string_view, 3> messages {
    QT_TRANSLATE_NOOP("Messages", "The value of the Scale Must be less than 20."),
    QT_TRANSLATE_NOOP("Messages", "No Signal Available"),
    //: Said when the ideal wave is asked for and no curve has been drawn since the last Clear.
    QT_TRANSLATE_NOOP("Messages", "Draw a curve first."),
};
static_assert(messages == std::array { scaleMessage, noSignalMessage, noCurveMessage },
    "a message of the commands is not in the table lupdate reads");

constexpr std::array<std::string_view, 8> curveWordings {
    //: What screen readers say of the curve: %1 is the scale.
    QT_TRANSLATE_NOOP("Curve", "y = 4 sin x, scale %1"),
    QT_TRANSLATE_NOOP("Curve", "y = 4 cos x, scale %1"),
    //: What screen readers say of the curve: %1 is the number of terms, %2 the scale.
    QT_TRANSLATE_NOOP("Curve", "Square series, %1 term, scale %2"),
    QT_TRANSLATE_NOOP("Curve", "Square series, %1 terms, scale %2"),
    QT_TRANSLATE_NOOP("Curve", "Triangle series, %1 term, scale %2"),
    QT_TRANSLATE_NOOP("Curve", "Triangle series, %1 terms, scale %2"),
    QT_TRANSLATE_NOOP("Curve", "Sawtooth series, %1 term, scale %2"),
    QT_TRANSLATE_NOOP("Curve", "Sawtooth series, %1 terms, scale %2"),
};

constexpr std::array<std::string_view, 5> idealWordings {
    //: What screen readers say of the ideal wave drawn behind a curve: %1 is the scale.
    QT_TRANSLATE_NOOP("Curve", "Ideal wave of y = 4 sin x, scale %1"),
    QT_TRANSLATE_NOOP("Curve", "Ideal wave of y = 4 cos x, scale %1"),
    QT_TRANSLATE_NOOP("Curve", "Ideal square wave, scale %1"),
    QT_TRANSLATE_NOOP("Curve", "Ideal triangle wave, scale %1"),
    QT_TRANSLATE_NOOP("Curve", "Ideal sawtooth wave, scale %1"),
};

/// The context the menu's names of the steps are translated in.
constexpr const char* stepNameContext = "fourier::PictureActions";
constexpr std::array<std::string_view, 10> stepNames {
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Sin x"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Cos x"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Clear"),
    //: A step as the menu names it, as in "Undo Square Series, 10 terms": %1 is the count.
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Square Series, %1 term"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Square Series, %1 terms"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Triangular Series, %1 term"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Triangular Series, %1 terms"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Sawtooth Series, %1 term"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Sawtooth Series, %1 terms"),
    QT_TRANSLATE_NOOP("fourier::PictureActions", "Ideal Wave"),
};
/// Whether \a table holds, in order, each text of the catalogue's rows that \a part picks,
/// both forms of each, the one form of those that have one, and none of a row without it.
template <std::size_t size>
consteval bool listsCatalogue(
    const std::array<std::string_view, size>& table, CountedText CommandRow::*part)
{
    std::size_t at = 0;
    const auto next = [&](std::string_view text) { return at < size && table[at++] == text; };
    for (const CommandRow& row : commandCatalogue) {
        const CountedText& text = row.*part;
        if (text.oneTerm.empty())
            continue;
        if (!next(text.oneTerm) || (text.terms != text.oneTerm && !next(text.terms)))
            return false;
    }
    return at == size;
}

/// Whether \a table holds, in order, the text of every row of the catalogue that has one in
/// \a part.
template <std::size_t size>
consteval bool listsCatalogue(
    const std::array<std::string_view, size>& table, std::string_view CommandRow::*part)
{
    std::size_t at = 0;
    for (const CommandRow& row : commandCatalogue) {
        if ((row.*part).empty())
            continue;
        if (at == size || table[at++] != row.*part)
            return false;
    }
    return at == size;
}

static_assert(listsCatalogue(curveWordings, &CommandRow::description),
    "a curve's wording is not in the table lupdate reads");
static_assert(listsCatalogue(stepNames, &CommandRow::menuName),
    "a step's name in the menu is not in the table lupdate reads");
static_assert(listsCatalogue(idealWordings, &CommandRow::idealDescription),
    "an ideal wave's wording is not in the table lupdate reads");

constexpr std::array<std::string_view, 3> readoutLines {
    //: What the plot area reads under the pointer or the probe before any scale is set.
    QT_TRANSLATE_NOOP("Readout", "Nothing to read yet: type a scale and click a button to draw."),
    //: The point read in the plot area: %1 is x, %2 the same x as a multiple of pi.
    QT_TRANSLATE_NOOP("Readout", "x = %1 (%2\u03c0)"),
    //: The point read in the plot area: %1 is y.
    QT_TRANSLATE_NOOP("Readout", "y = %1"),
};
static_assert(readoutLines == std::array { readoutHint, readoutX, readoutY },
    "a line of the readout is not in the table lupdate reads");

QString translated(const char* context, const Phrase& phrase)
{
    const QString pattern = QCoreApplication::translate(context, phrase.pattern.c_str());
    return QString::fromStdString(Phrase::filledIn(pattern.toStdString(), phrase.arguments));
}

} // namespace

QString translatedMessage(std::string_view text)
{
    return QCoreApplication::translate("Messages", std::string(text).c_str());
}

QString translatedStepName(StepCommand command, bool oneTerm)
{
    const std::string name(commandRow(command).menuName.forTerms(oneTerm));
    return QCoreApplication::translate(stepNameContext, name.c_str());
}

QString translatedDescription(const Phrase& description)
{
    return translated("Curve", description);
}

QString translatedReadoutLine(const Phrase& line)
{
    const bool own
        = std::find(readoutLines.begin(), readoutLines.end(), line.pattern) != readoutLines.end();
    return translated(own ? "Readout" : "Curve", line);
}

} // namespace fourier
