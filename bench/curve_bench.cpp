// SPDX-License-Identifier: MIT
#include "catalogue.h"
#include "commands.h"
#include "curve.h"
#include "curvedata.h"
#include "fastsum.h"
#include "formcontext.h"
#include "frame.h"
#include "imagesurface.h"
#include "plotarea.h"
#include "sampling.h"
#include "tone.h"
#include "wav.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <span>
#include <string>

// Curve evaluation against the plain loop, one benchmark per wave, count and scale, the whole
// square command, and what --export makes of a curve as numbers and as sound. After the run a
// table gives each median and its ratio to the plain loop's, and the long counts' and grazing
// scales' ratios to the counts they are held to.

namespace fourier {
namespace {

/// At this count and above the plain loop runs on every tenth sample only, and its time is
/// multiplied by ten: the whole of it takes about a minute.
constexpr double sparseFrom = 10000;
constexpr std::size_t sparseStride = 10;

constexpr std::array waves { &squareWave, &triangleWave, &sawtoothWave };
constexpr std::array counts { 4.0, 100.0, 1000.0, 10000.0 };
/// Counts only the fast path is timed at: the plain loop would take hours.
constexpr std::array largeCounts { 100000.0, 1000000.0 };
/// Counts far beyond the plain loop's reach, timed at scale 20 on the best kernel, each held to
/// at most longCountLimit times the same wave at referenceCount terms: a curve's cost must not
/// grow with its count.
constexpr std::array longCounts { 1e9, 1e12 };
constexpr double referenceCount = 10000;
constexpr double longCountLimit = 3;
constexpr std::array scales { 10.0, 20.0 };
/// The colour curves are drawn in: any one the plot area can show.
constexpr Colour curveColour = colours::purple;
/// Scales at which a plateau or the highest sample of a wave lies within a hair of a pixel-row
/// edge, each timed beside the same count at scale 20: the square wave's plateau at pi just
/// above the top edge at 3.14159 (pi, which makes the wave fill the view), both plateaus 2e-9
/// off an edge at 3.85289431; the triangle's crest 4e-14 below an edge and the sawtooth's
/// highest sample 5e-10 off one, where only the plain loop can tell the row.
struct GrazingCase {
    const Wave* wave;
    double count;
    double scale;
};
constexpr std::array grazingCases {
    GrazingCase { &squareWave, 1e6, 3.14159 },
    GrazingCase { &squareWave, 1e6, 3.85289431 },
    GrazingCase { &squareWave, 3e6, 3.14159 },
    GrazingCase { &triangleWave, 2606850, 9.06107712 },
    GrazingCase { &sawtoothWave, 1000220, 11.0479078 },
};
/// The same four grazing scales at a billion terms, each held to at most longCountLimit times
/// the same wave and scale at a million terms, and to under grazingLimitMs.
constexpr std::array longGrazingCases {
    GrazingCase { &squareWave, 1e9, 3.14159 },
    GrazingCase { &squareWave, 1e9, 3.85289431 },
    GrazingCase { &triangleWave, 1e9, 9.06107712 },
    GrazingCase { &sawtoothWave, 1e9, 11.0479078 },
};
constexpr double grazingReferenceCount = 1e6;
constexpr double grazingLimitMs = 1000;

ImageSurface scaledSurface(double scale)
{
    ImageSurface surface(plotAreaWidth, plotAreaHeight);
    surface.Scale(toFloat(-scale), toFloat(scale), toFloat(scale), toFloat(-scale));
    return surface;
}

/// The plain loop: every sample through referenceSum, one PSet each.
void plainLoop(benchmark::State& state, const Wave* wave, double count, double scale)
{
    ImageSurface surface = scaledSurface(scale);
    const std::size_t stride = count >= sparseFrom ? sparseStride : 1;
    const auto samples = curveSamples();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < samples.size(); i += stride) {
            const double x = samples[i];
            surface.PSet(static_cast<float>(x),
                static_cast<float>(wave->pointSign * referenceSum(*wave, count, x)), curveColour);
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count() * static_cast<double>(stride));
    }
}

