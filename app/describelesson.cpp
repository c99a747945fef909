// SPDX-License-Identifier: MIT
#include "describelesson.h"

#include "commandline.h"
#include "curvefacts.h"
#include "echo.h"
#include "imagesurface.h"
#include "lessonfile.h"
#include "pictureexport.h"
#include "plotarea.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace fourier {

namespace {

/// A window with nobody in front of it, which goes on to the end: the lesson's steps bring their
/// own texts, and their messages are not shown.
class QuietWindow final : public CommandWindow {
public:
    explicit QuietWindow(PlotSurface& surface)
        : m_surface(surface)
    {
    }

    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view) override { }
    bool reportProgress(double) override { return true; }

private:
    PlotSurface& m_surface;
};

/// \a text as a JSON string, quotes included; every other character stays as it is.
QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

/// \a value as a JSON number, the shortest that reads back as the very same double; null for
/// one that is not finite.
QString jsonNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    std::array<char, 32> digits {};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return QString::fromLatin1(digits.data(), end - digits.data());
}

} // namespace

QString describedCurves(std::span<const PictureCurve> curves)
{
    QString text;
    for (const PictureCurve& curve : curves) {
        const CurveFacts facts(curve);
        text += facts.description() + u'\n';
        for (const CurveFacts::Number& number : facts.numberLines())
            text += QStringLiteral("    ") + number.name + QStringLiteral(": ") + number.value
                + u'\n';
    }
    return text;
}

QString curvesAsJson(std::span<const PictureCurve> curves)
{
    QString json = QStringLiteral("{\"curves\": [");
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const CurveFacts facts(curves[i]);
        const CurveNumbers& numbers = facts.numbers();
        json += i == 0 ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        json += QStringLiteral("\"description\": ") + jsonString(facts.description());
        json += QStringLiteral(", \"wave\": ")
            + jsonString(QString::fromLatin1(
                facts.row().word.data(), static_cast<qsizetype>(facts.row().word.size())));
        json += QStringLiteral(", \"terms\": ")
            + QString::number(static_cast<qulonglong>(curves[i].terms));
        json += QStringLiteral(", \"overshoot\": ");
        if (const std::optional<Overshoot>& overshoot = numbers.overshoot) {
            json += QStringLiteral("{\"x\": %1, \"value\": %2, \"percent\": %3}")
                        .arg(jsonNumber(overshoot->x), jsonNumber(overshoot->value),
                            jsonNumber(overshoot->percent));
        } else {
            json += QStringLiteral("null");
        }
        json += QStringLiteral(", \"maxError\": ");
        if (const std::optional<LargestError>& largest = numbers.largestError) {
            json += QStringLiteral("{\"x\": %1, \"value\": %2}")
                        .arg(jsonNumber(largest->x), jsonNumber(largest->error));
        } else {
            json += QStringLiteral("null");
        }
        json += QStringLiteral(", \"rmsError\": ") + jsonNumber(numbers.rmsError) + u'}';
    }
    json += curves.empty() ? QStringLiteral("]}\n") : QStringLiteral("\n]}\n");
    return json;
}

int describeLesson(const CommandLine& line)
{
    QString text;
    try {
        const LessonReading reading = readLessonFile(line.lesson);
        if (!reading.error.isEmpty()) {
            return failWithLine(
                QCoreApplication::translate("CommandLine", "the lesson %1 could not be opened: %2")
                    .arg(shownPath(line.lesson), reading.error));
        }
        // The curves are those of the picture the window would show, drawn at its size.
        ImageSurface surface(plotAreaWidth, plotAreaHeight);
        QuietWindow window(surface);
        drawSteps(window, reading.steps, surface);
        const std::vector<PictureCurve> curves = curvesOn(surface);
        text = line.json ? curvesAsJson(curves) : describedCurves(curves);
    } catch (const std::bad_alloc&) {
        return failWithLine(QCoreApplication::translate(
            "CommandLine", "the lesson %1 could not be described: not enough memory")
                                .arg(shownPath(line.lesson)));
    }
    return printToStandardOutput(text);
}

} // namespace fourier
