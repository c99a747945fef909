// SPDX-License-Identifier: MIT
#include "form1.h"
#include "layout.h"
#include "picturebox.h"
#include "pixels.h"
#include "plotarea.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

namespace fourier {
namespace {

struct Control {
    const char* name;
    const char* className;
    const char* text;
    QRect twips;
};

const Control controls[] = {
    { "Command5", "QPushButton", "Calculate Sawtooh Series", { 7680, 6240, 1335, 615 } },
    { "Command4", "QPushButton", "Calculate Triangular Series", { 6000, 6240, 1335, 615 } },
    { "T2", "QLineEdit", "10", { 7200, 4440, 1455, 495 } },
    { "T1", "QLineEdit", "4", { 2400, 6240, 1335, 495 } },
    { "Command3", "QPushButton", "Cos x", { 7320, 2160, 1335, 615 } },
    { "Command2", "QPushButton", "Sin x", { 7320, 1080, 1335, 615 } },
    { "Ejecutar", "QPushButton", "Calculate  Square Series", { 4200, 6240, 1335, 615 } },
    { "Pic", "fourier::PictureBox", "", { 480, 840, 5655, 4935 } },
    { "Command1", "QPushButton", "Clear", { 7320, 3240, 1335, 615 } },
    { "Label7", "QLabel", "This Program Shown the Fourier Series Behavior for Diferent Signals",
        { 480, 240, 4800, 195 } },
    { "Label6", "QLabel", "Clear Button", { 6240, 3360, 975, 855 } },
    { "Label5", "QLabel", "Odd Function", { 6240, 1200, 1335, 975 } },
    { "Label4", "QLabel", "Even Function", { 6240, 2400, 1095, 495 } },
    { "Label3", "QLabel", "Trigonometric Functions Representing an Analog Waveform",
        { 6240, 120, 2535, 855 } },
    { "Label2", "QLabel", "Number of Coeficients in the Fourier Series", { 480, 6240, 1695, 855 } },
    { "Label1", "QLabel", "X,Y Scale", { 6240, 4440, 1695, 615 } },
};

/// The points scripts/positions.sh gives the scripts to click, by control name.
std::map<std::string, QPoint> scriptClickPoints()
{
    std::ifstream file(FOURIER_SOURCE_DIR "/scripts/positions.sh");
    const std::regex entry(R"re(^\s*\[(\w+)\]="(\d+) (\d+)")re");
    std::map<std::string, QPoint> points;
    std::string line;
    std::smatch match;
    while (std::getline(file, line)) {
        if (std::regex_search(line, match, entry))
            points[match[1]] = QPoint(std::stoi(match[2]), std::stoi(match[3]));
    }
    return points;
}

template <class T = QWidget>
T* child(Form1& form, const char* name)
{
    return form.findChild<T*>(QString::fromLatin1(name));
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

bool isWhite(const QImage& image)
{
    return testing::isAll(image, testing::white);
}

TEST(Form1, EveryControlHasItsKindTextAndPlaceInAFixedWindow)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Fourier An\xC3\xA1lisis"));
    EXPECT_EQ(form.size(), QSize(624, 487));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 16);
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = child(form, c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(c.className));
        const QRect& t = c.twips;
        EXPECT_EQ(
            widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(widget))
            text = button->text();
        else if (auto* box = qobject_cast<QLineEdit*>(widget))
            text = box->text();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        EXPECT_EQ(text.toStdString(), c.text);
    }

    // Every button and text box has a point in the scripts' table of clicks, and it lies on it.
    const auto clicks = scriptClickPoints();
    for (const ControlLayout& control : form1Controls) {
        if (control.kind != ControlKind::PushButton && control.kind != ControlKind::TextBox)
            continue;
        const std::string name(control.name);
        SCOPED_TRACE(name);
        ASSERT_EQ(clicks.count(name), 1u) << "no point for it in scripts/positions.sh";
        QWidget* hit = form.childAt(clicks.at(name));
        EXPECT_EQ(hit ? hit->objectName().toStdString() : "(none)", name);
    }
    EXPECT_EQ(clicks.size(), 8u);
}

