// SPDX-License-Identifier: MIT
#include "commands.h"
#include "document.h"
#include "fakeform.h"
#include "frame.h"
#include "history.h"
#include "imagesurface.h"
#include "lessonfile.h"
#include "plotarea.h"
#include "recordingsurface.h"
#include "replay.h"
#include "step.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <typeinfo>
#include <vector>

namespace fourier {
namespace {

using testing::FakeForm;
using testing::RecordingSurface;

constexpr int width = plotAreaWidth;
constexpr int height = plotAreaHeight;

/// The command each button runs, written out here so that a step running the wrong one shows.
void (*clickOf(StepCommand command))(FormContext&)
{
    switch (command) {
    case StepCommand::Sin:
        return Command2_Click;
    case StepCommand::Cos:
        return Command3_Click;
    case StepCommand::Clear:
        return Command1_Click;
    case StepCommand::Square:
        return Ejecutar_Click;
    case StepCommand::Triangle:
        return Command4_Click;
    case StepCommand::Sawtooth:
        return Command5_Click;
    }
    return nullptr;
}

Step step(StepCommand command, std::string terms, std::string scale, bool cancelled = false)
{
    return { command, std::move(terms), std::move(scale), { {}, cancelled, false, {} } };
}

/// The first \a count steps clicked on \a surface, a cancelled one cancelled at its first
/// progress report. Returns the messages they showed.
std::vector<std::string> click(
    PlotSurface& surface, const std::vector<Step>& steps, std::size_t count)
{
    FakeForm form(surface);
    for (std::size_t i = 0; i < count; ++i) {
        form.t1 = steps[i].terms;
        form.t2 = steps[i].scale;
        const bool cancel = steps[i].outcome.cancelled;
        form.onProgress = [cancel](double) { return !cancel; };
        clickOf(steps[i].command)(form);
    }
    return form.messages;
}

/// The buttons and texts of \a steps, without their outcomes.
std::vector<std::tuple<StepCommand, std::string, std::string>> clicks(
    const std::vector<Step>& steps)
{
    std::vector<std::tuple<StepCommand, std::string, std::string>> texts;
    for (const Step& taken : steps)
        texts.emplace_back(taken.command, taken.terms, taken.scale);
    return texts;
}

/// Whether two surfaces hold the same picture, coordinate system and notes, each curve's with the
/// pixels it set, so that the picture reads the same.
::testing::AssertionResult sameState(const ImageSurface& got, const ImageSurface& want)
{
    const UserMapping& a = got.mapping();
    const UserMapping& b = want.mapping();
    if (got.image() != want.image())
        return ::testing::AssertionFailure() << "the pixels differ";
    if (a.isUserScale() != b.isUserScale() || a.left() != b.left() || a.top() != b.top()
        || a.right() != b.right() || a.bottom() != b.bottom())
        return ::testing::AssertionFailure() << "the coordinate system differs";
    if (got.curveDescriptions() != want.curveDescriptions())
        return ::testing::AssertionFailure() << "the descriptions differ";
    if (got.curves() != want.curves())
        return ::testing::AssertionFailure() << "the curves' pixels differ";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult sameState(const RecordingSurface& got, const RecordingSurface& want)
{
    if (got.calls != want.calls)
        return ::testing::AssertionFailure() << "the calls differ";
    if (got.descriptions != want.descriptions)
        return ::testing::AssertionFailure() << "the descriptions differ";
    if (got.mapping().isUserScale() != want.mapping().isUserScale()
        || got.mapping().right() != want.mapping().right())
        return ::testing::AssertionFailure() << "the coordinate system differs";
    return ::testing::AssertionSuccess();
}

struct Lesson {
    const char* name;
    std::vector<Step> steps;
};

const Lesson lessons[] = {
    { "SquareSumsWithATypo",
        { step(StepCommand::Square, "1", "10"), step(StepCommand::Square, "3", "10"),
            step(StepCommand::Square, "100", "10") } },
    { "ScalesAcceptedAndRefused",
        { step(StepCommand::Sin, "4", "5"), step(StepCommand::Cos, "4", "10"),
            step(StepCommand::Triangle, "3", "25"), step(StepCommand::Sawtooth, "2.5", "-8") } },
    { "NoScaleAcceptedAtFirst",
        { step(StepCommand::Sin, "4", "0"), step(StepCommand::Square, "0", "abc"),
            step(StepCommand::Clear, "4", "30"), step(StepCommand::Cos, "4", "2") } },
    { "ClearsAndNoSignal",
        { step(StepCommand::Square, "0", "10"), step(StepCommand::Sawtooth, "7", "-10"),
            step(StepCommand::Clear, "7", "-10"), step(StepCommand::Triangle, "7", "20"),
            step(StepCommand::Cos, "1", "21") } },
    { "ACancelledSum",
        { step(StepCommand::Square, "4", "10"), step(StepCommand::Square, "1e12", "10", true),
            step(StepCommand::Triangle, "3", "-5") } },
    { "CountsTooLargeToAddUp",
        { step(StepCommand::Square, "1e18", "10"), step(StepCommand::Sawtooth, "4", "10"),
            step(StepCommand::Triangle, "1e400", "-5"),
            step(StepCommand::Sawtooth, "&HFFFFFFFFFFFFFFFF", "30") } },
};

class Lessons : public ::testing::TestWithParam<Lesson> { };

/// Takes every step of the lesson through a history, then undoes them one by one and redoes
/// them again: each time the surface is the one that clicking as many steps gives. After each
/// undo a further step, a refused scale, draws in the coordinate system of the steps left.
template <class Surface>
void checkUndoAndRedo(const std::vector<Step>& steps)
{
    Surface surface(width, height);
    FakeForm form(surface);
    StepHistory history(surface.saveState());
    for (Step taken : steps) {
        const bool cancel = taken.outcome.cancelled;
        form.onProgress = [cancel](double) { return !cancel; };
        taken.outcome = {};
        takeStep(form, taken, Messages::Show);
        EXPECT_EQ(taken.outcome.cancelled, cancel);
        history.add(taken, surface.saveState());
    }
    const std::vector<std::string> shown = form.messages;
    {
        Surface clicked(width, height);
        EXPECT_EQ(click(clicked, steps, steps.size()), shown);
    }
    ASSERT_EQ(history.lesson().size(), steps.size());

    for (std::size_t left = steps.size(); left-- > 0;) {
        SCOPED_TRACE("undone down to " + std::to_string(left) + " steps");
        ASSERT_EQ(history.undoable()->command, steps[left].command);
        ASSERT_TRUE(history.undo(surface));
        Surface clicked(width, height);
        click(clicked, steps, left);
        EXPECT_TRUE(sameState(surface, clicked));
        EXPECT_EQ(history.lesson().size(), left);
    }
    EXPECT_FALSE(history.undo(surface));
    for (std::size_t done = 1; done <= steps.size(); ++done) {
        SCOPED_TRACE("redone up to " + std::to_string(done) + " steps");
        ASSERT_EQ(history.redoable()->command, steps[done - 1].command);
        ASSERT_TRUE(history.redo(surface));
        Surface clicked(width, height);
        click(clicked, steps, done);
        EXPECT_TRUE(sameState(surface, clicked));
    }
    EXPECT_FALSE(history.redo(surface));
    EXPECT_EQ(clicks(history.lesson()), clicks(steps));
    // Undo and redo never show a message again.
    EXPECT_EQ(form.messages, shown);

    // A new step after an undo forgets what could have been redone.
    const Step refused = step(StepCommand::Sin, "4", "25");
    for (std::size_t left = steps.size(); left-- > 0;) {
        SCOPED_TRACE("a refused scale after " + std::to_string(left) + " steps");
        ASSERT_TRUE(history.undo(surface));
        Surface branch(width, height);
        branch.restoreState(history.current());
        FakeForm branchForm(branch);
        StepHistory copy(branch.saveState());
        Step taken = refused;
        takeStep(branchForm, taken, Messages::Hide);
        copy.add(taken, branch.saveState());
        EXPECT_EQ(copy.redoable(), nullptr);
        std::vector<Step> then(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(left));
        then.push_back(refused);
        Surface clicked(width, height);
        click(clicked, then, then.size());
        EXPECT_TRUE(sameState(branch, clicked));
    }
    Step last = refused;
    takeStep(form, last, Messages::Hide);
    history.add(last, surface.saveState());
    EXPECT_EQ(history.redoable(), nullptr);
    EXPECT_EQ(history.lesson(), std::vector<Step> { last });
}

TEST_P(Lessons, UndoAndRedoGiveThePixelsOfClickingFewerSteps)
{
    checkUndoAndRedo<ImageSurface>(GetParam().steps);
}

TEST_P(Lessons, UndoAndRedoGiveTheCallsOfClickingFewerSteps)
{
    checkUndoAndRedo<RecordingSurface>(GetParam().steps);
}

TEST_P(Lessons, AnOpenedLessonIsThePictureOfClickingItsSteps)
{
    const std::vector<Step>& steps = GetParam().steps;
    const LessonReading reading = parseLesson(lessonBytes(steps));
    ASSERT_EQ(reading.error.toStdString(), "");
    ImageSurface surface(width, height);
    FakeForm form(surface);
    auto history = replay(form, reading.steps);
    ASSERT_TRUE(history.has_value());
    ImageSurface clicked(width, height);
    const std::vector<std::string> messages = click(clicked, steps, steps.size());
    EXPECT_TRUE(sameState(surface, clicked));
    EXPECT_TRUE(form.messages.empty());
    std::vector<std::string> outcomes;
    for (const Step& taken : history->lesson()) {
        outcomes.insert(
            outcomes.end(), taken.outcome.messages.begin(), taken.outcome.messages.end());
    }
    EXPECT_EQ(outcomes, messages);

    // The opened steps are the history: undoing them all gives the start-up picture.
    while (history->undo(surface)) { }
    EXPECT_TRUE(sameState(surface, ImageSurface(width, height)));
}

/// The descriptions of \a curves, in their order.
std::vector<Phrase> descriptions(const std::vector<StepCurve>& curves)
{
    std::vector<Phrase> said;
    for (const StepCurve& curve : curves)
        said.push_back(curve.description);
    return said;
}

/// Whether the document's curves are those its plot area shows, its newest the last of them.
::testing::AssertionResult curvesShown(const PictureDocument& document, const ImageSurface& shown)
{
    const std::vector<StepCurve> curves = document.curves();
    if (descriptions(curves) != shown.curveDescriptions())
        return ::testing::AssertionFailure() << "the document's curves are not those shown";
    const std::optional<StepCurve> newest = document.newestCurve();
    if (curves.empty() ? newest.has_value() : newest != curves.back())
        return ::testing::AssertionFailure() << "the newest curve is not the last one shown";
    return ::testing::AssertionSuccess();
}

// The curves the steps recorded are the curves the picture shows, taken, undone, redone or
// opened; and a lesson's, learnt without working out a single point, are those of its picture.
TEST_P(Lessons, TheCurvesTheStepsRecordAreThoseThePictureShows)
{
    const std::vector<Step>& steps = GetParam().steps;
    ImageSurface surface(width, height);
    FakeForm form(surface);
    PictureDocument document(surface);
    EXPECT_TRUE(curvesShown(document, surface));
    for (Step taken : steps) {
        const bool cancel = taken.outcome.cancelled;
        form.onProgress = [cancel](double) { return !cancel; };
        taken.outcome = {};
        document.take(form, taken);
        EXPECT_TRUE(curvesShown(document, surface));
    }
    const std::vector<StepCurve> final = document.curves();
    while (document.undo())
        EXPECT_TRUE(curvesShown(document, surface));
    while (document.redo())
        EXPECT_TRUE(curvesShown(document, surface));
    EXPECT_EQ(document.curves(), final);

    std::optional<LessonCurves> learnt
        = lessonCurves(steps, width, height, [](double) { return true; });
    ASSERT_TRUE(learnt.has_value());
    EXPECT_EQ(learnt->curves, final);
    EXPECT_EQ(learnt->left, surface.mapping().left());
    EXPECT_EQ(learnt->right, surface.mapping().right());

    // Opened, every step of the lesson is a picture undo goes back to, and the lesson is
    // unchanged only when all of them are in force again.
    ImageSurface opened(width, height);
    PictureDocument reopened(opened);
    ImageSurface startUp(width, height);
    form.onProgress = {};
    ASSERT_TRUE(reopened.open(QStringLiteral("lesson.fourier"), steps, form, startUp));
    EXPECT_TRUE(curvesShown(reopened, opened));
    EXPECT_FALSE(reopened.changedSinceSaved());
    std::size_t undone = 0;
    while (reopened.undo()) {
        ++undone;
        EXPECT_TRUE(curvesShown(reopened, opened));
        EXPECT_TRUE(reopened.changedSinceSaved());
    }
    EXPECT_EQ(undone, steps.size());
    while (reopened.redo())
        EXPECT_TRUE(curvesShown(reopened, opened));
    EXPECT_FALSE(reopened.changedSinceSaved());
}

std::string lessonName(const ::testing::TestParamInfo<Lesson>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Steps, Lessons, ::testing::ValuesIn(lessons), lessonName);

TEST(Replay, CancellingALongSumCancelsTheWholeLesson)
{
    const std::vector<Step> steps { step(StepCommand::Sin, "4", "10"),
        step(StepCommand::Square, "1e12", "10"), step(StepCommand::Cos, "4", "10") };
    ImageSurface surface(width, height);
    FakeForm form(surface);
    // Cancelled at the long sum's first report, after the first step's.
    int reports = 0;
    form.onProgress = [&reports](double) { return ++reports < 2; };
    EXPECT_FALSE(replay(form, steps).has_value());
    EXPECT_EQ(reports, 2);
    EXPECT_TRUE(form.messages.empty());
    // The replay reports its progress between steps too, as a share of the lesson.
    form.progressReports = 0;
    form.onProgress = [](double) { return true; };
    std::vector<Step> quick(30, step(StepCommand::Clear, "4", "10"));
    EXPECT_TRUE(replay(form, quick).has_value());
    EXPECT_EQ(form.progressReports, 30);
    form.onProgress = [](double fraction) { return fraction < 0.5; };
    EXPECT_FALSE(replay(form, quick).has_value());
}

/// The lesson file's form, as a lesson of three steps is written.
const char* const exampleLesson
    = "{\"format\": \"fourier-analysis-lesson\", \"version\": 1,\n"
      " \"steps\": [{\"command\": \"square\", \"terms\": \"10\", \"scale\": \"10\"},\n"
      "           {\"command\": \"sin\", \"terms\": \"10\", \"scale\": \"10\"},\n"
      "           {\"command\": \"clear\", \"terms\": \"10\", \"scale\": \"10\"}]}\n";

TEST(LessonFile, IsWrittenInItsExactFormAndReadBackStepForStep)
{
    const std::vector<Step> example { step(StepCommand::Square, "10", "10"),
        step(StepCommand::Sin, "10", "10"), step(StepCommand::Clear, "10", "10") };
    EXPECT_EQ(lessonBytes(example).toStdString(), exampleLesson);
    EXPECT_EQ(lessonBytes({}).toStdString(),
        "{\"format\": \"fourier-analysis-lesson\", \"version\": 1,\n \"steps\": []}\n");

    // Every command, texts as typed (quotes, a backslash, control characters, NUL, UTF-8), and a
    // cancelled sum.
    std::vector<Step> typed;
    for (const CommandRow& row : commandCatalogue)
        typed.push_back(step(row.command, "4", "10"));
    typed.push_back(step(StepCommand::Square, "\"1\"\\2\t3\n",
        std::string("\x01 5\0"
                    "7",
            5)));
    typed.push_back(step(StepCommand::Cos, "\xEF\xBC\x91\xC3\xA1", "&H14"));
    typed.push_back(step(StepCommand::Triangle, "1e300", "-5", true));
    const LessonReading reading = parseLesson(lessonBytes(typed));
    EXPECT_EQ(reading.error.toStdString(), "");
    EXPECT_EQ(reading.steps, typed);
}

TEST(LessonFile, PassesOverWhatItDoesNotKnow)
{
    const std::string accepted[] = {
        // Members of a later version, at the top and in a step.
        R"({"format": "fourier-analysis-lesson", "version": 1, "title": "Monday",
            "steps": [{"command": "sin", "terms": "4", "scale": "10", "colour": [1, 2]}]})",
        // A byte order mark, a version written as 1.0, and no whitespace at all.
        "\xEF\xBB\xBF{\"version\":1.0,\"steps\":[{\"scale\":\"10\",\"terms\":\"4\","
        "\"command\":\"sin\"}],\"format\":\"fourier-analysis-lesson\"}",
    };
    for (const std::string& text : accepted) {
        const LessonReading reading = parseLesson(QByteArray::fromStdString(text));
        EXPECT_EQ(reading.error.toStdString(), "") << text;
        EXPECT_EQ(reading.steps, std::vector<Step> { step(StepCommand::Sin, "4", "10") });
    }
}

/// A lesson of \a steps, each written as \a stepText.
std::string lessonOf(std::size_t steps, const std::string& stepText)
{
    std::string text = R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [)";
    for (std::size_t i = 0; i < steps; ++i)
        text += (i > 0 ? "," : "") + stepText;
    return text + "]}";
}

const std::string sinStep = R"({"command": "sin", "terms": "4", "scale": "10"})";

struct BadFile {
    const char* name;
    /// What the file holds; ignored when \a make is set.
    std::string bytes;
    /// What the message says.
    std::string error;
    /// Makes something other than a file of those bytes in \a folder and gives its path.
    std::function<QString(const QString& folder)> make = {};
};

const BadFile badFiles[] = {
    { "NotJson", "{\"format\": \"fourier-analysis-lesson\",\n \"steps\": [}",
        "line 2, column 13: not JSON: " },
    { "Empty", "", "line 1, column 1: not JSON: " },
    { "NotAnObject", "[]", "the file holds no lesson: it is not a JSON object" },
    { "AnotherFormat", R"({"format": "fourier-analysis-picture", "version": 1, "steps": []})",
        R"("format" is "fourier-analysis-picture", not "fourier-analysis-lesson")" },
    { "NoFormat", R"({"version": 1, "steps": []})", R"(the file: no "format")" },
    { "NewerVersion", R"({"format": "fourier-analysis-lesson", "version": 2, "steps": []})",
        R"("version" is 2, newer than this program reads (1))" },
    { "VersionAsText", R"({"format": "fourier-analysis-lesson", "version": "1", "steps": []})",
        R"(the file: "version" is a text, not a number)" },
    { "VersionZero", R"({"format": "fourier-analysis-lesson", "version": 0, "steps": []})",
        R"("version" is 0, not a version of lesson files)" },
    { "NoSteps", R"({"format": "fourier-analysis-lesson", "version": 1})",
        R"(the file: no "steps")" },
    { "StepsNotAList", R"({"format": "fourier-analysis-lesson", "version": 1, "steps": {}})",
        R"(the file: "steps" is an object, not a list)" },
    { "UnknownCommand",
        lessonOf(2, sinStep)
            .replace(lessonOf(2, sinStep).size() - 2, 0,
                R"(,{"command": "squar", "terms": "10", "scale": "10"})"),
        R"(step 3: unknown command "squar")" },
    { "LongUnknownCommand", lessonOf(1, R"({"command": ")" + std::string(100, 'x') + R"("})"),
        "step 1: unknown command \"" + std::string(40, 'x') + "\xE2\x80\xA6\"" },
    { "StepNotAnObject", lessonOf(2, "7"), "step 1 is a number, not an object" },
    { "CommandNull", lessonOf(1, R"({"command": null, "terms": "4", "scale": "10"})"),
        R"(step 1: "command" is null, not a text)" },
    { "TermsANumber", lessonOf(1, R"({"command": "sin", "terms": 4, "scale": "10"})"),
        R"(step 1: "terms" is a number, not a text)" },
    { "NoScale", lessonOf(1, R"({"command": "square", "terms": "4"})"), R"(step 1: no "scale")" },
    { "CancelledAsText",
        lessonOf(1, R"({"command": "sin", "terms": "4", "scale": "10", "cancelled": "yes"})"),
        R"(step 1: "cancelled" is a text, not true or false)" },
    { "NotUtf8", lessonOf(1, "{\"command\": \"sin\", \"terms\": \"\xFF\", \"scale\": \"10\"}"),
        "the file is not UTF-8 text" },
    { "TooManySteps", lessonOf(maxLessonSteps + 1, sinStep),
        R"("steps" holds 10001 steps, more than the 10000 a lesson may have)" },
    { "LargerThan1MiB", lessonOf(1, sinStep) + std::string(maxLessonBytes, ' '),
        "the file is larger than 1 MiB" },
    { "Missing", "", "No such file or directory",
        [](const QString& folder) -> QString {
            return folder + QStringLiteral("/missing.fourier");
        } },
    { "AFolder", "", "it is a folder, not a file",
        [](const QString& folder) -> QString {
            QDir(folder).mkdir(QStringLiteral("folder.fourier"));
            return folder + QStringLiteral("/folder.fourier");
        } },
    // Nobody writes to it: opening it to read would wait for good.
    { "ANamedPipe", "", "not a regular file",
        [](const QString& folder) -> QString {
            const QString path = folder + QStringLiteral("/pipe.fourier");
            ::mkfifo(QFile::encodeName(path).constData(), 0644);
            return path;
        } },
};

class BadFiles : public ::testing::TestWithParam<BadFile> { };

TEST_P(BadFiles, AreRefusedSayingWhatIsWrongAndWhere)
{
    const BadFile& bad = GetParam();
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("lesson.fourier"));
    if (bad.make) {
        path = bad.make(folder.path());
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(bad.bytes));
    }
    const LessonReading reading = readLessonFile(path);
    EXPECT_TRUE(reading.steps.empty());
    EXPECT_NE(reading.error.toStdString().find(bad.error), std::string::npos)
        << reading.error.toStdString();
}