/// computeCurve and drawing its points, on the best kernel or the baseline one.
void fastPath(benchmark::State& state, const Wave* wave, double count, double scale, bool wide)
{
    ImageSurface surface = scaledSurface(scale);
    const CurveTuning tuning { .allowWideKernel = wide };
    for (auto _ : state) {
        const auto points = computeCurve(
            *wave, count, surface.mapping(), [](double) { return true; }, tuning);
        surface.PSetMany(points->xs, points->ys, curveColour);
    }
}

/// One of the two curves alone, as the fast path draws it.
void trigonometricCurve(benchmark::State& state, const Wave* curve, double scale, bool wide)
{
    fastPath(state, curve, 1.0, scale, wide);
}

/// A form with fixed texts over an off-screen image.
class BenchForm final : public FormContext {
public:
    BenchForm(std::string count, std::string scale)
        : m_count(std::move(count))
        , m_scale(std::move(scale))
        , m_surface(plotAreaWidth, plotAreaHeight)
    {
    }
    std::string T1Text() const override { return m_count; }
    std::string T2Text() const override { return m_scale; }
    PlotSurface& Pic() override { return m_surface; }
    void MsgBox(std::string_view) override { }
    bool reportProgress(double) override { return true; }

private:
    std::string m_count;
    std::string m_scale;
    ImageSurface m_surface;
};

/// A whole button press at the window's initial texts: scale, axes and curve on a real image.
void wholeCommand(benchmark::State& state, void (*command)(FormContext&))
{
    BenchForm form("4", "10");
    for (auto _ : state)
        command(form);
}

/// Sin x pressed right after Clear, at the window's initial texts; only Sin x is timed.
void sinAfterClear(benchmark::State& state)
{
    BenchForm form("4", "10");
    for (auto _ : state) {
        Command1_Click(form);
        const auto start = std::chrono::steady_clock::now();
        Command2_Click(form);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
}

/// The count of the curves the exports are timed at: the most a lesson is likely to hold.
constexpr double exportCount = 1e9;
/// The values --export writes to a CSV file of one curve of exportCount terms at \a points
/// points over the x range of scale 10.
void curveValues(benchmark::State& state, StepCommand command, std::size_t points)
{
    const PictureCurve curves[] = { { command, exportCount, {} } };
    const std::string headings[] = { "a curve" };
    for (auto _ : state) {
        auto table = curveValuesCsv(
            curves, headings, dataRange(-10.0, 10.0), points, [](double) { return true; });
        benchmark::DoNotOptimize(table);
    }
}

/// The bytes of the WAV file --export writes of a curve of exportCount terms: \a seconds at
/// defaultPitch, its loop of samples made from the certified sums first.
void soundFile(benchmark::State& state, StepCommand command, double seconds)
{
    for (auto _ : state) {
        auto bytes = wavFile(Tone(*commandRow(command).wave, exportCount, defaultPitch), seconds);
        benchmark::DoNotOptimize(bytes);
    }
}

std::string caseName(const char* kind, const Wave* wave, double count, double scale)
{
    // Whole scales as 10 or 20, others with all the digits they were typed with.
    std::array<char, 32> scaleText {};
    std::snprintf(scaleText.data(), scaleText.size(), "%.10g", scale);
    return std::string(kind) + "/" + std::string(wave->name)
        + "/n:" + std::to_string(static_cast<long>(count)) + "/scale:" + scaleText.data();
}

/// The console output, keeping the median (or the only) real time of every benchmark.
class SummaryReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> medians;
};

/// A median's ratio to another, and whether it keeps to \a limit.
void printRatio(const std::string& name, double median, double reference, double limit,
    double largestMs = std::numeric_limits<double>::infinity())
{
    if (median <= 0.0 || reference <= 0.0)
        return;
    const double ratio = median / reference;
    const bool kept = ratio <= limit && median <= largestMs;
    std::printf("  %-44s %9.3f ms %9.3f ms %6.2f  %s\n", name.c_str(), median, reference, ratio,
        kept ? "ok" : "TOO SLOW");
}

