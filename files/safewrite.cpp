// SPDX-License-Identifier: MIT
#include "safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <optional>
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

/// The permission bits a file written over keeps; set-user and set-group bits are not carried
/// over to content they were never given for.
constexpr mode_t keptModeBits = S_IRWXU | S_IRWXG | S_IRWXO;

/// What is at \a path now, seen through symbolic links as QSaveFile writes through them.
struct Existing {
    /// What the system says of the file, when there is one.
    std::optional<struct stat> status;
    /// Why the file may not be written over, or an empty string.
    QString refusal;
};

Existing lookAt(const QString& path)
{
    struct stat status { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        // Nothing there, or a link to nothing, which QSaveFile makes the file it names. A loop
        // of links, or a folder on the way that may not be entered, is refused in the system's
        // words.
        return { std::nullopt, errno == ENOENT ? QString() : qt_error_string(errno) };
    }
    // A named pipe or a device would be put out of its place by a regular file; a folder is left
    // to QSaveFile, which refuses it in its own words.
    if (!S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode)) {
        //: Said of a named pipe, a device or a socket at the name a file is to be saved as.
        return { status,
            QCoreApplication::translate("fourier::writeFileSafely", "not a regular file") };
    }
    // The new file takes the old one's place under this name alone; the other names would keep
    // the old content, and the files would no longer be one.
    if (S_ISREG(status.st_mode) && status.st_nlink > 1) {
        //: Hard links are further names of one and the same file, in one folder or in several.
        return { status,
            QCoreApplication::translate("fourier::writeFileSafely",
                "the file has other hard links; writing it would separate them") };
    }
    return { status, {} };
}

/// Gives the new, still empty file behind \a descriptor the owner, group and permissions of the
/// file it replaces. Where they may not be given (a user other than root cannot give a file
/// away, some file systems keep none) the new file keeps its own. Returns why not otherwise.
QString keepOwnerAndMode(int descriptor, const struct stat& old)
{
    // The owner first: changing it may clear permission bits.
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return qt_error_string(errno);
    if (::fchmod(descriptor, old.st_mode & keptModeBits) != 0 && errno != EPERM)
        return qt_error_string(errno);
    return {};
}

} // namespace

QString writeFileSafely(const QString& path, const QByteArray& content)
{
    const Existing existing = lookAt(path);
    if (!existing.refusal.isEmpty())
        return existing.refusal;
    // QSaveFile writes a temporary file beside the target (unnamed where the file system allows
    // it) and puts it in the target's place only on commit. It is unbuffered here: the content
    // is already in memory, and a buffer would leave the last bytes to the flush in commit(),
    // whose failure commit() does not see (Qt 6.4 then replaces the older file with a
    // truncated one and reports success).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    QString failure;
    // QSaveFile makes the new file its writer's, and writable by them.
    if (existing.status)
        failure = keepOwnerAndMode(file.handle(), *existing.status);
    if (failure.isEmpty())
        failure = writeAndSync(file, content);
    if (!failure.isEmpty()) {
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
