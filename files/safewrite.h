// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace fourier {

/// Puts a file's content into \a device (an image writer, a JSON document, a PDF or SVG
/// generator, ...). Returns why the content could not be made, or an empty string.
using ContentWriter = std::function<QString(QIODevice& device)>;

/// Writes \a content to \a path, the one way every file of the program is written. Either the
/// file at \a path then holds every byte of \a content, synced to the disk, or the file that
/// was there is left as it was, byte for byte, and no new file is left in its folder. Returns
/// an empty string, or why it failed in the system's words ("No space left on device",
/// "Permission denied", "No such file or directory", "File too large", ...).
///
/// Only a regular file is written: a named pipe, a device or a socket at \a path, or behind a
/// symbolic link there, is refused as "not a regular file" and left alone, as is a loop of
/// links; a link to a regular file is written through and stays a link. A file written over
/// keeps its permissions, and its owner and group where the system lets the program give them.
/// A file with other hard links is refused, since the new file would take the old one's place
/// under this name alone.
QString writeFileSafely(const QString& path, const QByteArray& content);

/// As above, for content that \a write puts into a device. The content is made in memory
/// first, so that a writer that fails touches no file; its reason is returned.
QString writeFileSafely(const QString& path, const ContentWriter& write);

/// Makes a write beyond the process's file-size limit (ulimit -f) fail with "File too large",
/// which writeFileSafely reports, instead of killing the program with SIGXFSZ. Called once as
/// the program starts.
void ignoreFileSizeSignal();

} // namespace fourier
