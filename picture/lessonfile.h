// SPDX-License-Identifier: MIT
#pragma once

#include "step.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

namespace fourier {

/// The name a lesson file gives its format, and the version this program writes and reads.
inline constexpr std::string_view lessonFormat = "fourier-analysis-lesson";
inline constexpr int lessonVersion = 1;

/// What reading a lesson gave: its steps, or why it was refused and where.
struct LessonReading {
    std::vector<Step> steps;
    /// Empty when the lesson was read; otherwise what is wrong, such as
    /// step 3: unknown command "squar".
    QString error;
};

/// Reads a lesson from the bytes of its file: UTF-8 JSON, an object whose "format" is
/// lessonFormat, whose "version" is at most lessonVersion and whose "steps" list at most
/// maxLessonSteps objects with a "command" word and the "terms" and "scale" texts. Members it
/// does not know are passed over, so that later versions may add some.
LessonReading parseLesson(const QByteArray& bytes);

/// Reads the lesson file at \a path, of at most maxLessonBytes.
LessonReading readLessonFile(const QString& path);

/// The lesson file of \a steps: one line for the format, one for each step. A cancelled step
/// says so, so that the lesson opens as it was seen, without the sum the user gave up on.
QByteArray lessonBytes(std::span<const Step> steps);

/// Writes \a bytes, a lesson file, to \a path through writeFileSafely: every byte reaches the
/// disk, or any older file stays as it was and nothing partial is left behind. Returns why it
/// failed, or an empty string.
QString writeLessonFile(const QString& path, const QByteArray& bytes);

} // namespace fourier
