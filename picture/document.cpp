// SPDX-License-Identifier: MIT
#include "document.h"

#include "lessonfile.h"
#include "replay.h"

#include <QCoreApplication>
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
        m_history->add(std::move(taken), m_surface.saveState());
        m_done.push_back(++m_lastNumber);
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

bool PictureDocument::adoptLesson(
    const QString& path, std::span<const Step> steps, CommandWindow& window, PlotSurface& startUp)
{
    ReplayWindow onStartUp(window, startUp);
    std::optional<StepHistory> replayed = replay(onStartUp, steps, m_limits);
    if (!replayed)
        return false;
    m_surface.restoreState(replayed->current());
    m_history = std::make_unique<StepHistory>(std::move(*replayed));
    m_lessonPath = path;
    // Each step that can be undone is a picture of its own, so that undoing two and redoing one
    // is told from the picture as opened.
    m_done.clear();
    for (std::size_t i = 0; i < m_history->undoCount(); ++i)
        m_done.push_back(++m_lastNumber);
    m_undone.clear();
    m_saved = m_done.empty() ? 0 : m_done.back();
    changed();
    return true;
}

QString PictureDocument::writeLesson(const QString& path)
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
    m_saved = m_done.empty() ? 0 : m_done.back();
    return {};
}

bool PictureDocument::changedSinceSaved() const
{
    return (m_done.empty() ? 0 : m_done.back()) != m_saved;
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
