// SPDX-License-Identifier: MIT
#pragma once

#include "history.h"
#include "step.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace fourier {

/// The picture as a document: the steps that made it and their history, the lesson file it was
/// opened from or saved to last, and whether it changed since. Its steps draw on the plot area
/// that shows it, and whoever watches it hears of every change: the window, and any view of the
/// picture beside it.
class PictureDocument {
public:
    /// Told that the picture changed: a step taken, undone or redone, a lesson opened.
    using Watcher = std::function<void()>;

    /// The start-up picture, as \a surface shows it now; every step draws on that surface.
    explicit PictureDocument(PlotSurface& surface, HistoryLimits limits = {});

    /// The plot area the picture is drawn on.
    PlotSurface& surface() { return m_surface; }
    /// The steps that made the picture.
    const StepHistory& history() const { return *m_history; }

    /// Takes \a step as a click of its button would, with \a window's messages and progress
    /// (its plot area is this document's), and adds it to the history. A command that throws
    /// still leaves its step in the history, since what it drew is part of the picture, and the
    /// exception goes on to the caller.
    void take(CommandWindow& window, Step step);
    /// Puts the picture back as it was before the last step; false when there is none. Throws,
    /// changing nothing, when the state cannot be restored.
    bool undo();
    /// Takes the step undone last again, as undo found it; false when there is none.
    bool redo();

    /// Makes the lesson \a steps, read from the file at \a path, the picture: they are replayed
    /// on \a startUp, a surface of this one's kind and size that shows the start-up picture,
    /// through \a window's progress and without messages, and only once every step has been
    /// drawn does the picture become theirs. Returns false, changing nothing, when the user
    /// cancelled.
    bool open(const QString& path, std::span<const Step> steps, CommandWindow& window,
        PlotSurface& startUp);
    /// Saves the steps in force as a lesson file at \a path, which becomes the picture's file.
    /// Returns why it could not, the picture's file then unchanged, or an empty string.
    QString save(const QString& path);

    /// The lesson file the picture was opened from or saved to last, or empty.
    const QString& lessonPath() const { return m_lessonPath; }
    /// Whether the picture is other than when it was opened or saved last: steps taken, or
    /// undone or redone to another picture. A picture never opened nor saved counts as changed
    /// once it has a step.
    bool changedSinceSaved() const;
    /// Whether closing the picture would lose work the user kept in a lesson file: it came from
    /// one or was saved to one, and it changed since.
    bool hasUnsavedLesson() const { return !m_lessonPath.isEmpty() && changedSinceSaved(); }

    /// The curves the picture shows, oldest first: those the steps in force drew since it was
    /// last erased.
    std::vector<StepCurve> curves() const;
    /// The curve drawn last of those the picture shows, or nothing when it shows none.
    std::optional<StepCurve> newestCurve() const;

    /// Calls \a watcher after every change of the picture, for as long as the document lives.
    void watch(Watcher watcher);

private:
    /// The curves of a picture, newest first: each node is shared by every later picture that
    /// still shows its curve, so that a step adds one node whatever the picture holds.
    struct CurveNode {
        StepCurve curve;
        std::shared_ptr<const CurveNode> older;
    };
    using Curves = std::shared_ptr<const CurveNode>;
    /// A picture the steps led to: its number and its curves.
    struct Shown {
        std::uint64_t number;
        Curves curves;
    };

    /// Tells every watcher.
    void changed();
    /// The curves of the picture \a step, just taken on the picture in force, leads to.
    Curves curvesAfter(const Step& step) const;
    /// The curves of the picture in force.
    Curves shownCurves() const;

    PlotSurface& m_surface;
    HistoryLimits m_limits;
    std::unique_ptr<StepHistory> m_history;
    QString m_lessonPath;
    /// Every step taken gets a number of its own: the picture is told by the number of the last
    /// step in force (0 for none), which undo and redo move along these two lists, with the
    /// curves it shows.
    std::vector<Shown> m_done;
    std::vector<Shown> m_undone;
    std::uint64_t m_lastNumber = 0;
    /// The number of the picture when it was opened or saved last.
    std::uint64_t m_saved = 0;
    std::vector<Watcher> m_watchers;
};

} // namespace fourier
