// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace fourier::testing {

/// A real file system of 64 KiB (a tmpfs mounted in a temporary folder), to be filled up so that
/// a save runs out of space the way it does on a full disk. Mounting needs root; where it is not
/// permitted, mounted() is false and whyNot() says why.
class SmallDisk {
public:
    SmallDisk()
    {
        const QByteArray where = QFile::encodeName(m_mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0)
            m_mounted = true;
        else
            m_whyNot = "mounting a 64 KiB tmpfs was refused: " + std::string(std::strerror(errno));
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_mountPoint.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const std::string& whyNot() const { return m_whyNot; }
    QString path() const { return m_mountPoint.path(); }

    /// Bytes still free for a new file.
    qint64 freeBytes() const
    {
        struct statvfs status { };
        if (::statvfs(QFile::encodeName(path()).constData(), &status) != 0)
            return -1;
        return static_cast<qint64>(status.f_bavail) * static_cast<qint64>(status.f_frsize);
    }

    /// Takes up all but \a left bytes with a file of its own at the top of the disk.
    bool fillLeaving(qint64 left)
    {
        const qint64 taken = freeBytes() - left;
        if (taken < 0)
            return false;
        QFile filler(QDir(path()).filePath(QStringLiteral("filler")));
        return filler.open(QIODevice::WriteOnly)
            && filler.write(QByteArray(static_cast<qsizetype>(taken), 'f')) == taken
            && filler.flush() && freeBytes() == left;
    }

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    std::string m_whyNot;
};

} // namespace fourier::testing
