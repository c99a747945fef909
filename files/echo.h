// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace fourier {

/// \a text with every control character written out as a C escape (\n, \t, \0, \x1b, ...), so
/// that a message quoting it stays on one line, shows a byte that would otherwise cut it short
/// or vanish, and cannot send a terminal its escape codes. A file name a user typed, or a word
/// read from a file, goes through it before it reaches a message.
QString withControlsEscaped(const QString& text);

/// The file name \a path as a message shows it: in the system's own separators, escaped as
/// above, and whole.
QString shownPath(const QString& path);

/// \a text escaped as above and cut to a readable length, so that a message quoting a pasted
/// page stays a readable line.
QString echoed(const QString& text);

} // namespace fourier
