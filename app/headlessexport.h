// SPDX-License-Identifier: MIT
#pragma once

namespace fourier {

struct CommandLine;

/// What --export asks for: draws the lesson \a line names afresh, at its size, and writes the
/// picture where it says, without a window. The running application must be able to draw text
/// (a QGuiApplication; the offscreen platform needs no display).
///
/// On a terminal, standard error shows how far the drawing has got on one line, which is gone
/// again at the end.
///
/// Returns the program's exit status: 0 once the picture is written; 1, with one line on
/// standard error, when the lesson cannot be read or drawn (memory run out, a time limit run
/// out) or the picture cannot be written. SIGINT and SIGTERM stop
/// the drawing within a progress report and end the program as they would have at once. No
/// file is then left at the path, and one that was there stays as it was, byte for byte.
int exportLesson(const CommandLine& line);

} // namespace fourier