TEST(Form1, TabGoesRoundTheControlsInOrderFromClear)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    const std::vector<std::string> order { "Command1", "Pic", "Ejecutar", "Command2", "Command3",
        "T1", "T2", "Command4", "Command5", "Command1" };
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < order.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        seen.push_back(focus ? focus->objectName().toStdString() : "(none)");
        // In the plot area the arrow keys move the probe, and Tab still leaves it.
        for (const auto key : { Qt::Key_Right, Qt::Key_Down }) {
            QKeyEvent arrow(QEvent::KeyPress, key, Qt::NoModifier);
            if (focus == &form.pictureBox())
                QApplication::sendEvent(focus, &arrow);
        }
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        if (focus)
            QApplication::sendEvent(focus, &tab);
    }
    EXPECT_EQ(seen, order);
}

TEST(Form1, LabelsAreYellowOnGrayBeneathTheControlsTheyReachUnder)
{
    Form1 form;
    int overlaps = 0;
    for (QLabel* label : form.findChildren<QLabel*>()) {
        const std::string name = label->objectName().toStdString();
        SCOPED_TRACE(name);
        EXPECT_EQ(label->wordWrap(), name != "Label7");
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(128, 128, 128));
        for (const Control& c : controls) {
            QWidget* widget = child(form, c.name);
            if (qobject_cast<QLabel*>(widget) || !widget->geometry().intersects(label->geometry()))
                continue;
            ++overlaps;
            const QPoint shared = widget->geometry().intersected(label->geometry()).center();
            QWidget* top = form.childAt(shared);
            EXPECT_TRUE(top == widget || widget->isAncestorOf(top)) << c.name;
        }
    }
    EXPECT_GE(overlaps, 2);
}

TEST(Form1, StartsWithAWhitePlotAreaThatClearAndTypingLeaveAlone)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    PictureBox& pic = form.pictureBox();
    const ImageSurface& surface = pic.surface();
    EXPECT_EQ(surface.image().size(), QSize(plotAreaWidth, plotAreaHeight));
    EXPECT_TRUE(isWhite(surface.image()));
    EXPECT_TRUE(isWhite(pic.grab(pic.contentsRect()).toImage()));
    child<QPushButton>(form, "Command1")->click();
    EXPECT_TRUE(isWhite(pic.grab(pic.contentsRect()).toImage()));
    EXPECT_FALSE(surface.mapping().isUserScale());

    // Texts that would bring up a message, were a command to read them.
    auto* t1 = child<QLineEdit>(form, "T1");
    auto* t2 = child<QLineEdit>(form, "T2");
    t1->setText(QStringLiteral("0"));
    t2->setText(QStringLiteral("25"));
    QApplication::processEvents();
    EXPECT_TRUE(isWhite(surface.image()));
    t2->setText(QStringLiteral("5"));
    child<QPushButton>(form, "Command2")->click();
    EXPECT_EQ(surface.mapping().right(), 5);
    const QImage drawn = surface.image();
    t2->setText(QStringLiteral("10"));
    QApplication::processEvents();
    EXPECT_EQ(surface.mapping().right(), 5);
    EXPECT_TRUE(surface.image() == drawn);
}