/// The long counts against the same wave at referenceCount terms, and the grazing scales at a
/// billion terms against a million.
void printLongCounts(const std::function<double(const std::string&)>& find)
{
    std::printf("\nLong counts, as a share of the same wave at n %.0f, scale 20 (at most %.0f):\n",
        referenceCount, longCountLimit);
    for (const Wave* wave : waves) {
        const double reference = find(caseName("fast", wave, referenceCount, 20));
        for (const double count : longCounts) {
            const std::string name = caseName("fast", wave, count, 20);
            printRatio(name, find(name), reference, longCountLimit);
        }
    }
    std::printf("\nBeside a row edge at a billion terms, as a share of the same case at n %.0f "
                "(at most %.0f, and under %.0f ms):\n",
        grazingReferenceCount, longCountLimit, grazingLimitMs);
    for (const GrazingCase& c : longGrazingCases) {
        const std::string name = caseName("fast", c.wave, c.count, c.scale);
        printRatio(name, find(name), find(caseName("fast", c.wave, grazingReferenceCount, c.scale)),
            longCountLimit, grazingLimitMs);
    }
}

void printSummary(const std::map<std::string, double>& medians)
{
    const auto find = [&](const std::string& name) {
        const auto it = medians.find(name);
        return it == medians.end() ? 0.0 : it->second;
    };
    std::printf("\nMedian wall time in ms; ratio = plain loop / fast path. AVX2 kernel: %s\n",
        wideKernelAvailable() ? "yes" : "no");
    std::printf("%-11s %8s %5s %11s %9s %7s %9s %7s\n", "wave", "n", "scale", "plain loop", "fast",
        "ratio", "baseline", "ratio");
    const double unit = find(caseName("plain", &squareWave, 4, 20));
    for (const Wave* wave : waves) {
        for (const auto& group :
            { std::span<const double>(counts), std::span<const double>(largeCounts) }) {
            for (const double count : group) {
                for (const double scale : scales) {
                    const double plain = find(caseName("plain", wave, count, scale));
                    const double fast = find(caseName("fast", wave, count, scale));
                    const double baseline = find(caseName("baseline", wave, count, scale));
                    if (fast <= 0.0)
                        continue;
                    std::printf("%-11s %8.0f %5.0f %11.1f %9.3f %7.0f %9.3f %7.0f\n",
                        std::string(wave->name).c_str(), count, scale, plain, fast,
                        plain > 0.0 ? plain / fast : 0.0, baseline,
                        plain > 0.0 && baseline > 0.0 ? plain / baseline : 0.0);
                }
            }
        }
    }
    if (unit > 0.0) {
        std::printf(
            "\nEach fast median as a share of plain/Square/n:4/scale:20 (%.2f ms):\n", unit);
        for (const auto& [name, median] : medians) {
            if (name.rfind("fast/", 0) == 0 || name.rfind("baseline/", 0) == 0)
                std::printf("  %-36s %9.3f ms %8.4f\n", name.c_str(), median, median / unit);
        }
    }
    std::printf("\nBeside a row edge, as a share of the same count at scale 20:\n");
    for (const GrazingCase& c : grazingCases) {
        const std::string name = caseName("fast", c.wave, c.count, c.scale);
        const double grazing = find(name);
        const double open = find(caseName("fast", c.wave, c.count, 20));
        if (grazing > 0.0 && open > 0.0) {
            std::printf(
                "  %-44s %9.3f ms %9.3f ms %6.2f\n", name.c_str(), grazing, open, grazing / open);
        }
    }
    printLongCounts(find);
    const double whole = find("command/Square/n:4/scale:10");
    if (whole > 0.0)
        std::printf("whole square command, n 4, scale 10: %.2f ms\n", whole);
    std::printf("\nWhat --export makes of a curve of 1e9 terms (each under 500 ms):\n");
    for (const auto& [name, median] : medians) {
        if (name.rfind("export/", 0) == 0)
            std::printf("  %-36s %9.3f ms\n", name.c_str(), median);
    }
}

