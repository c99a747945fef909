// SPDX-License-Identifier: MIT
#include "safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fourier {
namespace {

/// What writeFileSafely says in a child process that ignores SIGXFSZ as the program does and
/// may write no file beyond \a limit bytes; or how the child died.
std::string writeUnderFileSizeLimit(const QString& path, const QByteArray& content, rlim_t limit)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        ignoreFileSizeSignal();
        const rlimit fileSize { limit, limit };
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        const QByteArray said = writeFileSafely(path, content).toUtf8();
        const bool told = ::write(channel[1], said.constData(), static_cast<size_t>(said.size()))
            == said.size();
        ::_exit(told ? 0 : 1);
    }
    ::close(channel[1]);
    std::string said;
    char piece[256];
    for (ssize_t got; (got = ::read(channel[0], piece, sizeof piece)) > 0;)
        said.append(piece, static_cast<size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return std::string("killed by ") + ::strsignal(WTERMSIG(status));
    return said;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct LimitCase {
    const char* what;
    bool overAnOlderFile;
};

const LimitCase limitCases[] = {
    { "over an older file", true },
    { "as a new file", false },
};

TEST(SafeWrite, AFileSizeLimitFailsTheWriteWithAMessageAndKeepsWhatWasThere)
{
    constexpr rlim_t limit = 16 * 1024;
    const QByteArray content(64 * 1024, 'n');
    for (const LimitCase& write : limitCases) {
        SCOPED_TRACE(write.what);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("lesson"));
        if (write.overAnOlderFile) {
            ASSERT_EQ(writeFileSafely(path, QByteArray(1000, 'o')), QString());
        }
        const QByteArray older = contents(path);
        const QStringList before
            = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        EXPECT_EQ(writeUnderFileSizeLimit(path, content, limit), "File too large");
        EXPECT_EQ(contents(path), older);
        EXPECT_EQ(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            before);
    }
}

/// What a folder holds under one name, as far as a write could change it.
struct Entry {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0;
    dev_t device = 0;
    QByteArray linkTarget;
    QByteArray content;

    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << "mode " << std::oct << entry.mode << std::dec << ", owner " << entry.owner << ':'
         << entry.group << ", " << entry.links << " links, device " << entry.device << ", link to '"
         << entry.linkTarget.toStdString() << "', content '" << entry.content.toStdString() << "'";
}

/// Everything in \a folder by name, links not followed.
std::map<std::string, Entry> snapshot(const QString& folder)
{
    std::map<std::string, Entry> entries;
    for (const QString& name : QDir(folder).entryList(
             QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString path = folder + u'/' + name;
        struct stat status { };
        ::lstat(QFile::encodeName(path).constData(), &status);
        Entry& entry = entries[name.toStdString()];
        entry = { status.st_mode, status.st_uid, status.st_gid, status.st_nlink, status.st_rdev,
            QFile::encodeName(QFileInfo(path).symLinkTarget()), {} };
        if (S_ISREG(status.st_mode))
            entry.content = contents(path);
    }
    return entries;
}

const QByteArray olderPicture = "an older picture";
const QByteArray newPicture = "a new picture";

/// A regular file of olderPicture at \a path with \a mode; its path.
QString olderFile(const QString& path, mode_t mode)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(olderPicture);
    file.close();
    ::chmod(QFile::encodeName(path).constData(), mode);
    return path;
}

/// A character device at \a path, made for the test and never the system's own: the numbers of
/// the full device, which refuses whatever is written to it. Empty when the system does not
/// let the test make one (only root may).
QString deviceNode(const QString& path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0644, ::makedev(1, 7)) == 0
        ? path
        : QString();
}

QString namedPipe(const QString& path)
{
    ::mkfifo(QFile::encodeName(path).constData(), 0644);
    return path;
}

QString symbolicLink(const QString& target, const QString& path)
{
    if (::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) != 0)
        ADD_FAILURE() << "no link: " << std::strerror(errno);
    return path;
}

/// \a name in \a folder.
QString at(const QString& folder, const char* name)
{
    return folder + u'/' + QString::fromLatin1(name);
}

