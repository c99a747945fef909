// SPDX-License-Identifier: MIT
#include "form1.h"
#include "modaldismisser.h"
#include "pictureactions.h"
#include "picturebox.h"
#include "smalldisk.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fourier {
namespace {

QAction* menuEntry(QWidget& widget, const QString& text)
{
    for (QAction* action : widget.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

/// A window with two curves on it, and what its plot area shows and says before anything else.
struct DrawnWindow {
    DrawnWindow()
    {
        form.Ejecutar_Click();
        form.Command2_Click();
        picture = pic.surface().image();
        description = pic.accessibleDescription();
    }
    Form1 form;
    PictureBox& pic = form.pictureBox();
    QImage picture;
    QString description;
};

TEST(PictureOut, CopyPicturePutsTheDrawingAreasOwnPixelsOnTheClipboard)
{
    DrawnWindow window;
    EXPECT_EQ(window.pic.contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* copy = menuEntry(window.pic, QStringLiteral("Copy Picture"));
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(menuEntry(window.pic, QStringLiteral("Save Picture As\u2026")), nullptr);

    QGuiApplication::clipboard()->clear();
    copy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    // The model image, not the widget with its border and not a screen grab.
    EXPECT_EQ(copied.size(), QSize(373, 325));
    EXPECT_EQ(copied.convertToFormat(window.picture.format()), window.picture);
    EXPECT_EQ(window.pic.surface().image(), window.picture);
    EXPECT_EQ(window.pic.accessibleDescription(), window.description);
}

struct SaveCase {
    const char* what;
    /// Prepares \a folder and gives the path to save to.
    std::function<QString(const QString& folder)> target;
    bool failsAsRoot;
};

const SaveCase saveCases[] = {
    { "a folder that may not be written",
        [](const QString& folder) -> QString {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            return folder + QStringLiteral("/picture.png");
        },
        false },
    { "a folder that does not exist",
        [](const QString& folder) -> QString {
            return folder + QStringLiteral("/missing/picture.png");
        },
        true },
    { "a file where the folder should be",
        [](const QString& folder) -> QString {
            QFile file(folder + QStringLiteral("/notes"));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            return file.fileName() + QStringLiteral("/picture.png");
        },
        true },
    { "a name that looks like markup, in a folder that does not exist",
        [](const QString& folder) -> QString {
            return folder + QStringLiteral("/missing/<b>x</b>.png");
        },
        true },
    { "a folder where the file should be",
        [](const QString& folder) -> QString {
            QDir(folder).mkdir(QStringLiteral("picture.png"));
            return folder + QStringLiteral("/picture.png");
        },
        true },
};

TEST(PictureOut, AFailedSaveSaysSoAndLeavesNothingBehind)
{
    for (const SaveCase& save : saveCases) {
        SCOPED_TRACE(save.what);
        if (!save.failsAsRoot && geteuid() == 0)
            continue;
        DrawnWindow window;
        auto* actions = window.pic.findChild<PictureActions*>();
        ASSERT_NE(actions, nullptr);
        QTemporaryDir folder;
        const QString path = save.target(folder.path());
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);

        testing::ModalDismisser dismisser;
        EXPECT_FALSE(actions->savePicture(path));
        ASSERT_EQ(dismisser.messages.size(), 1U);
        EXPECT_NE(dismisser.messages.front().find("could not be saved"), std::string::npos);
        // The name as it was typed, never read as markup.
        EXPECT_NE(dismisser.messages.front().find(QDir::toNativeSeparators(path).toStdString()),
            std::string::npos);
        EXPECT_EQ(dismisser.messageFormats.front(), Qt::PlainText);
        QFile::setPermissions(
            folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        EXPECT_EQ(window.pic.surface().image(), window.picture);
        EXPECT_EQ(window.pic.accessibleDescription(), window.description);
    }
}

TEST(PictureOut, ASaveWritesTheExactPixelsAndAFailedOneKeepsTheOlderFile)
{
    DrawnWindow window;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    ASSERT_TRUE(window.pic.findChild<PictureActions*>()->savePicture(path));
    EXPECT_EQ(QImage(path).convertToFormat(window.picture.format()), window.picture);

    // A write that breaks off half-way (here: nothing to write) must not spoil the older file.
    QFile older(path);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    const QByteArray olderBytes = older.readAll();
    older.close();
    EXPECT_FALSE(writePng(QImage(), path).isEmpty());
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), olderBytes);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("picture.png") });
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct FullDiskCase {
    const char* what;
    bool overAnOlderPicture;
};

const FullDiskCase fullDiskCases[] = {
    { "over an older picture", true },
    { "as a new file", false },
};

TEST(PictureOut, ASaveOntoAFullDiskSaysSoAndKeepsWhatWasThere)
{
    for (const FullDiskCase& save : fullDiskCases) {
        SCOPED_TRACE(save.what);
        testing::SmallDisk disk;
        if (!disk.mounted())
            GTEST_SKIP() << disk.whyNot();
        DrawnWindow window;
        auto* actions = window.pic.findChild<PictureActions*>();
        ASSERT_NE(actions, nullptr);
        QDir folder(disk.path());
        ASSERT_TRUE(
            folder.mkdir(QStringLiteral("pictures")) && folder.cd(QStringLiteral("pictures")));
        const QString path = folder.filePath(QStringLiteral("picture.png"));
        if (save.overAnOlderPicture) {
            ASSERT_TRUE(actions->savePicture(path));
        }
        const QByteArray older = contents(path);
        const QStringList before
            = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        // A third curve makes the picture larger than the one page left: the disk fills up
        // part-way through the write.
        window.form.Command3_Click();
        const QImage picture = window.pic.surface().image();
        constexpr qint64 page = 4096;
        ASSERT_TRUE(disk.fillLeaving(page));

        testing::ModalDismisser dismisser;
        EXPECT_FALSE(actions->savePicture(path));
        ASSERT_EQ(dismisser.messages.size(), 1U);
        EXPECT_NE(dismisser.messages.front().find("could not be saved"), std::string::npos);
        EXPECT_NE(dismisser.messages.front().find("No space left on device"), std::string::npos)
            << dismisser.messages.front();
        EXPECT_EQ(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        EXPECT_EQ(contents(path), older);
        EXPECT_EQ(window.pic.surface().image(), picture);
    }
}

} // namespace
} // namespace fourier