/// The fast path at the long counts and beside row edges.
void registerLongCurves()
{
    for (const Wave* wave : waves) {
        for (const double count : longCounts) {
            benchmark::RegisterBenchmark(
                caseName("fast", wave, count, 20).c_str(), fastPath, wave, count, 20, true)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    std::set<std::string> registered;
    for (const GrazingCase& c : longGrazingCases) {
        for (const double count : { c.count, grazingReferenceCount }) {
            const std::string name = caseName("fast", c.wave, count, c.scale);
            if (!registered.insert(name).second)
                continue;
            benchmark::RegisterBenchmark(name.c_str(), fastPath, c.wave, count, c.scale, true)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
    for (const GrazingCase& c : grazingCases) {
        for (const double scale : { c.scale, 20.0 }) {
            const std::string name = caseName("fast", c.wave, c.count, scale);
            const bool timedAlready = scale == 20.0
                && std::find(largeCounts.begin(), largeCounts.end(), c.count) != largeCounts.end();
            if (timedAlready || !registered.insert(name).second)
                continue;
            benchmark::RegisterBenchmark(name.c_str(), fastPath, c.wave, c.count, scale, true)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

/// The curve benchmarks: the plain loop and the fast path on either kernel at every wave, count
/// and scale, the long counts and the grazing scales.
void registerCurves()
{
    for (const Wave* wave : waves) {
        for (const double count : counts) {
            for (const double scale : scales) {
                benchmark::RegisterBenchmark(
                    caseName("plain", wave, count, scale).c_str(), plainLoop, wave, count, scale)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(caseName("fast", wave, count, scale).c_str(), fastPath,
                    wave, count, scale, true)
                    ->UseRealTime()
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark(caseName("baseline", wave, count, scale).c_str(),
                    fastPath, wave, count, scale, false)
                    ->UseRealTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    for (const Wave* wave : waves) {
        for (const double count : largeCounts) {
            for (const double scale : scales) {
                for (const bool wide : { true, false }) {
                    benchmark::RegisterBenchmark(
                        caseName(wide ? "fast" : "baseline", wave, count, scale).c_str(), fastPath,
                        wave, count, scale, wide)
                        ->UseRealTime()
                        ->Unit(benchmark::kMillisecond);
                }
            }
        }
    }
    registerLongCurves();
}

/// Sin x and Cos x alone, and whole button presses.
void registerCommands()
{
    for (const auto& [name, curve] : { std::pair { "SinX", commandRow(StepCommand::Sin).wave },
             std::pair { "CosX", commandRow(StepCommand::Cos).wave } }) {
        for (const double scale : scales) {
            for (const bool wide : { true, false }) {
                const std::string label = std::string(wide ? "fast/" : "baseline/") + name
                    + "/scale:" + std::to_string(static_cast<long>(scale));
                benchmark::RegisterBenchmark(label.c_str(), trigonometricCurve, curve, scale, wide)
                    ->UseRealTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    const std::pair<const char*, void (*)(FormContext&)> commands[] = {
        { "command/Square/n:4/scale:10", Ejecutar_Click },
        { "command/Sin x/scale:10", Command2_Click },
        { "command/Cos x/scale:10", Command3_Click },
    };
    for (const auto& [name, command] : commands) {
        benchmark::RegisterBenchmark(name, wholeCommand, command)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("command/Sin x after Clear/scale:10", sinAfterClear)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace
} // namespace fourier

int main(int argc, char* argv[])
{
    using namespace fourier;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Print needs a GUI application to draw the axis numbers.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    curveSamples();

    registerCurves();
    registerCommands();

    for (const auto& [name, command] : { std::pair { "Square", StepCommand::Square },
             std::pair { "Triangle", StepCommand::Triangle },
             std::pair { "Sawtooth", StepCommand::Sawtooth } }) {
        benchmark::RegisterBenchmark(
            (std::string("export/values/") + name + "/n:1e9/points:1001").c_str(), curveValues,
            command, defaultDataPoints)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            (std::string("export/sound/") + name + "/n:1e9/2s").c_str(), soundFile, command, 2.0)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printSummary(reporter.medians);
    return 0;
}
