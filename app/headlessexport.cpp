// SPDX-License-Identifier: MIT
#include "headlessexport.h"

#include "commandline.h"
#include "controls.h"
#include "dataexport.h"
#include "echo.h"
#include "imagesurface.h"
#include "lessonfile.h"
#include "lessonwindow.h"
#include "pictureexport.h"
#include "plotarea.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <span>
#include <unistd.h>

namespace fourier {

namespace {

using Clock = std::chrono::steady_clock;

/// The signals that stop an export: an interrupt from the terminal, and the polite request to
/// end that service managers and kill send.
constexpr std::array stopSignals { SIGINT, SIGTERM };

/// How often at most the line on the terminal is written again.
constexpr std::chrono::milliseconds terminalInterval { 100 };

// The stop signal that has arrived during the export, or 0: the program's one piece of mutable
// state at file scope, since a signal handler can reach nothing else, and can do next to nothing
// safely but store into a lock-free atomic. The drawing, which asks its form every
// progressInterval, reads it there and stops.
std::atomic<int> arrivedSignal { 0 };
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may not take a lock");

void noteStopSignal(int signal)
{
    arrivedSignal.store(signal, std::memory_order_relaxed);
}

/// While it lives, SIGINT and SIGTERM are only noted, so that the drawing stops at its next
/// report and nothing half-drawn is written. A signal that was ignored when the program started
/// (SIGINT, when a script starts it in the background) stays ignored.
class StopSignals {
public:
    StopSignals()
    {
        arrivedSignal.store(0);
        for (std::size_t i = 0; i < stopSignals.size(); ++i) {
            sigaction(stopSignals[i], nullptr, &m_previous[i]);
            if (m_previous[i].sa_handler == SIG_IGN)
                continue;
            struct sigaction noting { };
            noting.sa_handler = noteStopSignal;
            sigemptyset(&noting.sa_mask);
            // A read or write the signal comes in the middle of goes on as if nothing happened.
            noting.sa_flags = SA_RESTART;
            sigaction(stopSignals[i], &noting, nullptr);
        }
    }
    ~StopSignals() { restore(); }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    /// The signal that arrived, or 0.
    static int arrived() { return arrivedSignal.load(std::memory_order_relaxed); }

    /// Ends the program as \a signal would have ended it had it not been held back, so that a
    /// shell sees it was interrupted (status 128 + the signal's number, 130 for SIGINT and 143
    /// for SIGTERM) and a loop around the program stops too. Returns that status should the
    /// signal not end it.
    int endAsAsked(int signal)
    {
        restore();
        std::raise(signal);
        return 128 + signal;
    }

private:
    void restore()
    {
        for (std::size_t i = 0; i < stopSignals.size(); ++i)
            sigaction(stopSignals[i], &m_previous[i], nullptr);
    }

    std::array<struct sigaction, stopSignals.size()> m_previous {};
};

/// The line that tells someone at a terminal how far the export has got, "step 3 of 10, 42 %"
/// while the lesson is drawn and "values, 42 %" while a table of values is made, written over
/// itself; nothing when standard error is not a terminal, nor for an export quicker than the
/// window's progress dialog would be.
class TerminalProgress {
public:
    explicit TerminalProgress(std::size_t steps)
        : m_steps(steps)
        , m_terminal(isatty(STDERR_FILENO) == 1)
        , m_next(Clock::now() + progressDelay)
    {
    }
    ~TerminalProgress() { clear(); }
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    /// Shows \a fraction of the whole lesson done, unless it was shown a moment ago.
    void show(double fraction)
    {
        if (!m_terminal || m_steps == 0)
            return;
        const auto now = Clock::now();
        if (now < m_next)
            return;
        m_next = now + terminalInterval;
        const double done = std::clamp(fraction, 0.0, 1.0);
        const int percent = static_cast<int>(std::floor(done * 100.0));
        QString text;
        if (m_values) {
            text = QCoreApplication::translate("CommandLine", "values, %1 %").arg(percent);
        } else {
            const double steps = static_cast<double>(m_steps);
            const auto step = std::min(m_steps, static_cast<std::size_t>(done * steps) + 1);
            text = QCoreApplication::translate("CommandLine", "step %1 of %2, %3 %")
                       .arg(step)
                       .arg(m_steps)
                       .arg(percent);
        }
        if (text != m_text)
            write(text);
    }

    /// From now on the progress is that of a table of values.
    void showValues() { m_values = true; }

    /// Takes the line off the terminal, so that what follows starts on a clean line.
    void clear()
    {
        if (m_width > 0)
            write(QString());
    }

private:
    void write(const QString& text)
    {
        // Blanks over whatever of a longer line would be left.
        const QString line = text.leftJustified(m_width);
        std::fputs(
            qPrintable(u'\r' + line + (text.isEmpty() ? QStringLiteral("\r") : QString())), stderr);
        std::fflush(stderr);
        m_width = text.size();
        m_text = text;
    }

    std::size_t m_steps;
    bool m_terminal;
    Clock::time_point m_next;
    bool m_values = false;
    qsizetype m_width = 0;
    QString m_text;
};

/// How an export with nobody in front of it goes on: every progress report, each
/// progressInterval while a sum runs, after each step and after each point of a table, is where
/// it hears a stop signal, sees its time run out and shows how far it has got.
class ExportProgress {
public:
    ExportProgress(std::size_t steps, std::optional<double> timeLimit)
        : m_progress(steps)
        , m_timeLimit(timeLimit)
        , m_started(Clock::now())
    {
    }