std::string badFileName(const ::testing::TestParamInfo<BadFile>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Lessons, BadFiles, ::testing::ValuesIn(badFiles), badFileName);

/// A state that only says how large it is.
class SizedState final : public SurfaceState {
public:
    explicit SizedState(std::size_t bytes)
        : m_bytes(bytes)
    {
    }
    std::size_t bytes() const override { return m_bytes; }

private:
    std::size_t m_bytes;
};

struct StateSize {
    const char* name;
    std::size_t bytes;
};

// A blank plot area, a typical one, and one whose pixels did not compress at all.
const StateSize stateSizes[] = {
    { "Blank", 1'000 },
    { "Typical", 20'000 },
    { "Incompressible", std::size_t { width } * height * 4 + 1'000 },
};

TEST(History, HundredStepsCanBeUndoneInUnder64MBHoweverLongTheLesson)
{
    for (const StateSize& size : stateSizes) {
        SCOPED_TRACE(size.name);
        StepHistory history(std::make_unique<SizedState>(size.bytes));
        for (int i = 0; i < 1000; ++i) {
            history.add(step(StepCommand::Square, std::to_string(i), "10"),
                std::make_unique<SizedState>(size.bytes));
            EXPECT_LT(history.bytes(), 64'000'000u);
        }
        EXPECT_GE(history.undoCount(), 100u);
        EXPECT_EQ(history.lesson().size(), 1000u);
        // A state that cannot be put back makes undo fail, and change nothing.
        RecordingSurface surface;
        const std::size_t undoable = history.undoCount();
        EXPECT_THROW(history.undo(surface), std::bad_cast);
        EXPECT_EQ(history.undoCount(), undoable);
        EXPECT_EQ(history.redoCount(), 0u);
        EXPECT_EQ(history.lesson().size(), 1000u);
    }
}

TEST(History, ALessonTooLongForAFileIsNoLongerKept)
{
    StepHistory history(std::make_unique<SizedState>(1));
    for (std::size_t i = 0; i < maxLessonSteps; ++i)
        history.add(step(StepCommand::Clear, "4", "10"), std::make_unique<SizedState>(1));
    EXPECT_TRUE(history.lessonComplete());
    history.add(step(StepCommand::Clear, "4", "10"), std::make_unique<SizedState>(1));
    EXPECT_FALSE(history.lessonComplete());
    EXPECT_TRUE(history.lesson().empty());
    EXPECT_EQ(history.undoCount(), 100u);
}

} // namespace
} // namespace fourier
