// SPDX-License-Identifier: MIT
#include "form1.h"
#include "lessonfile.h"
#include "modaldismisser.h"
#include "pictureactions.h"
#include "picturebox.h"
#include "smalldisk.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

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

QLineEdit* box(Form1& form, const char* name)
{
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QPushButton* button(Form1& form, const char* name)
{
    return form.findChild<QPushButton*>(QString::fromLatin1(name));
}

/// What the window shows and keeps: the plot area's pixels, coordinate system and description,
/// and the two boxes.
struct Shown {
    explicit Shown(Form1& form)
        : pixels(form.pictureBox().surface().image())
        , userScale(form.pictureBox().surface().mapping().isUserScale())
        , scale(form.pictureBox().surface().mapping().right())
        , description(form.pictureBox().accessibleDescription())
        , terms(box(form, "T1")->text())
        , scaleText(box(form, "T2")->text())
    {
    }
    bool operator==(const Shown&) const = default;

    QImage pixels;
    bool userScale;
    double scale;
    QString description;
    QString terms;
    QString scaleText;
};

void setTexts(Form1& form, const char* terms, const char* scale)
{
    box(form, "T1")->setText(QString::fromLatin1(terms));
    box(form, "T2")->setText(QString::fromLatin1(scale));
}

bool activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!window.isActiveWindow() && timer.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return window.isActiveWindow();
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

/// Shows the readout on \a pic: the probe moved off the origin, and the tooltip over a curve.
void showReadout(PictureBox& pic)
{
    ASSERT_TRUE(activate(*pic.window()));
    pic.setFocus();
    for (const auto key : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Right }) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&pic, &press);
    }
    const QPoint at = pic.contentsRect().topLeft() + QPoint(215, 97);
    QHelpEvent help(QEvent::ToolTip, at, pic.mapToGlobal(at));
    QApplication::sendEvent(&pic, &help);
    EXPECT_EQ(pic.probe(), QPoint(187, 161));
    EXPECT_TRUE(QToolTip::isVisible());
}

