// SPDX-License-Identifier: MIT
#include "document.h"

#include "lessonfile.h"
#include "replay.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <utility>

namespace fourier {

namespace {

/// The context of the document's messages for translators.
class Document {
    Q_DECLARE_TR_FUNCTIONS(Document)
};

} // namespace

PictureDocument::PictureDocument(PlotSurface& surface, HistoryLimits limits)
    : m_surface(surface)
    , m_limits(limits)
    , m_history(std::make_unique<StepHistory>(surface.saveState(), limits))
{
}

void PictureDocument::take(CommandWindow& window, Step step)
{
    const auto keep = [this](Step taken) {
        Curves curves = curvesAfter(taken);
        m_history->add(std::move(taken), m_surface.saveState());
        m_done.push_back({ ++m_lastNumber, std::move(curves) });
        m_undone.clear();
        changed();
    };
    try {
        takeStep(window, step, Messages::Show);
    } catch (...) {
        keep(std::move(step));
        throw;
    }
    keep(std::move(step));
}

bool PictureDocument::undo()
{
    if (!m_history->undo(m_surface))
        return false;
    // The history keeps at most its limits of steps to undo; the numbers follow it.
    if (!m_done.empty()) {
        m_undone.push_back(m_done.back());
        m_done.pop_back();
    }
    changed();
    return true;
}

bool PictureDocument::redo()
{
    if (!m_history->redo(m_surface))
        return false;
    if (!m_undone.empty()) {
        m_done.push_back(m_undone.back());
        m_undone.pop_back();
    }
    changed();
    return true;
}

bool PictureDocument::open(
    const QString& path, std::span<const Step> steps, CommandWindow& window, PlotSurface& startUp)
{
    ReplayWindow onStartUp(window, startUp);
    std::optional<StepHistory> replayed = replay(onStartUp, steps, m_limits);
    if (!replayed)
        return false;
    m_surface.restoreState(replayed->current());
    m_history = std::make_unique<StepHistory>(std::move(*replayed));
    m_lessonPath = path;
    // Each step of the lesson is a picture of its own, which undo may go back to.
    m_done.clear();
    for (const Step& step : m_history->lesson())
        m_done.push_back({ ++m_lastNumber, curvesAfter(step) });
    m_undone.clear();
    m_saved = m_done.empty() ? 0 : m_done.back().number;
    changed();
    return true;
}

QString PictureDocument::save(const QString& path)
{
    if (!m_history->lessonComplete()) {
        return Document::tr("it has more than the %1 steps a lesson file holds")
            .arg(QString::number(maxLessonSteps));
    }
    const QByteArray bytes = lessonBytes(m_history->lesson());
    if (static_cast<std::size_t>(bytes.size()) > maxLessonBytes)
        return Document::tr("it would be larger than the 1 MiB a lesson file may be");
    if (QString failure = writeLessonFile(path, bytes); !failure.isEmpty())
        return failure;
    m_lessonPath = path;
    m_saved = m_done.empty() ? 0 : m_done.back().number;
    return {};
}

bool PictureDocument::changedSinceSaved() const
{
    return (m_done.empty() ? 0 : m_done.back().number) != m_saved;
}

PictureDocument::Curves PictureDocument::curvesAfter(const Step& step) const
{
    Curves curves = step.outcome.erased ? nullptr : shownCurves();
    if (step.outcome.curve)
        curves = std::make_shared<const CurveNode>(CurveNode { *step.outcome.curve, curves });
    return curves;
}

PictureDocument::Curves PictureDocument::shownCurves() const
{
    return m_done.empty() ? nullptr : m_done.back().curves;
}

std::vector<StepCurve> PictureDocument::curves() const
{
    std::vector<StepCurve> oldestFirst;
    const Curves shown = shownCurves();
    for (const CurveNode* node = shown.get(); node; node = node->older.get())
        oldestFirst.push_back(node->curve);
    std::reverse(oldestFirst.begin(), oldestFirst.end());
    return oldestFirst;
}

std::optional<StepCurve> PictureDocument::newestCurve() const
{
    if (const Curves newest = shownCurves())
        return newest->curve;
    return std::nullopt;
}

void PictureDocument::watch(Watcher watcher)
{
    m_watchers.push_back(std::move(watcher));
}

void PictureDocument::changed()
{
    for (const Watcher& watcher : m_watchers)
        watcher();
}

} // namespace fourier
