// SPDX-License-Identifier: MIT
#include "fakeform.h"
#include "frame.h"
#include "history.h"
#include "imagesurface.h"
#include "lessonfile.h"
#include "plotarea.h"
#include "recordingsurface.h"
#include "replay.h"
#include "series.h"
#include "step.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
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
    return { command, std::move(terms), std::move(scale), { {}, cancelled } };
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

/// Whether two surfaces hold the same picture, coordinate system and notes.
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
        { step(StepCommand::Square, "4", "10"), step(StepCommand::Square, "1e300", "10", true),
            step(StepCommand::Triangle, "3", "-5") } },
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

std::string lessonName(const ::testing::TestParamInfo<Lesson>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Steps, Lessons, ::testing::ValuesIn(lessons), lessonName);

TEST(Replay, CancellingALongSumCancelsTheWholeLesson)
{
    const std::vector<Step> steps { step(StepCommand::Sin, "4", "10"),
        step(StepCommand::Square, "1e300", "10"), step(StepCommand::Cos, "4", "10") };
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

} // namespace
} // namespace fourier