TEST(PictureOut, CopyPicturePutsTheDrawingAreasOwnPixelsOnTheClipboard)
{
    DrawnWindow window;
    // Neither the probe nor the tooltip is part of the picture.
    showReadout(window.pic);
    const QString described = window.pic.accessibleDescription();
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
    EXPECT_EQ(window.pic.accessibleDescription(), described);
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
        EXPECT_FALSE(window.form.saveLesson(path));
        ASSERT_EQ(dismisser.messages.size(), 2U);
        for (std::size_t i = 0; i < dismisser.messages.size(); ++i) {
            const std::string& message = dismisser.messages[i];
            EXPECT_NE(message.find("could not be saved"), std::string::npos);
            // The name as it was typed, never read as markup.
            EXPECT_NE(message.find(QDir::toNativeSeparators(path).toStdString()), std::string::npos)
                << message;
            EXPECT_EQ(dismisser.messageFormats[i], Qt::PlainText);
        }
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
    showReadout(window.pic);
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

struct Click {
    const char* button;
    const char* terms;
    /// How the menu names the step.
    const char* name;
};

const Click clicks[] = {
    { "Ejecutar", "10", "Square Series, 10 terms" },
    { "Command2", "10", "Sin x" },
    { "Command4", "1", "Triangular Series, 1 term" },
    { "Command3", "1", "Cos x" },
    { "Command5", " 2.5 ", "Sawtooth Series, 2.5 terms" },
    { "Command1", "2.5", "Clear" },
    { "Command5", "123456789012345", "Sawtooth Series, 123456789012\u2026 terms" },
};

TEST(Steps, EveryClickIsAStepThatUndoAndRedoAtTheTopOfTheMenuTakeBackAndAgain)
{
    Form1 form;
    testing::ModalDismisser dismisser;
    const QList<QAction*> menu = form.pictureBox().actions();
    ASSERT_GE(menu.size(), 2);
    QAction* undo = menu[0];
    QAction* redo = menu[1];
    EXPECT_EQ(undo->text().toStdString(), "Undo");
    EXPECT_EQ(redo->text().toStdString(), "Redo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // What the window showed before each click, and the same clicks on windows of their own.
    std::vector<Shown> before;
    for (const Click& click : clicks) {
        setTexts(form, click.terms, "10");
        before.emplace_back(form);
        button(form, click.button)->click();
        EXPECT_TRUE(undo->isEnabled());
        EXPECT_EQ(undo->text().toStdString(), std::string("Undo ") + click.name);
        EXPECT_FALSE(redo->isEnabled());
    }
    const Shown last(form);
    const std::size_t messages = dismisser.messages.size();

    for (std::size_t i = std::size(clicks); i-- > 0;) {
        SCOPED_TRACE(clicks[i].name);
        undo->trigger();
        Shown undone(form);
        // The boxes keep what they hold now; everything else is as before the click.
        EXPECT_EQ(undone.terms, last.terms);
        undone.terms = before[i].terms;
        EXPECT_TRUE(undone == before[i]);
        EXPECT_EQ(redo->text().toStdString(), std::string("Redo ") + clicks[i].name);
    }
    EXPECT_EQ(undo->text().toStdString(), "Undo");
    EXPECT_FALSE(undo->isEnabled());
    for (const Click& click : clicks) {
        EXPECT_EQ(redo->text().toStdString(), std::string("Redo ") + click.name);
        redo->trigger();
    }
    EXPECT_TRUE(Shown(form) == last);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(dismisser.messages.size(), messages);

    // A click after an undo forgets what could have been redone.
    undo->trigger();
    undo->trigger();
    button(form, "Command2")->click();
    EXPECT_EQ(undo->text().toStdString(), "Undo Sin x");
    EXPECT_FALSE(redo->isEnabled());
}

TEST(Steps, TheUndoKeysUndoStepsExceptInATextBoxWhereTheyUndoTheTyping)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    const Shown start(form);
    button(form, "Ejecutar")->click();
    const Shown drawn(form);
    QPushButton* sin = button(form, "Command2");
    sin->setFocus();
    QTest::keyClick(sin, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Shown(form) == start);
    QTest::keyClick(sin, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Shown(form) == drawn);
    QTest::keyClick(sin, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&form.pictureBox(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Shown(form) == drawn);

    QLineEdit* terms = box(form, "T1");
    terms->setFocus();
    terms->end(false);
    QTest::keyClicks(terms, QStringLiteral("5"));
    EXPECT_EQ(terms->text().toStdString(), "45");
    QTest::keyClick(terms, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(terms->text().toStdString(), "4");
    QTest::keyClick(terms, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(terms->text().toStdString(), "45");
    QTest::keyClick(terms, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(terms, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(terms->text().toStdString(), "45");
    Shown typed = drawn;
    typed.terms = QStringLiteral("45");
    EXPECT_TRUE(Shown(form) == typed);
}

/// Writes \a text to \a path.
void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Lessons, ASavedLessonOpensAsTheSameClicksWouldDrawItWithItsStepsToUndo)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("monday.fourier"));
    Form1 form;
    testing::ModalDismisser dismisser;
    setTexts(form, "3", "5");
    form.Ejecutar_Click();
    setTexts(form, "25", "25");
    form.Command4_Click();
    setTexts(form, "10", "-8");
    form.Command5_Click();
    ASSERT_EQ(dismisser.messages.size(), 1u);
    const Shown drawn(form);
    ASSERT_TRUE(form.saveLesson(path));
    EXPECT_EQ(contents(path).toStdString(),
        "{\"format\": \"fourier-analysis-lesson\", \"version\": 1,\n"
        " \"steps\": [{\"command\": \"square\", \"terms\": \"3\", \"scale\": \"5\"},\n"
        "           {\"command\": \"triangle\", \"terms\": \"25\", \"scale\": \"25\"},\n"
        "           {\"command\": \"sawtooth\", \"terms\": \"10\", \"scale\": \"-8\"}]}\n");

    Form1 opened;
    setTexts(opened, "1", "1");
    opened.Command2_Click();
    ASSERT_TRUE(opened.openLesson(path));
    EXPECT_TRUE(Shown(opened) == drawn);
    EXPECT_EQ(dismisser.messages.size(), 1u);
    opened.undo();
    form.undo();
    EXPECT_TRUE(Shown(opened) == Shown(form));
    opened.undo();
    opened.undo();
    EXPECT_FALSE(opened.history().undoable());
    EXPECT_TRUE(Shown(opened).pixels == Form1().pictureBox().surface().image());
    EXPECT_FALSE(opened.pictureBox().surface().mapping().isUserScale());
}

TEST(Lessons, ABadOrCancelledLessonChangesNothing)
{
    QTemporaryDir folder;
    const QString bad = folder.filePath(QStringLiteral("typo.fourier"));
    writeFile(bad,
        R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [
            {"command": "square", "terms": "10", "scale": "10"},
            {"command": "sin", "terms": "10", "scale": "10"},
            {"command": "squar", "terms": "10", "scale": "10"}]})");
    const QString endless = folder.filePath(QStringLiteral("endless.fourier"));
    writeFile(endless,
        R"({"format": "fourier-analysis-lesson", "version": 1, "steps": [
            {"command": "clear", "terms": "4", "scale": "3"},
            {"command": "square", "terms": "1e300", "scale": "10"}]})");

    Form1 form;
    testing::ModalDismisser dismisser;
    form.Ejecutar_Click();
    setTexts(form, "7", "2");
    const Shown before(form);
    EXPECT_FALSE(form.openLesson(bad));
    ASSERT_EQ(dismisser.messages.size(), 1u);
    EXPECT_NE(dismisser.messages[0].find("typo.fourier could not be opened: step 3: unknown "
                                         "command \"squar\""),
        std::string::npos)
        << dismisser.messages[0];
    EXPECT_TRUE(Shown(form) == before);
    EXPECT_EQ(form.history().undoable()->command, StepCommand::Square);

    EXPECT_FALSE(form.openLesson(endless));
    EXPECT_EQ(dismisser.progressDialogsSeen, 1);
    EXPECT_EQ(dismisser.messages.size(), 1u);
    EXPECT_TRUE(Shown(form) == before);
    EXPECT_EQ(form.history().undoCount(), 1u);
    EXPECT_FALSE(form.history().redoable());
}

/// Lets files grow to \a bytes at most while it lives, so that writing more fails as on a full
/// disk: the signal the limit raises is ignored, and the write reports the error instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, m_old.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(Lessons, ASaveCutShortKeepsTheOlderFileByteForByte)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.fourier"));
    const QByteArray older = "an older lesson";
    writeFile(path, older);
    Form1 form;
    form.Ejecutar_Click();
    testing::ModalDismisser dismisser;
    {
        FileSizeLimit limit(32);
        EXPECT_FALSE(form.saveLesson(path));
    }
    ASSERT_EQ(dismisser.messages.size(), 1u);
    EXPECT_NE(dismisser.messages[0].find("could not be saved"), std::string::npos);
    EXPECT_EQ(contents(path), older);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList { QStringLiteral("lesson.fourier") });
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
