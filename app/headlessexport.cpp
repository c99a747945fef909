// SPDX-License-Identifier: MIT
#include "headlessexport.h"

#include "commandline.h"
#include "controls.h"
#include "echo.h"
#include "lessonfile.h"
#include "pictureexport.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace fourier {

namespace {

/// A form with nobody in front of it: the lesson's steps bring their own texts, their messages
/// are hidden, and nobody is there to cancel.
class HeadlessForm final : public FormContext {
public:
    explicit HeadlessForm(PlotSurface& surface)
        : m_surface(surface)
    {
    }

    std::string T1Text() const override { return {}; }
    std::string T2Text() const override { return {}; }
    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view) override { }
    bool reportProgress(double) override { return true; }

private:
    PlotSurface& m_surface;
};

int fail(const QString& message)
{
    std::fputs(
        qPrintable(QCoreApplication::applicationName() + QStringLiteral(": ") + message + u'\n'),
        stderr);
    return EXIT_FAILURE;
}

} // namespace

int exportLesson(const CommandLine& line)
{
    // Whatever runs out of memory, the lesson being read, the picture being drawn or the file
    // being made, is given back before the message is written; nothing reaches the disk.
    QString failure;
    try {
        const LessonReading reading = readLessonFile(line.lesson);
        if (!reading.error.isEmpty()) {
            return fail(
                QCoreApplication::translate("CommandLine", "the lesson %1 could not be opened: %2")
                    .arg(shownPath(line.lesson), reading.error));
        }
        // The command line let only the three endings through.
        const ExportFormat format = exportFormatOf(line.exportPath).value_or(ExportFormat::Png);
        ExportPicture picture(format, line.exportSize, windowFont());
        HeadlessForm form(picture.surface());
        drawSteps(form, reading.steps, picture.surface());
        failure = picture.write(line.exportPath);
    } catch (const std::exception& thrown) {
        failure = exportFailure(thrown);
    }
    if (!failure.isEmpty()) {
        return fail(QCoreApplication::translate(
            "CommandLine", "the picture could not be exported as %1: %2")
                        .arg(shownPath(line.exportPath), failure));
    }
    return EXIT_SUCCESS;
}

} // namespace fourier