    /// Whether the export goes on, having done \a fraction of its work.
    bool report(double fraction)
    {
        if (StopSignals::arrived() != 0)
            return false;
        if (m_timeLimit
            && std::chrono::duration<double>(Clock::now() - m_started).count() >= *m_timeLimit)
            return false;
        m_progress.show(fraction);
        return true;
    }

    /// From now on the work is a table of values.
    void showValues() { m_progress.showValues(); }
    /// Takes the progress line off the terminal.
    void end() { m_progress.clear(); }

private:
    TerminalProgress m_progress;
    std::optional<double> m_timeLimit;
    Clock::time_point m_started;
};

/// A window with nobody in front of it: the lesson's steps bring their own texts and their
/// messages are hidden; its progress reports go to the export's.
class HeadlessWindow final : public CommandWindow {
public:
    HeadlessWindow(PlotSurface& surface, ExportProgress& progress)
        : m_surface(surface)
        , m_progress(progress)
    {
    }

    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view) override { }
    bool reportProgress(double fraction) override { return m_progress.report(fraction); }

private:
    PlotSurface& m_surface;
    ExportProgress& m_progress;
};

/// What became of the work of an export: done (the file written, or why it could not be), or
/// stopped by a signal or the time limit, or given up since the picture shows no curve.
enum class Work { Done, Stopped, NoCurve };

/// Draws \a steps afresh as \a line asks and writes the picture, or in \a failure why not.
Work exportPicture(const CommandLine& line, std::span<const Step> steps, ExportProgress& progress,
    QString& failure)
{
    // The command line let only the three endings through.
    const ExportFormat format = exportFormatOf(line.exportPath).value_or(ExportFormat::Png);
    ExportPicture picture(format, line.exportSize, windowFont());
    HeadlessWindow form(picture.surface(), progress);
    if (!drawSteps(form, steps, picture.surface()))
        return Work::Stopped;
    progress.end();
    failure = picture.write(line.exportPath);
    return Work::Done;
}

/// Writes the curves \a steps leave in their picture as \a format, as \a line asks, or in
/// \a failure why not. The curves are those of the picture the window would show, drawn at its
/// size: their number, their counts and the x range come from it.
Work exportData(const CommandLine& line, DataFormat format, std::span<const Step> steps,
    ExportProgress& progress, QString& failure)
{
    const auto keepGoing = [&progress](double fraction) { return progress.report(fraction); };
    ImageSurface surface(plotAreaWidth, plotAreaHeight);
    HeadlessWindow form(surface, progress);
    if (!drawSteps(form, steps, surface))
        return Work::Stopped;
    if (curvesOn(surface).empty())
        return Work::NoCurve;
    if (format == DataFormat::Values)
        progress.showValues();
    const std::optional<QString> written = writeCurvesOf(surface, line.exportPath,
        { format, line.pitch, line.soundSeconds, line.points }, keepGoing);
    progress.end();
    if (!written)
        return Work::Stopped;
    failure = *written;
    return Work::Done;
}

} // namespace

int exportLesson(const CommandLine& line)
{
    StopSignals stopping;
    const std::optional<DataFormat> data = dataFormatOf(line.exportPath);
    // Whatever runs out of memory, the lesson being read, the picture being drawn or the file
    // being made, is given back before the message is written; nothing reaches the disk.
    QString failure;
    try {
        const LessonReading reading = readLessonFile(line.lesson);
        if (!reading.error.isEmpty()) {
            return failWithLine(
                QCoreApplication::translate("CommandLine", "the lesson %1 could not be opened: %2")
                    .arg(shownPath(line.lesson), reading.error));
        }
        ExportProgress progress(reading.steps.size(), line.timeLimit);
        const Work work = data ? exportData(line, *data, reading.steps, progress, failure)
                               : exportPicture(line, reading.steps, progress, failure);
        progress.end();
        if (const int signal = StopSignals::arrived())
            return stopping.endAsAsked(signal);
        if (work == Work::NoCurve) {
            return failWithLine(QCoreApplication::translate(
                "CommandLine", "the lesson %1 leaves no curve in its picture")
                                    .arg(shownPath(line.lesson)));
        }
        if (work == Work::Stopped) {
            const QString unfinished = data
                ? QCoreApplication::translate(
                    "CommandLine", "the file was not finished within the time limit of %1 s")
                : QCoreApplication::translate(
                    "CommandLine", "the picture was not finished within the time limit of %1 s");
            return failWithLine(unfinished.arg(line.timeLimit.value_or(0.0)));
        }
    } catch (const std::exception& thrown) {
        failure = exportFailure(thrown);
    }
    if (!failure.isEmpty()) {
        const QString notWritten = !data ? QCoreApplication::translate(
                                       "CommandLine", "the picture could not be exported as %1: %2")
            : *data == DataFormat::Sound ? QCoreApplication::translate(
                  "CommandLine", "the sound could not be exported as %1: %2")
                                         : QCoreApplication::translate("CommandLine",
                                             "the values could not be exported as %1: %2");
        return failWithLine(notWritten.arg(shownPath(line.exportPath), failure));
    }
    return EXIT_SUCCESS;
}

} // namespace fourier
