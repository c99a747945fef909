// SPDX-License-Identifier: MIT
#pragma once

#include "plotsurface.h"
#include "step.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

namespace fourier {

/// How much of a lesson a history keeps.
struct HistoryLimits {
    /// How many of the latest steps can be undone.
    std::size_t undoSteps = 100;
    /// The most memory the states kept for undo and redo may take, with their steps, in bytes.
    /// The oldest give way first. At the default, 100 states of a plot area that did not
    /// compress at all would still fit.
    std::size_t bytes = std::size_t { 52 } << 20;
};

/// The picture as a list of steps: each step kept with the state it left the plot area in, so
/// that undo and redo put the area back at once, without drawing anything again, and the steps
/// in force from the start, which a lesson file keeps.
class StepHistory {
public:
    /// A history with nothing to undo, whose start is \a start: the state of the plot area now,
    /// which \a lessonSoFar (none, for the start-up picture) led to.
    explicit StepHistory(std::unique_ptr<const SurfaceState> start, HistoryLimits limits = {},
        std::vector<Step> lessonSoFar = {});

    /// Adds \a step, just taken, with \a after, the state it left the plot area in. The steps
    /// that could have been redone are forgotten, and the oldest step that no longer fits the
    /// limits can no longer be undone.
    void add(Step step, std::unique_ptr<const SurfaceState> after);

    /// The step undo would take back, or null.
    const Step* undoable() const;
    /// The step redo would take again, or null.
    const Step* redoable() const;
    /// How many steps can be undone, and how many redone.
    std::size_t undoCount() const { return m_done.size(); }
    std::size_t redoCount() const { return m_undone.size(); }

    /// Puts \a surface back to the state before the last step, which can then be redone.
    /// Returns false when there is nothing to undo. When restoring throws, nothing changes.
    bool undo(PlotSurface& surface);
    /// Puts \a surface in the state after the step undone last. Returns false when there is
    /// nothing to redo. When restoring throws, nothing changes.
    bool redo(PlotSurface& surface);

    /// The state after the steps in force.
    const SurfaceState& current() const;

    /// The steps in force, from the start on. Only while the lesson fits a lesson file
    /// (maxLessonSteps, and about maxLessonBytes of texts) are they all kept; past that the
    /// history keeps none, and lessonComplete says so.
    const std::vector<Step>& lesson() const { return m_lesson; }
    bool lessonComplete() const { return m_lessonComplete; }

    /// The memory the history takes, in bytes.
    std::size_t bytes() const;

private:
    struct Entry {
        Step step;
        std::unique_ptr<const SurfaceState> after;
    };

    static std::size_t entryBytes(const Entry& entry);
    static std::size_t stepBytes(const Step& step);
    void dropOldest();
    void addToLesson(const Step& step);
    void removeFromLesson();

    HistoryLimits m_limits;
    /// The state before the oldest step that can be undone.
    std::unique_ptr<const SurfaceState> m_start;
    /// The steps that can be undone, the last one at the back.
    std::deque<Entry> m_done;
    /// The steps that can be redone, the next one at the back.
    std::vector<Entry> m_undone;
    /// m_start's bytes with those of every entry.
    std::size_t m_keptBytes = 0;

    std::vector<Step> m_lesson;
    bool m_lessonComplete = true;
    std::size_t m_lessonBytes = 0;
};

} // namespace fourier
