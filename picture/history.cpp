// SPDX-License-Identifier: MIT
#include "history.h"

#include <stdexcept>
#include <utility>

namespace fourier {

StepHistory::StepHistory(
    std::unique_ptr<const SurfaceState> start, HistoryLimits limits, std::vector<Step> lessonSoFar)
    : m_limits(limits)
    , m_start(std::move(start))
{
    if (!m_start)
        throw std::invalid_argument("a history needs the state it starts from");
    m_keptBytes = m_start->bytes();
    for (const Step& step : lessonSoFar)
        addToLesson(step);
}

std::size_t StepHistory::stepBytes(const Step& step)
{
    std::size_t total = sizeof step + step.terms.capacity() + step.scale.capacity();
    for (const std::string& message : step.outcome.messages)
        total += sizeof message + message.capacity();
    return total;
}

std::size_t StepHistory::entryBytes(const Entry& entry)
{
    return sizeof entry + stepBytes(entry.step) + entry.after->bytes();
}

void StepHistory::add(Step step, std::unique_ptr<const SurfaceState> after)
{
    if (!after)
        throw std::invalid_argument("a step needs the state it left");
    addToLesson(step);
    for (const Entry& entry : m_undone)
        m_keptBytes -= entryBytes(entry);
    m_undone.clear();
    m_done.push_back({ std::move(step), std::move(after) });
    m_keptBytes += entryBytes(m_done.back());
    while (!m_done.empty() && (m_done.size() > m_limits.undoSteps || m_keptBytes > m_limits.bytes))
        dropOldest();
}

void StepHistory::dropOldest()
{
    Entry& oldest = m_done.front();
    m_keptBytes -= m_start->bytes() + sizeof oldest + stepBytes(oldest.step);
    m_start = std::move(oldest.after);
    m_done.pop_front();
}

const Step* StepHistory::undoable() const
{
    return m_done.empty() ? nullptr : &m_done.back().step;
}

const Step* StepHistory::redoable() const
{
    return m_undone.empty() ? nullptr : &m_undone.back().step;
}

bool StepHistory::undo(PlotSurface& surface)
{
    if (m_done.empty())
        return false;
    const SurfaceState& before = m_done.size() > 1 ? *m_done[m_done.size() - 2].after : *m_start;
    surface.restoreState(before);
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
    removeFromLesson();
    return true;
}

bool StepHistory::redo(PlotSurface& surface)
{
    if (m_undone.empty())
        return false;
    surface.restoreState(*m_undone.back().after);
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    addToLesson(m_done.back().step);
    return true;
}

const SurfaceState& StepHistory::current() const
{
    return m_done.empty() ? *m_start : *m_done.back().after;
}

void StepHistory::addToLesson(const Step& step)
{
    if (!m_lessonComplete)
        return;
    m_lesson.push_back(step);
    m_lessonBytes += step.terms.size() + step.scale.size();
    if (m_lesson.size() > maxLessonSteps || m_lessonBytes > maxLessonBytes) {
        // Such a lesson could not be opened again; keeping it would only cost memory.
        m_lessonComplete = false;
        m_lesson = {};
        m_lessonBytes = 0;
    }
}

void StepHistory::removeFromLesson()
{
    if (!m_lessonComplete)
        return;
    m_lessonBytes -= m_lesson.back().terms.size() + m_lesson.back().scale.size();
    m_lesson.pop_back();
}

std::size_t StepHistory::bytes() const
{
    std::size_t total = sizeof *this + m_keptBytes;
    for (const Step& step : m_lesson)
        total += stepBytes(step);
    return total;
}

} // namespace fourier