struct ExistingCase {
    const char* name;
    /// Makes what is in \a folder before the write and returns the path written to; or an
    /// empty string when only root may make it.
    std::function<QString(const QString& folder)> make;
    /// What the refusal says; empty when the write goes through.
    const char* refusal;
    /// The name in the folder whose content the write replaces.
    const char* written;
};

QString asRoot(const QString& path)
{
    return ::geteuid() == 0 ? path : QString();
}

const ExistingCase existingCases[] = {
    { "ANamedPipe", [](const QString& folder) { return namedPipe(at(folder, "picture.png")); },
        "not a regular file", nullptr },
    { "ADevice", [](const QString& folder) { return deviceNode(at(folder, "picture.png")); },
        "not a regular file", nullptr },
    { "ASocket",
        [](const QString& folder) {
            const QString path = at(folder, "picture.png");
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            std::strncpy(
                address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
            const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
            ::close(socket);
            return path;
        },
        "not a regular file", nullptr },
    { "ALinkToANamedPipe",
        [](const QString& folder) {
            return symbolicLink(namedPipe(at(folder, "pipe")), at(folder, "picture.png"));
        },
        "not a regular file", nullptr },
    // As root, a link to the system's null device: a device of the test's own stands for it.
    { "ALinkToADevice",
        [](const QString& folder) {
            const QString device = deviceNode(at(folder, "null"));
            return device.isEmpty() ? device : symbolicLink(device, at(folder, "picture.png"));
        },
        "not a regular file", nullptr },
    { "ALoopOfLinks",
        [](const QString& folder) {
            return symbolicLink(QStringLiteral("picture.png"), at(folder, "picture.png"));
        },
        "Too many levels of symbolic links", nullptr },
    // Only root may write over a file it may not write to.
    { "AReadOnlyFile",
        [](const QString& folder) { return asRoot(olderFile(at(folder, "picture.png"), 0444)); },
        "", "picture.png" },
    { "AFileForItsOwnerToReadAlone",
        [](const QString& folder) { return asRoot(olderFile(at(folder, "picture.png"), 0400)); },
        "", "picture.png" },
    { "AnotherUsersFile",
        [](const QString& folder) {
            const QString path = olderFile(at(folder, "picture.png"), 0640);
            return ::geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), 1234, 1234) == 0
                ? path
                : QString();
        },
        "", "picture.png" },
    { "AFileWithAnotherHardLink",
        [](const QString& folder) {
            const QString path = olderFile(at(folder, "picture.png"), 0644);
            if (::link(QFile::encodeName(path).constData(),
                    QFile::encodeName(at(folder, "slide.png")).constData())
                != 0)
                ADD_FAILURE() << "no hard link: " << std::strerror(errno);
            return path;
        },
        "the file has other hard links; writing it would separate them", nullptr },
    { "ALinkToAFile",
        [](const QString& folder) {
            return symbolicLink(
                olderFile(at(folder, "older.png"), 0644), at(folder, "picture.png"));
        },
        "", "older.png" },
};

class ExistingFiles : public ::testing::TestWithParam<ExistingCase> { };

TEST_P(ExistingFiles, AreWrittenOverOnlyAsRegularFilesThatKeepTheirModeAndOwner)
{
    const ExistingCase& existing = GetParam();
    QTemporaryDir folder;
    const QString path = existing.make(folder.path());
    if (path.isEmpty())
        GTEST_SKIP() << "only root may make this";
    std::map<std::string, Entry> expected = snapshot(folder.path());
    if (existing.written)
        expected[existing.written].content = newPicture;

    const QString said = writeFileSafely(path, newPicture);

    EXPECT_NE(said.toStdString().find(existing.refusal), std::string::npos) << said.toStdString();
    EXPECT_EQ(said.isEmpty(), existing.written != nullptr) << said.toStdString();
    EXPECT_EQ(snapshot(folder.path()), expected);
}

std::string existingCaseName(const ::testing::TestParamInfo<ExistingCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    SafeWrite, ExistingFiles, ::testing::ValuesIn(existingCases), existingCaseName);

} // namespace
} // namespace fourier
