// SPDX-License-Identifier: MIT
#include "safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace fourier {

namespace {

/// Writes all of \a content into the open \a file and makes sure it reached the disk. Returns
/// why not, or an empty string.
QString writeAndSync(QSaveFile& file, const QByteArray& content)
{
    // A write that stops short (the disk filled up part-way) is not an error to the device;
    // the next one is, with the system's reason.
    for (qint64 done = 0; done < content.size();) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            return file.errorString();
        done += written;
    }
    if (!file.flush())
        return file.errorString();
    // commit() syncs but ignores what the sync says; a file system can still refuse the data
    // here (delayed allocation, quotas, a network disk).
    const int descriptor = file.handle();
    if (::fsync(descriptor) != 0)
        return qt_error_string(errno);
    struct stat status { };
    if (::fstat(descriptor, &status) != 0)
        return qt_error_string(errno);
    if (status.st_size != content.size()) {
        return QCoreApplication::translate(
            "fourier::writeFileSafely", "only %1 of its %2 bytes reached the disk")
            .arg(status.st_size)
            .arg(content.size());
    }
    return {};
}

} // namespace

QString writeFileSafely(const QString& path, const QByteArray& content)
{
    // QSaveFile writes a temporary file beside the target (unnamed where the file system allows
    // it) and puts it in the target's place only on commit. It is unbuffered here: the content
    // is already in memory, and a buffer would leave the last bytes to the flush in commit(),
    // whose failure commit() does not see (Qt 6.4 then replaces the older file with a
    // truncated one and reports success).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (const QString failure = writeAndSync(file, content); !failure.isEmpty()) {
        // Marked as failed, commit() removes the temporary file and leaves the target alone.
        file.cancelWriting();
        file.commit();
        return failure;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeFileSafely(const QString& path, const ContentWriter& write)
{
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    if (const QString failure = write(buffer); !failure.isEmpty())
        return failure;
    buffer.close();
    return writeFileSafely(path, content);
}

void ignoreFileSizeSignal()
{
    struct sigaction ignore { };
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

} // namespace fourier
