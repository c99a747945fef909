// SPDX-License-Identifier: MIT
#include "safewrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
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

} // namespace
} // namespace fourier