// A click runs the slot of the button's own name, and that slot draws its own curve: the picture
// is the one the slot alone gives, with the curve's colour where only that curve passes.
TEST(Form1, EachButtonRunsItsOwnCommand)
{
    struct Press {
        const char* button;
        void (Form1::*slot)();
        QRgb colour;
        double x;
        double y;
    };
    constexpr double pi = std::numbers::pi;
    // A point of each curve at the window's first texts, clear of the numbers of the frame.
    const Press presses[] = {
        { "Command2", &Form1::Command2_Click, qRgb(0, 0, 128), pi / 2, 4 },
        { "Command3", &Form1::Command3_Click, qRgb(0, 0, 0), 2 * pi, 4 },
        { "Ejecutar", &Form1::Ejecutar_Click, qRgb(128, 0, 128), pi / 8, 3.72035 },
        { "Command4", &Form1::Command4_Click, qRgb(255, 0, 0), 2 * pi, 4.68608 },
        { "Command5", &Form1::Command5_Click, qRgb(0, 255, 0), pi / 5, -6.10911 },
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.button);
        Form1 form;
        ASSERT_TRUE(activate(form));
        const ImageSurface& surface = form.pictureBox().surface();
        child<QPushButton>(form, press.button)->click();
        const auto column = surface.mapping().column(static_cast<float>(press.x));
        const auto row = surface.mapping().row(static_cast<float>(press.y));
        ASSERT_TRUE(column && row);
        EXPECT_EQ(surface.image().pixel(*column, *row), press.colour);
        Form1 bySlot;
        (bySlot.*press.slot)();
        EXPECT_TRUE(surface.image() == bySlot.pictureBox().surface().image());

        // Clear, by its button and by its slot.
        child<QPushButton>(form, "Command1")->click();
        EXPECT_TRUE(isWhite(surface.image()));
        bySlot.Command1_Click();
        EXPECT_TRUE(isWhite(bySlot.pictureBox().surface().image()));
    }
}

// Column 215 holds x = pi/2 at scale 10, where the square wave's sums of 1, 3 and 10 terms pass
// through rows 97, 106 and 113.
TEST(Form1, TheTooltipReadsThePointAndTheCurvesUnderThePointerAndFollowsIt)
{
    Form1 form;
    ASSERT_TRUE(activate(form));
    PictureBox& pic = form.pictureBox();
    const QPoint border = pic.contentsRect().topLeft();
    const auto rest = [&pic](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, pic.mapToGlobal(at));
        QApplication::sendEvent(&pic, &help);
    };
    const auto move = [&pic](QPoint at) {
        QMouseEvent event(
            QEvent::MouseMove, at, pic.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&pic, &event);
    };
    const auto tip = [] { return QToolTip::isVisible() ? QToolTip::text().toStdString() : ""; };

    rest(border + QPoint(215, 113));
    EXPECT_EQ(tip(), "Nothing to read yet: type a scale and click a button to draw.");
    for (const char* terms : { "1", "3", "10" }) {
        child<QLineEdit>(form, "T1")->setText(QString::fromLatin1(terms));
        form.Ejecutar_Click();
    }
    const QImage picture = pic.surface().image();
    const QString description = pic.accessibleDescription();
    // Shown afresh, the picture under a resting pointer is read afresh.
    EXPECT_EQ(tip(), "x = 1.55 (0.49\u03c0)\ny = 3.02\nSquare series, 10 terms, scale 10");
    move(border + QPoint(215, 106));
    EXPECT_EQ(tip(), "x = 1.55 (0.49\u03c0)\ny = 3.45\nSquare series, 3 terms, scale 10");
    move(border + QPoint(215, 101));
    EXPECT_EQ(tip(), "x = 1.55 (0.49\u03c0)\ny = 3.75");
    move(border + QPoint(186, 162));
    EXPECT_EQ(tip(),
        "x = 0.00 (0.00\u03c0)\ny = 0.00\nSquare series, 10 terms, scale 10\n"
        "Square series, 3 terms, scale 10\nSquare series, 1 term, scale 10");

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&pic, &leave);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    // On the border there is nothing to read.
    rest(QPoint(0, 0));
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_TRUE(pic.surface().image() == picture);
    EXPECT_EQ(pic.accessibleDescription(), description);
    EXPECT_FALSE(pic.probe().has_value());
}

} // namespace
} // namespace fourier
